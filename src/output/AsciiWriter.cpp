#include "output/AsciiWriter.h"

#include "characteristics/CommentMarks.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/HostPartProgram.h"
#include "output/AsciiLineBuilder.h"
#include "output/AsciiWriteSettings.h"
#include "output/DelimitedText.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"
#include "util/AnsiCodec.h"
#include "util/AtomicFile.h"
#include "util/BlankTrim.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"
#include "util/RenameWithoutReplacing.h"
#include "util/UserInteraction.h"

#include <QDir>
#include <QTemporaryFile>

#include <functional>

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kListEmptyEntry = 45;
constexpr int kNothingMarkedEntry = 24;
constexpr int kNoFileWrittenEntry = 46;
constexpr int kSettingsUnreadableEntry = 47;
constexpr int kOpenAsciiFormatEntry = 48;
constexpr int kCannotCreateFileEntry = 49;
constexpr int kNoOutputFolderEntry = 51;
// A row of every column takes some 200 characters.
constexpr qsizetype kReservedCharactersPerRow = 200;
// A new result file: read and write for its owner, read for everyone else.
constexpr QFileDevice::Permissions kResultFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
// StatusBar entries.
constexpr int kWritingStatus = 9;
constexpr int kWrittenStatus = 10;
constexpr int kNotWrittenStatus = 11;

bool isWrittenOutputMode(const QString& outputMode) {
    return outputMode == u"PROTOKOLL" || outputMode == u"BEIDE";
}

QString folderWithSeparator(const QString& folder) {
    const QString path = QDir::fromNativeSeparators(folder);
    return path.endsWith(u'/') ? path : path + u'/';
}

void appendHeaderDataLines(QString& text, const HeaderDataValues& headerData, const QString& delimiter) {
    for (const auto& variable : headerData.variables()) {
        appendTextCell(text, trimBlanks(variable.name), delimiter);
        text += delimiter;
        appendTextCell(text, trimBlanks(variable.value), delimiter);
        text += QLatin1StringView("\r\n");
    }
}

bool anySelected(const std::vector<bool>& selected) {
    return std::find(selected.begin(), selected.end(), true) != selected.end();
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
        if (sources_.selectedEntries.empty()) {
            return fail(MessageIcon::Information, {kListEmptyEntry, kNoFileWrittenEntry});
        }
        if (!anySelected(sources_.selectedEntries)) {
            return fail(MessageIcon::Information, {kNothingMarkedEntry, kNoFileWrittenEntry});
        }
        status(kWritingStatus);
        const std::optional<AsciiWriteSettings> settings = readAsciiWriteSettings(context_.settings);
        if (!settings) {
            return fail(MessageIcon::Critical, {kSettingsUnreadableEntry, kOpenAsciiFormatEntry});
        }
        const QString folder = resultFolder(*settings);
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

    QString resultFolder(const AsciiWriteSettings& settings) const {
        return settings.partProgramFolder ? sources_.partProgram.folder
                                          : context_.settings.readSetting(keys::kDir, context_.programFolder);
    }

    // Without the counter the name is fixed and an earlier file of that name is replaced as a whole.
    bool save(const AsciiWriteSettings& settings, const QString& folder, const QByteArray& content) const {
        const QString extension =
            settings.fileType == AsciiFileType::Csv ? QStringLiteral("csv") : QStringLiteral("txt");
        const auto nameWith = [&](const FileExistsTest& exists) {
            return resultFileName(settings.naming, sources_.partProgram.names, context_.moment, folder,
                                  extension, exists);
        };
        if (settings.naming.useCounter) {
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
        CommentMarks marks(tables);
        const auto& selected = sources_.selectedEntries;
        const int entries = std::min(static_cast<int>(selected.size()), tables.rowCount());
        for (int number = 1; number <= entries; ++number) {
            const CharacteristicRecord& row = *tables.row(number);
            if (!isWrittenOutputMode(row.outputMode) || marks.excludesRowsOf(row.commentIndex) ||
                !selected[static_cast<std::size_t>(number - 1)]) {
                continue;
            }
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
