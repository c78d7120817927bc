#include "app/core/QtTranslation.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(QtTranslation, EveryMenuLanguageHasItsLocaleAndAnythingElseIsGerman) {
    EXPECT_EQ(qtLocaleOfLanguage(QStringLiteral("Czech")), QStringLiteral("cs"));
    EXPECT_EQ(qtLocaleOfLanguage(QStringLiteral("Hungary")), QStringLiteral("hu"));
    EXPECT_EQ(qtLocaleOfLanguage(QStringLiteral("Portuguese")), QStringLiteral("pt"));
    EXPECT_EQ(qtLocaleOfLanguage(QString()), QStringLiteral("de"));
    EXPECT_EQ(qtLocaleOfLanguage(QStringLiteral("english")), QStringLiteral("de"));
}

}  // namespace
}  // namespace korvex
