#pragma once

#include "report/SpreadsheetBackend.h"
#include "report/calc/OfficeConnection.h"

#include <memory>

namespace korvex::calc {

// Gives LibreOffice Calc offices: create() a new one, attach() the one this backend started last
// while it runs, else the visible one it started last. An office the backend still knows when it goes
// ends with it if it is headless.
class CalcBackend final : public SpreadsheetBackend {
  public:
    explicit CalcBackend(QString version) : version_(std::move(version)) {}

    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> attach() override;
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> create() override;

  private:
    QString version_;
    // Shared with the applications, which start their office only when it is first needed.
    std::shared_ptr<std::weak_ptr<OfficeInstance>> latest_ =
        std::make_shared<std::weak_ptr<OfficeInstance>>();
    // A visible office outlives its application object: the operator keeps it, and attach() finds it.
    std::shared_ptr<std::shared_ptr<OfficeInstance>> keptVisible_ =
        std::make_shared<std::shared_ptr<OfficeInstance>>();
};

}  // namespace korvex::calc
