#include "app/RecordingReport.h"
#include "app/WindowFixture.h"
#include "settings/SettingKeys.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QTimer>

#include <functional>

namespace korvex {
namespace {

// Toolbar button 6: the workbook dialog with its read-only choice, then the report.
class FillReportButtonTest : public WindowFixture {
  protected:
    FillReportButtonTest() {
        report_ = &report_stub_;
        addRow("D1", "X", 0, false);
        addRow("D2", "X", 0.2, false);
        test::writeFile(folder() + QStringLiteral("/book.xlsx"), "template");
        EXPECT_TRUE(session_.settings.writeSetting(keys::kLastUsedFolder, folder()));
        session_.spreadsheetVersion = QStringLiteral("12.0");
        openWindow();
        window_->showCharacteristics();
    }

    QString folder() const { return dir_.filePath(QStringLiteral("reports")); }

    // Presses the button and lets `answer` handle the dialog it opens.
    void pressButton(const std::function<void(QFileDialog&)>& answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
        child<QAction>("Toolbar1_FillReport")->trigger();
    }

    test::RecordingReport report_stub_;
};

TEST_F(FillReportButtonTest, FillsTheChosenWorkbookWithTheReadOnlyChoice) {
    ASSERT_TRUE(child<QAction>("Toolbar1_FillReport")->isEnabled());
    window_->setSelection({true, false});
    QString filter;
    pressButton([&filter, this](QFileDialog& dialog) {
        filter = dialog.selectedNameFilter();
        EXPECT_EQ(QDir(dialog.directory()).absolutePath(), QDir(folder()).absolutePath());
        auto* readOnly = dialog.findChild<QCheckBox*>(QStringLiteral("chkReadOnly"));
        ASSERT_NE(readOnly, nullptr);
        EXPECT_EQ(readOnly->text(), session_.language.text(LanguageTable::MessageBoxen, 64));
        readOnly->setChecked(true);
        dialog.selectFile(folder() + QStringLiteral("/book.xlsx"));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    EXPECT_EQ(filter, QStringLiteral("Excel Workbook (*.xls; *.xlsx) (*.xls*)"));
    ASSERT_EQ(report_stub_.reports.size(), 1U);
    EXPECT_EQ(report_stub_.reports[0].workbook, QDir(folder()).absoluteFilePath(QStringLiteral("book.xlsx")));
    EXPECT_FALSE(report_stub_.reports[0].onlySelected);
    EXPECT_TRUE(report_stub_.reports[0].readOnlyChoice);
    EXPECT_EQ(report_stub_.reports[0].selection, Selection({true, false}));
}

TEST_F(FillReportButtonTest, ACancelChangesNothing) {
    ASSERT_TRUE(session_.settings.writeSetting(keys::kLastUsedFolder, folder() + QStringLiteral("/..")));
    pressButton([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(report_stub_.reports.empty());
    EXPECT_EQ(session_.settings.readSetting(keys::kLastUsedFolder, {}), folder() + QStringLiteral("/.."));
}

}  // namespace
}  // namespace korvex
