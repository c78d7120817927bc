#!/usr/bin/python3
"""Writes report-template.xlsx: an operator's report template for the rows layout of the report tests.

One sheet "Master": a merged, filled title over the whole page, a logo, the part program cells (B3 to
B5), the page number and page count (H2, H3), the date and time rows (7, 8) above the four measurement
columns E to H, headings on row 9, bordered characteristic rows 10 to 39 and a print area over the
page. The layout file that goes with it is written by the tests.
"""
import tempfile
from pathlib import Path

from openpyxl import Workbook
from openpyxl.drawing.image import Image
from openpyxl.styles import Alignment, Border, Font, PatternFill, Side

from make_logo import make_logo

HERE = Path(__file__).parent
TARGET = HERE / "report-template.xlsx"
HEADINGS = ["ID", "Nominal", "Upper tol.", "Lower tol.", "Run 1", "Run 2", "Run 3", "Run 4",
            "Deviation", "Out of tol.", "Symbol", "Comment"]


def build_master(workbook: Workbook, logo: Path) -> None:
    master = workbook.active
    master.title = "Master"
    master.merge_cells("A1:G1")
    master["A1"] = "Quality report"
    master["A1"].font = Font(name="Arial", bold=True, size=14)
    master["A1"].fill = PatternFill("solid", fgColor="FFCCE5FF")
    master["A1"].alignment = Alignment(horizontal="center")
    master.add_image(Image(str(logo)), "J1")
    for row, text in ((3, "Part program"), (4, "Drawing"), (5, "Revision"), (7, "Date"), (8, "Time")):
        master.cell(row=row, column=1, value=text).font = Font(bold=True)
    master["G2"], master["G3"] = "Page", "of"
    thin = Side(style="thin")
    for column, text in enumerate(HEADINGS, start=1):
        cell = master.cell(row=9, column=column, value=text)
        cell.font = Font(bold=True)
        cell.border = Border(top=thin, bottom=thin, left=thin, right=thin)
    for row in range(10, 40):
        for column in range(1, len(HEADINGS) + 1):
            master.cell(row=row, column=column).border = Border(left=thin, right=thin, bottom=thin)
        for column in range(5, 9):
            master.cell(row=row, column=column).number_format = "0.000"
    for column in range(5, 9):
        master.cell(row=7, column=column).number_format = "dd.mm.yy"
        master.cell(row=8, column=column).number_format = "hh:mm"
    master.column_dimensions["A"].width = 16
    master.column_dimensions["L"].width = 24
    master.print_area = "A1:L40"
    master.page_setup.orientation = "landscape"
    master.page_setup.fitToWidth = 1
    master.sheet_properties.pageSetUpPr.fitToPage = True


def main() -> None:
    with tempfile.TemporaryDirectory() as folder:
        logo = Path(folder) / "logo.png"
        make_logo(logo)
        workbook = Workbook()
        build_master(workbook, logo)
        workbook.save(TARGET)


if __name__ == "__main__":
    main()
