#include "print/formattedtext.h"

#include <QTextDocument>

#include <algorithm>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

const QString kText = QStringLiteral("<TIT>Themenliste\r\n1: Flüsse {und} Seen\r\n"
                                     "<tit>Zweiter Titel\r\n2: 5 € \\ Preis\r\n3: Ω\r\n");

} // namespace

TEST(FormattedText, PlainTextDropsTheTitleTags)
{
    EXPECT_EQ(
        formattedTextToPlain(kText),
        QStringLiteral("Themenliste\n1: Flüsse {und} Seen\nZweiter Titel\n2: 5 € \\ Preis\n3: Ω"));
    EXPECT_EQ(formattedTextToPlain(QString()), QString());
}

TEST(FormattedText, HtmlShowsTitlesBoldAndEscapesText)
{
    const QString html = formattedTextToHtml(QStringLiteral("<tit>A & B\r\n<b>kein Tag</b>\r\n"));
    EXPECT_TRUE(html.contains(QStringLiteral("<b>A &amp; B</b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;kein Tag&lt;/b&gt;")));
    QTextDocument doc;
    doc.setHtml(html);
    EXPECT_TRUE(doc.toPlainText().startsWith(QStringLiteral("A & B")));
}

TEST(FormattedText, RichTextInCodePage1252)
{
    const QByteArray rtf = formattedTextToRtf(kText);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
    EXPECT_TRUE(rtf.contains("\\b Themenliste\\b0\\par"));
    EXPECT_TRUE(rtf.contains("1: Fl\\'fcsse \\{und\\} Seen\\par"));
    EXPECT_TRUE(rtf.contains("2: 5 \\'80 \\\\ Preis\\par"));
    EXPECT_TRUE(rtf.contains("3: \\u937?\\par"));
    // Every byte is plain ASCII: the umlauts travel as escapes.
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}
