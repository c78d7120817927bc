#pragma once

#include "host/sim/SimProgram.h"

namespace korvex {

// A synthetic part program of exactly `commandCount` commands for speed measurements: a repeating
// mix of comments, location and true-position dimensions with their axes, plain and generic
// dimensions, feature measurements and assignments, some values over the limit or out of tolerance.
SimProgram generatePartProgram(int commandCount);

}  // namespace korvex
