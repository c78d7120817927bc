#include "ProtocolBusFixture.h"
#include "ProtocolTestProgram.h"

#include "XlsxTestSupport.h"
#include "host/ConnectToHost.h"
#include "host/HostApplication.h"
#include "host/HostEventSource.h"
#include "host/HostSession.h"
#include "host/dbus/BusHostConnector.h"
#include "report/Workbook.h"
#include "report/protocol/LiveProtocol.h"
#include "support/ExamplePrograms.h"
#include "support/HostSimProcess.h"
#include "support/RecordingUserInteraction.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace korvex::test {
namespace {

constexpr int kWaitMs = 10000;
constexpr const char* kTitleGrey = "C0C0C0";
constexpr const char* kHeaderBlue = "00CCFF";

// An unmarked distance between three features, as the simulator's AddCommand takes it.
const char* const kAddedDistance =
    R"({"type": 1107, "id": "DIST9", "dimension": {"features": ["PNT3", "PNT4", "PNT5"],
        "nominal": 25, "measured": 25.0004, "plusTol": 0.2, "minusTol": 0.1, "outTol": 0}})";
const char* const kAddedComment = R"({"type": 1, "id": "C9", "comment": {"text": "note"}})";

QJsonObject cell(const QString& address, const QJsonValue& value, bool bold) {
    return {{"sheet", "Sheet1"}, {"cell", address}, {"value", value}, {"bold", bold}};
}

// Every cell of a value row: column A bold, B to H the values shown with four decimals.
void addValueRow(QJsonArray& cells, int row, const QJsonValue& typeText,
                 const std::array<double, 7>& values) {
    cells.append(cell(QStringLiteral("A%1").arg(row), typeText, true));
    for (int column = 0; column < 7; ++column) {
        QJsonObject valueCell =
            cell(QStringLiteral("%1%2").arg(QChar(u'B' + column)).arg(row), values[column], false);
        valueCell["numberFormat"] = "#,##0.0000";
        cells.append(valueCell);
    }
}

void addTitleRow(QJsonArray& cells, int row, const QString& title) {
    QJsonObject first = cell(QStringLiteral("A%1").arg(row), title, true);
    first["fill"] = kTitleGrey;
    first["horizontal"] = "center";
    cells.append(first);
}

// What the sheet holds after one run, an added distance, a run while paused and one after resuming.
QJsonObject expectedProtocol(double valueColumnWidth) {
    QJsonArray cells;
    const QStringList header = {"Merkmalstyp und Element", "Nennwert",        "Messwert",      "Abweichung",
                                "obere Toleranz",          "untere Toleranz", "Bonustoleranz", "ATol"};
    for (int column = 0; column < header.size(); ++column) {
        QJsonObject headerCell = cell(QChar(u'A' + column) + QStringLiteral("1"), header[column], true);
        headerCell["fill"] = kHeaderBlue;
        headerCell["fontName"] = "Arial";
        headerCell["fontSize"] = 9;
        headerCell["border"] = true;
        cells.append(headerCell);
    }
    for (const int run : {0, 12}) {
        addTitleRow(cells, 2 + run, "LOC1");
        addValueRow(cells, 3 + run, "X_LOCATION von CIR1", {10, 10.013, 0.012, 0.1, -0.05, 0, 0});
        addValueRow(cells, 4 + run, "Y_LOCATION von CIR1", {10, 9.987, -0.013, 0.1, -0.05, 0, 0});
        addValueRow(cells, 5 + run, "Z_LOCATION von CIR1", {10, 10.25, 0.25, 0.1, -0.05, 0, 0});
        addTitleRow(cells, 6 + run, "DIST1");
        addValueRow(cells, 7 + run, "2D_DISTANCE von PNT1--PNT2", {10, 10.013, 0.013, 0.1, -0.05, 0, 0});
        addTitleRow(cells, 8 + run, "RND1");
        addValueRow(cells, 9 + run, QJsonValue::Null, {10, 10.013, 0.013, 0.1, -0.05, 0, 0});
        addTitleRow(cells, 10 + run, "TP1");
        addValueRow(cells, 11 + run, "TRUE_DIAM_LOCATION von CIR2", {10, 0.013, -9.988, 0.1, 0, 0, 0});
    }
    addTitleRow(cells, 12, "DIST9");
    addValueRow(cells, 13, "2D_DISTANCE von PNT3--PNT4--PNT5", {25, 25, 0, 0.2, -0.1, 0, 0});
    cells.append(cell(QStringLiteral("A24"), QJsonValue::Null, false));

    // In openpyxl's order: sorted as texts.
    const QJsonArray merged = {"A10:H10", "A12:H12", "A14:H14", "A18:H18", "A20:H20",
                               "A22:H22", "A2:H2",   "A6:H6",   "A8:H8"};
    const QJsonObject widths{{"B", valueColumnWidth}, {"E", valueColumnWidth}, {"H", valueColumnWidth}};
    return {{"cells", cells},
            {"sheets",
             QJsonObject{
                 {"Sheet1", QJsonObject{{"merged", merged}, {"frozen", "A2"}, {"columnWidths", widths}}}}}};
}

}  // namespace

