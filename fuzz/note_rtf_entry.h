#pragma once

// What the fuzzer checks for one note file in rich text, shared with the
// test that replays its seed corpus.

#include "view/board/notebox.h"

#include <QByteArrayView>
#include <QString>
#include <QTextDocument>

namespace velunto::fuzzing {

// Reads bytes as a note. Besides not crashing: no byte may become more than
// one character of text, and writing the note and reading it back keeps its
// text. Returns the rule that broke, empty when all held.
inline QString checkNoteRtf(QByteArrayView bytes)
{
    QTextDocument note;
    if (!rtfToNote(bytes, note))
        return {};
    const QString text = note.toRawText();
    if (text.size() > bytes.size())
        return QStringLiteral("the note holds more characters than the file has bytes");
    QTextDocument again;
    if (!rtfToNote(noteToRtf(note, QStringLiteral("Arial")), again))
        return QStringLiteral("the written note is no rich text");
    if (again.toRawText() != text)
        return QStringLiteral("the note changed when written and read again");
    return {};
}

} // namespace velunto::fuzzing
