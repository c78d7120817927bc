#include "settings/SettingsLocations.h"

#include <QStandardPaths>

namespace korvex {
namespace {

QString environmentOr(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? fallback : value;
}

}  // namespace

SettingsLocations SettingsLocations::fromEnvironment() {
#ifdef Q_OS_WIN
    const QString machine =
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Veltrano\\KORVEX_Tabulor\\Settings");
    const QString user = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Veltrano\\KORVEX_Tabulor\\Settings");
#else
    const QString machine = QStringLiteral("/etc/xdg/Veltrano/KORVEX_Tabulor.ini");
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Veltrano/KORVEX_Tabulor.ini");
#endif
    return {environmentOr(kMachineSettingsVariable, machine), environmentOr(kUserSettingsVariable, user)};
}

}  // namespace korvex
