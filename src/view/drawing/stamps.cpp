#include "view/drawing/stamps.h"

#include "common/cp1252.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <cmath>
#include <numbers>
#include <span>

namespace velunto {

namespace {

// Symbols the program draws itself, in a square of side 1.
enum class Drawing { None, Tick, Cross, Star, Smile, Neutral, Frown, BoxCross, BoxTick, Dot };

struct SymbolMap
{
    unsigned char code;
    char32_t unicode; // 0 when drawn
    Drawing drawing = Drawing::None;
};

// Wingdings by its code page 1252 byte: the symbols of the defaults are
// drawn, most others have a Unicode twin that the installed fonts carry.
const SymbolMap kWingdings[] = {
    {0x21, U'\u270F'}, {0x22, U'\u2702'}, {0x23, U'\u2701'}, {0x28, U'\u260E'},
    {0x29, U'\u2706'}, {0x2A, U'\u2709'}, {0x36, U'\u231B'}, {0x37, U'\u2328'},
    {0x3E, U'\u2707'}, {0x3F, U'\u270D'}, {0x41, U'\u270C'}, {0x45, U'\u261C'},
    {0x46, U'\u261E'}, {0x47, U'\u261D'}, {0x48, U'\u261F'}, {0x4A, 0, Drawing::Smile},
    {0x4B, 0, Drawing::Neutral}, {0x4C, 0, Drawing::Frown}, {0x4E, U'\u2620'},
    {0x51, U'\u2708'}, {0x52, U'\u263C'}, {0x54, U'\u2744'}, {0x56, U'\u271E'},
    {0x58, U'\u2720'}, {0x59, U'\u2721'}, {0x5A, U'\u262A'}, {0x5B, U'\u262F'},
    {0x5C, U'\u0950'}, {0x5D, U'\u2638'}, {0x5E, U'\u2648'}, {0x5F, U'\u2649'},
    {0x60, U'\u264A'}, {0x61, U'\u264B'}, {0x62, U'\u264C'}, {0x63, U'\u264D'},
    {0x64, U'\u264E'}, {0x65, U'\u264F'}, {0x66, U'\u2650'}, {0x67, U'\u2651'},
    {0x68, U'\u2652'}, {0x69, U'\u2653'}, {0x6C, 0, Drawing::Dot}, {0x6D, U'\u274D'},
    {0x6E, U'\u25A0'}, {0x6F, U'\u25A1'}, {0x71, U'\u2751'}, {0x72, U'\u2752'},
    {0x73, U'\u2B27'}, {0x74, U'\u29EB'}, {0x75, U'\u25C6'}, {0x76, U'\u2756'},
    {0x77, U'\u2B25'}, {0x78, U'\u2327'}, {0x7A, U'\u2318'}, {0x7B, U'\u2740'},
    {0x7C, U'\u273F'}, {0x7D, U'\u275D'}, {0x7E, U'\u275E'}, {0x80, U'\u24EA'},
    {0x81, U'\u2460'}, {0x82, U'\u2461'}, {0x83, U'\u2462'}, {0x84, U'\u2463'},
    {0x85, U'\u2464'}, {0x86, U'\u2465'}, {0x87, U'\u2466'}, {0x88, U'\u2467'},
    {0x89, U'\u2468'}, {0x8A, U'\u2469'}, {0x8B, U'\u24FF'}, {0x8C, U'\u2776'},
    {0x8D, U'\u2777'}, {0x8E, U'\u2778'}, {0x8F, U'\u2779'}, {0x90, U'\u277A'},
    {0x91, U'\u277B'}, {0x92, U'\u277C'}, {0x93, U'\u277D'}, {0x94, U'\u277E'},
    {0x95, U'\u277F'}, {0x9E, U'\u00B7'}, {0x9F, U'\u2022'}, {0xA0, U'\u25AA'},
    {0xA1, U'\u25CB'}, {0xA4, U'\u25C9'}, {0xA5, U'\u25CE'}, {0xA7, U'\u25AA'},
    {0xA8, U'\u25FB'}, {0xAA, U'\u2726'}, {0xAB, 0, Drawing::Star}, {0xAC, U'\u2736'},
    {0xAD, U'\u2734'}, {0xAE, U'\u2739'}, {0xAF, U'\u2735'}, {0xB1, U'\u2316'},
    {0xB3, U'\u2311'}, {0xB5, U'\u272A'}, {0xB6, U'\u2730'}, {0xD5, U'\u232B'},
    {0xD6, U'\u2326'}, {0xDF, U'\u2190'}, {0xE0, U'\u2192'}, {0xE1, U'\u2191'},
    {0xE2, U'\u2193'}, {0xE3, U'\u2196'}, {0xE4, U'\u2197'}, {0xE5, U'\u2199'},
    {0xE6, U'\u2198'}, {0xE7, U'\u2B05'}, {0xE8, U'\u27A1'}, {0xE9, U'\u2B06'},
    {0xEA, U'\u2B07'}, {0xEB, U'\u2B09'}, {0xEC, U'\u2B08'}, {0xED, U'\u2B0B'},
    {0xEE, U'\u2B0A'}, {0xEF, U'\u21E6'}, {0xF0, U'\u21E8'}, {0xF1, U'\u21E7'},
    {0xF2, U'\u21E9'}, {0xF3, U'\u2B04'}, {0xF4, U'\u21F3'}, {0xF5, U'\u2B00'},
    {0xF6, U'\u2B01'}, {0xF7, U'\u2B03'}, {0xF8, U'\u2B02'}, {0xF9, U'\u25AD'},
    {0xFA, U'\u25AB'}, {0xFB, 0, Drawing::Cross}, {0xFC, 0, Drawing::Tick},
    {0xFD, 0, Drawing::BoxCross}, {0xFE, 0, Drawing::BoxTick},
};

// Symbol: Greek letters and mathematical signs; the codes not listed are
// the characters themselves (digits, brackets, punctuation).
const SymbolMap kSymbol[] = {
    {'A', U'\u0391'}, {'B', U'\u0392'}, {'C', U'\u03A7'}, {'D', U'\u0394'}, {'E', U'\u0395'},
    {'F', U'\u03A6'}, {'G', U'\u0393'}, {'H', U'\u0397'}, {'I', U'\u0399'}, {'J', U'\u03D1'},
    {'K', U'\u039A'}, {'L', U'\u039B'}, {'M', U'\u039C'}, {'N', U'\u039D'}, {'O', U'\u039F'},
    {'P', U'\u03A0'}, {'Q', U'\u0398'}, {'R', U'\u03A1'}, {'S', U'\u03A3'}, {'T', U'\u03A4'},
    {'U', U'\u03A5'}, {'V', U'\u03C2'}, {'W', U'\u03A9'}, {'X', U'\u039E'}, {'Y', U'\u03A8'},
    {'Z', U'\u0396'}, {'a', U'\u03B1'}, {'b', U'\u03B2'}, {'c', U'\u03C7'}, {'d', U'\u03B4'},
    {'e', U'\u03B5'}, {'f', U'\u03C6'}, {'g', U'\u03B3'}, {'h', U'\u03B7'}, {'i', U'\u03B9'},
    {'j', U'\u03D5'}, {'k', U'\u03BA'}, {'l', U'\u03BB'}, {'m', U'\u03BC'}, {'n', U'\u03BD'},
    {'o', U'\u03BF'}, {'p', U'\u03C0'}, {'q', U'\u03B8'}, {'r', U'\u03C1'}, {'s', U'\u03C3'},
    {'t', U'\u03C4'}, {'u', U'\u03C5'}, {'v', U'\u03D6'}, {'w', U'\u03C9'}, {'x', U'\u03BE'},
    {'y', U'\u03C8'}, {'z', U'\u03B6'}, {0x22, U'\u2200'}, {0x24, U'\u2203'}, {0x27, U'\u220B'},
    {0x2A, U'\u2217'}, {0x2D, U'\u2212'}, {0x40, U'\u2245'}, {0x5C, U'\u2234'}, {0x5E, U'\u22A5'},
    {0xA3, U'\u2264'}, {0xA5, U'\u221E'}, {0xAC, U'\u2190'}, {0xAD, U'\u2191'}, {0xAE, U'\u2192'},
    {0xAF, U'\u2193'}, {0xB0, U'\u00B0'}, {0xB1, U'\u00B1'}, {0xB3, U'\u2265'}, {0xB4, U'\u00D7'},
    {0xB5, U'\u221D'}, {0xB6, U'\u2202'}, {0xB7, U'\u2022'}, {0xB8, U'\u00F7'}, {0xB9, U'\u2260'},
    {0xBA, U'\u2261'}, {0xBB, U'\u2248'}, {0xC5, U'\u2295'}, {0xC6, U'\u2205'}, {0xC7, U'\u2229'},
    {0xC8, U'\u222A'}, {0xCE, U'\u2208'}, {0xCF, U'\u2209'}, {0xD5, U'\u220F'}, {0xD6, U'\u221A'},
    {0xD7, U'\u22C5'}, {0xD8, U'\u00AC'}, {0xD9, U'\u2227'}, {0xDA, U'\u2228'}, {0xE5, U'\u2211'},
    {0xF2, U'\u222B'},
};

// What a stamp is painted with: a text in a font, or a drawing.
struct Resolved
{
    QString text;
    QString family;
    Drawing drawing = Drawing::None;
};

bool installed(const QString& family)
{
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

QFont fontOf(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

// True when every glyph of text exists in font or in a font that stands in
// for it; false when any would be the box of a missing character.
bool glyphsAvailable(const QFont& font, const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return false;
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty())
        return false;
    for (const QGlyphRun& run : runs)
        for (const quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return false;
    return true;
}

const QString kUnicodeSymbols = QStringLiteral("DejaVu Sans");

Resolved resolveUncached(const StampSymbol& symbol)
{
    const QString text(symbol.character);
    if (isStandInFont(symbol.font) && !installed(symbol.font)) {
        const QByteArray bytes = toCp1252(text);
        const unsigned char code = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes[0]);
        const bool wingdings = symbol.font.compare(u"Wingdings", Qt::CaseInsensitive) == 0;
        char32_t unicode = wingdings ? 0 : char32_t(symbol.character.unicode());
        for (const SymbolMap& m : wingdings ? std::span<const SymbolMap>(kWingdings)
                                                   : std::span<const SymbolMap>(kSymbol)) {
            if (m.code != code)
                continue;
            if (m.drawing != Drawing::None)
                return {{}, {}, m.drawing};
            unicode = m.unicode;
        }
        const QString twin = QString::fromUcs4(&unicode, 1);
        if (unicode != 0 && glyphsAvailable(fontOf(kUnicodeSymbols, 32), twin))
            return {twin, kUnicodeSymbols, Drawing::None};
        return {{}, {}, Drawing::Dot};
    }
    if (glyphsAvailable(fontOf(symbol.font, 32), text))
        return {text, symbol.font, Drawing::None};
    return {{}, {}, Drawing::Dot};
}

const Resolved& resolve(const StampSymbol& symbol)
{
    static QHash<QString, Resolved> cache;
    const QString key = symbol.font + QChar(0) + symbol.character;
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, resolveUncached(symbol));
    return *it;
}

QPainterPath starPath()
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 0.5 : 0.2;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF p(0.5 + r * std::cos(a), 0.54 + r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void paintDrawing(QPainter& p, Drawing drawing, const QRectF& square, const QColor& colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(square.topLeft());
    p.scale(square.width(), square.height());
    const auto pen = [&](double width) {
        QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    };
    const auto tick = [&](const QRectF& r) {
        const QPointF points[] = {r.topLeft() + QPointF(0.05, 0.55) * r.width(),
                                  r.topLeft() + QPointF(0.38, 0.88) * r.width(),
                                  r.topLeft() + QPointF(0.95, 0.12) * r.width()};
        p.drawPolyline(points, 3);
    };
    const auto cross = [&](const QRectF& r) {
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    };
    const auto face = [&](int mood) {
        pen(0.07);
        p.drawEllipse(QRectF(0.07, 0.07, 0.86, 0.86));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(0.36, 0.38), 0.065, 0.075);
        p.drawEllipse(QPointF(0.64, 0.38), 0.065, 0.075);
        pen(0.07);
        if (mood == 0) {
            p.drawLine(QPointF(0.33, 0.66), QPointF(0.67, 0.66));
            return;
        }
        QPainterPath mouth;
        const double y = mood > 0 ? 0.6 : 0.74;
        const double bend = mood > 0 ? 0.2 : -0.16;
        mouth.moveTo(0.28, y);
        mouth.quadTo(0.5, y + bend, 0.72, y);
        p.drawPath(mouth);
    };
    switch (drawing) {
    case Drawing::Tick:
        pen(0.14);
        tick(QRectF(0.1, 0.1, 0.8, 0.8));
        break;
    case Drawing::Cross:
        pen(0.14);
        cross(QRectF(0.2, 0.2, 0.6, 0.6));
        break;
    case Drawing::Star:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(starPath());
        break;
    case Drawing::Smile:
        face(1);
        break;
    case Drawing::Neutral:
        face(0);
        break;
    case Drawing::Frown:
        face(-1);
        break;
    case Drawing::BoxCross:
    case Drawing::BoxTick:
        pen(0.07);
        p.drawRect(QRectF(0.1, 0.1, 0.8, 0.8));
        pen(0.1);
        if (drawing == Drawing::BoxCross)
            cross(QRectF(0.25, 0.25, 0.5, 0.5));
        else
            tick(QRectF(0.22, 0.22, 0.56, 0.56));
        break;
    case Drawing::Dot:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(0.5, 0.5), 0.22, 0.22);
        break;
    case Drawing::None:
        break;
    }
    p.restore();
}

// The height of a line of text at a pixel size, as the stamps are placed by.
double lineHeight(int pixelSize)
{
    return QFontMetricsF(fontOf(QStringLiteral("Arial"), pixelSize)).height();
}

} // namespace

