#pragma once

#include <QString>

namespace korvex {

// The characters a geometric-tolerancing symbol font shows as the symbol of a dimension type; the
// empty text for a type without a symbol.
QString symbolText(const QString& typeName);

// True-position axes of one coordinate, which have no tolerance cells of their own in a report.
bool isTruePositionCoordinate(const QString& typeName);

}  // namespace korvex
