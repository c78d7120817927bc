#pragma once

#include "util/AnsiCodec.h"
#include "util/ProgramFolder.h"

#include <QStringList>

namespace korvex {

struct Session;
class HeaderDataValues;
class UserInteraction;
class SettingsStore;

// The list of header variable names as the header data dialog edits it, and its file HeaderData.cfg.
class HeaderDataList {
  public:
    const QStringList& names() const { return names_; }

    // Adds the text, trimmed of blanks, at the end; a line break inside becomes a blank, so that the
    // name stays one line of the file. False when nothing is left to add.
    bool add(const QString& text);
    // Removes the entry at `index`; false when there is none.
    bool remove(int index);
    void clear() { names_.clear(); }

    // The list from HeaderData.cfg in `programFolder`; false, with the list unchanged, when the file
    // cannot be read.
    bool load(const ProgramFolder& programFolder, AnsiCodePage codePage);

  private:
    QStringList names_;
};

// True when the settings say header data is shown and filled (HEADER, on unless stored otherwise).
bool headerDataSwitchedOn(const SettingsStore& settings);

// Replaces HeaderData.cfg with `names`. False, after the user has been told, when it could not be
// written; the old file is then kept as it was.
bool saveHeaderDataNames(const Session& session, const QStringList& names, UserInteraction& user);

// The session's header variables follow `names` when header data is switched on; a variable whose
// name stays keeps its value.
void takeOverHeaderNames(Session& session, const QStringList& names);

// The texts that belong to `newNames` when the list changes from `oldNames`: a name that stays takes
// the text of its first occurrence before, a new name an empty text.
QStringList carryOverByName(const QStringList& oldNames, const QStringList& oldTexts,
                            const QStringList& newNames);

// The header variables renamed to `names`; a variable whose name stays keeps its value.
void renameHeaderVariables(HeaderDataValues& values, const QStringList& names);

}  // namespace korvex
