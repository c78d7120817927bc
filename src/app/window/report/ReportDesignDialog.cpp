#include "app/window/report/ReportDesignDialog.h"

#include "app/core/HeaderDataFile.h"
#include "app/core/HeaderDataList.h"
#include "app/core/LayoutForm.h"
#include "app/core/Session.h"
#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "app/window/report/HeaderDataDialog.h"
#include "util/MessageBoxen.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace korvex {
namespace {

using namespace layout;

// MessageBoxen entries.
constexpr int kRequiredFieldBlankEntry = 4;
constexpr int kHeaderDataUnreadableEntry = 5;

// The file dialogs' filter; not translated.
constexpr QStringView kLayoutFileFilter = u"CFG Datei (*.cfg)";

// Each field and the layout value it edits.
struct Field {
    QStringView control;
    QStringView value;
};
constexpr std::array<Field, 32> kFields = {{
    {u"txtZeileStart", kFormStartRow},
    {u"txtZeileEnde", kFormEndRow},
    {u"txtSpalteStart", kFormMeasColums},
    {u"txtID", kFormIDColum},
    {u"txtNominal", kFormNominalColum},
    {u"txtUTol", kFormUTolColum},
    {u"txtOTol", kFormOTolColum},
    {u"txtDev", kFormDevColum},
    {u"txtATol", kFormATolColum},
    {u"txtSymbol", kFormSymbolColum},
    {u"txtKommentar", kFormCommentColum},
    {u"txtKommentarl\u00e4nge", kCommentLength},
    {u"txtDate", kFormDateRow},
    {u"txtTime", kFormTimeRow},
    {u"txtElement1", kElement1Colum},
    {u"txtElement2", kElement2Colum},
    {u"txtElement3", kElement3Colum},
    {u"txtBezug1", kBezug1Colum},
    {u"txtBezug2", kBezug2Colum},
    {u"txtBezug3", kBezug3Colum},
    {u"txtEinheit", kEinheitColum},
    {u"txtLfdNr", kLfdNr},
    {u"txtProgrammnameZeile", kZeileProgrammName},
    {u"txtProgrammnameSpalte", kSpalteProgrammName},
    {u"txtZeichnungsnummerZeile", kZeileZeichnungsnummer},
    {u"txtZeichnungsnummerSpalte", kSpalteZeichnungsnummer},
    {u"txtAenderungsstandZeile", kZeileAenderungsstand},
    {u"txtAenderungsstandSpalte", kSpalteAenderungsstand},
    {u"txtSeitennummerZeile", kSeitennummerZeile},
    {u"txtSeitennummerSpalte", kSeitennummerSpalte},
    {u"txtSeitenAnzahlZeile", kSeitenAnzahlZeile},
    {u"txtSeitenAnzahlSpalte", kSeitenAnzahlSpalte},
}};

// The labels that follow the layout: their entry for characteristics in rows and in columns, and
// whether they point to the foot note.
struct LayoutLabel {
    QStringView control;
    int rowsEntry;
    int columnsEntry;
    bool starred = false;
};
constexpr std::array<LayoutLabel, 16> kLayoutLabels = {{
    {u"Label1", 19, 35},
    {u"Label3", 20, 36},
    {u"Label5", 21, 37},
    {u"Label8", 22, 38},
    {u"Label7", 23, 39},
    {u"Label6", 24, 40},
    {u"Label9", 25, 41, true},
    {u"C", 26, 42, true},
    {u"Label4", 27, 43},
    {u"Label10", 28, 44},
    {u"Label14", 29, 45},
    {u"Label15", 30, 46},
    {u"Label16", 31, 47},
    {u"Label17", 32, 48},
    {u"Label18", 33, 49},
    {u"Label19", 34, 50},
}};

// Grid column widths in twips (15 twips a pixel).
constexpr std::array<int, 3> kGridColumnTwips = {1900, 900, 900};
constexpr int kTwipsPerPixel = 15;

QString name(QStringView control) {
    return control.toString();
}

QLabel* namedLabel(QStringView control, QWidget* parent) {
    return named<QLabel>(name(control), parent);
}

QPushButton* namedButton(const char* control, QWidget* parent) {
    return named<QPushButton>(QString::fromLatin1(control), parent);
}

QGroupBox* namedFrame(const char* control, QWidget* parent) {
    return named<QGroupBox>(QString::fromLatin1(control), parent);
}

bool characteristicsInRows(const LayoutValues& values) {
    return values.text(kZeileSpalte) != u"0";
}

}  // namespace

