#include "document/fitcardtext.h"

#include "common/numeric.h"
#include "document/linelayout.h"

#include <algorithm>

namespace velunto {

namespace {

constexpr int kSmallestCardFont = 3;

struct Measured
{
    QStringList lines;
    int width = 0;
    int height = 0;
};

Measured measure(TextCanvas& canvas, QStringView text, int width)
{
    Measured m;
    m.lines = wrapLines(canvas, text, width);
    for (const QString& line : m.lines)
        m.width = std::max(m.width, canvas.width(line));
    m.height = static_cast<int>(m.lines.size()) * canvas.textHeight();
    return m;
}

// Left edge of a line or block lineWidth wide in a box width wide, by TAusr.
int alignedLeft(int left, int width, int lineWidth, int alignment)
{
    if (alignment == 1)
        return left + rnd((width - lineWidth) / 2.0);
    if (alignment == 2)
        return left + (width - lineWidth);
    return left;
}

} // namespace

QStringList wrapLines(TextCanvas& canvas, QStringView text, int width)
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    for (const QString& hardLine : splitParagraphs(text.toString())) {
        const qsizetype n = hardLine.size();
        if (n == 0) {
            lines << QString();
            continue;
        }
        qsizetype start = 0;
        while (start < n) {
            // The first word always stays on the line, however wide.
            qsizetype i = start;
            while (i < n && hardLine[i] == u' ')
                ++i;
            while (i < n && hardLine[i] != u' ')
                ++i;
            qsizetype end = i;
            while (i < n) {
                qsizetype wordStart = i;
                while (wordStart < n && hardLine[wordStart] == u' ')
                    ++wordStart;
                qsizetype wordEnd = wordStart;
                while (wordEnd < n && hardLine[wordEnd] != u' ')
                    ++wordEnd;
                if (wordEnd == wordStart ||
                    canvas.width(QStringView(hardLine).mid(start, wordEnd - start)) > width)
                    break;
                end = i = wordEnd;
            }
            lines << hardLine.mid(start, end - start);
            start = end;
            while (start < n && hardLine[start] == u' ')
                ++start;
        }
    }
    return lines;
}

CardTextResult fitCardText(TextCanvas& canvas, const TextFont& font, const QString& text,
                           const QRect& rect, int alignment, CardVertical vertical, int maxHeight,
                           bool draw)
{
    TextFont f = font;
    const int startSize = f.pixelSize;
    canvas.setFont(f);
    Measured m = measure(canvas, text, rect.width());
    while (m.height > maxHeight && f.pixelSize > kSmallestCardFont) {
        f.pixelSize = std::min(f.pixelSize - 1, rnd(f.pixelSize * 0.9));
        canvas.setFont(f);
        m = measure(canvas, text, rect.width());
    }

    QRect r = rect;
    switch (vertical) {
    case CardVertical::Top:
        break;
    case CardVertical::RaiseIfTall:
        if (m.height > rect.height() && startSize > 0)
            r.setTop(r.top() -
                     rnd(f.pixelSize * rect.height() / static_cast<double>(startSize) * 0.25));
        break;
    case CardVertical::Centre:
        r.setTop(r.top() + rnd((rect.height() - m.height) / 2.0));
        break;
    case CardVertical::Bottom:
        r.setTop(r.top() + (rect.height() - m.height));
        break;
    }

    CardTextResult result;
    result.fontSize = f.pixelSize;
    if (draw) {
        const int lineHeight = canvas.textHeight();
        int y = r.top();
        for (const QString& line : m.lines) {
            canvas.drawText(alignedLeft(r.left(), r.width(), canvas.width(line), alignment), y,
                            line);
            y += lineHeight;
        }
        result.rect = r;
    } else {
        result.rect = QRect(alignedLeft(r.left(), rect.width(), m.width, alignment), r.top(),
                            m.width, m.height);
    }
    return result;
}

} // namespace velunto
