#include "print/formattedtext.h"

#include "common/cp1252.h"

#include <QStringList>

#include <vector>

namespace velunto {

namespace {

struct Line
{
    bool title = false;
    QString text;
};

std::vector<Line> formattedLines(const QString& text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (normal.endsWith(u'\n'))
        normal.chop(1);
    std::vector<Line> lines;
    if (normal.isEmpty())
        return lines;
    for (const QString& line : normal.split(u'\n')) {
        if (line.startsWith(QLatin1String("<tit>"), Qt::CaseInsensitive))
            lines.push_back({true, line.mid(5)});
        else
            lines.push_back({false, line});
    }
    return lines;
}

// One character in RTF: the control characters escaped, code page 1252
// bytes above 127 as \'hh, anything else as \uN? (N a signed 16-bit value).
void appendRtfCharacter(QByteArray& out, QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\\' || u == u'{' || u == u'}') {
        out += '\\';
        out += char(u);
    } else if (u == u'\t') {
        out += "\\tab ";
    } else if (u < 0x80) {
        out += char(u);
    } else if (fitsCp1252(QString(c))) {
        out += "\\'" + toCp1252(QString(c)).toHex();
    } else {
        out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
}

} // namespace

QString formattedTextToPlain(const QString& text)
{
    QStringList lines;
    for (const Line& line : formattedLines(text))
        lines << line.text;
    return lines.join(u'\n');
}

QString formattedTextToHtml(const QString& text)
{
    QString html = QStringLiteral("<html><body style=\"font-family: Arial, sans-serif;\">");
    for (const Line& line : formattedLines(text)) {
        const QString escaped = line.text.toHtmlEscaped().replace(u'\t', QStringLiteral("&#9;"));
        if (line.title)
            html += QStringLiteral("<p style=\"margin:0; font-size:9pt;\"><b>") + escaped +
                    QStringLiteral("</b></p><p style=\"margin:0; font-size:4pt;\">&nbsp;</p>");
        else
            html += QStringLiteral("<p style=\"margin:0; font-size:9pt; white-space:pre-wrap;\">") +
                    escaped + QStringLiteral("</p>");
    }
    return html + QStringLiteral("</body></html>");
}

QByteArray formattedTextToRtf(const QString& text)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n";
    // Every paragraph: 9 points (\fs counts half points) and one tab stop at
    // 160 points (\tx counts twips), so that labels and values line up.
    for (const Line& line : formattedLines(text)) {
        out += line.title ? "\\pard\\tx3200\\f0\\fs18\\b " : "\\pard\\tx3200\\f0\\fs18 ";
        for (const QChar c : line.text)
            appendRtfCharacter(out, c);
        out += line.title ? "\\b0\\par\r\n\\pard\\fs8\\par\r\n" : "\\par\r\n";
    }
    return out + "}\r\n";
}

} // namespace velunto
