#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>

namespace korvex::test {

// A settings store whose two roots are INI files in a folder of their own, removed after the test.
class TemporarySettings {
  public:
    QString machinePath() const { return dir_.filePath(QStringLiteral("machine.ini")); }
    QString userPath() const { return dir_.filePath(QStringLiteral("user.ini")); }
    QString folder() const { return dir_.path(); }

    SettingsStore& store() { return store_; }

    // What the file holds under "section/name" (or "name" directly under the root).
    static QString stored(const QString& file, const QString& key) {
        return QSettings(file, QSettings::IniFormat).value(key).toString();
    }
    QString machineValue(const QString& key) const { return stored(machinePath(), key); }
    QString userValue(const QString& key) const { return stored(userPath(), key); }

  private:
    QTemporaryDir dir_;
    SettingsStore store_{SettingsLocations{machinePath(), userPath()}};
};

}  // namespace korvex::test