ReportDesignDialog::ReportDesignDialog(Session& session, UserInteraction& user, QWidget* mainWindow,
                                       FileChooser chooser)
    : QDialog(mainWindow),
      session_(session),
      user_(user),
      mainWindow_(mainWindow),
      chooser_(std::move(chooser)) {
    setObjectName(QStringLiteral("frm_BerichtDesign"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (!chooser_) {
        chooser_ = [this](bool saving) {
            const QString filter = kLayoutFileFilter.toString();
            return saving ? QFileDialog::getSaveFileName(this, QString(), QString(), filter)
                          : QFileDialog::getOpenFileName(this, QString(), QString(), filter);
        };
    }

    auto* right = new QVBoxLayout;
    right->addWidget(buildLayoutFrame());
    right->addWidget(buildSystemFrame());
    right->addWidget(buildProgramFrame());
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildTemplateFrame());
    columns->addLayout(right);
    columns->addWidget(buildHeaderFrame(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buildButtons());

    connect(this, &QDialog::finished, this, [this] {
        if (mainWindow_ != nullptr) {
            mainWindow_->show();
        }
    });
    load();
}

QLineEdit* ReportDesignDialog::field(QStringView control) {
    auto* edit = named<QLineEdit>(name(control), this);
    // Wide enough to show "NotUsed" whole.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(kNotUsed.toString()) + 16);
    for (const Field& known : kFields) {
        if (known.control == control) {
            fields_.insert(known.value.toString(), edit);
        }
    }
    return edit;
}

void ReportDesignDialog::addRow(QGridLayout* grid, int row, QStringView label,
                                std::initializer_list<QStringView> controls, int span) {
    grid->addWidget(namedLabel(label, grid->parentWidget()), row, 0);
    int column = 1;
    for (const QStringView control : controls) {
        grid->addWidget(field(control), row, column, 1, span);
        column += span;
    }
}

QWidget* ReportDesignDialog::buildTemplateFrame() {
    auto* frame = namedFrame("frm_Tabelle", this);
    auto* grid = new QGridLayout(frame);
    addRow(grid, 0, u"Label1", {u"txtZeileStart"});
    grid->addWidget(namedLabel(u"Label2", frame), 0, 2);
    grid->addWidget(field(u"txtZeileEnde"), 0, 3);
    const std::array<std::pair<QStringView, QStringView>, 11> rows = {
        {{u"Label3", u"txtSpalteStart"},
         {u"Label5", u"txtID"},
         {u"Label8", u"txtNominal"},
         {u"Label7", u"txtUTol"},
         {u"Label6", u"txtOTol"},
         {u"Label9", u"txtDev"},
         {u"C", u"txtATol"},
         {u"Label4", u"txtSymbol"},
         {u"Label19", u"txtLfdNr"},
         {u"Label10", u"txtKommentar"},
         {u"Label11", u"txtKommentarl\u00e4nge"}}};
    int row = 1;
    for (const auto& [label, control] : rows) {
        addRow(grid, row++, label, {control}, 3);
    }
    auto* footNote = namedLabel(u"Label12", frame);
    footNote->setWordWrap(true);
    grid->addWidget(footNote, row++, 0, 1, 4);
    grid->setRowStretch(row, 1);
    return frame;
}

QWidget* ReportDesignDialog::buildLayoutFrame() {
    auto* frame = namedFrame("Frame1", this);
    inRows_ = named<QRadioButton>(QStringLiteral("OptionZeilen_0"), frame);
    inColumns_ = named<QRadioButton>(QStringLiteral("OptionZeilen_1"), frame);
    inRows_->setChecked(true);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(inRows_);
    layout->addWidget(inColumns_);
    connect(inRows_, &QRadioButton::clicked, this, [this] { applyLabels(true); });
    connect(inColumns_, &QRadioButton::clicked, this, [this] { applyLabels(false); });
    return frame;
}

QWidget* ReportDesignDialog::buildSystemFrame() {
    auto* frame = namedFrame("Frame3", this);
    auto* grid = new QGridLayout(frame);
    addRow(grid, 0, u"Label14", {u"txtDate"});
    addRow(grid, 1, u"Label15", {u"txtTime"});
    addRow(grid, 2, u"Label16", {u"txtElement1", u"txtElement2", u"txtElement3"});
    addRow(grid, 3, u"Label17", {u"txtBezug1", u"txtBezug2", u"txtBezug3"});
    addRow(grid, 4, u"Label18", {u"txtEinheit"});
    return frame;
}

QWidget* ReportDesignDialog::buildProgramFrame() {
    auto* frame = namedFrame("Frame4", this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(namedLabel(u"Label20", frame), 0, 1);
    grid->addWidget(namedLabel(u"Label21", frame), 0, 2);
    const std::array<QStringView, 5> labels = {u"Label22", u"Label23", u"Label24", u"Label25", u"Label26"};
    const std::array<QStringView, 5> items = {u"Programmname", u"Zeichnungsnummer", u"Aenderungsstand",
                                              u"Seitennummer", u"SeitenAnzahl"};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QString item = QStringLiteral("txt") + items[i].toString();
        addRow(grid, static_cast<int>(i) + 1, labels[i],
               {item + QStringLiteral("Zeile"), item + QStringLiteral("Spalte")});
    }
    return frame;
}

QWidget* ReportDesignDialog::buildHeaderFrame() {
    auto* frame = namedFrame("Frame2", this);
    grid_ = named<QTableWidget>(QStringLiteral("MSFlexGrid1"), frame);
    grid_->setColumnCount(3);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column = 0; column < 3; ++column) {
        grid_->setColumnWidth(column, kGridColumnTwips[static_cast<std::size_t>(column)] / kTwipsPerPixel);
    }
    editor_ = named<QLineEdit>(QStringLiteral("Text1"), grid_->viewport());
    editor_->hide();
    editor_->installEventFilter(this);
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (QTableWidgetItem* cell = grid_->item(editorRow_, editorColumn_)) {
            cell->setText(text);
        }
    });
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { moveEditorTo(row, column); });

    auto* setup = namedButton("CmdKopfSetup", frame);
    connect(setup, &QPushButton::clicked, this, &ReportDesignDialog::openHeaderData);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(grid_, 1);
    layout->addWidget(namedLabel(u"Label13", frame));
    layout->addWidget(setup, 0, Qt::AlignLeft);
    return frame;
}

