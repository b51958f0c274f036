#!/usr/bin/env python3
"""Prints the tests a ctest run skipped, one "NAME<TAB>REASON" a line: the
ctest entries that ended with their skip code and the GoogleTest cases that
skipped themselves inside an entry that ran.

usage: skipped_tests.py JUNIT_XML   (written by ctest --output-junit)
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

GTEST_SKIP = re.compile(r"^\S+:\d+: Skipped\n(.*?)\n*\[  SKIPPED \] (\S+)",
                        re.MULTILINE | re.DOTALL)


def entry_reason(output, fallback):
    lines = [line.strip() for line in output.splitlines() if line.strip()]
    said = [line for line in lines if "skip" in line.lower()]
    return " ".join(said or lines[-1:] or [fallback])


def main(path):
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        name = case.get("name")
        output = case.findtext("system-out") or ""
        skipped = case.find("skipped")
        if skipped is not None:
            print(f"{name}\t{entry_reason(output, skipped.get('message', ''))}")
            continue
        for reason, test in GTEST_SKIP.findall(output):
            print(f"{name}: {test}\t{' '.join(reason.split()) or 'no reason given'}")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
