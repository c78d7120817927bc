#include "report/xlsx/SheetNames.h"

#include "report/xlsx/FormulaText.h"

#include <QRegularExpression>

namespace korvex::xlsx {

namespace {

bool isNameCharacter(QChar character) {
    return character.isLetterOrNumber() || character == u'_' || character == u'.' || character == u'\\';
}

}  // namespace

std::optional<QString> sheetNameProblem(const QString& name) {
    if (name.isEmpty()) {
        return QStringLiteral("a sheet name cannot be empty");
    }
    if (name.size() > kMaxSheetNameLength) {
        return QStringLiteral("the sheet name \"%1\" is longer than %2 characters")
            .arg(name)
            .arg(kMaxSheetNameLength);
    }
    for (const QChar character : name) {
        if (QStringView(u"[]:*?/\\").contains(character) || character.unicode() < 0x20) {
            return QStringLiteral(
                       "the sheet name \"%1\" holds the character \"%2\", which sheet names cannot hold")
                .arg(name, character);
        }
    }
    if (name.startsWith(u'\'') || name.endsWith(u'\'')) {
        return QStringLiteral("the sheet name \"%1\" begins or ends with an apostrophe").arg(name);
    }
    if (name.compare(u"History", Qt::CaseInsensitive) == 0) {
        return QStringLiteral("\"History\" is reserved and cannot name a sheet");
    }
    return std::nullopt;
}

QString copyNameFor(const QString& source, const std::function<bool(const QString&)>& isTaken) {
    for (int number = 2;; ++number) {
        const QString suffix = QStringLiteral(" (%1)").arg(number);
        const QString name = source.left(kMaxSheetNameLength - suffix.size()) + suffix;
        if (!isTaken(name)) {
            return name;
        }
    }
}

QString sheetReference(const QString& name) {
    static const QRegularExpression plainWord(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.]*$"));
    static const QRegularExpression cellLike(QStringLiteral("^([A-Za-z]{1,3}[0-9]+|[Rr][0-9]*[Cc][0-9]*)$"));
    if (plainWord.match(name).hasMatch() && !cellLike.match(name).hasMatch()) {
        return name;
    }
    QString quoted = name;
    return u'\'' + quoted.replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString renameSheetReferences(const QString& formula, const QString& oldName, const QString& newName) {
    QString result;
    result.reserve(formula.size());
    qsizetype position = 0;
    while (position < formula.size()) {
        const QChar character = formula[position];
        const bool startsName =
            character == u'\'' ||
            (isNameCharacter(character) && (position == 0 || !isNameCharacter(formula[position - 1])));
        if (character == u'"') {
            const qsizetype end = endOfQuoted(formula, position);
            result += QStringView(formula).mid(position, end - position);
            position = end;
            continue;
        }
        if (!startsName) {
            result += character;
            ++position;
            continue;
        }
        QString name;
        qsizetype end = position;
        if (character == u'\'') {
            end = endOfQuoted(formula, position, &name);
        } else {
            while (end < formula.size() && isNameCharacter(formula[end])) {
                name += formula[end++];
            }
        }
        const bool isSheet = end < formula.size() && formula[end] == u'!';
        result += isSheet && name.compare(oldName, Qt::CaseInsensitive) == 0
                      ? sheetReference(newName)
                      : QStringView(formula).mid(position, end - position).toString();
        position = end;
    }
    return result;
}

}  // namespace korvex::xlsx
