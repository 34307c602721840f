#pragma once

#include <QPoint>
#include <QRect>

#include <array>

namespace velunto {

struct DrawContext;
struct ObjDataTyp;

// The pair line of an element with Sline 5: from its anchor A (Sx, Sy) a
// stub to the right, across to a stub left of its card point C (Kx, Ky;
// for a centred card its left edge), and on to C. The stubs are 50 pixels
// of a page 870 pixels wide.
std::array<QPoint, 4> pairLinePoints(const DrawContext& context, const ObjDataTyp& object);

// The painter of the cross-assignment kinds 50..53: the card (fitted text or
// picture) and, for an element with Sline 5, its pair line. Hidden copies
// (Sichtbar 0) draw nothing. In the learning view a covered query element
// keeps its line to itself until the teacher uncovers it; on a task
// worksheet a query element shows only the two stubs of its line.
QRect drawPairElement(DrawContext& context, int index);

} // namespace velunto
