#pragma once

#include <QString>

namespace velunto {

// A text file read for an editor ("Aus Datei einfügen..."): UTF-8 when the
// bytes are valid UTF-8 (a byte order mark is dropped), otherwise code page
// 1252; every line break becomes CR LF. A file that is missing, unreadable or
// larger than an editor can sensibly hold gives the program's file message.
struct TextFileResult
{
    bool ok = false;
    QString text;
    QString error;
};
TextFileResult readTextFile(const QString& path);

} // namespace velunto
