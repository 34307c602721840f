#pragma once

#include <QByteArray>
#include <QString>

namespace velunto {

// Formatted text: lines separated by CR LF; a line that begins with "<tit>"
// in any letter case is a title, shown without the tag in bold and followed
// by a small empty line; every other line is 9-point text. Protocols, the
// exercise information and the topic list are written this way.

// The text without title tags, lines separated by "\n".
QString formattedTextToPlain(const QString& text);

// The text as HTML for showing it and for the clipboard.
QString formattedTextToHtml(const QString& text);

// The text as a rich-text (RTF) document in code page 1252; characters
// outside it are written as Unicode escapes.
QByteArray formattedTextToRtf(const QString& text);

} // namespace velunto
