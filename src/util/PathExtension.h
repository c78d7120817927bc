#pragma once

#include <QString>

namespace korvex {

// The path without the extension of its file name (from the last dot of the name on); the path as it
// is when the name has none. Both "/" and "\" separate folders, so Windows paths are taken apart on
// every platform; a dot that starts the name makes a hidden name, not an extension.
QString pathWithoutExtension(const QString& path);

}  // namespace korvex
