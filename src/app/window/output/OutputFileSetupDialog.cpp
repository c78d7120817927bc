#include "app/window/output/OutputFileSetupDialog.h"

#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "app/window/output/FolderChooser.h"
#include "output/SettingsExchange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
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

// Entries of the OutputFileSetup table.
constexpr int kFirstCaptionEntry = 2;
constexpr int kPartName = 20;
constexpr int kDrawingNumber = 21;
constexpr int kNone = 22;
constexpr int kRevision = 23;
constexpr int kDate = 24;
constexpr int kTime = 25;
constexpr int kTolProzentLabelEntry = 26;
constexpr int kFileKindLabelEntry = 27;
// The items of the file-kind list, by entry; an item's index is its kind code.
constexpr std::array<int, 2> kFileKindItems = {28, 29};
// The window title lives in the Version 2.1.0 table; the header-data switch has no entry of its own
// and shows the main window's header-data caption.
constexpr int kTitleEntry = 2;
constexpr int kHeaderDataCaptionEntry = 36;

// The items of the five name lists, by entry; an item's index is its name code.
const std::array<std::vector<int>, ResultFileNaming::kPositions> kNamePartItems = {{
    {kPartName, kDrawingNumber},
    {kNone, kRevision, kPartName, kDrawingNumber},
    {kNone, kDrawingNumber, kRevision, kDate},
    {kNone, kDate, kTime},
    {kNone, kTime},
}};

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

OutputFileSetupDialog::OutputFileSetupDialog(const OutputDialogContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("frm_Ausgabedatei_Setup"));
    setWindowOnTop(this, true);
    auto* upper = new QHBoxLayout;
    upper->addWidget(folderFrame(), 1);
    upper->addWidget(programFrame(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper, 1);
    layout->addWidget(fileNameFrame());
    layout->addWidget(buttonRow());
    applyCaptions();
    showValues(loadOutputFileSettings(context_.settings, context_.programFolder.writable()));
}

QWidget* OutputFileSetupDialog::folderFrame() {
    auto* frame = named<QGroupBox>(QStringLiteral("Frame1"), this);
    partProgramFolder_ = named<QRadioButton>(QStringLiteral("optUsePartProgramFolder"), frame);
    askBeforeOutput_ = named<QRadioButton>(QStringLiteral("optSelectedFolder"), frame);
    fixedFolder_ = named<QRadioButton>(QStringLiteral("optUseDefaultFolder"), frame);
    folder_ = new FolderChooser(QStringLiteral("Drive_Ergebnis"), QStringLiteral("Dir_Ergebnis"), frame);
    folderPath_ = named<QLabel>(QStringLiteral("Label_Verzeichnis"), frame);
    folderPath_->setWordWrap(true);
    connect(fixedFolder_, &QRadioButton::toggled, this, &OutputFileSetupDialog::enableFolderControls);
    connect(folder_, &FolderChooser::folderChanged, folderPath_, &QLabel::setText);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(partProgramFolder_);
    layout->addWidget(askBeforeOutput_);
    layout->addWidget(fixedFolder_);
    layout->addWidget(folder_, 1);
    layout->addWidget(named<QLabel>(QStringLiteral("Label1"), frame));
    layout->addWidget(folderPath_);
    return frame;
}

