#include "support/PrivateSessionBus.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cstdio>

// Test programs that use the session bus: each run gets a bus of its own (ctest runs every test in a
// process of its own, so every test has a private bus). Listing the tests needs none.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    const korvex::test::PrivateSessionBus bus;
    if (!bus.isRunning()) {
        std::fprintf(stderr, "%s\n", qPrintable(bus.failure()));
        return 1;
    }
    return RUN_ALL_TESTS();
}
