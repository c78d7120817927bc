#pragma once

#include "host/CommandSnapshot.h"
#include "host/simserver/SimAdaptor.h"

#include <QList>

namespace korvex {

// com.dornwell.KORVEX.Commands: the commands of the part program that `program` names, by position
// in program order (from 0) or by unique id (first, second); single fields and whole snapshots, many
// in one call.
class CommandsAdaptor : public SimAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.dornwell.KORVEX.Commands")

  public:
    using SimAdaptor::SimAdaptor;

  public Q_SLOTS:
    int Count(uint program);
    // The unique id of the command at that position; found is false outside the program.
    bool CommandAt(uint program, int position, int& first, int& second);
    bool HasCommand(uint program, int first, int second);
    korvex::CommandSnapshot Snapshot(uint program, int first, int second);
    // The snapshots of up to `count` commands from position `start` on; fewer when the program ends.
    QList<korvex::CommandSnapshot> Snapshots(uint program, int start, int count);
    QString FieldText(uint program, int first, int second, int code, int index);
    double FieldValue(uint program, int first, int second, int code, int index);
    int FieldNumber(uint program, int first, int second, int code, int index);
    // The unique id of the command before that one; found is false for the first command.
    bool Previous(uint program, int first, int second, int& previousFirst, int& previousSecond);
    // Acts on the command as the operator would open it.
    void Activate(uint program, int first, int second);
};

}  // namespace korvex
