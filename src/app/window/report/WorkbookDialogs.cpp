#include "app/window/report/WorkbookDialogs.h"

#include "util/LanguageTables.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>

namespace korvex {
namespace {

// MainWindow entry of toolbar button 6, the dialogs' title; MessageBoxen entry of the check box.
constexpr int kFillReportTitle = 28;
constexpr int kReadOnlyCaption = 64;

QString dialogTitle(const LanguageTables& language) {
    return language.text(LanguageTable::MainWindow, kFillReportTitle);
}

}  // namespace

std::optional<WorkbookChoice> chooseWorkbookToFill(QWidget* parent, const LanguageTables& language,
                                                   const QString& folder, const QString& filter) {
    QFileDialog dialog(parent, dialogTitle(language), folder, filter);
    dialog.setObjectName(QStringLiteral("dlgOpenWorkbook"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    auto* readOnly = new QCheckBox(language.text(LanguageTable::MessageBoxen, kReadOnlyCaption), &dialog);
    readOnly->setObjectName(QStringLiteral("chkReadOnly"));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return WorkbookChoice{dialog.selectedFiles().front(), readOnly->isChecked()};
}

std::optional<QString> chooseReportSavePath(QWidget* parent, const LanguageTables& language,
                                            const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(parent, dialogTitle(language), QString(), filter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

}  // namespace korvex
