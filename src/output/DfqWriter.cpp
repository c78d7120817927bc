#include "output/DfqWriter.h"

#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "output/DfqFile.h"
#include "output/DfqText.h"
#include "output/OutputRows.h"
#include "output/ResultFilePlacement.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"
#include "util/AnsiCodec.h"
#include "util/BlankTrim.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"
#include "util/UserInteraction.h"

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kCannotCreateFileEntry = 49;
constexpr int kNoOutputFolderEntry = 51;
constexpr int kProgramChangedEntry = 105;
constexpr int kFileNotWrittenEntry = 106;
constexpr int kNoDfqFileWrittenEntry = 107;
constexpr int kPlacementUnreadableEntry = 108;
// StatusBar entries.
constexpr int kWritingStatus = 27;
constexpr int kWrittenStatus = 28;

struct EncodedRun {
    QByteArray description;
    QByteArray values;
    QStringList unmappable;
};

EncodedRun encodedRun(const QString& description, const QString& values, AnsiCodePage codePage) {
    EncodedAnsi head = encodeAnsi(description, codePage);
    EncodedAnsi tail = encodeAnsi(values, codePage);
    for (const QString& character : tail.unmappable) {
        if (!head.unmappable.contains(character)) {
            head.unmappable.append(character);
        }
    }
    return {std::move(head.bytes), std::move(tail.bytes), std::move(head.unmappable)};
}

class DfqFileWriter {
  public:
    DfqFileWriter(const AsciiOutputSources& sources, const AsciiOutputContext& context)
        : sources_(sources), context_(context) {}

    bool write() {
        const bool written = tryWrite();
        context_.user.setStatusText(
            written ? context_.language.text(LanguageTable::StatusBar, kWrittenStatus)
                    : context_.language.text(LanguageTable::MessageBoxen, kNoDfqFileWrittenEntry));
        return written;
    }

  private:
    bool tryWrite() {
        if (const std::optional<int> reason = nothingToWriteEntry(sources_.selectedEntries)) {
            return fail(MessageIcon::Information, {*reason, kNoDfqFileWrittenEntry});
        }
        context_.user.setStatusText(context_.language.text(LanguageTable::StatusBar, kWritingStatus));
        const std::optional<ResultFilePlacement> placement = readResultFilePlacement(context_.settings);
        if (!placement) {
            return fail(MessageIcon::Critical, {kPlacementUnreadableEntry, kNoDfqFileWrittenEntry});
        }
        const QString folder =
            resultFolder(*placement, sources_.partProgram.folder, context_.settings, context_.programFolder);
        if (trimBlanks(folder).isEmpty()) {
            return fail(MessageIcon::Critical, {kNoOutputFolderEntry, kNoDfqFileWrittenEntry});
        }
        const EncodedRun run = encodeRun();
        const DfqFileTarget target{.folder = folderWithSeparator(folder),
                                   .naming = placement->naming,
                                   .names = sources_.partProgram.names,
                                   .moment = context_.moment};
        const DfqSaveResult saved = saveDfqRun(target, run.description, run.values);
        if (!tellOutcome(saved)) {
            return false;
        }
        tellUnmappableCharacters(context_.user, context_.language, run.unmappable);
        return true;
    }

    EncodedRun encodeRun() const {
        ValueTables& tables = sources_.tables;
        std::vector<const CharacteristicRecord*> rows;
        for (const int number : rowsToWrite(tables, sources_.selectedEntries)) {
            rows.push_back(tables.row(number));
        }
        const bool useHeaderData =
            settingIsTrue(context_.settings.readSetting(keys::kHeader, QStringLiteral("0")));
        const DfqRunFacts facts =
            dfqRunFacts(useHeaderData ? sources_.headerData : HeaderDataValues{}, context_.moment.now);
        return encodedRun(dfqDescription(sources_.partProgram.names, rows), dfqValues(rows, facts),
                          context_.language.codePage());
    }

    // Tells what the user must know of the outcome; false when nothing was written.
    bool tellOutcome(const DfqSaveResult& saved) {
        switch (saved.outcome) {
            case DfqSaveOutcome::Appended:
            case DfqSaveOutcome::Created:
                return true;
            case DfqSaveOutcome::CreatedBesideChangedProgram:
                showMessageBoxenWithDetail(context_.user, context_.language, MessageIcon::Information,
                                           kProgramChangedEntry, saved.path);
                return true;
            case DfqSaveOutcome::NoFreeName:
                return fail(MessageIcon::Critical, {kCannotCreateFileEntry, kNoDfqFileWrittenEntry});
            case DfqSaveOutcome::NotWritten:
                break;
        }
        showMessageBoxenWithDetail(context_.user, context_.language, MessageIcon::Critical,
                                   kFileNotWrittenEntry, saved.path);
        return false;
    }

    bool fail(MessageIcon icon, std::initializer_list<int> entries) {
        showMessageBoxen(context_.user, context_.language, icon, entries);
        return false;
    }

    const AsciiOutputSources& sources_;
    const AsciiOutputContext& context_;
};

}  // namespace

bool writeDfqFile(const AsciiOutputSources& sources, const AsciiOutputContext& context) {
    return DfqFileWriter(sources, context).write();
}

}  // namespace korvex
