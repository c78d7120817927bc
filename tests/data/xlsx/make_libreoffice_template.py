#!/usr/bin/python3
"""Writes template-libreoffice.xlsx: a report template as the office suite writes it.

The script describes the template as a flat OpenDocument spreadsheet and lets LibreOffice headless
convert it. Sheets: "Cover" and the active "Master" with a merged and filled title, column widths,
a logo image anchored to a cell, print range and repeated title rows, a formula, a header and
footer, borders, shared strings with blanks around them.
"""
import base64
import os
import shutil
import subprocess
import tempfile
from pathlib import Path

from make_logo import make_logo

HERE = Path(__file__).parent
TARGET = HERE / "template-libreoffice.xlsx"

NAMESPACES = " ".join(
    f'xmlns:{prefix}="{uri}"'
    for prefix, uri in [
        ("office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"),
        ("style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"),
        ("text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"),
        ("table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"),
        ("draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"),
        ("fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"),
        ("svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"),
        ("xlink", "http://www.w3.org/1999/xlink"),
        ("of", "urn:oasis:names:tc:opendocument:xmlns:of:1.2"),
        ("config", "urn:oasis:names:tc:opendocument:xmlns:config:1.0"),
    ]
)

STYLES = """
<office:styles><style:style style:name="Default" style:family="table-cell"/></office:styles>
<office:automatic-styles>
 <style:style style:name="coA" style:family="table-column"><style:table-column-properties style:column-width="4cm"/></style:style>
 <style:style style:name="coB" style:family="table-column"><style:table-column-properties style:column-width="1.6cm"/></style:style>
 <style:style style:name="ceTitle" style:family="table-cell" style:parent-style-name="Default">
  <style:table-cell-properties fo:background-color="#cce5ff"/>
  <style:paragraph-properties fo:text-align="center"/>
  <style:text-properties fo:font-weight="bold" fo:font-size="14pt" style:font-name="Arial"/>
 </style:style>
 <style:style style:name="ceHead" style:family="table-cell" style:parent-style-name="Default">
  <style:table-cell-properties fo:border="0.5pt solid #000000"/>
  <style:text-properties fo:font-weight="bold"/>
 </style:style>
 <style:style style:name="ceBox" style:family="table-cell" style:parent-style-name="Default">
  <style:table-cell-properties fo:border="0.5pt solid #000000"/>
 </style:style>
 <style:style style:name="ta1" style:family="table" style:master-page-name="Report">
  <style:table-properties table:display="true"/>
 </style:style>
 <style:page-layout style:name="pm1">
  <style:page-layout-properties fo:page-width="21cm" fo:page-height="29.7cm" style:print-orientation="portrait"/>
  <style:header-style><style:header-footer-properties fo:min-height="0.75cm"/></style:header-style>
  <style:footer-style><style:header-footer-properties fo:min-height="0.75cm"/></style:footer-style>
 </style:page-layout>
</office:automatic-styles>
<office:master-styles>
 <style:master-page style:name="Report" style:page-layout-name="pm1">
  <style:header><style:region-center><text:p>Quality <text:page-number>1</text:page-number></text:p></style:region-center></style:header>
  <style:footer><style:region-right><text:p>KORVEX</text:p></style:region-right></style:footer>
 </style:master-page>
</office:master-styles>
"""

SETTINGS = """
<office:settings><config:config-item-set config:name="ooo:view-settings">
 <config:config-item-map-indexed config:name="Views"><config:config-item-map-entry>
  <config:config-item config:name="ViewId" config:type="string">view1</config:config-item>
  <config:config-item config:name="ActiveTable" config:type="string">Master</config:config-item>
 </config:config-item-map-entry></config:config-item-map-indexed>
</config:config-item-set></office:settings>
"""


def text_cell(text: str, style: str = "") -> str:
    style_attribute = f' table:style-name="{style}"' if style else ""
    return f'<table:table-cell office:value-type="string"{style_attribute}><text:p>{text}</text:p></table:table-cell>'


