#!/usr/bin/env bash
# clang-tidy (.clang-tidy) and cppcheck (tools/cppcheck-suppressions.txt) on the portable code,
# the sources of the native tree outside platform/win32/ and platform/fake/. Any finding fails.
#   tools/lint.sh NATIVE_BUILD_DIR
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 NATIVE_BUILD_DIR" >&2
    exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1"
cd "$root"

cmake -S "$root" -B "$out" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
mapfile -t sources < <(python3 - "$out/compile_commands.json" "$root" <<'PY'
import json, os, re, sys
root = sys.argv[2]
portable = re.compile(r"^(app|panels|settings|capture|tray|saving|help|convert|find|platform)/[^/]+\.cpp$")
for entry in json.load(open(sys.argv[1])):
    rel = os.path.relpath(entry["file"], root)
    if portable.match(rel):
        print(rel)
PY
)
echo "lint: ${#sources[@]} portable sources"

rc=0
tidy_log="$out/clang-tidy.log"
printf '%s\n' "${sources[@]}" |
    xargs -P "$(nproc 2>/dev/null || echo 2)" -n 4 clang-tidy -p "$out" --quiet >"$tidy_log" 2>/dev/null || rc=1
if grep -q -E '(warning|error):' "$tidy_log"; then rc=1; fi
if [ "$rc" -ne 0 ]; then
    echo "clang-tidy: findings (full log $tidy_log):"
    grep -E '(warning|error):' "$tidy_log" | sort -u
else
    echo "clang-tidy: clean"
fi

generated="$(dirname "$(find "$out" -name PenWickVersion.h -print -quit)")"
if cppcheck -q --std=c++20 --language=c++ --enable=warning,performance,portability,style \
    -I "$root" -I "$generated" --inline-suppr --suppressions-list="$root/tools/cppcheck-suppressions.txt" \
    --error-exitcode=1 --template='{file}:{line}: {severity} [{id}] {message}' "${sources[@]}"; then
    echo "cppcheck: clean"
else
    rc=1
fi
exit "$rc"
