#pragma once

#include "report/SpreadsheetApplication.h"
#include "report/SpreadsheetResult.h"

#include <memory>

namespace korvex {

// Gives the program a spreadsheet application: the running one, or a new instance.
class SpreadsheetBackend {
  public:
    virtual ~SpreadsheetBackend() = default;

    virtual SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> attach() = 0;
    virtual SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> create() = 0;
};

}  // namespace korvex
