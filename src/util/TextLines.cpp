#include "util/TextLines.h"

namespace korvex {

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\r' && ch != u'\n') {
            continue;
        }
        lines.append(text.mid(start, i - start));
        if (ch == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < size) {
        lines.append(text.mid(start));
    }
    return lines;
}

EncodedAnsi joinAnsiLines(const QStringList& lines, AnsiCodePage codePage) {
    if (lines.isEmpty()) {
        return {};
    }
    return encodeAnsi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), codePage);
}

}  // namespace korvex
