#pragma once

#include "host/HostApplication.h"

#include <memory>

namespace korvex {

class BusEventSource;
class HostBusLink;

// The host's application object over the bus. Its event source listens to the host's signals from
// the moment the object exists; create and use it on the user-interface thread.
class BusApplication : public HostApplication {
  public:
    explicit BusApplication(std::shared_ptr<const HostBusLink> link);
    ~BusApplication() override;
    BusApplication(const BusApplication&) = delete;
    BusApplication& operator=(const BusApplication&) = delete;

    std::shared_ptr<HostPartProgram> activePartProgram() override;
    HostEventSource& events() override;
    QString toolbarStateSourceFolder() override;
    QString toolbarStateTargetFolder() override;
    bool displayUpdates() override;
    void setDisplayUpdates(bool on) override;
    double windowLeft() override;
    void setWindowLeft(double left) override;
    double windowWidth() override;
    void setWindowWidth(double width) override;
    double windowTop() override;
    void setWindowTop(double top) override;
    double windowHeight() override;
    void setWindowHeight(double height) override;
    QString versionText() override;

  private:
    QVariant property(const char* name) const;
    void setProperty(const char* name, const QVariant& value) const;

    std::shared_ptr<const HostBusLink> link_;
    std::unique_ptr<BusEventSource> events_;
};

}  // namespace korvex
