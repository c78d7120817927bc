#include "report/layout/LayoutFile.h"

#include "util/AnsiCodec.h"
#include "util/AtomicFile.h"
#include "util/FileContents.h"
#include "util/TextLines.h"

#include <span>

namespace korvex {
namespace {

constexpr std::array<std::span<const QStringView>, 3> kOptionalGroups = {
    layout::kProgramNameGroup, layout::kDrawingGroup, layout::kPageGroup};

// A text as one line of the file: a line break inside it would shift every later value.
QString oneLine(QString text) {
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
}

QStringList trimmedLines(const QStringList& lines) {
    QStringList trimmed;
    for (const QString& line : lines) {
        trimmed.append(oneLine(line).trimmed());
    }
    return trimmed;
}

// Hands out the file's lines one after the other.
class LineCursor {
  public:
    explicit LineCursor(QStringList lines) : lines_(std::move(lines)) {}

    bool has(qsizetype count) const { return next_ + count <= lines_.size(); }
    bool nextIs(QStringView line) const { return has(1) && lines_[next_] == line; }
    QString take() { return lines_[next_++]; }
    QStringList take(qsizetype count) {
        const QStringList taken = lines_.mid(next_, count);
        next_ += count;
        return taken;
    }
    QStringList rest() {
        QStringList rest = lines_.mid(next_);
        next_ = lines_.size();
        while (!rest.isEmpty() && rest.back().isEmpty()) {
            rest.removeLast();
        }
        return rest;
    }

  private:
    QStringList lines_;
    qsizetype next_ = 0;
};

// The optional groups; false when a group is cut off.
bool readOptionalGroups(LineCursor& lines, LayoutValues& values) {
    bool absent = false;
    for (const std::span<const QStringView> group : kOptionalGroups) {
        absent = absent || lines.nextIs(kHeaderNamesLine) || !lines.has(1);
        if (!absent && !lines.has(static_cast<qsizetype>(group.size()))) {
            return false;
        }
        for (const QStringView name : group) {
            values.set(name, absent ? layout::kNotUsed.toString() : lines.take());
        }
    }
    return true;
}

}  // namespace

QByteArray layoutFileBytes(const LayoutFileContent& content, AnsiCodePage codePage) {
    const LayoutValues& values = content.values;
    QStringList lines;
    for (const QStringView name : layout::kFileLeadingValues) {
        lines.append(oneLine(values.text(name)));
    }
    lines += trimmedLines(values.headerRows);
    lines += trimmedLines(values.headerColumns);
    lines.append(oneLine(values.text(layout::kLfdNr)));
    for (const std::span<const QStringView> group : kOptionalGroups) {
        for (const QStringView name : group) {
            lines.append(oneLine(values.text(name)));
        }
    }
    lines.append(kHeaderNamesLine.toString());
    lines += trimmedLines(content.headerNames);
    return joinAnsiLines(lines, codePage).bytes;
}

std::optional<LayoutFileContent> parseLayoutFile(const QByteArray& bytes, int headerCount,
                                                 AnsiCodePage codePage) {
    LineCursor lines(splitLines(decodeAnsi(bytes, codePage)));
    const qsizetype fixedLines =
        static_cast<qsizetype>(layout::kFileLeadingValues.size()) + 2 * headerCount + 1;
    if (headerCount < 0 || !lines.has(fixedLines)) {
        return std::nullopt;
    }
    LayoutFileContent content;
    LayoutValues& values = content.values;
    for (const QStringView name : layout::kFileLeadingValues) {
        values.set(name, lines.take());
    }
    values.headerRows = trimmedLines(lines.take(headerCount));
    values.headerColumns = trimmedLines(lines.take(headerCount));
    values.set(layout::kLfdNr, lines.take());
    if (!readOptionalGroups(lines, values) || !lines.nextIs(kHeaderNamesLine)) {
        return std::nullopt;
    }
    lines.take();
    content.headerNames = trimmedLines(lines.rest());
    if (content.headerNames.size() != headerCount) {
        return std::nullopt;
    }
    return content;
}

std::optional<LayoutFileContent> readLayoutFile(const QString& path, int headerCount, AnsiCodePage codePage) {
    const std::optional<QByteArray> bytes = readFileContents(path);
    return bytes ? parseLayoutFile(*bytes, headerCount, codePage) : std::nullopt;
}

bool writeLayoutFile(const QString& path, const LayoutFileContent& content, AnsiCodePage codePage) {
    return writeFileAtomically(path, layoutFileBytes(content, codePage));
}

bool importLayoutFile(QString& path, const SettingsStore& settings, int headerCount, AnsiCodePage codePage) {
    if (path.trimmed().isEmpty()) {
        return false;
    }
    if (!path.endsWith(u".cfg", Qt::CaseInsensitive)) {
        path += QStringLiteral(".cfg");
    }
    const std::optional<LayoutFileContent> content = readLayoutFile(path, headerCount, codePage);
    return content && writeLayoutValues(settings, content->values);
}

}  // namespace korvex
