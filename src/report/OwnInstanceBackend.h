#pragma once

#include "report/SpreadsheetBackend.h"

namespace korvex {

// Attaching gives a new instance of its own: a report quits the application it filled with, so it
// must never take an office the operator is watching (the live protocol's).
class OwnInstanceBackend final : public SpreadsheetBackend {
  public:
    explicit OwnInstanceBackend(SpreadsheetBackend& backend) : backend_(backend) {}

    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> attach() override { return backend_.create(); }
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> create() override { return backend_.create(); }

  private:
    SpreadsheetBackend& backend_;
};

}  // namespace korvex
