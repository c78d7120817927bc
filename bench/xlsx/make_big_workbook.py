#!/usr/bin/python3
"""Writes a large workbook for memory measurements with xlsx_memory_probe.

    make_big_workbook.py ROWS TARGET.xlsx

Four sheets of ROWS rows by eight columns of random numbers; 150000 rows give about 55 MB packed and
180 MB unpacked. The parts are streamed into the zip, so the script itself needs little memory.
"""
import random
import sys
import zipfile

SHEETS = 4
MAIN = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
RELATIONSHIP_IDS = 'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
PACKAGE_RELATIONSHIPS = 'xmlns="http://schemas.openxmlformats.org/package/2006/relationships"'
OFFICE = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
SHEET_TYPE = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"


def content_types() -> str:
    overrides = "".join(
        f'<Override PartName="/xl/worksheets/sheet{i}.xml" ContentType="{SHEET_TYPE}"/>' for i in range(1, SHEETS + 1)
    )
    return (
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/xl/workbook.xml" '
        'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
        f"{overrides}</Types>"
    )


def write_sheet(package: zipfile.ZipFile, number: int, rows: int) -> None:
    with package.open(f"xl/worksheets/sheet{number}.xml", "w", force_zip64=True) as part:
        part.write(f"<worksheet {MAIN}><sheetData>".encode())
        for row in range(1, rows + 1):
            cells = "".join(f'<c r="{column}{row}"><v>{random.random() * 1000:.6f}</v></c>' for column in "ABCDEFGH")
            part.write(f'<row r="{row}">{cells}</row>'.encode())
        part.write(b"</sheetData></worksheet>")


def main() -> None:
    rows, target = int(sys.argv[1]), sys.argv[2]
    random.seed(1)
    sheets = "".join(f'<sheet name="S{i}" sheetId="{i}" r:id="rId{i}"/>' for i in range(1, SHEETS + 1))
    links = "".join(
        f'<Relationship Id="rId{i}" Type="{OFFICE}/worksheet" Target="worksheets/sheet{i}.xml"/>'
        for i in range(1, SHEETS + 1)
    )
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=1) as package:
        package.writestr("[Content_Types].xml", content_types())
        package.writestr(
            "_rels/.rels",
            f'<Relationships {PACKAGE_RELATIONSHIPS}><Relationship Id="rId1" Type="{OFFICE}/officeDocument" '
            'Target="xl/workbook.xml"/></Relationships>',
        )
        package.writestr("xl/workbook.xml", f"<workbook {MAIN} {RELATIONSHIP_IDS}><sheets>{sheets}</sheets></workbook>")
        package.writestr("xl/_rels/workbook.xml.rels", f"<Relationships {PACKAGE_RELATIONSHIPS}>{links}</Relationships>")
        for number in range(1, SHEETS + 1):
            write_sheet(package, number, rows)


if __name__ == "__main__":
    main()
