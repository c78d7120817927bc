#include "report/CellRange.h"

#include <algorithm>

namespace korvex {

namespace {

// Column letters and row digits of one reference such as "$B$12" or "B"; the missing part stays 0.
struct ReferenceParts {
    int column = 0;
    int row = 0;
};

std::optional<ReferenceParts> parseReference(QStringView text) {
    ReferenceParts parts;
    qsizetype position = 0;
    const auto skipDollar = [&] {
        if (position < text.size() && text[position] == u'$') {
            ++position;
        }
    };
    skipDollar();
    for (; position < text.size() && text[position].isLetter(); ++position) {
        const char16_t letter = text[position].toUpper().unicode();
        if (letter < u'A' || letter > u'Z' || parts.column > CellRef::kMaxColumn) {
            return std::nullopt;
        }
        parts.column = parts.column * 26 + (letter - u'A' + 1);
    }
    skipDollar();
    for (; position < text.size() && text[position].isDigit(); ++position) {
        if (parts.row > CellRef::kMaxRow) {
            return std::nullopt;
        }
        parts.row = parts.row * 10 + text[position].digitValue();
    }
    if (position != text.size() || parts.column > CellRef::kMaxColumn || parts.row > CellRef::kMaxRow) {
        return std::nullopt;
    }
    return parts;
}

std::optional<CellRef> toCell(const ReferenceParts& parts) {
    if (parts.column == 0 || parts.row == 0) {
        return std::nullopt;
    }
    return CellRef{parts.row, parts.column};
}

}  // namespace

QString columnLetters(int column) {
    QString letters;
    for (; column > 0; column = (column - 1) / 26) {
        letters.prepend(QChar(u'A' + (column - 1) % 26));
    }
    return letters;
}

QString CellRef::address() const {
    return columnLetters(column) + QString::number(row);
}

std::optional<CellRange> CellRange::parse(QStringView address) {
    const qsizetype colon = address.indexOf(u':');
    const auto first = parseReference(colon < 0 ? address : address.left(colon));
    const auto last = colon < 0 ? first : parseReference(address.mid(colon + 1));
    if (!first || !last) {
        return std::nullopt;
    }
    const bool bothColumnsOnly = first->row == 0 && last->row == 0 && first->column > 0 && last->column > 0;
    if (colon >= 0 && bothColumnsOnly) {
        return columns(std::min(first->column, last->column), std::max(first->column, last->column));
    }
    const auto firstCell = toCell(*first);
    const auto lastCell = toCell(*last);
    if (!firstCell || !lastCell) {
        return std::nullopt;
    }
    return CellRange{
        {std::min(firstCell->row, lastCell->row), std::min(firstCell->column, lastCell->column)},
        {std::max(firstCell->row, lastCell->row), std::max(firstCell->column, lastCell->column)}};
}

bool CellRange::isValid() const {
    return first.isValid() && last.isValid() && first.row <= last.row && first.column <= last.column;
}

bool CellRange::contains(CellRef cell) const {
    return cell.row >= first.row && cell.row <= last.row && cell.column >= first.column &&
           cell.column <= last.column;
}

bool CellRange::intersects(const CellRange& other) const {
    return first.row <= other.last.row && other.first.row <= last.row && first.column <= other.last.column &&
           other.first.column <= last.column;
}

QString CellRange::address() const {
    if (coversWholeColumns()) {
        return columnLetters(first.column) + u':' + columnLetters(last.column);
    }
    return first == last ? first.address() : first.address() + u':' + last.address();
}

}  // namespace korvex
