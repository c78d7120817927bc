#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

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
    // Ticks the active language's item and enables only the items of languages that are available.
    void markLanguages(const QString& active, const std::function<bool(const QString&)>& isAvailable);
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
    // The language menu is about to open.
    void languageMenuOpening();

  private:
    void buildToolbar(QMainWindow& window);
    void buildMenus(QMainWindow& window);
    QAction* languageAction(QMenu* menu, const char* objectName, const char* language);

    QToolBar* toolbar_;
    std::array<QMenu*, 5> menus_{};
    // The translated language items, then the Hungarian one, which keeps its caption.
    std::array<QAction*, 8> languageActions_{};
};

}  // namespace korvex
