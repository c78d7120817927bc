#pragma once

#include "report/protocol/ProtocolLine.h"

#include <QString>

#include <array>
#include <vector>

namespace korvex {

struct CommandSnapshot;

// Which host events the protocol takes over: every added dimension, but of the executed ones only
// the dimensions the operator marked in the host.
enum class ProtocolEvent { Added, Executed };

// Turns the host's dimension commands into protocol rows. A location or true-position dimension
// starts with its header command (a title row; its feature names are remembered for the axes that
// follow); each axis gives one row of values; any other dimension gives a title row and a row of
// values of its own.
class ProtocolRows {
  public:
    // The rows the event adds to the protocol; none for a command the event does not take over.
    std::vector<ProtocolLine> linesFor(ProtocolEvent event, const CommandSnapshot& command);

  private:
    std::array<QString, 3> groupFeatureNames_;
};

// "X_LOCATION von CIR1", "2D_DISTANCE von PNT1--PNT2": the type name and the feature names up to the
// first blank one; nothing when the first name is blank or a name follows a blank one. A name is
// blank when it holds nothing but spaces; the names go into the text as they are.
QString protocolTypeText(const QString& typeName, const std::array<QString, 3>& featureNames);

// A value as the protocol shows it: rounded to three decimals; nothing for NaN or infinity.
std::optional<double> protocolValue(double value);

}  // namespace korvex
