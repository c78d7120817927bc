#include "app/window/MainWindowActions.h"

#include "util/LanguageTables.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace korvex {
namespace {

QAction* namedAction(QObject* parent, const char* objectName, const char* icon = nullptr) {
    auto* action = new QAction(parent);
    action->setObjectName(QString::fromLatin1(objectName));
    if (icon != nullptr) {
        action->setIcon(QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(icon)));
    }
    return action;
}

QMenu* namedMenu(QMenuBar* bar, const char* objectName) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

}  // namespace

MainWindowActions::MainWindowActions(QMainWindow& window)
    : QObject(&window),
      online(namedAction(this, "Toolbar1_Online", "online-off.svg")),
      readOffline(namedAction(this, "Toolbar1_ReadOffline", "read-offline.svg")),
      liveProtocol(namedAction(this, "Toolbar1_LiveProtocol", "live-protocol.svg")),
      asciiOutput(namedAction(this, "Toolbar1_Ascii", "ascii-file.svg")),
      fillReport(namedAction(this, "Toolbar1_FillReport", "fill-report.svg")),
      savePartProgram(namedAction(this, "Toolbar1_SavePartProgram", "save-program.svg")),
      outputFileSettings(namedAction(this, "menuAusgabedatei")),
      asciiSettings(namedAction(this, "menuASCII")),
      headerData(namedAction(this, "menuKopfdaten")),
      reportLayout(namedAction(this, "menuFormular")),
      windowPosition(namedAction(this, "Menue_Window_Pos")),
      batchFile(namedAction(this, "Menue_BatchFile")),
      about(namedAction(this, "Menue_Info")),
      exit(namedAction(this, "Menue_Beenden")),
      toolbar_(new QToolBar(&window)) {
    online->setCheckable(true);
    buildToolbar(window);
    buildMenus(window);
}

void MainWindowActions::buildToolbar(QMainWindow& window) {
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize({32, 32});
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar_->addActions({online, readOffline, liveProtocol});
    toolbar_->addSeparator();
    toolbar_->addActions({asciiOutput, fillReport, savePartProgram});
    window.addToolBar(Qt::TopToolBarArea, toolbar_);
}

void MainWindowActions::buildMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = namedMenu(bar, "Menue_Datei");
    QMenu* language = file->addMenu(QString());
    language->setObjectName(QStringLiteral("menuLanguage"));
    languageActions_ = {languageAction(language, "menuGerman", "German"),
                        languageAction(language, "menuEnglish", "English"),
                        languageAction(language, "menuFrench", "French"),
                        languageAction(language, "menuItalian", "Italian"),
                        languageAction(language, "menuSpanish", "Spanish"),
                        languageAction(language, "menuPortuguese", "Portuguese"),
                        languageAction(language, "menuCzech", "Czech"),
                        languageAction(language, "menuUngarisch", "Hungary")};
    // The Hungarian item keeps its built-in caption in every language.
    languageActions_.back()->setText(QStringLiteral("Hungary"));
    connect(language, &QMenu::aboutToShow, this, &MainWindowActions::languageMenuOpening);
    file->addSeparator();
    file->addAction(exit);

    QMenu* settings = namedMenu(bar, "Menue_Einstellungen");
    settings->addActions({outputFileSettings, asciiSettings, headerData, reportLayout});
    settings->addSeparator();
    settings->addAction(windowPosition);

    QMenu* actions = namedMenu(bar, "Menue_Aktionen");
    actions->addAction(batchFile);

    QMenu* help = namedMenu(bar, "Menue_Hilfe");
    help->addAction(about);
    menus_ = {file, settings, actions, help, language};
}

QAction* MainWindowActions::languageAction(QMenu* menu, const char* objectName, const char* language) {
    QAction* action = namedAction(this, objectName);
    menu->addAction(action);
    const QString name = QString::fromLatin1(language);
    action->setData(name);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, name] { Q_EMIT languageChosen(name); });
    return action;
}

void MainWindowActions::applyLanguage(const LanguageTables& language) {
    const auto text = [&](int entry) { return language.text(LanguageTable::MainWindow, entry); };
    const std::array<QAction*, 6> tools = {online,      readOffline, liveProtocol,
                                           asciiOutput, fillReport,  savePartProgram};
    for (std::size_t i = 0; i < tools.size(); ++i) {
        tools[i]->setToolTip(text(24 + static_cast<int>(i)));
        tools[i]->setText(tools[i]->toolTip());
    }
    for (std::size_t i = 0; i < menus_.size(); ++i) {
        // File, settings, actions, help (entries 3 to 6), then the language submenu (entry 7).
        menus_[i]->setTitle(text(3 + static_cast<int>(i)));
    }
    for (std::size_t i = 0; i + 1 < languageActions_.size(); ++i) {
        languageActions_[i]->setText(text(8 + static_cast<int>(i)));
    }
    exit->setText(text(15));
    const std::array<QAction*, 6> items = {outputFileSettings, asciiSettings,  headerData,
                                           reportLayout,       windowPosition, batchFile};
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->setText(text(16 + static_cast<int>(i)));
    }
    about->setText(text(23));
}

void MainWindowActions::markLanguages(const QString& active,
                                      const std::function<bool(const QString&)>& isAvailable) {
    for (QAction* action : languageActions_) {
        const QString name = action->data().toString();
        action->setChecked(name == active);
        action->setEnabled(isAvailable(name));
    }
}

void MainWindowActions::setOnlinePressed(bool pressed) {
    online->setChecked(pressed);
    online->setIcon(
        QIcon(pressed ? QStringLiteral(":/icons/online-on.svg") : QStringLiteral(":/icons/online-off.svg")));
}

}  // namespace korvex
