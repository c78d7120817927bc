#include "report/calc/CalcBackend.h"

#include "report/calc/CalcApplication.h"

namespace korvex::calc {

// The office started last, or when that has ended (a report's), the visible one the operator kept.
SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> CalcBackend::attach() {
    for (const std::shared_ptr<OfficeInstance>& office : {latest_->lock(), *keptVisible_}) {
        if (office && office->isRunning()) {
            return std::unique_ptr<SpreadsheetApplication>(
                std::make_unique<CalcApplication>(version_, office));
        }
    }
    return SpreadsheetError{QStringLiteral("no office suite started by this program is running")};
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
