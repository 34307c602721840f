#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextDocument;

namespace velunto {

// The note box ("Notizbox"): a rich-text note that lives for the program's
// run, with its font size and inner window size.
struct NoteBoxSettings
{
    static constexpr int kMinFontSize = 10, kMaxFontSize = 20;
    static constexpr int kMinWidth = 250, kMaxWidth = 1200;
    static constexpr int kMinHeight = 350, kMaxHeight = 1000;
    static constexpr int kSizeStep = 50;

    int fontSize = 12;
    int width = 400;
    int height = 350;

    // Values as the dialog's fields allow them: inside the limits, window
    // sizes on the steps of 50.
    static int clampFontSize(int size);
    static int clampWidth(int width);
    static int clampHeight(int height);
};

// Reads a note file into document: rich text when the file starts with
// "{\rtf", otherwise UTF-8 text. Returns the error message, empty on
// success; on failure document is left as it was.
QString readNoteFile(const QString& path, QTextDocument& document);
// Writes document as rich text (replacing the file at once); returns the
// error message, empty on success.
QString writeNoteFile(const QString& path, const QTextDocument& document, const QString& font);

// The rich-text form of a note: paragraphs, line breaks, tabs, bold,
// italic, underline and font sizes, characters outside code page 1252 as
// Unicode escapes.
QByteArray noteToRtf(const QTextDocument& document, const QString& font);
// Fills document with the text of rich-text bytes (the same features;
// tables, pictures and fields are left out). False when the bytes are no
// rich text.
bool rtfToNote(QByteArrayView rtf, QTextDocument& document);

} // namespace velunto
