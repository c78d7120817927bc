#include "characteristics/HeaderDataValues.h"

#include "util/BlankTrim.h"

#include <algorithm>

namespace korvex {

void HeaderDataValues::setNames(const QStringList& names) {
    variables_.clear();
    for (const QString& name : names)
        variables_.push_back({name, QString()});
}

void HeaderDataValues::clearValues() {
    for (Variable& variable : variables_)
        variable.value.clear();
}

bool HeaderDataValues::assign(const QString& variableName, const QString& value) {
    const auto match = std::ranges::find_if(
        variables_, [&](const Variable& variable) { return trimBlanks(variable.name) == variableName; });
    if (match == variables_.end())
        return false;
    match->value = value;
    return true;
}

}  // namespace korvex
