#pragma once

#include <QString>

namespace velunto {

// Object texts are stored in comma-text form: each line of the text becomes
// one item, items are joined by commas, and an item that holds a control
// character, a blank, a double quote or a comma is enclosed in double quotes
// with inner quotes doubled.
QString toCommaText(const QString& text);

// Parses a comma text back into lines joined by CR LF. Unquoted blanks
// separate items as commas do; line breaks at the end are dropped. A NUL
// character ends the text.
QString fromCommaText(const QString& commaText);

} // namespace velunto
