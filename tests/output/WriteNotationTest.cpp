#include "support/TestFiles.h"
#include "util/AtomicFile.h"
#include "util/WriteNotation.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace korvex {
namespace {

TEST(WriteNotation, WritesOneValuePerLineInTheAnsiCodePage) {
    NotationWriter out;
    out.writeInteger(1);
    out.writeNumber(-0.25);
    out.writeText(QStringLiteral("Maß, \"innen\""));
    out.writeBoolean(true);
    out.writeBoolean(false);
    out.writeText(QString());
    EXPECT_EQ(out.encoded(AnsiCodePage::Windows1252).bytes,
              QByteArray("1\r\n-0.25\r\n\"Ma\xDF, \"\"innen\"\"\"\r\n#TRUE#\r\n#FALSE#\r\n\"\"\r\n"));
}

TEST(WriteNotation, ReadsBackWhatItWroteInTheSameOrder) {
    NotationWriter out;
    const QString awkward = QStringLiteral("a,b \"c\"\r\nline 2 ; é");
    out.writeText(awkward);
    out.writeInteger(-32768);
    out.writeBoolean(true);
    out.writeText(QStringLiteral(" padded "));
    out.writeBoolean(false);

    NotationReader in(out.encoded(AnsiCodePage::Windows1252).bytes, AnsiCodePage::Windows1252);
    EXPECT_EQ(in.readText(), awkward);
    EXPECT_EQ(in.readInteger(), -32768);
    EXPECT_TRUE(in.readBoolean());
    EXPECT_EQ(in.readText(), QStringLiteral(" padded "));
    EXPECT_FALSE(in.readBoolean());
    EXPECT_TRUE(in.atEnd());
    EXPECT_TRUE(in.ok());
}

TEST(WriteNotation, ReadsHandWrittenFilesAsTheNotationsReaderDoes) {
    NotationReader in("  7 , \"x\"\n#TRUE#\r\nplain words\r\n\r\n\"1\"\r\n#FALSE#\r\n-1\r\ntrue\r\n",
                      AnsiCodePage::Windows1252);
    EXPECT_EQ(in.readInteger(), 7);
    EXPECT_EQ(in.readText(), QStringLiteral("x"));
    EXPECT_EQ(in.readInteger(), -1);  // #TRUE# in a number is -1
    EXPECT_EQ(in.readText(), QStringLiteral("plain words"));
    EXPECT_EQ(in.readInteger(), 0);  // an empty line is an empty value
    EXPECT_EQ(in.readInteger(), 1);  // a quoted number is still a number
    EXPECT_EQ(in.readText(), QStringLiteral("False"));
    EXPECT_TRUE(in.readBoolean());
    EXPECT_TRUE(in.readBoolean());
    EXPECT_TRUE(in.ok());
    EXPECT_TRUE(in.atEnd());
}

TEST(WriteNotation, AMissingValueOrOneOfTheWrongKindIsNotOk) {
    NotationReader wrongKind("\"abc\"\r\n5\r\n", AnsiCodePage::Windows1252);
    EXPECT_EQ(wrongKind.readInteger(), 0);
    EXPECT_FALSE(wrongKind.ok());
    EXPECT_EQ(wrongKind.readInteger(), 5);
    EXPECT_FALSE(wrongKind.ok()) << "a failure stays";

    NotationReader fraction("2.5\r\n#MAYBE#\r\n", AnsiCodePage::Windows1252);
    fraction.readInteger();
    EXPECT_FALSE(fraction.ok());

    NotationReader notBoolean("#MAYBE#\r\n", AnsiCodePage::Windows1252);
    notBoolean.readBoolean();
    EXPECT_FALSE(notBoolean.ok());

    NotationReader empty("", AnsiCodePage::Windows1252);
    EXPECT_TRUE(empty.atEnd());
    EXPECT_EQ(empty.readText(), QString());
    EXPECT_FALSE(empty.ok());
}

TEST(WriteNotation, AFailedSaveKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.cfg"));
    NotationWriter first;
    first.writeInteger(1);
    ASSERT_TRUE(writeFileAtomically(path, first.encoded(AnsiCodePage::Windows1252).bytes));
    EXPECT_EQ(test::readFile(path), QByteArray("1\r\n"));

    test::writeFile(dir.filePath(QStringLiteral("file.txt")), "x");
    NotationWriter second;
    second.writeInteger(2);
    EXPECT_FALSE(writeFileAtomically(dir.filePath(QStringLiteral("file.txt/settings.cfg")),
                                     second.encoded(AnsiCodePage::Windows1252).bytes));
    EXPECT_FALSE(
        NotationReader::fromFile(dir.filePath(QStringLiteral("missing.cfg")), AnsiCodePage::Windows1252)
            .has_value());
    EXPECT_EQ(NotationReader::fromFile(path, AnsiCodePage::Windows1252)->readInteger(), 1);
}

}  // namespace
}  // namespace korvex
