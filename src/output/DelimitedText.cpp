#include "output/DelimitedText.h"

namespace korvex {
namespace {

constexpr QChar kQuote = u'"';

bool needsQuotes(const QString& cell, const QString& delimiter) {
    return cell.contains(kQuote) || (!delimiter.isEmpty() && cell.contains(delimiter));
}

}  // namespace

void appendTextCell(QString& text, const QString& cell, const QString& delimiter) {
    const bool breaksLines = cell.contains(u'\r') || cell.contains(u'\n');
    if (!breaksLines && !needsQuotes(cell, delimiter)) {
        text += cell;
        return;
    }
    QString oneLine = cell;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    if (!needsQuotes(oneLine, delimiter)) {
        text += oneLine;
        return;
    }
    text += kQuote;
    text += oneLine.replace(kQuote, QStringLiteral("\"\""));
    text += kQuote;
}

}  // namespace korvex
