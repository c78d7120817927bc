#pragma once

#include <QString>

#include <optional>

namespace korvex::calc {

// The folder that holds the private user profile of every office this user's programs start:
// "korvex-tabulor-office-<uid>" in the temporary folder, readable by the user alone. Nothing when it
// cannot be made or belongs to someone else.
std::optional<QString> officeProfileBase();

// A profile folder of its own for one office, and the pipe the office listens on.
struct OfficeProfile {
    QString folder;
    QString pipeName;
};

// A new, empty profile folder in `base` named "<this program's pid>-<random>": the name tells which
// program started the office.
std::optional<OfficeProfile> makeOfficeProfile(const QString& base);

// Kills every headless office with a profile in `base` whose starting program has ended (a crash or
// a kill leaves them behind), and removes the profiles that no office uses any more and whose
// program has ended. Visible offices are the operator's and stay. Returns how many offices it killed.
int reapOrphanedOffices(const QString& base);

}  // namespace korvex::calc
