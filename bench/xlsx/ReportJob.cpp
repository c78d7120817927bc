#include "ReportJob.h"

#include "report/Workbook.h"

#include <QStringList>

namespace korvex::bench {

namespace {

constexpr int kColumns = 15;
constexpr int kFirstRow = 10;
constexpr int kRed = 3;

}  // namespace

void fillReport(Workbook& workbook) {
    QStringList pages;
    QString previous = QStringLiteral("Master");
    for (int page = 1; page <= kPageCopies; ++page) {
        auto copy = workbook.copySheetAfter(QStringLiteral("Master"), previous);
        previous = QStringLiteral("Bericht1_Seite%1").arg(page);
        static_cast<void>((*copy)->rename(previous));
        pages.append(previous);
    }
    const int cellsPerPage = (kCellCount + kPageCopies - 1) / kPageCopies;
    const FormatChange redFill{.fill = CellFill::solid(kRed)};
    const FormatChange redUnderline{.font = {.underline = Underline::Single, .color = PaletteColor{kRed}}};
    for (int index = 0; index < kCellCount; ++index) {
        Worksheet* sheet = workbook.sheet(pages[index / cellsPerPage]);
        const int onPage = index % cellsPerPage;
        const CellRef cell{kFirstRow + onPage / kColumns, 1 + onPage % kColumns};
        if (cell.column % 2 == 0) {
            sheet->writeNumber(cell, index * 0.001);
        } else {
            sheet->writeText(cell, QStringLiteral("CIR%1.X").arg(onPage));
        }
        if (index % 10 == 0) {
            sheet->format(CellRange{cell, cell}, redFill);
        }
        if (index % 7 == 0) {
            sheet->format(CellRange{cell, cell}, redUnderline);
        }
    }
}

}  // namespace korvex::bench
