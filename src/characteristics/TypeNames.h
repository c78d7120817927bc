#pragma once

#include <QString>

namespace korvex {

// The dimension type name of a host command type code, e.g. 1002 "X_LOCATION"; any code without a
// name gives "UNKNOWN DIMENSION TYPE".
QString typeNameOfCommand(int typeCode);

// The dimension type name of a generic dimension's code (its field 708), e.g. 10 "FLATNESS"; any code
// without a name gives "UNKNOWN DIMENSION TYPE".
QString typeNameOfGenericCode(int genericCode);

}  // namespace korvex
