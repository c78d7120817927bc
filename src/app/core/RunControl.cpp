#include "app/core/RunControl.h"

#include "app/core/ReportOutput.h"
#include "app/core/RunView.h"
#include "app/core/Session.h"
#include "capture/OnlineCapture.h"
#include "characteristics/CharacteristicReader.h"
#include "characteristics/HostFailureMessage.h"
#include "host/ConnectToHost.h"
#include "host/HostApplication.h"
#include "host/HostCallError.h"
#include "host/HostCommand.h"
#include "host/HostCommandCollection.h"
#include "host/HostDimension.h"
#include "host/HostFailureText.h"
#include "host/HostPartProgram.h"
#include "host/HostSession.h"
#include "output/AsciiOutput.h"
#include "settings/SettingTexts.h"
#include "util/MessageBoxen.h"
#include "util/UserInteraction.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryFile>

#include <set>

namespace korvex {
namespace {

constexpr int kExitProduced = 0;
constexpr int kExitNotProduced = 1;
constexpr int kLayoutNotLoadedText = 9;
constexpr int kNoAsciiFileWrittenText = 46;
constexpr int kNoPartProgramFactsText = 50;
constexpr int kJoinedLateText = 52;

// The host's toolbar layout is copied aside before the offline read and handed back afterwards, with
// the host window's size, which the walk may change. The copy is a temporary file of our own in the
// host's target folder (the temporary folder when none is set), so the host's own file is never
// deleted or overwritten, whatever the two folders are.
class ToolbarStateKeeper {
  public:
    explicit ToolbarStateKeeper(HostApplication& application)
        : application_(application), width_(application.windowWidth()), height_(application.windowHeight()) {
        QFile source(QDir(application.toolbarStateSourceFolder()).filePath(kFileName));
        const QString target = application.toolbarStateTargetFolder();
        copy_.setFileTemplate(QDir(target.isEmpty() ? QDir::tempPath() : target)
                                  .filePath(QStringLiteral("toolbarstate-XXXXXX.dat")));
        copied_ = source.open(QIODevice::ReadOnly) && copy_.open() &&
                  copy_.write(source.readAll()) == source.size() && copy_.flush();
        copy_.close();
    }

    void restore(HostPartProgram& partProgram) {
        application_.setWindowWidth(width_);
        application_.setWindowHeight(height_);
        if (copied_) {
            partProgram.loadToolbarState(copy_.fileName());
        }
    }

  private:
    static constexpr QLatin1StringView kFileName{"toolbarstate.dat"};