def row(*cells: str) -> str:
    return "<table:table-row>" + "".join(cells) + "</table:table-row>"


def empty_row() -> str:
    return '<table:table-row><table:table-cell table:number-columns-repeated="8"/></table:table-row>'


def master_sheet(logo_base64: str) -> str:
    title = (
        '<table:table-cell table:style-name="ceTitle" office:value-type="string" '
        'table:number-columns-spanned="8" table:number-rows-spanned="1"><text:p>Quality report</text:p>'
        "</table:table-cell>" + '<table:covered-table-cell table:number-columns-repeated="7"/>'
    )
    logo = (
        '<table:table-cell table:number-columns-repeated="5"/><table:table-cell>'
        '<draw:frame draw:z-index="0" draw:name="Logo" table:end-cell-address="Master.G4" table:end-x="0cm" '
        'table:end-y="0cm" svg:x="0cm" svg:y="0cm" svg:width="2.5cm" svg:height="1.25cm">'
        f"<draw:image><office:binary-data>{logo_base64}</office:binary-data></draw:image></draw:frame>"
        '</table:table-cell><table:table-cell table:number-columns-repeated="2"/>'
    )
    factor = (
        text_cell("Factor")
        + '<table:table-cell office:value-type="float" office:value="21"><text:p>21</text:p></table:table-cell>'
        + '<table:table-cell table:formula="of:=[.B5]*2" office:value-type="float" office:value="42">'
        "<text:p>42</text:p></table:table-cell>"
    )
    headers = ["ID", "Nominal", "+Tol", "-Tol", "Meas 1", "Meas 2", "Meas 3", "Meas 4"]
    title_rows = [
        row(title),
        row(logo),
        row(text_cell("Part program")),
        row(text_cell("Drawing")),
        row(factor),
        empty_row(),
        empty_row(),
        empty_row(),
        row(*(text_cell(header, "ceHead") for header in headers)),
    ]
    body = (
        '<table:table-row table:number-rows-repeated="30">'
        '<table:table-cell table:style-name="ceBox" table:number-columns-repeated="8"/></table:table-row>'
    )
    return (
        '<table:table table:name="Master" table:style-name="ta1" table:print-ranges="Master.A1:Master.H40">'
        '<table:table-column table:style-name="coA"/>'
        '<table:table-column table:style-name="coB" table:number-columns-repeated="7"/>'
        "<table:table-header-rows>" + "".join(title_rows) + "</table:table-header-rows>" + body + "</table:table>"
    )


def cover_sheet() -> str:
    return (
        '<table:table table:name="Cover" table:style-name="ta1"><table:table-column/>'
        + row(text_cell("Measurement report"))
        + empty_row()
        + row(text_cell("  kept blanks  "))
        + "</table:table>"
    )


def flat_document(logo_base64: str) -> str:
    return (
        '<?xml version="1.0" encoding="UTF-8"?>'
        f'<office:document {NAMESPACES} office:version="1.3" '
        'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">'
        + SETTINGS
        + STYLES
        + "<office:body><office:spreadsheet>"
        + cover_sheet()
        + master_sheet(logo_base64)
        + "</office:spreadsheet></office:body></office:document>"
    )


def main() -> None:
    with tempfile.TemporaryDirectory() as folder:
        work = Path(folder)
        make_logo(work / "logo.png")
        source = work / "template-libreoffice.fods"
        source.write_text(flat_document(base64.b64encode((work / "logo.png").read_bytes()).decode()), "utf-8")
        profile = work / "profile"
        subprocess.run(
            ["soffice", f"-env:UserInstallation=file://{profile}", "--headless", "--convert-to", "xlsx",
             "--outdir", str(work), str(source)],
            check=True, timeout=120, env={**os.environ, "HOME": folder},
        )
        shutil.copyfile(work / TARGET.name, TARGET)


if __name__ == "__main__":
    main()
