#include "app/window/WindowPositionDialog.h"

#include "app/core/Session.h"
#include "app/core/Twips.h"
#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "util/AppVersion.h"
#include "util/MessageBoxen.h"
#include "util/UserInteraction.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

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
    return named<QLabel>(QString::fromLatin1(name), nullptr);
}

QPushButton* namedButton(const char* name) {
    return named<QPushButton>(QString::fromLatin1(name), nullptr);
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
    setWindowTitle(applicationTitle() + u' ' + session.language.text(LanguageTable::WindowPositionSetup, 2));
    setCaptions(*this,
                {QStringLiteral("Frame1"), QStringLiteral("Label1"), QStringLiteral("Label2"),
                 QStringLiteral("Label3"), QStringLiteral("Label4"), QStringLiteral("cmd_POS_LESEN"),
                 QStringLiteral("cmd_POS_SAVE"), QStringLiteral("cmd_CANCEL")},
                session.language, LanguageTable::WindowPositionSetup, 3);
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
    showMessageBoxen(user, session.language, MessageIcon::Information, {6, 7});
}

void WindowPositionDialog::readCurrentPosition() {
    top_->setText(twipsTextFromPixels(mainWindow_.y()));
    left_->setText(twipsTextFromPixels(mainWindow_.x()));
}

void WindowPositionDialog::savePosition() {
    // The position is stored as typed; the main window stays where the operator put it.
    if (!session_.settings.writeSettings(
            std::array{SettingValue{keys::kTop, top_->text()}, SettingValue{keys::kLeft, left_->text()}})) {
        tellSettingsNotStored(user_, session_.language);
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
