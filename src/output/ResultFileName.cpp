#include "output/ResultFileName.h"

#include <span>

namespace korvex {
namespace {

constexpr int kLastCounter = 9999;
constexpr int kLastSeparatorCode = 5;

enum class NamePart { None, PartName, DrawingNumber, Revision, Date, Time };

// What each code means at each position (the code is the index); a code beyond a position's list is
// not offered there.
constexpr NamePart kPosition1[] = {NamePart::PartName, NamePart::DrawingNumber};
constexpr NamePart kPosition2[] = {NamePart::None, NamePart::Revision, NamePart::PartName,
                                   NamePart::DrawingNumber};
constexpr NamePart kPosition3[] = {NamePart::None, NamePart::DrawingNumber, NamePart::Revision,
                                   NamePart::Date};
constexpr NamePart kPosition4[] = {NamePart::None, NamePart::Date, NamePart::Time};
constexpr NamePart kPosition5[] = {NamePart::None, NamePart::Time};
constexpr std::array<std::span<const NamePart>, ResultFileNaming::kPositions> kPartsByPosition = {
    kPosition1, kPosition2, kPosition3, kPosition4, kPosition5};

struct NamePartTexts {
    QString partName;
    QString drawingNumber;
    QString revision;
    QString date;
    QString time;

    QString of(NamePart part) const {
        switch (part) {
            case NamePart::PartName:
                return partName;
            case NamePart::DrawingNumber:
                return drawingNumber;
            case NamePart::Revision:
                return revision;
            case NamePart::Date:
                return date;
            case NamePart::Time:
                return time;
            case NamePart::None:
                break;
        }
        return {};
    }
};

// position counts from 0; an unknown code gives the placeholder "UNKNOWN_FILE" & (position + 1).
QString namePart(std::size_t position, int code, const NamePartTexts& texts) {
    if (!isKnownNameCode(position, code)) {
        return QStringLiteral("UNKNOWN_FILE%1").arg(position + 1);
    }
    return texts.of(kPartsByPosition[position][static_cast<std::size_t>(code)]);
}

QString joinedName(const std::array<QString, ResultFileNaming::kPositions>& parts, const QString& separator) {
    qsizetype used = parts.size();
    while (used > 1 && parts[static_cast<std::size_t>(used - 1)].isEmpty()) {
        --used;
    }
    QString name = parts[0];
    for (qsizetype i = 1; i < used; ++i) {
        name += separator + parts[static_cast<std::size_t>(i)];
    }
    return name;
}

bool isForbiddenInFileName(QChar ch) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    return ch.unicode() < 0x20 || forbidden.contains(ch);
}

}  // namespace

QString fileNameSafe(QString text) {
    for (QChar& ch : text) {
        if (isForbiddenInFileName(ch)) {
            ch = u'-';
        }
    }
    return text;
}

bool isKnownNameCode(std::size_t position, int code) {
    return position < kPartsByPosition.size() && code >= 0 &&
           static_cast<std::size_t>(code) < kPartsByPosition[position].size();
}

bool isKnownSeparatorCode(int code) {
    return code >= 0 && code <= kLastSeparatorCode;
}

QString timeText(const QTime& time) {
    return time.toString(QStringLiteral("hh.mm.ss"));
}

QString separatorText(int code) {
    switch (code) {
        case 1:
            return QStringLiteral("__");
        case 2:
            return QStringLiteral("_");
        case 3:
            return QStringLiteral("---");
        case 4:
            return QStringLiteral("--");
        case 5:
            return QStringLiteral("-");
        default:
            return QStringLiteral("___");
    }
}

std::optional<QString> resultFileName(const ResultFileNaming& naming, const PartProgramNames& names,
                                      const NamingMoment& moment, const QString& prefix,
                                      const QString& extension, const FileExistsTest& exists) {
    const NamePartTexts texts{.partName = names.partName,
                              .drawingNumber = names.drawingNumber,
                              .revision = names.revision,
                              .date = moment.locale.toString(moment.now.date(), QLocale::ShortFormat),
                              .time = timeText(moment.now.time())};
    std::array<QString, ResultFileNaming::kPositions> parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        parts[i] = fileNameSafe(namePart(i, naming.codes[i], texts));
    }
    const QString separator = separatorText(naming.separatorCode);
    const QString name = prefix + joinedName(parts, separator);
    const QString dotExtension = u'.' + extension;
    if (!naming.useCounter) {
        return name + dotExtension;
    }
    for (int counter = 1; counter <= kLastCounter; ++counter) {
        const QString candidate =
            name + separator + QStringLiteral("%1").arg(counter, 4, 10, QLatin1Char('0')) + dotExtension;
        if (!exists(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace korvex