StampSymbol stampSymbol(const StampSettings& stamps, int stamp)
{
    const int k = std::clamp(stamp, 1, kStampCount) - 1;
    const QString defaults = StampSettings{}.characters;
    const QChar c = k < stamps.characters.size() ? stamps.characters[k] : defaults[k];
    return {stamps.fonts[k], c};
}

bool isStandInFont(const QString& family)
{
    return family.compare(u"Wingdings", Qt::CaseInsensitive) == 0 ||
           family.compare(u"Symbol", Qt::CaseInsensitive) == 0;
}

QStringList stampFontChoices()
{
    QStringList fonts = QFontDatabase::families();
    for (const QString& stand : {QStringLiteral("Symbol"), QStringLiteral("Wingdings")})
        if (!fonts.contains(stand, Qt::CaseInsensitive))
            fonts << stand;
    fonts.sort(Qt::CaseInsensitive);
    return fonts;
}

void paintSymbol(QPainter& painter, const StampSymbol& symbol, double centreX, double top,
                 int pixelSize, const QColor& colour)
{
    const Resolved& r = resolve(symbol);
    const double height = lineHeight(pixelSize);
    if (r.drawing != Drawing::None) {
        const double side = pixelSize;
        paintDrawing(painter, r.drawing,
                     QRectF(centreX - side / 2, top + (height - side) / 2, side, side), colour);
        return;
    }
    const QFont font = fontOf(r.family, pixelSize);
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    // The line box of the symbol's own font, centred in that of the stamp.
    const double ownTop = top + (height - metrics.height()) / 2;
    painter.drawText(QPointF(centreX - metrics.horizontalAdvance(r.text) / 2,
                             ownTop + metrics.ascent()),
                     r.text);
    painter.restore();
}