QWidget* ReportDesignDialog::buildButtons() {
    auto* row = new QWidget(this);
    auto* ok = namedButton("cmdOK", row);
    auto* cancel = namedButton("cmdCancel", row);
    auto* save = namedButton("cmdSaveAs", row);
    auto* loadButton = namedButton("cmdLoad", row);
    ok->setDefault(true);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(save);
    layout->addWidget(loadButton);
    layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(cancel);
    connect(ok, &QPushButton::clicked, this, &ReportDesignDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &ReportDesignDialog::reject);
    connect(save, &QPushButton::clicked, this, &ReportDesignDialog::saveAs);
    connect(loadButton, &QPushButton::clicked, this, &ReportDesignDialog::loadFile);
    return row;
}

void ReportDesignDialog::load() {
    const bool header = headerDataSwitchedOn(session_.settings);
    findChild<QGroupBox*>(QStringLiteral("Frame2"))->setVisible(header);
    applyTexts();
    setWindowOnTop(this, true);
    if (header) {
        const std::optional<QStringList> names =
            readHeaderDataFile(session_.programFolder, session_.language.codePage());
        if (!names) {
            showMessageBoxen(user_, session_.language, MessageIcon::Critical, {kHeaderDataUnreadableEntry});
            return;
        }
        showHeaderNames(*names);
    }
    if (const auto stored = storedLayoutFields(session_, static_cast<int>(headerNames_.size()), user_)) {
        showValues(*stored);
    }
    moveEditorTo(0, 1);
}

