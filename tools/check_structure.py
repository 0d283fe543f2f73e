#!/usr/bin/env python3
"""Checks the structure rules that a compiler does not: which folder may include which, and
the share of test code. Prints one line per breach and exits 1 when there is any.

  tools/check_structure.py            the include directions
  tools/check_structure.py --ratio    also prints the test share of the C++ lines
"""
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Folder -> the folders its files may include (besides their own and the standard library).
PORTABLE = ["platform"]
SUBSYSTEMS = ["platform", "panels", "settings", "convert"]
ALLOWED = {
    "platform": [],
    "platform/win32": ["platform"],
    "platform/fake": ["platform"],
    "panels": PORTABLE,
    "settings": PORTABLE,
    "convert": PORTABLE,
    "capture": SUBSYSTEMS,
    "tray": SUBSYSTEMS,
    "saving": SUBSYSTEMS,
    "help": SUBSYSTEMS,
    "find": SUBSYSTEMS,
    "app": SUBSYSTEMS + ["capture", "tray", "saving", "help", "find"],
    "root": ["app", "platform", "platform/win32"],
    "tests/unit": SUBSYSTEMS + ["capture", "tray", "saving", "help", "find", "app",
                   "platform/fake"],
}
ALLOWED["fuzz"] = ALLOWED["tests/unit"]
# Folders whose code may include the operating system's headers.
SYSTEM_HEADERS_ALLOWED = {"platform/win32", "root", "tests/e2e", "bench"}
OUR_FOLDERS = sorted({f for f in ALLOWED} | {"tests/e2e"}, key=len, reverse=True)
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')
SYSTEM = re.compile(r"^(windows|winuser|commctrl|shellapi|shlobj|objbase|mmsystem)\.h$", re.I)


def folder_of(path: str):
    for f in OUR_FOLDERS:
        if path == f or path.startswith(f + "/"):
            # tests/unit/convert belongs to tests/unit, platform/win32 to itself
            return f
    return None


def tracked_cpp():
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                         capture_output=True, text=True, check=True).stdout.split()
    return [p for p in out if re.search(r"\.(c|cc|cpp|h|hpp)$", p) and (ROOT / p).exists()]


def check_directions(files):
    breaches = []
    for path in files:
        mine = folder_of(path)
        if mine is None or mine == "tests/e2e":
            continue
        allowed = [mine] + ALLOWED[mine]
        for n, line in enumerate((ROOT / path).read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            target = m.group(1)
            if SYSTEM.match(target) and mine not in SYSTEM_HEADERS_ALLOWED:
                breaches.append(f"{path}:{n}: {mine}/ may not include the system header {target}")
                continue
            theirs = folder_of(str(Path(target).parent)) if "/" in target else None
            if theirs and theirs not in allowed:
                breaches.append(f"{path}:{n}: {mine}/ may not include {target}")
    return breaches


def code_lines(path):
    text = (ROOT / path).read_text(encoding="utf-8", errors="replace")
    return sum(1 for l in text.splitlines() if l.strip() and not re.match(r"^\s*//", l))


def test_share(files):
    counted = [p for p in files if not p.startswith("bench/")]
    is_test = lambda p: p.startswith(("tests/", "fuzz/", "platform/fake/"))
    tests = sum(code_lines(p) for p in counted if is_test(p))
    code = sum(code_lines(p) for p in counted if not is_test(p))
    return tests, code


def main():
    files = tracked_cpp()
    breaches = check_directions(files)
    for b in breaches:
        print(b)
    if "--ratio" in sys.argv:
        tests, code = test_share(files)
        print(f"test share: {tests} test lines of {tests + code} C++ lines "
              f"({100 * tests / (tests + code):.0f}%)")
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
