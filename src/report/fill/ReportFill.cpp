#include "report/fill/ReportFill.h"
#include "report/WorkbookFilter.h"

#include "characteristics/CommentMarks.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "report/SpreadsheetBackend.h"
#include "report/Worksheet.h"
#include "report/fill/CharacteristicCells.h"
#include "report/fill/HeaderCells.h"
#include "report/fill/ReportPages.h"
#include "report/fill/UniqueIdSheet.h"
#include "report/layout/ReportLayout.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"
#include "util/UserInteraction.h"

#include <QFileInfo>

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kListEmptyEntry = 23;
constexpr int kNothingSelectedEntry = 24;
constexpr int kLayoutUnusableEntry = 25;
constexpr int kNoSpreadsheetEntry = 26;
constexpr int kNoTemplateEntry = 27;
constexpr int kCannotCloseBeforeEntry = 28;
constexpr int kCannotOpenEntry = 29;
constexpr int kNoMasterEntry = 30;
constexpr int kHeaderIncompleteEntry = 31;
constexpr int kHeaderIncompleteTailEntry = 32;
constexpr int kHeaderNoCellEntry = 34;
constexpr int kHeaderNoCellTailEntry = 35;
constexpr int kCannotCloseAfterEntry = 36;
constexpr int kCannotQuitEntry = 37;
constexpr int kPageSheetFailedEntry = 60;
constexpr int kSaveFailedEntry = 38;
constexpr int kMasterHoldsValuesEntry = 61;
constexpr int kUniqueIdsFailedEntry = 63;
// StatusBar entries.
constexpr int kFilledStatus = 2;
constexpr int kFilledStatusTail = 3;
constexpr int kFillingStatus = 5;
constexpr int kFillingStatusTail = 6;
constexpr int kNotFilledStatus = 15;

// The part program's message when the workbook was made for other characteristics; it has no
// translation.
const QString kProgramChangedMessage = QStringLiteral(
    "Ihr Messprogramm wurde ge\u00e4ndert.\r\nEs muss eine neue Excel Tabelle f\u00fcr die Ausgabe verwendet "
    "werden.");

bool isReported(const CharacteristicRecord& row) {
    return row.outputMode != u"KEINE" && row.outputMode != u"STATISTIK";
}

// Where one fill stands in the report it writes.
struct WalkState {
    int slotOnPage = 0;
    int runningNumber = 0;
    bool pageHeaderPending = true;
    // Columns layout: the row that receives this run's values on every page.
    int measurementRow = 0;
};

enum class Walk { Continue, Done, Full, Failed };

class ReportFiller {
  public:
    ReportFiller(const ReportRequest& request, ReportSources& sources, const ReportEnvironment& environment)
        : request_(request), sources_(sources), env_(environment), marks_(sources.tables) {}

    ReportFillResult run() {
        status(kFillingStatus, kFillingStatusTail, request_.templatePath);
        const bool saved = passesStartChecks() && openTemplate() && fillAndSave();
        if (app_ != nullptr) {
            close();
        }
        env_.user.setProgress(0, 0);
        if (saved) {
            status(kFilledStatus, kFilledStatusTail, result_.path);
        } else {
            env_.user.setStatusText(env_.language.text(LanguageTable::StatusBar, kNotFilledStatus));
        }
        result_.saved = saved;
        return result_;
    }

  private:
    bool passesStartChecks() {
        if (sources_.entryTexts.isEmpty()) {
            return tell(MessageIcon::Information, kListEmptyEntry);
        }
        if (std::find(sources_.selected.begin(), sources_.selected.end(), true) == sources_.selected.end()) {
            return tell(MessageIcon::Information, kNothingSelectedEntry);
        }
        const int headerCount = static_cast<int>(sources_.headerData.variables().size());
        layout_ = readLayout(env_.settings, headerCount, env_.user, env_.language);
        if (!layout_) {
            return tell(MessageIcon::Information, kLayoutUnusableEntry);
        }
        if (request_.templatePath.trimmed().isEmpty()) {
            return tell(MessageIcon::Information, kNoTemplateEntry);
        }
        return true;
    }

