#!/usr/bin/env python3
"""Checks the ctest tests of a build (the JSON of `ctest --show-only=json-v1` on standard input):
every test that runs a program under Wine fails on Wine's crash report, since a crashed program
can end with exit code 0."""
import json
import sys

CRASH = "wine: Unhandled "


def main():
    tests = json.load(sys.stdin).get("tests", [])
    errors = []
    for test in tests:
        command = test.get("command") or []
        if not command or not command[0].endswith("/tools/wine-run.sh"):
            continue
        properties = {p["name"]: p["value"] for p in test.get("properties", [])}
        if CRASH not in (properties.get("FAIL_REGULAR_EXPRESSION") or []):
            errors.append(f"{test['name']}: does not fail on \"{CRASH}\" (register it with helvon_test or helvon_test_run)")
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
