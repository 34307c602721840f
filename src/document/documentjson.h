#pragma once

#include "document/document.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace velunto {

// The stored content of a document as JSON, for checking files: every stored
// header and object field under its own name, the gap table cells in use,
// the crossword block of a crossword, the document font, and every picture as
// {"width", "height", "rgba_sha256"}. BilderPasswort appears unscrambled.
QJsonObject documentToJson(const Document& document);

// {"width", "height", "rgba_sha256"} of a picture, null for none.
QJsonValue pictureToJson(const Picture& picture);

// SHA-256 (hex) of the picture's straight (not premultiplied) R, G, B, A
// bytes, row by row.
QString straightRgbaSha256(const Picture& picture);

} // namespace velunto
