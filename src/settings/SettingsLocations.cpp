#include "settings/SettingsLocations.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace korvex {
namespace {

QString environmentOr(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? fallback : value;
}

}  // namespace

#ifdef Q_OS_WIN

SettingsLocations SettingsLocations::fromEnvironment() {
    return {environmentOr(kMachineSettingsVariable,
                          QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Veltrano\\KORVEX_Tabulor\\Settings")),
            environmentOr(kUserSettingsVariable,
                          QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Veltrano\\KORVEX_Tabulor\\Settings")),
            QString()};
}

#else

namespace {

// ~/.config/Veltrano/KORVEX_Tabulor.ini keeps the machine-wide changes in
// ~/.config/Veltrano/KORVEX_Tabulor.machine.ini.
QString changesBeside(const QString& perUserFile) {
    const QFileInfo file(perUserFile);
    return file.path() + u'/' + file.completeBaseName() + QStringLiteral(".machine.ini");
}

}  // namespace

SettingsLocations SettingsLocations::fromEnvironment() {
    const QString perUser = environmentOr(
        kUserSettingsVariable, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                   QStringLiteral("/Veltrano/KORVEX_Tabulor.ini"));
    return {environmentOr(kMachineSettingsVariable, QStringLiteral("/etc/xdg/Veltrano/KORVEX_Tabulor.ini")),
            perUser, changesBeside(perUser)};
}

#endif

}  // namespace korvex
