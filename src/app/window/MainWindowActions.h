#pragma once

#include <QObject>
#include <QString>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace korvex {

class LanguageTables;

// The main window's toolbar (Toolbar1) and its four menus, with their texts.
class MainWindowActions : public QObject {
    Q_OBJECT
  public:
    explicit MainWindowActions(QMainWindow& window);

    void applyLanguage(const LanguageTables& language);
    // Toolbar button 1 shows whether online capture is on.
    void setOnlinePressed(bool pressed);

    QAction* online;
    QAction* readOffline;
    QAction* liveProtocol;
    QAction* asciiOutput;
    QAction* fillReport;
    QAction* savePartProgram;

    QAction* outputFileSettings;
    QAction* asciiSettings;
    QAction* headerData;
    QAction* reportLayout;
    QAction* windowPosition;
    QAction* batchFile;
    QAction* about;
    QAction* exit;

  Q_SIGNALS:
    // A language menu item was chosen: the name of its language file.
    void languageChosen(const QString& language);

  private:
    void buildToolbar(QMainWindow& window);
    void buildMenus(QMainWindow& window);
    QAction* languageAction(QMenu* menu, const char* objectName, const char* language);

    QToolBar* toolbar_;
    std::array<QMenu*, 5> menus_{};
    std::array<QAction*, 7> languageActions_{};
};

}  // namespace korvex
