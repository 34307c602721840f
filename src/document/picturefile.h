#pragma once

#include "document/records.h"

#include <QString>

namespace velunto {

class Document;

// A picture read from a file, or the message that says why not.
struct PictureFileResult
{
    Picture picture; // null on failure
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Reads a ".bmp", ".png" or ".jpg" file (extension compared without regard
// to case) into a picture. Any other extension gives "Öffnen fehlgeschlagen
// wegen ungültiger Dateinamenserweiterung."; a file that cannot be read or
// decoded gives the file read error.
PictureFileResult loadPictureFile(const QString& path);

// Makes the picture of a ".bmp", ".png" or ".jpg" file the BaseImage and
// marks the document modified. On failure the document is unchanged and the
// result carries the message. The caller recomputes the page geometry.
PictureFileResult insertBaseImageFromFile(Document& document, const QString& path);

} // namespace velunto
