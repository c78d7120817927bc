#include "settings/SettingsStore.h"

#include "settings/SettingTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

#include <vector>

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

// A file that exists but cannot be read or parsed (for example UTF-16 text) holds no value this
// program could use, and writing to it would replace what it holds. A refused earlier write does not
// make the file unreadable, although the settings library then reports an access error.
bool isReadable(const QSettings& settings) {
    if (settings.status() == QSettings::FormatError) {
        return false;
    }
    const QFileInfo file(settings.fileName());
    return !file.exists() || (file.isFile() && file.isReadable());
}

// The settings library reads an INI file as UTF-8 text. A file in another encoding (UTF-16 from a
// Windows editor) reads as garbage without an error, and a write would replace it with that garbage.
bool mayBeWrittenOver(const QSettings& settings) {
    if (!isReadable(settings)) {
        return false;
    }
    QFile file(settings.fileName());
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    return !utf8.hasError() && !decoded.contains(QChar::Null);
}

std::optional<QString> peekIn(const QString& location, keys::SettingKey key) {
    const auto settings = open(location);
    if (!isReadable(*settings)) {
        return std::nullopt;
    }
    const QVariant value = settings->value(keyPath(key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return textOf(value);
}

// Stores the values with one write of the file; all or none.
bool writeIn(const QString& location, std::span<const SettingValue> values) {
    const auto settings = open(location);
    if (!settings->isWritable() || !mayBeWrittenOver(*settings)) {
        return false;
    }
    std::vector<QVariant> previous;
    previous.reserve(values.size());
    for (const SettingValue& entry : values) {
        previous.push_back(settings->value(keyPath(entry.key)));
        settings->setValue(keyPath(entry.key), entry.value);
    }
    settings->sync();
    if (settings->status() == QSettings::NoError) {
        return true;
    }
    // The settings library keeps unwritten values for later readers in this process: take them back.
    for (std::size_t i = values.size(); i-- > 0;) {
        const QString path = keyPath(values[i].key);
        if (previous[i].isValid()) {
            settings->setValue(path, previous[i]);
        } else {
            settings->remove(path);
        }
    }
    return false;
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
    if (textSwitchIsOn(perUser)) {
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
    const SettingValue fallback{key, defaultValue};
    (void)writeIn(fileOf(root), {&fallback, 1});
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
    const SettingValue one{key, value};
    return writeSettingsPath(root, {&one, 1});
}

bool SettingsStore::writeSettings(std::span<const SettingValue> values) const {
    return writeSettingsPath(root_, values);
}

bool SettingsStore::writeSettingsPath(SettingsRoot root, std::span<const SettingValue> values) const {
    return writeIn(changesGoPerUser(root) ? locations_.machineWideChanges : fileOf(root), values);
}

const QString& SettingsStore::fileOf(SettingsRoot root) const {
    return root == SettingsRoot::MachineWide ? locations_.machineWide : locations_.perUser;
}

bool SettingsStore::changesGoPerUser(SettingsRoot root) const {
    return root == SettingsRoot::MachineWide && machineWideChangesPerUser_;
}

}  // namespace korvex
