#include "app/core/SpreadsheetVersion.h"
#include "report/xlsx/XlsxApplication.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

class UnavailableSpreadsheets : public SpreadsheetBackend {
  public:
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> attach() override { return refuse(); }
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> create() override { return refuse(); }

  private:
    static SpreadsheetError refuse() { return {QStringLiteral("no spreadsheet application")}; }
};

TEST(SpreadsheetVersion, IsTheApplicationsVersionOrAndere) {
    xlsx::XlsxBackend embedded;
    EXPECT_EQ(probeSpreadsheetVersion(embedded), QStringLiteral("12.0"));
    UnavailableSpreadsheets none;
    EXPECT_EQ(probeSpreadsheetVersion(none), QStringLiteral("andere"));
}

}  // namespace
}  // namespace korvex
