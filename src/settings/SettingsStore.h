#pragma once

#include "settings/SettingKeys.h"
#include "settings/SettingsLocations.h"

#include <QString>

#include <memory>
#include <optional>
#include <span>

class QSettings;

namespace korvex {

enum class SettingsRoot { MachineWide, PerUser };

// One value to be stored.
struct SettingValue {
    keys::SettingKey key;
    QString value;
};

// The program's persistent settings: text values under one of two roots. Reading a value that does
// not exist yet stores the caller's default, so the first reader of a value decides its default.
//
// When the machine-wide root cannot be written (an ordinary user and a file below /etc), it is read
// as it stands and the values the user writes under it go to the locations' machineWideChanges file,
// which is read first from then on. Defaults are never stored there, so a value the administrator
// sets later still reaches every user who has not changed it.
class SettingsStore {
  public:
    explicit SettingsStore(SettingsLocations locations);

    const SettingsLocations& locations() const { return locations_; }
    // True when the machine-wide root is read-only and the user's changes to it are kept per user.
    bool keepsMachineWideChangesPerUser() const { return machineWideChangesPerUser_; }

    SettingsRoot root() const { return root_; }
    void setRoot(SettingsRoot root) { root_ = root; }

    // Start-up: the per-user switch, always read under the per-user root, selects that root when it
    // reads "TRUE" in any case.
    void chooseRootFromUserSwitch();

    // The value under the current root; a missing value is written back with the default (a refused
    // write is ignored and changes nothing else) and the default returned. A settings file that
    // cannot be read counts as holding no value, and is never written over.
    QString readSetting(keys::SettingKey key, const QString& defaultValue) const;
    // The same under a given root.
    QString readSettingPath(SettingsRoot root, keys::SettingKey key, const QString& defaultValue) const;
    // The value under the current root, without writing a default back.
    std::optional<QString> peekSetting(keys::SettingKey key) const;

    // False when the value could not be stored (the caller reports it).
    [[nodiscard]] bool writeSetting(keys::SettingKey key, const QString& value) const;
    [[nodiscard]] bool writeSettingPath(SettingsRoot root, keys::SettingKey key, const QString& value) const;
    // Values stored together (a dialog's OK) under the current root, with one write of the settings
    // file. All or none: when the write is refused, none of them is kept, also not in this process.
    [[nodiscard]] bool writeSettings(std::span<const SettingValue> values) const;

  private:
    const QString& fileOf(SettingsRoot root) const;
    bool changesGoPerUser(SettingsRoot root) const;
    [[nodiscard]] bool writeSettingsPath(SettingsRoot root, std::span<const SettingValue> values) const;
    std::optional<QString> peekSettingPath(SettingsRoot root, keys::SettingKey key) const;

    SettingsLocations locations_;
    bool machineWideChangesPerUser_ = false;
    SettingsRoot root_ = SettingsRoot::MachineWide;
};

}  // namespace korvex
