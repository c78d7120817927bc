#include "app/window/BatchFileDialog.h"

#include "app/core/CreateBatchFile.h"
#include "app/core/Session.h"
#include "app/core/SpreadsheetVersion.h"
#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "report/WorkbookFilter.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvex {
namespace {

QString optionName(const char* group, std::size_t index) {
    return QString::fromLatin1(group) + u'_' + QString::number(index);
}

template <typename Choice>
Choice checkedChoice(const std::array<QRadioButton*, 3>& options) {
    const auto checked =
        std::find_if(options.begin(), options.end(), [](const auto* option) { return option->isChecked(); });
    return static_cast<Choice>(checked == options.end() ? 0 : checked - options.begin());
}

}  // namespace

QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& filter) {
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(parent, title, QString(), filter));
}

BatchFileDialog::BatchFileDialog(QWidget* parent, const Session& session, UserInteraction& user,
                                 QString programPath, FileChooser chooseFile)
    : QDialog(parent),
      session_(session),
      user_(user),
      programPath_(std::move(programPath)),
      chooseFile_(std::move(chooseFile)) {
    setObjectName(QStringLiteral("frm_BatchFile"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    workbook1_ = addPathFrame(*layout, "Frame1", "lblTabelle1", "cmdSelectTabelle1");
    workbook2_ = addPathFrame(*layout, "Frame6", "lblTabelle2", "cmdSelectTabelle2");
    layoutFile_ = addPathFrame(*layout, "Frame2", "lblKonfig", "cmdSelectKonfig");
    layout->addWidget(buildOptionFrames());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(named<QPushButton>(QStringLiteral("cmdCreateBatchFile"), this));
    buttons->addWidget(named<QPushButton>(QStringLiteral("cmdCancel"), this));
    layout->addLayout(buttons);

    selection_[2]->setChecked(true);
    report_[0]->setChecked(true);
    workbook2_->setEnabled(false);
    findChild<QPushButton*>(QStringLiteral("cmdSelectTabelle2"))->setEnabled(false);

    applyTexts();
    connectButtons();
    // Room for the paths, and never narrower than the texts of the options.
    setMinimumWidth(std::max(520, minimumSizeHint().width()));
    setWindowOnTop(this, true);
}

QLabel* BatchFileDialog::addPathFrame(QVBoxLayout& layout, const char* frameName, const char* labelName,
                                      const char* buttonName) {
    auto* frame = named<QGroupBox>(QString::fromLatin1(frameName), this);
    auto* path = named<QLabel>(QString::fromLatin1(labelName), frame);
    path->setFrameShape(QFrame::StyledPanel);
    // A file name such as "<b>.xlsx" is shown as it is, never as markup.
    path->setTextFormat(Qt::PlainText);
    path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    path->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(path, 1);
    row->addWidget(named<QPushButton>(QString::fromLatin1(buttonName), frame));
    layout.addWidget(frame);
    return path;
}

QWidget* BatchFileDialog::buildOptionFrames() {
    auto* options = named<QGroupBox>(QStringLiteral("Frame3"), this);
    auto* row = new QHBoxLayout(options);
    const auto addGroup = [&](const char* frameName, const char* group,
                              std::array<QRadioButton*, 3>& buttons) {
        auto* frame = named<QGroupBox>(QString::fromLatin1(frameName), options);
        auto* column = new QVBoxLayout(frame);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttons[i] = named<QRadioButton>(optionName(group, i), frame);
            // The options' texts are long in some languages; the dialog widens rather than cut them.
            buttons[i]->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
            column->addWidget(buttons[i]);
        }
        row->addWidget(frame);
    };
    addGroup("Frame4", "Option1", selection_);
    addGroup("Frame5", "Option2", report_);
    return options;
}

void BatchFileDialog::applyTexts() {
    const LanguageTables& language = session_.language;
    setWindowTitle(language.text(LanguageTable::BatchFileEditor, 2));
    setCaptions(*this,
                {QStringLiteral("Frame1"), QStringLiteral("Frame6"), QStringLiteral("Frame2"),
                 QStringLiteral("Frame3"), QStringLiteral("Frame4"), QStringLiteral("Frame5"),
                 QStringLiteral("cmdCancel"), QStringLiteral("cmdCreateBatchFile"),
                 QStringLiteral("cmdSelectTabelle1")},
                language, LanguageTable::BatchFileEditor, 3);
    // Both workbook buttons share one caption.
    setCaptions(*this, {QStringLiteral("cmdSelectTabelle2")}, language, LanguageTable::BatchFileEditor, 11);
    QStringList rest{QStringLiteral("cmdSelectKonfig")};
    for (std::size_t i = 0; i < selection_.size(); ++i) {
        rest.append(optionName("Option1", i));
    }
    for (std::size_t i = 0; i < report_.size(); ++i) {
        rest.append(optionName("Option2", i));
    }
    setCaptions(*this, rest, language, LanguageTable::BatchFileEditor, 12);
}

void BatchFileDialog::connectButtons() {
    const QString workbookTitle = QStringLiteral("Excel Tabelle wählen");
    const QString filter = workbookFilter(session_.spreadsheetVersion);
    connect(findChild<QPushButton*>(QStringLiteral("cmdSelectTabelle1")), &QPushButton::clicked, this,
            [=, this] { choose(workbook1_, workbookTitle, filter); });
    auto* selectWorkbook2 = findChild<QPushButton*>(QStringLiteral("cmdSelectTabelle2"));
    connect(selectWorkbook2, &QPushButton::clicked, this,
            [=, this] { choose(workbook2_, workbookTitle, filter); });
    connect(findChild<QPushButton*>(QStringLiteral("cmdSelectKonfig")), &QPushButton::clicked, this, [this] {
        choose(layoutFile_, QStringLiteral("Konfigurationsdatei wählen"),
               QStringLiteral("Excel Workbook (*.cfg)"));
    });
    // Workbook 2 is only asked for with both reports.
    connect(report_[2], &QRadioButton::toggled, this, [this, selectWorkbook2](bool both) {
        workbook2_->setEnabled(both);
        selectWorkbook2->setEnabled(both);
    });
    connect(findChild<QPushButton*>(QStringLiteral("cmdCreateBatchFile")), &QPushButton::clicked, this,
            &BatchFileDialog::createBatchFile);
    connect(findChild<QPushButton*>(QStringLiteral("cmdCancel")), &QPushButton::clicked, this,
            &QDialog::reject);
}

void BatchFileDialog::choose(QLabel* path, const QString& title, const QString& filter) {
    // A cancelled choice keeps what the label showed.
    const QString chosen = chooseFile_(this, title, filter);
    if (!chosen.isEmpty()) {
        path->setText(chosen);
    }
}

BatchRequest BatchFileDialog::request() const {
    return {.selection = checkedChoice<BatchSelection>(selection_),
            .report = checkedChoice<BatchReport>(report_),
            .workbook1 = workbook1_->text(),
            .layoutFile = layoutFile_->text(),
            .workbook2 = workbook2_->text()};
}

void BatchFileDialog::createBatchFile() {
    if (korvex::createBatchFile(request(), programPath_, session_.language, user_)) {
        accept();
    }
}

}  // namespace korvex
