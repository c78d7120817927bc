#!/usr/bin/python3
"""Writes the seed corpus of the workbook fuzz target into FOLDER: every template fixture as a whole
file (mode byte 0) and each replaceable part of the LibreOffice template as it is (mode byte n)."""
import sys
import zipfile
from pathlib import Path

FIXTURES = Path(__file__).resolve().parent.parent / "tests" / "data" / "xlsx"
# The same order as kReplaceableParts in XlsxOpenFuzzer.cpp.
PARTS = ["xl/workbook.xml", "xl/worksheets/sheet2.xml", "xl/styles.xml", "xl/sharedStrings.xml",
         "xl/_rels/workbook.xml.rels", "xl/worksheets/_rels/sheet2.xml.rels", "[Content_Types].xml",
         "xl/drawings/_rels/drawing1.xml.rels", "_rels/.rels"]


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for fixture in sorted(FIXTURES.glob("*.xlsx")):
        (folder / f"file-{fixture.stem}").write_bytes(b"\0" + fixture.read_bytes())
    with zipfile.ZipFile(FIXTURES / "template-libreoffice.xlsx") as template:
        for mode, part in enumerate(PARTS, start=1):
            (folder / f"part-{mode}").write_bytes(bytes([mode]) + template.read(part))


if __name__ == "__main__":
    main()
