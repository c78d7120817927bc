#include "app/core/CharacteristicListModel.h"

#include "app/core/CharacteristicDisplay.h"
#include "characteristics/ValueTables.h"

namespace korvex {

CharacteristicListModel::CharacteristicListModel(const ValueTables& values, QObject* parent)
    : QAbstractListModel(parent), values_(values) {}

void CharacteristicListModel::showRows(bool toleranceRule) {
    beginResetModel();
    count_ = values_.rowCount();
    toleranceRule_ = toleranceRule;
    endResetModel();
}

void CharacteristicListModel::clear() {
    beginResetModel();
    count_ = 0;
    endResetModel();
}

QString CharacteristicListModel::entryText(int number) const {
    // The tables may have been refilled since the list was; a row they no longer hold shows nothing.
    const CharacteristicRecord* row = number <= count_ ? values_.row(number) : nullptr;
    return row != nullptr ? listEntryText(*row, toleranceRule_) : QString();
}

int CharacteristicListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

QVariant CharacteristicListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return entryText(index.row() + 1);
}

}  // namespace korvex
