#!/usr/bin/env python3
"""Spreadsheets as Excel, WPS and banks save them, through the real program.

    tests/e2e/sheets_test.py PROGRAM [RUNNER...]

Each sheet is written here, in its encoding, with its line ends and
separator; the program checks it, or fills in its capitals, and what it
writes is read back with Python's own csv reader and compared record for
record with the sheet: every field as it was, in its place, and the
result beside it. Prints "ok - …" or "FAILED - …" a check, as the shell
tests do, and exits 1 when one failed.
"""
import csv
import io
import os
import subprocess
import sys
import tempfile

HEADER = ["日期", "金额", "大写", "备注"]
# The rows, the verdict each must get, and the capitals filling in gives
# it; None for a blank row, which stays as it was and is not counted.
ROWS = [
    (["1/1", "1,409.50", "壹仟肆佰零玖元伍角整", "含,逗号"], "一致", "壹仟肆佰零玖元伍角整"),
    ([], None, None),
    (["1/2", "12", "壹拾贰元\r\n整", '说"好"'], "无法识别；大写第5个字符：不是金额用字", "壹拾贰元整"),
    (["1/3", "-5", "负伍元整"], "一致", "负伍元整"),  # a short row
    (["", "", "", ""], None, None),
    (["1/4", "7"], "无法识别；这一行的列数不够", "柒元整"),
    (["1/5", "30", "叁拾元整", "x", "多一列"], "一致", "叁拾元整"),
    (["1/6", "12", "叄拾元整", ""], "不一致；小写为12.00，大写为30.00", "壹拾贰元整"),
]
SUMMARY = "共6行：一致3，不一致1，无法识别2"

# name, encoding, byte-order mark, separator, line end
SHEETS = [
    ("Excel, CSV UTF-8", "utf-8", b"\xef\xbb\xbf", ",", "\r\n"),
    ("Excel and WPS on a Chinese Windows, CSV", "gb18030", b"", ",", "\r\n"),
    ("Unicode text", "utf-16-le", b"\xff\xfe", "\t", "\r\n"),
    ("a bank's export", "utf-8", b"", ",", "\n"),
]

failed = 0


def report(ok, what, detail=""):
    global failed
    print(("ok - " if ok else "FAILED - ") + what + ("" if ok else "\n    " + detail))
    failed += 0 if ok else 1


def sheet_bytes(encoding, mark, separator, line_end, rows):
    text = io.StringIO(newline="")
    writer = csv.writer(text, delimiter=separator, lineterminator=line_end)
    for row in rows:
        writer.writerow(row)
    return mark + text.getvalue().encode(encoding)


def run(program, args, path):
    done = subprocess.run(program + args + ["-f", path], capture_output=True, timeout=60,
                          env=dict(os.environ, WINEDEBUG=os.environ.get("WINEDEBUG", "-all")))
    return done.returncode, done.stdout, done.stderr.decode("utf-8", "replace").replace("\r\n", "\n")


def records(data, sheet, encoding, mark, separator, name):
    """The records of what the program wrote, if it came out as the sheet came in."""
    report(data.startswith(mark) and (mark or not data.startswith(b"\xef\xbb\xbf")),
           f"{name}: goes out with the byte-order mark it came with", repr(data[:4]))
    text = data[len(mark):].decode(encoding)
    # The program adds no line break of its own, so they are the sheet's.
    ends = (text.count("\r\n"), text.count("\n"))
    report(ends == (sheet.count("\r\n"), sheet.count("\n")), f"{name}: goes out with its line ends",
           f"{ends} CRLF and LF, against {(sheet.count(chr(13) + chr(10)), sheet.count(chr(10)))}")
    return list(csv.reader(io.StringIO(text, newline=""), delimiter=separator))


def main():
    program = sys.argv[2:] + sys.argv[1:2]
    work = tempfile.mkdtemp()
    for name, encoding, mark, separator, line_end in SHEETS:
        rows = [HEADER] + [row for row, _, _ in ROWS]
        path = os.path.join(work, "sheet")
        data = sheet_bytes(encoding, mark, separator, line_end, rows)
        with open(path, "wb") as f:
            f.write(data)
        sheet = data[len(mark):].decode(encoding)

        status, out, err = run(program, ["--check", "--csv", "--header", "--figures", "金额",
                                         "--capitals", "大写"], path)
        got = records(out, sheet, encoding, mark, separator, name + ", checked")
        want = [HEADER + ["核对结果"]] + [row + [verdict] if verdict else row for row, verdict, _ in ROWS]
        report(len(got) == len(want), f"{name}, checked: a record out for each record in",
               f"{len(got)} records for {len(want)}")
        for i, (g, w) in enumerate(zip(got, want)):
            # csv reads a row with no fields at all as [].
            report(g == w, f"{name}, checked: row {i + 1}", f"{g} != {w}")
        report(status == 1 and err == SUMMARY + "\n", f"{name}, checked: the summary and the status",
               f"status {status}, stderr {err!r}")

        status, out, err = run(program, ["--standard", "--csv", "--header", "--figures", "2",
                                         "--capitals", "大写"], path)
        # The capitals with a line break in them are written anew.
        got = records(out, sheet.replace('"壹拾贰元\r\n整"', ""), encoding, mark, separator, name + ", filled in")
        report(len(got) == len(rows), f"{name}, filled in: a record out for each record in",
               f"{len(got)} records for {len(rows)}")
        for i, (g, w) in enumerate(zip(got, rows)):
            if i == 0 or not any(field.strip() for field in w):
                report(g == w, f"{name}, filled in: row {i + 1} as it was", f"{g} != {w}")
                continue
            others = [f for k, f in enumerate(g) if k != 2]
            report(others == [f for k, f in enumerate(w) if k != 2],
                   f"{name}, filled in: row {i + 1} keeps its other fields", f"{g} against {w}")
        filled = [g[2] if len(g) > 2 and any(g) else None for g in got[1:]]
        report(filled == [capitals for _, _, capitals in ROWS], f"{name}, filled in: the capitals", str(filled))
        report(status == 0 and err == "共6行：写出6，无法识别0\n", f"{name}, filled in: the summary and the status",
               f"status {status}, stderr {err!r}")
    print(f"{'FAILED' if failed else 'ok'} - sheets: {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
