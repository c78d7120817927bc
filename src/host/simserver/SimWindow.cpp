#include "host/simserver/SimWindow.h"

#include "host/HostApplication.h"
#include "host/HostCommandCollection.h"
#include "host/HostPartProgram.h"
#include "host/simserver/SimRequestError.h"
#include "host/simserver/SimServer.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace korvex {
namespace {

// The largest screen coordinate or size in pixels the window follows.
constexpr double kLargestPlace = 100000;

}  // namespace

SimWindow::SimWindow(SimServer& server, int terminationType, QWidget* parent)
    : QWidget(parent),
      server_(server),
      programLabel_(new QLabel(this)),
      statusLabel_(new QLabel(this)),
      pacing_(new QSpinBox(this)),
      termination_(new QSpinBox(this)),
      runButton_(new QPushButton(QStringLiteral("Run"), this)),
      openButton_(new QPushButton(QStringLiteral("Open..."), this)) {
    setWindowTitle(QStringLiteral("KORVEX host simulator"));
    pacing_->setRange(0, 60000);
    pacing_->setSuffix(QStringLiteral(" ms"));
    pacing_->setValue(server.runner().pacing());
    termination_->setRange(0, std::numeric_limits<int>::max());
    termination_->setValue(terminationType);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Pause between commands:"), pacing_);
    form->addRow(QStringLiteral("Termination type:"), termination_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(runButton_);
    buttons->addWidget(openButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(programLabel_);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(statusLabel_);

    connect(pacing_, &QSpinBox::valueChanged, &server.runner(), &SimRunner::setPacing);
    connect(&server.runner(), &SimRunner::pacingChanged, pacing_, &QSpinBox::setValue);
    connect(runButton_, &QPushButton::clicked, this, &SimWindow::run);
    connect(openButton_, &QPushButton::clicked, this, &SimWindow::openPartProgram);
    connect(&server, &SimServer::partProgramChanged, this, &SimWindow::showPartProgram);
    connect(&server, &SimServer::windowGeometryChanged, this, &SimWindow::followWindowGeometry);
    connect(&server.runner(), &SimRunner::started, this, &SimWindow::showPartProgram);
    connect(&server.runner(), &SimRunner::progressed, this, &SimWindow::showProgress);
    connect(&server.runner(), &SimRunner::finished, this, &SimWindow::showRunEnded);
    showPartProgram();
    tell(QStringLiteral("Ready"));
}

void SimWindow::showPartProgram() {
    const std::shared_ptr<HostPartProgram> program = server_.application().activePartProgram();
    programLabel_->setText(program ? QStringLiteral("%1 (%2 commands)\n%3")
                                         .arg(program->name())
                                         .arg(program->commands()->count())
                                         .arg(program->fullName())
                                   : QStringLiteral("No part program open"));
    runButton_->setEnabled(program && !server_.runner().isRunning());
}

void SimWindow::showProgress(int executed, int count) {
    tell(QStringLiteral("Executed %1 of %2 commands").arg(executed).arg(count));
}

void SimWindow::showRunEnded(int terminationType) {
    tell(QStringLiteral("Run ended with termination type %1").arg(terminationType));
    showPartProgram();
}

void SimWindow::run() {
    try {
        server_.run(termination_->value());
    } catch (const SimRequestError& error) {
        tell(error.message);
    }
}

void SimWindow::openPartProgram() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open part program"), QString(),
                                                      QStringLiteral("Part programs (*.json)"));
    if (path.isEmpty())
        return;
    try {
        server_.openPartProgram(path);
        tell(QStringLiteral("Ready"));
    } catch (const SimRequestError& error) {
        tell(error.message);
    }
}

void SimWindow::tell(const QString& text) {
    statusLabel_->setText(text);
}

void SimWindow::followWindowGeometry() {
    HostApplication& host = server_.application();
    const std::array<double, 4> values = {host.windowLeft(), host.windowTop(), host.windowWidth(),
                                          host.windowHeight()};
    // Anything a caller wrote: only whole screen places of a sensible size move the window.
    const bool usable = std::ranges::all_of(
        values, [](double value) { return std::isfinite(value) && std::abs(value) <= kLargestPlace; });
    if (usable && values[2] >= 1 && values[3] >= 1) {
        setGeometry(QRect(static_cast<int>(values[0]), static_cast<int>(values[1]),
                          static_cast<int>(values[2]), static_cast<int>(values[3])));
    }
}

}  // namespace korvex
