#include "view/pagegeometry.h"

#include "common/numeric.h"
#include "document/document.h"
#include "document/objectkinds.h"

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

// Beyond this the picture would be a speck on the page; only corrupt files
// hold such margins.
constexpr double kMaxPageFactor = 1000.0;

bool usableFactor(double factor, int baseSide)
{
    return std::isfinite(factor) && factor <= kMaxPageFactor && factor * baseSide >= 1.0;
}

double finiteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

} // namespace

RectD PageExtent::baseRect() const
{
    const double fx = margins.left + 1.0 + margins.right;
    const double fy = margins.top + 1.0 + margins.bottom;
    return {margins.left / fx, margins.top / fy, (margins.left + 1.0) / fx,
            (margins.top + 1.0) / fy};
}

QSize usableBaseSize(const Picture& baseImage)
{
    if (baseImage.isNull() || baseImage.width() <= 0 || baseImage.height() <= 0)
        return {1, 1};
    return baseImage.size();
}

bool isUsableMargin(const RectD& m, QSize base)
{
    if (!std::isfinite(m.left) || !std::isfinite(m.top) || !std::isfinite(m.right) ||
        !std::isfinite(m.bottom))
        return false;
    return usableFactor(m.left + 1.0 + m.right, base.width()) &&
           usableFactor(m.top + 1.0 + m.bottom, base.height());
}

PageExtent pageExtent(const HeaderDataTyp& header, QSize base)
{
    PageExtent extent;
    extent.base = base.isEmpty() ? QSize(1, 1) : base;
    extent.margins = isUsableMargin(header.RandErw, extent.base) ? header.RandErw : RectD{};
    const RectD& m = extent.margins;
    extent.size = QSizeF((m.left + 1.0 + m.right) * extent.base.width(),
                         (m.top + 1.0 + m.bottom) * extent.base.height());
    return extent;
}

void derivePageGeometry(HeaderDataTyp& header, QSize base)
{
    if (base.isEmpty())
        base = QSize(1, 1);
    if (!isUsableMargin(header.RandErw, base))
        header.RandErw = RectD{};
    const RectD& m = header.RandErw;
    const double w0 = base.width();
    const double h0 = base.height();
    const int pageW = std::max(1, rnd((m.left + 1.0 + m.right) * w0));
    const int pageH = std::max(1, rnd((m.top + 1.0 + m.bottom) * h0));
    header.SeitRatioArt = 1;
    header.SeitRatioBreite = pageW;
    header.SeitRatioHoehe = pageH;
    header.BildGroesse = std::max(h0 / pageH, w0 / pageW) * 100.0;
    // A sum near zero would turn rounding noise into a wild alignment.
    auto alignment = [](double before, double after) {
        const double sum = before + after;
        if (std::abs(sum) < 1e-12)
            return 50.0;
        return clampDouble(before / sum * 100.0, 0.0, 100.0);
    };
    header.BildPosX = alignment(m.left, m.right);
    header.BildPosY = alignment(m.top, m.bottom);
    header.Rand = (pageW - std::max(pageW * h0 / pageH, w0)) / w0 / 2.0 * 100.0;
}

RectD marginsForGeometry(const HeaderDataTyp& header, QSize base)
{
    if (base.isEmpty())
        base = QSize(1, 1);
    const double w0 = base.width();
    const double h0 = base.height();

    // The page size (f, g) in BaseImage pixels. A ratio with a part that is
    // not positive keeps the picture's own ratio.
    double f = w0;
    double g = h0;
    if (header.SeitRatioArt == 1 && header.SeitRatioBreite > 0 && header.SeitRatioHoehe > 0) {
        const double rho = double(header.SeitRatioBreite) / header.SeitRatioHoehe;
        if (rho >= w0 / h0)
            f = std::max(1, rnd(h0 * rho));
        else
            g = std::max(1, rnd(w0 / rho));
    }

    // BildGroesse is a percentage of the page; zero or nonsense would divide
    // by zero or make the page vanish.
    double size = finiteOr(header.BildGroesse, 100.0) / 100.0;
    if (size <= 0.0)
        size = 1.0;
    size = clampDouble(size, 0.01, 100.0);

    const double q = (f / w0 - 1.0) / 2.0;
    const double r = (g / h0 - 1.0) / 2.0;
    const double l = (f / size - f) / 2.0 / w0;
    const double o = (g / size - g) / 2.0 / h0;
    const double totalX = 2.0 * (l + q);
    const double totalY = 2.0 * (o + r);
    const double posX = clampDouble(finiteOr(header.BildPosX, 50.0), 0.0, 100.0);
    const double posY = clampDouble(finiteOr(header.BildPosY, 50.0), 0.0, 100.0);

    RectD result;
    result.left = totalX * posX / 100.0;
    result.top = totalY * posY / 100.0;
    result.right = totalX - result.left;
    result.bottom = totalY - result.top;
    return result;
}

double keepOverBaseImage(double x, double oldLo, double oldHi, double newLo, double newHi)
{
    return (x * (oldLo + 1.0 + oldHi) - oldLo + newLo) / (newLo + 1.0 + newHi);
}

void setPageGeometry(Document& document, bool transform)
{
    DocumentChangeBatch batch(document);
    HeaderDataTyp& header = document.header;
    const QSize base = usableBaseSize(document.baseImage);
    const RectD before = pageExtent(header, base).margins;
    const RectD after = marginsForGeometry(header, base);
    header.RandErw = after;
    if (transform) {
        for (ObjDataTyp& o : document.objects) {
            if (!isEditorKind(o.Typ))
                continue;
            o.Sx = keepOverBaseImage(o.Sx, before.left, before.right, after.left, after.right);
            o.Kx = keepOverBaseImage(o.Kx, before.left, before.right, after.left, after.right);
            o.Sy = keepOverBaseImage(o.Sy, before.top, before.bottom, after.top, after.bottom);
            o.Ky = keepOverBaseImage(o.Ky, before.top, before.bottom, after.top, after.bottom);
        }
    }
    document.notifyHeaderChanged();
    if (transform)
        document.notifyAllObjectsChanged(ObjectAspect::Position);
    document.rebuildContent();
    document.setModified(true);
}

} // namespace velunto
