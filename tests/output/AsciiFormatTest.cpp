#include "output/AsciiFormat.h"
#include "output/AsciiFormatSettings.h"
#include "output/TemporarySettings.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
#include "util/WriteNotation.h"

#include <gtest/gtest.h>

#include <QFile>

#include <array>

#include <sys/inotify.h>
#include <unistd.h>

namespace korvex {
namespace {

// Columns are addressed by their number 1..22 here, as the file's documentation counts them.
std::size_t column(int number) {
    return static_cast<std::size_t>(number - 1);
}

QStringList placesOf(const AsciiFormat& format) {
    return {format.places.begin(), format.places.end()};
}

TEST(AsciiFormatPlaces, ANewlyTickedColumnGoesToTheEndAndClearingClosesTheGap) {
    AsciiFormat format;
    checkColumn(format, 5);
    checkColumn(format, 0);
    checkColumn(format, 21);
    EXPECT_EQ(format.places[column(6)], QStringLiteral("1"));
    EXPECT_EQ(format.places[column(1)], QStringLiteral("2"));
    EXPECT_EQ(format.places[column(22)], QStringLiteral("3"));

    uncheckColumn(format, 5);
    EXPECT_FALSE(format.checked[column(6)]);
    EXPECT_EQ(format.places[column(6)], QString());
    EXPECT_EQ(format.places[column(1)], QStringLiteral("1"));
    EXPECT_EQ(format.places[column(22)], QStringLiteral("2"));

    checkColumn(format, 0);  // already placed: stays where it is
    EXPECT_EQ(format.places[column(1)], QStringLiteral("1"));
}

TEST(AsciiFormatPlaces, ClearingAColumnWithoutANumberLeavesTheOthers) {
    AsciiFormat format;
    format.checked[column(1)] = format.checked[column(2)] = true;
    format.places[column(1)] = QStringLiteral("x");
    format.places[column(2)] = QStringLiteral("2");
    uncheckColumn(format, 0);
    EXPECT_EQ(format.places[column(1)], QString());
    EXPECT_EQ(format.places[column(2)], QStringLiteral("2"));
    uncheckColumn(format, 3);  // never placed
    EXPECT_EQ(format.places[column(2)], QStringLiteral("2"));
}

TEST(AsciiFormatPlaces, SetAllAndClearAll) {
    AsciiFormat format;
    checkColumn(format, 9);
    checkEveryColumn(format);
    for (int number = 1; number <= kAsciiColumnCount; ++number) {
        EXPECT_TRUE(format.checked[column(number)]);
        EXPECT_EQ(format.places[column(number)], QString::number(number));
    }
    uncheckEveryColumn(format);
    EXPECT_EQ(format.checked, decltype(format.checked){});
    EXPECT_EQ(placesOf(format), QStringList(kAsciiColumnCount, QString()));
}

TEST(AsciiFormatPlaces, TickedColumnsWithoutPlaceFollowTheHighestPlace) {
    AsciiFormat format;
    format.checked[column(3)] = format.checked[column(7)] = format.checked[column(9)] = true;
    format.places[column(7)] = QStringLiteral("4");
    format.places[column(12)] = QStringLiteral("2");  // not ticked, still holds its place
    placeUnplacedColumns(format);
    EXPECT_EQ(format.places[column(3)], QStringLiteral("5"));
    EXPECT_EQ(format.places[column(9)], QStringLiteral("6"));
    EXPECT_EQ(format.places[column(7)], QStringLiteral("4"));
}

class AsciiFormatSettingsTest : public ::testing::Test {
  protected:
    test::TemporarySettings settings_;
};

TEST_F(AsciiFormatSettingsTest, TheFirstOpeningTicksAndPlacesEveryColumnAndStoresTheDefaults) {
    const AsciiFormat format = loadAsciiFormat(settings_.store());
    AsciiFormat expected;
    checkEveryColumn(expected);
    EXPECT_EQ(format, expected);
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/LAENGE")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/CSV")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/TXT")), QStringLiteral("0"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/Label1_21")), QString());
}

TEST_F(AsciiFormatSettingsTest, SavesCheckBoxesOptionsAndPlacesInTheirForms) {
    AsciiFormat format;
    checkColumn(format, 5);
    checkColumn(format, 0);
    format.delimiter = QStringLiteral(";");
    format.fileType = AsciiFileType::Txt;
    ASSERT_TRUE(saveAsciiFormat(format, settings_.store()));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/IST")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/SOLL")), QStringLiteral("0"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/ASCII")), QStringLiteral(";"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/CSV")), QStringLiteral("0"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/TXT")), QStringLiteral("-1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/Label1_5")), QStringLiteral("1"));
    EXPECT_EQ(settings_.machineValue(QStringLiteral("ASCIISettings/Label1_0")), QStringLiteral("2"));
    EXPECT_EQ(loadAsciiFormat(settings_.store()), format);
}

