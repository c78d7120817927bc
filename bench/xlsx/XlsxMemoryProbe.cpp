// Runs one large-workbook job for a memory measurement from outside:
//   /usr/bin/time -v xlsx_memory_probe copy  big.xlsx out.xlsx   (copy the first sheet, save)
//   /usr/bin/time -v xlsx_memory_probe load  big.xlsx            (load every sheet)
// big.xlsx comes from make_big_workbook.py. Exit status 0 when the job succeeded.

#include "report/xlsx/XlsxWorkbook.h"

#include <QString>

#include <cstdio>

using korvex::xlsx::XlsxWorkbook;

namespace {

bool copyAndSave(XlsxWorkbook& workbook, const QString& target) {
    const QString first = workbook.sheetNames().constFirst();
    const auto copy = workbook.copySheetAfter(first, first);
    const auto saved =
        copy ? workbook.saveAs(target) : korvex::SpreadsheetStatus(korvex::SpreadsheetError{copy.error()});
    if (!saved) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.error()));
    }
    return saved.ok();
}

bool loadAll(XlsxWorkbook& workbook) {
    for (const QString& name : workbook.sheetNames()) {
        if (workbook.sheet(name) == nullptr) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: xlsx_memory_probe copy|load WORKBOOK [TARGET]\n");
        return 2;
    }
    const QString job = QString::fromLocal8Bit(argv[1]);
    auto workbook = XlsxWorkbook::open(QString::fromLocal8Bit(argv[2]));
    if (!workbook) {
        std::fprintf(stderr, "%s\n", qPrintable(workbook.error()));
        return 1;
    }
    const bool done = job == u"copy" && argc > 3 ? copyAndSave(**workbook, QString::fromLocal8Bit(argv[3]))
                                                 : job == u"load" && loadAll(**workbook);
    return done ? 0 : 1;
}
