#pragma once

#include "document/records.h"

#include <QPointF>

namespace velunto {

class Document;
class ViewState;

// True when a click can reach the object in this state of the view: shown,
// of a clickable kind (another set while the object editor is open), and for
// the per-question kinds 10, 24, 28 and 29 part of the current question.
bool isObjectClickable(const ObjDataTyp& object, const ViewState& view);

// The object whose drawn card contains the page point (page fractions), or
// -1. Higher ZIndex first; within one ZIndex the later object wins.
int hitTest(const Document& document, const ViewState& view, QPointF page);

// False until the object's card was drawn (its bounds are -1 before).
bool wasDrawn(const ObjDataTyp& object);

// True when the object was drawn and its card bounds contain the page point
// (left and top inclusive, right and bottom exclusive).
bool cardContains(const ObjDataTyp& object, QPointF page);

} // namespace velunto
