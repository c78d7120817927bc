#include "app/window/MainWindow.h"

#include "app/core/Session.h"
#include "app/window/AboutDialog.h"
#include "app/window/EvaluationPanel.h"
#include "app/window/MainWindowActions.h"
#include "app/window/WidgetUserInteraction.h"
#include "app/window/WindowPositionDialog.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvex {
namespace {

constexpr int kValueGridRows = 24;

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

QLabel* namedLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

MainWindow::MainWindow(Session& session)
    : session_(session),
      actions_(new MainWindowActions(*this)),
      user_(std::make_unique<WidgetUserInteraction>(this, session.arguments.isUnattended())) {
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

    auto* splitter = new QSplitter;
    splitter->addWidget(left);
    splitter->addWidget(middle);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    splitter->setContentsMargins(8, 8, 8, 0);
    setCentralWidget(splitter);

    connect(actions_->windowPosition, &QAction::triggered, this, &MainWindow::openWindowPosition);
    connect(actions_->about, &QAction::triggered, this, &MainWindow::openAbout);
    applyLanguage();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildProgramFrame() {
    auto* form = new QFormLayout;
    const char* valueNames[] = {"lbl_Programmname", "lblProgName", "lblIndex", "lblZgNr"};
    for (std::size_t i = 0; i < programValues_.size(); ++i) {
        programCaptions_[i] = new QLabel;
        programValues_[i] = namedLabel(valueNames[i]);
        programValues_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = programValues_[i]->font();
        bold.setBold(true);
        programValues_[i]->setFont(bold);
        form->addRow(programCaptions_[i], programValues_[i]);
    }
    frames_[0] = namedFrame("Frame3", form);
    return frames_[0];
}

QWidget* MainWindow::buildCharacteristicFrame() {
    characteristicList_ = new QListWidget;
    characteristicList_->setObjectName(QStringLiteral("lst_MM_ID"));
    characteristicList_->setSelectionMode(QAbstractItemView::MultiSelection);
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
    frames_[1] = namedFrame("Frame2", layout);
    return frames_[1];
}

QWidget* MainWindow::buildValueFrame() {
    valueGrid_ = namedGrid("FlexGridMerkmalswerte", kValueGridRows, 2);
    valueGrid_->horizontalHeader()->hide();
    valueGrid_->setColumnWidth(0, 1700 / 15 + 20);
    valueGrid_->setMinimumHeight(valueGrid_->verticalHeader()->defaultSectionSize() * kValueGridRows + 4);
    valueGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout;
    layout->addWidget(valueGrid_);
    frames_[2] = namedFrame("frameMerkmaswerte", layout);
    return frames_[2];
}

QWidget* MainWindow::buildCommentFrame() {
    commentList_ = new QListWidget;
    commentList_->setObjectName(QStringLiteral("vlstComment"));
    commentList_->setMinimumHeight(commentList_->fontMetrics().height() * 4);
    auto* layout = new QVBoxLayout;
    layout->addWidget(commentList_);
    frames_[3] = namedFrame("frameKommentar", layout);
    return frames_[3];
}

QWidget* MainWindow::buildHeaderDataFrame() {
    headerGrid_ = namedGrid("FlexGridKopfdaten", 0, 2);
    headerGrid_->setColumnWidth(0, 1900 / 15);
    auto* layout = new QVBoxLayout;
    layout->addWidget(headerGrid_);
    frames_[4] = namedFrame("Frame4", layout);
    return frames_[4];
}

void MainWindow::applyLanguage() {
    const LanguageTables& language = session_.language;
    const auto text = [&](int entry) { return language.text(LanguageTable::MainWindow, entry); };
    actions_->applyLanguage(language);
    evaluation_->applyLanguage(language);

    const std::array<int, 5> frameEntries = {30, 63, 39, 70, 36};
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        frames_[i]->setTitle(text(frameEntries[i]));
    }
    for (std::size_t i = 0; i < programCaptions_.size(); ++i) {
        programCaptions_[i]->setText(text(31 + static_cast<int>(i)));
    }
    if (programValues_[0]->text().isEmpty()) {
        programValues_[0]->setText(text(35));
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
    statusBar()->showMessage(language.text(LanguageTable::StatusBar, 12));
}

void MainWindow::openWindowPosition() {
    (new WindowPositionDialog(*this, session_, *user_))->show();
}

void MainWindow::openAbout() {
    (new AboutDialog(this, session_.language))->show();
}

}  // namespace korvex
