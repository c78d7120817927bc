#include "settings/SettingsStore.h"

#include "settings/SettingTexts.h"

#include <QSettings>

namespace korvex {
namespace {

QString keyPath(keys::SettingKey key) {
    if (key.section.isEmpty()) {
        return key.name.toString();
    }
    return key.section.toString() + u'/' + key.name.toString();
}

// A value written by hand may not look like one string to the INI reader (a comma makes a list);
// every value is text, so it is read back as the text it was.
QString textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(u',');
    }
    return value.toString();
}

std::unique_ptr<QSettings> open(const QString& location) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(location, QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(location, QSettings::IniFormat);
#endif
}

std::optional<QString> peekIn(const QString& location, keys::SettingKey key) {
    const auto settings = open(location);
    const QVariant value = settings->value(keyPath(key));
    if (settings->status() != QSettings::NoError || !value.isValid()) {
        return std::nullopt;
    }
    return textOf(value);
}

bool writeIn(const QString& location, keys::SettingKey key, const QString& value) {
    const auto settings = open(location);
    if (!settings->isWritable()) {
        return false;
    }
    settings->setValue(keyPath(key), value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

}  // namespace

SettingsStore::SettingsStore(SettingsLocations locations)
    : locations_(std::move(locations)),
      machineWideChangesPerUser_(!locations_.machineWideChanges.isEmpty() &&
                                 !open(locations_.machineWide)->isWritable()) {}

void SettingsStore::chooseRootFromUserSwitch() {
    root_ = SettingsRoot::MachineWide;
    const QString perUser =
        readSettingPath(SettingsRoot::PerUser, keys::kCurrentUser, QStringLiteral("False"));
    if (switchIsOn(perUser)) {
        root_ = SettingsRoot::PerUser;
    }
}

QString SettingsStore::readSetting(keys::SettingKey key, const QString& defaultValue) const {
    return readSettingPath(root_, key, defaultValue);
}

QString SettingsStore::readSettingPath(SettingsRoot root, keys::SettingKey key,
                                       const QString& defaultValue) const {
    if (auto value = peekSettingPath(root, key)) {
        return *value;
    }
    (void)writeIn(fileOf(root), key, defaultValue);
    return defaultValue;
}

std::optional<QString> SettingsStore::peekSetting(keys::SettingKey key) const {
    return peekSettingPath(root_, key);
}

std::optional<QString> SettingsStore::peekSettingPath(SettingsRoot root, keys::SettingKey key) const {
    if (changesGoPerUser(root)) {
        if (auto changed = peekIn(locations_.machineWideChanges, key)) {
            return changed;
        }
    }
    return peekIn(fileOf(root), key);
}

bool SettingsStore::writeSetting(keys::SettingKey key, const QString& value) const {
    return writeSettingPath(root_, key, value);
}

bool SettingsStore::writeSettingPath(SettingsRoot root, keys::SettingKey key, const QString& value) const {
    return writeIn(changesGoPerUser(root) ? locations_.machineWideChanges : fileOf(root), key, value);
}

const QString& SettingsStore::fileOf(SettingsRoot root) const {
    return root == SettingsRoot::MachineWide ? locations_.machineWide : locations_.perUser;
}

bool SettingsStore::changesGoPerUser(SettingsRoot root) const {
    return root == SettingsRoot::MachineWide && machineWideChangesPerUser_;
}

}  // namespace korvex
