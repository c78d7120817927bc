#include "app/WindowFixture.h"
#include "app/core/Session.h"
#include "app/window/CharacteristicBrowser.h"
#include "app/window/LampWidget.h"
#include "app/window/MainWindow.h"
#include "app/window/MainWindowActions.h"
#include "app/window/WindowPositionDialog.h"
#include "characteristics/ToleranceEvaluation.h"
#include "host/InProcessHostConnector.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace korvex {
namespace {

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, TakesEveryTextFromTheLanguageAndSwitchesLanguage) {
    openWindow();
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral("Merkmale"));
    EXPECT_EQ(child<QToolButton>("cmdMarkAll")->toolTip(), QStringLiteral("Alle Merkmale markieren"));
    EXPECT_TRUE(window_->windowTitle().startsWith(QStringLiteral("KORVEX - Tabulor  Version ")));
    EXPECT_EQ(child<QTableWidget>("FlexGridMerkmalswerte")->item(19, 0)->text(), QStringLiteral(" Einheit"));

    child<QAction>("menuEnglish")->trigger();
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral("Characteristics"));
    EXPECT_EQ(session_.settings.readSetting(keys::kLanguage, QString()), QStringLiteral("English"));
    EXPECT_TRUE(user_.messages.empty());

    // A language without a file: the message, the texts stay, the name is still stored.
    child<QAction>("menuFrench")->trigger();
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral("Characteristics"));
    EXPECT_EQ(session_.settings.readSetting(keys::kLanguage, QString()), QStringLiteral("French"));
}

TEST_F(MainWindowTest, ShowsHeaderDataNamesUnlessSwitchedOff) {
    openWindow();
    auto* grid = child<QTableWidget>("FlexGridKopfdaten");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral(" Machine"));
    session_.headerData.assign(QStringLiteral("Machine"), QStringLiteral("CMM 3"));
    window_->showHeaderDataValues();
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("CMM 3"));

    ASSERT_TRUE(session_.settings.writeSetting(keys::kHeader, QStringLiteral("0")));
    openWindow();
    EXPECT_FALSE(child<QGroupBox>("Frame4")->isVisibleTo(window_.get()));
}

TEST_F(MainWindowTest, OkInTheOutputFileSettingsOnlyShowsOrHidesTheHeaderData) {
    openWindow();
    auto* grid = child<QTableWidget>("FlexGridKopfdaten");
    session_.headerData.assign(QStringLiteral("Operator"), QStringLiteral("Meier"));
    window_->showHeaderDataValues();
    const auto confirmDialog = [this] {
        child<QAction>("menuAusgabedatei")->trigger();
        auto* dialog = window_->findChild<QDialog*>(QStringLiteral("frm_Ausgabedatei_Setup"));
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        delete dialog;
    };
    confirmDialog();
    EXPECT_EQ(session_.headerData.variables().front().value, QStringLiteral("Meier"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("Meier"));
    EXPECT_TRUE(child<QGroupBox>("Frame4")->isVisibleTo(window_.get()));
}

TEST_F(MainWindowTest, ListsEveryRowAndColoursThePickedOne) {
    openWindow();
    addRow("BORE_1", "X", 0, true);
    addRow("", "M", 0.2, false);  // a row without a name stays in the list and the marking
    addRow("FLAT", "M", 0, false);
    window_->browser().fillList();

    auto* list = child<QListWidget>("lst_MM_ID");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral(".M"));
    EXPECT_EQ(valueColour(2), QColor(0, 255, 0));  // over the limit shows green right after a read

    list->setCurrentRow(0);
    Q_EMIT list->itemClicked(list->item(0));
    EXPECT_EQ(valueColour(2), QColor(255, 255, 0));
    EXPECT_EQ(child<QTableWidget>("FlexGridMerkmalswerte")->item(1, 1)->text(), QStringLiteral("BORE_1.X"));
    list->setCurrentRow(1);
    Q_EMIT list->itemClicked(list->item(1));
    EXPECT_EQ(valueColour(8), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, MarkButtonsAskBeforeReplacingAMarking) {
    openWindow();
    addRow("A", "X", 0, false);
    addRow("B", "X", 0.2, false);
    addRow("C", "X", 0, true);
    window_->browser().fillList();

    child<QToolButton>("cmdMarkAT")->click();  // nothing marked yet: no question
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(window_->browser().selection(), Selection({false, true, false}));

    user_.scriptAnswers({MessageAnswer::No});
    child<QToolButton>("cmdMarkKritisch")->click();
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window_->browser().selection(), Selection({false, true, true}));

    user_.scriptAnswers({MessageAnswer::Yes});
    child<QToolButton>("cmdMarkOK")->click();
    EXPECT_EQ(window_->browser().selection(), Selection({true, false, false}));

    child<QToolButton>("cmdMarkAll")->click();
    EXPECT_EQ(window_->browser().selection(), Selection({true, true, true}));
    child<QToolButton>("cmdMarkDelete")->click();
    EXPECT_EQ(window_->browser().selection(), Selection({false, false, false}));
    EXPECT_EQ(user_.messages.size(), 2U);
}

