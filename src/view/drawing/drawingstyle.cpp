#include "view/drawing/drawingstyle.h"

#include "common/numeric.h"
#include "view/viewstate.h"

#include <algorithm>

namespace velunto {

StrokeMetrics strokeMetrics(int strokeSize)
{
    static constexpr int kWidths[kStrokeSizes] = {3, 7, 13, 21};
    const int s = std::clamp(strokeSize, 1, kStrokeSizes);
    const int w = kWidths[s - 1];
    return {w, arrowHeadLength(w), 32 * s, 32 * s, 18 * s};
}

int arrowHeadLength(int strokeWidth)
{
    // 0.7 × w is computed exactly and then held in single precision.
    const float reduced = float(0.7 * strokeWidth);
    return rnd(5.0 * double(reduced));
}

const std::array<DrawColour, 14>& drawColours()
{
    static const std::array<DrawColour, 14> colours = {{
        {21, QColor(255, 0, 0), false, {}},
        {28, QColor(255, 128, 0), false, {}},
        {22, QColor(255, 255, 0), false, {}},
        {23, QColor(0, 255, 0), false, {}},
        {27, QColor(0, 128, 0), false, {}},
        {30, QColor(0, 192, 255), false, {}},
        {24, QColor(0, 0, 255), false, {}},
        {29, QColor(192, 0, 255), false, {}},
        {25, QColor(255, 255, 255), false, {}},
        {26, QColor(0, 0, 0), false, {}},
        {11, QColor(255, 0, 0), true, QStringLiteral("rot - transparent")},
        {12, QColor(255, 255, 0), true, QStringLiteral("gelb - transparent")},
        {13, QColor(0, 255, 0), true, QStringLiteral("grün - transparent")},
        {14, QColor(0, 0, 255), true, QStringLiteral("blau - transparent")},
    }};
    return colours;
}

std::optional<DrawColour> drawColour(int index)
{
    for (const DrawColour& c : drawColours())
        if (c.index == index)
            return c;
    return std::nullopt;
}

bool isTransparentColour(int index)
{
    return index < 20;
}

int toolForPenShape(int shape)
{
    const int s = std::clamp(shape, 1, kPenShapes);
    return s == 1 ? Tool::Pen : Tool::FirstShape + s - 2;
}

int penShapeForTool(int tool)
{
    if (tool == Tool::Pen)
        return 1;
    if (tool >= Tool::FirstShape && tool <= Tool::LastShape)
        return tool - Tool::FirstShape + 2;
    return 0;
}

} // namespace velunto
