#include "output/AsciiWriter.h"

#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/HostPartProgram.h"
#include "output/AsciiLineBuilder.h"
#include "output/AsciiWriteSettings.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"
#include "util/AnsiCodec.h"
#include "util/AtomicFile.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"
#include "util/UserInteraction.h"

#include <QDir>
#include <QFileInfo>

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kListEmptyEntry = 45;
constexpr int kNothingMarkedEntry = 24;
constexpr int kNoFileWrittenEntry = 46;
constexpr int kSettingsUnreadableEntry = 47;
constexpr int kOpenAsciiFormatEntry = 48;
constexpr int kCannotCreateFileEntry = 49;
// A row of every column takes some 200 characters.
constexpr qsizetype kReservedCharactersPerRow = 200;
// StatusBar entries.
constexpr int kWritingStatus = 9;
constexpr int kWrittenStatus = 10;
constexpr int kNotWrittenStatus = 11;

bool isWrittenOutputMode(const QString& outputMode) {
    return outputMode == u"PROTOKOLL" || outputMode == u"BEIDE";
}

// The marks at the start of a comment's first line: "<<#" keeps the rows of that comment out of
// the file, "<<" is taken off (and the rest trimmed). Each comment entry is looked at once per
// output, so rows sharing a comment share its decision and a mark is taken off only once.
class CommentMarks {
  public:
    explicit CommentMarks(ValueTables& tables)
        : tables_(tables), decided_(static_cast<std::size_t>(tables.commentCount()) + 1, Decision::Open) {}

    bool excludesRowsOf(int commentIndex) {
        CommentRecord* comment = tables_.comment(commentIndex);
        if (comment == nullptr) {
            return false;
        }
        Decision& decision = decided_[static_cast<std::size_t>(commentIndex)];
        if (decision == Decision::Open) {
            decision = decide(*comment);
        }
        return decision == Decision::Exclude;
    }

  private:
    enum class Decision { Open, Exclude, Include };

    static Decision decide(CommentRecord& comment) {
        const QString first = comment.line(1);
        if (first.startsWith(u"<<#")) {
            return Decision::Exclude;
        }
        if (first.startsWith(u"<<")) {
            comment.setLine(1, first.mid(2).trimmed());
        }
        return Decision::Include;
    }

    ValueTables& tables_;
    std::vector<Decision> decided_;
};

QString folderWithSeparator(const QString& folder) {
    const QString path = QDir::fromNativeSeparators(folder);
    return path.endsWith(u'/') ? path : path + u'/';
}

void appendHeaderDataLines(QString& text, const HeaderDataValues& headerData, const QString& delimiter) {
    for (const auto& variable : headerData.variables()) {
        text += variable.name.trimmed() + delimiter + variable.value.trimmed() + QLatin1StringView("\r\n");
    }
}

bool anySelected(const std::vector<bool>& selected) {
    return std::find(selected.begin(), selected.end(), true) != selected.end();
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
        const std::optional<QString> path = fileName(*settings);
        if (!path || replaceFileAtomically(*path, encodeAnsi(fileText(*settings))).has_value()) {
            return fail(MessageIcon::Critical, {kCannotCreateFileEntry});
        }
        return true;
    }

    std::optional<QString> fileName(const AsciiWriteSettings& settings) const {
        const QString folder = settings.partProgramFolder
                                   ? sources_.partProgram.folder
                                   : context_.settings.readSetting(keys::kDir, context_.programFolder);
        const QString extension =
            settings.fileType == AsciiFileType::Csv ? QStringLiteral("csv") : QStringLiteral("txt");
        return resultFileName(settings.naming, sources_.partProgram.names, context_.moment,
                              folderWithSeparator(folder), extension,
                              [](const QString& candidate) { return QFileInfo::exists(candidate); });
    }

    QString fileText(const AsciiWriteSettings& settings) const {
        QString text;
        text.reserve(kReservedCharactersPerRow * sources_.tables.rowCount());
        if (settingIsTrue(context_.settings.readSetting(keys::kHeader, QStringLiteral("0")))) {
            appendHeaderDataLines(text, sources_.headerData, settings.delimiter);
        }
        const bool zozadRegel =
            switchIsOn(context_.settings.readSetting(keys::kZozadRegel, QStringLiteral("FALSE")));
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