QWidget* OutputFileSetupDialog::fileNameFrame() {
    auto* frame = named<QGroupBox>(QStringLiteral("frameFileName"), this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(named<QLabel>(QStringLiteral("Label8"), frame), 0, 0);
    for (int position = 0; position < ResultFileNaming::kPositions; ++position) {
        nameParts_[at(position)] =
            named<QComboBox>(QStringLiteral("comboFileName%1").arg(position + 1), frame);
        grid->addWidget(nameParts_[at(position)], 0, position + 1);
    }
    separator_ = named<QComboBox>(QStringLiteral("comboSeperator"), frame);
    separator_->addItems({QStringLiteral("___"), QStringLiteral("__"), QStringLiteral("_"),
                          QStringLiteral("---"), QStringLiteral("--"), QStringLiteral("-")});
    counter_ = named<QCheckBox>(QStringLiteral("chkFileCounter"), frame);
    grid->addWidget(named<QLabel>(QStringLiteral("Label5"), frame), 1, 0);
    grid->addWidget(separator_, 1, 1);
    grid->addWidget(counter_, 1, 2, 1, ResultFileNaming::kPositions - 1);
    fileKind_ = named<QComboBox>(QStringLiteral("comboFileKind"), frame);
    grid->addWidget(named<QLabel>(QStringLiteral("LabelFileKind"), frame), 2, 0);
    grid->addWidget(fileKind_, 2, 1, 1, ResultFileNaming::kPositions);
    return frame;
}

QWidget* OutputFileSetupDialog::programFrame() {
    auto* frame = named<QGroupBox>(QStringLiteral("Frame5"), this);
    zozadRegel_ = named<QCheckBox>(QStringLiteral("chkZozadRegel"), frame);
    headerData_ = named<QCheckBox>(QStringLiteral("chkUseHeaderData"), frame);
    multiLine_ = named<QCheckBox>(QStringLiteral("chkMultiLine"), frame);
    currentUser_ = named<QCheckBox>(QStringLiteral("chkCurrentUser"), frame);
    minimize_ = named<QCheckBox>(QStringLiteral("chkMinimize"), frame);
    tolProzent_ = named<QLineEdit>(QStringLiteral("txtTolProzent"), frame);
    auto* tolerance = new QHBoxLayout;
    tolerance->addWidget(named<QLabel>(QStringLiteral("Label2"), frame), 1);
    tolerance->addWidget(tolProzent_);
    tolProzent_->setMaximumWidth(tolProzent_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    auto* layout = new QVBoxLayout(frame);
    for (QCheckBox* box : {zozadRegel_, headerData_, multiLine_, currentUser_, minimize_}) {
        layout->addWidget(box);
    }
    layout->addLayout(tolerance);
    layout->addStretch();
    return frame;
}

QWidget* OutputFileSetupDialog::buttonRow() {
    SettingsButtons buttons{};
    QWidget* row = settingsButtonRow(this, buttons);
    connect(buttons.ok, &QPushButton::clicked, this, &OutputFileSetupDialog::save);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons.exportButton, &QPushButton::clicked, this, &OutputFileSetupDialog::exportValues);
    connect(buttons.importButton, &QPushButton::clicked, this, &OutputFileSetupDialog::importValues);
    return row;
}

void OutputFileSetupDialog::applyCaptions() {
    const LanguageTable table = LanguageTable::OutputFileSetup;
    setWindowTitle(context_.text(LanguageTable::Version210, kTitleEntry));
    setCaptions(*this,
                {QStringLiteral("Frame1"), QStringLiteral("optUsePartProgramFolder"),
                 QStringLiteral("optSelectedFolder"), QStringLiteral("optUseDefaultFolder"),
                 QStringLiteral("Label1"), QStringLiteral("Frame5"), QStringLiteral("chkMultiLine"),
                 QStringLiteral("chkCurrentUser"), QStringLiteral("chkMinimize"),
                 QStringLiteral("frameFileName"), QStringLiteral("Label8"), QStringLiteral("Label5"),
                 QStringLiteral("chkFileCounter"), QStringLiteral("OKButton"), QStringLiteral("CancelButton"),
                 QStringLiteral("cmdExport"), QStringLiteral("cmdImport"), QStringLiteral("chkZozadRegel")},
                context_.language, table, kFirstCaptionEntry);
    setCaptions(*this, {QStringLiteral("Label2")}, context_.language, table, kTolProzentLabelEntry);
    setCaptions(*this, {QStringLiteral("LabelFileKind")}, context_.language, table, kFileKindLabelEntry);
    for (const int entry : kFileKindItems) {
        fileKind_->addItem(context_.text(table, entry));
    }
    setCaptions(*this, {QStringLiteral("chkUseHeaderData")}, context_.language, LanguageTable::MainWindow,
                kHeaderDataCaptionEntry);
    for (std::size_t position = 0; position < nameParts_.size(); ++position) {
        for (const int entry : kNamePartItems[position]) {
            nameParts_[position]->addItem(context_.text(table, entry));
        }
    }
}

OutputFileSettings OutputFileSetupDialog::values() const {
    OutputFileSettings values;
    values.drive = folder_->drive();
    values.folder = folder_->folder();
    for (std::size_t position = 0; position < nameParts_.size(); ++position) {
        values.naming.codes[position] = nameParts_[position]->currentIndex();
    }
    values.naming.separatorCode = separator_->currentIndex();
    values.naming.useCounter = counter_->isChecked();
    values.folderChoice = partProgramFolder_->isChecked() ? OutputFolderChoice::PartProgramFolder
                          : askBeforeOutput_->isChecked() ? OutputFolderChoice::AskBeforeOutput
                                                          : OutputFolderChoice::FixedFolder;
    values.zozadRegel = zozadRegel_->isChecked();
    values.useHeaderData = headerData_->isChecked();
    values.multiLine = multiLine_->isChecked();
    values.tolProzent = tolProzent_->text();
    values.currentUser = currentUser_->isChecked();
    values.minimize = minimize_->isChecked();
    values.fileKind = static_cast<ResultFileKind>(fileKind_->currentIndex());
    return values;
}

void OutputFileSetupDialog::showValues(const OutputFileSettings& values) {
    folder_->setLocation(values.drive, values.folder);
    for (std::size_t position = 0; position < nameParts_.size(); ++position) {
        nameParts_[position]->setCurrentIndex(values.naming.codes[position]);
    }
    separator_->setCurrentIndex(values.naming.separatorCode);
    counter_->setChecked(values.naming.useCounter);
    switch (values.folderChoice) {
        case OutputFolderChoice::PartProgramFolder:
            partProgramFolder_->setChecked(true);
            break;
        case OutputFolderChoice::AskBeforeOutput:
            askBeforeOutput_->setChecked(true);
            break;
        case OutputFolderChoice::FixedFolder:
            fixedFolder_->setChecked(true);
            break;
    }
    zozadRegel_->setChecked(values.zozadRegel);
    headerData_->setChecked(values.useHeaderData);
    multiLine_->setChecked(values.multiLine);
    tolProzent_->setText(values.tolProzent);
    currentUser_->setChecked(values.currentUser);
    minimize_->setChecked(values.minimize);
    fileKind_->setCurrentIndex(static_cast<int>(values.fileKind));
    enableFolderControls();
}

void OutputFileSetupDialog::enableFolderControls() {
    const bool fixed = fixedFolder_->isChecked();
    folder_->setEnabled(fixed);
    folderPath_->setEnabled(fixed);
}

void OutputFileSetupDialog::save() {
    const OutputFileSettings chosen = values();
    if (!saveOutputFileSettings(chosen, context_.settings)) {
        tellSettingsNotStored(context_);
        return;
    }
    Q_EMIT headerDataSwitched(chosen.useHeaderData);
    accept();
}

void OutputFileSetupDialog::exportValues() {
    NotationWriter out;
    writeOutputFileSettings(values(), out);
    exportSettingsFile(out, context_.programFolder.fileToWrite(kOutputFileSettingsFile), context_.language,
                       context_.user);
}

void OutputFileSetupDialog::importValues() {
    const OutputFileSettings current = values();
    const auto imported = importSettingsFile<OutputFileSettings>(
        context_.programFolder.fileToRead(kOutputFileSettingsFile),
        [&current](NotationReader& in) { return readOutputFileSettings(in, current); }, context_.language,
        context_.user);
    if (imported) {
        showValues(*imported);
    }
}

}  // namespace korvex
