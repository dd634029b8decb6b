#!/usr/bin/env python3
"""A zip archive that the same files always make to the same bytes: every
entry under one folder ("." for none), in the order given, dated the
release day, mode 0644. Python's zipfile marks a Chinese name as UTF-8
(bit 11), which Windows and every archiver read.

    dated_zip.py STAGE ARCHIVE FOLDER YYYY-MM-DD NAME...   STAGE/NAME as FOLDER/NAME

A NAME of --all stands for every file under STAGE not named before it, in
the order of their paths.
"""
import os
import sys
import zipfile

stage, archive, folder, date, *names = sys.argv[1:]
if "--all" in names:
    at = names.index("--all")
    named = set(names[:at])
    every = sorted(os.path.relpath(os.path.join(root, file), stage).replace(os.sep, "/")
                   for root, _, files in os.walk(stage) for file in files)
    names[at:at + 1] = [name for name in every if name not in named]
stamp = tuple(int(part) for part in date.split("-")) + (0, 0, 0)
with zipfile.ZipFile(archive, "w") as out:
    for name in names:
        info = zipfile.ZipInfo(name if folder == "." else f"{folder}/{name}", stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(f"{stage}/{name}", "rb") as data:
            out.writestr(info, data.read())
