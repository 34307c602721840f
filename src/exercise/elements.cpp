#include "exercise/elements.h"

#include "common/numeric.h"
#include "document/textcanvas.h"
#include "view/viewstate.h"

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

constexpr int kStackTop = 100;
constexpr int kCardGap = 2;
constexpr int kStackShiftX = 12;
constexpr int kStackShiftY = 7;

bool contains(const RectD& r, double x, double y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool cornerInside(const RectD& a, const RectD& b)
{
    return contains(b, a.left, a.top) || contains(b, a.right, a.top) ||
           contains(b, a.left, a.bottom) || contains(b, a.right, a.bottom);
}

} // namespace

QPointF PageMapping::toArea(QPointF page) const
{
    return {picture.left() + page.x() * picture.width(),
            picture.top() + page.y() * picture.height()};
}

QPointF PageMapping::toPage(QPointF area) const
{
    return {(area.x() - picture.left()) / std::max(1, picture.width()),
            (area.y() - picture.top()) / std::max(1, picture.height())};
}

QPoint PageMapping::areaPoint(double fx, double fy) const
{
    return {picture.left() + rnd(fx * picture.width()), picture.top() + rnd(fy * picture.height())};
}

QRect PageMapping::toArea(const RectD& page) const
{
    const QPoint a = areaPoint(page.left, page.top);
    const QPoint b = areaPoint(page.right, page.bottom);
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y()));
}

RectD PageMapping::toPage(const QRect& area) const
{
    const QPointF a = toPage(QPointF(area.topLeft()));
    const QPointF b = toPage(QPointF(area.left() + area.width(), area.top() + area.height()));
    return {a.x(), a.y(), b.x(), b.y()};
}

PageMapping fitPageMapping(const QRect& room, QSizeF pageSize)
{
    // Only the fitting of a view is wanted here, not what it shows.
    Session session;
    ViewState view{session};
    view.setViewport(room.size());
    view.fitPage(pageSize);
    PageMapping m;
    m.picture = QRect(room.topLeft() + view.shownRect().topLeft(), view.pictureSize());
    return m;
}

int stackCards(std::vector<Element*> cards, QSize area)
{
    int stack = 0;
    int right = area.width();
    int bottom = area.height();
    int y = bottom;
    bool empty = true;
    int leftmost = right - kCardWidth;
    for (Element* e : cards) {
        const int h = e->rect.height();
        int top = empty ? y - h : y - kCardGap - h;
        if (!empty && top < kStackTop) {
            ++stack;
            right = area.width() - kStackShiftX * stack;
            y = area.height() - kStackShiftY * stack;
            top = y - h;
        }
        e->rect.moveTopLeft(QPoint(right - e->rect.width(), top));
        leftmost = std::min(leftmost, right - kCardWidth);
        y = top;
        empty = false;
    }
    return leftmost;
}

int fittedPictureCardHeight(QSize picture)
{
    if (picture.width() <= 0 || picture.height() <= kCardHeight)
        return kCardHeight;
    return (kCardWidth - 44) * picture.height() / picture.width() + 4;
}

QRect textBoxRect(TextCanvas& canvas, const TextBoxPlace& p)
{
    TextFont font;
    font.family = p.fontFamily;
    font.pixelSize = std::max(1, p.characterHeight);
    canvas.setFont(font);
    int w = 0;
    if (p.clozeWidth || p.lengthHint) {
        w = std::max({canvas.width(QStringLiteral(" XX")), canvas.width(QLatin1Char(' ') + p.text),
                      canvas.width(QLatin1Char(' ') + QString(std::max(0, p.minGap), u'X'))});
    } else {
        w = std::max(canvas.width(QStringLiteral(" X")), canvas.width(QLatin1Char(' ') + p.text));
    }
    w = std::max(1, w - 2);
    const int h = canvas.textHeight();
    const double u = p.pageWidth / 870.0;
    const int x = p.cardPoint.x();
    const int y = p.cardPoint.y();
    const int centred = x - (w + 1) / 2;
    QPoint topLeft;
    if (p.kind == ObjectKind::GapCard) {
        topLeft = {centred, y - h - 4 - 2 * rnd(u)};
    } else {
        switch (p.side) {
        case Side::Right:
            topLeft = {x, y - rnd(h / 2.0)};
            break;
        case Side::Top:
            topLeft = {centred, y - h - rnd(2 * u)};
            break;
        case Side::Left:
            topLeft = {x - w, y - rnd(h / 2.0)};
            break;
        case Side::Bottom:
            topLeft = {centred, y + rnd(2 * u)};
            break;
        default:
            topLeft = {centred, y - rnd(h / 2.0)};
            break;
        }
    }
    // The box holds one line of text and its frame.
    return QRect(topLeft, QSize(w, h + 6));
}

int hitTestCandidates(const std::vector<int>& candidates, const CardBounds& bounds,
                      const RectD& element)
{
    const double midY = (element.top + element.bottom) / 2.0;
    for (int i : candidates) {
        const auto card = bounds(i);
        if (card && contains(*card, element.left, midY))
            return i;
    }
    for (int i : candidates) {
        const auto card = bounds(i);
        if (card && (cornerInside(element, *card) || cornerInside(*card, element)))
            return i;
    }
    return -1;
}

std::vector<QPoint> returnPath(QPoint from, QPoint origin)
{
    const QPoint d = origin - from;
    const double distance = std::hypot(double(d.x()), double(d.y()));
    const int n = rnd(distance / 2.0);
    if (n <= 0)
        return {origin};
    std::vector<QPoint> path;
    path.reserve(size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double f = double(i) / n;
        path.push_back({from.x() + rnd(d.x() * f), from.y() + rnd(d.y() * f)});
    }
    return path;
}

} // namespace velunto
