#include "output/AsciiLineBuilder.h"

#include "characteristics/CharacteristicRecord.h"
#include "characteristics/CommentRecord.h"
#include "output/DelimitedText.h"
#include "util/NumberText.h"

#include <algorithm>

namespace korvex {
namespace {

constexpr int kLastPlace = kAsciiColumnCount;

// The numbers of a row as they are written, mirrored by the ZozadRegel where it applies.
struct WrittenNumbers {
    double nominal;
    double upperTol;
    double lowerTol;
    double measured;
    double deviation;
    double min;
    double max;
};

WrittenNumbers writtenNumbers(const CharacteristicRecord& row, bool zozadRegel) {
    WrittenNumbers numbers{row.nominal,   row.upperTol, row.lowerTol, row.measured,
                           row.deviation, row.min,      row.max};
    if (zozadRegel && row.nominal < 0) {
        numbers.nominal = -row.nominal;
        numbers.upperTol = -row.lowerTol;
        numbers.lowerTol = -row.upperTol;
    }
    if (zozadRegel && row.measured < 0) {
        numbers.measured = -row.measured;
        numbers.deviation = -row.deviation;
        numbers.min = -row.max;
        numbers.max = -row.min;
    }
    return numbers;
}

QString commentText(const CommentRecord* comment) {
    QString lines;
    if (comment != nullptr) {
        for (int line = 1; line <= CommentRecord::kLineCount; ++line) {
            lines += comment->line(line);
        }
    }
    return lines;
}

// What the cells of one row are written from.
struct RowCells {
    const CharacteristicRecord& row;
    WrittenNumbers numbers;
    const CommentRecord* comment;
    const QString& delimiter;
    QChar decimalPoint;
};

void appendCell(QString& text, AsciiColumn column, const RowCells& cells) {
    const CharacteristicRecord& row = cells.row;
    const WrittenNumbers& numbers = cells.numbers;
    const auto number = [&](double value) { appendNumberText(text, value, cells.decimalPoint); };
    const auto textCell = [&](const QString& cell) { appendTextCell(text, cell, cells.delimiter); };
    switch (column) {
        case AsciiColumn::IdAndAxis:
            textCell(row.id);
            text += cells.delimiter;
            return textCell(row.axis);
        case AsciiColumn::Nominal:
            return number(numbers.nominal);
        case AsciiColumn::UpperTol:
            return number(numbers.upperTol);
        case AsciiColumn::LowerTol:
            return number(numbers.lowerTol);
        case AsciiColumn::Bonus:
            return number(row.bonus);
        case AsciiColumn::Measured:
            return number(numbers.measured);
        case AsciiColumn::Deviation:
            return number(numbers.deviation);
        case AsciiColumn::OutTol:
            return number(row.outTol);
        case AsciiColumn::Min:
            return number(numbers.min);
        case AsciiColumn::Max:
            return number(numbers.max);
        case AsciiColumn::Unit:
            return textCell(row.unit);
        case AsciiColumn::OutputMode:
            return textCell(row.outputMode);
        case AsciiColumn::Marked:
            text += row.marked ? QLatin1StringView("True") : QLatin1StringView("False");
            return;
        case AsciiColumn::Element1:
            return textCell(row.element1);
        case AsciiColumn::Element2:
            return textCell(row.element2);
        case AsciiColumn::Element3:
            return textCell(row.element3);
        case AsciiColumn::Datum1:
            return textCell(row.datum1);
        case AsciiColumn::Datum2:
            return textCell(row.datum2);
        case AsciiColumn::Datum3:
            return textCell(row.datum3);
        case AsciiColumn::DatumLength:
            return number(row.datumLength);
        case AsciiColumn::TypeName:
            return textCell(row.typeName);
        case AsciiColumn::Comment:
            return textCell(commentText(cells.comment));
    }
}

}  // namespace

AsciiLineBuilder::AsciiLineBuilder(const std::array<int, kAsciiColumnCount>& places, QString delimiter,
                                   bool zozadRegel, QChar decimalPoint)
    : delimiter_(std::move(delimiter)), zozadRegel_(zozadRegel), decimalPoint_(decimalPoint) {
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        const int place = places[static_cast<std::size_t>(column)];
        if (place >= 1 && place <= kLastPlace) {
            columnsInPlaceOrder_.emplace_back(column, place);
        }
    }
    std::stable_sort(columnsInPlaceOrder_.begin(), columnsInPlaceOrder_.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
}

template <typename AppendCell>
void AsciiLineBuilder::appendLine(QString& text, AppendCell appendCell) const {
    const qsizetype lineStart = text.size();
    for (const auto& [column, place] : columnsInPlaceOrder_) {
        if (place == 1) {
            text.truncate(lineStart);
        } else {
            text += delimiter_;
        }
        appendCell(static_cast<AsciiColumn>(column));
    }
    text += QLatin1StringView("\r\n");
}

void AsciiLineBuilder::appendTitleLine(QString& text) const {
    appendLine(text, [&](AsciiColumn column) {
        text += kAsciiColumns[static_cast<std::size_t>(column)].title;
        if (column == AsciiColumn::IdAndAxis) {
            text += delimiter_;
            text += kAxisTitle;
        }
    });
}

void AsciiLineBuilder::appendRowLine(QString& text, const CharacteristicRecord& row,
                                     const CommentRecord* comment) const {
    const RowCells cells{row, writtenNumbers(row, zozadRegel_), comment, delimiter_, decimalPoint_};
    appendLine(text, [&](AsciiColumn column) { appendCell(text, column, cells); });
}

}  // namespace korvex
