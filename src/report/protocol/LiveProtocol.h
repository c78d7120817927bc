#pragma once

#include "report/protocol/ProtocolLine.h"
#include "report/protocol/ProtocolRows.h"
#include "report/protocol/ProtocolSheet.h"

#include <QObject>
#include <QSize>
#include <QTimer>

#include <memory>
#include <vector>

namespace korvex {

class HostApplication;
class HostCommand;
class HostPartProgram;
class LanguageTables;
class SpreadsheetApplication;
class SpreadsheetBackend;
class UserInteraction;
class Workbook;

// The live protocol: a new visible spreadsheet that grows by the host's added and executed dimension
// commands while the part program runs. Events are taken on the user-interface thread as they come
// and turned into rows at once (so their order and the remembered feature names hold); the rows are
// queued and written a batch at a time shortly after, so a burst of events never waits for the
// spreadsheet, and the sheet catches up.
class LiveProtocol : public QObject {
    Q_OBJECT

  public:
    struct Context {
        const LanguageTables& language;
        UserInteraction& user;
    };
    // The longest a queued row waits before its batch is written, and the most rows of one batch.
    static constexpr int kBatchDelayMs = 40;
    static constexpr std::size_t kMostLinesPerBatch = 2000;

    // Starts a new visible spreadsheet application, places it and the host window on a screen of
    // that size, lays out the protocol sheet of a new workbook and listens to the host's events.
    // Null, and the user told, when the spreadsheet cannot be started.
    static std::unique_ptr<LiveProtocol> open(SpreadsheetBackend& spreadsheets,
                                              std::shared_ptr<HostApplication> host, QSize screen,
                                              Context context);
    ~LiveProtocol() override;

    // Paused, no events are taken over; the rows and the remembered names stay for the resumption.
    void pause();
    void resume();
    bool isPaused() const { return connections_.empty(); }
    // Writes what is queued, stops listening and lets go of the spreadsheet application, which stays
    // open with the protocol for the operator. Nothing is written afterwards.
    void stop();
    // Writes every queued row now.
    void flush();

    std::size_t queuedLines() const { return queue_.size(); }
    // The row of the last line on the sheet (1: the header row).
    int lastRow() const { return sheet_.lastRow(); }
    // The protocol's workbook; null after stop.
    Workbook* workbook() const;

  Q_SIGNALS:
    // A batch reached the sheet.
    void rowsWritten(int lastRow);
    // The spreadsheet application was closed or crashed: the protocol writes no more.
    void spreadsheetLost();

  private:
    LiveProtocol(std::unique_ptr<SpreadsheetApplication> spreadsheet, Workbook& workbook, Worksheet& sheet,
                 std::shared_ptr<HostApplication> host, Context context);

    void take(ProtocolEvent event, const std::shared_ptr<HostCommand>& command);
    void writeBatch();
    // Stops taking over values for good and tells the user MessageBoxen `entry`, once.
    void giveUp(int entry);

    std::unique_ptr<SpreadsheetApplication> spreadsheet_;
    Workbook* workbook_;
    ProtocolSheet sheet_;
    std::shared_ptr<HostApplication> host_;
    Context context_;
    ProtocolRows rows_;
    std::vector<ProtocolLine> queue_;
    // An event came since the last batch: column A is fitted and B to H formatted again.
    bool columnsDue_ = false;
    bool givenUp_ = false;
    QTimer batchTimer_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace korvex
