#pragma once

#include <QString>

namespace korvex {

class HostCallError;
class LanguageTables;

// What the user is told about a failed host call, in the user's language: the kind of failure
// (MessageBoxen 53 gone, 54 no answer, 55 refused), then what the host or the bus said.
QString hostFailureText(const LanguageTables& language, const HostCallError& error);

// The text for a host that has ended (MessageBoxen 53).
QString hostGoneText(const LanguageTables& language);

}  // namespace korvex
