#!/usr/bin/python3
"""Checks a workbook that the engine wrote with readers it did not write.

    check_workbook.py WORKBOOK EXPECTATIONS.json

First the package itself: every part has a content type and every internal relationship reaches a
part. Then openpyxl reads the workbook and compares what it finds with the expectations. Prints
every mismatch and exits with 1 when there is one.
"""
import datetime
import json
import posixpath
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

from openpyxl import load_workbook
from openpyxl.styles.colors import COLOR_INDEX
from openpyxl.utils import get_column_letter

CONTENT_TYPES = "{http://schemas.openxmlformats.org/package/2006/content-types}"
RELATIONSHIPS = "{http://schemas.openxmlformats.org/package/2006/relationships}"


def check_package(path, problems):
    with zipfile.ZipFile(path) as package:
        if package.testzip() is not None:
            problems.append("a zip entry fails its checksum")
        names = set(package.namelist())
        types = ElementTree.fromstring(package.read("[Content_Types].xml"))
        defaults = {d.get("Extension").lower() for d in types.iter(CONTENT_TYPES + "Default")}
        overrides = {o.get("PartName").lstrip("/") for o in types.iter(CONTENT_TYPES + "Override")}
        for name in names:
            if name.endswith("/") or name == "[Content_Types].xml":
                continue
            if name not in overrides and name.rsplit(".", 1)[-1].lower() not in defaults:
                problems.append(f"part {name} has no content type")
        for name in overrides - names:
            problems.append(f"content type given for the missing part {name}")
        for name in names:
            if not name.endswith(".rels"):
                continue
            folder, file_name = posixpath.split(name)
            source_folder = posixpath.dirname(folder)
            source = posixpath.join(source_folder, file_name[: -len(".rels")])
            if source and source not in names:
                problems.append(f"relationships {name} belong to the missing part {source}")
            for relationship in ElementTree.fromstring(package.read(name)).iter(RELATIONSHIPS + "Relationship"):
                if relationship.get("TargetMode") == "External":
                    continue
                target = relationship.get("Target")
                resolved = target.lstrip("/") if target.startswith("/") else posixpath.normpath(
                    posixpath.join(source_folder, target))
                if resolved not in names:
                    problems.append(f"{name}: {relationship.get('Id')} reaches the missing part {resolved}")


def color_text(color):
    """A colour as six hex digits, whether written as rgb or as an indexed palette entry."""
    if color is None:
        return None
    if color.type == "indexed":
        return COLOR_INDEX[color.indexed][-6:] if color.indexed < len(COLOR_INDEX) else None
    if color.type == "rgb":
        return color.rgb[-6:]
    return None


def cell_facts(cell):
    value = cell.value
    if isinstance(value, datetime.datetime):
        value = value.isoformat(sep=" ")
    elif isinstance(value, datetime.time):
        value = value.isoformat()
    fill = cell.fill
    return {
        "value": value,
        "fill": color_text(fill.fgColor) if fill.fill_type == "solid" else None,
        "underline": cell.font.u,
        "fontColor": color_text(cell.font.color),
        "bold": bool(cell.font.b),
        "fontName": cell.font.name,
        "fontSize": cell.font.sz,
        "numberFormat": cell.number_format,
        "horizontal": cell.alignment.horizontal,
        "wrap": bool(cell.alignment.wrap_text),
        "border": cell.border.left.style is not None,
    }


def check_cells(workbook, expectations, problems):
    for expected in expectations.get("cells", []):
        facts = cell_facts(workbook[expected["sheet"]][expected["cell"]])
        for key, wanted in expected.items():
            if key in ("sheet", "cell"):
                continue
            found = facts[key]
            if isinstance(wanted, float) and isinstance(found, (int, float)):
                matches = abs(found - wanted) < 1e-9
            else:
                matches = found == wanted
            if not matches:
                problems.append(f"{expected['sheet']}!{expected['cell']} {key}: expected {wanted!r}, found {found!r}")


def strip_dollars(text):
    if isinstance(text, list):
        text = ",".join(text)
    return text.replace("$", "").replace("'", "") if text else text


def sheet_facts(sheet):
    return {
        "hidden": sheet.sheet_state != "visible",
        "tabSelected": bool(sheet.sheet_view.tabSelected),
        "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
        "printArea": strip_dollars(sheet.print_area),
        "printTitleRows": strip_dollars(sheet.print_title_rows),
        "images": len(sheet._images),
        "header": sheet.oddHeader.center.text,
        "footer": sheet.oddFooter.right.text,
        "conditionalFormats": len(list(sheet.conditional_formatting)),
        "dataValidations": len(sheet.data_validations.dataValidation),
        "frozen": sheet.freeze_panes,
        "columnWidths": column_widths(sheet),
    }


def column_widths(sheet):
    """The width of every column that has one; openpyxl keeps a range of columns under its first letter."""
    widths = {}
    for dimension in sheet.column_dimensions.values():
        if dimension.width and dimension.min and dimension.max:
            for column in range(dimension.min, dimension.max + 1):
                widths[get_column_letter(column)] = round(dimension.width, 1)
    return widths


def check_sheets(workbook, expectations, problems):
    if "sheetNames" in expectations and workbook.sheetnames != expectations["sheetNames"]:
        problems.append(f"sheets: expected {expectations['sheetNames']}, found {workbook.sheetnames}")
    if "activeSheet" in expectations and workbook.active.title != expectations["activeSheet"]:
        problems.append(f"active sheet: expected {expectations['activeSheet']}, found {workbook.active.title}")
    for name, expected in expectations.get("sheets", {}).items():
        facts = sheet_facts(workbook[name])
        for key, wanted in expected.items():
            found = facts[key]
            if key == "columnWidths":
                found = {letter: found.get(letter) for letter in wanted}
            elif key == "printArea" and found:
                found = found.split("!")[-1]
            elif key == "header" and found and wanted in found:
                found = wanted
            if found != wanted:
                problems.append(f"{name} {key}: expected {wanted!r}, found {found!r}")


def main():
    workbook_path, expectations_path = sys.argv[1], sys.argv[2]
    with open(expectations_path, encoding="utf-8") as file:
        expectations = json.load(file)
    problems = []
    check_package(workbook_path, problems)
    workbook = load_workbook(workbook_path)
    check_sheets(workbook, expectations, problems)
    check_cells(workbook, expectations, problems)
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
