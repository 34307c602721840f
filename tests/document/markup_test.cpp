#include "document/markup.h"
#include "document/records.h"

#include <gtest/gtest.h>

namespace velunto {
namespace {

TEST(Markup, RecognisesTagsCaseInsensitivelyAndRejectsMalformedOnes)
{
    struct Case
    {
        const char* text;
        TagKind kind;
        int length;
        int value;
    };
    const Case cases[] = {
        {"<B>x", TagKind::BoldOn, 3, 0},
        {"</b>", TagKind::BoldOff, 4, 0},
        {"<i>", TagKind::ItalicOn, 3, 0},
        {"</I>", TagKind::ItalicOff, 4, 0},
        {"<u>", TagKind::UnderlineOn, 3, 0},
        {"</U>", TagKind::UnderlineOff, 4, 0},
        {"<<Osten>>", TagKind::GapOpen, 2, 0},
        {">>", TagKind::GapClose, 2, 0},
        {"<@Linie>", TagKind::Rule, 8, 0},
        {"<@POSX=50%>Wort", TagKind::TabStop, 11, 50},
        {"<@posx=07%>", TagKind::TabStop, 11, 7},
        {"<@REB=03>123", TagKind::RightAlign, 9, 3},
        {"<@col=00ff0A>", TagKind::ColourOn, 13, 0},
        {"</@COL>", TagKind::ColourOff, 7, 0},
        // plain text: wrong digit counts, missing closers, unknown tags
        {"<@POSX=5%>", TagKind::None, 0, 0},
        {"<@POSX=50>", TagKind::None, 0, 0},
        {"<@REB=3>", TagKind::None, 0, 0},
        {"<@REB=0a>", TagKind::None, 0, 0},
        {"<@REB=12", TagKind::None, 0, 0},
        {"<@COL=00FG00>", TagKind::None, 0, 0},
        {"<@COL=00FF0>", TagKind::None, 0, 0},
        {"<b", TagKind::None, 0, 0},
        {"<x>", TagKind::None, 0, 0},
        {"a<b>", TagKind::None, 0, 0},
    };
    for (const Case& c : cases) {
        const MarkupTag tag = tagAt(QString::fromUtf8(c.text), 0);
        EXPECT_EQ(tag.kind, c.kind) << c.text;
        EXPECT_EQ(tag.length, c.length) << c.text;
        EXPECT_EQ(tag.value, c.value) << c.text;
    }
    EXPECT_EQ(tagAt(u"ab", 5).kind, TagKind::None);
    EXPECT_EQ(tagAt(u"a<B>", 1).kind, TagKind::BoldOn);
}

TEST(Markup, RemovesTagsButKeepsGapMarksAndPlainBrackets)
{
    const QString text = QStringLiteral(
        "<B>Fett</b> <@COL=0000FF>rot</@col><@LINIE>x<@POSX=50%>y<@REB=03>12 <<a|b>> 3<5 <@REB=3>");
    EXPECT_EQ(removeTags(text), QStringLiteral("Fett rotxy12 <<a|b>> 3<5 <@REB=3>"));
    EXPECT_EQ(removeStyleTags(QStringLiteral("<b>a</B><I>b</i><u>c</U><@LINIE>")),
              QStringLiteral("abc<@LINIE>"));
}

TEST(Markup, WrapsSelectionKeepingBlanksOutsideAndMovingFinalPunctuation)
{
    struct Case
    {
        const char* text;
        int start;
        int length;
        const char* expected;
        int selStart;
        int selLength;
    };
    const Case cases[] = {
        {"Die Sonne geht", 4, 5, "Die <b>Sonne</b> geht", 4, 12},
        // blanks at both ends stay outside as one blank each
        {"Die Sonne geht", 3, 7, "Die <b>Sonne</b> geht", 4, 12},
        {"a   Wort   b", 1, 10, "a <b>Wort</b> b", 2, 11},
        // a line break counts as white space
        {"x\r\nWort", 1, 6, "x <b>Wort</b>", 2, 11},
        // one final punctuation mark moves behind the tag
        {"im Osten.", 3, 6, "im <b>Osten</b>.", 3, 12},
        {"Wie? ", 0, 5, "<b>Wie</b>? ", 0, 10},
        {"Ja!!", 0, 4, "<b>Ja!</b>!", 0, 10},
        // an empty selection inserts both tags with the cursor between them
        {"ab", 1, 0, "a<b></b>b", 4, 0},
        // a selection beyond the text is clamped
        {"ab", 1, 99, "a<b>b</b>", 1, 8},
    };
    for (const Case& c : cases) {
        const EditedText r =
            wrapSelectionInStyleTag(QString::fromUtf8(c.text), c.start, c.length, StyleBit::Bold);
        EXPECT_EQ(r.text, QString::fromUtf8(c.expected)) << c.text;
        EXPECT_EQ(r.selectionStart, c.selStart) << c.text;
        EXPECT_EQ(r.selectionLength, c.selLength) << c.text;
    }
}

TEST(Markup, SecondWrapEnclosesTheFirstAndGapMarksWorkTheSameWay)
{
    EditedText r = wrapSelectionInStyleTag(QStringLiteral("ein Wort."), 4, 5, StyleBit::Bold);
    r = wrapSelectionInStyleTag(r.text, r.selectionStart, r.selectionLength, StyleBit::Italic);
    EXPECT_EQ(r.text, QStringLiteral("ein <i><b>Wort</b></i>."));
    r = wrapSelectionInStyleTag(QStringLiteral("x"), 0, 1, StyleBit::Underline);
    EXPECT_EQ(r.text, QStringLiteral("<u>x</u>"));

    r = wrapSelection(QStringLiteral("Das Haus, das"), 4, 6, QStringLiteral("<<"),
                      QStringLiteral(">>"));
    EXPECT_EQ(r.text, QStringLiteral("Das <<Haus>>, das"));
}

} // namespace
} // namespace velunto
