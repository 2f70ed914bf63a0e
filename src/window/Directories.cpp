#include "window/Directories.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace qz7t {

bool CanListDirectory(const QString& directory)
{
    std::error_code error;
    std::filesystem::directory_iterator probe(QFile::encodeName(directory).toStdString(), error);
    return !error;
}

QString AbsoluteDirectory(const QString& directory)
{
    return QDir::cleanPath(QDir(directory).absolutePath());
}

}  // namespace qz7t
