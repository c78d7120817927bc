#include "util/AnsiCodec.h"
#include "util/TextLines.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

constexpr AnsiCodePage kBothCodePages[] = {AnsiCodePage::Windows1250, AnsiCodePage::Windows1252};

TEST(AnsiText, EveryByteRoundTripsInBothCodePages) {
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    for (const AnsiCodePage codePage : kBothCodePages) {
        SCOPED_TRACE(codePageName(codePage).toStdString());
        const EncodedAnsi encoded = encodeAnsi(decodeAnsi(all, codePage), codePage);
        EXPECT_EQ(encoded.bytes, all);
        EXPECT_TRUE(encoded.unmappable.isEmpty());
    }
}

TEST(AnsiText, TheCodePagesPlaceTheirLettersWhereWindowsDoes) {
    EXPECT_EQ(decodeAnsi("\x80\xE4\x9F\xD8\xE8", AnsiCodePage::Windows1252), QStringLiteral("€äŸØè"));
    EXPECT_EQ(decodeAnsi("\x80\xE4\x9F\xD8\xE8", AnsiCodePage::Windows1250), QStringLiteral("€äźŘč"));
    EXPECT_EQ(encodeAnsi(QStringLiteral("Příliš žluťoučký kůň"), AnsiCodePage::Windows1250).bytes,
              QByteArray("P\xF8\xED\x6Ci\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2"));
    EXPECT_EQ(encodeAnsi(QStringLiteral("Árvíztűrő tükörfúrógép"), AnsiCodePage::Windows1250).bytes,
              QByteArray("\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p"));
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeQuestionMarksAndAreNamed) {
    const EncodedAnsi western = encodeAnsi(QStringLiteral("Ω∅😀xΩ ř"), AnsiCodePage::Windows1252);
    EXPECT_EQ(western.bytes, QByteArray("???x? ?"));
    EXPECT_EQ(western.unmappable, QStringList({"Ω", "∅", "😀", "ř"}));

    const EncodedAnsi central = encodeAnsi(QStringLiteral("Ø ř à"), AnsiCodePage::Windows1250);
    EXPECT_EQ(central.bytes, QByteArray("? \xF8 ?"));
    EXPECT_EQ(central.unmappable, QStringList({"Ø", "à"}));
}

TEST(AnsiText, TheLanguageChoosesTheCodePage) {
    EXPECT_EQ(codePageOfLanguage(QStringLiteral("Czech")), AnsiCodePage::Windows1250);
    EXPECT_EQ(codePageOfLanguage(QStringLiteral("Hungary")), AnsiCodePage::Windows1250);
    for (const char* language :
         {"German", "English", "French", "Italian", "Spanish", "Portuguese", "", "czech"}) {
        EXPECT_EQ(codePageOfLanguage(QString::fromLatin1(language)), AnsiCodePage::Windows1252) << language;
    }
}

TEST(AnsiText, SplitsLinesAtEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\n")), QStringList({"a", ""}));
    EXPECT_EQ(splitLines(QStringLiteral(" x \r\n")), QStringList({" x "}));
    EXPECT_TRUE(splitLines(QString()).isEmpty());
}

TEST(AnsiText, JoinsLinesWithCrLfInTheCodePage) {
    EXPECT_EQ(joinAnsiLines({QStringLiteral("Maß"), QString()}, AnsiCodePage::Windows1252).bytes,
              QByteArray("Ma\xDF\r\n\r\n"));
    EXPECT_EQ(joinAnsiLines({QStringLiteral("Měření")}, AnsiCodePage::Windows1250).bytes,
              QByteArray("M\xEC\xF8\x65n\xED\r\n"));
    EXPECT_TRUE(joinAnsiLines({}, AnsiCodePage::Windows1252).bytes.isEmpty());
}

}  // namespace
}  // namespace korvex
