#pragma once

#include "report/calc/OfficeProcess.h"

#include <QString>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <memory>
#include <variant>

namespace korvex::calc {

// One office this program started, connected over its private pipe. A headless office ends with this
// object; a visible one is left open for the operator.
class OfficeInstance {
  public:
    OfficeInstance(std::unique_ptr<OfficeProcess> process, const OfficeLaunch& launch,
                   css::uno::Reference<css::uno::XComponentContext> localContext,
                   css::uno::Reference<css::frame::XDesktop2> desktop);
    ~OfficeInstance();
    OfficeInstance(const OfficeInstance&) = delete;
    OfficeInstance& operator=(const OfficeInstance&) = delete;

    OfficeWindow window() const { return window_; }
    const css::uno::Reference<css::frame::XDesktop2>& desktop() const { return desktop_; }
    // False once the office ended or its bridge broke.
    bool isRunning();
    // A call found the bridge gone or the office's documents disposed.
    void markLost() { lost_ = true; }
    // Asks the office to end, waits a little, then kills what is left and removes its profile.
    void terminate();

  private:
    void disposeLocalContext();

    std::unique_ptr<OfficeProcess> process_;
    QString profileFolder_;
    OfficeWindow window_;
    // The bridge to the office lives in this program's own component context.
    css::uno::Reference<css::uno::XComponentContext> localContext_;
    css::uno::Reference<css::frame::XDesktop2> desktop_;
    bool lost_ = false;
};

// Starts an office with a fresh private profile and connects to it.
std::variant<std::shared_ptr<OfficeInstance>, QString> startOffice(OfficeWindow window);

}  // namespace korvex::calc
