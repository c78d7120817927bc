#include "app/window/output/AsciiSetupDialog.h"
#include "app/window/output/OutputFileSetupDialog.h"
#include "app/window/output/SelectFolderDialog.h"
#include "output/TemporarySettings.h"
#include "support/RecordingUserInteraction.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace korvex {
namespace {

// Language tables whose entries read "<table> <entry>", for the dialogs' tables.
LanguageTables namedLanguage() {
    LanguageTables language;
    for (const auto& [table, name, last] : {std::tuple(LanguageTable::AsciiFileSetup, "Ascii", 36),
                                            std::tuple(LanguageTable::OutputFileSetup, "Output", 29),
                                            std::tuple(LanguageTable::SelectOutputFolder, "Folder", 6),
                                            std::tuple(LanguageTable::MainWindow, "Main", 74),
                                            std::tuple(LanguageTable::MessageBoxen, "MessageBoxen", 49),
                                            std::tuple(LanguageTable::Version210, "V210", 2)}) {
        language.beginSection(table, headerLineOf(table));
        for (int entry = 2; entry <= last; ++entry) {
            language.appendEntry(table, QStringLiteral("%1 %2").arg(QLatin1StringView(name)).arg(entry));
        }
    }
    return language;
}

class OutputDialogsTest : public ::testing::Test {
  protected:
    OutputDialogContext context() {
        return {settings_.store(), language_, user_, ProgramFolder(programFolder_.path())};
    }

    template <typename Widget>
    static Widget& control(const QWidget& dialog, const QString& name) {
        auto* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << qPrintable(name);
        return *widget;
    }
    static void click(const QWidget& dialog, const QString& name) {
        control<QAbstractButton>(dialog, name).click();
    }

    test::TemporarySettings settings_;
    QTemporaryDir programFolder_;
    LanguageTables language_ = namedLanguage();
    test::RecordingUserInteraction user_;
};

class AsciiSetupDialogTest : public OutputDialogsTest {
  protected:
    static QString place(const QWidget& dialog, int column) {
        return control<QLabel>(dialog, QStringLiteral("Label1_%1").arg(column)).text();
    }
    static bool isChecked(const QWidget& dialog, int column) {
        return control<QCheckBox>(dialog, QStringLiteral("Check1_%1").arg(column)).isChecked();
    }
    static void clickColumn(const QWidget& dialog, int column) {
        click(dialog, QStringLiteral("Check1_%1").arg(column));
    }
};

TEST_F(AsciiSetupDialogTest, OpensWithEveryColumnPlacedAndItsCaptions) {
    const AsciiSetupDialog dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ascii 2"));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(control<QCheckBox>(dialog, QStringLiteral("Check1_0")).text(), QStringLiteral("Ascii 4"));
    EXPECT_EQ(control<QCheckBox>(dialog, QStringLiteral("Check1_21")).text(), QStringLiteral("Ascii 25"));
    EXPECT_EQ(control<QPushButton>(dialog, QStringLiteral("cmdImport")).text(), QStringLiteral("Ascii 36"));
    EXPECT_EQ(control<QRadioButton>(dialog, QStringLiteral("optCSV")).text(), QStringLiteral("Ascii 31"));
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        EXPECT_TRUE(isChecked(dialog, column));
        EXPECT_EQ(place(dialog, column), QString::number(column + 1));
    }
    EXPECT_TRUE(control<QRadioButton>(dialog, QStringLiteral("optCSV")).isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog, QStringLiteral("txt_ASCII")).text(), QStringLiteral(","));
}

TEST_F(AsciiSetupDialogTest, TickingAndClearingNumbersThePlaces) {
    const AsciiSetupDialog dialog(context());
    click(dialog, QStringLiteral("cmd_AUS"));
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        EXPECT_FALSE(isChecked(dialog, column));
        EXPECT_EQ(place(dialog, column), QString());
    }
    clickColumn(dialog, 5);
    clickColumn(dialog, 0);
    clickColumn(dialog, 21);
    EXPECT_EQ(place(dialog, 5), QStringLiteral("1"));
    EXPECT_EQ(place(dialog, 0), QStringLiteral("2"));
    EXPECT_EQ(place(dialog, 21), QStringLiteral("3"));
    clickColumn(dialog, 5);
    EXPECT_FALSE(isChecked(dialog, 5));
    EXPECT_EQ(place(dialog, 5), QString());
    EXPECT_EQ(place(dialog, 0), QStringLiteral("1"));
    EXPECT_EQ(place(dialog, 21), QStringLiteral("2"));

    click(dialog, QStringLiteral("cmd_EIN"));
    EXPECT_EQ(place(dialog, 5), QStringLiteral("6"));
    EXPECT_EQ(place(dialog, 21), QStringLiteral("22"));
}

