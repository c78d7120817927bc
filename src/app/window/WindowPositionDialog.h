#pragma once

#include <QDialog>
#include <QPoint>

class QLineEdit;

namespace korvex {

struct Session;
class UserInteraction;

// frm_Fensterpos: records the main window's position for the next start. The main window stays
// usable while the dialog is open, so the operator can move it and read its position.
class WindowPositionDialog : public QDialog {
    Q_OBJECT
  public:
    WindowPositionDialog(QWidget& mainWindow, const Session& session, UserInteraction& user);

  protected:
    void reject() override;

  private:
    void applyTexts(const Session& session);
    void showStoredPosition(const Session& session, UserInteraction& user);
    void readCurrentPosition();
    void savePosition();

    QWidget& mainWindow_;
    const Session& session_;
    UserInteraction& user_;
    QLineEdit* top_;
    QLineEdit* left_;
    QLineEdit* oldTop_;
    QLineEdit* oldLeft_;
};

}  // namespace korvex
