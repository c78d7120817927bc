#pragma once

#include "host/simserver/SimAdaptor.h"

namespace korvex {

// com.dornwell.KORVEX.PartProgram: the properties and operations of the part program that `program`
// (the handle from Application.ActivePartProgram) names.
class PartProgramAdaptor : public SimAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.dornwell.KORVEX.PartProgram")

  public:
    using SimAdaptor::SimAdaptor;

  public Q_SLOTS:
    QString Name(uint program);
    QString Folder(uint program);
    QString Revision(uint program);
    QString DrawingNumber(uint program);
    QString FileName(uint program);
    QString FullName(uint program);
    // Writes the part program back to its file.
    void Save(uint program);
    void LoadToolbarState(uint program, const QString& path);
};

}  // namespace korvex
