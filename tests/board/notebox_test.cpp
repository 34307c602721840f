#include "view/board/notebox.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace velunto;

TEST(NoteBox, SizesStayInTheirLimits)
{
    EXPECT_EQ(NoteBoxSettings::clampFontSize(9), 10);
    EXPECT_EQ(NoteBoxSettings::clampFontSize(21), 20);
    EXPECT_EQ(NoteBoxSettings::clampWidth(0), 250);
    EXPECT_EQ(NoteBoxSettings::clampWidth(424), 400);
    EXPECT_EQ(NoteBoxSettings::clampWidth(5000), 1200);
    EXPECT_EQ(NoteBoxSettings::clampHeight(300), 350);
    EXPECT_EQ(NoteBoxSettings::clampHeight(1030), 1000);
}

TEST(NoteBox, RichTextRoundTrip)
{
    QTextDocument note;
    QTextCursor c(&note);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("Größe "), QTextCharFormat());
    c.insertText(QStringLiteral("fett"), bold);
    QTextCharFormat mixed;
    mixed.setFontItalic(true);
    mixed.setFontUnderline(true);
    mixed.setFontPointSize(16);
    c.insertBlock();
    c.insertText(QStringLiteral("{a\\b}\t€ ≤ 5"), mixed);

    const QByteArray rtf = noteToRtf(note, QStringLiteral("Arial"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    QTextDocument back;
    ASSERT_TRUE(rtfToNote(rtf, back));
    EXPECT_EQ(back.toPlainText(), note.toPlainText());
    const QTextBlock second = back.begin().next();
    ASSERT_TRUE(second.isValid());
    const QTextCharFormat f = second.begin().fragment().charFormat();
    EXPECT_TRUE(f.fontItalic());
    EXPECT_TRUE(f.fontUnderline());
    EXPECT_EQ(f.fontPointSize(), 16);
    bool boldFound = false;
    for (auto it = back.begin().begin(); !it.atEnd(); ++it)
        boldFound = boldFound || (it.fragment().text() == QStringLiteral("fett") &&
                                  it.fragment().charFormat().fontWeight() == QFont::Bold);
    EXPECT_TRUE(boldFound);
}

TEST(NoteBox, ReadsForeignRichTextAndPlainFiles)
{
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    };
    QTextDocument note;
    // Font table, colour table and a hidden destination are left out;
    // \u with its stand-in and \'hh are read.
    const QString rtf = write(
        "a.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                 "{\\*\\generator Writer;}\\f0 Sch\\'f6n \\u8364?uro\\par\n{\\b zwei}\\line drei}");
    EXPECT_TRUE(readNoteFile(rtf, note).isEmpty());
    EXPECT_EQ(note.toRawText(), QStringLiteral("Schön €uro\u2029zwei\u2028drei"));

    const QString text = write("b.txt", "Zeile 1\nÄrger");
    EXPECT_TRUE(readNoteFile(text, note).isEmpty());
    EXPECT_EQ(note.toPlainText(), QStringLiteral("Zeile 1\nÄrger"));

    // A missing file names itself and leaves the note.
    const QString missing = dir.filePath(QStringLiteral("fehlt.rtf"));
    EXPECT_TRUE(readNoteFile(missing, note).contains(missing));
    EXPECT_EQ(note.toPlainText(), QStringLiteral("Zeile 1\nÄrger"));

    // Broken rich text ends where the bytes end.
    for (const char* broken : {"{\\rtf", "{\\rtf1 {{{{\\b", "{\\rtf1 \\'4", "{\\rtf1 \\u-",
                               "{\\rtf1 }}}}} text \\", "{\\rtf1 \\u99999999999999 x}"})
        EXPECT_TRUE(rtfToNote(QByteArray(broken), note)) << broken;

    const QString saved = dir.filePath(QStringLiteral("notiz.rtf"));
    note.setPlainText(QStringLiteral("Hausaufgabe"));
    EXPECT_TRUE(writeNoteFile(saved, note, QStringLiteral("Arial")).isEmpty());
    QTextDocument again;
    EXPECT_TRUE(readNoteFile(saved, again).isEmpty());
    EXPECT_EQ(again.toPlainText(), QStringLiteral("Hausaufgabe"));
    EXPECT_FALSE(writeNoteFile(dir.filePath(QStringLiteral("no/such/dir/x.rtf")), note,
                               QStringLiteral("Arial"))
                     .isEmpty());
}
