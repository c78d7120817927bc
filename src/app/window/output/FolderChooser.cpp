#include "app/window/output/FolderChooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace korvex {
namespace {

QStringList driveRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) {
            roots.append(volume.rootPath());
        }
    }
    roots.sort();
    return roots;
}

}  // namespace

FolderChooser::FolderChooser(const QString& driveListName, const QString& folderTreeName, QWidget* parent)
    : QWidget(parent),
      drives_(new QComboBox(this)),
      folders_(new QTreeView(this)),
      model_(new QFileSystemModel(this)) {
    drives_->setObjectName(driveListName);
    drives_->addItems(driveRoots());
    folders_->setObjectName(folderTreeName);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setModel(model_);
    folders_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column) {
        folders_->hideColumn(column);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drives_);
    layout->addWidget(folders_, 1);

    connect(drives_, &QComboBox::textActivated, this, [this](const QString& drive) {
        showDrive(drive);
        chooseFolder(drive);
    });
    connect(folders_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { chooseFolder(model_->filePath(index)); });
}

QString FolderChooser::drive() const {
    return drives_->currentText();
}

void FolderChooser::setLocation(const QString& drive, const QString& folder) {
    if (drives_->findText(drive) < 0) {
        drives_->addItem(drive);
    }
    drives_->setCurrentText(drive);
    showDrive(drive);
    folders_->setCurrentIndex(model_->index(folder));
    chooseFolder(folder);
}

void FolderChooser::showDrive(const QString& drive) {
    folders_->setRootIndex(model_->setRootPath(drive));
}

void FolderChooser::chooseFolder(const QString& folder) {
    folder_ = QDir::toNativeSeparators(folder);
    Q_EMIT folderChanged(folder_);
}

}  // namespace korvex
