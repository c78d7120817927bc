#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace korvex::test {

// A field key and the characteristic it belongs to (0: the part or the file).
using DfqKey = std::pair<QString, int>;
using DfqFields = std::map<DfqKey, QString>;

struct DfqValue {
    QString value;
    QString attribute;
    QString moment;
};

// One value line with the field lines that follow it.
struct DfqRunRead {
    std::vector<DfqValue> values;
    DfqFields fields;
};

struct DfqFileRead {
    DfqFields description;
    std::vector<DfqRunRead> runs;
};

// Reads an AQDEF file as an SPC system would: field lines "Kxxxx[/i] text" up to the first value
// line form the description; each value line holds the characteristics' values (separated by 0x0F),
// each as value, attribute and date/time (separated by 0x14); field lines after a value line belong
// to it. Every line must end in CR LF and no field may occur twice in one place. The reason it is not
// such a file otherwise.
struct DfqParse {
    std::optional<DfqFileRead> file;
    QString error;
};
DfqParse readDfq(const QByteArray& bytes);

}  // namespace korvex::test
