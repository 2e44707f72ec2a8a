#!/usr/bin/env python3
"""Prints how much of the code is test code: the non-blank lines of the C++,
Python, shell and CMake files under tests/, tools/*/tests/ and fuzz/, against
the non-blank lines of all such files in the repository. Files git ignores
(the build trees) are left out.

    scripts/count-test-share.py          the share
    scripts/count-test-share.py -v       and the lines of each test folder
"""

import argparse
import subprocess
import sys
from collections import Counter
from pathlib import Path, PurePosixPath

ROOT = Path(__file__).resolve().parent.parent
CODE_SUFFIXES = {".cpp", ".h", ".py", ".sh", ".cmake"}
CODE_NAMES = {"CMakeLists.txt"}


def repository_files():
    listed = subprocess.run(["git", "ls-files", "--cached", "--others", "--exclude-standard"],
                            cwd=ROOT, check=True, stdout=subprocess.PIPE, text=True).stdout
    return [PurePosixPath(line) for line in listed.splitlines() if line]


def is_code(path):
    return path.suffix in CODE_SUFFIXES or path.name in CODE_NAMES


def test_folder(path):
    """The test folder holding path, or None for product code."""
    parts = path.parts
    if parts[0] in ("tests", "fuzz"):
        return parts[0]
    if len(parts) > 3 and parts[0] == "tools" and parts[2] == "tests":
        return "/".join(parts[:3])
    return None


def non_blank_lines(path):
    full = ROOT / path
    if not full.is_file():  # deleted but not yet staged
        return 0
    with open(full, encoding="utf-8", errors="replace") as text:
        return sum(1 for line in text if line.strip())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-v", "--verbose", action="store_true")
    args = parser.parse_args()

    total = 0
    tests = Counter()
    for path in repository_files():
        if not is_code(path):
            continue
        lines = non_blank_lines(path)
        total += lines
        folder = test_folder(path)
        if folder is not None:
            tests[folder] += lines
    if total == 0:
        sys.exit("no code found")
    if args.verbose:
        for folder, lines in sorted(tests.items()):
            print(f"{folder:<24} {lines:>7}")
    test_lines = sum(tests.values())
    print(f"test code: {test_lines} of {total} non-blank lines = {100.0 * test_lines / total:.1f}%")


if __name__ == "__main__":
    main()
