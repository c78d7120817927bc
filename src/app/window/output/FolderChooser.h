#pragma once

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace korvex {

// A drive list and the folder tree of the chosen drive. On Linux the drives are the roots of the
// mounted volumes. The chosen folder is kept as text, so a stored folder that no longer exists is
// still shown and stored back unchanged.
class FolderChooser : public QWidget {
    Q_OBJECT

  public:
    // The object names of the drive list and the folder tree, as the dialog names its controls.
    FolderChooser(const QString& driveListName, const QString& folderTreeName, QWidget* parent = nullptr);

    QString drive() const;
    QString folder() const { return folder_; }
    void setLocation(const QString& drive, const QString& folder);

  Q_SIGNALS:
    void folderChanged(const QString& folder);

  private:
    void showDrive(const QString& drive);
    void chooseFolder(const QString& folder);

    QComboBox* drives_;
    QTreeView* folders_;
    QFileSystemModel* model_;
    QString folder_;
};

}  // namespace korvex
