#!/usr/bin/python3
"""Writes template-openpyxl.xlsx: a report template as an outside tool writes it.

Sheets: "Cover" (active) and a hidden "Master" that holds what users put into report templates: a
merged and filled title, column widths, a logo image, print area and print titles, a formula, a
header and footer with a header image (VML), printer settings, conditional formatting, data
validation and texts with blanks around them. The header image and the printer settings are added
after openpyxl has written the file, because openpyxl cannot write them.
"""
import re
import shutil
import tempfile
import zipfile
from pathlib import Path

from openpyxl import Workbook
from openpyxl.drawing.image import Image
from openpyxl.formatting.rule import CellIsRule
from openpyxl.styles import Alignment, Border, Font, PatternFill, Side
from openpyxl.worksheet.datavalidation import DataValidation

from make_logo import make_logo

HERE = Path(__file__).parent
TARGET = HERE / "template-openpyxl.xlsx"

HEADER_IMAGE_VML = """<xml xmlns:v="urn:schemas-microsoft-com:vml" xmlns:o="urn:schemas-microsoft-com:office:office" \
xmlns:x="urn:schemas-microsoft-com:office:excel">
 <o:shapelayout v:ext="edit"><o:idmap v:ext="edit" data="1"/></o:shapelayout>
 <v:shapetype id="_x0000_t75" coordsize="21600,21600" o:spt="75" o:preferrelative="t" \
path="m@4@5l@4@11@9@11@9@5xe" filled="f" stroked="f">
  <v:stroke joinstyle="miter"/>
  <v:path o:extrusionok="f" gradientshapeok="t" o:connecttype="rect"/>
 </v:shapetype>
 <v:shape id="LH" o:spid="_x0000_s1025" type="#_x0000_t75" \
style="position:absolute;margin-left:0;margin-top:0;width:48pt;height:24pt;z-index:1">
  <v:imagedata o:relid="rId1" o:title="logo"/>
  <o:lock v:ext="edit" rotation="t"/>
 </v:shape>
</xml>
"""
HEADER_IMAGE_RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">\
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" \
Target="../media/image1.png"/></Relationships>"""
# A stand-in for the device mode a printer driver stores; the engine copies it without reading it.
PRINTER_SETTINGS = bytes(range(256)) * 4


def build_workbook(logo: Path) -> Workbook:
    workbook = Workbook()
    cover = workbook.active
    cover.title = "Cover"
    cover["A1"] = "Measurement report"
    cover["A1"].font = Font(bold=True, size=16)
    cover["A3"] = "  kept blanks  "

    master = workbook.create_sheet("Master")
    master.merge_cells("A1:H1")
    master["A1"] = "Quality report"
    master["A1"].font = Font(name="Arial", bold=True, size=14)
    master["A1"].fill = PatternFill("solid", fgColor="FFCCE5FF")
    master["A1"].alignment = Alignment(horizontal="center")
    master["A3"] = "Part program"
    master["A4"] = "Drawing"
    master["A5"] = "Factor"
    master["B5"] = 21
    master["C5"] = "=B5*2"
    headers = ["ID", "Nominal", "+Tol", "-Tol", "Meas 1", "Meas 2", "Meas 3", "Meas 4"]
    thin = Side(style="thin")
    for column, text in enumerate(headers, start=1):
        cell = master.cell(row=9, column=column, value=text)
        cell.font = Font(bold=True)
        cell.border = Border(top=thin, bottom=thin, left=thin, right=thin)
    for row in range(10, 40):
        for column in range(1, 9):
            master.cell(row=row, column=column).border = Border(left=thin, right=thin, bottom=thin)
    master.column_dimensions["A"].width = 18
    for letter in "BCDEFGH":
        master.column_dimensions[letter].width = 9
    master.add_image(Image(str(logo)), "F2")
    master.print_area = "A1:H40"
    master.print_title_rows = "1:9"
    master.oddHeader.center.text = "Quality &P / &N"
    master.oddHeader.left.text = "&G"
    master.oddFooter.right.text = "KORVEX"
    master.conditional_formatting.add(
        "E10:H39", CellIsRule(operator="greaterThan", formula=["100"], fill=PatternFill("solid", bgColor="FFFFC7CE"))
    )
    validation = DataValidation(type="decimal", operator="between", formula1="-1000", formula2="1000")
    validation.add("B10:B39")
    master.add_data_validation(validation)
    master.sheet_state = "hidden"
    return workbook


def add_header_image_and_printer_settings(path: Path) -> None:
    """Gives sheet2 (Master) a header image drawing and printer settings, as the spreadsheet
    application stores them."""
    with zipfile.ZipFile(path) as source:
        parts = {name: source.read(name) for name in source.namelist()}
    sheet = parts["xl/worksheets/sheet2.xml"].decode()
    sheet = sheet.replace(
        "<worksheet ", '<worksheet xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" ', 1
    )
    sheet = re.sub(r"<pageSetup ", '<pageSetup r:id="rIdPrinter" ', sheet, count=1)
    if "<pageSetup " not in sheet:
        sheet = sheet.replace("<headerFooter", '<pageSetup paperSize="9" r:id="rIdPrinter"/><headerFooter', 1)
    sheet = sheet.replace("</worksheet>", '<legacyDrawingHF r:id="rIdHeaderImage"/></worksheet>', 1)
    if "<tableParts" in sheet or "<extLst" in sheet:
        raise SystemExit("unexpected elements after legacyDrawingHF")
    parts["xl/worksheets/sheet2.xml"] = sheet.encode()
    rels = parts["xl/worksheets/_rels/sheet2.xml.rels"].decode()
    rels = rels.replace(
        "</Relationships>",
        '<Relationship Id="rIdHeaderImage" '
        'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/vmlDrawing" '
        'Target="../drawings/vmlDrawingHF1.vml"/>'
        '<Relationship Id="rIdPrinter" '
        'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/printerSettings" '
        'Target="../printerSettings/printerSettings1.bin"/></Relationships>',
    )
    parts["xl/worksheets/_rels/sheet2.xml.rels"] = rels.encode()
    parts["xl/drawings/vmlDrawingHF1.vml"] = HEADER_IMAGE_VML.encode()
    parts["xl/drawings/_rels/vmlDrawingHF1.vml.rels"] = HEADER_IMAGE_RELS.encode()
    parts["xl/printerSettings/printerSettings1.bin"] = PRINTER_SETTINGS
    types = parts["[Content_Types].xml"].decode()
    for extension, content_type in [
        ("vml", "application/vnd.openxmlformats-officedocument.vmlDrawing"),
        ("bin", "application/vnd.openxmlformats-officedocument.spreadsheetml.printerSettings"),
    ]:
        if f'Extension="{extension}"' not in types:
            types = types.replace(
                "<Default ", f'<Default Extension="{extension}" ContentType="{content_type}"/><Default ', 1
            )
    parts["[Content_Types].xml"] = types.encode()
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as target:
        for name, data in parts.items():
            target.writestr(name, data)


def main() -> None:
    with tempfile.TemporaryDirectory() as folder:
        logo = Path(folder) / "logo.png"
        make_logo(logo)
        built = Path(folder) / TARGET.name
        build_workbook(logo).save(built)
        add_header_image_and_printer_settings(built)
        shutil.copyfile(built, TARGET)


if __name__ == "__main__":
    main()
