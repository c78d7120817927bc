#pragma once

#include <QString>

#include <memory>

namespace korvex {

class HostEventSource;
class HostPartProgram;

// The host program's application object. Every call may throw HostCallError.
class HostApplication {
  public:
    virtual ~HostApplication() = default;

    // The part program open in the host; null when none is.
    virtual std::shared_ptr<HostPartProgram> activePartProgram() = 0;
    virtual HostEventSource& events() = 0;

    // Where the host keeps its toolbar-state file, and where the offline read copies it to.
    virtual QString toolbarStateSourceFolder() = 0;
    virtual QString toolbarStateTargetFolder() = 0;

    // The host's display-update switch. The offline read switches it off while it walks the commands
    // and puts it back afterwards.
    virtual bool displayUpdates() = 0;
    virtual void setDisplayUpdates(bool on) = 0;

    // The host main window's geometry in screen units.
    virtual double windowLeft() = 0;
    virtual void setWindowLeft(double left) = 0;
    virtual double windowWidth() = 0;
    virtual void setWindowWidth(double width) = 0;
    virtual double windowTop() = 0;
    virtual void setWindowTop(double top) = 0;
    virtual double windowHeight() = 0;
    virtual void setWindowHeight(double height) = 0;

    // The host's version text, for example "5.1.2".
    virtual QString versionText() = 0;
};

}  // namespace korvex
