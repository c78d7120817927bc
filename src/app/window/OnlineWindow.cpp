#include "app/window/OnlineWindow.h"

#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "host/ConnectToHost.h"
#include "report/protocol/LiveProtocol.h"
#include "util/LanguageTables.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace korvex {
namespace {

constexpr int kCaptionEntry = 2;
constexpr int kStopEntry = 3;
constexpr int kPauseEntry = 4;
constexpr int kResumeEntry = 5;
constexpr int kPauseTipEntry = 6;
constexpr int kStopTipEntry = 7;
constexpr int kRowsStatusEntry = 29;

}  // namespace

OnlineWindow::OnlineWindow(Parts parts, QWidget* parent)
    : QDialog(parent),
      parts_(parts),
      pauseButton_(named<QPushButton>(QStringLiteral("cmdPause"), nullptr)),
      stopButton_(named<QPushButton>(QStringLiteral("cmdStopOnline"), nullptr)),
      rowsLabel_(named<QLabel>(QStringLiteral("lblRows"), nullptr)) {
    setObjectName(QStringLiteral("frm_Online"));
    setWindowTitle(text(kCaptionEntry));
    stopButton_->setText(text(kStopEntry));
    stopButton_->setToolTip(text(kStopTipEntry));
    pauseButton_->setToolTip(text(kPauseTipEntry));
    pauseButton_->setEnabled(false);
    fitPauseButton();
    showPauseState();
    showRows(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pauseButton_);
    buttons->addWidget(stopButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(rowsLabel_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(pauseButton_, &QPushButton::clicked, this, &OnlineWindow::togglePause);
    connect(stopButton_, &QPushButton::clicked, this, &QDialog::accept);
    // However the window closes, the protocol ends with it.
    connect(this, &QDialog::finished, this, &OnlineWindow::stopProtocol);
    setWindowOnTop(this, true);
}

OnlineWindow::~OnlineWindow() = default;

QString OnlineWindow::text(int entry) const {
    return parts_.language.text(LanguageTable::ExcelOnline, entry);
}

void OnlineWindow::start() {
    show();
    if (!connectToHost(hostSession_, parts_.host, parts_.language, parts_.user)) {
        return;
    }
    const QSize screenSize = screen() != nullptr ? screen()->geometry().size() : QSize();
    protocol_ = LiveProtocol::open(parts_.spreadsheets, hostSession_.application, screenSize,
                                   {parts_.language, parts_.user});
    if (protocol_ == nullptr) {
        return;
    }
    connect(protocol_.get(), &LiveProtocol::rowsWritten, this, &OnlineWindow::showRows);
    connect(protocol_.get(), &LiveProtocol::spreadsheetLost, this,
            [this] { pauseButton_->setEnabled(false); });
    pauseButton_->setEnabled(true);
}

void OnlineWindow::togglePause() {
    if (protocol_ == nullptr) {
        return;
    }
    if (protocol_->isPaused()) {
        protocol_->resume();
    } else {
        protocol_->pause();
    }
    showPauseState();
}

void OnlineWindow::showPauseState() {
    const bool paused = protocol_ != nullptr && protocol_->isPaused();
    pauseButton_->setText(text(paused ? kResumeEntry : kPauseEntry));
}

void OnlineWindow::fitPauseButton() {
    int widest = 0;
    for (const int entry : {kResumeEntry, kPauseEntry}) {
        pauseButton_->setText(text(entry));
        widest = std::max(widest, pauseButton_->sizeHint().width());
    }
    pauseButton_->setMinimumWidth(widest);
}

void OnlineWindow::showRows(int lastRow) {
    rowsLabel_->setText(parts_.language.text(LanguageTable::StatusBar, kRowsStatusEntry) + u' ' +
                        QString::number(lastRow - 1));
}

void OnlineWindow::stopProtocol() {
    protocol_.reset();
    pauseButton_->setEnabled(false);
}

}  // namespace korvex
