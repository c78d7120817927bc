#include "app/core/CommandLine.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

QStringList argumentsOf(const StartArguments& arguments) {
    QStringList list;
    for (int i = 1; i <= StartArguments::kMaxArguments; ++i) {
        list.append(arguments.at(i));
    }
    return list;
}

TEST(SplitCommandLine, KeepsBlanksInsidePathsAndTrimsEachArgument) {
    const auto arguments =
        splitCommandLine(QStringLiteral("/a /C:\\Reports\\Part 1.xls /C:\\Cfg\\layout.cfg /ALL"));
    EXPECT_EQ(argumentsOf(arguments),
              QStringList({"a", "C:\\Reports\\Part 1.xls", "C:\\Cfg\\layout.cfg", "ALL", ""}));
}

TEST(SplitCommandLine, TabsSeparateLikeSlashesAndRunsOfSeparatorsCountOnce) {
    EXPECT_EQ(argumentsOf(splitCommandLine(QStringLiteral("A\tbook.xls\t\tlayout.cfg//OOT"))),
              QStringList({"A", "book.xls", "layout.cfg", "OOT", ""}));
}

TEST(SplitCommandLine, IgnoresEverythingPastTheMaximum) {
    EXPECT_EQ(argumentsOf(splitCommandLine(QStringLiteral("/1/2/3/4/5/6/7"))),
              QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(argumentsOf(splitCommandLine(QStringLiteral("/m/x/y"), 2)),
              QStringList({"m", "x", "", "", ""}));
}

TEST(SplitCommandLine, AnEmptyOrSeparatorOnlyLineGivesNoArguments) {
    EXPECT_EQ(argumentsOf(splitCommandLine(QString())), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(argumentsOf(splitCommandLine(QStringLiteral("//\t/"))), QStringList({"", "", "", "", ""}));
}

TEST(ArgumentsFromWords, StripsTheSlashOfOptionWordsButKeepsPaths) {
    const auto arguments = argumentsFromWords({"/a", "/home/qs/Reports/Part 1.xlsx", "/home/qs/layout.cfg",
                                               "/ALO", "/home/qs/second.xlsx", "/extra"});
    EXPECT_EQ(argumentsOf(arguments), QStringList({"a", "/home/qs/Reports/Part 1.xlsx", "/home/qs/layout.cfg",
                                                   "ALO", "/home/qs/second.xlsx"}));
    EXPECT_EQ(argumentsOf(argumentsFromWords({"/", " m ", "/OOT"})), QStringList({"", "m", "OOT", "", ""}));
}

TEST(RunMode, OnlyTheExactModeLettersSelectAMode) {
    const auto modeOf = [](const char* letter) {
        return argumentsFromWords({QString::fromLatin1(letter)}).runMode();
    };
    EXPECT_EQ(modeOf("a"), RunMode::All);
    EXPECT_EQ(modeOf("A"), RunMode::All);
    EXPECT_EQ(modeOf("m"), RunMode::Marked);
    EXPECT_EQ(modeOf("M"), RunMode::Marked);
    EXPECT_EQ(modeOf("o"), RunMode::Online);
    EXPECT_EQ(modeOf("/O"), RunMode::Online);
    for (const char* other : {"all", "x", "", "aa", "/"}) {
        EXPECT_EQ(modeOf(other), RunMode::Interactive) << other;
    }
    EXPECT_FALSE(StartArguments().isUnattended());
}

}  // namespace
}  // namespace korvex
