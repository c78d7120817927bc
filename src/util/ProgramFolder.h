#pragma once

#include <QString>
#include <QStringView>

namespace korvex {

// The environment variable that moves the program folder (for tests, and for a program folder of
// one's own).
inline constexpr const char* kProgramFolderVariable = "KORVEX_TABULOR_HOME";

// The program folder: LanguageFiles/, HeaderData.cfg, ASCII_Settings.cfg and OutputFile_Settings.cfg.
// An installed program keeps the files it ships in a read-only folder and writes beside them in a
// folder of the user's; a program folder the program may write is both at once.
class ProgramFolder {
  public:
    // One folder that is read and written.
    explicit ProgramFolder(const QString& folder);
    // Files are written to `writable` and read from there first, then from `shipped`.
    ProgramFolder(const QString& writable, const QString& shipped);

    const QString& writable() const { return writable_; }
    const QString& shipped() const { return shipped_; }

    // The user's copy of a file when there is one, else the shipped file (which may not exist either).
    QString fileToRead(QStringView relativePath) const;
    // Where the file is written; its folder is made when missing.
    QString fileToWrite(QStringView relativePath) const;

    bool operator==(const ProgramFolder&) const = default;

  private:
    QString writable_;
    QString shipped_;
};

// The places the program folder is chosen from.
struct ProgramFolderPlaces {
    QString movedTo;           // $KORVEX_TABULOR_HOME; empty when not set
    QString executableFolder;  // the folder of the running executable
    bool executableFolderWritable = false;
    QString userFolder;  // the per-user folder below the XDG data home
};

// $KORVEX_TABULOR_HOME when set; else the executable's folder when it holds LanguageFiles/ (a build
// tree or a copied program folder), and the user's folder for writing when the executable's folder is
// read-only; else the installed layout: files shipped in ../share/korvex-tabulor beside the executable's
// folder, written to the user's folder.
ProgramFolder chooseProgramFolder(const ProgramFolderPlaces& places);

// The program folder of this process; a per-user folder is made when missing.
ProgramFolder programFolder();

// The folder of the language files below a program folder.
QString languageFolder(const QString& programFolderPath);

}  // namespace korvex
