#include "app/core/CommandLine.h"
#include "app/core/Session.h"
#include "app/window/MainWindow.h"
#include "app/window/WidgetUserInteraction.h"
#include "settings/SettingsLocations.h"
#include "util/ProgramFolder.h"

#include <QApplication>

#include <cstdio>

namespace {

// Without a display nobody can use the window: say what the start-up found and end.
int reportWithoutDisplay(const korvex::Session& session, const korvex::MainWindow& window) {
    std::printf("%s\nprogram folder: %s\nsettings root: %s\n", qPrintable(window.windowTitle()),
                qPrintable(session.programFolder),
                session.settings.root() == korvex::SettingsRoot::PerUser ? "per user" : "machine-wide");
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    korvex::Session session{.programFolder = korvex::programFolder(),
                            .settings = korvex::SettingsStore(korvex::SettingsLocations::fromEnvironment()),
                            .language = {},
                            .arguments = korvex::argumentsFromWords(QApplication::arguments().mid(1))};

    session.settings.chooseRootFromUserSwitch();
    korvex::MainWindow window(session);
    korvex::applyStoredLanguage(session, window.user());
    window.applyLanguage();
    window.setWindowTitle(korvex::mainWindowCaption(session));

    if (QGuiApplication::platformName() == u"offscreen") {
        return reportWithoutDisplay(session, window);
    }
    window.resize(1120, 780);
    window.show();
    return QApplication::exec();
}
