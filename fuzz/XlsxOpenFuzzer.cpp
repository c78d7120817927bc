// libFuzzer target: opening a workbook never crashes or hangs, and a workbook that opens can be
// changed and saved into a package that opens again.
//
// The first input byte chooses what the rest is: 0 = a whole workbook file; any other value = the
// new content of one part of the LibreOffice template, so that the XML readers are reached past
// the zip checksums.

#include "report/xlsx/XlsxWorkbook.h"
#include "report/xlsx/ZipPackage.h"

#include <QFile>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

using korvex::xlsx::XlsxWorkbook;
using korvex::xlsx::ZipPackage;

constexpr std::array kReplaceableParts{"xl/workbook.xml",
                                       "xl/worksheets/sheet2.xml",
                                       "xl/styles.xml",
                                       "xl/sharedStrings.xml",
                                       "xl/_rels/workbook.xml.rels",
                                       "xl/worksheets/_rels/sheet2.xml.rels",
                                       "[Content_Types].xml",
                                       "xl/drawings/_rels/drawing1.xml.rels",
                                       "_rels/.rels"};

const QByteArray& templateBytes() {
    static const QByteArray bytes = [] {
        QFile file(QStringLiteral(KORVEX_FUZZ_TEMPLATE));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return bytes;
}

QByteArray workbookFromInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    if (data[0] == 0) {
        return rest;
    }
    auto package = ZipPackage::fromBytes(templateBytes());
    if (!package) {
        std::abort();
    }
    package->write(QString::fromLatin1(kReplaceableParts[(data[0] - 1) % kReplaceableParts.size()]), rest);
    auto bytes = package->toBytes();
    return bytes ? *bytes : QByteArray();
}

void exercise(XlsxWorkbook& workbook) {
    const QStringList names = workbook.sheetNames();
    for (const QString& name : names) {
        korvex::Worksheet* sheet = workbook.sheet(name);
        if (sheet == nullptr) {
            continue;
        }
        for (int row = 1; row <= 12; ++row) {
            for (int column = 1; column <= 8; ++column) {
                static_cast<void>(sheet->readText({row, column}));
            }
        }
        sheet->writeText({3, 2}, QStringLiteral("fuzz"));
        sheet->writeNumber({4, 2}, 1.5);
        sheet->format(korvex::CellRange::cell(4, 2),
                      {.fill = korvex::CellFill::solid(3), .font = {.bold = true}});
        sheet->merge(korvex::CellRange{{6, 1}, {6, 3}});
        sheet->autofitColumn(1);
    }
    if (!names.isEmpty()) {
        auto copy = workbook.copySheetAfter(names.front(), names.back());
        if (copy) {
            static_cast<void>((*copy)->rename(QStringLiteral("Copied")));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    auto workbook = XlsxWorkbook::fromBytes(workbookFromInput(data, size));
    if (!workbook) {
        return 0;
    }
    exercise(**workbook);
    auto saved = (*workbook)->toBytes();
    if (!saved) {
        return 0;
    }
    // What the engine writes, it must be able to read again.
    if (!XlsxWorkbook::fromBytes(*saved)) {
        std::abort();
    }
    return 0;
}
