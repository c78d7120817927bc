#include "app/core/LayoutForm.h"

#include "app/core/FileMessage.h"
#include "app/core/HeaderDataList.h"
#include "app/core/Session.h"
#include "report/layout/ReportLayout.h"
#include "util/AnsiCodec.h"
#include "util/FileContents.h"
#include "util/MessageBoxen.h"
#include "util/TextLines.h"

#include <array>

namespace korvex {
namespace {

using namespace layout;

// MessageBoxen entries.
constexpr int kLayoutFileNotSavedEntry = 93;
constexpr int kLayoutFileRefusedEntry = 94;

// The fields a layout cannot do without; OK and Save refuse to go on while one is blank.
constexpr std::array<QStringView, 3> kRequiredFields = {kFormStartRow, kFormEndRow, kFormMeasColums};

// The fields that read "NotUsed" when left blank.
constexpr std::array<QStringView, 28> kOptionalFields = {kFormIDColum,           kFormNominalColum,
                                                         kFormUTolColum,         kFormOTolColum,
                                                         kFormDevColum,          kFormATolColum,
                                                         kFormSymbolColum,       kFormCommentColum,
                                                         kFormDateRow,           kFormTimeRow,
                                                         kElement1Colum,         kElement2Colum,
                                                         kElement3Colum,         kBezug1Colum,
                                                         kBezug2Colum,           kBezug3Colum,
                                                         kEinheitColum,          kLfdNr,
                                                         kZeileProgrammName,     kSpalteProgrammName,
                                                         kZeileZeichnungsnummer, kSpalteZeichnungsnummer,
                                                         kZeileAenderungsstand,  kSpalteAenderungsstand,
                                                         kSeitennummerSpalte,    kSeitennummerZeile,
                                                         kSeitenAnzahlSpalte,    kSeitenAnzahlZeile};

// The values OK writes before the header places, in their order.
constexpr std::array<QStringView, 32> kLeadingWriteOrder = {kZeileSpalte,
                                                            kFormStartRow,
                                                            kFormEndRow,
                                                            kFormMeasColums,
                                                            kFormIDColum,
                                                            kFormNominalColum,
                                                            kFormUTolColum,
                                                            kFormOTolColum,
                                                            kFormDevColum,
                                                            kFormATolColum,
                                                            kFormSymbolColum,
                                                            kFormCommentColum,
                                                            kCommentLength,
                                                            kFormDateRow,
                                                            kFormTimeRow,
                                                            kElement1Colum,
                                                            kElement2Colum,
                                                            kElement3Colum,
                                                            kBezug1Colum,
                                                            kBezug2Colum,
                                                            kBezug3Colum,
                                                            kEinheitColum,
                                                            kZeileProgrammName,
                                                            kSpalteProgrammName,
                                                            kZeileZeichnungsnummer,
                                                            kSpalteZeichnungsnummer,
                                                            kZeileAenderungsstand,
                                                            kSpalteAenderungsstand,
                                                            kSeitennummerSpalte,
                                                            kSeitennummerZeile,
                                                            kSeitenAnzahlSpalte,
                                                            kSeitenAnzahlZeile};

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

void replaceBlankPlaces(QStringList& places) {
    for (QString& place : places) {
        if (isBlank(place)) {
            place = kNotUsed.toString();
        }
    }
}

// Blank optional values read "NotUsed", a blank comment length "0".
void replaceBlankValues(LayoutValues& values) {
    for (const QStringView name : kOptionalFields) {
        if (isBlank(values.text(name))) {
            values.set(name, kNotUsed.toString());
        }
    }
    if (isBlank(values.text(kCommentLength))) {
        values.set(kCommentLength, QStringLiteral("0"));
    }
}

void recordLastUsedFile(const Session& session, const QString& path, UserInteraction& user) {
    if (!session.settings.writeSetting(keys::kLastUsedConfig, path)) {
        tellSettingsNotStored(user, session.language);
    }
}

// The number of names after the first "[Kopfdaten]" line that can follow the fixed lines; -1 when
// there is none.
int namesAfterHeaderLine(const QStringList& lines) {
    qsizetype end = lines.size();
    while (end > 0 && lines[end - 1].isEmpty()) {
        --end;
    }
    const qsizetype firstPossible = static_cast<qsizetype>(kFileLeadingValues.size()) + 1;
    for (qsizetype i = firstPossible; i < end; ++i) {
        if (lines[i] == kHeaderNamesLine) {
            return static_cast<int>(end - i - 1);
        }
    }
    return -1;
}

QString oneLine(QString text) {
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

// The content with every text on one line: a line break inside a value (settings are edited by hand
// too) would move every later value of the file onto the wrong line.
LayoutFileContent onOneLineEach(LayoutFileContent content) {
    for (QString& text : content.values.texts) {
        text = oneLine(text);
    }
    for (QStringList* texts :
         {&content.values.headerRows, &content.values.headerColumns, &content.headerNames}) {
        for (QString& text : *texts) {
            text = oneLine(text);
        }
    }
    return content;
}

}  // namespace

std::optional<LayoutValues> storedLayoutFields(const Session& session, int headerCount,
                                               UserInteraction& user) {
    const std::optional<ReportLayout> stored =
        readLayout(session.settings, headerCount, user, session.language);
    if (!stored) {
        return std::nullopt;
    }
    LayoutValues values = readLayoutValues(session.settings, headerCount);
    replaceBlankValues(values);
    values.set(kFormStartRow, QString::number(stored->startRow));
    values.set(kFormEndRow, QString::number(stored->endRow));
    values.set(kZeileSpalte, stored->characteristicsInRows ? QStringLiteral("-1") : QStringLiteral("0"));
    return values;
}

bool requiredFieldsFilled(const LayoutValues& values) {
    return std::ranges::none_of(kRequiredFields,
                                [&](QStringView name) { return isBlank(values.text(name)); });
}

void replaceBlankFields(LayoutValues& values) {
    replaceBlankValues(values);
    replaceBlankPlaces(values.headerRows);
    replaceBlankPlaces(values.headerColumns);
}

std::vector<std::pair<QString, QString>> settingsWriteOrder(const LayoutValues& values) {
    std::vector<std::pair<QString, QString>> order;
    for (const QStringView name : kLeadingWriteOrder) {
        order.emplace_back(name.toString(), values.text(name));
    }
    for (int direction = 1; direction <= 2; ++direction) {
        const QStringList& places = direction == 1 ? values.headerRows : values.headerColumns;
        for (int variable = 1; variable <= places.size(); ++variable) {
            order.emplace_back(headerPlaceName(direction, variable), places[variable - 1]);
        }
    }
    order.emplace_back(kLfdNr.toString(), values.text(kLfdNr));
    return order;
}

bool storeLayoutFields(const Session& session, const LayoutValues& values, UserInteraction& user) {
    bool stored = true;
    for (const auto& [name, text] : settingsWriteOrder(values)) {
        stored = session.settings.writeSetting({keys::kExcelReportSettings, name}, text) && stored;
    }
    if (!stored) {
        tellSettingsNotStored(user, session.language);
    }
    return stored;
}

QString withLayoutFileExtension(const QString& path) {
    return path.endsWith(u".cfg", Qt::CaseInsensitive) ? path : path + QStringLiteral(".cfg");
}

std::optional<LayoutFileContent> parseLayoutFileWithItsNames(const QByteArray& bytes, AnsiCodePage codePage) {
    const int headerCount = namesAfterHeaderLine(splitLines(decodeAnsi(bytes, codePage)));
    if (headerCount < 0) {
        return std::nullopt;
    }
    return parseLayoutFile(bytes, headerCount, codePage);
}

bool saveLayoutFileFromFields(Session& session, const QString& path, const LayoutFileContent& content,
                              UserInteraction& user) {
    if (!writeLayoutFile(path, onOneLineEach(content), session.language.codePage())) {
        tellFileProblem(user, session.language, kLayoutFileNotSavedEntry, path);
        return false;
    }
    recordLastUsedFile(session, path, user);
    return true;
}

std::optional<LayoutFileContent> loadLayoutFileIntoFields(Session& session, const QString& path,
                                                          UserInteraction& user) {
    const std::optional<QByteArray> bytes = readFileContents(path);
    std::optional<LayoutFileContent> content =
        bytes ? parseLayoutFileWithItsNames(*bytes, session.language.codePage()) : std::nullopt;
    if (!content) {
        tellFileProblem(user, session.language, kLayoutFileRefusedEntry, path);
        return std::nullopt;
    }
    if (!saveHeaderDataNames(session, content->headerNames, user)) {
        return std::nullopt;
    }
    takeOverHeaderNames(session, content->headerNames);
    recordLastUsedFile(session, path, user);
    return content;
}

}  // namespace korvex
