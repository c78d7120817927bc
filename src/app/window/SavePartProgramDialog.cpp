#include "app/window/SavePartProgramDialog.h"

#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "util/LanguageTables.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex {
namespace {

QLabel* valueLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = named<QLabel>(QString::fromLatin1(name), parent);
    // Names from the host are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

SavePartProgramDialog::SavePartProgramDialog(QWidget* parent, OpenPartProgram program,
                                             const QDateTime& openedAt, const LanguageTables& language,
                                             UserInteraction& user)
    : QDialog(parent),
      program_(std::move(program)),
      name_(partProgramCopyName(program_.fileName, openedAt)),
      language_(language),
      user_(user),
      partIdentification_(named<QLineEdit>(QStringLiteral("txtPartNumber"), nullptr)) {
    setObjectName(QStringLiteral("frm_SavePartProgram"));
    setAttribute(Qt::WA_DeleteOnClose);

    // The frame keeps its built-in caption in every language.
    auto* frame = named<QGroupBox>(QStringLiteral("Frame1"), this);
    frame->setTitle(QStringLiteral("Programmdaten"));
    auto* form = new QFormLayout(frame);
    form->addRow(named<QLabel>(QStringLiteral("Label1"), frame),
                 valueLabel("lblProgramName", name_.programName, frame));
    form->addRow(named<QLabel>(QStringLiteral("Label2"), frame), valueLabel("lblDate", name_.date, frame));
    form->addRow(named<QLabel>(QStringLiteral("Label3"), frame), valueLabel("lblTime", name_.time, frame));
    form->addRow(named<QLabel>(QStringLiteral("Label4"), frame), partIdentification_);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = named<QPushButton>(QStringLiteral("cmdOK"), buttons);
    auto* cancel = named<QPushButton>(QStringLiteral("cmdCancel"), buttons);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SavePartProgramDialog::saveCopy);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    applyTexts();
    // The operator opens the dialog to type the identification.
    partIdentification_->setFocus();
    setMinimumWidth(420);
    setWindowOnTop(this, true);
}

void SavePartProgramDialog::applyTexts() {
    setWindowTitle(language_.text(LanguageTable::SavePartProgram, 2));
    setCaptions(*this,
                {QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3"),
                 QStringLiteral("Label4"), QStringLiteral("cmdOK")},
                language_, LanguageTable::SavePartProgram, 3);
    setCaptions(*this, {QStringLiteral("cmdCancel")}, language_, LanguageTable::SavePartProgram, 9);
    findChild<QPushButton*>(QStringLiteral("cmdOK"))
        ->setToolTip(language_.text(LanguageTable::SavePartProgram, 8));
    findChild<QPushButton*>(QStringLiteral("cmdCancel"))
        ->setToolTip(language_.text(LanguageTable::SavePartProgram, 10));
}

QString SavePartProgramDialog::copyPath() const {
    return partProgramCopyPath(name_, partIdentification_->text());
}

void SavePartProgramDialog::saveCopy() {
    if (savePartProgramCopy(*program_.program, program_.fileName, copyPath(), language_, user_)) {
        accept();
    }
}

}  // namespace korvex
