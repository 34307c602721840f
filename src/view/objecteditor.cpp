#include "view/objecteditor.h"

#include "common/numeric.h"
#include "document/document.h"
#include "document/objectkinds.h"
#include "view/cardplacement.h"
#include "view/hittest.h"
#include "view/numbering.h"
#include "view/pointaction.h"
#include "view/session.h"
#include "view/viewstate.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace velunto {

namespace {

constexpr int kOpacityRows = 11;  // "transparent", "10%" ... "90%", "deckend"
constexpr int kThicknessRows = 5; // "1" ... "5"
constexpr int kNearPixels = 5;    // how close the mouse must come to a point
constexpr int kSquareHalf = 6;    // the point handles are 13 x 13 pixels
constexpr int kCardHandleMargin = 4;
constexpr int kFrameMargin = 3;

int toField(double value)
{
    return std::clamp(rnd(value * kPositionUnits), 0, kPositionUnits);
}

double fromField(int field)
{
    return std::clamp(field, 0, kPositionUnits) / double(kPositionUnits);
}

int rowIn(int value, int rows)
{
    return value >= 0 && value < rows ? value : -1;
}

QRect squareAround(QPoint p)
{
    return {p.x() - kSquareHalf, p.y() - kSquareHalf, 2 * kSquareHalf + 1, 2 * kSquareHalf + 1};
}

bool isNear(QPoint p, QPointF screen)
{
    return std::abs(p.x() - screen.x()) <= kNearPixels &&
           std::abs(p.y() - screen.y()) <= kNearPixels;
}

QRect cardOnScreen(const RectD& b, const ViewState& view)
{
    const QPoint topLeft = view.pageToScreen(b.left, b.top);
    const QPoint bottomRight = view.pageToScreen(b.right, b.bottom);
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

} // namespace

int kindRow(int kind)
{
    const auto it = std::find(kKindOfRow.begin(), kKindOfRow.end(), kind);
    return it == kKindOfRow.end() ? -1 : int(it - kKindOfRow.begin());
}

int layerRow(int layer)
{
    const auto it = std::find(kLayerOfRow.begin(), kLayerOfRow.end(), layer);
    return it == kLayerOfRow.end() ? -1 : int(it - kLayerOfRow.begin());
}

EditorFields clearedFields()
{
    return EditorFields{};
}

EditorFields fieldsOf(const ObjDataTyp& o)
{
    EditorFields f;
    f.anchorX = toField(o.Sx);
    f.anchorY = toField(o.Sy);
    f.cardX = toField(o.Kx);
    f.cardY = toField(o.Ky);
    f.withLine = o.Sline == 1;
    f.kindRow = kindRow(o.Typ);
    f.layerRow = layerRow(o.Ebene);
    f.sideRow = rowIn(o.KAusr, Side::Centre + 1);
    f.sizeRow = std::clamp(o.Fsize, kSmallestSizeStep, kLargestSizeStep) - kSmallestSizeStep;
    f.alignRow = rowIn(o.TAusr, 3);
    f.style = o.Stil & (StyleBit::Bold | StyleBit::Italic | StyleBit::Underline);
    f.textColour = o.Farbe;
    f.lineColour = o.LinieFarbe;
    f.background = o.HFarbe;
    const int opacity = isPictureKind(o.Typ) ? o.BildDeck : o.HDeck;
    f.opacityRow = std::clamp(rnd(opacity / 10.0), 0, kOpacityRows - 1);
    f.thicknessRow = std::clamp(o.LinieDicke - 1, 0, kThicknessRows - 1);
    f.text = o.Text;
    f.pointTitle = o.PktCap;
    f.pointTitle2 = o.PktCap2;
    f.bildKenn = o.BildKenn;
    f.fitPictureCard = o.BildkarteAnpassen == 1;
    f.inExercise = o.PunktInUebung == 1;
    f.picture = o.Bild;
    return f;
}

void applyFields(const EditorFields& f, ObjDataTyp& o)
{
    o.Sx = fromField(f.anchorX);
    o.Sy = fromField(f.anchorY);
    o.Kx = fromField(f.cardX);
    o.Ky = fromField(f.cardY);
    o.Sline = f.withLine ? 1 : 0;
    if (f.kindRow >= 0 && f.kindRow < int(kKindOfRow.size()))
        o.Typ = kKindOfRow[std::size_t(f.kindRow)];
    if (f.layerRow >= 0 && f.layerRow < int(kLayerOfRow.size()))
        o.Ebene = kLayerOfRow[std::size_t(f.layerRow)];
    if (f.sideRow >= 0 && f.sideRow <= Side::Centre) {
        o.KAusr = f.sideRow;
        // An explicit side is also the side in effect; "automatisch" keeps
        // the side the automatic placement chose last.
        if (f.sideRow > 0)
            o.KAusrAktiv = f.sideRow;
    }
    o.Fsize = std::clamp(f.sizeRow + kSmallestSizeStep, kSmallestSizeStep, kLargestSizeStep);
    if (f.alignRow >= 0 && f.alignRow <= 2)
        o.TAusr = f.alignRow;
    o.Stil = f.style;
    o.Farbe = f.textColour;
    o.LinieFarbe = f.lineColour;
    o.HFarbe = f.background;
    const int opacity = std::clamp(f.opacityRow, 0, kOpacityRows - 1) * 10;
    o.HDeck = opacity;
    o.BildDeck = opacity;
    o.LinieDicke = std::clamp(f.thicknessRow, 0, kThicknessRows - 1) + 1;
    // The picture kinds 6 and 7 have no text field.
    if (o.Typ != ObjectKind::QueryImage && o.Typ != ObjectKind::FixedImage)
        o.Text = f.text;
    o.PktCap = f.pointTitle;
    o.PktCap2 = f.pointTitle2;
    o.BildKenn = f.bildKenn;
    o.BildkarteAnpassen = f.fitPictureCard ? 1 : 0;
    o.PunktInUebung = f.inExercise ? 1 : 0;
    if (kindRow(o.Typ) >= 0) {
        // Only the picture kinds own a picture; a picture kind always has one.
        if (isPictureKind(o.Typ))
            o.Bild = f.picture.isNull() ? Document::blankPicture() : f.picture;
        else
            o.Bild = Picture();
    }
}

KindPanels panelsForRow(int row)
{
    const auto in = [row](std::initializer_list<int> rows) {
        return std::find(rows.begin(), rows.end(), row) != rows.end();
    };
    KindPanels p;
    // A generated kind that the editor can pick (a crossword letter) is a
    // text card.
    p.textPanel = in({0, 2, 4, -1});
    p.picturePanel = in({1, 3});
    p.filePanel = in({5, 6});
    p.pictureLinkPanel = in({7});
    p.textSize = in({0, 1, 2, 3, 7});
    p.alignmentAndStyle = in({0, 2});
    p.textAndBackgroundColour = in({0, 2, 4, 5, 6});
    p.pictureOpacityCaption = in({1, 3, 7});
    p.pointTitles = in({4, 5, 6});
    p.tagButtons = in({4});
    p.testAndExercise = in({4, 5, 6, 7});
    p.password = in({4, 5, 7});
    p.fitPictureCard = in({1});
    if (in({1, 3, 7}))
        p.positionCaption = QStringLiteral("Bildposition:");
    else if (in({4, 5, 6}))
        p.positionCaption = QStringLiteral("Punktposition:");
    else
        p.positionCaption = QStringLiteral("Textposition:");
    return p;
}

double roundToHundredth(double value)
{
    return rnd(value * 100.0) / 100.0;
}

QString pathRelativeToDocument(const QString& path, const QString& documentFile)
{
    if (documentFile.isEmpty() || isWebAddress(path) || !QDir::isAbsolutePath(path))
        return path;
    return QDir(QFileInfo(documentFile).absolutePath()).relativeFilePath(path);
}

int movedPosition(int field, int step)
{
    if (step == 0)
        return std::clamp(field, 0, kPositionUnits);
    const double moved = field + step;
    const double grid = std::abs(step);
    const double snapped =
        step > 0 ? std::floor(moved / grid) * grid : std::ceil(moved / grid) * grid;
    return std::clamp(int(snapped), 0, kPositionUnits);
}

int transformObjects(Document& document, const Transformation& t)
{
    const double ox = t.ox / double(kPositionUnits);
    const double oy = t.oy / double(kPositionUnits);
    int moved = 0;
    for (ObjDataTyp& o : document.objects) {
        if (!isEditorKind(o.Typ))
            continue;
        o.Sx = clampDouble(t.fx * o.Sx + ox, 0.0, 1.0);
        o.Sy = clampDouble(t.fy * o.Sy + oy, 0.0, 1.0);
        o.Kx = clampDouble(t.fx * o.Kx + ox, 0.0, 1.0);
        o.Ky = clampDouble(t.fy * o.Ky + oy, 0.0, 1.0);
        ++moved;
    }
    document.setModified();
    document.notifyAllObjectsChanged(ObjectAspect::Position);
    return moved;
}

void alignAllToGrid(Document& document)
{
    for (ObjDataTyp& o : document.objects) {
        if (!isEditorKind(o.Typ))
            continue;
        o.Kx = roundToHundredth(o.Kx);
        o.Ky = roundToHundredth(o.Ky);
    }
    document.setModified();
    document.notifyAllObjectsChanged(ObjectAspect::Position);
}

// --- ObjectEditor -------------------------------------------------------------------

ObjectEditor::ObjectEditor(Document& document, Session& session, const ViewState& view,
                           const DrawnCards& cards)
    : m_document(document), m_session(session), m_view(view), m_cards(cards)
{
    m_document.addObserver(this);
}

ObjectEditor::~ObjectEditor()
{
    m_document.removeObserver(this);
}

void ObjectEditor::documentChanged(const DocumentChange& change)
{
    if (m_writing)
        return;
    // The window's list of objects follows every change of the list, with or
    // without a selection.
    const bool listChanged =
        change.has(DocumentChange::Replaced | DocumentChange::ObjectsAdded |
                   DocumentChange::ObjectsRemoved | DocumentChange::ObjectsReordered);
    if (change.has(DocumentChange::Replaced | DocumentChange::ObjectsRemoved |
                   DocumentChange::ObjectsReordered)) {
        // The index may name another object now, or none.
        if (m_selected >= 0)
            forgetSelection();
    } else if (m_selected >= 0 && change.touches(m_selected)) {
        if (!m_document.isValidIndex(m_selected)) {
            forgetSelection();
        } else {
            const EditorFields now = fieldsOf(m_document.objects[std::size_t(m_selected)]);
            if (now == m_fields && !listChanged)
                return;
            m_fields = now;
        }
    } else if (!listChanged) {
        return;
    }
    if (m_followed)
        m_followed();
}

bool ObjectEditor::isOpen() const
{
    return m_session.editorOpen();
}

void ObjectEditor::setOpen(bool open)
{
    const Writing writing(*this);
    if (!open)
        select(-1);
    m_session.setSelectedObject(m_selected);
    m_session.setEditorOpen(open);
}

bool ObjectEditor::hasSelection() const
{
    return m_document.isValidIndex(m_selected);
}

ObjDataTyp* ObjectEditor::selectedObject()
{
    return hasSelection() ? &m_document.objects[std::size_t(m_selected)] : nullptr;
}

void ObjectEditor::select(int index)
{
    const Writing writing(*this);
    apply();
    m_drag = {};
    m_selected = m_document.isValidIndex(index) ? index : -1;
    fill();
    m_session.setSelectedObject(m_selected);
}

void ObjectEditor::forgetSelection()
{
    const Writing writing(*this);
    m_drag = {};
    m_selected = -1;
    fill();
    m_session.setSelectedObject(-1);
}

void ObjectEditor::fill()
{
    if (const ObjDataTyp* o = selectedObject()) {
        m_fields = fieldsOf(*o);
        return;
    }
    // The kind buttons keep showing the kind chosen last.
    const int kind = m_fields.kindRow;
    m_fields = clearedFields();
    m_fields.kindRow = kind;
}

void ObjectEditor::apply()
{
    const Writing writing(*this);
    if (ObjDataTyp* o = selectedObject()) {
        applyFields(m_fields, *o);
        m_document.notifyObjectChanged(m_selected, ObjectAspect::All);
    }
}

bool ObjectEditor::changeFields(const EditorFields& fields)
{
    const Writing writing(*this);
    const bool automaticChosen = fields.sideRow == Side::Automatic && m_fields.sideRow != 0;
    m_fields = fields;
    for (int* p : {&m_fields.anchorX, &m_fields.anchorY, &m_fields.cardX, &m_fields.cardY})
        *p = std::clamp(*p, 0, kPositionUnits);
    m_document.setModified();
    ObjDataTyp* o = selectedObject();
    if (!o)
        return false;
    applyFields(m_fields, *o);
    if (automaticChosen)
        o->KAusrAktiv = 0;
    // Without "Auto-Vorschau" the page shows the change at the next preview.
    if (autoPreview)
        m_document.notifyObjectChanged(m_selected, ObjectAspect::All);
    return true;
}

int ObjectEditor::newObject(int kind)
{
    const Writing writing(*this);
    const int side = m_fields.sideRow >= 0 ? m_fields.sideRow : Side::Automatic;
    const int index =
        m_document.newObject(kind, m_view.ansicht(), m_counter, m_fields.withLine, side);
    m_counter = m_counter >= 9 ? 1 : m_counter + 1;
    m_document.setModified();
    select(index);
    apply();
    return index;
}

std::optional<QString> ObjectEditor::duplicate()
{
    const Writing writing(*this);
    if (!hasSelection())
        return QStringLiteral("Funktion nicht möglich, da kein Objekt markiert.");
    apply();
    const int copy = m_document.duplicateObject(m_selected);
    m_document.setModified();
    select(copy);
    apply();
    return std::nullopt;
}

std::optional<QString> ObjectEditor::copy()
{
    const Writing writing(*this);
    if (!hasSelection())
        return QStringLiteral("Funktion nicht möglich, da kein Objekt markiert.");
    apply();
    m_document.copyObject(m_selected);
    return std::nullopt;
}

bool ObjectEditor::canPaste() const
{
    return m_document.canPaste();
}

std::optional<QString> ObjectEditor::paste()
{
    const Writing writing(*this);
    if (!m_document.canPaste())
        return QStringLiteral("Einfügen nicht möglich, da zuvor kein Objekt kopiert wurde.");
    apply();
    const int index = m_document.pasteObject();
    m_document.setModified();
    select(index);
    apply();
    return std::nullopt;
}

QString ObjectEditor::selectedObjectName() const
{
    if (!hasSelection())
        return {};
    const QString quoted = QStringLiteral("\"") + m_fields.text + QStringLiteral("\"");
    switch (m_document.objects[std::size_t(m_selected)].Typ) {
    case ObjectKind::QueryImage:
    case ObjectKind::FixedImage:
        return QStringLiteral("das Bild");
    case ObjectKind::ExternalLink:
    case ObjectKind::DocumentLink:
    case ObjectKind::ImageLink:
        return QStringLiteral("die Dateiverknüpfung ") + quoted;
    case ObjectKind::InfoPoint:
        return QStringLiteral("der Infopunkt ") + quoted;
    case ObjectKind::QueryLabel:
    case ObjectKind::FixedLabel:
        return QStringLiteral("die Beschriftung ") + quoted;
    default:
        return QStringLiteral("das Objekt");
    }
}

QString ObjectEditor::deleteQuestion() const
{
    if (!hasSelection())
        return {};
    return QStringLiteral("Soll ") + selectedObjectName() + QStringLiteral(" (ID ") +
           QString::number(m_selected) + QStringLiteral(") wirklich gelöscht werden?");
}

bool ObjectEditor::deleteSelected()
{
    const Writing writing(*this);
    if (!hasSelection())
        return false;
    m_document.deleteObject(m_selected);
    m_document.setModified();
    // The index now names the object after the deleted one: nothing of the
    // fields may reach it.
    forgetSelection();
    return true;
}

bool ObjectEditor::bringToFront()
{
    const Writing writing(*this);
    if (!hasSelection())
        return false;
    apply();
    m_document.bringToFront(m_selected);
    m_document.setModified();
    return true;
}

bool ObjectEditor::sendToBack()
{
    const Writing writing(*this);
    if (!hasSelection())
        return false;
    apply();
    m_document.sendToBack(m_selected);
    m_document.setModified();
    return true;
}

bool ObjectEditor::move(int dx, int dy)
{
    const Writing writing(*this);
    if (!hasSelection())
        return false;
    EditorFields f = m_fields;
    if (dx != 0)
        f.cardX = movedPosition(f.cardX, dx);
    if (dy != 0)
        f.cardY = movedPosition(f.cardY, dy);
    changeFields(f);
    return true;
}

bool ObjectEditor::alignSelectionToGrid()
{
    const Writing writing(*this);
    if (!hasSelection())
        return false;
    EditorFields f = m_fields;
    f.cardX = 100 * rnd(f.cardX / 100.0);
    f.cardY = 100 * rnd(f.cardY / 100.0);
    changeFields(f);
    return true;
}

void ObjectEditor::preview()
{
    const Writing writing(*this);
    m_document.notifyAllObjectsChanged(ObjectAspect::All);
}

void ObjectEditor::transform(const Transformation& t)
{
    const Writing writing(*this);
    select(-1);
    transformObjects(m_document, t);
}

// --- handles ------------------------------------------------------------------------

Handle ObjectEditor::handleAt(QPointF page) const
{
    const QPointF screen = m_view.pageToScreenF(page);
    if (!m_view.shownRect().contains(screen.toPoint()))
        return {};
    const auto pointHandles = [&](int index) -> Handle {
        const ObjDataTyp& o = m_document.objects[std::size_t(index)];
        const QPoint anchor = m_view.pageToScreen(o.Sx, o.Sy);
        if (o.Sline == 1 && isNear(anchor, screen))
            return {HandleKind::Anchor, index, squareAround(anchor)};
        const QPoint cardPoint = m_view.pageToScreen(o.Kx, o.Ky);
        if (isNear(cardPoint, screen))
            return {HandleKind::CardPoint, index, squareAround(cardPoint)};
        return {};
    };
    // The marked object's points can be taken wherever they lie, also away
    // from its card.
    if (hasSelection() && isObjectClickable(m_document.objects[std::size_t(m_selected)], m_view)) {
        const Handle h = pointHandles(m_selected);
        if (h.kind != HandleKind::None)
            return h;
    }
    const int hit = hitTest(m_document, m_view, m_cards, m_view.screenToPage(screen));
    if (hit < 0)
        return {};
    const Handle h = pointHandles(hit);
    if (h.kind != HandleKind::None)
        return h;
    const QRect card = cardOnScreen(m_cards.bounds(hit), m_view);
    return {HandleKind::Card, hit,
            card.adjusted(-kCardHandleMargin, -kCardHandleMargin, kCardHandleMargin,
                          kCardHandleMargin)};
}

QRect ObjectEditor::selectionFrame() const
{
    if (!hasSelection())
        return {};
    const ObjDataTyp& o = m_document.objects[std::size_t(m_selected)];
    if (!m_cards.wasDrawn(m_selected) || !isObjectShown(o, m_view))
        return {};
    return cardOnScreen(m_cards.bounds(m_selected), m_view)
        .adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin);
}

