#include "app/window/output/DialogParts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace korvex {
namespace {

void setCaption(QWidget& dialog, const QString& controlName, const QString& caption) {
    QWidget* control = dialog.findChild<QWidget*>(controlName);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(caption);
    }
}

}  // namespace

void keepOnTop(QWidget& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void setCaptions(QWidget& dialog, const QStringList& controlNames, const LanguageTables& language,
                 LanguageTable table, int firstEntry) {
    for (int i = 0; i < controlNames.size(); ++i) {
        setCaption(dialog, controlNames.at(i), language.text(table, firstEntry + i));
    }
}

QWidget* settingsButtonRow(QWidget* dialog, SettingsButtons& buttons) {
    auto* row = new QWidget(dialog);
    buttons = {.ok = named<QPushButton>(QStringLiteral("OKButton"), row),
               .cancel = named<QPushButton>(QStringLiteral("CancelButton"), row),
               .exportButton = named<QPushButton>(QStringLiteral("cmdExport"), row),
               .importButton = named<QPushButton>(QStringLiteral("cmdImport"), row)};
    buttons.ok->setDefault(true);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buttons.exportButton);
    layout->addWidget(buttons.importButton);
    layout->addStretch();
    layout->addWidget(buttons.ok);
    layout->addWidget(buttons.cancel);
    return row;
}

}  // namespace korvex