void ReportDesignDialog::applyTexts() {
    const LanguageTables& language = session_.language;
    const auto text = [&](int entry) { return language.text(LanguageTable::ReportDesignSetup, entry); };
    setWindowTitle(text(5) + QStringLiteral("   ---   ") +
                   session_.settings.readSetting(keys::kLastUsedConfig, QString()));
    setCaptions(*this,
                {QStringLiteral("frm_Tabelle"), QStringLiteral("Frame1"), QStringLiteral("Frame2"),
                 QStringLiteral("Frame3"), QStringLiteral("Frame4"), QStringLiteral("Label2")},
                language, LanguageTable::ReportDesignSetup, 6);
    findChild<QLabel*>(QStringLiteral("Label11"))->setText(text(12));
    findChild<QLabel*>(QStringLiteral("Label12"))->setText(QStringLiteral("* ") + text(13));
    findChild<QLabel*>(QStringLiteral("Label13"))->setText(QStringLiteral("VM: ") + text(14));
    setCaptions(*this,
                {QStringLiteral("cmdOK"), QStringLiteral("cmdCancel"), QStringLiteral("cmdSaveAs"),
                 QStringLiteral("cmdLoad")},
                language, LanguageTable::ReportDesignSetup, 15);
    findChild<QPushButton*>(QStringLiteral("CmdKopfSetup"))
        ->setText(language.text(LanguageTable::MainWindow, 18));
    inRows_->setText(QStringLiteral("   ") + text(19));
    inColumns_->setText(QStringLiteral("   ") + text(36));
    findChild<QLabel*>(QStringLiteral("Label20"))->setText(text(37).mid(2));
    findChild<QLabel*>(QStringLiteral("Label21"))->setText(text(21).mid(2));
    const std::array<int, 3> programEntries = {32, 34, 33};
    for (int i = 0; i < 3; ++i) {
        findChild<QLabel*>(QStringLiteral("Label%1").arg(22 + i))
            ->setText(language.text(LanguageTable::MainWindow, programEntries[static_cast<std::size_t>(i)]));
    }
    findChild<QLabel*>(QStringLiteral("Label25"))->setText(QStringLiteral("Current Page"));
    findChild<QLabel*>(QStringLiteral("Label26"))->setText(QStringLiteral("Number of Pages"));
    grid_->setHorizontalHeaderLabels({u' ' + text(2) + u' ', u' ' + text(3) + u' ', u' ' + text(4) + u' '});
    applyLabels(inRows_->isChecked());
}

void ReportDesignDialog::applyLabels(bool characteristicsInRows) {
    for (const LayoutLabel& label : kLayoutLabels) {
        QString caption = session_.language.text(
            LanguageTable::ReportDesignSetup, characteristicsInRows ? label.rowsEntry : label.columnsEntry);
        if (label.starred) {
            caption += QStringLiteral(" *");
        }
        findChild<QLabel*>(name(label.control))->setText(caption);
    }
}

void ReportDesignDialog::showHeaderNames(const QStringList& names) {
    headerNames_ = names;
    grid_->setRowCount(static_cast<int>(names.size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        grid_->setItem(row, 0, new QTableWidgetItem(u' ' + names[row]));
        for (int column = 1; column < 3; ++column) {
            if (grid_->item(row, column) == nullptr) {
                grid_->setItem(row, column, new QTableWidgetItem);
            }
        }
    }
}

void ReportDesignDialog::showValues(const LayoutValues& values) {
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it) {
        it.value()->setText(values.text(it.key()));
    }
    const bool inRows = characteristicsInRows(values);
    (inRows ? inRows_ : inColumns_)->setChecked(true);
    applyLabels(inRows);
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const QStringList* places[] = {&values.headerRows, &values.headerColumns};
        for (int column = 1; column < 3; ++column) {
            const QStringList& texts = *places[column - 1];
            if (row < texts.size() && !texts[row].isEmpty()) {
                grid_->item(row, column)->setText(texts[row]);
            }
        }
    }
    if (editorRow_ >= 0 && grid_->item(editorRow_, editorColumn_) != nullptr) {
        editor_->setText(grid_->item(editorRow_, editorColumn_)->text());
    }
}

LayoutValues ReportDesignDialog::values() const {
    LayoutValues values;
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it) {
        values.set(it.key(), it.value()->text());
    }
    values.set(kZeileSpalte, inRows_->isChecked() ? QStringLiteral("-1") : QStringLiteral("0"));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        values.headerRows.append(grid_->item(row, 1)->text());
        values.headerColumns.append(grid_->item(row, 2)->text());
    }
    return values;
}

