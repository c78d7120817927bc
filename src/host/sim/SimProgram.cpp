#include "host/sim/SimProgram.h"

#include <algorithm>

namespace korvex {

const SimField* SimCommand::field(int code, int index) const {
    const auto match = std::ranges::find_if(fields, [&](const SimField& candidate) {
        return candidate.code == code && candidate.index == index;
    });
    return match == fields.end() ? nullptr : &*match;
}

}  // namespace korvex
