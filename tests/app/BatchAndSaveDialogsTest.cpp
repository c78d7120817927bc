#include "app/WindowFixture.h"
#include "app/window/BatchFileDialog.h"
#include "app/window/SavePartProgramDialog.h"
#include "host/sim/SimHost.h"
#include "support/ExamplePrograms.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace korvex {
namespace {

template <typename T>
T* control(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QWidget* topLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

class BatchFileDialogTest : public WindowFixture {
  protected:
    BatchFileDialogTest() {
        openWindow();
        dialog_ = new BatchFileDialog(window_.get(), session_, user_, QStringLiteral("/opt/k/korvex-tabulor"),
                                      [this](QWidget*, const QString& title, const QString& filter) {
                                          asked_.append(title + u'|' + filter);
                                          return answers_.isEmpty() ? QString() : answers_.takeFirst();
                                      });
        dialog_->show();
    }
    ~BatchFileDialogTest() override { delete dialog_; }

    void click(const char* button) { control<QPushButton>(dialog_, button)->click(); }

    QPointer<BatchFileDialog> dialog_;
    QStringList answers_;
    QStringList asked_;
};

TEST_F(BatchFileDialogTest, StartsWithOnlineAndTheCompleteReportAndTakesItsTextsFromTheLanguage) {
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Batchdatei erzeugen"));
    EXPECT_EQ(control<QGroupBox>(dialog_, "Frame6")->title(), QStringLiteral("Excel-Tabelle 2"));
    EXPECT_EQ(control<QPushButton>(dialog_, "cmdSelectTabelle2")->text(),
              QStringLiteral("Tabelle wählen..."));
    EXPECT_EQ(control<QPushButton>(dialog_, "cmdSelectKonfig")->text(), QStringLiteral("Datei wählen..."));
    EXPECT_EQ(control<QRadioButton>(dialog_, "Option2_2")->text(),
              QStringLiteral("Komplettbericht + Korrekturwerte (2 Tabellen, /ALO)"));
    EXPECT_TRUE(control<QRadioButton>(dialog_, "Option1_2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(dialog_, "Option2_0")->isChecked());
    for (const char* label : {"lblTabelle1", "lblTabelle2", "lblKonfig"}) {
        EXPECT_TRUE(control<QLabel>(dialog_, label)->text().isEmpty()) << label;
    }
    EXPECT_FALSE(control<QLabel>(dialog_, "lblTabelle2")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(dialog_, "cmdSelectTabelle2")->isEnabled());
    EXPECT_EQ(control<QLabel>(dialog_, "lblTabelle1")->textFormat(), Qt::PlainText);
    EXPECT_TRUE(dialog_->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(dialog_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(BatchFileDialogTest, OnlyBothReportsAskForWorkbookTwoAndACancelledChoiceKeepsTheLabel) {
    control<QRadioButton>(dialog_, "Option2_2")->click();
    EXPECT_TRUE(control<QPushButton>(dialog_, "cmdSelectTabelle2")->isEnabled());
    answers_ = {QStringLiteral("/w/zwei.xlsx")};
    click("cmdSelectTabelle2");
    click("cmdSelectTabelle2");
    EXPECT_EQ(control<QLabel>(dialog_, "lblTabelle2")->text(), QStringLiteral("/w/zwei.xlsx"));

    control<QRadioButton>(dialog_, "Option2_0")->click();
    EXPECT_FALSE(control<QLabel>(dialog_, "lblTabelle2")->isEnabled());
    EXPECT_EQ(dialog_->request().report, BatchReport::Complete);
    EXPECT_EQ(batchArguments(dialog_->request()).size(), 4);

    click("cmdSelectKonfig");
    EXPECT_EQ(asked_, QStringList({QStringLiteral("Excel Tabelle wählen|Excel Workbook (*.xls)"),
                                   QStringLiteral("Excel Tabelle wählen|Excel Workbook (*.xls)"),
                                   QStringLiteral("Konfigurationsdatei wählen|Excel Workbook (*.cfg)")}));
}

TEST_F(BatchFileDialogTest, CreateStaysOpenUntilTheScriptIsWrittenBesideWorkbookOne) {
    const QString workbook = dir_.filePath(QStringLiteral("Teil 1.xlsx"));
    answers_ = {workbook, dir_.filePath(QStringLiteral("layout.cfg"))};
    click("cmdSelectTabelle1");
    click("cmdCreateBatchFile");
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(dialog_->isVisible());

    click("cmdSelectKonfig");
    control<QRadioButton>(dialog_, "Option1_1")->click();
    click("cmdCreateBatchFile");
    EXPECT_EQ(user_.messages.size(), 1U);
    const QString script = dir_.filePath(QStringLiteral("Teil 1.sh"));
    EXPECT_EQ(test::readFile(script),
              QByteArray("#!/bin/sh\nexec '/opt/k/korvex-tabulor' '/m' '") + workbook.toUtf8() + "' '" +
                  dir_.filePath(QStringLiteral("layout.cfg")).toUtf8() + "' '/ALL'\n");
    EXPECT_TRUE(QFileInfo(script).isExecutable());
    QApplication::processEvents();
    EXPECT_TRUE(dialog_.isNull());
}

using UtilityActionsTest = WindowFixture;

TEST_F(UtilityActionsTest, TheBatchFileItemHidesTheMainWindowWhileItsDialogIsOpen) {
    openWindow().show();
    auto* item = child<QAction>("Menue_BatchFile");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    QWidget* dialog = topLevel("frm_BatchFile");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(window_->isVisible());
    control<QPushButton>(dialog, "cmdCancel")->click();
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(UtilityActionsTest, ButtonSevenSavesTheOpenPartProgramAndCopiesItUnderASafeName) {
    const QString programFile = dir_.filePath(QStringLiteral("Welle.json"));
    SimProgram program = test::exampleProgram(QStringLiteral("housing.json"));
    program.partProgram.fileName = programFile;
    test::writeProgram(program, programFile);
    connector_.setApplication(std::make_shared<SimHost>(program, programFile));
    openWindow();

    auto* button = child<QAction>("Toolbar1_SavePartProgram");
    ASSERT_TRUE(button->isEnabled());
    button->trigger();
    QWidget* dialog = topLevel("frm_SavePartProgram");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Messprogramm speichern"));
    EXPECT_EQ(control<QLabel>(dialog, "Label4")->text(), QStringLiteral("Teilekennung"));
    EXPECT_EQ(control<QLabel>(dialog, "lblProgramName")->text(), dir_.filePath(QStringLiteral("Welle")));
    EXPECT_TRUE(QDate::fromString(control<QLabel>(dialog, "lblDate")->text(), QStringLiteral("dd-MM-yyyy"))
                    .isValid());
    const QString time = control<QLabel>(dialog, "lblTime")->text();
    EXPECT_TRUE(QTime::fromString(time, QStringLiteral("hh-mm-ss")).isValid());
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    control<QLineEdit>(dialog, "txtPartNumber")->setText(QStringLiteral("47/11"));
    const QString copy = static_cast<SavePartProgramDialog*>(dialog)->copyPath();
    EXPECT_EQ(QFileInfo(copy).path(), dir_.path());
    EXPECT_TRUE(copy.endsWith(time + QStringLiteral("__47_11.sav")));
    control<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(test::readFile(copy), test::readFile(programFile));
    EXPECT_EQ(topLevel("frm_SavePartProgram"), nullptr);
}

TEST_F(UtilityActionsTest, ButtonSevenWithoutAHostTellsAndOpensNothing) {
    openWindow();
    child<QAction>("Toolbar1_SavePartProgram")->trigger();
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.startsWith(session_.language.text(LanguageTable::MessageBoxen, 41)));
    EXPECT_EQ(topLevel("frm_SavePartProgram"), nullptr);
}

}  // namespace
}  // namespace korvex
