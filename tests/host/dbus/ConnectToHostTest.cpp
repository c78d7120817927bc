#include "host/ConnectToHost.h"
#include "host/HostCommandCollection.h"
#include "host/HostPartProgram.h"
#include "host/HostSession.h"
#include "host/InProcessHostConnector.h"
#include "host/dbus/BusHostConnector.h"
#include "host/sim/SimHost.h"
#include "support/ExamplePrograms.h"
#include "support/HostSimProcess.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

const QString kNotRunningText =
    QStringLiteral("KORVEX is not running.\r\n\r\nPlease start KORVEX, open the part program and try again.");
const QString kNoPartProgramText = QStringLiteral(
    "No part program is open in KORVEX.\r\n\r\nPlease open the part program in KORVEX and try again.");

class ConnectToHostTest : public ::testing::Test {
  protected:
    ConnectToHostTest() {
        EXPECT_TRUE(loadLanguageFile(sourceDir() + QStringLiteral("/LanguageFiles/English.dll"), language_));
    }

    bool connect(HostConnector& connector) { return connectToHost(session_, connector, language_, user_); }

    void expectOneMessage(const QString& text) {
        ASSERT_EQ(user_.messages.size(), 1U);
        EXPECT_EQ(user_.messages[0].text, text);
        EXPECT_EQ(user_.messages[0].title, QStringLiteral("KORVEX Connection"));
        EXPECT_EQ(user_.messages[0].icon, MessageIcon::Critical);
        EXPECT_FALSE(session_.application || session_.partProgram || session_.commands);
        EXPECT_TRUE(session_.connectedProgramName.isEmpty());
    }

    LanguageTables language_;
    RecordingUserInteraction user_;
    HostSession session_;
};

TEST_F(ConnectToHostTest, AConnectionHoldsTheHostsObjectsAndTheProgramNameWithoutItsExtension) {
    InProcessHostConnector connector(
        std::make_shared<SimHost>(exampleProgram(QStringLiteral("housing.json"))));

    ASSERT_TRUE(connect(connector));

    EXPECT_EQ(session_.connectedProgramName, QStringLiteral("D:/Programs/PH200_Housing"));
    EXPECT_EQ(session_.partProgram->name(), QStringLiteral("Pump housing PH-200"));
    EXPECT_EQ(session_.commands->count(), 50);
    EXPECT_TRUE(user_.messages.empty());
    releaseHostObjects(session_);
    EXPECT_FALSE(session_.isConnected());
    EXPECT_EQ(programNameOf(QStringLiteral("abc")), QString());
}

TEST_F(ConnectToHostTest, AFailedConnectionAfterASuccessfulOneLeavesNothingStale) {
    auto host = std::make_shared<SimHost>(exampleProgram(QStringLiteral("housing.json")));
    InProcessHostConnector connector(host);
    ASSERT_TRUE(connect(connector));
    host->setPartProgramOpen(false);

    EXPECT_FALSE(connect(connector));

    expectOneMessage(kNoPartProgramText);
}

TEST_F(ConnectToHostTest, NoHostOnTheBusIsToldAndConnectsNothing) {
    BusHostConnector connector;

    EXPECT_FALSE(connect(connector));

    expectOneMessage(kNotRunningText);
}

TEST_F(ConnectToHostTest, AHostOnTheBusWithoutAPartProgramIsToldAndConnectsNothing) {
    HostSimProcess host({});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    BusHostConnector connector;

    EXPECT_FALSE(connect(connector));

    expectOneMessage(kNoPartProgramText);
}

}  // namespace
}  // namespace korvex::test