// Counts how often a file in a folder is replaced by a finished new version (a rename onto it).
class FileReplacements {
  public:
    explicit FileReplacements(const QString& folder) : inotify_(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(inotify_, QFile::encodeName(folder).constData(), IN_MOVED_TO);
    }
    ~FileReplacements() { close(inotify_); }
    FileReplacements(const FileReplacements&) = delete;
    FileReplacements& operator=(const FileReplacements&) = delete;

    int of(const QString& fileName) const {
        int count = 0;
        alignas(inotify_event) std::array<char, 4096> buffer{};
        ssize_t size = 0;
        while ((size = read(inotify_, buffer.data(), buffer.size())) > 0) {
            for (const char* at = buffer.data(); at < buffer.data() + size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                count += event->len > 0 && QString::fromLocal8Bit(event->name) == fileName ? 1 : 0;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return count;
    }

  private:
    int inotify_;
};

TEST_F(AsciiFormatSettingsTest, ASaveWritesTheSettingsFileOnceAndReportsARefusal) {
    ASSERT_TRUE(settings_.store().writeSetting(keys::kHeader, QStringLiteral("1")));
    AsciiFormat format;
    checkEveryColumn(format);
    const FileReplacements replacements(settings_.folder());
    ASSERT_TRUE(saveAsciiFormat(format, settings_.store()));
    EXPECT_EQ(replacements.of(QStringLiteral("machine.ini")), 1);

    const QByteArray before = test::readFile(settings_.machinePath());
    format.delimiter = QStringLiteral(";");
    {
        const test::FileSizeLimit full(0);
        EXPECT_FALSE(saveAsciiFormat(format, settings_.store()));
    }
    EXPECT_EQ(test::readFile(settings_.machinePath()), before);
    EXPECT_EQ(loadAsciiFormat(settings_.store()).delimiter, QStringLiteral(","));
}

TEST(AsciiFormatExport, HoldsFortySevenValuesInTheirOrder) {
    AsciiFormat format;
    checkColumn(format, 21);
    checkColumn(format, 19);
    format.delimiter = QStringLiteral("\t");
    NotationWriter out;
    writeAsciiFormat(format, out);
    QByteArray expected;
    for (int line = 1; line <= 19; ++line) {
        expected += "0\r\n";
    }
    expected += "\"\t\"\r\n1\r\n0\r\n1\r\n#TRUE#\r\n#FALSE#\r\n";
    for (int line = 26; line <= 44; ++line) {
        expected += "\"\"\r\n";
    }
    expected += "\"2\"\r\n\"\"\r\n\"1\"\r\n";
    EXPECT_EQ(out.encoded(AnsiCodePage::Windows1252).bytes, expected);

    NotationReader in(out.encoded(AnsiCodePage::Windows1252).bytes, AnsiCodePage::Windows1252);
    EXPECT_EQ(readAsciiFormat(in), format);
}

TEST(AsciiFormatExport, AnIncompleteFileIsNotTaken) {
    AsciiFormat format;
    checkEveryColumn(format);
    NotationWriter out;
    writeAsciiFormat(format, out);
    QByteArray bytes = out.encoded(AnsiCodePage::Windows1252).bytes;
    bytes.chop(QByteArray("\"22\"\r\n").size());
    NotationReader in(bytes, AnsiCodePage::Windows1252);
    EXPECT_FALSE(readAsciiFormat(in).has_value());
}

TEST(AsciiFormatExport, PlacesThatAreNoPlaceOrTakenTwiceAreRefused) {
    for (const char* place : {"abc", "23", "999", "-1", "5"}) {
        AsciiFormat format;
        checkEveryColumn(format);
        format.places[3] = QString::fromLatin1(place);
        NotationWriter out;
        writeAsciiFormat(format, out);
        NotationReader in(out.encoded(AnsiCodePage::Windows1252).bytes, AnsiCodePage::Windows1252);
        EXPECT_FALSE(readAsciiFormat(in).has_value()) << place;
    }
    AsciiFormat format;
    checkColumn(format, 4);
    format.places[7] = QStringLiteral("0");
    NotationWriter out;
    writeAsciiFormat(format, out);
    NotationReader in(out.encoded(AnsiCodePage::Windows1252).bytes, AnsiCodePage::Windows1252);
    EXPECT_EQ(readAsciiFormat(in), format);
}

}  // namespace
}  // namespace korvex
