#include "output/AsciiLineBuilder.h"

#include "characteristics/CharacteristicRecord.h"
#include "characteristics/CommentRecord.h"
#include "output/NumberText.h"

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
    QString text;
    if (comment != nullptr) {
        for (int line = 1; line <= CommentRecord::kLineCount; ++line) {
            text += comment->line(line);
        }
    }
    return text;
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

template <typename CellText>
QString AsciiLineBuilder::line(CellText cellText) const {
    QString text;
    for (const auto& [column, place] : columnsInPlaceOrder_) {
        if (place == 1) {
            text = cellText(column);
        } else {
            text += delimiter_ + cellText(column);
        }
    }
    return text;
}

QString AsciiLineBuilder::number(double value) const {
    return numberText(value, decimalPoint_);
}

QString AsciiLineBuilder::titleLine() const {
    return line([this](int column) {
        const QString title = kAsciiColumns[static_cast<std::size_t>(column)].title.toString();
        return column == static_cast<int>(AsciiColumn::IdAndAxis) ? title + delimiter_ + kAxisTitle.toString()
                                                                  : title;
    });
}

QString AsciiLineBuilder::rowLine(const CharacteristicRecord& row, const CommentRecord* comment) const {
    const WrittenNumbers numbers = writtenNumbers(row, zozadRegel_);
    return line([&](int column) -> QString {
        switch (static_cast<AsciiColumn>(column)) {
            case AsciiColumn::IdAndAxis:
                return row.id + delimiter_ + row.axis;
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
                return row.unit;
            case AsciiColumn::OutputMode:
                return row.outputMode;
            case AsciiColumn::Marked:
                return row.marked ? QStringLiteral("True") : QStringLiteral("False");
            case AsciiColumn::Element1:
                return row.element1;
            case AsciiColumn::Element2:
                return row.element2;
            case AsciiColumn::Element3:
                return row.element3;
            case AsciiColumn::Datum1:
                return row.datum1;
            case AsciiColumn::Datum2:
                return row.datum2;
            case AsciiColumn::Datum3:
                return row.datum3;
            case AsciiColumn::DatumLength:
                return number(row.datumLength);
            case AsciiColumn::TypeName:
                return row.typeName;
            case AsciiColumn::Comment:
                return commentText(comment);
        }
        return {};
    });
}

}  // namespace korvex
