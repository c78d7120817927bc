#include "app/window/report/HeaderDataDialog.h"

#include "app/core/Session.h"
#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "util/AppVersion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex {
namespace {

QPushButton* namedButton(const char* name, QWidget* parent) {
    return named<QPushButton>(QString::fromLatin1(name), parent);
}

}  // namespace

HeaderDataDialog::HeaderDataDialog(Session& session, UserInteraction& user, QWidget* mainWindow)
    : QDialog(mainWindow), session_(session), user_(user) {
    setObjectName(QStringLiteral("frm_Kopfdaten"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = named<QGroupBox>(QStringLiteral("Frame1"), this);
    variables_ = named<QListWidget>(QStringLiteral("lstVariables"), frame);
    newVariable_ = named<QLineEdit>(QStringLiteral("txtNewVariable"), frame);
    auto* add = namedButton("cmdAddInList", frame);
    auto* remove = namedButton("cmdRemoveFromList", frame);
    auto* clear = namedButton("cmdClearList", frame);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(variables_, 0, 0, 4, 2);
    grid->addWidget(remove, 0, 2);
    grid->addWidget(clear, 1, 2);
    grid->addWidget(named<QLabel>(QStringLiteral("Label1"), frame), 4, 0);
    grid->addWidget(newVariable_, 4, 1);
    grid->addWidget(add, 4, 2);
    grid->addWidget(named<QLabel>(QStringLiteral("Label2"), frame), 5, 0, 1, 3);
    grid->setRowStretch(3, 1);

    auto* importButton = namedButton("cmdImport", this);
    auto* exportButton = namedButton("cmdExport", this);
    auto* ok = namedButton("cmdOK", this);
    auto* cancel = namedButton("cmdCancel", this);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(importButton);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &HeaderDataDialog::addName);
    connect(newVariable_, &QLineEdit::returnPressed, this, &HeaderDataDialog::addName);
    connect(remove, &QPushButton::clicked, this, &HeaderDataDialog::removeName);
    connect(clear, &QPushButton::clicked, this, &HeaderDataDialog::clearList);
    connect(importButton, &QPushButton::clicked, this, &HeaderDataDialog::importList);
    connect(exportButton, &QPushButton::clicked, this, &HeaderDataDialog::exportList);
    connect(ok, &QPushButton::clicked, this, &HeaderDataDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &HeaderDataDialog::reject);
    connect(this, &QDialog::finished, this, [this, mainWindow] {
        if (session_.headerDialogFromMainWindow && mainWindow != nullptr) {
            mainWindow->show();
        }
    });

    applyTexts();
    list_.load(session_.programFolder, session_.language.codePage());
    showList();
    setWindowOnTop(this, true);
}

void HeaderDataDialog::applyTexts() {
    const LanguageTables& language = session_.language;
    const auto text = [&](int entry) { return language.text(LanguageTable::HeaderDataSetup, entry); };
    setWindowTitle(text(2) + u' ' + applicationTitle());
    setCaptions(*this,
                {QStringLiteral("Frame1"), QStringLiteral("Label1"), QStringLiteral("cmdAddInList"),
                 QStringLiteral("cmdRemoveFromList"), QStringLiteral("cmdClearList"),
                 QStringLiteral("cmdImport"), QStringLiteral("cmdExport"), QStringLiteral("cmdOK"),
                 QStringLiteral("cmdCancel"), QStringLiteral("Label2")},
                language, LanguageTable::HeaderDataSetup, 3);
    findChild<QPushButton*>(QStringLiteral("cmdAddInList"))->setToolTip(text(13));
    findChild<QPushButton*>(QStringLiteral("cmdImport"))->setToolTip(text(14));
    findChild<QPushButton*>(QStringLiteral("cmdExport"))->setToolTip(text(15));
}

void HeaderDataDialog::showList() {
    variables_->clear();
    variables_->addItems(list_.names());
}

void HeaderDataDialog::addName() {
    if (list_.add(newVariable_->text())) {
        showList();
    }
}

void HeaderDataDialog::removeName() {
    if (variables_->selectedItems().isEmpty()) {
        return;
    }
    if (list_.remove(variables_->currentRow())) {
        showList();
    }
}

void HeaderDataDialog::clearList() {
    list_.clear();
    showList();
}

void HeaderDataDialog::importList() {
    if (list_.load(session_.programFolder, session_.language.codePage())) {
        showList();
    }
}

bool HeaderDataDialog::exportList() {
    return saveHeaderDataNames(session_, list_.names(), user_);
}

void HeaderDataDialog::confirm() {
    if (!exportList()) {
        return;
    }
    Q_EMIT namesConfirmed(list_.names());
    accept();
}

}  // namespace korvex
