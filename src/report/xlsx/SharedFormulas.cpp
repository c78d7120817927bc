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

// One end of a whole-column ("$B" in "$B:D") or whole-row ("12" in "12:$14") range.
struct LineEnd {
    bool absolute = false;
    int number = 0;
    qsizetype end = 0;
};

// Reads letters (a column) or digits (a row), after an optional "$", at `position`.
std::optional<LineEnd> lineEndAt(const QString& formula, qsizetype position, bool columns) {
    LineEnd line;
    qsizetype at = position;
    line.absolute = at < formula.size() && formula[at] == u'$';
    at += line.absolute ? 1 : 0;
    const qsizetype start = at;
    const qsizetype longest = columns ? 3 : 7;
    while (at < formula.size() && at - start < longest &&
           (columns ? isAsciiLetter(formula[at]) : formula[at].isDigit())) {
        line.number = columns ? line.number * 26 + (formula[at].toUpper().unicode() - u'A' + 1)
                              : line.number * 10 + formula[at].digitValue();
        ++at;
    }
    if (at == start || line.number > (columns ? CellRef::kMaxColumn : CellRef::kMaxRow)) {
        return std::nullopt;
    }
    line.end = at;
    return line;
}

// A whole-column ("A:A", "$B:D") or whole-row ("1:1", "$3:5") range at `position`.
struct LineRange {
    bool columns = false;
    LineEnd first;
    LineEnd last;
};

std::optional<LineRange> lineRangeAt(const QString& formula, qsizetype position) {
    for (const bool columns : {true, false}) {
        const auto first = lineEndAt(formula, position, columns);
        if (!first || first->end >= formula.size() || formula[first->end] != u':') {
            continue;
        }
        const auto last = lineEndAt(formula, first->end + 1, columns);
        const bool followedByName = last && last->end < formula.size() &&
                                    (isNameCharacter(formula[last->end]) || formula[last->end] == u'(');
        if (last && !followedByName) {
            return LineRange{columns, *first, *last};
        }
    }
    return std::nullopt;
}

QString movedLineRange(const LineRange& range, int rows, int columns) {
    const int step = range.columns ? columns : rows;
    const int limit = range.columns ? CellRef::kMaxColumn : CellRef::kMaxRow;
    QString moved;
    for (const LineEnd& line : {range.first, range.last}) {
        const int number = line.number + (line.absolute ? 0 : step);
        if (number < 1 || number > limit) {
            return QStringLiteral("#REF!");
        }
        moved += (moved.isEmpty() ? QString() : QStringLiteral(":")) +
                 (line.absolute ? QStringLiteral("$") : QString()) +
                 (range.columns ? columnLetters(number) : QString::number(number));
    }
    return moved;
}

// The reference or name that starts at `position`, moved when it is a relative reference; gives
// the position after it.
QString shiftedTokenAt(const QString& formula, qsizetype& position, int rows, int columns) {
    if (const auto range = lineRangeAt(formula, position)) {
        position = range->last.end;
        return movedLineRange(*range, rows, columns);
    }
    if (const auto reference = referenceAt(formula, position)) {
        position = reference->end;
        return movedReference(*reference, rows, columns);
    }
    const qsizetype start = position;
    while (position < formula.size() && isNameCharacter(formula[position])) {
        ++position;
    }
    return formula.mid(start, position - start);
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
            result += shiftedTokenAt(formula, position, rows, columns);
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
