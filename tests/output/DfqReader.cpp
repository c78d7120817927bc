#include "output/DfqReader.h"

#include "util/AnsiCodec.h"

#include <QRegularExpression>

namespace korvex::test {
namespace {

const QRegularExpression kFieldLine(QStringLiteral("^(K\\d{4})(?:/(\\d+))? (.*)$"));

bool addField(DfqFields& fields, const QRegularExpressionMatch& match) {
    const DfqKey key{match.captured(1), match.captured(2).isEmpty() ? 0 : match.captured(2).toInt()};
    return fields.emplace(key, match.captured(3)).second;
}

std::optional<DfqRunRead> valueLine(const QString& line) {
    DfqRunRead run;
    for (const QString& characteristic : line.split(QChar(0x0F))) {
        const QStringList parts = characteristic.split(QChar(0x14));
        if (parts.size() != 3) {
            return std::nullopt;
        }
        run.values.push_back({parts[0], parts[1], parts[2]});
    }
    return run;
}

}  // namespace

DfqParse readDfq(const QByteArray& bytes) {
    if (!bytes.endsWith("\r\n")) {
        return {.file = std::nullopt, .error = QStringLiteral("the last line has no CR LF")};
    }
    QStringList lines = decodeAnsi(bytes, AnsiCodePage::Windows1252).split(QStringLiteral("\r\n"));
    lines.removeLast();
    DfqFileRead file;
    for (const QString& line : lines) {
        if (line.contains(u'\n') || line.contains(u'\r')) {
            return {.file = std::nullopt, .error = QStringLiteral("a line break inside: ") + line};
        }
        const QRegularExpressionMatch match = kFieldLine.match(line);
        if (match.hasMatch()) {
            DfqFields& fields = file.runs.empty() ? file.description : file.runs.back().fields;
            if (!addField(fields, match)) {
                return {.file = std::nullopt, .error = QStringLiteral("a field twice: ") + line};
            }
            continue;
        }
        std::optional<DfqRunRead> run = valueLine(line);
        if (!run) {
            return {.file = std::nullopt, .error = QStringLiteral("neither field nor value line: ") + line};
        }
        file.runs.push_back(std::move(*run));
    }
    return {.file = std::move(file), .error = {}};
}

}  // namespace korvex::test
