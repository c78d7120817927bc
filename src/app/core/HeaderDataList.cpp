#include "app/core/HeaderDataList.h"

#include "app/core/FileMessage.h"
#include "app/core/HeaderDataFile.h"
#include "app/core/Session.h"
#include "characteristics/HeaderDataValues.h"
#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"

#include <optional>

namespace korvex {
namespace {

// MessageBoxen entry: HeaderData.cfg could not be written.
constexpr int kHeaderDataNotWrittenEntry = 95;

}  // namespace

bool HeaderDataList::add(const QString& text) {
    QString name = text;
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    name = name.trimmed();
    if (name.isEmpty()) {
        return false;
    }
    names_.append(name);
    return true;
}

bool HeaderDataList::remove(int index) {
    if (index < 0 || index >= names_.size()) {
        return false;
    }
    names_.removeAt(index);
    return true;
}

bool HeaderDataList::load(const ProgramFolder& programFolder, AnsiCodePage codePage) {
    std::optional<QStringList> names = readHeaderDataFile(programFolder, codePage);
    if (!names) {
        return false;
    }
    names_ = std::move(*names);
    return true;
}

bool saveHeaderDataNames(const Session& session, const QStringList& names, UserInteraction& user) {
    if (writeHeaderDataNames(session.programFolder, names, session.language.codePage())) {
        return true;
    }
    tellFileProblem(user, session.language, kHeaderDataNotWrittenEntry,
                    session.programFolder.fileToWrite(kHeaderDataFile));
    return false;
}

void takeOverHeaderNames(Session& session, const QStringList& names) {
    if (headerDataSwitchedOn(session.settings)) {
        renameHeaderVariables(session.headerData, names);
    }
}

bool headerDataSwitchedOn(const SettingsStore& settings) {
    return settingIsTrue(settings.readSetting(keys::kHeader, QStringLiteral("1")));
}

QStringList carryOverByName(const QStringList& oldNames, const QStringList& oldTexts,
                            const QStringList& newNames) {
    QStringList texts;
    for (const QString& name : newNames) {
        const qsizetype old = oldNames.indexOf(name);
        texts.append(old >= 0 && old < oldTexts.size() ? oldTexts[old] : QString());
    }
    return texts;
}

void renameHeaderVariables(HeaderDataValues& values, const QStringList& names) {
    QStringList oldNames;
    QStringList oldValues;
    for (const HeaderDataValues::Variable& variable : values.variables()) {
        oldNames.append(variable.name);
        oldValues.append(variable.value);
    }
    const QStringList kept = carryOverByName(oldNames, oldValues, names);
    values.setNames(names);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!kept[i].isEmpty()) {
            values.assign(names[i].trimmed(), kept[i]);
        }
    }
}

}  // namespace korvex
