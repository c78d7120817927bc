#include "report/calc/CalcWorksheet.h"

#include "report/calc/BlockPieces.h"
#include "report/calc/BridgeCall.h"
#include "report/calc/CalcFormat.h"
#include "report/calc/CalcWorkbook.h"
#include "report/calc/UnoText.h"
#include "report/xlsx/SheetNames.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XSheetCellCursor.hpp>
#include <com/sun/star/sheet/XSheetCellRange.hpp>
#include <com/sun/star/sheet/XViewFreezable.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/util/XMergeable.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>

#include <algorithm>
#include <vector>

namespace korvex::calc {
namespace {

using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY_THROW;

// An office sheet's size without the optional very large sheets.
constexpr int kOfficeRows = 1048576;
constexpr int kOfficeColumns = 1024;
// Day numbers count from 30 December 1899, as the spreadsheet's do.
constexpr qint64 kDayZeroJulian = 2415019;
constexpr double kMillisecondsPerDay = 86400000.0;

const QString kDateFormat = QStringLiteral("M/D/YYYY");
const QString kTimeFormat = QStringLiteral("H:MM:SS");

QString numberText(double value) {
    return QString::number(value, 'g', 15);
}

// Edges longer than this are not walked cell by cell.
constexpr int kMaxEdgeCells = 1000;

// The part of a range that an office sheet has (whole columns and the whole sheet reach further than an
// office sheet may).
CellRange withinSheet(const CellRange& range) {
    return {range.first,
            {std::min(range.last.row, kOfficeRows), std::min(range.last.column, kOfficeColumns)}};
}

// The cells along the inside of a range's edge, each once.
std::vector<CellRef> edgeOf(const CellRange& range) {
    std::vector<CellRef> cells;
    for (int row = range.first.row; row <= range.last.row; ++row) {
        for (int column = range.first.column; column <= range.last.column; ++column) {
            const bool onEdge = row == range.first.row || row == range.last.row ||
                                column == range.first.column || column == range.last.column;
            if (onEdge) {
                cells.push_back({row, column});
            }
        }
    }
    return cells;
}

Any valueOf(const CellValue& value) {
    if (const auto* text = std::get_if<QString>(&value)) {
        return Any(toUno(*text));
    }
    return Any(std::get<double>(value));
}

// The values of one piece of a block write, row by row, as the office takes them.
Sequence<Sequence<Any>> pieceValues(const BlockPiece& piece, int columnCount,
                                    std::span<const CellValue> values) {
    Sequence<Sequence<Any>> rows(piece.rowCount);
    for (int row = 0; row < piece.rowCount; ++row) {
        Sequence<Any>& cells = rows.getArray()[row];
        cells.realloc(piece.columnCount);
        const auto first = static_cast<std::size_t>((piece.row + row) * columnCount + piece.column);
        for (int column = 0; column < piece.columnCount; ++column) {
            cells.getArray()[column] = valueOf(values[first + static_cast<std::size_t>(column)]);
        }
    }
    return rows;
}

}  // namespace

bool CalcWorksheet::run(const std::function<void()>& calls) const {
    return !bridgeFailure(workbook_.office(), calls);
}

Reference<css::table::XCellRange> CalcWorksheet::rangeOf(const CellRange& range) const {
    const CellRange part = withinSheet(range);
    return sheet_->getCellRangeByPosition(part.first.column - 1, part.first.row - 1, part.last.column - 1,
                                          part.last.row - 1);
}

QString CalcWorksheet::name() const {
    QString name;
    run([&] { name = fromUno(Reference<css::container::XNamed>(sheet_, UNO_QUERY_THROW)->getName()); });
    return name;
}

SpreadsheetStatus CalcWorksheet::rename(const QString& newName) {
    if (const std::optional<QString> problem = xlsx::sheetNameProblem(newName)) {
        return SpreadsheetError{*problem, SpreadsheetErrorKind::BadSheetName};
    }
    const QString current = name();
    const QStringList taken = workbook_.sheetNames();
    const bool clash = std::any_of(taken.begin(), taken.end(), [&](const QString& other) {
        return other.compare(newName, Qt::CaseInsensitive) == 0 &&
               other.compare(current, Qt::CaseInsensitive) != 0;
    });
    if (clash) {
        return SpreadsheetError{QStringLiteral("a sheet named \"%1\" exists already").arg(newName),
                                SpreadsheetErrorKind::BadSheetName};
    }
    if (const std::optional<QString> failed = bridgeFailure(workbook_.office(), [&] {
            Reference<css::container::XNamed>(sheet_, UNO_QUERY_THROW)->setName(toUno(newName));
        })) {
        return SpreadsheetError{*failed, SpreadsheetErrorKind::BadSheetName};
    }
    knownName_ = newName;
    return {};
}

void CalcWorksheet::select() {
    workbook_.activate(sheet_);
}

void CalcWorksheet::selectRange(const CellRange& range) {
    if (!range.isValid()) {
        return;
    }
    select();
    run([&] {
        const Reference<css::frame::XFrame> frame = workbook_.frame();
        Reference<css::view::XSelectionSupplier> selection(frame->getController(), UNO_QUERY_THROW);
        selection->select(Any(rangeOf(range)));
    });
}

QString CalcWorksheet::readText(CellRef cell) const {
    if (!cell.isValid() || cell.column > kOfficeColumns) {
        return {};
    }
    QString text;
    run([&] {
        const Reference<css::table::XCell> unoCell = sheet_->getCellByPosition(cell.column - 1, cell.row - 1);
        switch (unoCell->getType()) {
            case css::table::CellContentType_TEXT:
                text = fromUno(Reference<css::text::XTextRange>(unoCell, UNO_QUERY_THROW)->getString());
                break;
            case css::table::CellContentType_FORMULA:
                text = fromUno(unoCell->getFormula());
                break;
            case css::table::CellContentType_VALUE:
                text = numberText(unoCell->getValue());
                break;
            default:
                break;
        }
    });
    return text;
}

void CalcWorksheet::writeText(CellRef cell, const QString& text) {
    writeBlock(cell, 1, std::array<CellValue, 1>{text});
}

void CalcWorksheet::writeNumber(CellRef cell, double value) {
    writeBlock(cell, 1, std::array<CellValue, 1>{value});
}

void CalcWorksheet::writeDayNumber(CellRef cell, double days, const QString& formatCode) {
    writeNumber(cell, days);
    FormatChange change;
    change.numberFormat = formatCode;
    format(CellRange{cell, cell}, change);
}

void CalcWorksheet::writeDate(CellRef cell, const QDate& date) {
    if (date.isValid()) {
        writeDayNumber(cell, static_cast<double>(date.toJulianDay() - kDayZeroJulian), kDateFormat);
    }
}

void CalcWorksheet::writeTime(CellRef cell, const QTime& time) {
    if (time.isValid()) {
        writeDayNumber(cell, time.msecsSinceStartOfDay() / kMillisecondsPerDay, kTimeFormat);
    }
}

// Each rectangle of set values is one call; only the empty values, which leave their cells alone,
// split the block.
void CalcWorksheet::writeBlock(CellRef topLeft, int columnCount, std::span<const CellValue> values) {
    const int rowCount =
        columnCount > 0 ? static_cast<int>((values.size() + columnCount - 1) / columnCount) : 0;
    const CellRange block{topLeft, {topLeft.row + rowCount - 1, topLeft.column + columnCount - 1}};
    if (rowCount == 0 || !block.isValid() || block.last.column > kOfficeColumns) {
        return;
    }
    run([&] {
        for (const BlockPiece& piece : filledPieces(columnCount, values)) {
            const CellRef first{topLeft.row + piece.row, topLeft.column + piece.column};
            const CellRef last{first.row + piece.rowCount - 1, first.column + piece.columnCount - 1};
            Reference<css::sheet::XCellRangeData>(rangeOf({first, last}), UNO_QUERY_THROW)
                ->setDataArray(pieceValues(piece, columnCount, values));
        }
    });
}

void CalcWorksheet::format(const CellRange& range, const FormatChange& change) {
    if (!range.isValid()) {
        return;
    }
    const std::optional<sal_Int32> numberFormat =
        change.numberFormat ? workbook_.numberFormatKey(*change.numberFormat) : std::nullopt;
    const CellProperties properties = cellProperties(change, numberFormat);
    if (!properties.names.hasElements()) {
        return;
    }
    run([&] {
        Reference<css::beans::XMultiPropertySet>(rangeOf(range), UNO_QUERY_THROW)
            ->setPropertyValues(properties.names, properties.values);
    });
}

void CalcWorksheet::merge(const CellRange& range) {
    if (!range.isValid() || range.first == range.last) {
        return;
    }
    // The office refuses to merge over merged cells. Where no merged range starts inside, the merge is
    // tried at once, and it took when one starts there now; only otherwise are the merged ranges
    // around it looked for and dissolved, which costs many more calls over the bridge.
    bool merged = false;
    run([&] {
        const Reference<css::util::XMergeable> cells(rangeOf(range), UNO_QUERY_THROW);
        if (!cells->getIsMerged()) {
            cells->merge(true);
            merged = cells->getIsMerged();
        }
    });
    if (!merged) {
        unmerge(range);
        run([&] { Reference<css::util::XMergeable>(rangeOf(range), UNO_QUERY_THROW)->merge(true); });
    }
}

CellRange CalcWorksheet::mergedAreaAround(const CellRange& range) const {
    const Reference<css::sheet::XSheetCellCursor> cursor =
        sheet_->createCursorByRange(Reference<css::sheet::XSheetCellRange>(rangeOf(range), UNO_QUERY_THROW));
    cursor->collapseToMergedArea();
    const css::table::CellRangeAddress area =
        Reference<css::sheet::XCellRangeAddressable>(cursor, UNO_QUERY_THROW)->getRangeAddress();
    return {{area.StartRow + 1, area.StartColumn + 1}, {area.EndRow + 1, area.EndColumn + 1}};
}

// Merged ranges inside the range are dissolved with it. One that reaches out of it crosses its edge,
// so the edge's cells find it, and merged ranges beside the range stay. Around a very long edge (whole
// columns) everything merged in the grown area is dissolved instead.
void CalcWorksheet::unmerge(const CellRange& range) {
    if (!range.isValid()) {
        return;
    }
    const CellRange sheetPart = withinSheet(range);
    run([&] {
        const CellRange grown = mergedAreaAround(sheetPart);
        const int edgeCells = 2 * (sheetPart.last.row - sheetPart.first.row + sheetPart.last.column -
                                   sheetPart.first.column + 2);
        if (grown == sheetPart || edgeCells > kMaxEdgeCells) {
            Reference<css::util::XMergeable>(rangeOf(grown), UNO_QUERY_THROW)->merge(false);
            return;
        }
        for (const CellRef cell : edgeOf(sheetPart)) {
            if (const CellRange area = mergedAreaAround({cell, cell}); area.first != area.last) {
                Reference<css::util::XMergeable>(rangeOf(area), UNO_QUERY_THROW)->merge(false);
            }
        }
        Reference<css::util::XMergeable>(rangeOf(sheetPart), UNO_QUERY_THROW)->merge(false);
    });
}

void CalcWorksheet::setColumnWidth(int firstColumn, int lastColumn, double width) {
    if (!CellRange::columns(firstColumn, lastColumn).isValid() || !(width >= 0.0 && width <= 255.0)) {
        return;
    }
    run([&] {
        Reference<css::table::XColumnRowRange> columns(rangeOf(CellRange::columns(firstColumn, lastColumn)),
                                                       UNO_QUERY_THROW);
        Reference<css::beans::XPropertySet>(columns->getColumns(), UNO_QUERY_THROW)
            ->setPropertyValue("Width", Any(columnWidthOf(width)));
    });
}

void CalcWorksheet::autofitColumn(int column) {
    if (!CellRange::columns(column, column).isValid()) {
        return;
    }
    run([&] {
        Reference<css::table::XColumnRowRange> columns(rangeOf(CellRange::columns(column, column)),
                                                       UNO_QUERY_THROW);
        Reference<css::beans::XPropertySet>(columns->getColumns(), UNO_QUERY_THROW)
            ->setPropertyValue("OptimalWidth", Any(true));
    });
}

// The office freezes the view's active sheet: this sheet is shown for it, then the sheet shown
// before comes back.
void CalcWorksheet::freezePanes(CellRef topLeftOfScrollingPart) {
    if (!topLeftOfScrollingPart.isValid()) {
        return;
    }
    const Reference<css::sheet::XSpreadsheet> shown = workbook_.activeUnoSheet();
    select();
    run([&] {
        Reference<css::sheet::XViewFreezable> view(workbook_.frame()->getController(), UNO_QUERY_THROW);
        view->freezeAtPosition(topLeftOfScrollingPart.column - 1, topLeftOfScrollingPart.row - 1);
    });
    if (shown.is()) {
        workbook_.activate(shown);
    }
}

}  // namespace korvex::calc
