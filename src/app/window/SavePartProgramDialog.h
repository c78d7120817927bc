#pragma once

#include "app/core/PartProgramCopy.h"

#include <QDialog>

class QLineEdit;

namespace korvex {

class LanguageTables;
class UserInteraction;

// frm_SavePartProgram: saves the host's part program and keeps a copy of its file named with the
// program name, the date and time the dialog opened, and the part identification the operator types.
// It stays open when the save or the copy fails, so that the operator can try again.
class SavePartProgramDialog : public QDialog {
    Q_OBJECT
  public:
    SavePartProgramDialog(QWidget* parent, OpenPartProgram program, const QDateTime& openedAt,
                          const LanguageTables& language, UserInteraction& user);

    // Where OK writes the copy, with the identification as typed so far.
    QString copyPath() const;

  private:
    void applyTexts();
    void saveCopy();

    OpenPartProgram program_;
    PartProgramCopyName name_;
    const LanguageTables& language_;
    UserInteraction& user_;
    QLineEdit* partIdentification_;
};

}  // namespace korvex
