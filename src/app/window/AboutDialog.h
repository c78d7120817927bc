#pragma once

#include <QDialog>

namespace korvex {

class LanguageTables;

// frm_About: the application title, the version and the texts of the about table.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    AboutDialog(QWidget* parent, const LanguageTables& language);
};

}  // namespace korvex
