#include "app/WindowFixture.h"
#include "app/window/OnlineWindow.h"
#include "host/sim/SimHost.h"
#include "report/protocol/LiveProtocol.h"
#include "report/protocol/ProtocolTestProgram.h"
#include "report/protocol/StandInOffice.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace korvex {
namespace {

constexpr int kWaitMs = 5000;

// Toolbar button 3 and the live protocol window frm_Online.
class OnlineWindowTest : public WindowFixture {
  protected:
    // The main window, shown, with the office and a host running the protocol test program.
    void openWithOffice() {
        host_ = std::make_shared<SimHost>(test::protocolProgram());
        connector_.setApplication(host_);
        office_ = &office;
        openWindow().show();
    }

    OnlineWindow* pressButton3() {
        child<QAction>("Toolbar1_LiveProtocol")->trigger();
        return window_->findChild<OnlineWindow*>(QStringLiteral("frm_Online"));
    }

    QString text(int entry) const { return session_.language.text(LanguageTable::ExcelOnline, entry); }

    static QPushButton* button(OnlineWindow* online, const char* name) {
        return online->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    test::StandInOffice office;
    std::shared_ptr<SimHost> host_;
};

TEST_F(OnlineWindowTest, WithoutAnOfficeSuiteButton3SaysSoAndTheMainWindowStays) {
    openWindow().show();
    EXPECT_EQ(pressButton3(), nullptr);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text, session_.language.text(LanguageTable::MessageBoxen, 100));
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(OnlineWindowTest, TheProtocolRunsInPlaceOfTheMainWindowWithPauseAndStop) {
    openWithOffice();
    OnlineWindow* online = pressButton3();
    ASSERT_NE(online, nullptr);
    EXPECT_TRUE(online->isVisible());
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(online->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(online->windowTitle(), text(2));
    QPushButton* pause = button(online, "cmdPause");
    QPushButton* stop = button(online, "cmdStopOnline");
    EXPECT_EQ(stop->text(), text(3));
    EXPECT_EQ(stop->toolTip(), text(7));
    EXPECT_EQ(pause->text(), text(4));
    EXPECT_EQ(pause->toolTip(), text(6));

    host_->execute();
    const QString rows = session_.language.text(LanguageTable::StatusBar, 29) + QStringLiteral(" 10");
    EXPECT_TRUE(QTest::qWaitFor([&] { return child<QLabel>("lblRows")->text() == rows; }, kWaitMs));

    pause->click();
    EXPECT_EQ(pause->text(), text(5));
    EXPECT_TRUE(online->protocol()->isPaused());
    pause->click();
    EXPECT_EQ(pause->text(), text(4));
    EXPECT_FALSE(online->protocol()->isPaused());

    stop->click();
    EXPECT_TRUE(office.window->released);
    EXPECT_TRUE(window_->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window_->findChild<OnlineWindow*>(), nullptr);
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(OnlineWindowTest, WithoutAHostTheWindowStaysInertAndStartsNoSpreadsheet) {
    office_ = &office;
    openWindow().show();
    OnlineWindow* online = pressButton3();
    ASSERT_NE(online, nullptr);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].title, QStringLiteral("KORVEX Connection"));
    EXPECT_EQ(online->protocol(), nullptr);
    EXPECT_TRUE(office.window->caption.isEmpty());
    EXPECT_FALSE(button(online, "cmdPause")->isEnabled());
    button(online, "cmdStopOnline")->click();
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(OnlineWindowTest, EndingTheProgramStopsTheProtocolAndKeepsItsRows) {
    openWithOffice();
    OnlineWindow* online = pressButton3();
    ASSERT_NE(online, nullptr);
    QSignalSpy batches(online->protocol(), &LiveProtocol::rowsWritten);
    host_->execute();
    window_->close();
    EXPECT_EQ(batches.size(), 1);
    EXPECT_TRUE(office.window->released);
}

}  // namespace
}  // namespace korvex
