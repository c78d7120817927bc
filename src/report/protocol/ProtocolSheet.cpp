#include "report/protocol/ProtocolSheet.h"

#include "report/Worksheet.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace korvex {
namespace {

constexpr int kFirstValueColumn = 2;
constexpr double kValueColumnWidth = 20;
constexpr int kHeaderFill = 33;
constexpr int kTitleFill = 15;
constexpr double kFontSize = 9;

// The header texts are the protocol's own German column names, in every language.
QStringList headerTexts() {
    return {QStringLiteral("Merkmalstyp und Element"),
            QStringLiteral("Nennwert"),
            QStringLiteral("Messwert"),
            QStringLiteral("Abweichung"),
            QStringLiteral("obere Toleranz"),
            QStringLiteral("untere Toleranz"),
            QStringLiteral("Bonustoleranz"),
            QStringLiteral("ATol")};
}

// Centred at the bottom, one line, upright, not shrunk.
AlignmentChange centredCells() {
    return {.horizontal = HorizontalAlignment::Center,
            .vertical = VerticalAlignment::Bottom,
            .wrapText = false,
            .shrinkToFit = false,
            .orientation = 0};
}

CellRange rowRange(int row) {
    return {{row, 1}, {row, ProtocolSheet::kColumns}};
}

FormatChange boldFont() {
    FormatChange change;
    change.font.bold = true;
    return change;
}

// An empty text or a missing value leaves its cell empty. The rows are new, so the empty cells are
// written as empty texts: that clears a cell holding nothing anyway and keeps a batch one block,
// which an office behind a bridge writes in one call.
void appendCells(std::vector<CellValue>& cells, const ProtocolLine& line) {
    cells.emplace_back(line.text);
    for (const std::optional<double>& value : line.values) {
        if (value) {
            cells.emplace_back(*value);
        } else {
            cells.emplace_back(QString());
        }
    }
}

}  // namespace

void ProtocolSheet::layOut() {
    const QStringList texts = headerTexts();
    for (int column = 1; column <= kColumns; ++column) {
        sheet_.writeText({1, column}, texts[column - 1]);
    }
    const CellRange valueColumns = CellRange::columns(kFirstValueColumn, kColumns);
    sheet_.format(valueColumns, {.alignment = centredCells()});
    sheet_.unmerge(valueColumns);
    sheet_.setColumnWidth(kFirstValueColumn, kColumns, kValueColumnWidth);

    FormatChange plain{.thinBorders = true};
    plain.font = {.name = QStringLiteral("Arial"),
                  .size = kFontSize,
                  .underline = Underline::None,
                  .color = PaletteColor::automatic(),
                  .plainEffects = true};
    sheet_.format(CellRange::wholeSheet(), plain);

    FormatChange header{.fill = CellFill::solid(kHeaderFill)};
    header.font.bold = true;
    sheet_.format(rowRange(1), header);
    sheet_.freezePanes({2, 1});
    sheet_.selectRange(CellRange::cell(2, 1));
    lastRow_ = 1;
}

std::size_t ProtocolSheet::append(std::span<const ProtocolLine> lines) {
    const auto room = static_cast<std::size_t>(CellRef::kMaxRow - lastRow_);
    lines = lines.first(std::min(lines.size(), room));
    if (lines.empty()) {
        return 0;
    }
    std::vector<CellValue> cells;
    cells.reserve(lines.size() * kColumns);
    for (const ProtocolLine& line : lines) {
        appendCells(cells, line);
    }
    const int first = lastRow_ + 1;
    sheet_.writeBlock({first, 1}, kColumns, cells);
    lastRow_ += static_cast<int>(lines.size());
    // Titles and type texts are bold, also a type text that stays empty.
    sheet_.format({{first, 1}, {lastRow_, 1}}, boldFont());
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (lines[index].kind == ProtocolLine::Kind::Title) {
            formatTitleRow(first + static_cast<int>(index));
        }
    }
    return lines.size();
}

void ProtocolSheet::formatTitleRow(int row) {
    FormatChange title{.fill = CellFill::solid(kTitleFill), .alignment = centredCells()};
    title.font.bold = true;
    sheet_.format(rowRange(row), title);
    sheet_.merge(rowRange(row));
}

void ProtocolSheet::refreshColumns() {
    sheet_.autofitColumn(1);
    sheet_.format(CellRange::columns(kFirstValueColumn, kColumns),
                  {.numberFormat = QStringLiteral("#,##0.0000")});
}

bool ProtocolSheet::isFull() const {
    return lastRow_ >= CellRef::kMaxRow;
}

}  // namespace korvex
