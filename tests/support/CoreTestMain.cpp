#include <gtest/gtest.h>

#include <QCoreApplication>

// Test programs of the core run inside a QCoreApplication, as the program does.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
