#pragma once

#include "output/AsciiFormat.h"

#include <optional>

namespace korvex {

class NotationReader;
class NotationWriter;
class SettingsStore;

// The ASCII format as the dialog opens it: every value read from ASCIISettings (a missing value is
// stored with its default), then ticked columns without a place placed at the end.
AsciiFormat loadAsciiFormat(const SettingsStore& settings);

// Stores every value: check states "1"/"0", the delimiter, the file type options "-1"/"0", the places
// last. False when a value could not be stored.
[[nodiscard]] bool saveAsciiFormat(const AsciiFormat& format, const SettingsStore& settings);

// ASCII_Settings.cfg: 47 values in the write notation.
void writeAsciiFormat(const AsciiFormat& format, NotationWriter& out);
// nullopt when the file does not hold a complete set.
std::optional<AsciiFormat> readAsciiFormat(NotationReader& in);

}  // namespace korvex
