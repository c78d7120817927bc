#!/usr/bin/python3
"""Writes template-features.xlsx: a template with the features that tie a sheet to its own name.

A 1904-based workbook (as old Mac workbooks are) with a sheet "Master" whose chart, sparkline, cell
formulas, data-validation list and conditional-format formula all name "Master", a comment (VML
shapes with ids), and a sheet "Sums" with shared formulas over whole columns (E1:G1 sum A:A, B:B,
C:C) and whole rows (I4:I5 sum 1:1 and 2:2). The package declares its relationship parts by overrides instead of a default, as older LibreOffice
versions wrote them. openpyxl writes the workbook; the sparkline, the shared formulas and the
overrides are put in afterwards, because openpyxl cannot write them.
"""
import re
import shutil
import tempfile
import zipfile
from pathlib import Path

from openpyxl import Workbook
from openpyxl.chart import BarChart, Reference
from openpyxl.comments import Comment
from openpyxl.formatting.rule import FormulaRule
from openpyxl.styles import PatternFill
from openpyxl.utils.datetime import CALENDAR_MAC_1904
from openpyxl.worksheet.datavalidation import DataValidation

HERE = Path(__file__).parent
TARGET = HERE / "template-features.xlsx"
RELATIONSHIPS_TYPE = "application/vnd.openxmlformats-package.relationships+xml"

SPARKLINES = (
    '<extLst><ext uri="{05C60535-1F16-4fd2-B633-F4F36F0B64E0}" '
    'xmlns:x14="http://schemas.microsoft.com/office/spreadsheetml/2009/9/main">'
    '<x14:sparklineGroups xmlns:xm="http://schemas.microsoft.com/office/excel/2006/main">'
    '<x14:sparklineGroup displayEmptyCellsAs="gap"><x14:colorSeries rgb="FF376092"/>'
    "<x14:sparklines><x14:sparkline><xm:f>Master!B2:B6</xm:f><xm:sqref>F2</xm:sqref></x14:sparkline>"
    "</x14:sparklines></x14:sparklineGroup></x14:sparklineGroups></ext></extLst>"
)


def build_workbook() -> Workbook:
    workbook = Workbook()
    workbook.epoch = CALENDAR_MAC_1904
    master = workbook.active
    master.title = "Master"
    master["A1"] = "Item"
    master["B1"] = "Value"
    master["A1"].comment = Comment("Filled by the report", "KORVEX")
    for row in range(2, 7):
        master.cell(row, 1, f"P{row - 1}")
        master.cell(row, 2, row)
    master["C2"] = "=SUM(Master!B2:B6)"
    master["C3"] = "='Master'!$B$2*2"
    validation = DataValidation(type="list", formula1="=Master!$A$2:$A$6")
    master.add_data_validation(validation)
    validation.add("D2")
    master.conditional_formatting.add(
        "B2:B6", FormulaRule(formula=["Master!$B2>Master!$C$3"], fill=PatternFill("solid", fgColor="FFC7CE"))
    )
    chart = BarChart()
    chart.add_data(Reference(master, min_col=2, min_row=1, max_row=6), titles_from_data=True)
    chart.set_categories(Reference(master, min_col=1, min_row=2, max_row=6))
    master.add_chart(chart, "H2")

    sums = workbook.create_sheet("Sums")
    for column in range(1, 4):
        sums.cell(1, column, column)
        sums.cell(2, column, column * 10)
    for column in range(5, 8):
        sums.cell(1, column, "=SUM(A:A)")
    for row in range(4, 6):
        sums.cell(row, 9, "=SUM(1:1)")
    return workbook


def share_formulas(sheet: str) -> str:
    """Turns the formulas of Sums!E1:G1 and Sums!I4:I5 into two shared formulas."""
    for group, cells in enumerate([["E1", "F1", "G1"], ["I4", "I5"]]):
        for position, cell in enumerate(cells):
            formula = (
                f'<f t="shared" ref="{cells[0]}:{cells[-1]}" si="{group}">\\1</f>'
                if position == 0
                else f'<f t="shared" si="{group}"/>'
            )
            sheet = re.sub(
                f'(<c r="{cell}"[^>]*>)<f>([^<]*)</f>',
                lambda match: match.group(1) + formula.replace("\\1", match.group(2)),
                sheet,
            )
    return sheet


def declare_relationships_by_overrides(parts: dict) -> None:
    types = parts["[Content_Types].xml"].decode()
    types = re.sub(r'<Default Extension="rels" ContentType="[^"]*"\s*/>', "", types)
    overrides = "".join(
        f'<Override PartName="/{name}" ContentType="{RELATIONSHIPS_TYPE}"/>' for name in parts if name.endswith(".rels")
    )
    parts["[Content_Types].xml"] = types.replace("</Types>", overrides + "</Types>").encode()


def rewrite(path: Path) -> None:
    with zipfile.ZipFile(path) as source:
        parts = {name: source.read(name) for name in source.namelist()}
    master = parts["xl/worksheets/sheet1.xml"].decode()
    parts["xl/worksheets/sheet1.xml"] = master.replace("</worksheet>", SPARKLINES + "</worksheet>").encode()
    parts["xl/worksheets/sheet2.xml"] = share_formulas(parts["xl/worksheets/sheet2.xml"].decode()).encode()
    declare_relationships_by_overrides(parts)
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as target:
        for name, data in parts.items():
            target.writestr(name, data)


def main() -> None:
    with tempfile.TemporaryDirectory() as folder:
        built = Path(folder) / TARGET.name
        build_workbook().save(built)
        rewrite(built)
        shutil.copyfile(built, TARGET)


if __name__ == "__main__":
    main()