TEST_F(AsciiSetupDialogTest, OkStoresTheFormatAndCancelDropsIt) {
    {
        AsciiSetupDialog dialog(context());
        click(dialog, QStringLiteral("cmd_AUS"));
        clickColumn(dialog, 20);
        control<QLineEdit>(dialog, QStringLiteral("txt_ASCII")).clear();
        click(dialog, QStringLiteral("CancelButton"));
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/Label1_20")), QString());

    AsciiSetupDialog dialog(context());
    click(dialog, QStringLiteral("cmd_AUS"));
    clickColumn(dialog, 20);
    QTest::keyClicks(&control<QLineEdit>(dialog, QStringLiteral("txt_ASCII")), QStringLiteral(";"));
    click(dialog, QStringLiteral("optTXT"));
    click(dialog, QStringLiteral("OKButton"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/Label1_20")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/TYPE")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/ID")), QStringLiteral("0"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/ASCII")), QStringLiteral(",;"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/TXT")), QStringLiteral("-1"));
}

TEST_F(AsciiSetupDialogTest, AnExportImportsBackToTheSameDialog) {
    const AsciiSetupDialog dialog(context());
    click(dialog, QStringLiteral("cmd_AUS"));
    clickColumn(dialog, 9);
    clickColumn(dialog, 2);
    click(dialog, QStringLiteral("optTXT"));
    const AsciiFormat exported = dialog.format();
    click(dialog, QStringLiteral("cmdExport"));
    ASSERT_TRUE(QFile::exists(programFolder_.filePath(QStringLiteral("ASCII_Settings.cfg"))));

    click(dialog, QStringLiteral("cmd_EIN"));
    click(dialog, QStringLiteral("optCSV"));
    click(dialog, QStringLiteral("cmdImport"));
    EXPECT_EQ(dialog.format(), exported);
    EXPECT_EQ(place(dialog, 9), QStringLiteral("1"));
    EXPECT_EQ(place(dialog, 2), QStringLiteral("2"));
    EXPECT_TRUE(control<QRadioButton>(dialog, QStringLiteral("optTXT")).isChecked());
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(AsciiSetupDialogTest, AMissingImportFileIsToldAndChangesNothing) {
    const AsciiSetupDialog dialog(context());
    clickColumn(dialog, 3);
    const AsciiFormat before = dialog.format();
    click(dialog, QStringLiteral("cmdImport"));
    EXPECT_EQ(dialog.format(), before);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages.front().text, QStringLiteral("MessageBoxen 2\r\nMessageBoxen 3"));
}

class OutputFileSetupDialogTest : public OutputDialogsTest {};

TEST_F(OutputFileSetupDialogTest, OpensWithItsCaptionsListsAndStoredValues) {
    const OutputFileSetupDialog dialog(context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("V210 2"));
    EXPECT_EQ(control<QWidget>(dialog, QStringLiteral("Frame1")).property("title"),
              QStringLiteral("Output 2"));
    EXPECT_EQ(control<QCheckBox>(dialog, QStringLiteral("chkZozadRegel")).text(),
              QStringLiteral("Output 19"));
    EXPECT_EQ(control<QLabel>(dialog, QStringLiteral("Label2")).text(), QStringLiteral("Output 26"));
    const auto& third = control<QComboBox>(dialog, QStringLiteral("comboFileName3"));
    ASSERT_EQ(third.count(), 4);
    EXPECT_EQ(third.itemText(3), QStringLiteral("Output 24"));
    EXPECT_EQ(control<QComboBox>(dialog, QStringLiteral("comboFileName1")).count(), 2);
    EXPECT_EQ(control<QComboBox>(dialog, QStringLiteral("comboSeperator")).currentText(),
              QStringLiteral("__"));
    EXPECT_EQ(control<QLabel>(dialog, QStringLiteral("Label_Verzeichnis")).text(),
              QDir::toNativeSeparators(programFolder_.path()));
    EXPECT_TRUE(control<QCheckBox>(dialog, QStringLiteral("chkUseHeaderData")).isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog, QStringLiteral("txtTolProzent")).text(), QStringLiteral("90"));
    EXPECT_EQ(control<QLabel>(dialog, QStringLiteral("LabelFileKind")).text(), QStringLiteral("Output 27"));
    const auto& kind = control<QComboBox>(dialog, QStringLiteral("comboFileKind"));
    ASSERT_EQ(kind.count(), 2);
    EXPECT_EQ(kind.currentText(), QStringLiteral("Output 28"));
    EXPECT_EQ(kind.itemText(1), QStringLiteral("Output 29"));
}

