#pragma once

#include <QString>

namespace korvex {

class LanguageTables;
class UserInteraction;

// Tells the user that the host failed while results were gathered: what was going on, the host's
// reason, and the hint to start the host (title "KORVEX Connection", critical icon).
void tellHostFailure(UserInteraction& user, const LanguageTables& language, const QString& reason);

}  // namespace korvex
