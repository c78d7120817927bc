#include "output/AsciiOutputFixture.h"
#include "output/SettingsExchange.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

using Places = std::array<int, kAsciiColumnCount>;

constexpr Places kEveryColumnInOrder = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                        12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};

const QString kCzech = QStringLiteral("Otvor – přední čelo");
const QString kHungarian = QStringLiteral("Furat hőmérő űrtartalom");

// Files written in the active language's code page: what it holds arrives intact, what it cannot
// hold becomes '?' and is named to the user once.
class CodePageOutputTest : public test::AsciiOutputFixture {
  protected:
    CodePageOutputTest() {
        storeLayout(kEveryColumnInOrder, QStringLiteral(";"), true);
        tables_.comment(1)->setLine(2, kCzech);
        tables_.comment(3)->setLine(2, kHungarian);
        headerData_.assign(QStringLiteral("Serial"), QStringLiteral("Ø 8 H7"));
        store(keys::kHeader, QStringLiteral("1"));
    }

    QString writtenText(AnsiCodePage codePage) const {
        return decodeAnsi(test::readFile(outputPath(QStringLiteral("csv"))), codePage);
    }

    QString warning() const {
        return user_.messages.size() == 1 && user_.messages.front().icon == MessageIcon::Warning
                   ? user_.messages.front().text
                   : QString();
    }
};

TEST_F(CodePageOutputTest, CentralEuropeanTextReachesTheResultFileIntact) {
    language_.setCodePage(AnsiCodePage::Windows1250);
    ASSERT_TRUE(writeAsciiFile(sources(), context()));

    const QString text = writtenText(AnsiCodePage::Windows1250);
    EXPECT_TRUE(text.contains(kCzech));
    EXPECT_TRUE(text.contains(kHungarian));
    EXPECT_TRUE(text.contains(QStringLiteral("Toleranzüberschreitung"))) << "the fixed title line";
    EXPECT_TRUE(text.contains(QStringLiteral("Serial;? 8 H7\r\n")));
    EXPECT_EQ(warning(), QStringLiteral("MessageBoxen 90\r\nØ\r\nMessageBoxen 91 Windows-1250"));
    EXPECT_EQ(user_.statusTexts.last(), QStringLiteral("StatusBar 10"));
}

TEST_F(CodePageOutputTest, AWesternCodePageNamesEveryLetterItHadToReplace) {
    ASSERT_TRUE(writeAsciiFile(sources(), context()));

    const QString text = writtenText(AnsiCodePage::Windows1252);
    EXPECT_TRUE(text.contains(QStringLiteral("Otvor – p?ední ?elo")));
    EXPECT_TRUE(text.contains(QStringLiteral("Serial;Ø 8 H7\r\n")));
    EXPECT_EQ(warning(), QStringLiteral("MessageBoxen 90\r\nř č ő ű\r\nMessageBoxen 91 Windows-1252"));
}

TEST_F(CodePageOutputTest, SettingsExportsAreReadBackInTheSameCodePage) {
    language_.setCodePage(AnsiCodePage::Windows1250);
    const QString path = programFolder_.filePath(kAsciiSettingsFile.toString());
    NotationWriter out;
    out.writeText(kCzech + u' ' + kHungarian);
    ASSERT_TRUE(exportSettingsFile(out, path, language_, user_));
    EXPECT_TRUE(user_.messages.empty());

    const auto readBack = importSettingsFile<QString>(
        path, [](NotationReader& in) { return std::optional(in.readText()); }, language_, user_);
    EXPECT_EQ(readBack, kCzech + u' ' + kHungarian);

    NotationWriter western;
    western.writeText(QStringLiteral("Ø ∅"));
    ASSERT_TRUE(exportSettingsFile(western, path, language_, user_));
    EXPECT_EQ(test::readFile(path), QByteArray("\"? ?\"\r\n"));
    EXPECT_EQ(warning(), QStringLiteral("MessageBoxen 90\r\nØ ∅\r\nMessageBoxen 91 Windows-1250"));
}

}  // namespace
}  // namespace korvex
