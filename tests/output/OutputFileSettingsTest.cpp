#include "output/OutputFileSettings.h"
#include "output/TemporarySettings.h"
#include "util/WriteNotation.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvex {
namespace {

class OutputFileSettingsTest : public ::testing::Test {
  protected:
    static OutputFileSettings sample() {
        return {.drive = QStringLiteral("/media/usb"),
                .folder = QStringLiteral("/media/usb/Results, left"),
                .naming = {.codes = {1, 3, 0, 2, 1}, .separatorCode = 4, .useCounter = true},
                .folderChoice = OutputFolderChoice::AskBeforeOutput,
                .zozadRegel = true,
                .useHeaderData = false,
                .multiLine = true,
                .tolProzent = QStringLiteral("85"),
                .currentUser = false,
                .minimize = true,
                .fileKind = ResultFileKind::Dfq};
    }

    test::TemporarySettings settings_;
};

TEST_F(OutputFileSettingsTest, TheFirstOpeningStoresTheDialogsDefaults) {
    const QString programFolder = settings_.folder();
    const OutputFileSettings values = loadOutputFileSettings(settings_.store(), programFolder);
    EXPECT_EQ(values.folder, programFolder);
    EXPECT_EQ(values.drive, driveOf(programFolder));
    EXPECT_EQ(values.naming.codes, (std::array<int, 5>{0, 1, 1, 1, 1}));
    EXPECT_EQ(values.naming.separatorCode, 1);
    EXPECT_EQ(values.folderChoice, OutputFolderChoice::FixedFolder);
    EXPECT_TRUE(values.useHeaderData);
    EXPECT_TRUE(values.multiLine);
    EXPECT_EQ(values.tolProzent, QStringLiteral("90"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ProgSettings/MultiLine")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/DefaultFolder")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ZozadRegel")), QStringLiteral("FALSE"));
}

TEST_F(OutputFileSettingsTest, SavesEveryValueInItsFormAndReadsItBack) {
    ASSERT_TRUE(saveOutputFileSettings(sample(), settings_.store()));
    EXPECT_EQ(settings_.store().root(), SettingsRoot::MachineWide);
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/SelectFolder")), QStringLiteral("-1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/PartProgFolder")), QStringLiteral("0"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/DefaultFolder")), QStringLiteral("0"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/FileName4")), QStringLiteral("2"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/FileCounter")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ProgSettings/HEADER")), QStringLiteral("0"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ZozadRegel")), QStringLiteral("TRUE"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("CurrentUser")), QStringLiteral("FALSE"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/FileKind")), QStringLiteral("1"));
    EXPECT_EQ(readResultFileKind(settings_.store()), ResultFileKind::Dfq);
    EXPECT_EQ(loadOutputFileSettings(settings_.store(), settings_.folder()), sample());
}

TEST_F(OutputFileSettingsTest, ThePerUserSwitchMovesTheRootBeforeAnythingIsStored) {
    OutputFileSettings values = sample();
    values.currentUser = true;
    ASSERT_TRUE(saveOutputFileSettings(values, settings_.store()));
    EXPECT_EQ(settings_.store().root(), SettingsRoot::PerUser);
    EXPECT_EQ(settings_.userValue(QStringLiteral("CurrentUser")), QStringLiteral("TRUE"));
    EXPECT_EQ(settings_.userValue(QStringLiteral("FileSettings/DIR")), values.folder);
    EXPECT_EQ(settings_.machineValue(QStringLiteral("FileSettings/DIR")), QString());
}

TEST_F(OutputFileSettingsTest, TheFolderOptionSetLastWins) {
    ASSERT_TRUE(settings_.store().writeSetting(keys::kSelectFolder, QStringLiteral("-1")));
    ASSERT_TRUE(settings_.store().writeSetting(keys::kPartProgFolder, QStringLiteral("-1")));
    ASSERT_TRUE(settings_.store().writeSetting(keys::kDefaultFolder, QStringLiteral("0")));
    EXPECT_EQ(loadOutputFileSettings(settings_.store(), settings_.folder()).folderChoice,
              OutputFolderChoice::PartProgramFolder);
}

