#pragma once

#include "host/sim/SimProgram.h"

#include <QString>

#include <array>

namespace korvex::test {

// A dimension command as the protocol reads it: nominal 10 + position, measured a little off,
// upper tolerance 0.1, lower tolerance 0.05 (a magnitude).
SimCommand protocolDimension(int typeCode, const QString& identifier, const std::array<QString, 3>& features,
                             bool marked = true);
SimCommand protocolAxis(int typeCode, const QString& identifier, bool truePosition, double measured);
SimCommand protocolComment();

// A part program with a location group X/Y/Z, a distance between two features, a dimension whose
// first feature name is blank, a true-position group with a TRUE_DIAM_LOCATION axis and an unmarked
// distance. Executed, it gives the rows of kExecutedColumnA.
SimProgram protocolProgram();

// Column A of the rows an execution of protocolProgram() writes, from row 2 on.
inline constexpr std::array<const char*, 10> kExecutedColumnA = {"LOC1",
                                                                 "X_LOCATION von CIR1",
                                                                 "Y_LOCATION von CIR1",
                                                                 "Z_LOCATION von CIR1",
                                                                 "DIST1",
                                                                 "2D_DISTANCE von PNT1--PNT2",
                                                                 "RND1",
                                                                 "",
                                                                 "TP1",
                                                                 "TRUE_DIAM_LOCATION von CIR2"};

}  // namespace korvex::test
