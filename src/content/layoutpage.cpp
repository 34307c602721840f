#include "content/layoutpage.h"

#include "common/numeric.h"
#include "document/document.h"
#include "view/pagegeometry.h"

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

constexpr double kLayoutWidth = 1000.0;
constexpr double kMaxIndent = 0.45;

double usableSide(double v)
{
    return std::isfinite(v) ? clampDouble(v, 0.0, kMaxIndent) : 0.0;
}

} // namespace

QSize layoutPageSize(const Document& document)
{
    const QSizeF page = pageExtent(document.header, usableBaseSize(document.baseImage)).size;
    const double height = kLayoutWidth * page.height() / page.width();
    return {int(kLayoutWidth), std::clamp(rnd(height), 1, 100000)};
}

RectD usableIndent(const RectD& indent)
{
    return {usableSide(indent.left), usableSide(indent.top), usableSide(indent.right),
            usableSide(indent.bottom)};
}

} // namespace velunto