TEST_F(OutputFileSetupDialogTest, OnlyTheFixedFolderOptionEnablesTheFolderLists) {
    const OutputFileSetupDialog dialog(context());
    const auto& drive = control<QComboBox>(dialog, QStringLiteral("Drive_Ergebnis"));
    const auto& folder = control<QTreeView>(dialog, QStringLiteral("Dir_Ergebnis"));
    EXPECT_TRUE(drive.isEnabled());
    click(dialog, QStringLiteral("optUsePartProgramFolder"));
    EXPECT_FALSE(drive.isEnabled());
    EXPECT_FALSE(folder.isEnabled());
    EXPECT_FALSE(control<QLabel>(dialog, QStringLiteral("Label_Verzeichnis")).isEnabled());
    click(dialog, QStringLiteral("optSelectedFolder"));
    EXPECT_FALSE(drive.isEnabled());
    click(dialog, QStringLiteral("optUseDefaultFolder"));
    EXPECT_TRUE(folder.isEnabled());
}

TEST_F(OutputFileSetupDialogTest, OkStoresTheValuesAndSwitchesTheHeaderData) {
    OutputFileSetupDialog dialog(context());
    QSignalSpy switched(&dialog, &OutputFileSetupDialog::headerDataSwitched);
    click(dialog, QStringLiteral("chkUseHeaderData"));
    click(dialog, QStringLiteral("chkZozadRegel"));
    control<QComboBox>(dialog, QStringLiteral("comboFileName4")).setCurrentIndex(2);
    control<QComboBox>(dialog, QStringLiteral("comboFileKind")).setCurrentIndex(1);
    click(dialog, QStringLiteral("OKButton"));
    ASSERT_EQ(switched.size(), 1);
    EXPECT_EQ(switched.front().front().toBool(), false);
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ProgSettings/HEADER")), QStringLiteral("0"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ZozadRegel")), QStringLiteral("TRUE"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/FileName4")), QStringLiteral("2"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/FileKind")), QStringLiteral("1"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(OutputFileSetupDialogTest, AnExportImportsBackExceptTheToleranceRule) {
    const OutputFileSetupDialog dialog(context());
    click(dialog, QStringLiteral("optSelectedFolder"));
    click(dialog, QStringLiteral("chkFileCounter"));
    click(dialog, QStringLiteral("chkMinimize"));
    control<QComboBox>(dialog, QStringLiteral("comboFileName2")).setCurrentIndex(3);
    control<QComboBox>(dialog, QStringLiteral("comboSeperator")).setCurrentIndex(5);
    control<QLineEdit>(dialog, QStringLiteral("txtTolProzent")).setText(QStringLiteral("80"));
    control<QComboBox>(dialog, QStringLiteral("comboFileKind")).setCurrentIndex(1);
    const OutputFileSettings exported = dialog.values();
    click(dialog, QStringLiteral("cmdExport"));

    click(dialog, QStringLiteral("optUseDefaultFolder"));
    click(dialog, QStringLiteral("chkFileCounter"));
    click(dialog, QStringLiteral("chkZozadRegel"));
    control<QLineEdit>(dialog, QStringLiteral("txtTolProzent")).setText(QStringLiteral("70"));
    control<QComboBox>(dialog, QStringLiteral("comboFileKind")).setCurrentIndex(0);
    click(dialog, QStringLiteral("cmdImport"));

    OutputFileSettings expected = exported;
    expected.zozadRegel = true;
    EXPECT_EQ(dialog.values(), expected);
    EXPECT_FALSE(control<QComboBox>(dialog, QStringLiteral("Drive_Ergebnis")).isEnabled());
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(OutputDialogsTest, SelectFolderStoresTheFolderBeforeTheFileIsWritten) {
    ASSERT_TRUE(settings_.store().writeSetting(keys::kDir, programFolder_.path()));
    SelectFolderDialog dialog(context());
    QSignalSpy confirmed(&dialog, &SelectFolderDialog::folderConfirmed);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Folder 2"));
    EXPECT_EQ(control<QPushButton>(dialog, QStringLiteral("cmdOK")).toolTip(), QStringLiteral("Folder 4"));
    EXPECT_EQ(dialog.folder(), QDir::toNativeSeparators(programFolder_.path()));
    click(dialog, QStringLiteral("cmdCancel"));
    EXPECT_TRUE(confirmed.isEmpty());

    SelectFolderDialog again(context());
    QSignalSpy confirmedAgain(&again, &SelectFolderDialog::folderConfirmed);
    click(again, QStringLiteral("cmdOK"));
    EXPECT_EQ(confirmedAgain.size(), 1);
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/DIR")),
              QDir::toNativeSeparators(programFolder_.path()));
    EXPECT_FALSE(settings_.machineValue(QStringLiteral("FileSettings/DRIVE")).isEmpty());
}

}  // namespace
}  // namespace korvex
