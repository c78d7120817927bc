#include "app/X11Session.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>
#include <optional>

// Window tests on a real X server with a window manager, where frames, placement and focus are
// real. Without Xvfb or openbox the tests skip themselves.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const bool listing = ::testing::GTEST_FLAG(list_tests);
    std::optional<korvex::test::X11Session> x11;
    if (!listing) {
        x11.emplace();
        if (!x11->isRunning()) {
            std::fprintf(stderr, "no X server with a window manager: %s\n", qPrintable(x11->failure()));
        }
    }
    // Qt's X11 integration looks for desktop services on the session bus; these tests use none, and
    // libdbus keeps memory from such a search until the end, which the leak checker reports.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    // The tests tell by the platform whether they run on the X server.
    qputenv("QT_QPA_PLATFORM", x11 && x11->isRunning() ? "xcb" : "offscreen");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
