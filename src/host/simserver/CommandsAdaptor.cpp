#include "host/simserver/CommandsAdaptor.h"

#include "host/HostCommand.h"
#include "host/HostCommandCollection.h"
#include "host/simserver/SimServer.h"
#include "host/simserver/SnapshotReplySize.h"

#include <algorithm>

namespace korvex {
namespace {

// Hands out the unique id of a command that may not exist.
bool foundCommand(const std::shared_ptr<HostCommand>& command, int& first, int& second) {
    if (!command)
        return false;
    const UniqueId id = command->uniqueId();
    first = id.first;
    second = id.second;
    return true;
}

}  // namespace

int CommandsAdaptor::Count(uint program) {
    return answer([&] { return server().commands(program)->count(); });
}

bool CommandsAdaptor::CommandAt(uint program, int position, int& first, int& second) {
    return answer(
        [&] { return foundCommand(server().commands(program)->commandAt(position), first, second); });
}

bool CommandsAdaptor::HasCommand(uint program, int first, int second) {
    return answer([&] {
        return server().commands(program)->commandWithUniqueId({first, second}) != nullptr;
    });
}

CommandSnapshot CommandsAdaptor::Snapshot(uint program, int first, int second) {
    return answer([&] { return server().command(program, {first, second})->snapshot(); });
}

QList<CommandSnapshot> CommandsAdaptor::Snapshots(uint program, int start, int count) {
    return answer([&] {
        const std::shared_ptr<HostCommandCollection> commands = server().commands(program);
        // Within the program, so that start + count cannot overflow.
        const int available = commands->count();
        start = std::clamp(start, 0, available);
        count = std::clamp(count, 0, available - start);
        std::vector<CommandSnapshot> snapshots = commands->snapshots(start, count);
        // Fewer commands when their texts are large; the caller asks again from where this ends.
        const auto fitting = snapshotsWithinBudget(snapshots, kSnapshotReplyBudget);
        return QList<CommandSnapshot>(std::make_move_iterator(snapshots.begin()),
                                      std::make_move_iterator(snapshots.begin() + fitting));
    });
}

QString CommandsAdaptor::FieldText(uint program, int first, int second, int code, int index) {
    return answer([&] { return server().command(program, {first, second})->fieldText(code, index); });
}

double CommandsAdaptor::FieldValue(uint program, int first, int second, int code, int index) {
    return answer([&] { return server().command(program, {first, second})->fieldValue(code, index); });
}

int CommandsAdaptor::FieldNumber(uint program, int first, int second, int code, int index) {
    return answer([&] { return server().command(program, {first, second})->fieldNumber(code, index); });
}

bool CommandsAdaptor::Previous(uint program, int first, int second, int& previousFirst, int& previousSecond) {
    return answer([&] {
        return foundCommand(server().command(program, {first, second})->previous(), previousFirst,
                            previousSecond);
    });
}

void CommandsAdaptor::Activate(uint program, int first, int second) {
    answer([&] { server().command(program, {first, second})->activate(); });
}

}  // namespace korvex
