#include "app/core/CommandLine.h"
#include "app/core/RunControl.h"
#include "app/core/Session.h"
#include "app/core/SpreadsheetVersion.h"
#include "app/window/MainWindow.h"
#include "host/HostConnector.h"
#include "report/OfficeSuite.h"
#include "report/xlsx/XlsxApplication.h"
#include "settings/SettingsLocations.h"
#include "util/ProgramFolder.h"

#include <QApplication>

#include <cstdio>

namespace {

QString settingsRootText(const korvex::SettingsStore& settings) {
    if (settings.root() == korvex::SettingsRoot::PerUser) {
        return QStringLiteral("per user");
    }
    if (settings.keepsMachineWideChangesPerUser()) {
        return QStringLiteral("machine-wide, read-only (changes kept in %1)")
            .arg(settings.locations().machineWideChanges);
    }
    return QStringLiteral("machine-wide");
}

// Without a display nobody can use the window: say what the start-up found and end.
int reportWithoutDisplay(const korvex::Session& session, const korvex::MainWindow& window) {
    std::printf("%s\nprogram folder: %s\nshipped files: %s\nsettings root: %s\n",
                qPrintable(window.windowTitle()), qPrintable(session.programFolder.writable()),
                qPrintable(session.programFolder.shipped()), qPrintable(settingsRootText(session.settings)));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The main window ends the program itself, with the exit status of what was done.
    QApplication::setQuitOnLastWindowClosed(false);
    korvex::Session session{.programFolder = korvex::programFolder(),
                            .settings = korvex::SettingsStore(korvex::SettingsLocations::fromEnvironment()),
                            .language = {},
                            .arguments = korvex::argumentsFromWords(QApplication::arguments().mid(1)),
                            .values = {},
                            .headerData = {},
                            .host = {},
                            .spreadsheetVersion = QStringLiteral("andere")};
    session.settings.chooseRootFromUserSwitch();

    const std::unique_ptr<korvex::HostConnector> host = korvex::makePlatformHostConnector();
    // Without the office suite's plugin the program runs on with the embedded engine alone.
    auto office = korvex::loadOfficeSuite(korvex::officePluginFolders());
    auto* const officeSuite = std::get_if<korvex::OfficeSuite>(&office);
    korvex::MainWindow window(session,
                              {.host = *host, .office = officeSuite ? officeSuite->backend.get() : nullptr});
    QObject::connect(
        &window, &korvex::MainWindow::programEnded, &application,
        [](int status) { QCoreApplication::exit(status); }, Qt::QueuedConnection);
    window.load();
    korvex::xlsx::XlsxBackend spreadsheets;
    session.spreadsheetVersion = officeSuite && !officeSuite->version.isEmpty()
                                     ? officeSuite->version
                                     : korvex::probeSpreadsheetVersion(spreadsheets);

    const bool display = QGuiApplication::platformName() != u"offscreen";
    if (!display && !session.arguments.isUnattended()) {
        return reportWithoutDisplay(session, window);
    }
    window.resize(korvex::MainWindow::kDefaultSize);
    window.showAtStoredPosition();
    window.runControl().dispatchStartArguments();
    return QApplication::exec();
}