LayoutFileContent ReportDesignDialog::content() const {
    return {values(), headerNames_};
}

bool ReportDesignDialog::completeFields() {
    LayoutValues current = values();
    if (!requiredFieldsFilled(current)) {
        showMessageBoxen(user_, session_.language, MessageIcon::Critical, {kRequiredFieldBlankEntry});
        return false;
    }
    replaceBlankFields(current);
    showValues(current);
    return true;
}

void ReportDesignDialog::confirm() {
    session_.headerDialogFromMainWindow = true;
    if (completeFields() && storeLayoutFields(session_, values(), user_)) {
        accept();
    }
}

void ReportDesignDialog::saveAs() {
    if (!completeFields()) {
        return;
    }
    const QString chosen = chooser_(true);
    if (chosen.isEmpty()) {
        return;
    }
    if (saveLayoutFileFromFields(session_, withLayoutFileExtension(chosen), content(), user_)) {
        applyTexts();
        Q_EMIT layoutFileChanged();
    }
}

void ReportDesignDialog::loadFile() {
    const QString chosen = chooser_(false);
    if (chosen.trimmed().isEmpty()) {
        return;
    }
    const std::optional<LayoutFileContent> loaded =
        loadLayoutFileIntoFields(session_, withLayoutFileExtension(chosen), user_);
    if (!loaded) {
        return;
    }
    grid_->setRowCount(0);
    showHeaderNames(loaded->headerNames);
    showValues(loaded->values);
    applyTexts();
    moveEditorTo(0, 1);
    Q_EMIT headerDataChanged();
    Q_EMIT layoutFileChanged();
}

void ReportDesignDialog::openHeaderData() {
    session_.headerDialogFromMainWindow = false;
    auto* dialog = new HeaderDataDialog(session_, user_, mainWindow_);
    connect(dialog, &HeaderDataDialog::namesConfirmed, this, &ReportDesignDialog::takeHeaderNames);
    // The main window opens the header data dialog again once this one is done with it.
    connect(dialog, &QDialog::finished, this, [this] { session_.headerDialogFromMainWindow = true; });
    dialog->show();
}

void ReportDesignDialog::takeHeaderNames(const QStringList& names) {
    const LayoutValues before = values();
    LayoutValues after = before;
    after.headerRows = carryOverByName(headerNames_, before.headerRows, names);
    after.headerColumns = carryOverByName(headerNames_, before.headerColumns, names);
    grid_->setRowCount(0);
    showHeaderNames(names);
    showValues(after);
    moveEditorTo(0, 1);
    takeOverHeaderNames(session_, names);
    Q_EMIT headerDataChanged();
}

void ReportDesignDialog::moveEditorTo(int row, int column) {
    if (row < 0 || row >= grid_->rowCount() || column < 1) {
        editor_->hide();
        editorRow_ = -1;
        return;
    }
    if (grid_->currentRow() != row || grid_->currentColumn() != column) {
        grid_->setCurrentCell(row, column);  // the grid's cell change comes back here
        return;
    }
    editorRow_ = row;
    editorColumn_ = column;
    editor_->setGeometry(grid_->visualRect(grid_->model()->index(row, column)));
    editor_->setFont(grid_->font());
    editor_->setText(grid_->item(row, column)->text());
    editor_->show();
    editor_->setFocus();
}

bool ReportDesignDialog::moveEditorByKey(int key) {
    GridKey move = GridKey::Down;
    switch (key) {
        case Qt::Key_Up:
            move = GridKey::Up;
            break;
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            move = GridKey::Down;
            break;
        case Qt::Key_Right:
        case Qt::Key_Tab:
            move = GridKey::Right;
            break;
        case Qt::Key_Left:
            move = GridKey::Left;
            break;
        default:
            return false;
    }
    const GridCell next = nextHeaderGridCell({editorRow_ + 1, editorColumn_}, move, grid_->rowCount() + 1,
                                             grid_->columnCount());
    moveEditorTo(next.row - 1, next.column);
    return true;
}

bool ReportDesignDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::KeyPress) {
        return moveEditorByKey(static_cast<QKeyEvent*>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace korvex