void ProtocolBusFixture::SetUp() {
    const QString path = dir_.filePath(QStringLiteral("program.json"));
    writeProgram(protocolProgram(), path);
    host_ = std::make_unique<HostSimProcess>(QStringList{path});
    ASSERT_TRUE(host_->isOnBus()) << qPrintable(host_->failure());
    ASSERT_TRUE(connectToHost(session_, connector_, language_, user_));
}

void ProtocolBusFixture::countEvents() {
    HostEventSource& events = session_.application->events();
    QObject::connect(&events, &HostEventSource::endExecution, [this] { ++runEnds_; });
    QObject::connect(&events, &HostEventSource::objectAdded, [this] { ++added_; });
}

void ProtocolBusFixture::run() {
    const int ends = runEnds_;
    host_->simulator(QStringLiteral("Run"), {0});
    ASSERT_TRUE(QTest::qWaitFor([&] { return runEnds_ > ends; }, kWaitMs));
}

void ProtocolBusFixture::addCommand(const char* json) {
    const int added = added_;
    host_->simulator(QStringLiteral("AddCommand"), {QString::fromUtf8(json), -1});
    ASSERT_TRUE(QTest::qWaitFor([&] { return added_ > added; }, kWaitMs));
}

bool ProtocolBusFixture::catchesUp(const LiveProtocol& protocol, int lastRow) {
    return QTest::qWaitFor([&] { return protocol.lastRow() == lastRow && protocol.queuedLines() == 0; },
                           kWaitMs);
}

void ProtocolBusFixture::recordRunsAndCheckTheSavedProtocol(SpreadsheetBackend& spreadsheets,
                                                            double savedValueColumnWidth) {
    const auto protocol =
        LiveProtocol::open(spreadsheets, session_.application, {1600, 900}, {language_, user_});
    ASSERT_NE(protocol, nullptr);
    // The simulator keeps the geometry it was given and reports it.
    EXPECT_EQ(session_.application->windowHeight(), 600.0);
    EXPECT_EQ(session_.application->windowWidth(), 1600.0);
    EXPECT_EQ(session_.application->windowTop(), 1.0);
    EXPECT_EQ(session_.application->windowLeft(), 1.0);

    countEvents();
    run();
    addCommand(kAddedDistance);
    ASSERT_TRUE(catchesUp(*protocol, 13)) << protocol->lastRow();

    protocol->pause();
    run();
    QTest::qWait(LiveProtocol::kBatchDelayMs * 3);
    EXPECT_EQ(protocol->lastRow(), 13);
    EXPECT_EQ(protocol->queuedLines(), 0U);

    protocol->resume();
    run();
    ASSERT_TRUE(catchesUp(*protocol, 23)) << protocol->lastRow();

    // The operator's own number format gives way at the next event, a comment as well.
    Worksheet& sheet = *protocol->workbook()->activeSheet();
    sheet.format(CellRange::columns(2, 8), {.numberFormat = QStringLiteral("0.0")});
    addCommand(kAddedComment);
    protocol->flush();

    const QString saved = dir_.filePath(QStringLiteral("protocol.xlsx"));
    ASSERT_TRUE(protocol->workbook()->saveAs(saved).ok());
    const CheckerRun check = runChecker(QStringLiteral("check_workbook.py"), saved,
                                        expectedProtocol(savedValueColumnWidth), dir_.path());
    EXPECT_EQ(check.exitCode, 0) << qPrintable(check.output);
    EXPECT_TRUE(user_.messages.empty());
}

}  // namespace korvex::test
