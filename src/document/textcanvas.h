#pragma once

#include "common/colorref.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>

class QPainter;
class QPaintDevice;

namespace velunto {

// The font a TextCanvas measures and draws with.
struct TextFont
{
    QString family = QStringLiteral("Arial");
    int pixelSize = 0;    // character height in the canvas's units; 0: use pointSize
    double pointSize = 0; // used when pixelSize is 0, converted with the device's own dpi
    int style = 0;        // StyleBit set
    ColorRef colour = 0;

    bool operator==(const TextFont&) const = default;
};

// Everything the text layout needs from a font engine: measuring a string
// and drawing it. Coordinates are integer units of the target (pixels of a
// picture, logical units of a worksheet); nothing here knows about screens.
// Tests use the fixed-width canvas of tests/support.
class TextCanvas
{
  public:
    virtual ~TextCanvas() = default;

    virtual void setFont(const TextFont& font) = 0;
    virtual const TextFont& font() const = 0;

    // Advance width of text in the current font.
    virtual int width(QStringView text) = 0;
    // Height of one line of text (ascent + descent), the same for every
    // string: the height of "0" or "X".
    virtual int textHeight() = 0;

    // Draws text in the current font and colour with its top-left corner at
    // (x, y), on a transparent background.
    virtual void drawText(int x, int y, QStringView text) = 0;
    // A solid horizontal line one unit high from x1 to x2 (x2 excluded).
    virtual void drawHLine(int x1, int x2, int y, ColorRef colour) = 0;
};

// The real canvas: Qt fonts with character height = pixel size, drawing
// through a QPainter on any paint device (picture, printer, PDF, SVG,
// QPicture). Fonts are made for the device, so metrics and drawing agree on
// every device. A font that is not installed is replaced by "Arial".
//
// Widths are sums of the glyph advances without kerning and ligatures, and
// text is drawn the same way, so a run measured here ends where it is drawn.
// Drawing text sets the painter's font and pen.
class PainterCanvas : public TextCanvas
{
  public:
    // Draws through painter; measures for device (painter's device when null).
    explicit PainterCanvas(QPainter* painter, const QPaintDevice* device = nullptr);
    // Measures for device without drawing (drawing calls do nothing).
    explicit PainterCanvas(const QPaintDevice* device);
    ~PainterCanvas() override;

    void setFont(const TextFont& font) override;
    const TextFont& font() const override { return m_font; }
    int width(QStringView text) override;
    int textHeight() override;
    void drawText(int x, int y, QStringView text) override;
    void drawHLine(int x1, int x2, int y, ColorRef colour) override;

  private:
    struct Metrics;
    Metrics& metrics();

    QPainter* m_painter = nullptr;
    const QPaintDevice* m_device = nullptr;
    TextFont m_font;
    Metrics* m_current = nullptr;
    QHash<QString, std::shared_ptr<Metrics>> m_cache;
};

} // namespace velunto
