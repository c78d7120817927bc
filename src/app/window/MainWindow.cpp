#include "app/window/MainWindow.h"

#include "app/core/HeaderDataFile.h"
#include "app/core/HeaderDataList.h"
#include "app/core/RunControl.h"
#include "app/core/Session.h"
#include "app/core/Twips.h"
#include "app/core/WorkbookReportOutput.h"
#include "app/window/AboutDialog.h"
#include "app/window/BatchFileDialog.h"
#include "app/window/CharacteristicBrowser.h"
#include "app/window/ElidedLabel.h"
#include "app/window/EvaluationPanel.h"
#include "app/window/MainWindowActions.h"
#include "app/window/OnlineWindow.h"
#include "app/window/SavePartProgramDialog.h"
#include "app/window/WidgetUserInteraction.h"
#include "app/window/WindowPositionDialog.h"
#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "app/window/output/AsciiSetupDialog.h"
#include "app/window/output/OutputFileSetupDialog.h"
#include "app/window/output/SelectFolderDialog.h"
#include "app/window/report/HeaderDataDialog.h"
#include "app/window/report/ReportDesignDialog.h"
#include "app/window/report/WorkbookDialogs.h"
#include "characteristics/TrafficLightColours.h"
#include "host/HostSession.h"
#include "report/xlsx/XlsxApplication.h"
#include "settings/SettingTexts.h"
#include "util/LanguageLoader.h"
#include "util/MessageBoxen.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace korvex {
namespace {

constexpr int kValueGridRows = 24;
constexpr int kMinimumValueColumnWidth = 160;
// How long the window waits for the window manager's frame before it is placed: 100 times 20 ms.
constexpr int kFrameWaits = 100;
constexpr int kFrameWaitMs = 20;
constexpr int kExitNotProduced = 1;

// The frames of the window, in the order of their captions (MainWindow entries 30, 63, 39, 70, 36).
constexpr std::size_t kProgramFrame = 0;
constexpr std::size_t kListFrame = 1;
constexpr std::size_t kValueFrame = 2;
constexpr std::size_t kCommentFrame = 3;
constexpr std::size_t kHeaderDataFrame = 4;

// The value grid's row labels: MainWindow entries for rows 1 to 22, but row 19 (the unit) is the
// ASCII dialog's unit text and row 23 a fixed text.
QString valueGridLabel(const LanguageTables& language, int row) {
    if (row == 19) {
        return language.text(LanguageTable::AsciiFileSetup, 14);
    }
    if (row == 23) {
        return QStringLiteral("KORVEX Unique-ID");
    }
    return language.text(LanguageTable::MainWindow, row < 19 ? 39 + row : 38 + row);
}

QGroupBox* namedFrame(const char* name, QLayout* content) {
    auto* frame = new QGroupBox;
    frame->setObjectName(QString::fromLatin1(name));
    frame->setLayout(content);
    return frame;
}

QTableWidget* namedGrid(const char* name, int rows, int columns) {
    auto* grid = new QTableWidget(rows, columns);
    grid->setObjectName(QString::fromLatin1(name));
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setAlternatingRowColors(true);
    return grid;
}

}  // namespace

