#pragma once

#include "host/CommandSnapshot.h"

#include <QString>
#include <QStringList>

namespace korvex::test {

// Commands as a host reports them, for the capture rules.

CommandSnapshot commentCommand(const QStringList& lines, int kind = 1);
// A command that is neither a comment nor a dimension (a feature measurement, an alignment).
CommandSnapshot otherCommand(int type = 612);
CommandSnapshot headerCommand(int type, const QString& name, const QString& feature, int outputCode = 2,
                              int unitCode = 1);
CommandSnapshot endCommand(int type);
CommandSnapshot locationAxis(int type, const QString& axis, double measured = 0);
CommandSnapshot truePositionAxis(int type, const QString& axis, double measured = 0);
CommandSnapshot plainDimension(int type, const QString& name, const QString& axis = {}, int unitCode = 1);
CommandSnapshot genericCommand(const QString& id, const GenericFieldsSnapshot& fields);
CommandSnapshot assignmentCommand(const QString& variable, const QString& value);

}  // namespace korvex::test
