#include "app/window/CharacteristicBrowser.h"

#include "app/core/CharacteristicDisplay.h"
#include "app/core/Session.h"
#include "settings/SettingTexts.h"
#include "util/UserInteraction.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    : QObject(parent), widgets_(widgets), session_(session), user_(user) {
    connect(widgets_.list, &QListWidget::itemClicked, this, &CharacteristicBrowser::showPickedItem);
}

bool CharacteristicBrowser::toleranceRule() const {
    return textSwitchIsOn(session_.settings.readSetting(keys::kZozadRegel, QStringLiteral("FALSE")));
}

void CharacteristicBrowser::fillList() {
    // Every row is listed: a row without a name stays in the marking and in every output.
    const bool rule = toleranceRule();
    QStringList entries;
    for (const CharacteristicRecord& row : session_.values.rows()) {
        entries.append(listEntryText(row, rule));
    }
    widgets_.list->addItems(entries);
    if (!session_.arguments.isUnattended() || session_.arguments.runMode() == RunMode::Online) {
        widgets_.list->setFocus();
    }
    showRow(1, false);
}

void CharacteristicBrowser::clear() {
    widgets_.list->clear();
    widgets_.comments->clear();
}

void CharacteristicBrowser::clearValues() {
    for (int gridRow = 1; gridRow <= kLastColouredRow; ++gridRow) {
        QTableWidgetItem* item = valueItem(widgets_.valueGrid, gridRow);
        item->setText(QString());
        item->setBackground(Qt::white);
    }
}

void CharacteristicBrowser::showPickedItem() {
    widgets_.comments->clear();
    showRow(widgets_.list->currentRow() + 1, true);
}

void CharacteristicBrowser::showRow(int number, bool picked) {
    clearValues();
    const CharacteristicRecord* row = session_.values.row(number);
    if (row == nullptr) {
        return;
    }
    const QListWidgetItem* entry = widgets_.list->item(number - 1);
    const auto texts =
        valueGridTexts(*row, entry != nullptr ? entry->text() : QString(), QLocale().decimalPoint().at(0));
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
    Selection selected(static_cast<std::size_t>(widgets_.list->count()), false);
    for (int i = 0; i < widgets_.list->count(); ++i) {
        selected[static_cast<std::size_t>(i)] = widgets_.list->item(i)->isSelected();
    }
    return selected;
}

void CharacteristicBrowser::setSelection(const Selection& selection) {
    for (int i = 0; i < widgets_.list->count(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        widgets_.list->item(i)->setSelected(index < selection.size() && selection[index]);
    }
}

}  // namespace korvex
