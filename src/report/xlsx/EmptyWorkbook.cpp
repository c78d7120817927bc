#include "report/xlsx/EmptyWorkbook.h"

namespace korvex::xlsx {

namespace {

constexpr const char* kDeclaration = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";

QByteArray part(const char* body) {
    return QByteArray(kDeclaration) + body;
}

}  // namespace

QByteArray emptyWorksheetPart() {
    return part(
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
        R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
        R"(<dimension ref="A1"/><sheetViews><sheetView workbookViewId="0"/></sheetViews>)"
        R"(<sheetFormatPr defaultRowHeight="15"/><sheetData/>)"
        R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/></worksheet>)");
}

QByteArray defaultStylesPart() {
    return part(
        R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
        R"(<fills count="2"><fill><patternFill patternType="none"/></fill>)"
        R"(<fill><patternFill patternType="gray125"/></fill></fills>)"
        R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
        R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
        R"(<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>)"
        R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
        R"(</styleSheet>)");
}

ZipPackage emptyWorkbookPackage() {
    ZipPackage package;
    package.write(
        QStringLiteral("[Content_Types].xml"),
        part(
            R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
            R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
            R"(<Default Extension="xml" ContentType="application/xml"/>)"
            R"(<Override PartName="/xl/workbook.xml" )"
            R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
            R"(<Override PartName="/xl/worksheets/sheet1.xml" )"
            R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
            R"(<Override PartName="/xl/styles.xml" )"
            R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
            R"(</Types>)"));
    package.write(
        QStringLiteral("_rels/.rels"),
        part(R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
             R"(<Relationship Id="rId1" Target="xl/workbook.xml" )"
             R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"/>)"
             R"(</Relationships>)"));
    package.write(
        QStringLiteral("xl/workbook.xml"),
        part(R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
             R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
             R"(<bookViews><workbookView activeTab="0"/></bookViews>)"
             R"(<sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets><calcPr calcId="0"/>)"
             R"(</workbook>)"));
    package.write(
        QStringLiteral("xl/_rels/workbook.xml.rels"),
        part(R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
             R"(<Relationship Id="rId1" Target="worksheets/sheet1.xml" )"
             R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet"/>)"
             R"(<Relationship Id="rId2" Target="styles.xml" )"
             R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles"/>)"
             R"(</Relationships>)"));
    package.write(QStringLiteral("xl/styles.xml"), defaultStylesPart());
    package.write(QStringLiteral("xl/worksheets/sheet1.xml"), emptyWorksheetPart());
    return package;
}

}  // namespace korvex::xlsx
