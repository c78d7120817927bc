#pragma once

#include "host/HostConnector.h"

#include <memory>

namespace korvex {

// Reaches a host that lives in the same process, e.g. the simulated host of a test. Without an
// application the host counts as not running.
class InProcessHostConnector : public HostConnector {
  public:
    explicit InProcessHostConnector(std::shared_ptr<HostApplication> application = nullptr)
        : application_(std::move(application)) {}

    void setApplication(std::shared_ptr<HostApplication> application) {
        application_ = std::move(application);
    }

    bool hostIsRunning() override { return application_ != nullptr; }
    std::shared_ptr<HostApplication> application() override { return application_; }

  private:
    std::shared_ptr<HostApplication> application_;
};

}  // namespace korvex
