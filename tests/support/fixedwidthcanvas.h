#pragma once

#include "common/numeric.h"
#include "document/textcanvas.h"

#include <algorithm>
#include <vector>

namespace velunto::testing {

// A canvas on which every character is half the character height wide and a
// line of text is exactly the character height tall, so that line breaks and
// positions can be computed by hand. It records what is drawn.
class FixedWidthCanvas : public TextCanvas
{
  public:
    struct Text
    {
        int x;
        int y;
        QString text;
        int style;
        ColorRef colour;
    };
    struct Line
    {
        int x1;
        int x2;
        int y;
        ColorRef colour;
    };

    std::vector<Text> texts;
    std::vector<Line> lines;

    void setFont(const TextFont& font) override { m_font = font; }
    const TextFont& font() const override { return m_font; }

    int pixelSize() const
    {
        return std::max(1, m_font.pixelSize > 0 ? m_font.pixelSize
                                                : rnd(m_font.pointSize * 96 / 72.0));
    }
    int charWidth() const { return std::max(1, pixelSize() / 2); }

    int width(QStringView text) override { return static_cast<int>(text.size()) * charWidth(); }
    int textHeight() override { return pixelSize(); }
    void drawText(int x, int y, QStringView text) override
    {
        texts.push_back({x, y, text.toString(), m_font.style, m_font.colour});
    }
    void drawHLine(int x1, int x2, int y, ColorRef colour) override
    {
        lines.push_back({x1, x2, y, colour});
    }

    // The drawn texts joined, in drawing order.
    QString drawnText() const
    {
        QString all;
        for (const Text& t : texts)
            all += t.text;
        return all;
    }

  private:
    TextFont m_font;
};

} // namespace velunto::testing
