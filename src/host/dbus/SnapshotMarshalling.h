#pragma once

#include "host/CommandSnapshot.h"

#include <QDBusArgument>
#include <QList>
#include <QMetaType>

// The command snapshot on the bus. D-Bus has no optional values: an object a command may lack is an
// array of none or one element.
//   UniqueId              (ii)
//   DimensionSnapshot     (sassasddddddddddiibb)
//   CommentSnapshot       (isas)
//   AssignmentSnapshot    (ss)
//   GenericFieldsSnapshot (isdddddddassii)
//   CommandSnapshot       (isbbb(ii)sa(dimension)a(comment)a(assignment)a(generic))
namespace korvex {

QDBusArgument& operator<<(QDBusArgument& argument, const UniqueId& id);
const QDBusArgument& operator>>(const QDBusArgument& argument, UniqueId& id);
QDBusArgument& operator<<(QDBusArgument& argument, const DimensionSnapshot& dimension);
const QDBusArgument& operator>>(const QDBusArgument& argument, DimensionSnapshot& dimension);
QDBusArgument& operator<<(QDBusArgument& argument, const CommentSnapshot& comment);
const QDBusArgument& operator>>(const QDBusArgument& argument, CommentSnapshot& comment);
QDBusArgument& operator<<(QDBusArgument& argument, const AssignmentSnapshot& assignment);
const QDBusArgument& operator>>(const QDBusArgument& argument, AssignmentSnapshot& assignment);
QDBusArgument& operator<<(QDBusArgument& argument, const GenericFieldsSnapshot& fields);
const QDBusArgument& operator>>(const QDBusArgument& argument, GenericFieldsSnapshot& fields);
QDBusArgument& operator<<(QDBusArgument& argument, const CommandSnapshot& command);
const QDBusArgument& operator>>(const QDBusArgument& argument, CommandSnapshot& command);

// Makes the types above known to QtDBus; call before the first call, signal or object registration
// that carries them (calling it again does no harm).
void registerSnapshotBusTypes();

}  // namespace korvex

Q_DECLARE_METATYPE(korvex::UniqueId)
Q_DECLARE_METATYPE(korvex::DimensionSnapshot)
Q_DECLARE_METATYPE(korvex::CommentSnapshot)
Q_DECLARE_METATYPE(korvex::AssignmentSnapshot)
Q_DECLARE_METATYPE(korvex::GenericFieldsSnapshot)
Q_DECLARE_METATYPE(korvex::CommandSnapshot)
