#include "print/formattedtext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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
    EXPECT_EQ(formattedTextToPlain(QStringLiteral("Teil 1:<tab>Gewicht 2\r\n")),
              QStringLiteral("Teil 1:\tGewicht 2"));
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
    EXPECT_TRUE(rtf.contains("\\pard\\tx3200\\f0\\fs18\\b Themenliste\\b0\\par"));
    EXPECT_TRUE(rtf.contains("1: Fl\\'fcsse \\{und\\} Seen\\par"));
    EXPECT_TRUE(rtf.contains("2: 5 \\'80 \\\\ Preis\\par"));
    EXPECT_TRUE(rtf.contains("3: \\u937?\\par"));
    // Every byte is plain ASCII: the umlauts travel as escapes.
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

namespace {

// What an independent reader (unrtf) makes of RTF bytes, in the given mode.
QByteArray unrtf(const QByteArray& rtf, const char* mode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.rtf"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(rtf) == rtf.size());
    f.close();
    QProcess p;
    p.start(QStringLiteral("unrtf"), {QString::fromLatin1(mode), path});
    EXPECT_TRUE(p.waitForFinished(30000)) << "unrtf is installed by scripts/setup-deps.sh";
    return p.readAllStandardOutput();
}

QString words(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

} // namespace

// unrtf's text mode writes Latin-1 and its own spacing for tabs and
// paragraphs: the words must come back as written. Its HTML mode shows what
// Latin-1 cannot hold, the bold titles and the sizes.
TEST(FormattedText, RichTextReadsBackWithAnIndependentReader)
{
    const QString text = QStringLiteral(
        "<tit>Übungsprotokoll\r\nDatum/Uhrzeit (Beginn):\t05.03.2024 14:30:15\r\n"
        "Teilnehmername:\tJörg Weiß {\\Gruppe 2}\r\n\r\n<TiT>Statistik-Zusammenfassung\r\n"
        "Erfolgsquote:\t85.0 %\r\n0:05 - Übung wird gestartet\r\n");
    const QByteArray rtf = formattedTextToRtf(text);

    const QString plain = QString::fromLatin1(unrtf(rtf, "--text"));
    const qsizetype body = plain.indexOf(QStringLiteral("-----------------\n"));
    ASSERT_GE(body, 0) << plain.toStdString();
    EXPECT_EQ(words(plain.mid(body + 18)), words(formattedTextToPlain(text)));

    QTextDocument html;
    const QByteArray htmlBytes = unrtf(formattedTextToRtf(QStringLiteral("<tit>5 € Ω\r\nx\r\n")),
                                       "--html");
    html.setHtml(QString::fromLatin1(htmlBytes));
    EXPECT_EQ(words(html.toPlainText()), QStringLiteral("5 € Ω x"))
        << htmlBytes.toStdString();
    EXPECT_TRUE(htmlBytes.contains("<b>5 &euro;"));
    EXPECT_TRUE(htmlBytes.contains("font-size:4pt"));
    EXPECT_TRUE(htmlBytes.contains("font-size:9pt"));
}
