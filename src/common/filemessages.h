#pragma once

#include <QString>

namespace velunto {

// The texts with which every reader and writer of the program reports a
// failed file operation.
QString fileMissingMessage(const QString& path);
QString fileReadErrorMessage(const QString& path);
QString fileWriteErrorMessage(const QString& path);

} // namespace velunto