QRect stampRect(const StampSymbol& symbol, QPoint point, int pixelSize)
{
    const Resolved& r = resolve(symbol);
    const int height = int(std::ceil(lineHeight(pixelSize)));
    int width = pixelSize;
    if (r.drawing == Drawing::None)
        width = int(std::ceil(QFontMetricsF(fontOf(r.family, pixelSize))
                                  .boundingRect(r.text)
                                  .width())) +
                2;
    // Antialiased edges and glyphs that reach beyond their advance.
    const int margin = 2 + pixelSize / 8;
    return QRect(point.x() + 5 - width / 2, point.y() + 1 - height / 2, width, height)
        .adjusted(-margin, -margin, margin, margin);
}

QRect paintStamp(QImage& picture, const StampSymbol& symbol, QPoint point, int pixelSize,
                 const QColor& colour)
{
    const int height = int(lineHeight(pixelSize));
    QPainter p(&picture);
    paintSymbol(p, symbol, point.x() + 5, point.y() + 1 - height / 2, pixelSize, colour);
    return stampRect(symbol, point, pixelSize) & picture.rect();
}

QImage stampMenuPicture(const StampSymbol& symbol)
{
    QImage square(36, 36, QImage::Format_RGB32);
    square.fill(Qt::white);
    {
        // The pixel size whose line is 40 pixels high.
        const int pixelSize = std::max(1, int(40 * 32 / lineHeight(32)));
        QPainter p(&square);
        paintSymbol(p, symbol, 18.0, 0.0, pixelSize, Qt::black);
    }
    return square.scaled(18, 18, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace velunto
