#include "report/protocol/LiveProtocol.h"

#include "host/HostApplication.h"
#include "host/HostCallError.h"
#include "host/HostCommand.h"
#include "host/HostEventSource.h"
#include "report/SpreadsheetApplication.h"
#include "report/SpreadsheetBackend.h"
#include "report/Workbook.h"
#include "report/protocol/ProtocolWindows.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"

namespace korvex {
namespace {

constexpr int kCannotStartEntry = 101;
constexpr int kSpreadsheetLostEntry = 102;
constexpr int kSheetFullEntry = 103;

// The spreadsheet application's caption; the same in every language.
QString protocolCaption() {
    return QStringLiteral("KORVEX - Excel - Meßprotokoll");
}

}  // namespace

std::unique_ptr<LiveProtocol> LiveProtocol::open(SpreadsheetBackend& spreadsheets,
                                                 std::shared_ptr<HostApplication> host, QSize screen,
                                                 Context context) {
    auto created = spreadsheets.create();
    if (!created) {
        showMessageBoxenWithDetail(context.user, context.language, MessageIcon::Critical, kCannotStartEntry,
                                   created.error());
        return nullptr;
    }
    std::unique_ptr<SpreadsheetApplication> spreadsheet = std::move(*created);
    spreadsheet->setVisible(true);
    spreadsheet->showNormal();
    spreadsheet->setWindowGeometry(protocolSpreadsheetFrame(screen));
    try {
        placeHostWindowForProtocol(*host, screen);
    } catch (const HostCallError&) {
        // Where the host window stands does not keep the protocol from running.
    }
    spreadsheet->setCaption(protocolCaption());
    auto workbook = spreadsheet->addWorkbook();
    Worksheet* sheet = workbook ? (*workbook)->activeSheet() : nullptr;
    if (sheet == nullptr) {
        showMessageBoxenWithDetail(context.user, context.language, MessageIcon::Critical, kCannotStartEntry,
                                   workbook.error());
        (void)spreadsheet->quit();
        return nullptr;
    }
    return std::unique_ptr<LiveProtocol>(
        new LiveProtocol(std::move(spreadsheet), **workbook, *sheet, std::move(host), context));
}

LiveProtocol::LiveProtocol(std::unique_ptr<SpreadsheetApplication> spreadsheet, Workbook& workbook,
                           Worksheet& sheet, std::shared_ptr<HostApplication> host, Context context)
    : spreadsheet_(std::move(spreadsheet)),
      workbook_(&workbook),
      sheet_(sheet),
      host_(std::move(host)),
      context_(context) {
    sheet_.layOut();
    batchTimer_.setSingleShot(true);
    connect(&batchTimer_, &QTimer::timeout, this, &LiveProtocol::writeBatch);
    resume();
}

LiveProtocol::~LiveProtocol() {
    stop();
}

void LiveProtocol::pause() {
    for (const QMetaObject::Connection& connection : connections_) {
        disconnect(connection);
    }
    connections_.clear();
}

void LiveProtocol::resume() {
    if (!isPaused() || givenUp_ || spreadsheet_ == nullptr) {
        return;
    }
    const HostEventSource* events = &host_->events();
    connections_ = {
        connect(events, &HostEventSource::objectAdded, this,
                [this](const auto&, const auto& command) { take(ProtocolEvent::Added, command); }),
        connect(events, &HostEventSource::objectExecuted, this,
                [this](const auto&, const auto& command) { take(ProtocolEvent::Executed, command); }),
    };
}

void LiveProtocol::stop() {
    pause();
    flush();
    batchTimer_.stop();
    spreadsheet_.reset();
    workbook_ = nullptr;
}

void LiveProtocol::flush() {
    while (spreadsheet_ != nullptr && !givenUp_ && (!queue_.empty() || columnsDue_)) {
        writeBatch();
    }
}

Workbook* LiveProtocol::workbook() const {
    return workbook_;
}

void LiveProtocol::take(ProtocolEvent event, const std::shared_ptr<HostCommand>& command) {
    try {
        const std::vector<ProtocolLine> lines = rows_.linesFor(event, command->snapshot());
        queue_.insert(queue_.end(), lines.begin(), lines.end());
    } catch (const HostCallError&) {
        // A command the host can no longer describe adds no rows; the columns are refreshed anyway.
    }
    columnsDue_ = true;
    if (!batchTimer_.isActive()) {
        batchTimer_.start(kBatchDelayMs);
    }
}

void LiveProtocol::writeBatch() {
    if (spreadsheet_ == nullptr || givenUp_) {
        return;
    }
    if (!spreadsheet_->isRunning()) {
        giveUp(kSpreadsheetLostEntry);
        Q_EMIT spreadsheetLost();
        return;
    }
    const std::size_t count = std::min(queue_.size(), kMostLinesPerBatch);
    // The window shows the whole batch at once instead of repainting after every change.
    spreadsheet_->setScreenUpdating(false);
    const std::size_t written = sheet_.append(std::span(queue_).first(count));
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
    sheet_.refreshColumns();
    spreadsheet_->setScreenUpdating(true);
    columnsDue_ = false;
    if (written > 0) {
        Q_EMIT rowsWritten(sheet_.lastRow());
    }
    if (written < count) {
        giveUp(kSheetFullEntry);
    } else if (!queue_.empty()) {
        batchTimer_.start(0);
    }
}

void LiveProtocol::giveUp(int entry) {
    pause();
    batchTimer_.stop();
    queue_.clear();
    columnsDue_ = false;
    givenUp_ = true;
    showMessageBoxen(context_.user, context_.language, MessageIcon::Warning, {entry});
}

}  // namespace korvex