    bool openTemplate() {
        SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> attached = env_.spreadsheets.attach();
        if (!attached) {
            return tell(MessageIcon::Critical, kNoSpreadsheetEntry);
        }
        app_ = std::move(*attached);
        app_->setVisible(false);
        if (!app_->closeAll()) {
            return tell(MessageIcon::Critical, kCannotCloseBeforeEntry);
        }
        SpreadsheetResult<Workbook*> opened = app_->open(request_.templatePath);
        app_->setVisible(false);
        if (!opened) {
            return tellWithReason(kCannotOpenEntry, opened);
        }
        workbook_ = *opened;
        return true;
    }

    bool fillAndSave() {
        const std::optional<int> firstReport = firstReportNumber();
        if (!firstReport) {
            return false;
        }
        negativeNominalRule_ =
            textSwitchIsOn(env_.settings.readSetting(keys::kZozadRegel, QStringLiteral("FALSE")));
        headerCells_ = headerCells(
            *layout_, sources_.headerData,
            [this](HeaderPlaceFault fault, int variable) { tellHeaderPlaceFault(fault, variable); });
        pages_.emplace(*workbook_, layout_->pageNumber);
        for (int report = *firstReport;; ++report) {
            const Walk walk = fillReport(report);
            if (walk == Walk::Failed) {
                return false;
            }
            if (walk == Walk::Done) {
                break;
            }
        }
        if (layout_->pageCount) {
            pages_->writePageCount(*layout_->pageCount);
        }
        return save();
    }

    // Report 1, or report 2 when the workbook was made for other characteristics.
    std::optional<int> firstReportNumber() {
        const SpreadsheetResult<bool> changed =
            recordUniqueIds(*workbook_, sources_.entryTexts, sources_.tables.rows());
        if (!changed) {
            tellWithReason(kUniqueIdsFailedEntry, changed);
            return std::nullopt;
        }
        if (!changed.value()) {
            return 1;
        }
        app_->setVisible(true);
        env_.user.showMessage({.text = kProgramChangedMessage, .icon = MessageIcon::Critical});
        return 2;
    }

    Walk fillReport(int report) {
        if (!pages_->hasMaster()) {
            tell(MessageIcon::Information, kNoMasterEntry);
            return Walk::Failed;
        }
        if (const SpreadsheetStatus opened = pages_->openReport(report); !opened) {
            tellWithReason(kPageSheetFailedEntry, opened);
            return Walk::Failed;
        }
        WalkState state;
        if (!layout_->characteristicsInRows) {
            const std::optional<int> row = freeMeasurementRow();
            if (!row) {
                return reportFull();
            }
            state.measurementRow = *row;
        }
        const int count = static_cast<int>(sources_.entryTexts.size());
        for (int entry = 0; entry < count; ++entry) {
            env_.user.setProgress(entry, std::max(count - 1, 1));
            if (const Walk walk = placeEntry(entry, state); walk != Walk::Continue) {
                return walk;
            }
        }
        return Walk::Done;
    }

    Walk placeEntry(int entry, WalkState& state) {
        const CharacteristicRecord* row = sources_.tables.row(entry + 1);
        const bool selected = static_cast<std::size_t>(entry) < sources_.selected.size() &&
                              sources_.selected[static_cast<std::size_t>(entry)];
        if (row == nullptr || !isReported(*row) || marks_.excludesRowsOf(row->commentIndex) ||
            (layout_->emptyCells && !selected)) {
            return Walk::Continue;
        }
        ++state.runningNumber;
        if (request_.onlySelected && !selected) {
            return Walk::Continue;
        }
        if (++state.slotOnPage > layout_->pageCapacity()) {
            if (const SpreadsheetStatus opened = pages_->openNextPage(); !opened) {
                tellWithReason(kPageSheetFailedEntry, opened);
                return Walk::Failed;
            }
            state.slotOnPage = 1;
            state.pageHeaderPending = true;
        }
        const CommentRecord* comment = sources_.tables.comment(row->commentIndex);
        const ReportEntry written{*row, sources_.entryTexts[entry], selected,
                                  comment != nullptr ? comment->line(1) : QString(), state.runningNumber};
        return layout_->characteristicsInRows ? placeInRow(written, state) : placeInColumn(written, state);
    }

