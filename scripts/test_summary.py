"""Says what a `make test` ran, from the JUnit files ctest wrote.

    test_summary.py RESULTS_DIR SECONDS SUITE...

For each suite, in the order given, the tests that passed, failed and were
skipped; then every skip with its reason; then the wall time; and last a
line of totals in the form CI reads. A suite without results did not get
as far as its tests, and counts as failed. Exits 1 when anything failed.
"""

import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

SKIP_PREFIX = "SKIPPED: "


def skip_reason(case):
    """The reason a skipped test printed, or what ctest says of the skip."""
    for line in (case.findtext("system-out") or "").splitlines():
        if line.startswith(SKIP_PREFIX):
            return line[len(SKIP_PREFIX):]
    skipped = case.find("skipped")
    return skipped.get("message", "") if skipped is not None else ""


def read_suite(path):
    passed, failed, skips = 0, [], []
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        status = case.get("status")
        skipped = case.find("skipped")
        if status == "run":
            passed += 1
        elif status == "notrun" and skipped is not None and \
                skipped.get("message", "").startswith("SKIP_"):
            skips.append((case.get("name"), skip_reason(case)))
        else:
            # A failure, or a test that never started: a fixture it needs
            # failed, or it was disabled. Neither is a pass.
            name = case.get("name")
            if status == "notrun":
                why = skipped.get("message", "") if skipped is not None else ""
                name += f" (not run: {why or status})"
            failed.append(name)
    return passed, failed, skips


def main(results_dir, seconds, suites):
    rows, all_skips, failures = [], [], []
    for suite in suites:
        path = Path(results_dir) / f"{suite}.xml"
        if not path.exists():
            rows.append((suite, "-", "-", "-", "did not get as far as its tests"))
            failures.append(f"{suite}: did not get as far as its tests")
            continue
        passed, failed, skips = read_suite(path)
        rows.append((suite, passed, len(failed), len(skips), ""))
        failures += [f"{suite}: {name}" for name in failed]
        all_skips += [(suite, name, reason) for name, reason in skips]

    print()
    print("What `make test` ran")
    print(f"  {'suite':<10}{'passed':>8}{'failed':>8}{'skipped':>9}")
    for suite, passed, failed, skipped, note in rows:
        line = f"  {suite:<10}{passed:>8}{failed:>8}{skipped:>9}"
        print(f"{line}  {note}" if note else line)
    if all_skips:
        print("Skipped:")
        for suite, name, reason in all_skips:
            print(f"  {suite}: {name}: {reason}")
    if failures:
        print("Failed:")
        for failure in failures:
            print(f"  {failure}")
    print(f"Wall time: {seconds // 60} min {seconds % 60} s")
    totals = [sum(row[i] for row in rows if row[i] != "-") for i in (1, 2, 3)]
    totals[1] += sum(1 for row in rows if row[1] == "-")
    print(f"Total: {totals[0]} passed, {totals[1]} failed, {totals[2]} skipped")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]), sys.argv[3:]))
