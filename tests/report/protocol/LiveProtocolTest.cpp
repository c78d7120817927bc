#include "ProtocolTestProgram.h"
#include "StandInOffice.h"

#include "host/sim/SimHost.h"
#include "report/Workbook.h"
#include "report/protocol/LiveProtocol.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace korvex::test {
namespace {

constexpr int kWaitMs = 5000;
const QSize kScreen{1920, 1080};

class LiveProtocolTest : public ::testing::Test {
  protected:
    LiveProtocolTest() : host_(std::make_shared<SimHost>(protocolProgram())) {
        EXPECT_TRUE(loadLanguageFile(sourceDir() + QStringLiteral("/LanguageFiles/English.dll"), language_));
    }

    std::unique_ptr<LiveProtocol> open() {
        return LiveProtocol::open(office_, host_, kScreen, {language_, user_});
    }

    static Worksheet& sheetOf(const LiveProtocol& protocol) { return *protocol.workbook()->activeSheet(); }

    static QStringList columnA(const LiveProtocol& protocol) {
        QStringList texts;
        for (int row = 2; row <= protocol.lastRow(); ++row) {
            texts << sheetOf(protocol).readText({row, 1});
        }
        return texts;
    }

    QString messageBoxen(int entry) const { return language_.text(LanguageTable::MessageBoxen, entry); }

    LanguageTables language_;
    RecordingUserInteraction user_;
    StandInOffice office_;
    std::shared_ptr<SimHost> host_;
};

QStringList executedColumnA() {
    QStringList texts;
    for (const char* text : kExecutedColumnA) {
        texts << QString::fromUtf8(text);
    }
    return texts;
}

TEST_F(LiveProtocolTest, OpeningShowsANamedSpreadsheetBelowTheHostWindowWithTheHeaderRow) {
    const auto protocol = open();
    ASSERT_NE(protocol, nullptr);

    const OfficeWindow& window = *office_.window;
    EXPECT_EQ(window.caption, QStringLiteral("KORVEX - Excel - Meßprotokoll"));
    EXPECT_TRUE(window.shownNormal);
    EXPECT_EQ(window.frame, QRect(1, 720, 1920, 360));
    EXPECT_EQ(host_->windowHeight(), 720.0);
    EXPECT_EQ(host_->windowWidth(), 1920.0);
    EXPECT_EQ(host_->windowTop(), 1.0);
    EXPECT_EQ(host_->windowLeft(), 1.0);

    QStringList header;
    for (int column = 1; column <= ProtocolSheet::kColumns; ++column) {
        header << sheetOf(*protocol).readText({1, column});
    }
    EXPECT_EQ(header, (QStringList{"Merkmalstyp und Element", "Nennwert", "Messwert", "Abweichung",
                                   "obere Toleranz", "untere Toleranz", "Bonustoleranz", "ATol"}));
    EXPECT_EQ(protocol->lastRow(), 1);
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(LiveProtocolTest, ARunIsTakenAtOnceAndReachesTheSheetInBatchesInItsOrder) {
    const auto protocol = open();
    QSignalSpy batches(protocol.get(), &LiveProtocol::rowsWritten);
    host_->execute();
    // The events only queued their rows.
    EXPECT_EQ(protocol->queuedLines(), kExecutedColumnA.size());
    EXPECT_EQ(protocol->lastRow(), 1);

    ASSERT_TRUE(QTest::qWaitFor([&] { return protocol->queuedLines() == 0; }, kWaitMs));
    EXPECT_EQ(batches.size(), 1);
    // The batch was written without repainting in between, and the window repaints again.
    EXPECT_EQ(office_.window->updatesHeld, 1);
    EXPECT_TRUE(office_.window->screenUpdating);
    EXPECT_EQ(columnA(*protocol), executedColumnA());
    const Worksheet& sheet = sheetOf(*protocol);
    EXPECT_EQ(sheet.readText({3, 3}), "10.013");
    EXPECT_EQ(sheet.readText({3, 6}), "-0.05");
    EXPECT_EQ(sheet.readText({11, 6}), "0");
    EXPECT_EQ(sheet.readText({2, 2}), "");
}

TEST_F(LiveProtocolTest, AddedCommandsNeedNoMarkWhilePausedRunsLeaveNoRows) {
    const auto protocol = open();
    host_->addCommand(
        protocolDimension(1107, QStringLiteral("DIST9"),
                          {QStringLiteral("PNT3"), QStringLiteral("PNT4"), QStringLiteral("PNT5")}, false));
    protocol->pause();
    host_->execute();
    protocol->flush();
    EXPECT_EQ(columnA(*protocol), (QStringList{"DIST9", "2D_DISTANCE von PNT3--PNT4--PNT5"}));

    protocol->resume();
    // An axis after the resumption still names the features of the last group start.
    host_->executeCommand(2);
    protocol->flush();
    EXPECT_EQ(protocol->lastRow(), 4);
    EXPECT_EQ(sheetOf(*protocol).readText({4, 1}), "X_LOCATION von PNT3--PNT4--PNT5");
}

TEST_F(LiveProtocolTest, ASpreadsheetThatIsGoneIsToldOnceAndWrittenNoMore) {
    const auto protocol = open();
    QSignalSpy lost(protocol.get(), &LiveProtocol::spreadsheetLost);
    office_.window->running = false;
    host_->execute();
    protocol->flush();
    host_->execute();
    protocol->flush();
    QTest::qWait(LiveProtocol::kBatchDelayMs * 2);

    EXPECT_EQ(lost.size(), 1);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text, messageBoxen(102));
    EXPECT_EQ(protocol->queuedLines(), 0U);
    EXPECT_TRUE(protocol->isPaused());
    protocol->stop();
    EXPECT_TRUE(office_.window->released);
}

TEST_F(LiveProtocolTest, StopWritesWhatIsQueuedThenLetsGoOfTheSpreadsheet) {
    const auto protocol = open();
    QSignalSpy batches(protocol.get(), &LiveProtocol::rowsWritten);
    host_->execute();
    protocol->stop();
    ASSERT_EQ(batches.size(), 1);
    EXPECT_EQ(batches[0][0].toInt(), 11);
    EXPECT_TRUE(office_.window->released);
    EXPECT_EQ(protocol->workbook(), nullptr);
    host_->execute();
    EXPECT_EQ(protocol->queuedLines(), 0U);
}

TEST_F(LiveProtocolTest, ASpreadsheetThatCannotStartIsToldWithItsReason) {
    office_.refusal = QStringLiteral("no office here");
    EXPECT_EQ(open(), nullptr);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text, messageBoxen(101) + QStringLiteral("\r\nno office here"));
    EXPECT_EQ(user_.messages[0].icon, MessageIcon::Critical);
}

}  // namespace
}  // namespace korvex::test
