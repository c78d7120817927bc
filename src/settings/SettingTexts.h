#pragma once

#include <QString>

#include <optional>

namespace korvex {

// The three text forms in which the settings hold Booleans, each fixed per value.

// Reading any of them: "True"/"False" in any case, or a number where non-zero is true; nullopt for
// other text.
std::optional<bool> settingBoolean(const QString& text);
// The same with other text taken as false.
bool settingIsTrue(const QString& text);

// A whole number in 16 bits (places, list indices, codes); nullopt for other text, the empty text
// included.
std::optional<int> settingInteger(const QString& text);

// Check boxes: "1" / "0".
QString checkBoxText(bool checked);
// Option buttons: "-1" / "0".
QString optionButtonText(bool selected);
// Switches under the root (ZozadRegel, CurrentUser): "TRUE" / "FALSE", read back as exactly "TRUE"
// in any case; a number is not taken ("1" is off).
QString switchText(bool on);
bool textSwitchIsOn(const QString& text);

}  // namespace korvex
