#include "report/calc/CalcBackend.h"

#include "report/calc/CalcApplication.h"

namespace korvex::calc {

SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> CalcBackend::attach() {
    const std::shared_ptr<OfficeInstance> office = latest_->lock();
    if (!office || !office->isRunning()) {
        return SpreadsheetError{QStringLiteral("no office suite started by this program is running")};
    }
    return std::unique_ptr<SpreadsheetApplication>(std::make_unique<CalcApplication>(version_, office));
}

SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> CalcBackend::create() {
    auto starter = [latest = latest_, kept = keptVisible_](OfficeWindow window) {
        auto started = startOffice(window);
        if (const auto* office = std::get_if<std::shared_ptr<OfficeInstance>>(&started)) {
            *latest = *office;
            if (window == OfficeWindow::Visible) {
                *kept = *office;
            }
        }
        return started;
    };
    return std::unique_ptr<SpreadsheetApplication>(std::make_unique<CalcApplication>(version_, starter));
}

}  // namespace korvex::calc
