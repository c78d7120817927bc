#include "report/SpreadsheetResult.h"

namespace korvex {

namespace {

// MessageBoxen 80 introduces a failure of no particular kind; the kinds follow in their order.
constexpr int kFirstSpreadsheetErrorEntry = 80;

}  // namespace

int spreadsheetErrorEntry(SpreadsheetErrorKind kind) {
    return kFirstSpreadsheetErrorEntry + static_cast<int>(kind);
}

}  // namespace korvex
