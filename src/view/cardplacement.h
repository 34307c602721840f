#pragma once

#include "document/records.h"

#include <QPointF>
#include <QRect>

namespace velunto {

// The automatic side rule (KAusr 0): the card goes on the side of the anchor
// that the card point lies towards. The direction from the anchor (Sx, Sy)
// to the card point (Kx, Ky) is compared in pixels, so page fractions are
// scaled by the page picture's aspect (width / height) first. A mainly
// horizontal direction gives right (1) or left (3), a mainly vertical one top
// (2) or bottom (4); a tie counts as horizontal. Without an anchor line, or
// when both points coincide, the card is centred on its point (5).
int automaticSide(QPointF anchor, QPointF cardPoint, double aspect, bool withLine);

// The side an object is drawn on: an explicit KAusr, else the stored
// KAusrAktiv, else (not yet chosen or out of range) the automatic rule.
int drawnSide(const ObjDataTyp& object, double aspect);

// The card rectangle of the given size for a card point and side: side 1
// puts the card's left edge at the point, vertically centred; 2 its bottom
// edge; 3 its right edge; 4 its top edge; 5 centres it on the point.
QRect placeCard(QPoint cardPoint, QSize size, int side);

} // namespace velunto
