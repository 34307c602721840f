#include "print/formattedtext.h"

#include "common/cp1252.h"
#include "print/printgeometry.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
    // "<tab>" stands for a tab in series descriptions.
    normal.replace(QStringLiteral("<tab>"), QStringLiteral("\t"));
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

namespace {

// Text units of a QTextDocument are pixels at 96 per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

QTextBlockFormat paragraphFormat()
{
    QTextBlockFormat block;
    QTextOption::Tab stop(160 * kPixelsPerPoint, QTextOption::LeftTab);
    block.setTabPositions({stop});
    return block;
}

QTextCharFormat characterFormat(double points, bool bold)
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

} // namespace

void appendFormattedText(QTextDocument& document, const QString& text)
{
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    bool first = document.isEmpty();
    const auto addLine = [&](const QString& line, double points, bool bold) {
        const QTextCharFormat format = characterFormat(points, bold);
        if (first) {
            cursor.setBlockFormat(paragraphFormat());
            cursor.setBlockCharFormat(format);
            first = false;
        } else {
            cursor.insertBlock(paragraphFormat(), format);
        }
        cursor.insertText(line, format);
    };
    for (const Line& line : formattedLines(text)) {
        addLine(line.text, 9, line.title);
        if (line.title)
            addLine(QString(), 4, false);
    }
}

QString printFormattedText(QPagedPaintDevice& device, const QString& text, const QString& title)
{
    if (auto* pdf = dynamic_cast<QPdfWriter*>(&device))
        pdf->setTitle(title);
    QTextDocument document;
    document.setDocumentMargin(0);
    appendFormattedText(document, text);

    PrintPainter print(device);
    if (!print.isActive())
        return printFailedText();
    QPainter& p = print.painter();
    const PrinterGeometry& g = print.geometry();
    // The page in 0.1 mm with 2 cm margins; the text is laid out in its own
    // pixels (96 per inch) and scaled onto the page.
    constexpr int kMargin = 200;
    const QRect body(g.left(kMargin), g.top(kMargin), g.pageWidth - 2 * kMargin,
                     g.bottomLimit(kMargin) - g.top(kMargin));
    const double scale = 254.0 / 96.0; // 0.1 mm per pixel
    const QSizeF pageInPixels(body.width() / scale, body.height() / scale);
    document.setPageSize(pageInPixels);
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !print.newPage())
            return printFailedText();
        p.save();
        p.translate(body.topLeft());
        p.scale(scale, scale);
        // The layout moves a line that would cross a page's end to the next
        // page, where it starts at the boundary itself: the page's view ends
        // just above it, or the line would be drawn on both pages.
        const QRectF view(0, page * pageInPixels.height(), pageInPixels.width(),
                          pageInPixels.height() - 0.5);
        p.translate(0, -view.top());
        p.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&p, context);
        p.restore();
    }
    return print.end() ? QString() : printFailedText();
}

} // namespace velunto
