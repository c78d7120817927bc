#pragma once

#include "settings/SettingKeys.h"
#include "settings/SettingsLocations.h"

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace korvex {

enum class SettingsRoot { MachineWide, PerUser };

// The program's persistent settings: text values under one of two roots. Reading a value that does
// not exist yet stores the caller's default, so the first reader of a value decides its default.
class SettingsStore {
  public:
    explicit SettingsStore(SettingsLocations locations);

    SettingsRoot root() const { return root_; }
    void setRoot(SettingsRoot root) { root_ = root; }

    // Start-up: the per-user switch, always read under the per-user root, selects that root when it
    // reads "TRUE" in any case.
    void chooseRootFromUserSwitch();

    // The value under the current root; a missing or unreadable value is written back with the
    // default (a refused write is ignored) and the default returned.
    QString readSetting(keys::SettingKey key, const QString& defaultValue) const;
    // The same under a given root.
    QString readSettingPath(SettingsRoot root, keys::SettingKey key, const QString& defaultValue) const;
    // The value under the current root, without writing a default back.
    std::optional<QString> peekSetting(keys::SettingKey key) const;

    // False when the value could not be stored (the caller reports it).
    [[nodiscard]] bool writeSetting(keys::SettingKey key, const QString& value) const;
    [[nodiscard]] bool writeSettingPath(SettingsRoot root, keys::SettingKey key, const QString& value) const;

    // What to tell the user when a write was refused: where the current root lives.
    QString refusedWriteText() const;

  private:
    std::unique_ptr<QSettings> open(SettingsRoot root) const;
    const QString& locationOf(SettingsRoot root) const;
    std::optional<QString> peekSettingPath(SettingsRoot root, keys::SettingKey key) const;

    SettingsLocations locations_;
    SettingsRoot root_ = SettingsRoot::MachineWide;
};

}  // namespace korvex
