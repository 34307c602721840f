#include "view/hittest.h"

#include "document/document.h"
#include "view/kindsets.h"
#include "view/numbering.h"
#include "view/viewstate.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace velunto {

bool isObjectClickable(const ObjDataTyp& object, const ViewState& view)
{
    if (!isObjectShown(object, view))
        return false;
    if (view.editorOpen)
        return isEditorClickableKind(object.Typ);
    if (isClickableForCurrentQuestion(object.Typ))
        return object.FrageNummer == view.currentQuestion;
    return isClickableKind(object.Typ);
}

bool wasDrawn(const ObjDataTyp& object)
{
    return object.drawnBounds != RectD{-1.0, -1.0, -1.0, -1.0};
}

bool cardContains(const ObjDataTyp& object, QPointF page)
{
    if (!wasDrawn(object))
        return false;
    const RectD& b = object.drawnBounds;
    return page.x() >= b.left && page.x() < b.right && page.y() >= b.top && page.y() < b.bottom;
}

int hitTest(const Document& document, const ViewState& view, QPointF page)
{
    std::vector<int> order(document.objects.size());
    std::iota(order.begin(), order.end(), 0);
    // Front to back: the order of drawing, reversed.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return document.objects[a].ZIndex < document.objects[b].ZIndex;
    });
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const ObjDataTyp& o = document.objects[*it];
        if (isObjectClickable(o, view) && cardContains(o, page))
            return *it;
    }
    return -1;
}

} // namespace velunto
