#!/usr/bin/env python3
"""Puts small realistic faults into the code one at a time and tells which of
them the host tests catch.

For each fault in scripts/mutations.py: replace its snippet, rebuild the host
preset, run the host tests it names (each with a time limit), and put the file
back whatever happens. A fault that does not compile is reported apart; a test
that runs out of time or crashes counts as caught, and is reported as such.

    scripts/mutation-sample.py                 every fault
    scripts/mutation-sample.py --only NAME     one fault (may be repeated)
    scripts/mutation-sample.py --list          the faults, and whether each applies

Run it in a clean worktree whose host preset is configured and built.
"""

import argparse
import re
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path
from xml.etree import ElementTree

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(Path(__file__).resolve().parent))
from mutations import FAULTS  # noqa: E402

# The content tool's test generates all the content and takes minutes; the
# unit tests cover the engine code the faults go into.
ALWAYS_EXCLUDED = "content_tests"
# A parameterised test carries its parameter as a comment after its name.
FAILED_LINE = re.compile(r"^\s*\d+ - (\S+)(?:\s+#.*?)? \(([^()]+)\)\s*$")
GTEST_END = "ran. ("


def check_snippet(fault):
    """The file's text, or raises ValueError when the snippet is not there once."""
    path = ROOT / fault["file"]
    if not path.is_file():
        raise ValueError(f"{fault['name']}: {fault['file']} does not exist")
    text = path.read_text()
    count = text.count(fault["find"])
    if count != 1:
        raise ValueError(f"{fault['name']}: snippet found {count} times in {fault['file']}")
    return text


def run(command, timeout=None):
    result = subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, timeout=timeout)
    return result.returncode, result.stdout


def build():
    return run(["cmake", "--build", "--preset", "host", "-j2"])


def run_tests(regex, test_timeout, all_tests):
    """The failing tests, each with why: Failed, Timeout or Crashed."""
    with tempfile.TemporaryDirectory() as folder:
        junit = Path(folder) / "results.xml"
        command = ["ctest", "--preset", "host", "-j2", "--timeout", str(test_timeout),
                   "-E", ALWAYS_EXCLUDED, "--output-junit", str(junit)]
        if not all_tests:
            command += ["-R", regex]
        code, output = run(command)
        if "No tests were found" in output:
            raise ValueError(f"no host test matches {regex!r}")
        failed = {}
        for line in output.splitlines():
            match = FAILED_LINE.match(line)
            if match:
                failed[match.group(1)] = match.group(2)
        if code != 0 and not failed:
            raise RuntimeError("ctest failed without naming a test:\n" + output[-2000:])
        # A test program that dies (a sanitizer's report, a signal) never
        # prints Google Test's closing line; ctest calls that plainly Failed.
        for case in ElementTree.parse(junit).getroot().iter("testcase"):
            name = case.get("name")
            printed = case.findtext("system-out") or ""
            if failed.get(name) == "Failed" and GTEST_END not in printed:
                failed[name] = "Crashed"
    return failed


def verdict(failed):
    if not failed:
        return "MISSED"
    reasons = set(failed.values())
    if "Timeout" in reasons:
        return "caught (timeout)"
    if reasons - {"Failed"}:
        return "caught (crash)"
    return "caught"


def try_fault(fault, args):
    original = check_snippet(fault)
    path = ROOT / fault["file"]
    started = time.monotonic()
    try:
        path.write_text(original.replace(fault["find"], fault["replace"]))
        code, output = build()
        if code != 0:
            return "not compiled", {}, time.monotonic() - started
        failed = run_tests(fault["tests"], args.test_timeout, args.all_tests)
        return verdict(failed), failed, time.monotonic() - started
    finally:
        path.write_text(original)


def print_table(results):
    width = max(len(name) for name, _, _ in results)
    print()
    print(f"{'fault':<{width}}  result")
    print(f"{'-' * width}  {'-' * 16}")
    for name, result, _ in results:
        print(f"{name:<{width}}  {result}")
    caught = sum(1 for _, result, _ in results if result.startswith("caught"))
    uncompiled = sum(1 for _, result, _ in results if result == "not compiled")
    timeouts = [name for name, result, _ in results if result == "caught (timeout)"]
    crashes = [name for name, result, _ in results if result == "caught (crash)"]
    compiled = len(results) - uncompiled
    print()
    if uncompiled:
        print(f"not compiled: {uncompiled}")
    if timeouts:
        print("caught only by a test running out of time: " + ", ".join(timeouts))
    if crashes:
        print("caught by a crashing test: " + ", ".join(crashes))
    print(f"caught {caught} of {compiled}")


def list_faults():
    problems = 0
    for fault in FAULTS:
        try:
            check_snippet(fault)
            state = "ok"
        except ValueError as error:
            state = f"PROBLEM: {error}"
            problems += 1
        print(f"{fault['name']:<32} {fault['file']:<36} {fault['description']}  [{state}]")
    print(f"{len(FAULTS)} faults")
    return 1 if problems else 0


def interrupt(signum, frame):
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", action="store_true", help="list the faults and check them")
    parser.add_argument("--only", action="append", metavar="NAME", help="run only this fault")
    parser.add_argument("--test-timeout", type=int, default=30,
                        help="seconds each test may take (default 30)")
    parser.add_argument("--all-tests", action="store_true",
                        help="run every host unit test for each fault, not just its own")
    parser.add_argument("-v", "--verbose", action="store_true", help="name the failing tests")
    args = parser.parse_args()

    names = [fault["name"] for fault in FAULTS]
    duplicates = {name for name in names if names.count(name) > 1}
    if duplicates:
        sys.exit(f"fault names used twice: {', '.join(sorted(duplicates))}")
    if args.list:
        sys.exit(list_faults())

    chosen = FAULTS
    if args.only:
        unknown = set(args.only) - set(names)
        if unknown:
            sys.exit(f"no such fault: {', '.join(sorted(unknown))}")
        chosen = [fault for fault in FAULTS if fault["name"] in args.only]
    # Every snippet is checked before anything is touched.
    try:
        for fault in chosen:
            check_snippet(fault)
    except ValueError as error:
        sys.exit(str(error))

    # Ctrl-C, or a kill, reaches the running fault's finally block, which
    # restores the file.
    signal.signal(signal.SIGTERM, interrupt)
    code, output = build()
    if code != 0:
        sys.exit("the unchanged code does not build:\n" + output[-3000:])

    results = []
    try:
        for index, fault in enumerate(chosen, 1):
            print(f"[{index}/{len(chosen)}] {fault['name']}: {fault['description']}", flush=True)
            result, failed, seconds = try_fault(fault, args)
            print(f"    {result} ({seconds:.0f} s)", flush=True)
            if args.verbose:
                for test, reason in sorted(failed.items()):
                    print(f"      {test} ({reason})")
            results.append((fault["name"], result, failed))
    except KeyboardInterrupt:
        print("\ninterrupted; the file was put back", file=sys.stderr)
    finally:
        # Leave the build matching the restored sources.
        build()
    if results:
        print_table(results)


if __name__ == "__main__":
    main()
