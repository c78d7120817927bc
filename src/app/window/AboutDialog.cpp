#include "app/window/AboutDialog.h"

#include "app/window/WindowOnTop.h"
#include "util/AppVersion.h"
#include "util/LanguageTables.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex {
namespace {

QLabel* aboutLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent, const LanguageTables& language) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_About"));
    setAttribute(Qt::WA_DeleteOnClose);
    const auto text = [&](int entry) { return language.text(LanguageTable::About, entry); };
    setWindowTitle(text(2));

    auto* title = aboutLabel(applicationTitle(), "lblTitle");
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* ok = new QPushButton(text(7));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setToolTip(text(8));
    ok->setDefault(true);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(aboutLabel(text(3) + u' ' + versionText(), "lblVersion"));
    layout->addWidget(aboutLabel(text(4), "lblDescription"));
    layout->addWidget(aboutLabel(text(5), "lblLanguage"));
    layout->addWidget(aboutLabel(text(6), "lblCopyright"));
    layout->addWidget(buttons);
    setMinimumWidth(380);
    setWindowOnTop(this, true);
}

}  // namespace korvex
