#!/usr/bin/env python3
"""Checks with the toolchain's own tools that the program carries its
application manifest: objdump must list a resource of type RT_MANIFEST (24)
with id 1, and the manifest text must ask for what the game relies on.
Usage: check_manifest.py OBJDUMP PROGRAM.exe"""

import re
import subprocess
import sys

REQUIRED = (b"PerMonitorV2", b"<dpiAware", b"asInvoker",
            b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")


def main():
    objdump, program = sys.argv[1], sys.argv[2]
    listing = subprocess.run([objdump, "-p", program], check=True, capture_output=True,
                             text=True).stdout
    # The type table's entries sit one level in; RT_MANIFEST's names id 1 below.
    manifest = re.search(r"\n[0-9a-f]+   Entry: ID: 0x0*18, Value: 0x[0-9a-f]+\n"
                         r"[0-9a-f]+ +Name Table: .*IDs: 1\n"
                         r"[0-9a-f]+ +Entry: ID: 0x0*1, ", listing)
    if manifest is None:
        sys.exit(f"{program}: no RT_MANIFEST resource with id 1 in its resource directory")
    with open(program, "rb") as file:
        data = file.read()
    missing = [text.decode() for text in REQUIRED if text not in data]
    if missing:
        sys.exit(f"{program}: the manifest lacks {', '.join(missing)}")
    print(f"{program}: manifest present with {', '.join(t.decode() for t in REQUIRED)}")


if __name__ == "__main__":
    main()
