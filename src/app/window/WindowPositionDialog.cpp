#include "app/window/WindowPositionDialog.h"

#include "app/core/Session.h"
#include "app/core/Twips.h"
#include "app/window/WindowOnTop.h"
#include "util/AppVersion.h"
#include "util/UserInteraction.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex {
namespace {

QLineEdit* positionField(const char* name, bool editable) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(!editable);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QLabel* namedLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* namedButton(const char* name) {
    auto* button = new QPushButton;
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

WindowPositionDialog::WindowPositionDialog(QWidget& mainWindow, const Session& session, UserInteraction& user)
    : QDialog(&mainWindow),
      mainWindow_(mainWindow),
      session_(session),
      user_(user),
      top_(positionField("txt_POS_TOP", true)),
      left_(positionField("txt_POS_LEFT", true)),
      oldTop_(positionField("txt_POS_TOP_ALT", false)),
      oldLeft_(positionField("txt_POS_LEFT_ALT", false)) {
    setObjectName(QStringLiteral("frm_Fensterpos"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(namedLabel("Label3"), 0, 1, Qt::AlignHCenter);
    grid->addWidget(namedLabel("Label4"), 0, 2, Qt::AlignHCenter);
    grid->addWidget(namedLabel("Label1"), 1, 0);
    grid->addWidget(top_, 1, 1);
    grid->addWidget(oldTop_, 1, 2);
    grid->addWidget(namedLabel("Label2"), 2, 0);
    grid->addWidget(left_, 2, 1);
    grid->addWidget(oldLeft_, 2, 2);

    auto* read = namedButton("cmd_POS_LESEN");
    auto* buttons = new QDialogButtonBox;
    auto* save = namedButton("cmd_POS_SAVE");
    auto* cancel = namedButton("cmd_CANCEL");
    buttons->addButton(save, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    save->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(read, 0, Qt::AlignLeft);
    layout->addWidget(buttons);

    connect(read, &QPushButton::clicked, this, &WindowPositionDialog::readCurrentPosition);
    connect(save, &QPushButton::clicked, this, &WindowPositionDialog::savePosition);
    connect(cancel, &QPushButton::clicked, this, &WindowPositionDialog::reject);

    applyTexts(session);
    showStoredPosition(session, user);
    setWindowOnTop(this, true);
}

void WindowPositionDialog::applyTexts(const Session& session) {
    const auto text = [&](int entry) {
        return session.language.text(LanguageTable::WindowPositionSetup, entry);
    };
    setWindowTitle(applicationTitle() + u' ' + text(2));
    findChild<QGroupBox*>(QStringLiteral("Frame1"))->setTitle(text(3));
    const char* labels[] = {"Label1", "Label2", "Label3", "Label4"};
    for (int i = 0; i < 4; ++i) {
        findChild<QLabel*>(QString::fromLatin1(labels[i]))->setText(text(4 + i));
    }
    findChild<QPushButton*>(QStringLiteral("cmd_POS_LESEN"))->setText(text(8));
    findChild<QPushButton*>(QStringLiteral("cmd_POS_SAVE"))->setText(text(9));
    findChild<QPushButton*>(QStringLiteral("cmd_CANCEL"))->setText(text(10));
}

void WindowPositionDialog::showStoredPosition(const Session& session, UserInteraction& user) {
    const auto top = session.settings.peekSetting(keys::kTop);
    const auto left = session.settings.peekSetting(keys::kLeft);
    if (top && left) {
        top_->setText(*top);
        oldTop_->setText(*top);
        left_->setText(*left);
        oldLeft_->setText(*left);
        return;
    }
    readCurrentPosition();
    oldTop_->setText(top_->text());
    oldLeft_->setText(left_->text());
    const auto& language = session.language;
    user.showMessage({.text = language.text(LanguageTable::MessageBoxen, 6) + QStringLiteral("\r\n") +
                              language.text(LanguageTable::MessageBoxen, 7),
                      .icon = MessageIcon::Information});
}

void WindowPositionDialog::readCurrentPosition() {
    top_->setText(twipsTextFromPixels(mainWindow_.y()));
    left_->setText(twipsTextFromPixels(mainWindow_.x()));
}

void WindowPositionDialog::savePosition() {
    // The position is stored as typed; the main window stays where the operator put it.
    if (!session_.settings.writeSetting(keys::kTop, top_->text()) ||
        !session_.settings.writeSetting(keys::kLeft, left_->text())) {
        user_.showMessage({.text = session_.settings.refusedWriteText(), .icon = MessageIcon::Critical});
        return;
    }
    accept();
}

void WindowPositionDialog::reject() {
    const auto top = pixelsFromTwipsText(oldTop_->text());
    const auto left = pixelsFromTwipsText(oldLeft_->text());
    if (top && left) {
        mainWindow_.move(*left, *top);
    }
    QDialog::reject();
}

}  // namespace korvex
