#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

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

// Adds the lines of text at the end of document as formatted text: Arial 9
// points, one tab stop at 160 points, titles in bold followed by an empty
// 4-point line. An empty document is filled from its first line on.
void appendFormattedText(QTextDocument& document, const QString& text);

// Prints text as formatted text, paginated with margins of 2 cm. A PDF
// writer gets title as its document title; a printer takes its job name from
// its caller. Empty text on success, else what went wrong.
QString printFormattedText(QPagedPaintDevice& device, const QString& text, const QString& title);

} // namespace velunto
