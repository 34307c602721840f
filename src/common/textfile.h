#pragma once

#include <QString>

#include <optional>

namespace velunto {

// The text of a plain text file the author inserts into an editor field:
// UTF-8 as written on this computer, code page 1252 when the bytes are not
// UTF-8 (older files). Line breaks become CR LF. nullopt when the file
// cannot be read; files larger than maxBytes are not read.
std::optional<QString> readTextFile(const QString& path, qint64 maxBytes = 16 * 1024 * 1024);

} // namespace velunto
