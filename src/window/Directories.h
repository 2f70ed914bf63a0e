#pragma once

#include <QString>

namespace qz7t {

// True when the directory can be opened and listed now.
bool CanListDirectory(const QString& directory);

// The absolute form of a directory path, without "." or ".." parts.
QString AbsoluteDirectory(const QString& directory);

}  // namespace qz7t