void ObjectEditor::beginDrag(const Handle& handle, QPointF page)
{
    if (handle.kind == HandleKind::None || !m_document.isValidIndex(handle.object))
        return;
    if (handle.object != m_selected)
        select(handle.object);
    m_drag = {};
    m_drag.kind = handle.kind;
    m_drag.last = page;
    m_drag.card = {m_document.objects[handle.object].Kx, m_document.objects[handle.object].Ky};
    // The squares are taken by their centre.
    const QPointF centre(handle.rect.topLeft() + QPoint(kSquareHalf, kSquareHalf));
    m_drag.offset = m_view.screenToPageUnclamped(centre) - page;
}

int ObjectEditor::dragTo(QPointF page, bool ctrl)
{
    const Writing writing(*this);
    ObjDataTyp* o = selectedObject();
    if (!isDragging() || !o)
        return -1;
    const double aspect = m_view.pictureAspect();
    const auto automatic = [&] {
        return automaticSide({o->Sx, o->Sy}, {o->Kx, o->Ky}, aspect, o->Sline == 1);
    };
    if (m_drag.kind == HandleKind::Card) {
        const QPointF delta = page - m_drag.last;
        const int oldSide = drawnSide(*o, aspect);
        // The card point is carried on unclamped: a card pushed against an
        // edge of the page comes back only when the pointer does, and the
        // pointer keeps its place on the card.
        o->Kx = m_drag.card.x() + delta.x();
        o->Ky = m_drag.card.y() + delta.y();
        if (o->KAusr == Side::Automatic) {
            const int newSide = automatic();
            if (newSide != oldSide) {
                // The card stays where it is drawn: back from the old side to
                // the card's centre, then out to the new side.
                const RectD card = m_cards.bounds(m_selected);
                const double w = m_cards.wasDrawn(m_selected) ? (card.right - card.left) / 2 : 0.0;
                const double h = m_cards.wasDrawn(m_selected) ? (card.bottom - card.top) / 2 : 0.0;
                switch (oldSide) {
                case Side::Right:
                    o->Kx += w;
                    break;
                case Side::Top:
                    o->Ky -= h;
                    break;
                case Side::Left:
                    o->Kx -= w;
                    break;
                case Side::Bottom:
                    o->Ky += h;
                    break;
                }
                switch (newSide) {
                case Side::Right:
                    o->Kx -= w;
                    break;
                case Side::Top:
                    o->Ky += h;
                    break;
                case Side::Left:
                    o->Kx += w;
                    break;
                case Side::Bottom:
                    o->Ky -= h;
                    break;
                }
                o->KAusrAktiv = newSide;
            }
        }
        m_drag.card = {o->Kx, o->Ky};
        o->Kx = clampDouble(o->Kx, 0.0, 1.0);
        o->Ky = clampDouble(o->Ky, 0.0, 1.0);
    } else {
        const QPointF p(clampDouble(page.x() + m_drag.offset.x(), 0.0, 1.0),
                        clampDouble(page.y() + m_drag.offset.y(), 0.0, 1.0));
        if (m_drag.kind == HandleKind::Anchor) {
            o->Sx = p.x();
            o->Sy = p.y();
        } else {
            o->Kx = p.x();
            o->Ky = p.y();
        }
        if (o->KAusr == Side::Automatic)
            o->KAusrAktiv = automatic();
    }
    m_drag.last = page;
    m_drag.moved = true;
    m_document.setModified();
    showDragged(*o, ctrl);
    m_document.notifyObjectChanged(m_selected, ObjectAspect::Position);
    return m_selected;
}

void ObjectEditor::showDragged(const ObjDataTyp& o, bool ctrl)
{
    const auto shown = [ctrl](double v) { return toField(ctrl ? v : roundToHundredth(v)); };
    m_fields.anchorX = shown(o.Sx);
    m_fields.anchorY = shown(o.Sy);
    m_fields.cardX = shown(o.Kx);
    m_fields.cardY = shown(o.Ky);
}

int ObjectEditor::endDrag(bool ctrl)
{
    const Writing writing(*this);
    const Drag drag = m_drag;
    m_drag = {};
    ObjDataTyp* o = selectedObject();
    if (drag.kind == HandleKind::None || !o)
        return -1;
    // A press without movement only selects.
    if (drag.moved && !ctrl) {
        if (drag.kind == HandleKind::Anchor) {
            o->Sx = roundToHundredth(o->Sx);
            o->Sy = roundToHundredth(o->Sy);
        } else {
            o->Kx = roundToHundredth(o->Kx);
            o->Ky = roundToHundredth(o->Ky);
        }
        m_document.notifyObjectChanged(m_selected, ObjectAspect::Position);
    }
    fill();
    return m_selected;
}

} // namespace velunto
