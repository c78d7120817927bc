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
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
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

    // Every item of the language menu finds its file; Czech and Hungarian come in their code page.
    for (const auto& [item, language, characteristics] :
         {std::tuple("menuEnglish", "English", "Characteristics"),
          std::tuple("menuFrench", "French", "Caractéristiques"),
          std::tuple("menuItalian", "Italian", "Caratteristiche"),
          std::tuple("menuSpanish", "Spanish", "Características"),
          std::tuple("menuPortuguese", "Portuguese", "Características"),
          std::tuple("menuCzech", "Czech", "Charakteristiky"),
          std::tuple("menuUngarisch", "Hungary", "Jellemzők"),
          std::tuple("menuGerman", "German", "Merkmale")}) {
        child<QAction>(item)->trigger();
        EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QString::fromUtf8(characteristics));
        EXPECT_EQ(session_.settings.readSetting(keys::kLanguage, QString()), QString::fromUtf8(language));
    }
    EXPECT_EQ(child<QAction>("menuUngarisch")->text(), QStringLiteral("Hungary"));
    EXPECT_TRUE(user_.messages.empty());

    EXPECT_TRUE(child<QAction>("menuGerman")->isChecked());
    EXPECT_FALSE(child<QAction>("menuEnglish")->isChecked());
}

TEST_F(MainWindowTest, TheLanguageMenuOffersOnlyLanguagesWithAFileAndTicksTheActiveOne) {
    const QString czech = dir_.filePath(QStringLiteral("program/LanguageFiles/Czech.dll"));
    for (const char* missing : {"French.dll", "Hungary.dll"}) {
        ASSERT_TRUE(
            QFile::remove(dir_.filePath(QStringLiteral("program/LanguageFiles/")) + QLatin1String(missing)));
    }
    openWindow();
    EXPECT_TRUE(child<QAction>("menuGerman")->isChecked());
    EXPECT_TRUE(child<QAction>("menuCzech")->isEnabled());
    EXPECT_FALSE(child<QAction>("menuFrench")->isEnabled());
    EXPECT_FALSE(child<QAction>("menuUngarisch")->isEnabled());
    EXPECT_EQ(child<QAction>("menuUngarisch")->text(), QStringLiteral("Hungary"));

    // A file taken away after the menu was shown: the message, the texts stay, the name is still
    // stored, and the German item stays ticked.
    ASSERT_TRUE(QFile::remove(czech));
    child<QAction>("menuCzech")->trigger();
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral("Merkmale"));
    EXPECT_EQ(session_.settings.readSetting(keys::kLanguage, QString()), QStringLiteral("Czech"));
    EXPECT_TRUE(child<QAction>("menuGerman")->isChecked());
    EXPECT_FALSE(child<QAction>("menuCzech")->isChecked());
    Q_EMIT child<QMenu>("menuLanguage")->aboutToShow();
    EXPECT_FALSE(child<QAction>("menuCzech")->isEnabled());
}

TEST_F(MainWindowTest, AStoredLanguageWithoutAFileStartsWithTheBuiltInTexts) {
    ASSERT_TRUE(QFile::remove(dir_.filePath(QStringLiteral("program/LanguageFiles/French.dll"))));
    ASSERT_TRUE(session_.settings.writeSetting(keys::kLanguage, QStringLiteral("French")));
    session_.language = LanguageTables();
    openWindow();
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(child<QMenu>("Menue_Datei")->title(), QStringLiteral("Datei"));
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral("Merkmale"));
    EXPECT_EQ(child<QTableWidget>("FlexGridMerkmalswerte")->item(19, 0)->text(), QStringLiteral(" Einheit"));
    EXPECT_FALSE(child<QAction>("menuGerman")->isChecked());
    EXPECT_FALSE(child<QAction>("menuFrench")->isChecked());

    // The way back: a language with a file.
    child<QAction>("menuEnglish")->trigger();
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral("Characteristics"));
    EXPECT_TRUE(child<QAction>("menuEnglish")->isChecked());
}

TEST_F(MainWindowTest, QtsOwnButtonsSpeakTheActiveLanguage) {
    openWindow();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    child<QAction>("menuEnglish")->trigger();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    window_.reset();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&No"));
}

TEST_F(MainWindowTest, EachMenuDialogOpensOnce) {
    openWindow();
    for (const char* item : {"Menue_Window_Pos", "menuASCII", "menuAusgabedatei", "Menue_Info"}) {
        child<QAction>(item)->trigger();
        child<QAction>(item)->trigger();
    }
    EXPECT_EQ(window_->findChildren<QDialog*>().size(), 4);
    EXPECT_EQ(window_->findChildren<WindowPositionDialog*>().size(), 1);

    // Closed, it opens anew.
    window_->findChild<WindowPositionDialog*>()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window_->findChildren<WindowPositionDialog*>().isEmpty());
    child<QAction>("Menue_Window_Pos")->trigger();
    EXPECT_EQ(window_->findChildren<WindowPositionDialog*>().size(), 1);
}