TEST_F(MainWindowTest, CountsAndLampsFollowTheEvaluation) {
    openWindow();
    EvaluationSummary summary;
    summary.counts = {.outOfTol = 2, .inTol = 5, .overLimit = 1};
    summary.light = TrafficLight::Red;
    window_->showEvaluation(summary);
    EXPECT_EQ(child<QLabel>("lblAnzOOT")->text(), QStringLiteral("2"));
    EXPECT_EQ(child<QLabel>("lblAnzOK")->text(), QStringLiteral("5"));
    EXPECT_EQ(child<LampWidget>("shpLampOOT")->color(), QColor(255, 0, 0));
    EXPECT_EQ(child<LampWidget>("shpLampOK")->color(), QColor(0, 64, 0));

    window_->resetResults();
    EXPECT_EQ(child<QLabel>("lblAnzOOT")->text(), QStringLiteral("0"));
    EXPECT_EQ(child<LampWidget>("shpLampOOT")->color(), QColor(64, 0, 0));
    EXPECT_EQ(child<LampWidget>("shpLampKritisch")->color(), QColor(64, 64, 0));
}

TEST_F(MainWindowTest, WindowPositionDialogReadsSavesAndCancels) {
    ASSERT_TRUE(session_.settings.writeSetting(keys::kTop, QStringLiteral("1500")));
    ASSERT_TRUE(session_.settings.writeSetting(keys::kLeft, QStringLiteral("3000")));
    MainWindow& window = openWindow();
    EXPECT_EQ(window.pos(), QPoint(200, 100));

    auto* dialog = new WindowPositionDialog(window, session_, user_);
    auto* top = dialog->findChild<QLineEdit*>(QStringLiteral("txt_POS_TOP"));
    EXPECT_EQ(top->text(), QStringLiteral("1500"));
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txt_POS_LEFT_ALT"))->text(),
              QStringLiteral("3000"));

    window.move(40, 60);
    dialog->findChild<QPushButton*>(QStringLiteral("cmd_POS_LESEN"))->click();
    EXPECT_EQ(top->text(), QStringLiteral("900"));
    dialog->findChild<QPushButton*>(QStringLiteral("cmd_CANCEL"))->click();
    EXPECT_EQ(window.pos(), QPoint(200, 100));
    EXPECT_EQ(session_.settings.readSetting(keys::kTop, QString()), QStringLiteral("1500"));

    dialog = new WindowPositionDialog(window, session_, user_);
    dialog->findChild<QLineEdit*>(QStringLiteral("txt_POS_TOP"))->setText(QStringLiteral(" 750 "));
    dialog->findChild<QPushButton*>(QStringLiteral("cmd_POS_SAVE"))->click();
    EXPECT_EQ(session_.settings.readSetting(keys::kTop, QString()), QStringLiteral(" 750 "));
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(MainWindowTest, WindowPositionDialogFallsBackToTheCurrentPosition) {
    MainWindow& window = openWindow();
    // Reading the position at start-up stored defaults; take them away again.
    QSettings(dir_.filePath(QStringLiteral("machine.ini")), QSettings::IniFormat)
        .remove(QStringLiteral("ProgSettings/TOP"));
    window.move(30, 45);
    auto* dialog = new WindowPositionDialog(window, session_, user_);
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txt_POS_TOP_ALT"))->text(),
              QStringLiteral("675"));
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].icon, MessageIcon::Information);
    dialog->close();
}

}  // namespace
}  // namespace korvex
