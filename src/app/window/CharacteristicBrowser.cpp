#include "app/window/CharacteristicBrowser.h"

#include "app/core/CharacteristicDisplay.h"
#include "app/core/CharacteristicListModel.h"
#include "app/core/MarkingRanges.h"
#include "app/core/Session.h"
#include "settings/SettingTexts.h"
#include "util/UserInteraction.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QTableWidget>

namespace korvex {
namespace {

constexpr int kValueColumn = 1;
// Rows 1 to 21 are emptied and coloured; the datum length and the unique id keep their colour.
constexpr int kLastColouredRow = 21;

QColor colourOf(Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

QTableWidgetItem* valueItem(QTableWidget* grid, int row) {
    QTableWidgetItem* item = grid->item(row, kValueColumn);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        grid->setItem(row, kValueColumn, item);
    }
    return item;
}

}  // namespace

CharacteristicBrowser::CharacteristicBrowser(Widgets widgets, const Session& session, UserInteraction& user,
                                             QObject* parent)
    : QObject(parent),
      widgets_(widgets),
      model_(new CharacteristicListModel(session.values, this)),
      session_(session),
      user_(user) {
    widgets_.list->setModel(model_);
    // Clicks and keys both pick the characteristic the value grid shows.
    connect(widgets_.list, &QListView::clicked, this, &CharacteristicBrowser::showPickedItem);
    connect(widgets_.list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CharacteristicBrowser::showPickedItem);
}

bool CharacteristicBrowser::toleranceRule() const {
    return textSwitchIsOn(session_.settings.readSetting(keys::kZozadRegel, QStringLiteral("FALSE")));
}

void CharacteristicBrowser::fillList() {
    // Every row is listed: a row without a name stays in the marking and in every output.
    model_->showRows(toleranceRule());
    if (!session_.arguments.isUnattended() || session_.arguments.runMode() == RunMode::Online) {
        widgets_.list->setFocus();
    }
    showRow(1, false);
}

void CharacteristicBrowser::clear() {
    model_->clear();
    widgets_.comments->clear();
    shownRow_ = 0;
}

void CharacteristicBrowser::clearValues() {
    for (int gridRow = 1; gridRow <= kLastColouredRow; ++gridRow) {
        QTableWidgetItem* item = valueItem(widgets_.valueGrid, gridRow);
        item->setText(QString());
        item->setBackground(Qt::white);
    }
}

void CharacteristicBrowser::showPickedItem(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    widgets_.comments->clear();
    showRow(index.row() + 1, true);
}

void CharacteristicBrowser::showRow(int number, bool picked) {
    clearValues();
    const CharacteristicRecord* row = session_.values.row(number);
    shownRow_ = row != nullptr ? number : 0;
    if (row == nullptr) {
        return;
    }
    const auto texts = valueGridTexts(*row, model_->entryText(number), QLocale().decimalPoint().at(0));
    const QColor colour = colourOf(picked ? pickedColour(*row) : firstShownColour(*row));
    for (int gridRow = 1; gridRow < kValueGridRowCount; ++gridRow) {
        QTableWidgetItem* item = valueItem(widgets_.valueGrid, gridRow);
        item->setText(texts[static_cast<std::size_t>(gridRow)]);
        if (gridRow <= kLastColouredRow) {
            item->setBackground(colour);
        }
    }
    widgets_.comments->addItems(commentLines(session_.values.comment(row->commentIndex)));
}

void CharacteristicBrowser::pressMarkButton(MarkButton button) {
    const Selection current = selection();
    bool replace = true;
    if (asksBeforeReplacing(button) && std::ranges::find(current, true) != current.end()) {
        const MessageAnswer answer =
            user_.showMessage({.text = session_.language.text(LanguageTable::MessageBoxen, 8),
                               .title = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
                               .icon = MessageIcon::Question,
                               .buttons = MessageButtons::YesNo,
                               .defaultAnswer = MessageAnswer::Yes});
        replace = answer == MessageAnswer::Yes;
    }
    setSelection(applyMarkButton(button, session_.values.rows(), current, replace));
}

Selection CharacteristicBrowser::selection() const {
    return markingOf(widgets_.list->selectionModel()->selection(), model_->rowCount());
}

void CharacteristicBrowser::setSelection(const Selection& selection) {
    QItemSelectionModel* selectionModel = widgets_.list->selectionModel();
    // Emptied first, so that the new runs are not compared with the old ones one by one.
    selectionModel->clearSelection();
    selectionModel->select(itemSelectionOf(selection, *model_), QItemSelectionModel::Select);
}

}  // namespace korvex