    HostApplication& application_;
    QTemporaryFile copy_;
    double width_;
    double height_;
    bool copied_ = false;
};

}  // namespace

RunControl::RunControl(Parts parts, QObject* parent) : QObject(parent), parts_(parts) {}

RunControl::~RunControl() = default;

void RunControl::dispatchStartArguments() {
    switch (parts_.session.arguments.runMode()) {
        case RunMode::All:
        case RunMode::Marked:
            readProgramOffline();
            break;
        case RunMode::Online:
            toggleOnlineReceive();
            break;
        case RunMode::Interactive:
            break;
    }
}

bool RunControl::connectHost() {
    if (connectToHost(parts_.host, parts_.connector, parts_.session.language, parts_.user)) {
        return true;
    }
    endUnattendedRun(false);
    return false;
}

void RunControl::showProgramLabels() {
    HostPartProgram& program = *parts_.host.partProgram;
    parts_.view.showProgramLabels(
        {program.fileName(), program.name(), program.revision(), program.drawingNumber()});
}

void RunControl::readProgramOffline() {
    if (!connectHost()) {
        return;
    }
    Session& session = parts_.session;
    parts_.view.resetResults();
    parts_.view.clearCharacteristics();
    // A read that fails before its walk leaves nothing of the previous program to show or write.
    clearReadResults({session.values, session.headerData});
    ReadOutcome outcome;
    try {
        showProgramLabels();
        ToolbarStateKeeper toolbarState(*parts_.host.application);
        outcome = readCharacteristics(*parts_.host.application, *parts_.host.commands,
                                      {session.settings, session.language, parts_.user},
                                      {session.values, session.headerData});
        if (outcome.complete) {  // a host that broke the walk off has been told about once
            toolbarState.restore(*parts_.host.partProgram);
        }
    } catch (const HostCallError& error) {
        tellHostFailure(parts_.user, session.language, hostFailureText(session.language, error));
        outcome.complete = false;
    }
    parts_.view.showCharacteristics();
    parts_.view.showEvaluation(outcome.evaluation);
    parts_.view.showHeaderDataValues();
    if (!outcome.complete) {
        // Results of a walk the host broke off are shown, never written as if they were complete.
        endUnattendedRun(false);
        return;
    }
    actOnStartOptions();
}

bool RunControl::isCapturing() const {
    return capture_ != nullptr && capture_->isOn();
}

void RunControl::toggleOnlineReceive() {
    if (isCapturing()) {
        switchCaptureOff();
    } else {
        switchCaptureOn();
    }
}

void RunControl::switchCaptureOn() {
    Session& session = parts_.session;
    if (settingIsTrue(session.settings.readSetting(keys::kMinimize, QStringLiteral("0")))) {
        parts_.view.minimize();
    }
    if (!connectHost()) {
        return;
    }
    try {
        showProgramLabels();
    } catch (const HostCallError& error) {
        tellHostFailure(parts_.user, session.language, hostFailureText(session.language, error));
        endUnattendedRun(false);
        return;
    }
    parts_.view.clearCharacteristics();
    parts_.view.resetResults();
    capture_ =
        std::make_unique<OnlineCapture>(ReaderEnvironment{session.settings, session.language, parts_.user},
                                        ReaderTargets{session.values, session.headerData});
    connect(capture_.get(), &OnlineCapture::runEnded, this, &RunControl::endOfRun);
    connect(capture_.get(), &OnlineCapture::commandCaptured, this,
            [this] { parts_.view.showHeaderDataValues(); });
    if (!capture_->switchOn(parts_.host)) {
        endUnattendedRun(false);
        return;
    }
    parts_.view.showCaptureState(true);
}

void RunControl::switchCaptureOff() {
    if (capture_ != nullptr) {
        capture_->switchOff();
    }
    parts_.view.showCaptureState(false);
    actOnStartOptions();
}

void RunControl::endOfRun(RunEnd end) {
    if (end == RunEnd::QuitWithoutOutput) {
        parts_.view.endProgram(parts_.session.arguments.isUnattended() ? kExitNotProduced : kExitProduced);
        return;
    }
    Session& session = parts_.session;
    parts_.view.showCharacteristics();
    parts_.view.showEvaluation(evaluateTolerances(session.values, interventionPercent(session.settings)));
    parts_.view.showHeaderDataValues();
    if (end == RunEnd::JoinedLate) {
        showMessageBoxen(parts_.user, session.language, MessageIcon::Information, {kJoinedLateText});
    }
    if (end == RunEnd::HostLost || end == RunEnd::JoinedLate) {
        parts_.view.showCaptureState(false);
        endUnattendedRun(false);
        return;
    }
    switchCaptureOff();
}

void RunControl::actOnStartOptions() {
    const StartArguments& arguments = parts_.session.arguments;
    if (!arguments.isUnattended()) {
        return;
    }
    const auto rows = parts_.session.values.rows();
    parts_.view.setSelection(startOptionSelection(rows, arguments.runMode(), arguments.at(4)));
    if (arguments.at(2).isEmpty()) {
        writeAsciiOutput();
        return;
    }
    if (!parts_.report.importLayout(arguments.at(3))) {
        parts_.user.showMessage(
            {.text = parts_.session.language.text(LanguageTable::MessageBoxen, kLayoutNotLoadedText)});
        endUnattendedRun(false);
        return;
    }
    fillReports();
}

void RunControl::fillReports() {
    const StartArguments& arguments = parts_.session.arguments;
    bool produced =
        parts_.report.fillReport(arguments.at(2), arguments.at(4) == u"OOT", parts_.view.selection());
    if (arguments.at(4) == u"ALO") {
        const Selection outOfTolerance =
            startOptionSelection(parts_.session.values.rows(), arguments.runMode(), QStringLiteral("OOT"));
        parts_.view.setSelection(outOfTolerance);
        const QString second = arguments.at(5).trimmed();
        if (!second.isEmpty()) {
            produced = parts_.report.fillReport(second, true, outOfTolerance) && produced;
        }
    }
    endUnattendedRun(produced);
}

void RunControl::writeAsciiOutput() {
    switch (outputAscii(AsciiFolder::AsSettingsSay)) {
        case AsciiOutputResult::FolderToBeChosen:
            parts_.view.askForOutputFolder();
            break;
        case AsciiOutputResult::Written:
            endUnattendedRun(true);
            break;
        case AsciiOutputResult::NotWritten:
            endUnattendedRun(false);
            break;
    }
}

void RunControl::writeAsciiIntoChosenFolder() {
    if (outputAscii(AsciiFolder::Chosen) == AsciiOutputResult::Written &&
        parts_.session.arguments.runMode() == RunMode::All) {
        parts_.view.endProgram(kExitProduced);
    }
}

AsciiOutputResult RunControl::outputAscii(AsciiFolder folder) {
    Session& session = parts_.session;
    if (parts_.host.partProgram == nullptr) {
        // The file is named and placed by the host's part program: without it nothing is written.
        showMessageBoxen(parts_.user, session.language, MessageIcon::Critical,
                         {kNoPartProgramFactsText, kNoAsciiFileWrittenText});
        return AsciiOutputResult::NotWritten;
    }
    try {
        const PartProgramFacts facts = readPartProgramFacts(*parts_.host.partProgram);
        const Selection selection = parts_.view.selection();
        const AsciiOutputSources sources{session.values, selection, session.headerData, facts};
        const AsciiOutputContext context{session.settings,
                                         session.language,
                                         parts_.user,
                                         session.programFolder.writable(),
                                         {QDateTime::currentDateTime(), QLocale()}};
        if (folder == AsciiFolder::Chosen) {
            return writeResultFile(sources, context) ? AsciiOutputResult::Written
                                                     : AsciiOutputResult::NotWritten;
        }
        return runAsciiOutput(sources, context, session.arguments.isUnattended());
    } catch (const HostCallError& error) {
        tellHostFailure(parts_.user, session.language, hostFailureText(session.language, error));
        return AsciiOutputResult::NotWritten;
    }
}

void RunControl::locateInHost(int rowNumber) {
    const CharacteristicRecord* row = parts_.session.values.row(rowNumber);
    if (row == nullptr || !parts_.host.isConnected()) {
        return;
    }
    try {
        std::shared_ptr<HostCommand> command = parts_.host.commands->commandWithUniqueId(row->uniqueId);
        if (command == nullptr) {
            return;
        }
        // The host answers "previous" for us; a host answering in a cycle must not hang the walk.
        std::set<UniqueId> visited{command->uniqueId()};
        while (command->isDimension()) {
            const std::shared_ptr<HostDimension> dimension = command->dimension();
            if (dimension == nullptr || !(dimension->isLocationAxis() || dimension->isTruePositionAxis())) {
                break;
            }
            std::shared_ptr<HostCommand> previous = command->previous();
            if (previous == nullptr || !visited.insert(previous->uniqueId()).second) {
                break;
            }
            command = std::move(previous);
        }
        command->activate();
    } catch (const HostCallError& error) {
        tellHostFailure(parts_.user, parts_.session.language,
                        hostFailureText(parts_.session.language, error));
    }
}

void RunControl::endUnattendedRun(bool produced) {
    if (parts_.session.arguments.isUnattended()) {
        parts_.view.endProgram(produced ? kExitProduced : kExitNotProduced);
    }
}

}  // namespace korvex
