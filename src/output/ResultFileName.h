#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace korvex {

// The texts of the host's active part program that result file names are made of, read from the
// host just before the name is built.
struct PartProgramNames {
    QString partName;
    QString drawingNumber;
    QString revision;
};

// How result file names are built: one code per name position (the lists of the output file
// settings), the separator code and the running counter.
struct ResultFileNaming {
    static constexpr int kPositions = 5;

    std::array<int, kPositions> codes{0, 1, 1, 1, 1};
    int separatorCode = 1;
    bool useCounter = false;

    bool operator==(const ResultFileNaming&) const = default;
};

// The moment a name is built for: its date in the locale's short form, its time as timeText.
struct NamingMoment {
    QDateTime now;
    QLocale locale;
};

using FileExistsTest = std::function<bool(const QString& path)>;

// The full path: prefix (the folder, ending in a separator), the name parts joined by the separator
// with trailing empty parts dropped, with the counter the first free number 0001..9999, then "." and
// the extension; `exists` is asked for each counter name in turn and the first it denies is taken (a
// writer may create the file in that same step, so that no other writer can take the name between
// the test and the creation). Characters a file name cannot hold ("/", ":" and the like) become "-" in every
// part, so neither a short date nor a host text can lead outside the folder. nullopt when the
// counter is on and all 9999 numbers are taken: the oldest results are never overwritten.
std::optional<QString> resultFileName(const ResultFileNaming& naming, const PartProgramNames& names,
                                      const NamingMoment& moment, const QString& prefix,
                                      const QString& extension, const FileExistsTest& exists);

// The text with every character a file name cannot hold ("/", ":", control characters and the like)
// replaced by "-".
QString fileNameSafe(QString text);
// Whether a name position (0 to 4) offers the code, and whether the separator code is one of the list.
bool isKnownNameCode(std::size_t position, int code);
bool isKnownSeparatorCode(int code);

// The time as "hh.mm.ss", hours 00 to 23.
QString timeText(const QTime& time);

// The separator text of a separator code; unknown codes give that of code 0.
QString separatorText(int code);

}  // namespace korvex
