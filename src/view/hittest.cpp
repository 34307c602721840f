#include "view/hittest.h"

#include "document/document.h"
#include "document/objectkinds.h"
#include "view/numbering.h"
#include "view/viewstate.h"

#include <algorithm>
#include <numeric>

namespace velunto {

namespace {

constexpr RectD kNotDrawn{-1.0, -1.0, -1.0, -1.0};

} // namespace

void DrawnCards::reset(int count)
{
    m_bounds.assign(std::size_t(std::max(count, 0)), kNotDrawn);
}

void DrawnCards::remember(int index, const QRect& card, QSize picture)
{
    if (index < 0 || picture.isEmpty())
        return;
    if (std::size_t(index) >= m_bounds.size())
        m_bounds.resize(std::size_t(index) + 1, kNotDrawn);
    if (card.isEmpty()) {
        m_bounds[std::size_t(index)] = kNotDrawn;
        return;
    }
    const double w = picture.width();
    const double h = picture.height();
    m_bounds[std::size_t(index)] = {card.left() / w, card.top() / h,
                                    (card.left() + card.width()) / w,
                                    (card.top() + card.height()) / h};
}

bool DrawnCards::wasDrawn(int index) const
{
    return bounds(index) != kNotDrawn;
}

RectD DrawnCards::bounds(int index) const
{
    return index >= 0 && std::size_t(index) < m_bounds.size() ? m_bounds[std::size_t(index)]
                                                              : kNotDrawn;
}

bool DrawnCards::contains(int index, QPointF page) const
{
    if (!wasDrawn(index))
        return false;
    const RectD b = bounds(index);
    return page.x() >= b.left && page.x() < b.right && page.y() >= b.top && page.y() < b.bottom;
}

bool isObjectClickable(const ObjDataTyp& object, const ViewState& view)
{
    if (!isObjectShown(object, view))
        return false;
    const Session& session = view.session();
    if (session.editorOpen())
        return isEditorClickableKind(object.Typ);
    if (session.exerciseRunning())
        return opensInExercise(object);
    if (isClickableForCurrentQuestion(object.Typ))
        return object.FrageNummer == session.currentQuestion();
    return isClickableKind(object.Typ);
}

int hitTest(const Document& document, const ViewState& view, const DrawnCards& cards, QPointF page)
{
    std::vector<int> order(document.objects.size());
    std::iota(order.begin(), order.end(), 0);
    // Front to back: the order of drawing, reversed.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return document.objects[a].ZIndex < document.objects[b].ZIndex;
    });
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (isObjectClickable(document.objects[*it], view) && cards.contains(*it, page))
            return *it;
    }
    return -1;
}

} // namespace velunto
