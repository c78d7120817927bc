#include "settings/SettingsStore.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <array>

namespace korvex {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    QString machinePath() const { return dir_.filePath(QStringLiteral("machine/KORVEX_Tabulor.ini")); }
    QString userPath() const { return dir_.filePath(QStringLiteral("user/KORVEX_Tabulor.ini")); }
    SettingsStore store() const { return SettingsStore({machinePath(), userPath()}); }
    // A place no one can write to, not even root: its folder would have to be made below a file.
    QString unwritablePath() const {
        test::writeFile(dir_.filePath(QStringLiteral("plain-file")), "x");
        return dir_.filePath(QStringLiteral("plain-file/KORVEX_Tabulor.ini"));
    }
    static QString stored(const QString& file, const QString& key) {
        return QSettings(file, QSettings::IniFormat).value(key).toString();
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsStoreTest, AMissingValueIsStoredWithTheFirstReadersDefault) {
    const SettingsStore settings = store();
    EXPECT_EQ(settings.readSetting(keys::kMultiLine, QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(settings.readSetting(keys::kMultiLine, QStringLiteral("1")), QStringLiteral("0"));
    EXPECT_EQ(stored(machinePath(), QStringLiteral("ProgSettings/MultiLine")), QStringLiteral("0"));
    EXPECT_FALSE(settings.peekSetting(keys::kTolProzent).has_value());
}

TEST_F(SettingsStoreTest, ValuesDirectlyUnderTheRootAndInSectionsAreKeptApart) {
    const SettingsStore settings = store();
    ASSERT_TRUE(settings.writeSetting(keys::kZozadRegel, QStringLiteral("TRUE")));
    ASSERT_TRUE(settings.writeSetting(keys::kDir, QStringLiteral("C:\\Results\\Part 1, left")));
    EXPECT_EQ(settings.readSetting(keys::kZozadRegel, QStringLiteral("FALSE")), QStringLiteral("TRUE"));
    EXPECT_EQ(settings.readSetting(keys::kDir, QString()), QStringLiteral("C:\\Results\\Part 1, left"));
}

TEST_F(SettingsStoreTest, FreshStartStoresThePerUserSwitchAtItsPerUserPath) {
    SettingsStore settings = store();
    settings.chooseRootFromUserSwitch();
    EXPECT_EQ(settings.root(), SettingsRoot::MachineWide);
    EXPECT_EQ(stored(userPath(), QStringLiteral("CurrentUser")), QStringLiteral("False"));
    EXPECT_EQ(stored(machinePath(), QStringLiteral("CurrentUser")), QString());
}

TEST_F(SettingsStoreTest, ThePerUserSwitchIsTrueInAnyCaseButNotOne) {
    for (const auto& [text, root] : {std::pair{"true", SettingsRoot::PerUser},
                                     {"TRUE", SettingsRoot::PerUser},
                                     {"1", SettingsRoot::MachineWide},
                                     {"yes", SettingsRoot::MachineWide}}) {
        QSettings(userPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("CurrentUser"), QString::fromLatin1(text));
        SettingsStore settings = store();
        settings.chooseRootFromUserSwitch();
        EXPECT_EQ(settings.root(), root) << text;
    }
    // The switch is read at the per-user path even while the per-user root is current.
    QSettings(userPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("CurrentUser"), QStringLiteral("TRUE"));
    SettingsStore settings = store();
    settings.setRoot(SettingsRoot::PerUser);
    settings.chooseRootFromUserSwitch();
    EXPECT_EQ(settings.root(), SettingsRoot::PerUser);
    EXPECT_EQ(settings.readSetting(keys::kLanguage, QStringLiteral("German")), QStringLiteral("German"));
    EXPECT_EQ(stored(userPath(), QStringLiteral("LanguageSettings/Language")), QStringLiteral("German"));
}

TEST_F(SettingsStoreTest, ValuesWrittenByHandAreReadAsTheirText) {
    test::writeFile(machinePath(), "[ProgSettings]\nTOP=120\nLEFT=-4.5\n[FileSettings]\nDIR=a,b\n");
    const SettingsStore settings = store();
    EXPECT_EQ(settings.readSetting(keys::kTop, QStringLiteral("1")), QStringLiteral("120"));
    EXPECT_EQ(settings.readSetting(keys::kLeft, QStringLiteral("1")), QStringLiteral("-4.5"));
    EXPECT_EQ(settings.readSetting(keys::kDir, QString()), QStringLiteral("a,b"));
}

TEST_F(SettingsStoreTest, AnUnwritableRootBehavesAsIfEveryValueHadItsDefault) {
    const SettingsStore settings({unwritablePath(), userPath()});
    EXPECT_EQ(settings.readSetting(keys::kHeader, QStringLiteral("1")), QStringLiteral("1"));
    EXPECT_FALSE(settings.writeSetting(keys::kHeader, QStringLiteral("0")));
    EXPECT_EQ(settings.readSetting(keys::kHeader, QStringLiteral("1")), QStringLiteral("1"));
}

TEST_F(SettingsStoreTest, AReadOnlyMachineWideRootKeepsTheUsersChangesBesideThePerUserFile) {
    const QString changes = dir_.filePath(QStringLiteral("user/KORVEX_Tabulor.machine.ini"));
    SettingsStore settings({unwritablePath(), userPath(), changes});
    EXPECT_TRUE(settings.keepsMachineWideChangesPerUser());

    // Defaults are not kept: a value the administrator sets later must still reach this user.
    EXPECT_EQ(settings.readSetting(keys::kLanguage, QStringLiteral("German")), QStringLiteral("German"));
    EXPECT_FALSE(QFile::exists(changes));

    ASSERT_TRUE(settings.writeSetting(keys::kLanguage, QStringLiteral("English")));
    EXPECT_EQ(settings.readSetting(keys::kLanguage, QStringLiteral("German")), QStringLiteral("English"));
    EXPECT_EQ(stored(changes, QStringLiteral("LanguageSettings/Language")), QStringLiteral("English"));
    EXPECT_EQ(stored(userPath(), QStringLiteral("LanguageSettings/Language")), QString());

    // The per-user root is not touched by it.
    settings.setRoot(SettingsRoot::PerUser);
    EXPECT_EQ(settings.readSetting(keys::kLanguage, QStringLiteral("German")), QStringLiteral("German"));
}

TEST_F(SettingsStoreTest, AWritableMachineWideRootTakesTheChangesItself) {
    const QString changes = dir_.filePath(QStringLiteral("user/KORVEX_Tabulor.machine.ini"));
    test::writeFile(changes, "[LanguageSettings]\nLanguage=Czech\n");
    const SettingsStore settings({machinePath(), userPath(), changes});
    EXPECT_FALSE(settings.keepsMachineWideChangesPerUser());
    EXPECT_EQ(settings.readSetting(keys::kLanguage, QStringLiteral("German")), QStringLiteral("German"));
    ASSERT_TRUE(settings.writeSetting(keys::kLanguage, QStringLiteral("English")));
    EXPECT_EQ(stored(machinePath(), QStringLiteral("LanguageSettings/Language")), QStringLiteral("English"));
    EXPECT_EQ(stored(changes, QStringLiteral("LanguageSettings/Language")), QStringLiteral("Czech"));
}

// Root may write every file, so only an ordinary user sees an administrator's read-only file.
TEST_F(SettingsStoreTest, TheUsersChangesStandBeforeTheReadOnlyMachineWideValues) {
    test::writeFile(machinePath(), "[LanguageSettings]\nLanguage=English\n[ProgSettings]\nTOP=120\n");
    QFile(machinePath()).setPermissions(QFileDevice::ReadOwner);
    const QString changes = dir_.filePath(QStringLiteral("user/KORVEX_Tabulor.machine.ini"));
    const SettingsStore settings({machinePath(), userPath(), changes});
    if (!settings.keepsMachineWideChangesPerUser()) {
        GTEST_SKIP() << "the file stays writable for this user";
    }
    ASSERT_TRUE(settings.writeSetting(keys::kTop, QStringLiteral("80")));
    EXPECT_EQ(settings.readSetting(keys::kTop, QStringLiteral("1")), QStringLiteral("80"));
    EXPECT_EQ(settings.readSetting(keys::kLanguage, QStringLiteral("German")), QStringLiteral("English"));
}

TEST_F(SettingsStoreTest, ARefusedWriteChangesNothingElse) {
    const QByteArray content = "[ProgSettings]\nTolProzent=50\nTOP=7\n";
    test::writeFile(machinePath(), content);
    const SettingsStore settings = store();
    {
        const test::FileSizeLimit full(0);
        EXPECT_EQ(settings.readSetting(keys::kHeader, QStringLiteral("0")), QStringLiteral("0"));
        EXPECT_EQ(settings.readSetting(keys::kTolProzent, QStringLiteral("80")), QStringLiteral("50"));
        EXPECT_FALSE(settings.peekSetting(keys::kHeader).has_value()) << "the unwritten default is not kept";
        EXPECT_FALSE(settings.writeSettings(std::array{SettingValue{keys::kTop, QStringLiteral("12345")},
                                                       SettingValue{keys::kLeft, QStringLiteral("9")}}));
        EXPECT_EQ(settings.peekSetting(keys::kTop), QStringLiteral("7"));
        EXPECT_FALSE(settings.peekSetting(keys::kLeft).has_value());
    }
    EXPECT_EQ(test::readFile(machinePath()), content);
    // Once the disk has room again, only what is written then is stored.
    ASSERT_TRUE(settings.writeSetting(keys::kMultiLine, QStringLiteral("1")));
    EXPECT_EQ(stored(machinePath(), QStringLiteral("ProgSettings/TOP")), QStringLiteral("7"));
    EXPECT_EQ(stored(machinePath(), QStringLiteral("ProgSettings/HEADER")), QString());
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsNeverWrittenOver) {
    QByteArray utf16("\xff\xfe");
    for (const QChar ch : QStringLiteral("[ProgSettings]\r\nHEADER=1\r\n")) {
        utf16.append(static_cast<char>(ch.unicode() & 0xff)).append('\0');
    }
    test::writeFile(machinePath(), utf16);
    const SettingsStore settings = store();
    EXPECT_EQ(settings.readSetting(keys::kMultiLine, QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_FALSE(settings.writeSetting(keys::kHeader, QStringLiteral("0")));
    EXPECT_EQ(test::readFile(machinePath()), utf16);
}

TEST_F(SettingsStoreTest, ValuesWrittenTogetherAreStoredTogether) {
    const SettingsStore settings = store();
    ASSERT_TRUE(settings.writeSettings(std::array{SettingValue{keys::kTop, QStringLiteral("3")},
                                                  SettingValue{keys::kDir, QStringLiteral("/r")}}));
    EXPECT_EQ(stored(machinePath(), QStringLiteral("ProgSettings/TOP")), QStringLiteral("3"));
    EXPECT_EQ(stored(machinePath(), QStringLiteral("FileSettings/DIR")), QStringLiteral("/r"));
}

TEST_F(SettingsStoreTest, SettingsLocationsFollowTheEnvironment) {
    qputenv(kMachineSettingsVariable, machinePath().toUtf8());
    qputenv(kUserSettingsVariable, userPath().toUtf8());
    const SettingsLocations locations = SettingsLocations::fromEnvironment();
    qunsetenv(kMachineSettingsVariable);
    qunsetenv(kUserSettingsVariable);
    EXPECT_EQ(locations.machineWide, machinePath());
    EXPECT_EQ(locations.perUser, userPath());
    EXPECT_EQ(locations.machineWideChanges, dir_.filePath(QStringLiteral("user/KORVEX_Tabulor.machine.ini")));
}

}  // namespace
}  // namespace korvex