    Walk placeInRow(const ReportEntry& entry, WalkState& state) {
        const int row = layout_->startRow + state.slotOnPage - 1;
        Worksheet& sheet = pages_->current();
        const auto free = std::find_if(layout_->measurementColumns.begin(), layout_->measurementColumns.end(),
                                       [&](int column) {
                                           return sheet.readText({row, column}).isEmpty();
                                       });
        if (free == layout_->measurementColumns.end()) {
            return reportFull();
        }
        const CellRef measured{row, *free};
        writeEntry(entry, row, measured, row == layout_->startRow, state);
        return Walk::Continue;
    }

    Walk placeInColumn(const ReportEntry& entry, WalkState& state) {
        const int column = layout_->measurementColumns[static_cast<std::size_t>(state.slotOnPage - 1)];
        writeEntry(entry, column, {state.measurementRow, column}, state.slotOnPage == 1, state);
        return Walk::Continue;
    }

    void writeEntry(const ReportEntry& entry, int line, CellRef measured, bool firstOnPage,
                    WalkState& state) {
        Worksheet& sheet = pages_->current();
        const CharacteristicCells cells(*layout_, negativeNominalRule_);
        cells.write(sheet, line, entry);
        cells.writeMeasured(sheet, measured, entry);
        if (firstOnPage || state.pageHeaderPending) {
            writePageCells(sheet, measured);
            state.pageHeaderPending = false;
        }
    }

    // The part program's cells, the header data, the date and the time.
    void writePageCells(Worksheet& sheet, CellRef measured) const {
        const PartProgramNames& program = sources_.partProgram;
        const auto writeFixed = [&sheet](const std::optional<CellRef>& cell, const QString& text) {
            if (cell) {
                sheet.writeText(*cell, text);
            }
        };
        writeFixed(layout_->programName, program.partName);
        writeFixed(layout_->drawingNumber, program.drawingNumber);
        writeFixed(layout_->revision, program.revision);
        for (const HeaderCell& cell : headerCells_) {
            sheet.writeText(cell.place.at(measured), cell.value);
        }
        const bool inRows = layout_->characteristicsInRows;
        const auto besideMeasurement = [inRows](int line) {
            return inRows ? PlaceNearMeasurement{line, std::nullopt}
                          : PlaceNearMeasurement{std::nullopt, line};
        };
        if (layout_->dateLine) {
            sheet.writeDate(besideMeasurement(*layout_->dateLine).at(measured), env_.moment.now.date());
        }
        if (layout_->timeLine) {
            // The time of the fill to the second, as the date and time texts taken at its start.
            const QTime time = env_.moment.now.time();
            sheet.writeTime(besideMeasurement(*layout_->timeLine).at(measured),
                            QTime(time.hour(), time.minute(), time.second()));
        }
    }

    std::optional<int> freeMeasurementRow() const {
        const Worksheet& sheet = pages_->current();
        const int column = layout_->measurementColumns.front();
        for (int row = layout_->startRow; row <= layout_->endRow; ++row) {
            if (sheet.readText({row, column}).isEmpty()) {
                return row;
            }
        }
        return std::nullopt;
    }

    // A full report sends the fill on to the next one, unless the page was just copied from "Master":
    // then the template's own measurement places hold values and every new report would be full too.
    Walk reportFull() {
        if (pages_->currentIsFresh()) {
            tell(MessageIcon::Critical, kMasterHoldsValuesEntry);
            return Walk::Failed;
        }
        return Walk::Full;
    }

