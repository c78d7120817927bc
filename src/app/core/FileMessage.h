#pragma once

#include <QString>

namespace korvex {

class LanguageTables;
class UserInteraction;

// A critical message: MessageBoxen entry `entry`, CR LF, and the path of the file it is about.
void tellFileProblem(UserInteraction& user, const LanguageTables& language, int entry, const QString& path);

}  // namespace korvex
