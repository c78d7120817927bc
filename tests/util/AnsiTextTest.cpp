#include "util/AnsiCodec.h"
#include "util/TextLines.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(AnsiText, RoundTripsTheWholeCodePage) {
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    EXPECT_EQ(encodeAnsi(decodeAnsi(all)), all);
    EXPECT_EQ(decodeAnsi("\x80\xE4\x9F"), QStringLiteral("€äŸ"));
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(encodeAnsi(QStringLiteral("Ω∅😀x")), QByteArray("???x"));
}

TEST(AnsiText, SplitsLinesAtEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\n")), QStringList({"a", ""}));
    EXPECT_EQ(splitLines(QStringLiteral(" x \r\n")), QStringList({" x "}));
    EXPECT_TRUE(splitLines(QString()).isEmpty());
}

TEST(AnsiText, JoinsLinesWithCrLfInTheCodePage) {
    EXPECT_EQ(joinAnsiLines({QStringLiteral("Maß"), QString()}), QByteArray("Ma\xDF\r\n\r\n"));
}

}  // namespace
}  // namespace korvex
