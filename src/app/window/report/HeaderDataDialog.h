#pragma once

#include "app/core/HeaderDataList.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace korvex {

struct Session;
class UserInteraction;

// frm_Kopfdaten: the list of header variable names, kept in HeaderData.cfg. Opened from the main
// window or from the report layout editor (the session says which); whoever opened it follows the
// names it confirms.
class HeaderDataDialog : public QDialog {
    Q_OBJECT
  public:
    HeaderDataDialog(Session& session, UserInteraction& user, QWidget* mainWindow);

  Q_SIGNALS:
    // OK stored the list in HeaderData.cfg.
    void namesConfirmed(const QStringList& names);

  private:
    void applyTexts();
    void showList();
    void addName();
    void removeName();
    void clearList();
    void importList();
    bool exportList();
    void confirm();

    Session& session_;
    UserInteraction& user_;
    HeaderDataList list_;
    QListWidget* variables_;
    QLineEdit* newVariable_;
};

}  // namespace korvex
