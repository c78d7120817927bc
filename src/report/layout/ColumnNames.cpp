#include "report/layout/ColumnNames.h"

#include "report/CellRange.h"

#include <QList>

namespace korvex {
namespace {

constexpr int kLettersInAlphabet = 26;

int letterValue(QChar ch) {
    const char16_t upper = ch.toUpper().unicode();
    return upper >= u'A' && upper <= u'Z' ? upper - u'A' + 1 : 0;
}

}  // namespace

std::optional<int> rowNumber(QStringView text) {
    bool ok = false;
    const int row = text.trimmed().toInt(&ok);
    return ok && row >= 1 && row <= CellRef::kMaxRow ? std::optional<int>(row) : std::nullopt;
}

ColumnNumber columnNumber(QStringView name) {
    const QStringView trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        return {};
    }
    const int first = letterValue(trimmed.front());
    if (trimmed.size() != 2) {
        return {first, false};
    }
    const int second = letterValue(trimmed.back());
    if (first == 0 || second == 0) {
        return {};
    }
    const int number = first * kLettersInAlphabet + second;
    if (number > kLastLayoutColumn) {
        return {kLastLayoutColumn, true};
    }
    return {number, false};
}

void columnLetterInPlace(QString& setting) {
    if (setting.size() == 1 && letterValue(setting.front()) != 0) {
        setting = QString::number(letterValue(setting.front()));
    }
}

std::optional<ColumnList> parseColumnList(QStringView list) {
    ColumnList result;
    for (const QStringView item : list.split(u',')) {
        const qsizetype dash = item.indexOf(u'-');
        const ColumnNumber first = columnNumber(dash < 0 ? item : item.left(dash));
        const ColumnNumber last = dash < 0 ? first : columnNumber(item.mid(dash + 1));
        if (first.number == 0 || last.number < first.number) {
            return std::nullopt;
        }
        result.capped = result.capped || first.capped || last.capped;
        for (int column = first.number; column <= last.number; ++column) {
            result.columns.push_back(column);
        }
    }
    return result;
}

}  // namespace korvex
