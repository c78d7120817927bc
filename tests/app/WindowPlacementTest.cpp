#include "app/WindowFixture.h"
#include "app/window/WindowPositionDialog.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace korvex {
namespace {

constexpr int kWindowManagerTimeoutMs = 10000;

// The main window on a real X server with a window manager, which gives it a frame: the stored
// position, "read current position" and Cancel all mean the frame's top left corner.
class WindowPlacementTest : public WindowFixture {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != u"xcb") {
            GTEST_SKIP() << "no X server with a window manager";
        }
    }

    void storePosition(const char* top, const char* left) {
        ASSERT_TRUE(session_.settings.writeSetting(keys::kTop, QString::fromLatin1(top)));
        ASSERT_TRUE(session_.settings.writeSetting(keys::kLeft, QString::fromLatin1(left)));
    }

    // Opens and shows the window as the program starts, and waits until the window manager framed it.
    MainWindow& startWindow() {
        MainWindow& window = openWindow();
        window.resize(700, 500);
        window.showAtStoredPosition();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.geometry().top() > window.frameGeometry().top(); },
                                    kWindowManagerTimeoutMs))
            << "the window manager gave the window no title bar";
        return window;
    }

    bool frameReaches(const QWidget& window, QPoint topLeft) {
        return QTest::qWaitFor([&] { return window.frameGeometry().topLeft() == topLeft; },
                               kWindowManagerTimeoutMs);
    }

    WindowPositionDialog* openPositionDialog() {
        child<QAction>("Menue_Window_Pos")->trigger();
        return window_->findChild<WindowPositionDialog*>();
    }

    QString field(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }

    void press(QWidget* dialog, const char* name) {
        dialog->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
};

TEST_F(WindowPlacementTest, TheStoredPositionPlacesTheFrameAndReadsBackUnchanged) {
    storePosition("1500", "3000");
    MainWindow& window = startWindow();
    EXPECT_TRUE(frameReaches(window, {200, 100})) << window.frameGeometry().topLeft().y();

    WindowPositionDialog* dialog = openPositionDialog();
    ASSERT_NE(dialog, nullptr);
    press(dialog, "cmd_POS_LESEN");
    EXPECT_EQ(field(dialog, "txt_POS_TOP"), QStringLiteral("1500"));
    EXPECT_EQ(field(dialog, "txt_POS_LEFT"), QStringLiteral("3000"));
    // Cancel right away leaves the window where it is.
    press(dialog, "cmd_CANCEL");
    QTest::qWait(200);
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(200, 100));
}

TEST_F(WindowPlacementTest, APositionStoredWithOkIsWhereTheNextStartPutsTheWindow) {
    storePosition("1", "1");
    MainWindow& window = startWindow();
    // The default position keeps the title bar on the screen.
    EXPECT_TRUE(frameReaches(window, {0, 0}));
    EXPECT_GE(window.frameGeometry().top(), 0);

    window.move(40, 60);
    ASSERT_TRUE(frameReaches(window, {40, 60}));
    WindowPositionDialog* dialog = openPositionDialog();
    ASSERT_NE(dialog, nullptr);
    press(dialog, "cmd_POS_LESEN");
    press(dialog, "cmd_POS_SAVE");
    EXPECT_EQ(session_.settings.readSetting(keys::kTop, QString()), QStringLiteral("900"));

    window_.reset();
    MainWindow& restarted = startWindow();
    EXPECT_TRUE(frameReaches(restarted, {40, 60})) << restarted.frameGeometry().topLeft().y();
}

TEST_F(WindowPlacementTest, CancelPutsTheWindowBackWhereTheDialogFoundIt) {
    storePosition("1500", "3000");
    MainWindow& window = startWindow();
    ASSERT_TRUE(frameReaches(window, {200, 100}));
    WindowPositionDialog* dialog = openPositionDialog();
    ASSERT_NE(dialog, nullptr);
    window.move(300, 250);
    ASSERT_TRUE(frameReaches(window, {300, 250}));
    press(dialog, "cmd_CANCEL");
    EXPECT_TRUE(frameReaches(window, {200, 100})) << window.frameGeometry().topLeft().y();
}

}  // namespace
}  // namespace korvex
