#include "output/DfqText.h"

#include "characteristics/CharacteristicRecord.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ToleranceEvaluation.h"
#include "util/BlankTrim.h"
#include "util/NumberText.h"

#include <cmath>

namespace korvex {
namespace {

// Separators of the value line: between the fields of one characteristic, and between characteristics.
constexpr QChar kFieldSeparator = QChar(0x14);
constexpr QChar kCharacteristicSeparator = QChar(0x0F);
// Value attributes: a valid value, and a placeholder that SPC systems neither show nor count.
constexpr QStringView kValidValue = u"0";
constexpr QStringView kPlaceholder = u"255";
// Boundary types of a tolerance limit: a limit to be kept, a natural boundary (the ideal value
// of a form tolerance, which no measurement can pass).
constexpr QStringView kLimitToKeep = u"0";
constexpr QStringView kNaturalBoundary = u"1";
// The longest texts the fields take.
constexpr qsizetype kPartNumberLength = 30;
constexpr qsizetype kPartNameLength = 80;
constexpr qsizetype kRevisionLength = 20;
constexpr qsizetype kCharacteristicNumberLength = 40;
constexpr qsizetype kCharacteristicNameLength = 80;
constexpr qsizetype kBatchNumberLength = 14;
constexpr qsizetype kPartIdentLength = 40;
// A description line takes some 30 characters, a value some 32.
constexpr qsizetype kCharactersPerDescription = 8 * 30;
constexpr qsizetype kCharactersPerValue = 32;

constexpr QChar kPoint = u'.';

// A host text as a field value: control characters (line breaks, the value-line separators) become
// blanks, and the text is cut to the field's length.
QString fieldText(const QString& text, qsizetype length) {
    QString cleaned = text.left(length);
    for (QChar& ch : cleaned) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) {
            ch = u' ';
        }
    }
    return cleaned;
}

void appendKey(QString& text, QStringView key, int characteristic) {
    text += key;
    if (characteristic > 0) {
        text += u'/';
        text += QString::number(characteristic);
    }
    text += u' ';
}

// A text field; left out when empty.
void appendTextField(QString& text, QStringView key, int characteristic, const QString& value,
                     qsizetype length) {
    if (value.isEmpty()) {
        return;
    }
    appendKey(text, key, characteristic);
    text += fieldText(value, length);
    text += QLatin1StringView("\r\n");
}

// A number field; left out when the number is not finite (no limit is better than a wrong one).
void appendNumberField(QString& text, QStringView key, int characteristic, double value) {
    if (!std::isfinite(value)) {
        return;
    }
    appendKey(text, key, characteristic);
    appendNumberText(text, value, kPoint);
    text += QLatin1StringView("\r\n");
}

void appendFixedField(QString& text, QStringView key, int characteristic, QStringView value) {
    appendKey(text, key, characteristic);
    text += value;
    text += QLatin1StringView("\r\n");
}

QString unitText(const QString& unit) {
    if (unit == u"MM") {
        return QStringLiteral("mm");
    }
    if (unit == u"ZOLL") {
        return QStringLiteral("inch");
    }
    if (unit == u"GRAD") {
        return QStringLiteral("\u00B0");
    }
    return {};
}

QString joined(const QString& first, QChar separator, const QString& second) {
    if (first.isEmpty() || second.isEmpty()) {
        return first + second;
    }
    return first + separator + second;
}

void appendCharacteristic(QString& text, int i, const CharacteristicRecord& row) {
    const QString number = joined(row.id, u'.', row.axis);
    appendTextField(text, u"K2001", i, number.isEmpty() ? QString::number(i) : number,
                    kCharacteristicNumberLength);
    appendTextField(text, u"K2002", i, joined(row.id, u' ', row.axis), kCharacteristicNameLength);
    appendNumberField(text, u"K2101", i, row.nominal);
    appendNumberField(text, u"K2110", i, row.nominal + row.lowerTol);
    appendNumberField(text, u"K2111", i, row.nominal + row.upperTol);
    appendNumberField(text, u"K2112", i, row.lowerTol);
    appendNumberField(text, u"K2113", i, row.upperTol);
    if (hasOneSidedTolerance(row.typeName)) {
        appendFixedField(text, u"K2120", i, kNaturalBoundary);
        appendFixedField(text, u"K2121", i, kLimitToKeep);
    }
    appendTextField(text, u"K2142", i, unitText(row.unit), kCharacteristicNameLength);
}

QString headerValue(const HeaderDataValues& headerData, QStringView key) {
    for (const auto& variable : headerData.variables()) {
        if (trimBlanks(variable.name).compare(key, Qt::CaseInsensitive) == 0) {
            return trimBlanks(variable.value);
        }
    }
    return {};
}

void appendValue(QString& text, const CharacteristicRecord& row, const QString& moment) {
    const bool known = std::isfinite(row.measured);
    if (known) {
        appendNumberText(text, row.measured, kPoint);
    }
    text += kFieldSeparator;
    text += known ? kValidValue : kPlaceholder;
    text += kFieldSeparator;
    text += moment;
}

}  // namespace

DfqRunFacts dfqRunFacts(const HeaderDataValues& headerData, const QDateTime& measuredAt) {
    return {.measuredAt = measuredAt,
            .batchNumber = headerValue(headerData, u"K0006"),
            .partIdent = headerValue(headerData, u"K0014")};
}

QString dfqDescription(const PartProgramNames& names, std::span<const CharacteristicRecord* const> rows) {
    QString text;
    text.reserve(kCharactersPerDescription * static_cast<qsizetype>(rows.size() + 1));
    appendFixedField(text, u"K0100", 0, QString::number(rows.size()));
    appendTextField(text, u"K1001", 0, names.drawingNumber, kPartNumberLength);
    appendTextField(text, u"K1002", 0, names.partName, kPartNameLength);
    appendTextField(text, u"K1004", 0, names.revision, kRevisionLength);
    int i = 0;
    for (const CharacteristicRecord* row : rows) {
        appendCharacteristic(text, ++i, *row);
    }
    return text;
}

QString dfqValues(std::span<const CharacteristicRecord* const> rows, const DfqRunFacts& facts) {
    if (rows.empty()) {
        return {};
    }
    QString text;
    text.reserve(kCharactersPerValue * static_cast<qsizetype>(rows.size()));
    const QString moment = facts.measuredAt.toString(QStringLiteral("dd.MM.yyyy/HH:mm:ss"));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) {
            text += kCharacteristicSeparator;
        }
        appendValue(text, *rows[i], moment);
    }
    text += QLatin1StringView("\r\n");
    for (int i = 1; i <= static_cast<int>(rows.size()); ++i) {
        appendTextField(text, u"K0006", i, facts.batchNumber, kBatchNumberLength);
        appendTextField(text, u"K0014", i, facts.partIdent, kPartIdentLength);
    }
    return text;
}

}  // namespace korvex
