#include "report/protocol/ProtocolRows.h"

#include "characteristics/HostNumbers.h"
#include "characteristics/TypeNames.h"
#include "host/CommandSnapshot.h"
#include "util/BlankTrim.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace korvex {
namespace {

constexpr int kShownDecimals = 3;
// TRUE_DIAM_LOCATION: its lower tolerance column shows 0.
constexpr int kTrueDiameterLocation = 1209;

bool startsGroup(int typeCode) {
    return typeCode == commandtype::kLocationHeader || typeCode == commandtype::kTruePositionHeader;
}

bool isBlank(const QString& name) {
    return trimBlanks(name).isEmpty();
}

ProtocolLine::ValueCells valueCells(int typeCode, const DimensionSnapshot& dimension) {
    const std::optional<double> lower = typeCode == kTrueDiameterLocation
                                            ? std::optional<double>(0.0)
                                            : protocolValue(dimension.minusTolerance);
    return {protocolValue(dimension.nominal),
            protocolValue(dimension.measured),
            protocolValue(dimension.deviation),
            protocolValue(dimension.plusTolerance),
            lower ? std::optional<double>(0.0 - *lower) : std::nullopt,
            protocolValue(dimension.bonus),
            protocolValue(dimension.outOfTolerance)};
}

}  // namespace

QString protocolTypeText(const QString& typeName, const std::array<QString, 3>& featureNames) {
    // The names in use are the leading ones that are not blank; a name after a blank one makes the
    // combination one that names no feature, and nothing is written.
    const auto firstBlank = std::ranges::find_if(featureNames, isBlank);
    if (firstBlank == featureNames.begin() || !std::all_of(firstBlank, featureNames.end(), isBlank)) {
        return {};
    }
    return typeName + QStringLiteral(" von ") +
           QStringList(featureNames.begin(), firstBlank).join(QStringLiteral("--"));
}

std::optional<double> protocolValue(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return roundDecimalsHalfAway(value, kShownDecimals);
}

std::vector<ProtocolLine> ProtocolRows::linesFor(ProtocolEvent event, const CommandSnapshot& command) {
    if (!command.isDimension || (event == ProtocolEvent::Executed && !command.isMarked)) {
        return {};
    }
    const DimensionSnapshot dimension = command.dimension.value_or(DimensionSnapshot{});
    const ProtocolLine title{.kind = ProtocolLine::Kind::Title, .text = command.identifierText, .values = {}};
    if (startsGroup(command.typeCode)) {
        groupFeatureNames_ = dimension.featureNames;
        return {title};
    }
    const bool isAxis = dimension.isLocationAxis || dimension.isTruePositionAxis;
    if (!isAxis) {
        groupFeatureNames_ = dimension.featureNames;
    }
    ProtocolLine values{.kind = ProtocolLine::Kind::Values,
                        .text = protocolTypeText(typeNameOfCommand(command.typeCode), groupFeatureNames_),
                        .values = {}};
    if (command.dimension) {
        values.values = valueCells(command.typeCode, dimension);
    }
    if (isAxis) {
        return {values};
    }
    return {title, values};
}

}  // namespace korvex
