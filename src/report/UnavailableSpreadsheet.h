#pragma once

#include "report/SpreadsheetApplication.h"
#include "report/SpreadsheetBackend.h"

namespace korvex {

// Stands in for a spreadsheet application that is not installed: it attaches, so the caller reaches
// the point where it opens or adds a workbook, and there it fails with the reason given.
class UnavailableSpreadsheetBackend final : public SpreadsheetBackend {
  public:
    explicit UnavailableSpreadsheetBackend(QString reason) : reason_(std::move(reason)) {}

    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> attach() override { return create(); }
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> create() override;

  private:
    QString reason_;
};

}  // namespace korvex
