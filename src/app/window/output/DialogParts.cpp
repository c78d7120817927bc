#include "app/window/output/DialogParts.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
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

}  // namespace korvex
