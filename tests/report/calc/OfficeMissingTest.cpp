// Without the office suite's plugin the program runs on: .xlsx templates are filled as always, and
// .xls or .ods ones are refused with the reason.

#include "fill/ReportFillFixture.h"
#include "report/OfficeSuite.h"
#include "report/ReportSpreadsheets.h"
#include "support/TestFiles.h"

namespace korvex {
namespace {

constexpr int kCannotOpenEntry = 29;
constexpr int kUnsupportedEntry = 82;
constexpr int kNoOfficeEntry = 96;

TEST(OfficeSuiteLoader, AnEmptyFolderHoldsNoPluginAndAForeignLibraryIsNone) {
    QTemporaryDir empty;
    auto loaded = loadOfficeSuite({empty.path()});
    ASSERT_TRUE(std::holds_alternative<OfficeSuiteMissing>(loaded));
    EXPECT_TRUE(std::get<OfficeSuiteMissing>(loaded).reason.contains(empty.path()));

    test::writeFile(empty.filePath(QStringLiteral("libkorvex-calc.so")), "not a library");
    loaded = loadOfficeSuite({QString(), empty.path()});
    ASSERT_TRUE(std::holds_alternative<OfficeSuiteMissing>(loaded));
    EXPECT_FALSE(std::get<OfficeSuiteMissing>(loaded).reason.isEmpty());

    qputenv(kOfficePluginFolderVariable, empty.path().toUtf8());
    EXPECT_EQ(officePluginFolders(), QStringList{empty.path()});
    qunsetenv(kOfficePluginFolderVariable);
}

class OfficeMissingTest : public test::ReportFillFixture {
  protected:
    OfficeMissingTest() : choice_(spreadsheets_, nullptr, messageText(kNoOfficeEntry)) {
        setCharacteristics(2);
    }

    ReportSpreadsheets choice_;
};

TEST_F(OfficeMissingTest, XlsAndOdsTemplatesAreRefusedWithTheReasonAndLeftAsTheyWere) {
    for (const QString& name : {QStringLiteral("book.xls"), QStringLiteral("book.ODS")}) {
        user_.messages.clear();
        const QString path = file(name);
        test::writeFile(path, "the operator's workbook");
        fillingBackend_ = &choice_.forTemplate(path);
        EXPECT_FALSE(fill(path).saved);
        ASSERT_EQ(messageTexts().size(), 1) << messageTexts().join(u'|').toStdString();
        EXPECT_EQ(messageTexts().front(), messageText(kCannotOpenEntry) + QStringLiteral("\r\n") +
                                              messageText(kUnsupportedEntry) + QStringLiteral("\r\n") +
                                              messageText(kNoOfficeEntry));
        EXPECT_EQ(test::readFile(path), "the operator's workbook");
    }
}

TEST_F(OfficeMissingTest, XlsxAndXlsmTemplatesStayWithTheEmbeddedEngine) {
    EXPECT_EQ(&choice_.forTemplate(QStringLiteral("/r/book.xlsx")), &spreadsheets_);
    EXPECT_EQ(&choice_.forTemplate(QStringLiteral("/r/book.XLSM")), &spreadsheets_);
    fillingBackend_ = &choice_.forTemplate(makeTemplate());
    EXPECT_TRUE(fill(makeTemplate()).saved) << messageTexts().join(u'|').toStdString();
}

}  // namespace
}  // namespace korvex
