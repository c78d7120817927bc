#pragma once

#include "util/UserInteraction.h"

#include <initializer_list>

namespace korvex {

class LanguageTables;

// Shows a message box whose text is MessageBoxen entries joined by CR LF, under the application
// title.
void showMessageBoxen(UserInteraction& user, const LanguageTables& language, MessageIcon icon,
                      std::initializer_list<int> entries);

}  // namespace korvex
