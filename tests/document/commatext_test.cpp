#include "document/commatext.h"

#include <gtest/gtest.h>

using namespace velunto;

TEST(CommaText, WritesLinesQuotedWhereNeeded)
{
    const struct
    {
        QString text;
        QString stored;
    } cases[] = {
        {"eins\r\nzwei", "eins,zwei"},
        {"a b\r\nc", "\"a b\",c"},
        {"sag \"hallo\"", "\"sag \"\"hallo\"\"\""},
        {"x,y", "\"x,y\""},
        {"", ""},
        {"\r\n", "\"\""},
        {"\r\nb", ",b"}, // an empty line among others stays empty
        {"a\r\n\r\nb", "a,,b"},
        {"tab\there", "\"tab\there\""},
        {"a\nb\rc", "a,b,c"},
        {"Größe €", "\"Größe €\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(toCommaText(c.text), c.stored);
    }
}

TEST(CommaText, ParsesStoredTextsIntoLines)
{
    const struct
    {
        QString stored;
        QString text;
    } cases[] = {
        {"\"a b\",c", "a b\r\nc"},
        {"a b", "a\r\nb"}, // an unquoted blank separates lines
        {"  a ,  b  ", "a\r\nb"},
        {"\"  a  \"", "  a  "},
        {"a,,b", "a\r\n\r\nb"},
        {"a,b,,", "a\r\nb"}, // empty lines at the end are dropped
        {"\"\"", ""},
        {"\"x\"\"y\"", "x\"y"},
        {"\"offen", "offen"},
        {"\"a\"b", "a\r\nb"},
        {QString("a") + QChar(0) + "b,c", "a"}, // NUL ends the text
        {QString(QChar(0)), ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        EXPECT_EQ(fromCommaText(c.stored), c.text);
    }
}

TEST(CommaText, EveryTextWithoutTrailingBreaksSurvives)
{
    const QString texts[] = {
        "Hauptstadt",
        "zwei Wörter\r\nund \"mehr\"",
        "\r\n\r\nunten",
        " führend und folgend ",
        "Komma, Punkt.\r\n\r\n\"\"",
        "\t",
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(fromCommaText(toCommaText(text)), text);
    }
}
