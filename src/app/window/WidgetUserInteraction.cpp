#include "app/window/WidgetUserInteraction.h"

#include "util/AppVersion.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>

#include <cstdio>

namespace korvex {
namespace {

QMessageBox::Icon boxIconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton boxButtonOf(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok:
            return QMessageBox::Ok;
        case MessageAnswer::Cancel:
            return QMessageBox::Cancel;
        case MessageAnswer::Yes:
            return QMessageBox::Yes;
        case MessageAnswer::No:
            return QMessageBox::No;
        case MessageAnswer::Retry:
            return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button, MessageAnswer fallback) {
    switch (button) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Retry:
            return MessageAnswer::Retry;
        default:
            return fallback;
    }
}

bool hasDisplay() {
    return QGuiApplication::platformName() != u"offscreen";
}

}  // namespace

WidgetUserInteraction::WidgetUserInteraction(QMainWindow* window, bool unattended)
    : window_(window),
      statusPanel_(new QLabel(window)),
      progress_(new QProgressBar(window)),
      unattended_(unattended) {
    statusPanel_->setObjectName(QStringLiteral("StatusBar1_Panel1"));
    statusPanel_->setMinimumWidth(1);  // a long text is cut, never widens the window
    progress_->setObjectName(QStringLiteral("ProgressBar_Hauptfenster"));
    progress_->setVisible(false);
    window->statusBar()->addPermanentWidget(statusPanel_, 1);
    window->statusBar()->addPermanentWidget(progress_);
}

MessageAnswer WidgetUserInteraction::showMessage(const Message& message) {
    const QString title = message.title.isEmpty() ? applicationTitle() : message.title;
    if (unattended_) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(message.text));
        if (!hasDisplay()) {
            return message.defaultAnswer;
        }
    }
    QMessageBox box(boxIconOf(message.icon), title, message.text, boxButtonsOf(message.buttons), window_);
    box.setDefaultButton(boxButtonOf(message.defaultAnswer));
    return answerOf(box.exec(), message.defaultAnswer);
}

void WidgetUserInteraction::setStatusText(const QString& text) {
    if (statusPanel_) {
        statusPanel_->setText(text);
    }
}

void WidgetUserInteraction::setProgress(int value, int maximum) {
    if (!progress_) {
        return;
    }
    progress_->setVisible(maximum > 0);
    progress_->setRange(0, maximum);
    progress_->setValue(value);
}

}  // namespace korvex
