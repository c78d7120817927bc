#pragma once

#include "util/AnsiCodec.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace korvex {

// One table per section of a language file, in the order their header lines are tested.
enum class LanguageTable {
    About,
    AsciiFileSetup,
    OutputFileSetup,
    BatchFileEditor,
    ReportDesignSetup,
    WindowPositionSetup,
    MainWindow,
    HeaderDataSetup,
    ExcelOnline,
    SavePartProgram,
    SelectOutputFolder,
    MessageBoxen,
    StatusBar,
    Version202,
    Version210,
};

inline constexpr std::size_t kLanguageTableCount = 15;

// The exact header line that starts the table's section in a language file.
QString headerLineOf(LanguageTable table);

// The table whose header line equals the line exactly, if any.
std::optional<LanguageTable> tableOfHeaderLine(const QString& line);

// The texts of the loaded language: per table a list indexed from 0, where entry 0 is empty and
// entry 1 is the section's header line. A table no file has filled yet holds no entries.
class LanguageTables {
  public:
    // The largest entry number a section may hold (a 16-bit signed counter).
    static constexpr int kMaxEntries = 32767;

    // The entry's text; empty when the table or the entry does not exist.
    QString text(LanguageTable table, int entry) const;
    bool isAllocated(LanguageTable table) const;
    // The highest entry number the table holds (0 when unallocated).
    int lastEntry(LanguageTable table) const;

    // Starts the table anew with its header line as entry 1 (a section read again replaces it).
    void beginSection(LanguageTable table, const QString& headerLine);
    // Appends the next entry; false when the section already holds kMaxEntries entries.
    bool appendEntry(LanguageTable table, const QString& line);
    // Takes the other tables' texts for every table that holds none.
    void adoptUnallocated(const LanguageTables& other);

    // The code page of the loaded language, in which its file is read and in which .cfg files and
    // result files are read and written while it is active.
    AnsiCodePage codePage() const { return codePage_; }
    void setCodePage(AnsiCodePage codePage) { codePage_ = codePage; }

  private:
    std::array<std::optional<QStringList>, kLanguageTableCount> tables_;
    AnsiCodePage codePage_ = AnsiCodePage::Windows1252;
};

}  // namespace korvex
