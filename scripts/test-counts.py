#!/usr/bin/env python3
"""Counts what one CTest run of a build tested, for scripts/test.sh.

    scripts/test-counts.py BUILD_DIR JUNIT_FILE

Test cases are GoogleTest's own: each test program writes an XML report of
its cases into BUILD_DIR/test-results/PROGRAM/ (natively one per CTest test,
under Wine one per run of the program). Programs are the CTest tests' labels
(each program labels its tests with its name). A program failed when CTest
failed one of its tests (JUNIT_FILE, written by ctest --output-junit), when a
case of its reports failed, or when it left no report at all.

Prints "PASSED FAILED SKIPPED PROGRAMS FAILED_PROGRAMS" on the standard
output, and what failed on the error output.
"""
import json
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def ctest_programs(build):
    """Maps each CTest test's name to its program (its first label)."""
    listing = subprocess.run(["ctest", "--test-dir", str(build), "--show-only=json-v1"],
                             capture_output=True, text=True, check=True).stdout
    programs = {}
    for test in json.loads(listing).get("tests", []):
        labels = next((p["value"] for p in test.get("properties", []) if p["name"] == "LABELS"),
                      [])
        programs[test["name"]] = labels[0] if labels else test["name"]
    return programs


def failed_ctest_tests(junit):
    """The names of the CTest tests that neither passed nor were skipped by
    the test itself (a GoogleTest skip; a program that did not start is not
    run, which is a failure)."""
    failed = set()
    for case in ET.parse(junit).getroot().iter("testcase"):
        status = case.get("status")
        skipped = case.find("skipped")
        if status == "run" and case.find("failure") is None:
            continue
        if status == "notrun" and skipped is not None and \
                skipped.get("message", "").startswith("SKIP_"):
            continue
        failed.add(case.get("name"))
    return failed


def case_counts(report):
    """Passed, failed and skipped cases of one GoogleTest XML report."""
    passed = failed = skipped = 0
    for case in ET.parse(report).getroot().iter("testcase"):
        if case.get("status", "run") != "run":
            continue  # disabled: not run
        if case.find("failure") is not None:
            failed += 1
        elif case.get("result") == "skipped" or case.find("skipped") is not None:
            skipped += 1
        else:
            passed += 1
    return passed, failed, skipped


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    build, junit = Path(sys.argv[1]), Path(sys.argv[2])
    programs = ctest_programs(build)
    failed_programs = {programs.get(name, name): "CTest failed " + name
                       for name in failed_ctest_tests(junit)}
    totals = [0, 0, 0]
    program_names = set(programs.values())
    for program in sorted(program_names):
        reports = sorted((build / "test-results" / program).rglob("*.xml"))
        if not reports:
            failed_programs.setdefault(program, "no test report")
        for report in reports:
            try:
                counts = case_counts(report)
            except ET.ParseError as error:
                failed_programs.setdefault(program, f"unreadable report {report}: {error}")
                continue
            if counts[1]:
                failed_programs.setdefault(program, f"{counts[1]} failed in {report.name}")
            totals = [t + c for t, c in zip(totals, counts)]
    for program, reason in sorted(failed_programs.items()):
        print(f"  {program}: {reason}", file=sys.stderr)
    print(*totals, len(program_names), len(failed_programs))


if __name__ == "__main__":
    main()
