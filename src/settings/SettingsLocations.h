#pragma once

#include <QString>

namespace korvex {

// Environment variables that move the two settings files (Linux: one INI file per root).
inline constexpr const char* kMachineSettingsVariable = "KORVEX_TABULOR_MACHINE_SETTINGS";
inline constexpr const char* kUserSettingsVariable = "KORVEX_TABULOR_USER_SETTINGS";

// Where the machine-wide and the per-user settings root live. On Linux these are INI files; on
// Windows they are the registry keys below HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
struct SettingsLocations {
    QString machineWide;
    QString perUser;
    // The user's own changes to the machine-wide root while that cannot be written (an ordinary user
    // and a file below /etc): an INI file beside the per-user one, empty when there is none (Windows).
    QString machineWideChanges;

    // The platform's places, each replaced by its environment variable when that is set.
    static SettingsLocations fromEnvironment();
};

}  // namespace korvex
