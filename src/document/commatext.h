#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

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

// The items of a comma text, read by the same rule. An item that ends the
// text empty and unquoted ("a,") is not an item: readers of item lists give
// missing items their default.
QStringList readCommaItems(QStringView commaText);

// Writes items as a comma text. Unlike the lines of an object text, every
// empty item is quoted, so that an empty item at the end is read back.
QString writeCommaItems(const QStringList& items);

} // namespace velunto
