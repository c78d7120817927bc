#pragma once

#include "output/AsciiOutputFixture.h"
#include "output/DfqReader.h"

#include <vector>

namespace korvex::test {

// A DFQ output into the ASCII fixture's folders, named HOUSING__4711.dfq (the name parts the ASCII
// tests use), with a reader that checks every field of the written file against the rows.
class DfqFixture : public AsciiOutputFixture {
  protected:
    DfqFixture();

    // The rows of the example part program (examples/), as an offline read gives them, every list
    // entry marked; the part program's names become the fixture's.
    void readExample(const char* fileName);

    QString dfqPath(const QString& counter = {}) const;
    // The written file, read back; fails the test when it is no AQDEF file.
    DfqFileRead readBack(const QString& path) const;
    // The rows a result file holds (marked, reported, not kept out by "<<#").
    std::vector<const CharacteristicRecord*> writtenRows();
    // Checks every field of the description and of each run against the rows and the moments.
    void expectFileOfRows(const DfqFileRead& file, const std::vector<const CharacteristicRecord*>& rows,
                          const QStringList& moments) const;
    QString messageText() const { return user_.messages.empty() ? QString() : user_.messages.front().text; }
};

}  // namespace korvex::test