TEST(OutputFileSettingsExport, HoldsEighteenValuesWithoutTheToleranceRule) {
    NotationWriter out;
    OutputFileSettings values{.drive = QStringLiteral("C:/"), .folder = QStringLiteral("C:/Results")};
    values.naming = {.codes = {0, 3, 0, 1, 0}, .separatorCode = 2, .useCounter = false};
    values.zozadRegel = true;
    values.fileKind = ResultFileKind::Dfq;
    writeOutputFileSettings(values, out);
    EXPECT_EQ(out.encoded(AnsiCodePage::Windows1252).bytes,
              QByteArray("\"C:/\"\r\n\"C:/Results\"\r\n#FALSE#\r\n0\r\n3\r\n0\r\n1\r\n0\r\n2\r\n"
                         "1\r\n0\r\n#FALSE#\r\n1\r\n#TRUE#\r\n\"90\"\r\n\"FALSE\"\r\n0\r\n1\r\n"));

    OutputFileSettings current;
    current.zozadRegel = false;
    NotationReader in(out.encoded(AnsiCodePage::Windows1252).bytes, AnsiCodePage::Windows1252);
    OutputFileSettings expected = values;
    expected.zozadRegel = false;
    EXPECT_EQ(readOutputFileSettings(in, current), expected);
}

TEST(OutputFileSettingsExport, AFileOfFourteenValuesGivesTheDefaultInterventionLimit) {
    const QByteArray fourteen(
        "\"/\"\r\n\"/data\"\r\n#TRUE#\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n#FALSE#\r\n0\r\n"
        "#FALSE#\r\n");
    OutputFileSettings current;
    current.tolProzent = QStringLiteral("75");
    current.minimize = true;
    NotationReader in(fourteen, AnsiCodePage::Windows1252);
    const auto values = readOutputFileSettings(in, current);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->tolProzent, QStringLiteral("90"));
    EXPECT_EQ(values->folderChoice, OutputFolderChoice::PartProgramFolder);
    EXPECT_TRUE(values->minimize);
    EXPECT_EQ(values->folder, QStringLiteral("/data"));

    NotationReader shorter(fourteen.left(fourteen.lastIndexOf("#FALSE#")), AnsiCodePage::Windows1252);
    EXPECT_FALSE(readOutputFileSettings(shorter, current).has_value());
}

TEST(OutputFileSettingsExport, AFileWithValuesTheOutputCannotUseIsRefused) {
    const auto exported = [](const std::function<void(OutputFileSettings&)>& change) {
        OutputFileSettings values{.drive = QStringLiteral("/"), .folder = QStringLiteral("/data")};
        change(values);
        NotationWriter out;
        writeOutputFileSettings(values, out);
        NotationReader in(out.encoded(AnsiCodePage::Windows1252).bytes, AnsiCodePage::Windows1252);
        return readOutputFileSettings(in, OutputFileSettings{}).has_value();
    };
    EXPECT_TRUE(exported([](OutputFileSettings& values) { values.naming.codes = {1, 3, 3, 2, 1}; }));
    EXPECT_FALSE(exported([](OutputFileSettings& values) { values.naming.codes[0] = 2; }));
    EXPECT_FALSE(exported([](OutputFileSettings& values) { values.naming.codes[1] = 99; }));
    EXPECT_FALSE(exported([](OutputFileSettings& values) { values.naming.codes[4] = -5; }));
    EXPECT_FALSE(exported([](OutputFileSettings& values) { values.naming.separatorCode = 77; }));
    EXPECT_FALSE(exported([](OutputFileSettings& values) { values.folder.clear(); }));
    EXPECT_FALSE(exported([](OutputFileSettings& values) { values.folder = QStringLiteral("  "); }));
    EXPECT_FALSE(exported([](OutputFileSettings& values) { values.fileKind = static_cast<ResultFileKind>(2); }));
}

TEST(OutputFileSettingsExport, AFileOfAnEarlierVersionKeepsTheFileKind) {
    const QByteArray seventeen(
        "\"/\"\r\n\"/data\"\r\n#FALSE#\r\n0\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n0\r\n#FALSE#\r\n1\r\n"
        "#TRUE#\r\n\"90\"\r\n\"FALSE\"\r\n0\r\n");
    OutputFileSettings current;
    current.fileKind = ResultFileKind::Dfq;
    NotationReader in(seventeen, AnsiCodePage::Windows1252);
    const auto values = readOutputFileSettings(in, current);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->fileKind, ResultFileKind::Dfq);
}

}  // namespace
}  // namespace korvex