MainWindow::MainWindow(Session& session, Outputs outputs, UserInteraction* user)
    : session_(session),
      hostConnector_(outputs.host),
      actions_(new MainWindowActions(*this)),
      ownUser_(std::make_unique<WidgetUserInteraction>(this, session.arguments.isUnattended())),
      user_(user != nullptr ? user : ownUser_.get()) {
    setObjectName(QStringLiteral("frm_Hauptfenster"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(buildProgramFrame());
    leftLayout->addWidget(buildCharacteristicFrame(), 1);

    auto* middle = new QWidget;
    auto* middleLayout = new QVBoxLayout(middle);
    middleLayout->setContentsMargins(0, 0, 0, 0);
    middleLayout->addWidget(buildValueFrame(), 1);
    middleLayout->addWidget(buildCommentFrame());

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    evaluation_ = new EvaluationPanel;
    rightLayout->addWidget(evaluation_);
    rightLayout->addWidget(buildHeaderDataFrame(), 1);

    panels_ = new QSplitter;
    panels_->addWidget(left);
    panels_->addWidget(middle);
    panels_->addWidget(right);
    panels_->setStretchFactor(1, 1);
    panels_->setChildrenCollapsible(false);
    panels_->setContentsMargins(8, 8, 8, 0);
    setCentralWidget(panels_);

    browser_ =
        new CharacteristicBrowser({characteristicList_, valueGrid_, commentList_}, session_, *user_, this);
    if (outputs.report == nullptr) {
        ownSpreadsheets_ = std::make_unique<xlsx::XlsxBackend>();
        ownReport_ = std::make_unique<WorkbookReportOutput>(WorkbookReportOutput::Parts{
            session_, *user_, *ownSpreadsheets_,
            [this](const QString& filter) { return chooseReportSavePath(this, session_.language, filter); },
            outputs.office});
        outputs.report = ownReport_.get();
    }
    report_ = outputs.report;
    office_ = outputs.office;
    runControl_ = new RunControl({session_, session_.host, outputs.host, *this, *user_, *report_}, this);
    connectMarkButtons();
    connectRunActions();
    connect(actions_->windowPosition, &QAction::triggered, this, &MainWindow::openWindowPosition);
    connect(actions_, &MainWindowActions::languageChosen, this, &MainWindow::switchLanguage);
    connect(actions_, &MainWindowActions::languageMenuOpening, this, &MainWindow::markLanguages);
    connect(actions_->about, &QAction::triggered, this, &MainWindow::openAbout);
    connect(actions_->batchFile, &QAction::triggered, this, &MainWindow::openBatchFile);
    connect(actions_->savePartProgram, &QAction::triggered, this, &MainWindow::openSavePartProgram);
    connect(actions_->headerData, &QAction::triggered, this, &MainWindow::openHeaderData);
    connect(actions_->reportLayout, &QAction::triggered, this, &MainWindow::openReportDesign);
    applyLanguage();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildProgramFrame() {
    auto* form = new QFormLayout;
    const char* valueNames[] = {"lbl_Programmname", "lblProgName", "lblIndex", "lblZgNr"};
    for (std::size_t i = 0; i < programValues_.size(); ++i) {
        programCaptions_[i] = new QLabel;
        programValues_[i] = named<ElidedLabel>(QString::fromLatin1(valueNames[i]), nullptr);
        programValues_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = programValues_[i]->font();
        bold.setBold(true);
        programValues_[i]->setFont(bold);
        form->addRow(programCaptions_[i], programValues_[i]);
    }
    frames_[kProgramFrame] = namedFrame("Frame3", form);
    return frames_[kProgramFrame];
}

QWidget* MainWindow::buildCharacteristicFrame() {
    characteristicList_ = new QListView;
    characteristicList_->setObjectName(QStringLiteral("lst_MM_ID"));
    characteristicList_->setSelectionMode(QAbstractItemView::MultiSelection);
    characteristicList_->setUniformItemSizes(true);
    characteristicList_->setMinimumWidth(220);

    auto* buttons = new QHBoxLayout;
    const std::array<std::pair<const char*, const char*>, 6> names = {
        {{"cmdMarkAll", "mark-all.svg"},
         {"cmdMarkOK", "mark-ok.svg"},
         {"cmdMarkAT", "mark-out-of-tolerance.svg"},
         {"cmdMarkKritisch", "mark-over-limit.svg"},
         {"cmdMarkDelete", "mark-clear.svg"},
         {"cmdMarkMarked", "mark-marked.svg"}}};
    for (std::size_t i = 0; i < names.size(); ++i) {
        markButtons_[i] = new QToolButton;
        markButtons_[i]->setObjectName(QString::fromLatin1(names[i].first));
        markButtons_[i]->setIcon(QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(names[i].second)));
        markButtons_[i]->setIconSize({24, 24});
        markButtons_[i]->setAutoRaise(true);
        buttons->addWidget(markButtons_[i]);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout;
    layout->addWidget(characteristicList_, 1);
    layout->addLayout(buttons);
    frames_[kListFrame] = namedFrame("Frame2", layout);
    return frames_[kListFrame];
}

QWidget* MainWindow::buildValueFrame() {
    valueGrid_ = namedGrid("FlexGridMerkmalswerte", kValueGridRows, 2);
    valueGrid_->horizontalHeader()->hide();
    valueGrid_->setColumnWidth(0, 1700 / 15 + 20);
    // However narrow the window, the values keep a column that shows a number whole.
    valueGrid_->setMinimumWidth(valueGrid_->columnWidth(0) + kMinimumValueColumnWidth);
    valueGrid_->setMinimumHeight(valueGrid_->verticalHeader()->defaultSectionSize() * kValueGridRows + 4);
    valueGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout;
    layout->addWidget(valueGrid_);
    frames_[kValueFrame] = namedFrame("frameMerkmaswerte", layout);
    return frames_[kValueFrame];
}

QWidget* MainWindow::buildCommentFrame() {
    commentList_ = new QListWidget;
    commentList_->setObjectName(QStringLiteral("vlstComment"));
    commentList_->setMinimumHeight(commentList_->fontMetrics().height() * 4);
    auto* layout = new QVBoxLayout;
    layout->addWidget(commentList_);
    frames_[kCommentFrame] = namedFrame("frameKommentar", layout);
    return frames_[kCommentFrame];
}

QWidget* MainWindow::buildHeaderDataFrame() {
    headerGrid_ = namedGrid("FlexGridKopfdaten", 0, 2);
    headerGrid_->setColumnWidth(0, 1900 / 15);
    auto* layout = new QVBoxLayout;
    layout->addWidget(headerGrid_);
    frames_[kHeaderDataFrame] = namedFrame("Frame4", layout);
    return frames_[kHeaderDataFrame];
}

void MainWindow::load() {
    applyStoredLanguage(session_, *user_);
    const bool header = settingIsTrue(session_.settings.readSetting(keys::kHeader, QStringLiteral("1")));
    session_.headerData.setNames(
        header ? readHeaderDataNames(session_.programFolder, session_.language.codePage()) : QStringList());
    showHeaderDataFrame(header);
    applyLanguage();
}

void MainWindow::showAtStoredPosition() {
    // The stored position is that of the frame, as "read current position" and Cancel take it. A
    // window manager frames the window only after it is shown, and until then a position places
    // the inside of the window; so the position is applied again once the frame is there.
    const auto top = pixelsFromTwipsText(session_.settings.readSetting(keys::kTop, QStringLiteral("1")));
    const auto left = pixelsFromTwipsText(session_.settings.readSetting(keys::kLeft, QStringLiteral("1")));
    // Set before showing: changing the flag of a shown window maps it anew, frameless at first.
    setWindowOnTop(this, true);
    show();
    if (top && left) {
        move(*left, *top);
        placeOnceFramed(QPoint(*left, *top), kFrameWaits);
    }
}

void MainWindow::placeOnceFramed(QPoint position, int waitsLeft) {
    // The window manager tells the frame when it has made it, and shows the window after that;
    // without a window manager there never is a frame.
    const QWindow* window = windowHandle();
    if (window != nullptr && window->isExposed() && !window->frameMargins().isNull()) {
        move(position);
        return;
    }
    if (waitsLeft > 0) {
        QTimer::singleShot(kFrameWaitMs, this,
                           [this, position, waitsLeft] { placeOnceFramed(position, waitsLeft - 1); });
    }
}

void MainWindow::switchLanguage(const QString& language) {
    loadLanguage(session_, language, *user_);
    // The chosen name is stored even when its file is missing, so the next start tells it again.
    if (!session_.settings.writeSetting(keys::kLanguage, language)) {
        tellSettingsNotStored(*user_, session_.language);
    }
    applyLanguage();
}

void MainWindow::applyLanguage() {
    const LanguageTables& language = session_.language;
    setWindowTitle(mainWindowCaption(session_));
    const auto text = [&](int entry) { return language.text(LanguageTable::MainWindow, entry); };
    actions_->applyLanguage(language);
    markLanguages();
    qtTranslation_.follow(session_.activeLanguage);
    evaluation_->applyLanguage(language);

    const std::array<int, 5> frameEntries = {30, 63, 39, 70, 36};
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        frames_[i]->setTitle(text(frameEntries[i]));
    }
    for (std::size_t i = 0; i < programCaptions_.size(); ++i) {
        programCaptions_[i]->setText(text(31 + static_cast<int>(i)));
    }
    if (!programShown_) {
        programValues_[0]->setFullText(text(35));
    }
    for (std::size_t i = 0; i < markButtons_.size(); ++i) {
        markButtons_[i]->setToolTip(text(64 + static_cast<int>(i)));
    }

    for (int column = 0; column < 2; ++column) {
        auto* heading = new QTableWidgetItem(u' ' + text(61 + column));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setBackground(palette().button());
        valueGrid_->setItem(0, column, heading);
    }
    for (int row = 1; row < kValueGridRows; ++row) {
        valueGrid_->setItem(row, 0, new QTableWidgetItem(u' ' + valueGridLabel(language, row)));
    }
    headerGrid_->setHorizontalHeaderLabels({u' ' + text(37) + u' ', u' ' + text(38) + u' '});
    // The panel says again, in the new language, what it said last about the capture.
    ownUser_->setStatusText(language.text(LanguageTable::StatusBar, statusEntry_));
    if (isVisible()) {
        fitPanelsToTexts();
    }
}

void MainWindow::fitPanelsToTexts() {
    const int left = panels_->widget(0)->sizeHint().width();
    const int right = panels_->widget(2)->sizeHint().width();
    const int handles = 2 * panels_->handleWidth();
    const int middle =
        std::max(panels_->widget(1)->minimumSizeHint().width(), panels_->width() - left - right - handles);
    panels_->setSizes({left, middle, right});
}

void MainWindow::markLanguages() {
    actions_->markLanguages(session_.activeLanguage, [this](const QString& language) {
        return QFileInfo::exists(languageFilePath(session_.programFolder, language));
    });
}

void MainWindow::connectMarkButtons() {
    constexpr std::array<MarkButton, 6> kButtons = {
        MarkButton::All,       MarkButton::InTolerance, MarkButton::OutOfTolerance,
        MarkButton::OverLimit, MarkButton::Clear,       MarkButton::MarkedInProgram};
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const MarkButton button = kButtons[i];
        connect(markButtons_[i], &QToolButton::clicked, this,
                [this, button] { browser_->pressMarkButton(button); });
    }
}

void MainWindow::connectRunActions() {
    connect(actions_->online, &QAction::triggered, this, [this] {
        runControl_->toggleOnlineReceive();
        // The button is pressed only while the capture is on, whatever the click did to it.
        actions_->setOnlinePressed(runControl_->isCapturing());
    });
    connect(actions_->readOffline, &QAction::triggered, this, [this] {
        runControl_->readProgramOffline();
        valueGrid_->setEnabled(true);
    });
    connect(actions_->asciiOutput, &QAction::triggered, runControl_, &RunControl::writeAsciiOutput);
    connect(actions_->fillReport, &QAction::triggered, this, &MainWindow::fillReportFromToolbar);
    connect(valueGrid_, &QTableWidget::cellDoubleClicked, this,
            [this] { runControl_->locateInHost(browser_->shownRow()); });
    connect(actions_->outputFileSettings, &QAction::triggered, this, &MainWindow::openOutputFileSettings);
    connect(actions_->asciiSettings, &QAction::triggered, this, [this] {
        asciiSettingsDialog_.open([this] { return new AsciiSetupDialog(outputDialogContext(), this); });
    });
    connect(actions_->liveProtocol, &QAction::triggered, this, &MainWindow::openLiveProtocol);
    connect(actions_->exit, &QAction::triggered, this, [this] { endProgram(operatorExitStatus()); });
}

OutputDialogContext MainWindow::outputDialogContext() {
    return {session_.settings, session_.language, *user_, session_.programFolder};
}

void MainWindow::openOutputFileSettings() {
    outputFileSettingsDialog_.open([this] {
        auto* dialog = new OutputFileSetupDialog(outputDialogContext(), this);
        // Only the grid's visibility changes: the values assigned so far stay for the next output.
        connect(dialog, &OutputFileSetupDialog::headerDataSwitched, this, [this](bool visible) {
            if (visible && session_.headerData.variables().empty()) {
                session_.headerData.setNames(
                    readHeaderDataNames(session_.programFolder, session_.language.codePage()));
            }
            showHeaderDataFrame(visible);
        });
        return dialog;
    });
}

void MainWindow::openHeaderData() {
    headerDataDialog_.open([this] {
        session_.headerDialogFromMainWindow = true;
        auto* dialog = new HeaderDataDialog(session_, *user_, this);
        connect(dialog, &HeaderDataDialog::namesConfirmed, this, [this](const QStringList& names) {
            takeOverHeaderNames(session_, names);
            rebuildHeaderGrid();
        });
        return dialog;
    });
}

void MainWindow::openReportDesign() {
    reportDesignDialog_.open([this] {
        auto* dialog = new ReportDesignDialog(session_, *user_, this);
        connect(dialog, &ReportDesignDialog::headerDataChanged, this, &MainWindow::rebuildHeaderGrid);
        connect(dialog, &ReportDesignDialog::layoutFileChanged, this,
                [this] { setWindowTitle(mainWindowCaption(session_)); });
        return dialog;
    });
}

void MainWindow::rebuildHeaderGrid() {
    showHeaderDataFrame(!frames_[kHeaderDataFrame]->isHidden());
}

void MainWindow::showProgramLabels(const ProgramLabels& labels) {
    programShown_ = true;
    programValues_[0]->setFullText(labels.fileName);
    programValues_[1]->setFullText(labels.name);
    programValues_[2]->setFullText(labels.revision);
    programValues_[3]->setFullText(labels.drawingNumber);
}

void MainWindow::clearCharacteristics() {
    browser_->clear();
}

void MainWindow::resetResults() {
    browser_->clearValues();
    dimEvaluation();
}

void MainWindow::showCharacteristics() {
    browser_->fillList();
}

void MainWindow::showCaptureState(bool on) {
    actions_->setOnlinePressed(on);
    statusEntry_ = on ? kCaptureOnStatus : kCaptureOffStatus;
    ownUser_->setStatusText(session_.language.text(LanguageTable::StatusBar, statusEntry_));
    if (!on && isMinimized()) {
        showNormal();
    }
}

void MainWindow::minimize() {
    showMinimized();
}

Selection MainWindow::selection() const {
    return browser_->selection();
}

void MainWindow::setSelection(const Selection& selection) {
    browser_->setSelection(selection);
}

void MainWindow::askForOutputFolder() {
    selectFolderDialog_.open([this] {
        auto* dialog = new SelectFolderDialog(outputDialogContext(), this);
        connect(dialog, &SelectFolderDialog::folderConfirmed, runControl_,
                &RunControl::writeAsciiIntoChosenFolder);
        return dialog;
    });
}

void MainWindow::endProgram(int exitStatus) {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (QDialog* online = onlineWindow_.dialog()) {
        online->close();
    }
    releaseHostObjects(session_.host);
    Q_EMIT programEnded(exitStatus);
}

int MainWindow::operatorExitStatus() const {
    return session_.arguments.isUnattended() ? kExitNotProduced : 0;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    endProgram(operatorExitStatus());
    QMainWindow::closeEvent(event);
}

void MainWindow::showHeaderDataFrame(bool visible) {
    frames_[kHeaderDataFrame]->setVisible(visible);
    if (!visible) {
        return;
    }
    const auto& variables = session_.headerData.variables();
    headerGrid_->setRowCount(static_cast<int>(variables.size()));
    for (int row = 0; row < headerGrid_->rowCount(); ++row) {
        headerGrid_->setItem(row, 0,
                             new QTableWidgetItem(u' ' + variables[static_cast<std::size_t>(row)].name));
    }
    showHeaderDataValues();
}

void MainWindow::showHeaderDataValues() {
    const auto& variables = session_.headerData.variables();
    for (int row = 0; row < headerGrid_->rowCount() && row < static_cast<int>(variables.size()); ++row) {
        headerGrid_->setItem(row, 1, new QTableWidgetItem(variables[static_cast<std::size_t>(row)].value));
    }
}

void MainWindow::showEvaluation(const EvaluationSummary& summary) {
    evaluation_->setCount(EvaluationPanel::InTolerance, summary.inTolLabel());
    evaluation_->setCount(EvaluationPanel::OverLimit, summary.overLimitLabel());
    evaluation_->setCount(EvaluationPanel::OutOfTolerance, summary.outOfTolLabel());
    showLamps(trafficLightsAfter(summary));
}

void MainWindow::dimEvaluation() {
    for (const auto row :
         {EvaluationPanel::InTolerance, EvaluationPanel::OverLimit, EvaluationPanel::OutOfTolerance}) {
        evaluation_->setCount(row, QStringLiteral("0"));
    }
    showLamps(dimmedTrafficLights());
}

void MainWindow::showLamps(const TrafficLightColours& colours) {
    const auto colourOf = [](Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); };
    evaluation_->setLampColor(EvaluationPanel::InTolerance, colourOf(colours.green));
    evaluation_->setLampColor(EvaluationPanel::OverLimit, colourOf(colours.yellow));
    evaluation_->setLampColor(EvaluationPanel::OutOfTolerance, colourOf(colours.red));
}

