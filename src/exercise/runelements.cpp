// The elements of a run: making and placing them, the pointer and the
// keyboard on them, the target under a dragged card and the way back of a
// card that missed.

#include "common/numeric.h"
#include "document/document.h"
#include "document/textcanvas.h"
#include "exercise/exerciserun.h"
#include "exercise/normalizetext.h"
#include "platform/clock.h"
#include "platform/pause.h"
#include "view/numbering.h"
#include "view/pagegeometry.h"

#include <QImage>

#include <algorithm>

namespace velunto {

namespace {

constexpr int kCrossSize = 40;

bool isPictureCardKind(int kind)
{
    return kind == ObjectKind::QueryImage || kind == ObjectKind::TableQueryImage ||
           kind == ObjectKind::ClusterQueryImage;
}

// The kinds a dragged card can land on.
bool isDropKind(int kind)
{
    using namespace ObjectKind;
    switch (kind) {
    case QueryLabel:
    case GapCard:
    case QueryImage:
    case QuestionAnswer:
    case McAnswerBox:
    case TableQueryImage:
    case TableQueryText:
    case ClusterQueryText:
    case ClusterQueryImage:
    case CrosswordCell:
        return true;
    default:
        return false;
    }
}

QPoint rounded(QPointF p)
{
    return {rnd(p.x()), rnd(p.y())};
}

QRect keptInside(QRect r, QSize area)
{
    r.moveLeft(std::clamp(r.left(), 0, std::max(0, area.width() - r.width())));
    r.moveTop(std::clamp(r.top(), 0, std::max(0, area.height() - r.height())));
    return r;
}

} // namespace

// --- making and placing --------------------------------------------------------------

void ExerciseRun::createElements()
{
    auto& elements = m_r.elements;
    elements.clear();
    m_r.topZ = 0;
    const HeaderDataTyp& h = m_document.header;
    const int t = h.DokTyp;
    const QSize area = m_areaSize;
    const QRect columnPlace(area.width() - kCardWidth, area.height() - kCardHeight, kCardWidth,
                            kCardHeight);
    const auto add = [&](Element e) {
        e.z = ++m_r.topZ;
        elements.push_back(std::move(e));
    };

    int column = area.width() - kCardWidth;
    if (t == DokTyp::MultipleChoice) {
        for (int i = 0; i < m_document.objectCount(); ++i) {
            const ObjDataTyp& o = m_document.objects[i];
            if (o.Typ != ObjectKind::McAnswerBox && o.Typ != ObjectKind::McOkButton)
                continue;
            Element e;
            e.kind = o.Typ == ObjectKind::McAnswerBox ? ElementKind::AnswerBox
                                                      : ElementKind::CheckButton;
            e.number = i;
            e.object = i;
            e.visible = false;
            e.rect = columnPlace;
            e.caption = e.kind == ElementKind::AnswerBox ? o.Text.left(1) + QLatin1Char('-')
                                                         : QStringLiteral("Weiter");
            add(e);
        }
    } else if (t == DokTyp::CrossAssign) {
        for (size_t k = 0; k < m_r.order.size(); ++k) {
            Element e;
            e.kind = ElementKind::CrossElement;
            e.object = m_r.order[k].textIndex;
            e.number = e.object;
            e.entry = int(k);
            e.rect = QRect(columnPlace.topLeft(), QSize(kCrossSize, kCrossSize));
            add(e);
        }
    } else if (isTextEntry()) {
        for (size_t k = 0; k < m_r.order.size(); ++k) {
            const int object = m_r.order[k].positionIndex;
            const ObjDataTyp& o = m_document.objects[object];
            Element e;
            e.kind = ElementKind::TextBox;
            e.number = int(k);
            e.entry = int(k);
            e.object = object;
            e.visible = m_r.asked.typesInto(o.Typ);
            e.colour = e.ownColour = kTextBoxColour;
            // The hint counts what must be typed: the normalized answer.
            if (m_r.options.ShowAnswerLength)
                e.hint = QStringLiteral("<%1>").arg(normalizeText(o.Text).size());
            add(e);
        }
        for (int i = 0; i < m_document.objectCount(); ++i) {
            if (m_document.objects[i].Typ != ObjectKind::McOkButton)
                continue;
            Element e;
            e.kind = ElementKind::CheckButton;
            e.number = i;
            e.object = i;
            e.caption = QStringLiteral("Weiter");
            add(e);
        }
    } else {
        // Cards from the last entry to the first: the first entry lies on top.
        std::vector<size_t> cards;
        for (int k = int(m_r.order.size()) - 1; k >= 0; --k) {
            const int object = m_r.order[size_t(k)].textIndex;
            const ObjDataTyp& o = m_document.objects[object];
            Element e;
            e.number = k;
            e.entry = k;
            e.object = object;
            e.picture = isPictureCardKind(o.Typ);
            if (!e.picture)
                e.caption = normalizeText(comparisonText(object));
            int height = kCardHeight;
            if (e.picture && o.BildkarteAnpassen == 1)
                height = fittedPictureCardHeight(o.Bild.size());
            e.rect = QRect(columnPlace.topLeft(), QSize(kCardWidth, height));
            cards.push_back(elements.size());
            add(e);
        }
        std::vector<Element*> stack;
        for (size_t k : cards)
            stack.push_back(&elements[k]);
        if (!stack.empty())
            column = stackCards(stack, area);
    }

    m_r.pageEnd = std::max(1, column - kPageGap);
    const QSizeF pageSize = pageExtent(h, usableBaseSize(m_document.baseImage)).size;
    m_r.page = fitPageMapping(QRect(0, 0, m_r.pageEnd, std::max(1, area.height())), pageSize);

    // Sizes that follow the page picture.
    const int buttonHeight = std::max(1, rnd(m_r.page.width() * 34.0 / 870.0));
    for (Element& e : elements) {
        if (e.kind == ElementKind::AnswerBox)
            e.rect.setSize(QSize(buttonHeight, buttonHeight));
        else if (e.kind == ElementKind::CheckButton)
            e.rect.setSize(QSize(std::max(3 * buttonHeight, 60), buttonHeight));
    }
    if (isTextEntry())
        placeTextEntry();
    else if (t == DokTyp::CrossAssign)
        placeCrossElements();
}

void ExerciseRun::setAreaSize(QSize area)
{
    if (area == m_areaSize)
        return;
    m_areaSize = area;
    if (m_r.active && !m_r.elements.empty())
        placeInArea();
}

void ExerciseRun::placeInArea()
{
    const PageMapping before = m_r.page;
    const int columnBefore = m_r.pageEnd + kPageGap;
    const bool cards = isCardType() && !isTextEntry();
    std::vector<Element*> column;
    std::vector<Element*> overPage;
    for (Element& e : m_r.elements) {
        if (e.kind == ElementKind::TextBox || (isTextEntry() && e.kind == ElementKind::CheckButton))
            continue; // placed from their objects below
        if (cards && e.kind == ElementKind::Card && e.takesPart() && e.rect.left() >= columnBefore)
            column.push_back(&e);
        else
            overPage.push_back(&e);
    }
    int left = m_areaSize.width() - kCardWidth;
    if (cards && m_r.options.QueryMode == QueryMode::SingleCards) {
        for (Element* e : column)
            e->rect.moveTopLeft(QPoint(m_areaSize.width() - e->rect.width(),
                                       (m_areaSize.height() - e->rect.height()) / 2));
    } else if (!column.empty()) {
        left = stackCards(column, m_areaSize);
    }
    if (cards && column.empty())
        left = std::min(left, columnBefore);
    m_r.pageEnd = std::max(1, left - kPageGap);
    const QSizeF pageSize =
        pageExtent(m_document.header, usableBaseSize(m_document.baseImage)).size;
    m_r.page = fitPageMapping(QRect(0, 0, m_r.pageEnd, std::max(1, m_areaSize.height())), pageSize);
    for (Element* e : overPage)
        e->rect.moveTopLeft(rounded(m_r.page.toArea(before.toPage(QPointF(e->rect.topLeft())))));
    if (isTextEntry())
        placeTextEntry();
    else if (m_document.header.DokTyp == DokTyp::CrossAssign)
        placeCrossElements();
    if (!m_quiet) {
        m_host.pageChanged();
        for (size_t k = 0; k < m_r.elements.size(); ++k)
            m_host.elementChanged(int(k));
    }
}

// The click areas of a cross assignment lie at the ends of the pair lines,
// 20 pixels above the card point: right of an element whose card lies left of
// its point, left of every other one (of a centred card, left of its left
// edge). So the hidden copy of a middle element, which has no card of its
// own, gets its area right of the middle card, where its second pair starts.
void ExerciseRun::placeCrossElements()
{
    for (Element& e : m_r.elements) {
        if (e.kind != ElementKind::CrossElement || !m_document.isValidIndex(e.object))
            continue;
        const ObjDataTyp& o = m_document.objects[e.object];
        const double x = o.KAusr == Side::Centre ? o.Kx - o.KBreite / 2.0 : o.Kx;
        const QPoint at = m_r.page.areaPoint(x, o.Ky);
        const int left = o.KAusr == Side::Left ? at.x() + 9 : at.x() - 50;
        e.rect.moveTopLeft(QPoint(left, at.y() - 20));
    }
}

void ExerciseRun::placeTextEntry()
{
    const HeaderDataTyp& h = m_document.header;
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    PainterCanvas canvas(&device);
    const int w = m_r.page.width();
    for (Element& e : m_r.elements) {
        if (e.kind == ElementKind::CheckButton) {
            e.rect.moveTopLeft(QPoint(m_areaSize.width() - 1 - e.rect.width(),
                                      m_areaSize.height() - 1 - e.rect.height()));
            continue;
        }
        if (e.kind != ElementKind::TextBox || !m_document.isValidIndex(e.object))
            continue;
        const ObjDataTyp& o = m_document.objects[e.object];
        TextBoxPlace place;
        place.kind = o.Typ;
        place.side = o.KAusrAktiv;
        place.cardPoint = m_r.page.areaPoint(o.Kx, o.Ky);
        place.pageWidth = w;
        place.text = o.Text;
        place.minGap = h.MinLuecke;
        place.lengthHint = m_r.options.ShowAnswerLength;
        place.clozeWidth = h.DokTyp == DokTyp::Cloze;
        // Gap cards are typed at the height the cloze layout fitted its text
        // to: 22 less its shrink, on a page 870 wide.
        const double units = o.Typ == ObjectKind::GapCard
                                 ? 22.0 + m_document.clozeFontStep
                                 : 2.0 * std::clamp(o.Fsize, -8, 400) + 22.0;
        place.characterHeight = std::max(1, rnd(units * w / 870.0));
        place.fontFamily = m_document.fontName();
        e.rect = textBoxRect(canvas, place);
        e.textHeight = place.characterHeight;
    }
}

void ExerciseRun::layoutElements()
{
    if (isTextEntry()) {
        placeTextEntry();
    } else if (isCardType()) {
        std::vector<Element*> visible;
        for (Element& e : m_r.elements)
            if (e.kind == ElementKind::Card && e.takesPart())
                visible.push_back(&e);
        if (m_r.options.QueryMode == QueryMode::SingleCards) {
            // The one card of the moment waits at the right edge, centred.
            for (Element* e : visible)
                e->rect.moveTopLeft(QPoint(m_areaSize.width() - e->rect.width(),
                                           (m_areaSize.height() - e->rect.height()) / 2));
        } else {
            stackCards(visible, m_areaSize);
        }
    }
    if (!m_quiet)
        for (size_t k = 0; k < m_r.elements.size(); ++k)
            m_host.elementChanged(int(k));
}

// --- element state -------------------------------------------------------------------

void ExerciseRun::elementChanged(int element)
{
    if (!m_quiet && element >= 0 && element < int(m_r.elements.size()))
        m_host.elementChanged(element);
}

void ExerciseRun::bringToFront(int element)
{
    m_r.elements[size_t(element)].z = ++m_r.topZ;
    elementChanged(element);
}

void ExerciseRun::setElementColour(int element, ColorRef colour)
{
    if (element < 0 || element >= int(m_r.elements.size()))
        return;
    Element& e = m_r.elements[size_t(element)];
    if (e.colour == colour)
        return;
    e.colour = colour;
    elementChanged(element);
}

void ExerciseRun::hideElement(int element)
{
    if (element < 0 || element >= int(m_r.elements.size()) ||
        !m_r.elements[size_t(element)].visible)
        return;
    m_r.elements[size_t(element)].visible = false;
    elementChanged(element);
}

void ExerciseRun::removeElement(int element)
{
    if (element < 0 || element >= int(m_r.elements.size()))
        return;
    Element& e = m_r.elements[size_t(element)];
    e.visible = false;
    e.removed = true;
    elementChanged(element);
}

void ExerciseRun::hideAllElements()
{
    for (size_t k = 0; k < m_r.elements.size(); ++k)
        hideElement(int(k));
}

int ExerciseRun::elementOfEntry(int entry) const
{
    for (size_t k = 0; k < m_r.elements.size(); ++k)
        if (m_r.elements[k].entry == entry)
            return int(k);
    return -1;
}

int ExerciseRun::elementOfObject(int object) const
{
    for (size_t k = 0; k < m_r.elements.size(); ++k)
        if (m_r.elements[k].object == object)
            return int(k);
    return -1;
}

// --- targets -------------------------------------------------------------------------

std::vector<int> ExerciseRun::hitCandidates() const
{
    std::vector<int> candidates;
    const bool singlePosition =
        isCardType() && !isTextEntry() && m_r.options.QueryMode == QueryMode::SinglePositions;
    for (int i = 0; i < m_document.objectCount(); ++i) {
        const ObjDataTyp& o = m_document.objects[i];
        if (!isDropKind(o.Typ) || o.Nummer < 0 || o.Abdeckung != ExerciseState::Open)
            continue;
        if ((o.Typ == ObjectKind::QuestionAnswer || o.Typ == ObjectKind::McAnswerBox) &&
            o.FrageNummer != m_r.currentQuestion)
            continue;
        if (singlePosition && i != m_r.markedTarget)
            continue;
        candidates.push_back(i);
    }
    return candidates;
}

int ExerciseRun::hitTest(int element) const
{
    if (!m_services.cardBounds || element < 0 || element >= int(m_r.elements.size()))
        return -1;
    const RectD rect = m_r.page.toPage(m_r.elements[size_t(element)].rect);
    return hitTestCandidates(hitCandidates(), m_services.cardBounds, rect);
}

void ExerciseRun::highlightTarget(int index)
{
    m_r.drag.dropTarget = index;
    QRect frame;
    if (index == -1) {
        m_r.drag.basket = -1;
        m_r.drag.firstElement = -1;
    } else if (m_services.cardBounds && m_document.isValidIndex(index)) {
        if (const auto bounds = m_services.cardBounds(index))
            frame = m_r.page.toArea(*bounds).adjusted(-4, -4, 4, 4);
    }
    if (frame != m_r.highlight) {
        m_r.highlight = frame;
        if (!m_quiet)
            m_host.highlightChanged();
    }
}

void ExerciseRun::returnCard(int element)
{
    Element& e = m_r.elements[size_t(element)];
    const std::vector<QPoint> path = returnPath(e.rect.topLeft(), m_r.drag.origin);
    const qint64 begin = m_services.clock->milliseconds();
    for (size_t i = 0; i < path.size(); ++i) {
        e.rect.moveTopLeft(path[i]);
        elementChanged(element);
        const qint64 wait = begin + qint64(i) - m_services.clock->milliseconds();
        if (wait > 0)
            pause(int(wait));
        if (i > 0 && i % 100 == 0)
            refreshClock();
    }
}

// --- the pointer ---------------------------------------------------------------------

void ExerciseRun::press(int element, QPointF page)
{
    if (!isUnfinished() || m_r.busy || carrying() || element < 0 ||
        element >= int(m_r.elements.size()) || !m_r.elements[size_t(element)].takesPart())
        return;
    const int t = m_document.header.DokTyp;
    Element& e = m_r.elements[size_t(element)];
    bringToFront(element);
    m_r.drag.element = element;
    m_r.drag.origin = e.rect.topLeft();
    m_r.drag.grab = rounded(toArea(page)) - e.rect.topLeft();
    const int currentPosition =
        m_r.order.empty() ? -1 : m_r.order[size_t(m_r.currentEntry)].positionIndex;

    if (t == DokTyp::Questions) {
        m_r.drag.dropTarget = currentPosition;
    } else if (t == DokTyp::MultipleChoice) {
        if (e.kind == ElementKind::AnswerBox) {
            e.ticked = !e.ticked;
            if (e.caption.size() >= 2)
                e.caption[1] = e.ticked ? QLatin1Char('+') : QLatin1Char('-');
            elementChanged(element);
        } else {
            m_r.drag.dropTarget = currentPosition;
        }
    } else if (t == DokTyp::CrossAssign) {
        const int first = m_r.drag.firstElement;
        if (first >= 0 && first != e.object && (first % 2) != (e.object % 2)) {
            e.ticked = true;
            e.colour = kMarkedColour;
            elementChanged(element);
            m_r.drag.dropTarget = e.object;
        } else {
            for (size_t k = 0; k < m_r.elements.size(); ++k) {
                Element& other = m_r.elements[k];
                if (other.kind == ElementKind::CrossElement && other.ticked) {
                    other.ticked = false;
                    other.colour = other.ownColour;
                    elementChanged(int(k));
                }
            }
            e.ticked = true;
            e.colour = kMarkedColour;
            elementChanged(element);
            m_r.drag.firstElement = e.object;
        }
    } else if (isTextEntry() && e.kind == ElementKind::CheckButton) {
        m_r.drag.dropTarget = kEvaluateAll;
    }
}

void ExerciseRun::move(QPointF page)
{
    const int element = m_r.drag.element;
    if (element < 0 || !isUnfinished() || m_r.busy || !isCardType() || isTextEntry())
        return;
    Element& e = m_r.elements[size_t(element)];
    const QRect moved =
        keptInside(QRect(rounded(toArea(page)) - m_r.drag.grab, e.rect.size()), m_areaSize);
    if (moved != e.rect) {
        e.rect = moved;
        elementChanged(element);
    }
    if (m_document.header.DokTyp == DokTyp::Cluster) {
        // Only a basket takes a card: beside the baskets a card has no target
        // and stays where it is let go.
        const int basket = m_host.basketAt(m_r.page.toPage(QPointF(e.rect.center())));
        m_r.drag.basket = basket > 0 ? basket : -1;
        m_r.drag.dropTarget = m_r.drag.basket;
        QRect frame;
        if (basket > 0) {
            if (const auto bounds = m_host.basketBounds(basket))
                frame = m_r.page.toArea(*bounds);
        }
        if (frame != m_r.highlight) {
            m_r.highlight = frame;
            m_host.highlightChanged();
        }
        return;
    }
    highlightTarget(hitTest(element));
}

void ExerciseRun::release()
{
    const int element = m_r.drag.element;
    if (element < 0 || !isUnfinished() || m_r.busy)
        return;
    m_r.drag.element = -1;
    judge(element);
}

void ExerciseRun::setTypedText(int element, const QString& text)
{
    if (element < 0 || element >= int(m_r.elements.size()))
        return;
    Element& e = m_r.elements[size_t(element)];
    if (e.kind == ElementKind::TextBox)
        e.typed = text.left(kMaxTypedLength);
}

void ExerciseRun::click(int element)
{
    if (element < 0 || element >= int(m_r.elements.size()))
        return;
    const QPointF centre = m_r.page.toPage(QPointF(m_r.elements[size_t(element)].rect.center()));
    press(element, centre);
    if (m_r.drag.element == element)
        release();
}

// --- the keyboard --------------------------------------------------------------------

bool ExerciseRun::takeCard(int element)
{
    if (!isUnfinished() || m_r.busy || carrying() || m_r.drag.element >= 0 || !isCardType() ||
        isTextEntry() || m_document.header.DokTyp == DokTyp::Cluster || element < 0 ||
        element >= int(m_r.elements.size()))
        return false;
    Element& e = m_r.elements[size_t(element)];
    if (e.kind != ElementKind::Card || !e.takesPart())
        return false;
    bringToFront(element);
    m_r.drag.element = element;
    m_r.drag.origin = e.rect.topLeft();
    m_r.drag.grab = QPoint();
    m_r.carry = Carry{};
    m_r.carry.element = element;
    // The open positions in reading order: top to bottom, then left to right.
    std::vector<std::pair<RectD, int>> targets;
    if (m_services.cardBounds) {
        for (int i : hitCandidates())
            if (const auto b = m_services.cardBounds(i))
                targets.push_back({*b, i});
    }
    std::stable_sort(targets.begin(), targets.end(), [](const auto& a, const auto& b) {
        return a.first.top < b.first.top ||
               (a.first.top == b.first.top && a.first.left < b.first.left);
    });
    for (const auto& [bounds, index] : targets)
        m_r.carry.targets.push_back(index);
    return true;
}

void ExerciseRun::placeCarriedOver(int target)
{
    const int element = m_r.carry.element;
    if (element < 0 || !m_services.cardBounds)
        return;
    const auto bounds = m_services.cardBounds(target);
    if (!bounds)
        return;
    Element& e = m_r.elements[size_t(element)];
    const QRect card = m_r.page.toArea(*bounds);
    // The middle of the card's left edge lies just inside the target's right
    // edge, as after a drop with the mouse, and the target's number stays
    // in sight.
    const QRect over(QPoint(std::max(card.left(), card.left() + card.width() - 3),
                            card.center().y() - e.rect.height() / 2),
                     e.rect.size());
    e.rect = keptInside(over, m_areaSize);
    elementChanged(element);
    highlightTarget(target);
}

void ExerciseRun::chooseNextTarget(int step)
{
    Carry& c = m_r.carry;
    const int n = int(c.targets.size());
    if (c.element < 0 || n == 0 || step == 0)
        return;
    c.chosen = c.chosen < 0 ? (step > 0 ? 0 : n - 1) : ((c.chosen + step) % n + n) % n;
    c.label.clear();
    placeCarriedOver(c.targets[size_t(c.chosen)]);
}

void ExerciseRun::typeTargetLabel(QChar typed)
{
    Carry& c = m_r.carry;
    if (c.element < 0 || typed.isSpace())
        return;
    const int numArt = m_document.header.NumArt;
    const auto labelOf = [&](int index) {
        return numberLabel(m_document.objects[index].Nummer, numArt);
    };
    const auto startsAny = [&](const QString& label) {
        return std::any_of(c.targets.begin(), c.targets.end(), [&](int i) {
            return labelOf(i).startsWith(label, Qt::CaseInsensitive);
        });
    };
    QString label = c.label + typed;
    if (!startsAny(label))
        label = QString(typed);
    c.label = label;
    for (size_t k = 0; k < c.targets.size(); ++k) {
        if (labelOf(c.targets[k]).compare(label, Qt::CaseInsensitive) == 0) {
            c.chosen = int(k);
            placeCarriedOver(c.targets[k]);
            return;
        }
    }
}

void ExerciseRun::dropCarried()
{
    if (m_r.carry.element < 0 || m_r.carry.chosen < 0)
        return;
    m_r.carry = Carry{};
    release();
}

void ExerciseRun::putBack()
{
    const int element = m_r.carry.element;
    if (element < 0)
        return;
    m_r.carry = Carry{};
    m_r.drag.element = -1;
    highlightTarget(-1);
    returnCard(element);
}

} // namespace velunto
