#include "app/window/output/AsciiSetupDialog.h"

#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "output/AsciiFormatSettings.h"
#include "output/SettingsExchange.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvex {
namespace {

constexpr int kRowsPerColumnBlock = 11;

// Language entries of the AsciiFileSetup table.
constexpr int kTitleEntry = 2;
constexpr int kColumnsFrameEntry = 3;
constexpr int kCheckAllEntry = 26;

QString indexed(const QString& controlName, int index) {
    return controlName + u'_' + QString::number(index);
}

std::size_t at(int column) {
    return static_cast<std::size_t>(column);
}

}  // namespace

AsciiSetupDialog::AsciiSetupDialog(const OutputDialogContext& context, QWidget* parent)
    : QDialog(parent), context_(context), format_(loadAsciiFormat(context.settings)) {
    setObjectName(QStringLiteral("frm_ASCII_Setup"));
    setWindowOnTop(this, true);
    auto* settings = new QHBoxLayout;
    settings->addWidget(delimiterFrame(), 1);
    settings->addWidget(fileTypeFrame());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(columnsFrame());
    layout->addLayout(settings);
    layout->addWidget(buttonRow());
    applyCaptions();
    showFormat();
}

QWidget* AsciiSetupDialog::columnsFrame() {
    auto* frame = named<QGroupBox>(QStringLiteral("Frame1"), this);
    auto* grid = new QGridLayout(frame);
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        QCheckBox* check = named<QCheckBox>(indexed(QStringLiteral("Check1"), column), frame);
        QLabel* place = named<QLabel>(indexed(QStringLiteral("Label1"), column), frame);
        place->setMinimumWidth(place->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        place->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int row = column % kRowsPerColumnBlock;
        const int block = column / kRowsPerColumnBlock * 2;
        grid->addWidget(place, row, block);
        grid->addWidget(check, row, block + 1);
        connect(check, &QCheckBox::clicked, this, [this, column](bool checked) {
            setColumnChecked(format_, column, checked);
            showFormat();
        });
        checks_[at(column)] = check;
        places_[at(column)] = place;
    }
    auto* all = named<QPushButton>(QStringLiteral("cmd_EIN"), frame);
    auto* none = named<QPushButton>(QStringLiteral("cmd_AUS"), frame);
    connect(all, &QPushButton::clicked, this, [this] {
        checkEveryColumn(format_);
        showFormat();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        uncheckEveryColumn(format_);
        showFormat();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch();
    grid->addLayout(buttons, kRowsPerColumnBlock, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget* AsciiSetupDialog::delimiterFrame() {
    auto* frame = named<QGroupBox>(QStringLiteral("Frame3"), this);
    delimiter_ = named<QLineEdit>(QStringLiteral("txt_ASCII"), frame);
    connect(delimiter_, &QLineEdit::textEdited, this,
            [this](const QString& text) { format_.delimiter = text; });
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(named<QLabel>(QStringLiteral("Label2"), frame), 1);
    layout->addWidget(delimiter_);
    return frame;
}

QWidget* AsciiSetupDialog::fileTypeFrame() {
    auto* frame = named<QGroupBox>(QStringLiteral("Frame4"), this);
    csv_ = named<QRadioButton>(QStringLiteral("optCSV"), frame);
    txt_ = named<QRadioButton>(QStringLiteral("optTXT"), frame);
    connect(csv_, &QRadioButton::toggled, this,
            [this](bool csv) { format_.fileType = csv ? AsciiFileType::Csv : AsciiFileType::Txt; });
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(csv_);
    layout->addWidget(txt_);
    return frame;
}

QWidget* AsciiSetupDialog::buttonRow() {
    SettingsButtons buttons{};
    QWidget* row = settingsButtonRow(this, buttons);
    connect(buttons.ok, &QPushButton::clicked, this, &AsciiSetupDialog::save);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons.exportButton, &QPushButton::clicked, this, &AsciiSetupDialog::exportFormat);
    connect(buttons.importButton, &QPushButton::clicked, this, &AsciiSetupDialog::importFormat);
    return row;
}

void AsciiSetupDialog::applyCaptions() {
    const LanguageTable table = LanguageTable::AsciiFileSetup;
    setWindowTitle(context_.text(table, kTitleEntry));
    QStringList checkNames;
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        checkNames.append(indexed(QStringLiteral("Check1"), column));
    }
    setCaptions(*this, QStringList{QStringLiteral("Frame1")} + checkNames, context_.language, table,
                kColumnsFrameEntry);
    setCaptions(*this,
                {QStringLiteral("cmd_EIN"), QStringLiteral("cmd_AUS"), QStringLiteral("Frame3"),
                 QStringLiteral("Label2"), QStringLiteral("Frame4"), QStringLiteral("optCSV"),
                 QStringLiteral("optTXT"), QStringLiteral("OKButton"), QStringLiteral("CancelButton"),
                 QStringLiteral("cmdExport"), QStringLiteral("cmdImport")},
                context_.language, table, kCheckAllEntry);
}

void AsciiSetupDialog::showFormat() {
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        checks_[at(column)]->setChecked(format_.checked[at(column)]);
        places_[at(column)]->setText(format_.places[at(column)]);
    }
    delimiter_->setText(format_.delimiter);
    (format_.fileType == AsciiFileType::Csv ? csv_ : txt_)->setChecked(true);
}

void AsciiSetupDialog::save() {
    if (!saveAsciiFormat(format_, context_.settings)) {
        tellSettingsNotStored(context_);
        return;
    }
    accept();
}

void AsciiSetupDialog::exportFormat() {
    NotationWriter out;
    writeAsciiFormat(format_, out);
    exportSettingsFile(out, context_.programFolder.fileToWrite(kAsciiSettingsFile), context_.language,
                       context_.user);
}

void AsciiSetupDialog::importFormat() {
    const auto imported =
        importSettingsFile<AsciiFormat>(context_.programFolder.fileToRead(kAsciiSettingsFile),
                                        readAsciiFormat, context_.language, context_.user);
    if (imported) {
        format_ = *imported;
        showFormat();
    }
}

}  // namespace korvex
