#include "app/core/CharacteristicDisplay.h"

#include "characteristics/CommentRecord.h"
#include "util/NumberText.h"

namespace korvex {
QString listEntryText(const CharacteristicRecord& row, bool toleranceRule) {
    return toleranceRule ? row.id : row.id + u'.' + row.axis;
}

std::array<QString, kValueGridRowCount> valueGridTexts(const CharacteristicRecord& row,
                                                       const QString& listEntry, QChar decimalPoint) {
    const auto number = [decimalPoint](double value) { return numberText(value, decimalPoint); };
    return {QString(),
            listEntry,
            row.typeName,
            number(row.nominal),
            number(row.upperTol),
            number(row.lowerTol),
            number(row.measured),
            number(row.deviation),
            number(row.outTol),
            row.materialCondition,
            row.materialCondition.isEmpty() ? QString() : number(row.bonus),
            number(row.min),
            number(row.max),
            row.element1,
            row.element2,
            row.element3,
            row.datum1,
            row.datum2,
            row.datum3,
            row.unit,
            row.outputMode,
            row.marked ? QStringLiteral("True") : QStringLiteral("False"),
            number(row.datumLength),
            row.uniqueId.text()};
}

Rgb pickedColour(const CharacteristicRecord& row) {
    if (row.outTol != 0) {
        return kLitRed;
    }
    return row.overLimit ? kLitYellow : kLitGreen;
}

Rgb firstShownColour(const CharacteristicRecord& row) {
    return row.outTol != 0 ? kLitRed : kLitGreen;
}

QStringList commentLines(const CommentRecord* comment) {
    QStringList lines;
    for (int number = 1; comment != nullptr && number <= CommentRecord::kLineCount; ++number) {
        const QString line = comment->line(number);
        if (line.isEmpty()) {
            break;
        }
        lines.append(line);
    }
    return lines;
}

}  // namespace korvex
