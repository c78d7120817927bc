#include "host/sim/SimHost.h"

#include "host/HostCommand.h"
#include "host/HostPartProgram.h"
#include "host/sim/SimModel.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace korvex {

SimHost::SimHost(SimProgram program, QString filePath) : model_(std::make_shared<SimModel>()) {
    model_->program = std::move(program);
    model_->filePath = std::move(filePath);
    model_->indexCommands();
}

SimHost::~SimHost() = default;

std::shared_ptr<HostPartProgram> SimHost::activePartProgram() {
    return model_->partProgramOpen ? makeSimPartProgram(model_) : nullptr;
}

QString SimHost::toolbarStateSourceFolder() {
    return model_->program.application.toolbarStateSourceFolder;
}

QString SimHost::toolbarStateTargetFolder() {
    return model_->program.application.toolbarStateTargetFolder;
}

bool SimHost::displayUpdates() {
    return model_->program.application.displayUpdates;
}

void SimHost::setDisplayUpdates(bool on) {
    model_->program.application.displayUpdates = on;
}

double SimHost::windowLeft() {
    return model_->program.application.window.left;
}

void SimHost::setWindowLeft(double left) {
    model_->program.application.window.left = left;
}

double SimHost::windowWidth() {
    return model_->program.application.window.width;
}

void SimHost::setWindowWidth(double width) {
    model_->program.application.window.width = width;
}

double SimHost::windowTop() {
    return model_->program.application.window.top;
}

void SimHost::setWindowTop(double top) {
    model_->program.application.window.top = top;
}

double SimHost::windowHeight() {
    return model_->program.application.window.height;
}

void SimHost::setWindowHeight(double height) {
    model_->program.application.window.height = height;
}

QString SimHost::versionText() {
    return model_->program.application.version;
}

const SimProgram& SimHost::program() const {
    return model_->program;
}

void SimHost::setPartProgramOpen(bool open) {
    model_->partProgramOpen = open;
}

std::shared_ptr<HostCommand> SimHost::commandAt(int position) const {
    const std::vector<SimCommand>& commands = model_->program.commands;
    if (position < 0 || position >= static_cast<int>(commands.size()))
        return nullptr;
    return makeSimCommand(model_, commands[static_cast<std::size_t>(position)].uniqueId);
}

void SimHost::executeCommand(int position) {
    if (const std::shared_ptr<HostCommand> command = commandAt(position))
        Q_EMIT events_.objectExecuted(makeSimPartProgram(model_), command);
}

void SimHost::endExecution(int terminationType) {
    Q_EMIT events_.endExecution(makeSimPartProgram(model_), terminationType);
}

void SimHost::execute(int terminationType) {
    for (int position = 0; position < static_cast<int>(model_->program.commands.size()); ++position)
        executeCommand(position);
    endExecution(terminationType);
}

namespace {

// The number after the highest one in use; once that is the largest int, the lowest free one.
int freeIdNumber(const std::vector<SimCommand>& commands) {
    std::vector<int> used;
    used.reserve(commands.size());
    for (const SimCommand& existing : commands)
        used.push_back(existing.uniqueId.second);
    std::ranges::sort(used);
    if (used.empty() || used.back() < std::numeric_limits<int>::max())
        return used.empty() ? 1 : std::max(used.back(), 0) + 1;
    std::int64_t candidate = 1;
    for (const int number : used) {
        if (number > candidate)
            break;
        candidate = std::max<std::int64_t>(candidate, std::int64_t{number} + 1);
    }
    return static_cast<int>(candidate);
}

}  // namespace

UniqueId SimHost::addCommand(SimCommand command, int position) {
    std::vector<SimCommand>& commands = model_->program.commands;
    if (command.uniqueId == UniqueId{} || model_->positionOf(command.uniqueId) >= 0)
        command.uniqueId = {1, freeIdNumber(commands)};
    const UniqueId id = command.uniqueId;
    const bool inside = position >= 0 && position < static_cast<int>(commands.size());
    commands.insert(inside ? commands.begin() + position : commands.end(), std::move(command));
    model_->indexCommands();
    Q_EMIT events_.objectAdded(makeSimPartProgram(model_), makeSimCommand(model_, id));
    return id;
}

QString SimHost::save() {
    return model_->save();
}

QString SimHost::lastToolbarStatePath() const {
    return model_->lastToolbarStatePath;
}

std::optional<UniqueId> SimHost::lastActivatedCommand() const {
    return model_->lastActivated;
}

}  // namespace korvex
