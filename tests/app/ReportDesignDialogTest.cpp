#include "app/WindowFixture.h"
#include "app/window/report/HeaderDataDialog.h"
#include "app/window/report/ReportDesignDialog.h"
#include "report/layout/LayoutValues.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace korvex {
namespace {

using namespace layout;

class ReportDesignDialogTest : public WindowFixture {
  protected:
    ReportDesignDialogTest() {
        store(kFormStartRow, "8");
        store(kFormEndRow, "30");
        for (const QStringView name : kRequiredPositions) {
            store(name, name == kFormMeasColums ? "I-K" : "C");
        }
        store(headerPlaceName(2, 2), "VM");
    }

    void store(QStringView name, const char* text) {
        ASSERT_TRUE(
            session_.settings.writeSetting({keys::kExcelReportSettings, name}, QString::fromLatin1(text)));
    }
    QString stored(QStringView name) const {
        return session_.settings.peekSetting({keys::kExcelReportSettings, name})
            .value_or(QStringLiteral("<none>"));
    }

    // The layout editor opened from the main window's menu.
    ReportDesignDialog* openFromMenu() {
        openWindow();
        child<QAction>("menuFormular")->trigger();
        return window_->findChild<ReportDesignDialog*>(QStringLiteral("frm_BerichtDesign"));
    }
    // The layout editor with files chosen by the test.
    ReportDesignDialog* openWithFiles() {
        openWindow();
        auto* dialog =
            new ReportDesignDialog(session_, user_, window_.get(), [this](bool) { return chosenFile_; });
        dialog->show();
        return dialog;
    }

    template <typename T>
    T* in(QWidget* dialog, const QString& name) {
        T* widget = dialog->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString text(QWidget* dialog, const char* name) {
        const QString control = QString::fromUtf8(name);
        if (auto* label = dialog->findChild<QLabel*>(control)) {
            return label->text();
        }
        return in<QLineEdit>(dialog, control)->text();
    }
    void setField(QWidget* dialog, const QString& name, const char* value) {
        in<QLineEdit>(dialog, name)->setText(QString::fromLatin1(value));
    }
    void click(QWidget* dialog, const char* name) {
        in<QPushButton>(dialog, QString::fromLatin1(name))->click();
    }

    QString chosenFile_;
};

TEST_F(ReportDesignDialogTest, LoadsTheStoredLayoutAndRelabelsForEitherDirection) {
    ReportDesignDialog* dialog = openFromMenu();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Berichtsformat einrichten   ---   "));
    EXPECT_EQ(text(dialog, "txtZeileStart"), QStringLiteral("8"));
    EXPECT_EQ(text(dialog, "txtDate"), kNotUsed);
    EXPECT_EQ(text(dialog, "txtKommentarl\xC3\xA4nge"), QStringLiteral("0"));
    auto* grid = in<QTableWidget>(dialog, QStringLiteral("MSFlexGrid1"));
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral(" Machine"));
    EXPECT_EQ(grid->item(1, 2)->text(), QStringLiteral("VM"));
    EXPECT_EQ(in<QLineEdit>(dialog, QStringLiteral("Text1"))->text(), grid->item(0, 1)->text());

    EXPECT_EQ(text(dialog, "Label9"), QStringLiteral("Abweichung in Spalte *"));
    EXPECT_EQ(text(dialog, "C"), QString::fromUtf8("Außer Tol. in Spalte *"));
    EXPECT_EQ(text(dialog, "Label12"),
              QStringLiteral("* Nur bei Berichten f\u00fcr eine Messung (ein Bauteil) verwenden"));
    EXPECT_EQ(text(dialog, "Label13").left(4), QStringLiteral("VM: "));
    EXPECT_EQ(text(dialog, "Label20"), QStringLiteral(" in Zeile"));
    EXPECT_EQ(text(dialog, "Label21"), QStringLiteral(" in Spalte"));
    EXPECT_EQ(text(dialog, "Label25"), QStringLiteral("Current Page"));
    EXPECT_EQ(in<QRadioButton>(dialog, QStringLiteral("OptionZeilen_1"))->text(),
              QStringLiteral("   Merkmale in Spalten"));

