#include "host/simserver/SimServer.h"

#include "host/HostCommand.h"
#include "host/HostCommandCollection.h"
#include "host/HostEventSource.h"
#include "host/HostPartProgram.h"
#include "host/dbus/HostBus.h"
#include "host/sim/PartProgramFile.h"
#include "host/sim/SimHost.h"
#include "host/simserver/SimRequestError.h"
#include "host/simserver/SnapshotReplySize.h"

#include <QFileInfo>

namespace korvex {
namespace {

// A host without a part program open: the application state of an empty program.
std::unique_ptr<SimHost> emptyHost() {
    auto host = std::make_unique<SimHost>(SimProgram{});
    host->setPartProgramOpen(false);
    return host;
}

[[noreturn]] void refuse(const QString& message) {
    throw SimRequestError{hostbus::refusedError(), message};
}

// A command whose texts alone could not pass through one bus message could never be read.
void refuseOversizeCommands(SimHost& host, const QString& path) {
    const std::shared_ptr<HostCommandCollection> commands = host.activePartProgram()->commands();
    const std::vector<CommandSnapshot> snapshots = commands->snapshots(0, commands->count());
    const std::optional<qsizetype> position = firstSnapshotOverLimit(snapshots, kLargestCommandSize);
    if (!position)
        return;
    const CommandSnapshot& command = snapshots[static_cast<std::size_t>(*position)];
    refuse(QStringLiteral("%1: commands[%2] (unique id %3/%4) holds more than %5 MiB of text, more than "
                          "one bus message can carry.")
               .arg(path)
               .arg(*position)
               .arg(command.uniqueId.first)
               .arg(command.uniqueId.second)
               .arg(kLargestCommandSize / (1024 * 1024)));
}

// The command that one element of the "commands" array of a part-program file describes.
SimCommand parseCommand(const QString& json) {
    const QByteArray document = "{\"commands\": [" + json.toUtf8() + "]}";
    PartProgramLoadResult parsed = parsePartProgram(document, QStringLiteral("command"));
    if (!parsed.program) {
        QString place = parsed.error.place;
        place.replace(QStringLiteral("commands[0]"), QStringLiteral("the command"));
        refuse(
            QStringLiteral("The command is not valid: %1 %2").arg(place, parsed.error.problem).simplified());
    }
    if (parsed.program->commands.size() != 1)
        refuse(QStringLiteral("The command is not valid: give exactly one command object."));
    return std::move(parsed.program->commands.front());
}

}  // namespace

SimServer::SimServer(QObject* parent) : QObject(parent) {
    replaceHost(emptyHost());
}

SimServer::~SimServer() = default;

void SimServer::refuseDuringRun(const QString& what) const {
    if (runner_.isRunning())
        refuse(QStringLiteral("%1 is not possible while the part program runs.").arg(what));
}

void SimServer::replaceHost(std::unique_ptr<SimHost> host) {
    host_ = std::move(host);
    HostEventSource& events = host_->events();
    connect(
        &events, &HostEventSource::objectExecuted, this,
        [this](const std::shared_ptr<HostPartProgram>& program, const std::shared_ptr<HostCommand>& command) {
            Q_EMIT objectExecuted(handle_, program->fullName(), command->snapshot());
        });
    connect(
        &events, &HostEventSource::objectAdded, this,
        [this](const std::shared_ptr<HostPartProgram>& program, const std::shared_ptr<HostCommand>& command) {
            Q_EMIT objectAdded(handle_, program->fullName(), command->snapshot());
        });
    connect(&events, &HostEventSource::endExecution, this,
            [this](const std::shared_ptr<HostPartProgram>& program, int terminationType) {
                Q_EMIT endExecution(handle_, program->fullName(), terminationType);
            });
}

unsigned SimServer::openPartProgram(const QString& path) {
    refuseDuringRun(QStringLiteral("Opening a part program"));
    PartProgramLoadResult loaded = loadPartProgramFile(path);
    if (!loaded.program)
        refuse(loaded.error.text());
    auto host = std::make_unique<SimHost>(std::move(*loaded.program), QFileInfo(path).absoluteFilePath());
    refuseOversizeCommands(*host, path);
    replaceHost(std::move(host));
    handle_ = ++lastHandle_;
    Q_EMIT partProgramChanged();
    return handle_;
}

void SimServer::closePartProgram() {
    refuseDuringRun(QStringLiteral("Closing the part program"));
    host_->setPartProgramOpen(false);
    handle_ = hostbus::kNoPartProgram;
    Q_EMIT partProgramChanged();
}

HostApplication& SimServer::application() {
    return *host_;
}

std::shared_ptr<HostPartProgram> SimServer::partProgram(unsigned handle) {
    if (handle == hostbus::kNoPartProgram || handle != handle_) {
        throw SimRequestError{hostbus::noSuchPartProgramError(),
                              QStringLiteral("The part program is no longer open in KORVEX.")};
    }
    return host_->activePartProgram();
}

std::shared_ptr<HostCommandCollection> SimServer::commands(unsigned handle) {
    return partProgram(handle)->commands();
}

std::shared_ptr<HostCommand> SimServer::command(unsigned handle, UniqueId id) {
    std::shared_ptr<HostCommand> found = commands(handle)->commandWithUniqueId(id);
    if (!found) {
        throw SimRequestError{hostbus::noSuchCommandError(),
                              QStringLiteral("The part program has no command with the unique id [%1, %2].")
                                  .arg(id.first)
                                  .arg(id.second)};
    }
    return found;
}

void SimServer::requireOpenPartProgram() const {
    if (handle_ == hostbus::kNoPartProgram)
        refuse(QStringLiteral("No part program is open."));
}

UniqueId SimServer::addCommand(const QString& json, int position) {
    requireOpenPartProgram();
    return host_->addCommand(parseCommand(json), position);
}

void SimServer::run(int terminationType) {
    requireOpenPartProgram();
    refuseDuringRun(QStringLiteral("Starting a run"));
    runner_.start(*host_, terminationType);
}

}  // namespace korvex
