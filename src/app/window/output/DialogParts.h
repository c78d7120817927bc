#pragma once

#include "util/LanguageTables.h"

#include <QString>
#include <QStringList>

class QPushButton;
class QWidget;

namespace korvex {

// Widgets named as the dialogs' controls, so that tests and screenshots find them by name.
template <typename Widget>
Widget* named(const QString& name, QWidget* parent) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

// Keeps a dialog above every other window, as all of the program's dialogs stay.
void keepOnTop(QWidget& dialog);

// Gives the named controls of the dialog their captions from consecutive entries of the table,
// starting at firstEntry: a button's or a label's text, a frame's title.
void setCaptions(QWidget& dialog, const QStringList& controlNames, const LanguageTables& language,
                 LanguageTable table, int firstEntry);

// The buttons every settings dialog ends with, named OKButton, CancelButton, cmdExport, cmdImport.
struct SettingsButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* exportButton;
    QPushButton* importButton;
};

// Export and import on the left, OK (the default button) and Cancel on the right.
QWidget* settingsButtonRow(QWidget* dialog, SettingsButtons& buttons);

}  // namespace korvex
