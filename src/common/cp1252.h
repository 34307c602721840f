#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velunto {

// Every text in the program's files is code page 1252. All 256 byte values
// decode to a character and encode back to the same byte.
QString fromCp1252(QByteArrayView bytes);
QByteArray toCp1252(const QString& text);

// True when every character of text has a code page 1252 byte, so that
// toCp1252 loses nothing.
bool fitsCp1252(const QString& text);

// The characters of text that code page 1252 cannot hold, each once, in
// order of first appearance; empty when the text fits.
QString charactersOutsideCp1252(const QString& text);

} // namespace velunto
