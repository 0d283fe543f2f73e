#!/usr/bin/env bash
# Sets up and runs every test: installs what is missing, builds both trees, runs the native
# unit tests (with ASan and UBSan), static analysis, the fuzz targets' fixed run, and
# the end-to-end tests of the real PWick.exe under Wine.
#   tools/test.sh [BUILD_ROOT]        (default: build/)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build}"
jobs="$(nproc 2>/dev/null || echo 2)"

"$root/tools/deps.sh"

echo "== structure: which folder may include which"
structure_rc=0
python3 "$root/tools/check_structure.py" || structure_rc=$?

echo "== native tree: portable code, unit tests, sanitizers"
cmake -S "$root" -B "$out/native" -DCMAKE_BUILD_TYPE=Debug -DPW_SANITIZE=ON >/dev/null
cmake --build "$out/native" -j "$jobs"
native_rc=0
ctest --test-dir "$out/native" --output-on-failure -j "$jobs" | tee "$out/native-tests.log" || native_rc=$?

echo "== static analysis of the portable code: clang-tidy, cppcheck"
lint_rc=0
"$root/tools/lint.sh" "$out/native" || lint_rc=$?

echo "== fuzzing: each target replays its corpus, then a fixed number of inputs from a fixed seed"
fuzz_rc=0
"$root/tools/fuzz.sh" "$out/fuzz" || fuzz_rc=$?

echo "== cross tree: PWick.exe and the end-to-end driver"
cmake -S "$root" -B "$out/cross" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/cross" -j "$jobs"

echo "== end-to-end tests under Wine"
e2e_rc=0
"$root/tools/e2e.sh" "$out/cross" | tee "$out/e2e-tests.log" || e2e_rc=$?
[ "${PIPESTATUS[0]:-0}" -eq 0 ] || e2e_rc=1

echo "== what ships: help, read-me, zip and the installer under Wine"
dist_rc=0
"$root/tools/dist-test.sh" "$out/cross" | tee "$out/dist-tests.log" || dist_rc=$?

echo "== layout under Wine at 144 DPI"
dpi_rc=0
PW_DPI=144 "$root/tools/e2e.sh" "$out/cross" --gtest_filter='Layout.*' | tee "$out/e2e-144-tests.log" || dpi_rc=$?

# One closing line for every kind of test.
unit_passed=$(sed -n 's/^.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*$/\2 \1/p' "$out/native-tests.log" | tail -n1)
unit_total=${unit_passed% *}; unit_failed=${unit_passed#* }
gtest_count() {
    local n
    n=$(sed -n "s/^\[  $1  \] \([0-9]*\) test.*$2/\1/p" "$3" 2>/dev/null | tail -n1)
    echo "${n:-0}"
}
e2e_passed=$(( $(gtest_count PASSED '' "$out/e2e-tests.log") + $(gtest_count PASSED '' "$out/e2e-144-tests.log") ))
e2e_failed=$(( $(gtest_count FAILED 'listed below.*' "$out/e2e-tests.log") + $(gtest_count FAILED 'listed below.*' "$out/e2e-144-tests.log") ))
dist_counts=$(sed -n 's/^dist: \([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' "$out/dist-tests.log" | tail -n1)
dist_passed=${dist_counts% *}; dist_failed=${dist_counts#* }
passed=$(( ${unit_total:-0} - ${unit_failed:-0} + e2e_passed + ${dist_passed:-0} ))
failed=$(( ${unit_failed:-0} + e2e_failed + ${dist_failed:-0} ))
if [ "$native_rc" -ne 0 ] || [ "$e2e_rc" -ne 0 ] || [ "$dpi_rc" -ne 0 ] || [ "$structure_rc" -ne 0 ] ||
    [ "$dist_rc" -ne 0 ] || [ "$lint_rc" -ne 0 ] || [ "$fuzz_rc" -ne 0 ]; then
    [ "$failed" -gt 0 ] || failed=1
fi
python3 "$root/tools/check_structure.py" --ratio | tail -n1
echo "tests: $passed passed, $failed failed"
[ "$native_rc" -eq 0 ] && [ "$e2e_rc" -eq 0 ] && [ "$dpi_rc" -eq 0 ] && [ "$structure_rc" -eq 0 ] &&
    [ "$dist_rc" -eq 0 ] && [ "$lint_rc" -eq 0 ] && [ "$fuzz_rc" -eq 0 ]
