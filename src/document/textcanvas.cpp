#include "document/textcanvas.h"

#include "common/numeric.h"
#include "document/fontnames.h"
#include "document/records.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <array>
#include <cmath>

namespace velunto {

// One resolved font on the canvas's device, with the advances measured so far.
struct PainterCanvas::Metrics
{
    QFont font;
    QFontMetricsF fm;
    double ascent;
    int height;
    std::array<double, 256> latin; // advances of U+0000..U+00FF, NaN until measured
    QHash<char16_t, double> other;

    Metrics(const QFont& f, const QPaintDevice* device)
        : font(device ? QFont(f, device) : f),
          fm(device ? QFontMetricsF(font, device) : QFontMetricsF(font)), ascent(fm.ascent()),
          height(rnd(fm.ascent() + fm.descent()))
    {
        latin.fill(std::nan(""));
    }

    double advance(QChar c)
    {
        const char16_t u = c.unicode();
        if (u < latin.size()) {
            if (std::isnan(latin[u]))
                latin[u] = fm.horizontalAdvance(c);
            return latin[u];
        }
        auto it = other.find(u);
        if (it == other.end())
            it = other.insert(u, fm.horizontalAdvance(c));
        return it.value();
    }
};

PainterCanvas::PainterCanvas(QPainter* painter, const QPaintDevice* device)
    : m_painter(painter), m_device(device ? device : (painter ? painter->device() : nullptr))
{
}

PainterCanvas::PainterCanvas(const QPaintDevice* device) : PainterCanvas(nullptr, device)
{
}

PainterCanvas::~PainterCanvas() = default;

void PainterCanvas::setFont(const TextFont& font)
{
    const bool sameShape = m_current && font.family == m_font.family &&
                           font.pixelSize == m_font.pixelSize &&
                           font.pointSize == m_font.pointSize && font.style == m_font.style;
    m_font = font;
    if (!sameShape)
        m_current = nullptr;
}

PainterCanvas::Metrics& PainterCanvas::metrics()
{
    if (m_current)
        return *m_current;

    int pixels = m_font.pixelSize;
    if (pixels <= 0) {
        // Points are converted with the target's own resolution, never the screen's.
        const int dpi = m_device ? m_device->logicalDpiY() : 96;
        pixels = rnd(m_font.pointSize * dpi / 72.0);
    }
    pixels = std::max(1, pixels);

    const QString key =
        m_font.family + u'|' + QString::number(pixels) + u'|' + QString::number(m_font.style);
    auto it = m_cache.find(key);
    if (it == m_cache.end()) {
        QFont f(drawingFamily(m_font.family));
        f.setPixelSize(pixels);
        f.setBold(m_font.style & StyleBit::Bold);
        f.setItalic(m_font.style & StyleBit::Italic);
        f.setUnderline(m_font.style & StyleBit::Underline);
        // Measured widths are sums of advances; drawing must not kern or
        // join letters, or text would end elsewhere than measured.
        f.setKerning(false);
        f.setStyleStrategy(QFont::PreferNoShaping);
        it = m_cache.insert(key, std::make_shared<Metrics>(f, m_device));
    }
    m_current = it.value().get();
    return *m_current;
}

int PainterCanvas::width(QStringView text)
{
    Metrics& m = metrics();
    double sum = 0;
    for (QChar c : text) {
        if (c.isSurrogate())
            return rnd(m.fm.horizontalAdvance(text.toString()));
        sum += m.advance(c);
    }
    return rnd(sum);
}

int PainterCanvas::textHeight()
{
    return metrics().height;
}

void PainterCanvas::drawText(int x, int y, QStringView text)
{
    if (!m_painter || text.isEmpty())
        return;
    Metrics& m = metrics();
    m_painter->setFont(m.font);
    m_painter->setPen(toQColor(m_font.colour));
    m_painter->drawText(QPointF(x, y + m.ascent), text.toString());
}

void PainterCanvas::drawHLine(int x1, int x2, int y, ColorRef colour)
{
    if (!m_painter || x2 <= x1)
        return;
    m_painter->fillRect(QRect(x1, y, x2 - x1, 1), toQColor(colour));
}

} // namespace velunto
