#include "output/AsciiWriter.h"

#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/HostPartProgram.h"
#include "output/AsciiLineBuilder.h"
#include "output/AsciiWriteSettings.h"
#include "output/DelimitedText.h"
#include "output/OutputRows.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"
#include "util/AnsiCodec.h"
#include "util/AtomicFile.h"
#include "util/BlankTrim.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"
#include "util/RenameWithoutReplacing.h"
#include "util/UserInteraction.h"

#include <QTemporaryFile>

#include <functional>

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kNoFileWrittenEntry = 46;
constexpr int kSettingsUnreadableEntry = 47;
constexpr int kOpenAsciiFormatEntry = 48;
constexpr int kCannotCreateFileEntry = 49;
constexpr int kNoOutputFolderEntry = 51;
// A row of every column takes some 200 characters.
constexpr qsizetype kReservedCharactersPerRow = 200;
// StatusBar entries.
constexpr int kWritingStatus = 9;
constexpr int kWrittenStatus = 10;
constexpr int kNotWrittenStatus = 11;

void appendHeaderDataLines(QString& text, const HeaderDataValues& headerData, const QString& delimiter) {
    for (const auto& variable : headerData.variables()) {
        appendTextCell(text, trimBlanks(variable.name), delimiter);
        text += delimiter;
        appendTextCell(text, trimBlanks(variable.value), delimiter);
        text += QLatin1StringView("\r\n");
    }
}

// Writes the file under the first free counter name. Each name is taken in one step that fails when
// the name exists, so two writers at the same moment (two instances on one host run) never replace
// each other's file: the later one takes the next number.
bool saveUnderFreeName(const QString& folder, const QByteArray& content,
                       const std::function<std::optional<QString>(const FileExistsTest&)>& nameWith) {
    QTemporaryFile file(folder + QStringLiteral(".result-XXXXXX.tmp"));
    if (!file.open() || file.write(content) != content.size() || !file.flush()) {
        return false;
    }
    file.setPermissions(kResultFilePermissions);
    file.close();
    bool failed = false;
    const auto takenElsewhere = [&](const QString& candidate) {
        const RenameOutcome outcome = renameWithoutReplacing(file.fileName(), candidate);
        failed = outcome == RenameOutcome::Failed;
        return outcome == RenameOutcome::TargetExists;
    };
    const bool written = nameWith(takenElsewhere).has_value() && !failed;
    file.setAutoRemove(!written);
    return written;
}

class AsciiFileWriter {
  public:
    AsciiFileWriter(const AsciiOutputSources& sources, const AsciiOutputContext& context)
        : sources_(sources), context_(context) {}

    bool write() {
        const bool written = tryWrite();
        status(written ? kWrittenStatus : kNotWrittenStatus);
        return written;
    }

  private:
    bool tryWrite() {
        if (const std::optional<int> reason = nothingToWriteEntry(sources_.selectedEntries)) {
            return fail(MessageIcon::Information, {*reason, kNoFileWrittenEntry});
        }
        status(kWritingStatus);
        const std::optional<AsciiWriteSettings> settings = readAsciiWriteSettings(context_.settings);
        if (!settings) {
            return fail(MessageIcon::Critical, {kSettingsUnreadableEntry, kOpenAsciiFormatEntry});
        }
        const QString folder = resultFolder(settings->placement, sources_.partProgram.folder,
                                            context_.settings, context_.programFolder);
        if (trimBlanks(folder).isEmpty()) {
            return fail(MessageIcon::Critical, {kNoOutputFolderEntry, kNoFileWrittenEntry});
        }
        const EncodedAnsi encoded = encodeAnsi(fileText(*settings), context_.language.codePage());
        if (!save(*settings, folderWithSeparator(folder), encoded.bytes)) {
            return fail(MessageIcon::Critical, {kCannotCreateFileEntry});
        }
        tellUnmappableCharacters(context_.user, context_.language, encoded.unmappable);
        return true;
    }

    // Without the counter the name is fixed and an earlier file of that name is replaced as a whole.
    bool save(const AsciiWriteSettings& settings, const QString& folder, const QByteArray& content) const {
        const QString extension =
            settings.fileType == AsciiFileType::Csv ? QStringLiteral("csv") : QStringLiteral("txt");
        const auto nameWith = [&](const FileExistsTest& exists) {
            return resultFileName(settings.placement.naming, sources_.partProgram.names, context_.moment,
                                  folder, extension, exists);
        };
        if (settings.placement.naming.useCounter) {
            return saveUnderFreeName(folder, content, nameWith);
        }
        return writeFileAtomically(*nameWith([](const QString&) { return false; }), content);
    }

    QString fileText(const AsciiWriteSettings& settings) const {
        QString text;
        text.reserve(kReservedCharactersPerRow * sources_.tables.rowCount());
        if (settingIsTrue(context_.settings.readSetting(keys::kHeader, QStringLiteral("0")))) {
            appendHeaderDataLines(text, sources_.headerData, settings.delimiter);
        }
        const bool zozadRegel =
            textSwitchIsOn(context_.settings.readSetting(keys::kZozadRegel, QStringLiteral("FALSE")));
        const AsciiLineBuilder builder(settings.places, settings.delimiter, zozadRegel,
                                       context_.moment.locale.decimalPoint().front());
        builder.appendTitleLine(text);
        appendRowLines(builder, text);
        return text;
    }

    void appendRowLines(const AsciiLineBuilder& builder, QString& text) const {
        ValueTables& tables = sources_.tables;
        for (const int number : rowsToWrite(tables, sources_.selectedEntries)) {
            const CharacteristicRecord& row = *tables.row(number);
            builder.appendRowLine(text, row, tables.comment(row.commentIndex));
        }
    }

    bool fail(MessageIcon icon, std::initializer_list<int> entries) {
        showMessageBoxen(context_.user, context_.language, icon, entries);
        return false;
    }

    void status(int entry) {
        context_.user.setStatusText(context_.language.text(LanguageTable::StatusBar, entry));
    }

    const AsciiOutputSources& sources_;
    const AsciiOutputContext& context_;
};

}  // namespace

PartProgramFacts readPartProgramFacts(HostPartProgram& partProgram) {
    return {.names = {.partName = partProgram.name(),
                      .drawingNumber = partProgram.drawingNumber(),
                      .revision = partProgram.revision()},
            .folder = partProgram.folder()};
}

bool writeAsciiFile(const AsciiOutputSources& sources, const AsciiOutputContext& context) {
    return AsciiFileWriter(sources, context).write();
}

}  // namespace korvex
