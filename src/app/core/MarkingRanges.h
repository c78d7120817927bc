#pragma once

#include "app/core/CharacteristicSelection.h"

#include <QItemSelection>

class QAbstractItemModel;

namespace korvex {

// The marking as runs of consecutive rows of a list model, so that a view selects all of them in
// one step whatever the number of rows.
QItemSelection itemSelectionOf(const Selection& marking, const QAbstractItemModel& model);

// The marking a view's selection stands for, one flag for each of `rowCount` rows.
Selection markingOf(const QItemSelection& selection, int rowCount);

}  // namespace korvex