    bool save() {
        QString target = request_.templatePath;
        SpreadsheetStatus saved;
        if (request_.readOnlyChoice) {
            const std::optional<QString> chosen = env_.chooseSavePath(workbookFilter(app_->version()));
            if (!chosen) {
                return false;
            }
            target = *chosen;
            saved = workbook_->saveAs(target);
        } else if (request_.onlySelected) {
            target = generatedReportName(request_.templatePath, env_.moment);
            saved = workbook_->saveAs(target);
        } else {
            saved = workbook_->save();
        }
        if (!saved) {
            return tellWithReason(kSaveFailedEntry, saved);
        }
        result_.path = target;
        return true;
    }

    void close() {
        if (!app_->closeAll()) {
            tell(MessageIcon::Critical, kCannotCloseAfterEntry);
        }
        if (!app_->quit()) {
            tell(MessageIcon::Critical, kCannotQuitEntry);
        }
        app_.reset();
    }

    void tellHeaderPlaceFault(HeaderPlaceFault fault, int variable) {
        const bool incomplete = fault == HeaderPlaceFault::Incomplete;
        const QString text =
            QStringLiteral("%1 %2 %3")
                .arg(messageText(incomplete ? kHeaderIncompleteEntry : kHeaderNoCellEntry))
                .arg(variable)
                .arg(messageText(incomplete ? kHeaderIncompleteTailEntry : kHeaderNoCellTailEntry));
        env_.user.showMessage({.text = text, .icon = MessageIcon::Information});
    }

    // Always false, so a failed step can return it.
    bool tell(MessageIcon icon, int entry) {
        showMessageBoxen(env_.user, env_.language, icon, {entry});
        return false;
    }

    // A failure: the message, below it what kind of spreadsheet failure it was and the spreadsheet's own
    // details. Always false.
    template <typename Failed>
    bool tellWithReason(int entry, const Failed& failed) {
        env_.user.showMessage({.text = messageText(entry) + QStringLiteral("\r\n") +
                                       messageText(spreadsheetErrorEntry(failed.errorKind())) +
                                       QStringLiteral("\r\n") + failed.error(),
                               .icon = MessageIcon::Critical});
        return false;
    }

    QString messageText(int entry) const { return env_.language.text(LanguageTable::MessageBoxen, entry); }

    void status(int entry, int tailEntry, const QString& path) {
        env_.user.setStatusText(QStringLiteral("%1 %2 %3")
                                    .arg(env_.language.text(LanguageTable::StatusBar, entry), path,
                                         env_.language.text(LanguageTable::StatusBar, tailEntry)));
    }

    const ReportRequest& request_;
    ReportSources& sources_;
    const ReportEnvironment& env_;
    CommentMarks marks_;
    std::optional<ReportLayout> layout_;
    std::unique_ptr<SpreadsheetApplication> app_;
    Workbook* workbook_ = nullptr;
    std::optional<ReportPages> pages_;
    std::vector<HeaderCell> headerCells_;
    bool negativeNominalRule_ = false;
    ReportFillResult result_;
};

}  // namespace

ReportFillResult fillReport(const ReportRequest& request, ReportSources& sources,
                            const ReportEnvironment& environment) {
    return ReportFiller(request, sources, environment).run();
}

QString generatedReportName(const QString& templatePath, const NamingMoment& moment) {
    const QString suffix = QFileInfo(templatePath).suffix();
    const QString base = suffix.isEmpty() ? templatePath : templatePath.chopped(suffix.size() + 1);
    const bool keepsSuffix = suffix.compare(u"xls", Qt::CaseInsensitive) == 0 ||
                             suffix.compare(u"xlsm", Qt::CaseInsensitive) == 0 ||
                             suffix.compare(u"ods", Qt::CaseInsensitive) == 0;
    const QString date = moment.locale.toString(moment.now.date(), QLocale::ShortFormat);
    return QStringLiteral("%1__%2__%3.%4")
        .arg(base, fileNameSafe(date), timeText(moment.now.time()),
             keepsSuffix ? suffix : QStringLiteral("xlsx"));
}

}  // namespace korvex