// An installed program run by an ordinary user: shipped files read-only, machine-wide settings it cannot
// write (a folder that would have to lie below a file).
TEST_F(MainWindowTest, AnOrdinaryUserSwitchesLanguageAndSavesThePositionWithoutComplaint) {
    test::writeFile(dir_.filePath(QStringLiteral("plain-file")), "x");
    const QString changes = dir_.filePath(QStringLiteral("user.machine.ini"));
    session_.settings = SettingsStore({dir_.filePath(QStringLiteral("plain-file/machine.ini")),
                                       dir_.filePath(QStringLiteral("user.ini")), changes});
    session_.programFolder =
        ProgramFolder(dir_.filePath(QStringLiteral("own")), dir_.filePath(QStringLiteral("program")));
    MainWindow& window = openWindow();
    EXPECT_EQ(child<QTableWidget>("FlexGridKopfdaten")->rowCount(), 2);  // the shipped header-data list

    child<QAction>("menuEnglish")->trigger();
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), QStringLiteral("Characteristics"));
    EXPECT_TRUE(QFile::exists(dir_.filePath(QStringLiteral("own/LanguageFiles/resource.dll"))));
    EXPECT_TRUE(user_.messages.empty());

    auto* dialog = new WindowPositionDialog(window, session_, user_);
    user_.messages.clear();  // no position stored yet: the dialog says so
    dialog->findChild<QLineEdit*>(QStringLiteral("txt_POS_TOP"))->setText(QStringLiteral("750"));
    dialog->findChild<QPushButton*>(QStringLiteral("cmd_POS_SAVE"))->click();
    EXPECT_TRUE(user_.messages.empty());

    const QSettings kept(changes, QSettings::IniFormat);
    EXPECT_EQ(kept.value(QStringLiteral("LanguageSettings/Language")).toString(), QStringLiteral("English"));
    EXPECT_EQ(kept.value(QStringLiteral("ProgSettings/TOP")).toString(), QStringLiteral("750"));
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

    auto* list = child<QListView>("lst_MM_ID");
    const QAbstractItemModel& entries = *list->model();
    ASSERT_EQ(entries.rowCount(), 3);
    EXPECT_EQ(entries.index(1, 0).data().toString(), QStringLiteral(".M"));
    EXPECT_EQ(valueColour(2), QColor(0, 255, 0));  // over the limit shows green right after a read

    Q_EMIT list->clicked(entries.index(0, 0));
    EXPECT_EQ(valueColour(2), QColor(255, 255, 0));
    EXPECT_EQ(child<QTableWidget>("FlexGridMerkmalswerte")->item(1, 1)->text(), QStringLiteral("BORE_1.X"));
    Q_EMIT list->clicked(entries.index(1, 0));
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

TEST_F(MainWindowTest, AMarkingOfAHundredThousandRowsIsKeptWholeAndKeysPickRows) {
    openWindow();
    constexpr int kRows = 100'000;
    for (int i = 0; i < kRows; ++i) {
        addRow("D", "X", i % 3 == 0 ? 0.1 : 0, false);
    }
    window_->browser().fillList();
    child<QToolButton>("cmdMarkAT")->click();
    const Selection marked = window_->browser().selection();
    ASSERT_EQ(marked.size(), static_cast<std::size_t>(kRows));
    EXPECT_EQ(std::ranges::count(marked, true), (kRows + 2) / 3);
    EXPECT_TRUE(marked[kRows - 1 - (kRows - 1) % 3]);

    auto* list = child<QListView>("lst_MM_ID");
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(window_->browser().shownRow(), kRows);
    EXPECT_EQ(valueColour(2), QColor(255, 0, 0));
    // Moving the cursor picks rows without touching the marking.
    EXPECT_EQ(window_->browser().selection(), marked);
}

TEST_F(MainWindowTest, ALongProgramNameInANarrowWindowLeavesTheValuesTheirColumn) {
    MainWindow& window = openWindow();
    const QString longName =
        QStringLiteral("/measuring/programs/") + QString(200, u'x') + QStringLiteral(".json");
    window.showProgramLabels({.fileName = longName, .name = QStringLiteral("Housing")});
    window.resize(700, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    auto* grid = child<QTableWidget>("FlexGridMerkmalswerte");
    EXPECT_GE(grid->width(), grid->minimumWidth());
    EXPECT_GE(grid->viewport()->width() - grid->columnWidth(0), 120);
    auto* label = child<QLabel>("lbl_Programmname");
    EXPECT_LT(label->width(), window.width() / 2);
    EXPECT_TRUE(label->text().contains(u'…'));
    EXPECT_EQ(label->toolTip(), longName);
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
    window.showAtStoredPosition();
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