    in<QRadioButton>(dialog, QStringLiteral("OptionZeilen_1"))->click();
    EXPECT_EQ(text(dialog, "Label1"), QStringLiteral("Messwerte in Zeilen"));
    EXPECT_EQ(text(dialog, "Label9"), QStringLiteral("Abweichung in Zeile *"));
    EXPECT_EQ(text(dialog, "Label19"), QStringLiteral("Lfd. Nummer in Zeile"));
    EXPECT_EQ(text(dialog, "txtSpalteStart"), QStringLiteral("I-K"));
    in<QRadioButton>(dialog, QStringLiteral("OptionZeilen_0"))->click();
    EXPECT_EQ(text(dialog, "Label1"), QStringLiteral("Merkmale in Zeilen"));
    EXPECT_TRUE(user_.messages.empty());

    // A saved or loaded layout file goes into the main window's title.
    ASSERT_TRUE(
        session_.settings.writeSetting(keys::kLastUsedConfig, QStringLiteral("/layouts/housing.cfg")));
    Q_EMIT dialog->layoutFileChanged();
    EXPECT_TRUE(window_->windowTitle().endsWith(QStringLiteral("   ---   /layouts/housing.cfg")));
}

TEST_F(ReportDesignDialogTest, SpeaksEnglishAndHidesHeaderDataWhenSwitchedOff) {
    ASSERT_TRUE(session_.settings.writeSetting(keys::kLanguage, QStringLiteral("English")));
    ASSERT_TRUE(session_.settings.writeSetting(keys::kHeader, QStringLiteral("0")));
    ReportDesignDialog* dialog = openFromMenu();
    EXPECT_EQ(text(dialog, "Label5"), QStringLiteral("ID in column"));
    EXPECT_EQ(text(dialog, "Label9"), QStringLiteral("Deviation in column *"));
    EXPECT_EQ(in<QPushButton>(dialog, QStringLiteral("cmdSaveAs"))->text(), QStringLiteral("Save as..."));
    EXPECT_FALSE(in<QGroupBox>(dialog, QStringLiteral("Frame2"))->isVisibleTo(dialog));
    EXPECT_EQ(text(dialog, "txtZeileEnde"), QStringLiteral("30"));
}

TEST_F(ReportDesignDialogTest, OkNeedsTheRowsAndColumnsAndFillsTheRest) {
    ReportDesignDialog* dialog = openFromMenu();
    setField(dialog, QStringLiteral("txtZeileStart"), "  ");
    setField(dialog, QStringLiteral("txtZeileEnde"), "40");
    click(dialog, "cmdOK");
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.startsWith(QStringLiteral("Nicht alle erforderlichen Werte")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(stored(kFormEndRow), QStringLiteral("30"));

    setField(dialog, QStringLiteral("txtZeileStart"), "9");
    setField(dialog, QStringLiteral("txtID"), "");
    setField(dialog, QString::fromUtf8("txtKommentarl\xC3\xA4nge"), " ");
    click(dialog, "cmdOK");
    EXPECT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(text(dialog, "txtID"), kNotUsed);
    EXPECT_EQ(stored(kFormIDColum), kNotUsed);
    EXPECT_EQ(stored(kCommentLength), QStringLiteral("0"));
    EXPECT_EQ(stored(kFormStartRow), QStringLiteral("9"));
    EXPECT_EQ(stored(kZeileSpalte), QStringLiteral("-1"));
    EXPECT_EQ(stored(headerPlaceName(1, 1)), kNotUsed);
    EXPECT_EQ(stored(headerPlaceName(2, 2)), QStringLiteral("VM"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ReportDesignDialogTest, TheGridEditorMovesByKeyAndStopsAtTheEdges) {
    ReportDesignDialog* dialog = openFromMenu();
    auto* grid = in<QTableWidget>(dialog, QStringLiteral("MSFlexGrid1"));
    auto* editor = in<QLineEdit>(dialog, QStringLiteral("Text1"));
    const auto at = [&] { return std::pair{grid->currentRow(), grid->currentColumn()}; };
    ASSERT_EQ(at(), (std::pair{0, 1}));
    QTest::keyClick(editor, Qt::Key_Left);
    QTest::keyClick(editor, Qt::Key_Up);
    EXPECT_EQ(at(), (std::pair{0, 1}));
    QTest::keyClicks(editor, QStringLiteral("4"));
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(at(), (std::pair{0, 2}));
    QTest::keyClicks(editor, QStringLiteral("B"));
    QTest::keyClick(editor, Qt::Key_Right);
    EXPECT_EQ(at(), (std::pair{1, 1}));
    QTest::keyClick(editor, Qt::Key_Left);
    EXPECT_EQ(at(), (std::pair{0, 2}));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(at(), (std::pair{1, 2}));
    EXPECT_EQ(editor->text(), QStringLiteral("VM"));
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_Right);
    EXPECT_EQ(at(), (std::pair{1, 2}));
    EXPECT_EQ(editor->text(), QStringLiteral("VM"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("4"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("B"));
    EXPECT_TRUE(dialog->isVisible());  // Enter moved the editor, it did not press OK
}

TEST_F(ReportDesignDialogTest, SavesAndLoadsLayoutFilesByteForByte) {
    ReportDesignDialog* dialog = openWithFiles();
    const QString original = dir_.filePath(QStringLiteral("housing.cfg"));
    test::writeFile(original, test::twoVariableLayoutFile());
    chosenFile_ = dir_.filePath(QStringLiteral("housing"));
    click(dialog, "cmdLoad");
    EXPECT_EQ(text(dialog, "txtSpalteStart"), QStringLiteral("I-K"));
    EXPECT_EQ(text(dialog, "txtSeitenAnzahlZeile"), QStringLiteral("5"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Berichtsformat einrichten   ---   ") + original);

    chosenFile_ = dir_.filePath(QStringLiteral("copy"));
    click(dialog, "cmdSaveAs");
    EXPECT_EQ(test::readFile(chosenFile_ + QStringLiteral(".cfg")), test::twoVariableLayoutFile());
    EXPECT_EQ(session_.settings.readSetting(keys::kLastUsedConfig, QString()),
              chosenFile_ + QStringLiteral(".cfg"));
    EXPECT_TRUE(user_.messages.empty());

    // An older file has no part program or page places.
    QByteArray older = test::twoVariableLayoutFile();
    older.replace("1\r\nC\r\n2\r\nD\r\n3\r\nE\r\nT\r\n4\r\nU\r\n5\r\n", "");
    chosenFile_ = dir_.filePath(QStringLiteral("older.cfg"));
    test::writeFile(chosenFile_, older);
    click(dialog, "cmdLoad");
    for (const char* name : {"txtProgrammnameZeile", "txtZeichnungsnummerSpalte", "txtAenderungsstandZeile",
                             "txtSeitennummerSpalte", "txtSeitenAnzahlZeile"}) {
        EXPECT_EQ(text(dialog, name), kNotUsed) << name;
    }
    EXPECT_EQ(text(dialog, "txtLfdNr"), QStringLiteral("S"));
}

TEST_F(ReportDesignDialogTest, ARefusedFileChangesNothing) {
    ReportDesignDialog* dialog = openWithFiles();
    const QByteArray headerData =
        test::readFile(session_.programFolder.writable() + QStringLiteral("/HeaderData.cfg"));
    chosenFile_ = dir_.filePath(QStringLiteral("short.cfg"));
    test::writeFile(chosenFile_, test::twoVariableLayoutFile().left(40));
    click(dialog, "cmdLoad");
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.endsWith(chosenFile_));
    EXPECT_EQ(text(dialog, "txtSpalteStart"), QStringLiteral("I-K"));
    EXPECT_EQ(text(dialog, "txtID"), QStringLiteral("C"));
    EXPECT_EQ(in<QTableWidget>(dialog, QStringLiteral("MSFlexGrid1"))->rowCount(), 2);
    EXPECT_EQ(test::readFile(session_.programFolder.writable() + QStringLiteral("/HeaderData.cfg")),
              headerData);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Berichtsformat einrichten   ---   "));
}

TEST_F(ReportDesignDialogTest, TheHeaderDataDialogFromTheMainWindowRewritesListAndGrid) {
    openWindow();
    session_.headerData.assign(QStringLiteral("Machine"), QStringLiteral("CMM 3"));
    window_->showHeaderDataValues();
    child<QAction>("menuKopfdaten")->trigger();
    auto* dialog = window_->findChild<HeaderDataDialog*>(QStringLiteral("frm_Kopfdaten"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kopfdaten - KORVEX - Tabulor"));
    EXPECT_EQ(in<QPushButton>(dialog, QStringLiteral("cmdAddInList"))->text(),
              QString::fromUtf8("Hinzufügen"));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    auto* list = in<QListWidget>(dialog, QStringLiteral("lstVariables"));
    ASSERT_EQ(list->count(), 2);

    setField(dialog, QStringLiteral("txtNewVariable"), " Part no ");
    click(dialog, "cmdAddInList");
    click(dialog, "cmdRemoveFromList");  // nothing selected
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Part no"));
    list->setCurrentRow(0);
    click(dialog, "cmdRemoveFromList");
    click(dialog, "cmdOK");
    EXPECT_EQ(test::readFile(session_.programFolder.writable() + QStringLiteral("/HeaderData.cfg")),
              QByteArray("Machine\r\nPart no\r\n"));
    auto* grid = child<QTableWidget>("FlexGridKopfdaten");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral(" Machine"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("CMM 3"));
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral(" Part no"));
    EXPECT_FALSE(dialog->isVisible());

    // An emptied list empties the grid too.
    QApplication::processEvents();  // the closed dialog goes
    child<QAction>("menuKopfdaten")->trigger();
    dialog = window_->findChild<HeaderDataDialog*>(QStringLiteral("frm_Kopfdaten"));
    click(dialog, "cmdClearList");
    click(dialog, "cmdOK");
    EXPECT_EQ(test::readFile(session_.programFolder.writable() + QStringLiteral("/HeaderData.cfg")),
              QByteArray());
    EXPECT_EQ(grid->rowCount(), 0);
}

TEST_F(ReportDesignDialogTest, TheHeaderDataDialogFromTheEditorRebuildsBothGrids) {
    ReportDesignDialog* editor = openFromMenu();
    auto* grid = in<QTableWidget>(editor, QStringLiteral("MSFlexGrid1"));
    grid->item(1, 1)->setText(QStringLiteral("3"));
    click(editor, "CmdKopfSetup");
    EXPECT_FALSE(session_.headerDialogFromMainWindow);
    auto* dialog = window_->findChild<HeaderDataDialog*>(QStringLiteral("frm_Kopfdaten"));
    ASSERT_NE(dialog, nullptr);
    in<QListWidget>(dialog, QStringLiteral("lstVariables"))->setCurrentRow(0);
    click(dialog, "cmdRemoveFromList");
    setField(dialog, QStringLiteral("txtNewVariable"), "Order");
    click(dialog, "cmdAddInList");
    click(dialog, "cmdOK");
    EXPECT_TRUE(session_.headerDialogFromMainWindow);

    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral(" Machine"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("3"));
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("VM"));
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral(" Order"));
    EXPECT_EQ(grid->item(1, 1)->text(), QString());
    EXPECT_EQ(child<QTableWidget>("FlexGridKopfdaten")->item(1, 0)->text(), QStringLiteral(" Order"));
    EXPECT_TRUE(editor->isVisible());
}

}  // namespace
}  // namespace korvex
