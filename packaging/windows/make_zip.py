#!/usr/bin/python3
"""Makes the portable zip of the Windows program.

Usage: make_zip.py <out.zip> <epoch> <folder> <file>...

Each file goes under <folder>/ in the zip, in sorted order, dated <epoch>
(seconds since 1970, UTC), so that two builds of one commit give the same
bytes. Names are stored as UTF-8 and flagged so, which Windows' own zip
folders read.
"""

import pathlib
import sys
import time
import zipfile


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    out, epoch, folder = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    # Zip dates have no zone and start in 1980.
    date = time.gmtime(max(epoch, 315532800))[:6]
    files = sorted(pathlib.Path(f) for f in sys.argv[4:])
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for path in files:
            entry = zipfile.ZipInfo(f"{folder}/{path.name}", date)
            entry.create_system = 0  # made for Windows: DOS attributes
            entry.external_attr = 0x20  # an ordinary file
            entry.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(entry, path.read_bytes())


if __name__ == "__main__":
    main()
