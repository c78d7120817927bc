#include "app/window/output/SelectFolderDialog.h"

#include "app/window/common/DialogParts.h"
#include "app/window/common/WindowOnTop.h"
#include "app/window/output/FolderChooser.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace korvex {
namespace {

// Entries of the SelectOutputFolder table.
constexpr int kTitleEntry = 2;
constexpr int kOkCaptionEntry = 3;
constexpr int kOkToolTipEntry = 4;
constexpr int kCancelCaptionEntry = 5;
constexpr int kCancelToolTipEntry = 6;

}  // namespace

SelectFolderDialog::SelectFolderDialog(const OutputDialogContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      folder_(new FolderChooser(QStringLiteral("Drive1"), QStringLiteral("Dir1"), this)) {
    setObjectName(QStringLiteral("frm_SelectFolder"));
    setWindowOnTop(this, true);
    const auto text = [this](int entry) { return context_.text(LanguageTable::SelectOutputFolder, entry); };
    setWindowTitle(text(kTitleEntry));
    auto* ok = named<QPushButton>(QStringLiteral("cmdOK"), this);
    auto* cancel = named<QPushButton>(QStringLiteral("cmdCancel"), this);
    ok->setText(text(kOkCaptionEntry));
    ok->setToolTip(text(kOkToolTipEntry));
    ok->setDefault(true);
    cancel->setText(text(kCancelCaptionEntry));
    cancel->setToolTip(text(kCancelToolTipEntry));
    connect(ok, &QPushButton::clicked, this, &SelectFolderDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder_, 1);
    layout->addLayout(buttons);

    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    folder_->setLocation(context_.settings.readSetting(keys::kDrive, root),
                         context_.settings.readSetting(keys::kDir, root));
}

QString SelectFolderDialog::folder() const {
    return folder_->folder();
}

void SelectFolderDialog::confirm() {
    const bool stored = context_.settings.writeSettings(std::array{
        SettingValue{keys::kDrive, folder_->drive()}, SettingValue{keys::kDir, folder_->folder()}});
    if (!stored) {
        tellSettingsNotStored(context_);
        return;
    }
    accept();
    Q_EMIT folderConfirmed();
}

}  // namespace korvex
