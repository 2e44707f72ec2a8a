#!/usr/bin/env python3
"""Checks with the toolchain's own tools that the program brings little to
its start beyond what it needs: comdlg32, shell32 and ole32 must not be
among the libraries loaded with it (adding a photo binds them on first use;
direct imports bring the common controls, the printer spooler, the shell's
helpers and COM into every start), and
every section must lie at a page-aligned offset in the file, so that Wine
maps the 7 MB of built-in sounds and the code from the file as they are used
instead of reading each such section whole at every start.
Usage: check_start_image.py OBJDUMP PROGRAM.exe"""

import re
import subprocess
import sys

PAGE = 4096
# Needed only by a feature the player opens later.
NOT_AT_START = ("comdlg32.dll", "shell32.dll", "ole32.dll")


def sections(headers):
    """(name, file offset) of each section with contents in the file."""
    found = []
    for match in re.finditer(r"^\s*\d+\s+(\S+)\s+([0-9a-f]+)\s+[0-9a-f]+\s+[0-9a-f]+\s+"
                             r"([0-9a-f]+)\s+2\*\*\d+\n\s+CONTENTS", headers, re.M):
        name, size, offset = match.group(1), int(match.group(2), 16), int(match.group(3), 16)
        if size > 0:
            found.append((name, offset))
    return found


def main():
    objdump, program = sys.argv[1], sys.argv[2]
    private = subprocess.run([objdump, "-p", program], check=True, capture_output=True,
                             text=True).stdout
    imported = [name.lower() for name in re.findall(r"DLL Name: (\S+)", private)]
    if not imported:
        sys.exit(f"{program}: no import table found")
    early = [name for name in NOT_AT_START if name in imported]
    if early:
        sys.exit(f"{program}: loads {', '.join(early)} at start")
    headers = subprocess.run([objdump, "-h", program], check=True, capture_output=True,
                             text=True).stdout
    placed = sections(headers)
    if not any(name == ".rsrc" for name, _ in placed):
        sys.exit(f"{program}: no resource section found")
    unaligned = [f"{name} at {offset:#x}" for name, offset in placed if offset % PAGE]
    if unaligned:
        sys.exit(f"{program}: sections not at page-aligned file offsets: {', '.join(unaligned)}")
    print(f"{program}: imports {', '.join(imported)}; {len(placed)} sections page-aligned")


if __name__ == "__main__":
    main()
