#include "host/sim/SimModel.h"

#include "host/sim/PartProgramFile.h"

namespace korvex {

quint64 SimModel::keyOf(UniqueId id) {
    return (static_cast<quint64>(static_cast<quint32>(id.first)) << 32) | static_cast<quint32>(id.second);
}

int SimModel::positionOf(UniqueId id) const {
    const auto found = positions_.find(keyOf(id));
    return found == positions_.end() ? -1 : found->second;
}

void SimModel::indexCommands() {
    positions_.clear();
    for (std::size_t i = 0; i < program.commands.size(); ++i)
        positions_.emplace(keyOf(program.commands[i].uniqueId), static_cast<int>(i));
}

QString SimModel::save() const {
    if (filePath.isEmpty())
        return QStringLiteral("the part program has no file");
    return savePartProgramFile(program, filePath);
}

}  // namespace korvex
