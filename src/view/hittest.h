#pragma once

#include "document/records.h"

#include <QPointF>
#include <QRect>
#include <QSize>

#include <vector>

namespace velunto {

class Document;
class ViewState;

// Where one view drew the card of each object at its last compose, in page
// fractions: what hit testing and the object editor's handles use on that
// view. Each view keeps its own; the Document knows nothing of it.
class DrawnCards
{
  public:
    // Forgets every card and makes room for count objects.
    void reset(int count);
    // Keeps the card of object index, drawn at card on a page picture of
    // size picture; an empty card counts as not drawn.
    void remember(int index, const QRect& card, QSize picture);

    // False until the object's card was drawn.
    bool wasDrawn(int index) const;
    // The card bounds left, top, right, bottom; -1 each before it was drawn.
    RectD bounds(int index) const;
    // True when the card was drawn and contains the page point (left and top
    // inclusive, right and bottom exclusive).
    bool contains(int index, QPointF page) const;

  private:
    std::vector<RectD> m_bounds;
};

// True when a click can reach the object in this state: shown in the view,
// and of a kind that is clickable now (the object editor's kinds while it is
// open; in an exercise the points and links that open there; otherwise the
// learning view's kinds, the per-question ones only for the current
// question).
bool isObjectClickable(const ObjDataTyp& object, const ViewState& view);

// The object whose drawn card contains the page point (page fractions), or
// -1. Higher ZIndex first; within one ZIndex the later object wins.
int hitTest(const Document& document, const ViewState& view, const DrawnCards& cards, QPointF page);

} // namespace velunto
