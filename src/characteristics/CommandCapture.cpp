#include "characteristics/CommandCapture.h"

#include "util/BlankTrim.h"

#include "characteristics/CharacteristicRows.h"
#include "characteristics/CommentLine.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/HostNumbers.h"
#include "characteristics/ValueTables.h"
#include "host/CommandSnapshot.h"
#include "settings/SettingsStore.h"

namespace korvex {
namespace {

using namespace commandtype;

constexpr int kTextComment = 1;
constexpr int kTrueDiameter = 1209;

// A switch stored as text: "True"/"False" in any case, or a number (non-zero is on).
bool textOrNumberSwitchIsOn(const QString& text) {
    if (trimBlanks(text).compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    return parseDecimalText(text).value_or(0) != 0;
}

// A comment replaces whatever was still pending. Without multi-line mode its 20 lines make one
// entry; with it every line up to the first empty one makes an entry of its own, and slot k points
// to line k.
void takeComment(const CommentSnapshot& comment, const CaptureOptions& options, ValueTables& tables) {
    PendingComments& pending = tables.capture().pendingComments;
    pending.clear();
    if (!options.multiLine) {
        const int entry = tables.appendComment();
        CommentRecord& record = *tables.comment(entry);
        for (int number = 1; number <= CommentRecord::kLineCount; ++number)
            record.setLine(number, cleanCommentLine(comment.line(number)));
        pending.set(1, entry);
        return;
    }
    for (int number = 1; number <= CommentRecord::kLineCount; ++number) {
        const QString line = comment.line(number);
        if (line.isEmpty())
            break;
        const int entry = tables.appendComment();
        tables.comment(entry)->setLine(1, cleanCommentLine(line));
        pending.set(number, entry);
    }
}

void endLocationDimension(CaptureState& state) {
    state.inLocationDim = false;
    state.pendingComments.clear();
    state.axisCounter = 0;
}

void beginLocationDimension(CaptureState& state, const DimensionSnapshot& header) {
    state.axisCounter = 0;
    state.inLocationDim = true;
    state.locationHeader = {
        header.name,       header.featureNames[0], header.featureNames[1], header.featureNames[2],
        header.outputCode, header.unitCode};
}

// Every axis of a dimension gets the pending comment; in multi-line mode axis k gets line k (an axis
// past the last slot gets none). The comment stays pending for the next axes.
CharacteristicRecord& appendAxisRow(ValueTables& tables, const CaptureOptions& options) {
    CaptureState& state = tables.capture();
    ++state.axisCounter;
    CharacteristicRecord& row = tables.appendRow();
    const PendingComments& pending = state.pendingComments;
    if (pending.slot(1) > 0)
        row.commentIndex = options.multiLine ? pending.slot(state.axisCounter) : pending.slot(1);
    return row;
}

// A plain or generic row takes the pending comment and consumes it.
CharacteristicRecord& appendSingleRow(ValueTables& tables) {
    PendingComments& pending = tables.capture().pendingComments;
    CharacteristicRecord& row = tables.appendRow();
    if (pending.slot(1) > 0) {
        row.commentIndex = pending.slot(1);
        pending.set(1, 0);
    }
    return row;
}

void takeDimension(const CommandSnapshot& command, const DimensionSnapshot& dimension,
                   const CaptureOptions& options, ValueTables& tables) {
    CaptureState& state = tables.capture();
    const int type = command.typeCode;
    if (type == kLocationHeader || type == kTruePositionHeader) {
        beginLocationDimension(state, dimension);
    } else if (dimension.isLocationAxis) {
        fillLocationAxisRow(appendAxisRow(tables, options), command, dimension, state.locationHeader);
    } else if (dimension.isTruePositionAxis) {
        if (options.truePositionDiameterOnly && type != kTrueDiameter)
            return;
        fillTruePositionAxisRow(appendAxisRow(tables, options), command, dimension, state.locationHeader,
                                options);
    } else if (type != kLocationEnd && type != kTruePositionEnd) {
        fillPlainRow(appendSingleRow(tables), command, dimension);
    }
}

}  // namespace

CaptureOptions readCaptureOptions(const SettingsStore& settings, const QString& hostVersion) {
    return {
        .multiLine = textOrNumberSwitchIsOn(settings.readSetting(keys::kMultiLine, QStringLiteral("0"))),
        .headerData = settings.readSetting(keys::kHeader, QStringLiteral("0")) == u"1",
        .truePositionDiameterOnly =
            settings.readSetting(keys::kZozadRegel, QStringLiteral("FALSE")).toUpper() == u"TRUE",
        .skipTruePositionDatums = hostVersion.startsWith(u"3.25"),
    };
}

void captureCommand(const CommandSnapshot& command, const CaptureOptions& options, ValueTables& tables,
                    HeaderDataValues& headerData) {
    CaptureState& state = tables.capture();
    ++state.commandIndex;
    const int type = command.typeCode;
    if (command.isComment && command.comment && command.comment->kind == kTextComment)
        takeComment(*command.comment, options, tables);
    if (options.headerData && type == kAssignment && command.assignment)
        headerData.assign(command.assignment->variableName, command.assignment->value);
    if (type == kLocationEnd || type == kTruePositionEnd)
        endLocationDimension(state);
    // A generic command makes its one generic row even when the host also calls it a dimension.
    if (type == kGenericDimension) {
        if (command.generic)
            fillGenericRow(appendSingleRow(tables), command, *command.generic);
    } else if (command.isDimension && type != kNeverRead && command.dimension) {
        takeDimension(command, *command.dimension, options, tables);
    }
    if (!command.isDimension && !command.isComment && type != kGenericDimension)
        state.pendingComments.set(1, 0);
}

}  // namespace korvex