void MainWindow::openWindowPosition() {
    windowPositionDialog_.open([this] { return new WindowPositionDialog(*this, session_, *user_); });
}

void MainWindow::openAbout() {
    aboutDialog_.open([this] { return new AboutDialog(this, session_.language); });
}

void MainWindow::openBatchFile() {
    batchFileDialog_.open([this] {
        auto* dialog = new BatchFileDialog(this, session_, *user_, QCoreApplication::applicationFilePath(),
                                           chooseFileToOpen);
        // The main window steps aside while the batch file is made.
        connect(dialog, &QDialog::finished, this, &QWidget::show);
        hide();
        return dialog;
    });
}

void MainWindow::openLiveProtocol() {
    constexpr int kNoOfficeSuiteEntry = 100;
    if (office_ == nullptr) {
        showMessageBoxen(*user_, session_.language, MessageIcon::Information, {kNoOfficeSuiteEntry});
        return;
    }
    if (onlineWindow_.bringToFront()) {
        return;
    }
    auto* window = new OnlineWindow({session_.language, *user_, hostConnector_, *office_}, this);
    onlineWindow_.open([window] { return window; });
    // The main window steps aside while the protocol runs and comes back when it is stopped.
    connect(window, &QDialog::finished, this, &QWidget::show);
    hide();
    window->start();
}

void MainWindow::openSavePartProgram() {
    if (savePartProgramDialog_.bringToFront()) {
        return;
    }
    const QDateTime openedAt = QDateTime::currentDateTime();
    if (auto program = openPartProgram(hostConnector_, session_.language, *user_)) {
        savePartProgramDialog_.open([&] {
            return new SavePartProgramDialog(this, std::move(*program), openedAt, session_.language, *user_);
        });
    }
}

}  // namespace korvex
