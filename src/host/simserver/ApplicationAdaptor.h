#pragma once

#include "host/CommandSnapshot.h"
#include "host/simserver/SimAdaptor.h"

namespace korvex {

// com.dornwell.KORVEX.Application: the host application's properties, the active part program and
// the execution events.
class ApplicationAdaptor : public SimAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.dornwell.KORVEX.Application")
    Q_PROPERTY(QString Version READ version)
    Q_PROPERTY(QString ToolbarStateSourceFolder READ toolbarStateSourceFolder)
    Q_PROPERTY(QString ToolbarStateTargetFolder READ toolbarStateTargetFolder)
    Q_PROPERTY(bool DisplayUpdates READ displayUpdates WRITE setDisplayUpdates)
    Q_PROPERTY(double WindowLeft READ windowLeft WRITE setWindowLeft)
    Q_PROPERTY(double WindowTop READ windowTop WRITE setWindowTop)
    Q_PROPERTY(double WindowWidth READ windowWidth WRITE setWindowWidth)
    Q_PROPERTY(double WindowHeight READ windowHeight WRITE setWindowHeight)

  public:
    ApplicationAdaptor(SimBusObject& object);

    QString version();
    QString toolbarStateSourceFolder();
    QString toolbarStateTargetFolder();
    bool displayUpdates();
    void setDisplayUpdates(bool on);
    double windowLeft();
    void setWindowLeft(double left);
    double windowTop();
    void setWindowTop(double top);
    double windowWidth();
    void setWindowWidth(double width);
    double windowHeight();
    void setWindowHeight(double height);

  public Q_SLOTS:
    // The handle of the open part program; 0 when none is open.
    uint ActivePartProgram();

  Q_SIGNALS:
    void OnObjectExecuted(uint program, const QString& fullName, const korvex::CommandSnapshot& command);
    void OnEndExecution(uint program, const QString& fullName, int terminationType);
    void OnAddObject(uint program, const QString& fullName, const korvex::CommandSnapshot& command);
};

}  // namespace korvex
