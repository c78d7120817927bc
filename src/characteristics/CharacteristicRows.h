#pragma once

#include "characteristics/CaptureState.h"
#include "characteristics/CharacteristicRecord.h"

namespace korvex {

struct CaptureOptions;
struct CommandSnapshot;
struct DimensionSnapshot;
struct GenericFieldsSnapshot;

// The fields of the characteristic rows that one command gives, by the kind of row. The comment link
// is the walk's business (CommandCapture); everything else of a row is filled here, every real
// rounded as it comes from the host.

// An axis of a location dimension: name, features, output and unit come from the header.
void fillLocationAxisRow(CharacteristicRecord& row, const CommandSnapshot& command,
                         const DimensionSnapshot& dimension, const LocationHeader& header);

// An axis of a true-position dimension: as a location axis, with bonus, material condition and datums.
void fillTruePositionAxisRow(CharacteristicRecord& row, const CommandSnapshot& command,
                             const DimensionSnapshot& dimension, const LocationHeader& header,
                             const CaptureOptions& options);

// Any other dimension, with its own name, features, output and unit.
void fillPlainRow(CharacteristicRecord& row, const CommandSnapshot& command,
                  const DimensionSnapshot& dimension);

// A generic dimension (type 184), from the command's fields.
void fillGenericRow(CharacteristicRecord& row, const CommandSnapshot& command,
                    const GenericFieldsSnapshot& fields);

}  // namespace korvex
