#pragma once

#include <QAbstractListModel>

namespace korvex {

class ValueTables;

// The entries of the characteristic list: one per row of the value tables, entry i for row i + 1,
// texts made when they are drawn, so that 100,000 rows cost no more than their count.
class CharacteristicListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    CharacteristicListModel(const ValueTables& values, QObject* parent);

    // Lists every row the tables hold now; `toleranceRule` leaves the axis out of the entries.
    void showRows(bool toleranceRule);
    void clear();

    // The entry of row `number` (1-based); empty outside the list.
    QString entryText(int number) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const ValueTables& values_;
    int count_ = 0;
    bool toleranceRule_ = false;
};

}  // namespace korvex
