#pragma once

#include "output/ResultFileName.h"

#include <QDateTime>
#include <QString>

#include <span>

namespace korvex {

class HeaderDataValues;
struct CharacteristicRecord;

// What every value of one run carries besides the measured value: the moment of the output and, when
// the header data supply them, the batch number (K0006) and the part ident (K0014).
struct DfqRunFacts {
    QDateTime measuredAt;
    QString batchNumber;
    QString partIdent;
};

// The facts of a run measured at `measuredAt`: the header-data variables named "K0006" and "K0014"
// (without the blanks around the name, in any case) give the batch number and the part ident.
DfqRunFacts dfqRunFacts(const HeaderDataValues& headerData, const QDateTime& measuredAt);

// The description block of an AQDEF file for the rows: K0100 (number of characteristics), the part
// fields K1001 (drawing number), K1002 (part name), K1004 (revision), then per row i the fields
// K2001/i ... K2142/i. One field per line, CR LF. The same part program gives the same bytes, which
// is how a file of it is recognised.
QString dfqDescription(const PartProgramNames& names, std::span<const CharacteristicRecord* const> rows);

// The values of one run: one value line (value, attribute and date/time of every row, rows separated)
// and the K0006/K0014 lines of each row where the facts hold them. Empty for no rows.
QString dfqValues(std::span<const CharacteristicRecord* const> rows, const DfqRunFacts& facts);

}  // namespace korvex
