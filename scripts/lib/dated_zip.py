#!/usr/bin/env python3
"""A zip archive that the same files always make to the same bytes: every
entry under one folder, in the order given, dated the release day, mode
0644. Python's zipfile marks a Chinese name as UTF-8 (bit 11), which
Windows and every archiver read.

    dated_zip.py STAGE ARCHIVE FOLDER YYYY-MM-DD NAME...   STAGE/NAME as FOLDER/NAME
"""
import sys
import zipfile

stage, archive, folder, date, *names = sys.argv[1:]
stamp = tuple(int(part) for part in date.split("-")) + (0, 0, 0)
with zipfile.ZipFile(archive, "w") as out:
    for name in names:
        info = zipfile.ZipInfo(f"{folder}/{name}", stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(f"{stage}/{name}", "rb") as data:
            out.writestr(info, data.read())
