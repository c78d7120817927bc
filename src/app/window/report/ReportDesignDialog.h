#pragma once

#include "app/core/HeaderGridKeys.h"
#include "report/layout/LayoutFile.h"

#include <QDialog>
#include <QHash>

#include <functional>
#include <initializer_list>

class QGridLayout;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace korvex {

struct Session;
class UserInteraction;

// frm_BerichtDesign: the report layout's fields, the places of the header variables in a grid with
// an in-place editor, OK storing them in the settings, Save as and Load of layout files. The logic
// lives in app/core/LayoutForm; this dialog shows and forwards.
class ReportDesignDialog : public QDialog {
    Q_OBJECT
  public:
    // Asks for a layout file to save to (`saving`) or to load; empty when the user cancels.
    using FileChooser = std::function<QString(bool saving)>;

    // Without a chooser the dialog asks with the platform's file dialogs.
    ReportDesignDialog(Session& session, UserInteraction& user, QWidget* mainWindow,
                       FileChooser chooser = {});

  Q_SIGNALS:
    // The header variables changed (a layout file was loaded or the header data dialog confirmed).
    void headerDataChanged();
    // A layout file was saved or loaded: the main window's title names it.
    void layoutFileChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildTemplateFrame();
    QWidget* buildLayoutFrame();
    QWidget* buildSystemFrame();
    QWidget* buildProgramFrame();
    QWidget* buildHeaderFrame();
    QWidget* buildButtons();
    QLineEdit* field(QStringView control);
    // One row of a frame: the label, then its fields side by side, each `span` grid columns wide.
    void addRow(QGridLayout* grid, int row, QStringView label, std::initializer_list<QStringView> controls,
                int span = 1);

    void load();
    void applyTexts();
    void applyLabels(bool characteristicsInRows);
    void showHeaderNames(const QStringList& names);
    void showValues(const LayoutValues& values);
    LayoutValues values() const;
    LayoutFileContent content() const;
    bool completeFields();

    void confirm();
    void saveAs();
    void loadFile();
    void openHeaderData();
    void takeHeaderNames(const QStringList& names);

    void moveEditorTo(int row, int column);
    bool moveEditorByKey(int key);

    Session& session_;
    UserInteraction& user_;
    QWidget* mainWindow_;
    FileChooser chooser_;
    QHash<QString, QLineEdit*> fields_;
    QRadioButton* inRows_ = nullptr;
    QRadioButton* inColumns_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLineEdit* editor_ = nullptr;
    QStringList headerNames_;
    // The grid cell the in-place editor stands on (table coordinates).
    int editorRow_ = -1;
    int editorColumn_ = -1;
};

}  // namespace korvex
