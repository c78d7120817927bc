#include "report/xlsx/SharedFormulas.h"

#include "report/CellRange.h"
#include "report/xlsx/FormulaText.h"
#include "report/xlsx/SheetCells.h"
#include "report/xlsx/XmlPart.h"

#include <map>

namespace korvex::xlsx {

namespace {

bool isNameCharacter(QChar character) {
    return character.isLetterOrNumber() || character == u'_' || character == u'.' || character == u'$';
}

bool isAsciiLetter(QChar character) {
    return (character >= u'A' && character <= u'Z') || (character >= u'a' && character <= u'z');
}

// A cell reference such as "$B12" at `position`; its end is where the reference stops.
struct Reference {
    bool absoluteColumn = false;
    bool absoluteRow = false;
    CellRef cell;
    qsizetype end = 0;
};

std::optional<Reference> referenceAt(const QString& formula, qsizetype position) {
    Reference reference;
    qsizetype at = position;
    reference.absoluteColumn = at < formula.size() && formula[at] == u'$';
    at += reference.absoluteColumn ? 1 : 0;
    const qsizetype lettersStart = at;
    while (at < formula.size() && isAsciiLetter(formula[at]) && at - lettersStart < 3) {
        ++at;
    }
    reference.absoluteRow = at < formula.size() && formula[at] == u'$';
    at += reference.absoluteRow ? 1 : 0;
    const qsizetype digitsStart = at;
    while (at < formula.size() && formula[at].isDigit() && at - digitsStart < 7) {
        ++at;
    }
    const bool followedByName = at < formula.size() && (isNameCharacter(formula[at]) || formula[at] == u'(');
    if (at == lettersStart || digitsStart == at || followedByName) {
        return std::nullopt;
    }
    const auto parsed = CellRange::parse(QStringView(formula).mid(position, at - position));
    if (!parsed) {
        return std::nullopt;
    }
    reference.cell = parsed->first;
    reference.end = at;
    return reference;
}

QString movedReference(const Reference& reference, int rows, int columns) {
    const CellRef moved{reference.cell.row + (reference.absoluteRow ? 0 : rows),
                        reference.cell.column + (reference.absoluteColumn ? 0 : columns)};
    if (!moved.isValid()) {
        return QStringLiteral("#REF!");
    }
    return (reference.absoluteColumn ? QStringLiteral("$") : QString()) + columnLetters(moved.column) +
           (reference.absoluteRow ? QStringLiteral("$") : QString()) + QString::number(moved.row);
}

}  // namespace

QString shiftFormula(const QString& formula, int rows, int columns) {
    QString result;
    qsizetype position = 0;
    while (position < formula.size()) {
        const QChar character = formula[position];
        if (character == u'"' || character == u'\'') {
            const qsizetype end = endOfQuoted(formula, position);
            result += QStringView(formula).mid(position, end - position);
            position = end;
        } else if (isNameCharacter(character) && (position == 0 || !isNameCharacter(formula[position - 1]))) {
            const auto reference = referenceAt(formula, position);
            qsizetype end = reference ? reference->end : position;
            while (!reference && end < formula.size() && isNameCharacter(formula[end])) {
                ++end;
            }
            result += reference ? movedReference(*reference, rows, columns)
                                : QStringView(formula).mid(position, end - position).toString();
            position = end;
        } else {
            result += character;
            ++position;
        }
    }
    return result;
}

void unshareFormulas(pugi::xml_node sheetData) {
    struct Master {
        QString formula;
        CellRef cell;
    };
    std::map<long long, Master> masters;
    for (pugi::xml_node row : sheetData.children("row")) {
        for (pugi::xml_node cell : row.children("c")) {
            pugi::xml_node formula = cell.child("f");
            if (std::string_view(formula.attribute("t").value()) != "shared") {
                continue;
            }
            const long long group = formula.attribute("si").as_llong(-1);
            const auto at = parseCellReference(cell.attribute("r").value());
            formula.remove_attribute("t");
            formula.remove_attribute("ref");
            formula.remove_attribute("si");
            if (*formula.text().get() != '\0' && at) {
                masters.insert_or_assign(group, Master{toQString(formula.text().get()), *at});
                continue;
            }
            const auto master = masters.find(group);
            if (master == masters.end() || !at) {
                cell.remove_child(formula);
                continue;
            }
            const QString own = shiftFormula(master->second.formula, at->row - master->second.cell.row,
                                             at->column - master->second.cell.column);
            formula.text().set(toUtf8(own).constData());
        }
    }
}

}  // namespace korvex::xlsx
