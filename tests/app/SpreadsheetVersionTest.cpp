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

TEST(SpreadsheetVersion, ChoosesTheWorkbookFilterAndNoneForAnUnknownVersion) {
    for (const char* classic : {"8.0", "9.0", "10.0", "11.0", "andere"}) {
        EXPECT_EQ(workbookFileFilter(QString::fromLatin1(classic)), QStringLiteral("Excel Workbook (*.xls)"));
    }
    EXPECT_EQ(workbookFileFilter(QStringLiteral("12.0")), QStringLiteral("Excel Workbook (*.xls*)"));
    EXPECT_EQ(workbookFileFilter(QStringLiteral("14.0")), QString());
    EXPECT_EQ(workbookFileFilter(QString()), QString());
}

}  // namespace
}  // namespace korvex
