#pragma once

#include "app/core/StartArguments.h"
#include "characteristics/CharacteristicRecord.h"

#include <span>
#include <vector>

namespace korvex {

// The marking: one flag per characteristic row, item i for row i + 1.
using Selection = std::vector<bool>;

// The six mark buttons beside the characteristic list.
enum class MarkButton { All, InTolerance, OutOfTolerance, OverLimit, Clear, MarkedInProgram };

// The buttons that select by evaluation state ask first whether an existing marking is replaced.
bool asksBeforeReplacing(MarkButton button);

// The marking after a mark button: `replace` empties the current marking first for the buttons that
// ask; the other buttons decide it themselves.
Selection applyMarkButton(MarkButton button, std::span<const CharacteristicRecord> rows, Selection current,
                          bool replace);

// The marking an unattended run asks for with its mode and selection word: rows that go to the
// protocol ("PROTOKOLL", "BEIDE"), marked in the part program for the modes m and o; all of them for
// the words ALL and ALO (any case) or no word, only those out of tolerance or over the intervention
// limit for the exact word OOT, none for any other word.
Selection startOptionSelection(std::span<const CharacteristicRecord> rows, RunMode mode, const QString& word);

}  // namespace korvex
