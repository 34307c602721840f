#include "view/cardplacement.h"

#include <cmath>

namespace velunto {

int automaticSide(QPointF anchor, QPointF cardPoint, double aspect, bool withLine)
{
    if (!withLine)
        return Side::Centre;
    if (!std::isfinite(aspect) || aspect <= 0.0)
        aspect = 1.0;
    const double dx = (cardPoint.x() - anchor.x()) * aspect;
    const double dy = cardPoint.y() - anchor.y();
    if (dx == 0.0 && dy == 0.0)
        return Side::Centre;
    if (std::abs(dx) >= std::abs(dy))
        return dx > 0.0 ? Side::Right : Side::Left;
    return dy < 0.0 ? Side::Top : Side::Bottom;
}

int drawnSide(const ObjDataTyp& object, double aspect)
{
    if (object.KAusr >= Side::Right && object.KAusr <= Side::Centre)
        return object.KAusr;
    if (object.KAusrAktiv >= Side::Right && object.KAusrAktiv <= Side::Centre)
        return object.KAusrAktiv;
    return automaticSide({object.Sx, object.Sy}, {object.Kx, object.Ky}, aspect, object.Sline == 1);
}

QRect placeCard(QPoint p, QSize size, int side)
{
    const int w = size.width();
    const int h = size.height();
    switch (side) {
    case Side::Right:
        return {p.x(), p.y() - h / 2, w, h};
    case Side::Top:
        return {p.x() - w / 2, p.y() - h, w, h};
    case Side::Left:
        return {p.x() - w, p.y() - h / 2, w, h};
    case Side::Bottom:
        return {p.x() - w / 2, p.y(), w, h};
    default:
        return {p.x() - w / 2, p.y() - h / 2, w, h};
    }
}

} // namespace velunto
