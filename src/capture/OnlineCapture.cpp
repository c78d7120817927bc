#include "capture/OnlineCapture.h"

#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/HostApplication.h"
#include "host/HostCallError.h"
#include "host/HostCommand.h"
#include "host/HostCommandCollection.h"
#include "host/HostEventSource.h"
#include "host/HostFailureText.h"
#include "host/HostPartProgram.h"
#include "host/HostSession.h"
#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace korvex {
namespace {

constexpr int kAbortedTermination = 2;
constexpr int kEndOfRunCommentKind = 3;
constexpr int kStartHostText = 42;

// An executed comment of kind 3 with the text "EEK" ends the run where it stands.
bool isEndOfRunComment(const CommandSnapshot& command) {
    return command.isComment && command.comment && command.comment->kind == kEndOfRunCommentKind &&
           command.comment->text == u"EEK";
}

// The program's executable name, without folder and extension.
QString executableName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace

OnlineCapture::OnlineCapture(const ReaderEnvironment& environment, const ReaderTargets& targets,
                             QObject* parent)
    : QObject(parent), environment_(environment), targets_(targets) {}

OnlineCapture::~OnlineCapture() = default;

bool OnlineCapture::switchOn(const HostSession& session) {
    switchOff();
    if (!session.isConnected())
        return false;
    try {
        options_ = readCaptureOptions(environment_.settings, session.application->versionText());
        const int commandCount = session.commands->count();
        targets_.tables.reset(commandCount);
        firstCommand_.reset();
        if (commandCount > 0)
            firstCommand_ = session.commands->commandAt(0)->uniqueId();
    } catch (const HostCallError& error) {
        tellHostLost(hostFailureText(environment_.language, error));
        return false;
    }
    targets_.headerData.clearValues();
    joinedLate_.reset();
    programName_ = session.connectedProgramName;
    application_ = session.application;
    const HostEventSource* events = &application_->events();
    connections_ = {
        connect(events, &HostEventSource::objectExecuted, this, &OnlineCapture::onObjectExecuted),
        connect(events, &HostEventSource::endExecution, this, &OnlineCapture::onEndExecution),
        connect(events, &HostEventSource::hostLost, this, &OnlineCapture::onHostLost),
    };
    return true;
}

void OnlineCapture::switchOff() {
    for (const QMetaObject::Connection& connection : connections_)
        disconnect(connection);
    connections_.clear();
    application_.reset();
}

bool OnlineCapture::isOurs(HostPartProgram& program) const {
    return programNameOf(program.fullName()) == programName_;
}

void OnlineCapture::onObjectExecuted(const std::shared_ptr<HostPartProgram>& program,
                                     const std::shared_ptr<HostCommand>& command) {
    bool runEndsHere = false;
    try {
        if (!isOn() || !isOurs(*program))
            return;
        const CommandSnapshot snapshot = command->snapshot();
        if (!joinedLate_)
            joinedLate_ = firstCommand_ && snapshot.uniqueId != *firstCommand_;
        captureCommand(snapshot, options_, targets_.tables, targets_.headerData);
        runEndsHere = isEndOfRunComment(snapshot);
    } catch (const HostCallError& error) {
        endCaptureOnHostFailure(hostFailureText(environment_.language, error));
        return;
    }
    if (runEndsHere) {
        endRun(RunEnd::Evaluate);
        return;
    }
    Q_EMIT commandCaptured();
}

void OnlineCapture::onEndExecution(const std::shared_ptr<HostPartProgram>& program, int terminationType) {
    try {
        if (!isOn() || !isOurs(*program))
            return;
    } catch (const HostCallError& error) {
        endCaptureOnHostFailure(hostFailureText(environment_.language, error));
        return;
    }
    // Off before the question, so that no further event is handled while it is asked.
    switchOff();
    endRun(terminationType == kAbortedTermination ? askAboutAbortedRun() : RunEnd::Evaluate);
}

// The bus's message is for logs; the user is told in the user's language.
void OnlineCapture::onHostLost(const QString&) {
    endCaptureOnHostFailure(hostGoneText(environment_.language));
}

void OnlineCapture::endCaptureOnHostFailure(const QString& text) {
    if (!isOn())
        return;
    switchOff();
    tellHostLost(text);
    endRun(RunEnd::HostLost);
}

RunEnd OnlineCapture::askAboutAbortedRun() {
    const LanguageTables& language = environment_.language;
    const MessageAnswer answer = environment_.user.showMessage({
        .text = language.text(LanguageTable::Version202, 1) + QStringLiteral("\r\n") +
                language.text(LanguageTable::Version202, 2),
        .title = executableName(),
        .buttons = MessageButtons::YesNo,
        .defaultAnswer = MessageAnswer::Yes,
    });
    return answer == MessageAnswer::No ? RunEnd::QuitWithoutOutput : RunEnd::Evaluate;
}

void OnlineCapture::tellHostLost(const QString& message) {
    environment_.user.showMessage({
        .text = message + QStringLiteral("\r\n\r\n") +
                environment_.language.text(LanguageTable::MessageBoxen, kStartHostText),
        .title = QStringLiteral("KORVEX Connection"),
        .icon = MessageIcon::Critical,
    });
}

void OnlineCapture::endRun(RunEnd end) {
    switchOff();
    Q_EMIT runEnded(end == RunEnd::Evaluate && joinedLate_.value_or(false) ? RunEnd::JoinedLate : end);
}

}  // namespace korvex
