#pragma once

#include "app/core/CharacteristicSelection.h"

#include <QObject>

class QListView;
class QListWidget;
class QModelIndex;
class QTableWidget;

namespace korvex {

struct Session;
class CharacteristicListModel;
class UserInteraction;

// Links the characteristic list (lst_MM_ID), the value grid of one characteristic and its comment
// lines: filling them after a gathering, showing the picked characteristic, and the marking, which
// is the selection of the list (item i for row i + 1).
class CharacteristicBrowser : public QObject {
    Q_OBJECT
  public:
    struct Widgets {
        QListView* list;
        QTableWidget* valueGrid;
        QListWidget* comments;
    };

    CharacteristicBrowser(Widgets widgets, const Session& session, UserInteraction& user, QObject* parent);

    // Fills the list with every row and shows row 1 (WerteInListeEintragen).
    void fillList();
    void clear();
    // Clears the value column, as a capture starts.
    void clearValues();

    void pressMarkButton(MarkButton button);
    Selection selection() const;
    // Replaces the marking in one step.
    void setSelection(const Selection& selection);
    // The row the value grid shows (1-based), 0 when none.
    int shownRow() const { return shownRow_; }

  private:
    void showRow(int number, bool picked);
    void showPickedItem(const QModelIndex& index);
    bool toleranceRule() const;

    Widgets widgets_;
    CharacteristicListModel* model_;
    int shownRow_ = 0;
    const Session& session_;
    UserInteraction& user_;
};

}  // namespace korvex
