#include "view/drawing/drawingtools.h"

#include "common/numeric.h"
#include "view/drawing/stamps.h"
#include "view/drawing/strokes.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velunto {

QString selectionLabelText(const AreaSelection& s, QPoint offset)
{
    const int x1 = s.left - offset.x(), y1 = s.top - offset.y();
    const int x2 = s.right - offset.x(), y2 = s.bottom - offset.y();
    return QStringLiteral(" (%1,%2) - (%3,%4)  B:%5 H:%6")
        .arg(x1)
        .arg(y1)
        .arg(x2 - 1)
        .arg(y2 - 1)
        .arg(x2 - x1)
        .arg(y2 - y1);
}

DrawingChange& DrawingChange::operator|=(const DrawingChange& other)
{
    picture |= other.picture;
    selection = selection || other.selection;
    if (other.textBoxAt)
        textBoxAt = other.textBoxAt;
    return *this;
}

DrawingTools::DrawingTools(DrawingSurface& surface) : m_surface(surface) {}

// --- settings ------------------------------------------------------------------------

void DrawingTools::setStrokeSize(int size)
{
    m_strokeSize = std::clamp(size, 1, kStrokeSizes);
}

void DrawingTools::setDrawColour(int index)
{
    if (velunto::drawColour(index))
        m_drawColour = index;
}

QColor DrawingTools::colour() const
{
    const auto c = velunto::drawColour(m_drawColour);
    return c ? c->colour : QColor(Qt::red);
}

void DrawingTools::setPenShape(int shape)
{
    m_penShape = std::clamp(shape, 1, kPenShapes);
}

void DrawingTools::setCurrentStamp(int stamp)
{
    m_currentStamp = std::clamp(stamp, 1, kStampCount);
}

int DrawingTools::textPixelSize() const
{
    return std::max(1, rnd(strokeMetrics(m_strokeSize).textSize * m_pageScale));
}

int DrawingTools::stampPixelSize() const
{
    return std::max(1, rnd(strokeMetrics(m_strokeSize).stampSize * m_pageScale));
}

QFont DrawingTools::textFont() const
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(textPixelSize());
    return font;
}

void DrawingTools::selectDefaults()
{
    m_strokeSize = 1;
    m_drawColour = kDefaultDrawColour;
    m_currentStamp = 1;
    m_penShape = 1;
    selectTool(Tool::Pen);
    selectTool(Tool::Pointer);
}

bool DrawingTools::selectTool(int tool)
{
    m_tool = tool;
    if (tool == Tool::Stamp || tool == Tool::Area)
        m_stampDone = false;
    if (tool == Tool::Area || !m_selection.exists())
        return false;
    m_selection = {};
    return true;
}

void DrawingTools::setControl(QSize control, QPoint pictureOffset)
{
    m_control = control;
    m_offset = pictureOffset;
}

// --- pointer ---------------------------------------------------------------------------

QPoint DrawingTools::whole(QPointF position) const
{
    return QPoint(rnd(position.x()), rnd(position.y()));
}

DrawingChange DrawingTools::press(QPointF position)
{
    DrawingChange change;
    if (isDrawingTool(m_tool)) {
        m_surface.takeUndoSnapshot();
        m_storedInChronicle = false;
        change.selection = selectTool(m_tool);
        m_pressed = true;
        m_pressedOn = m_surface.generation();
        // A stroke begins where the pen is put down, whatever came before.
        change.picture |= m_surface.clearPreview();
        m_dragStart.reset();
        change |= process(true, position);
    } else if (m_tool == Tool::Area) {
        m_dragStart = m_lastPoint = position;
        m_selectionDragged = false;
        m_pressed = true;
    }
    return change;
}

DrawingChange DrawingTools::move(QPointF position, bool leftHeld)
{
    if (m_movingSelection)
        return moveSelection(position);
    const bool held = leftHeld && m_pressed;
    if (m_tool == Tool::Area) {
        if (!held || !m_dragStart)
            return {};
        // Every move counts, so that the release after a drag keeps the
        // selection.
        m_lastPoint = position;
        const QPoint start = whole(*m_dragStart);
        const QRect control(QPoint(0, 0), m_control);
        QPoint end = whole(position);
        if (!control.isEmpty())
            end = QPoint(std::clamp(end.x(), 0, control.right()),
                         std::clamp(end.y(), 0, control.bottom()));
        if (end != start)
            m_selectionDragged = true;
        AreaSelection s;
        if (end != start && start.x() >= 0 && start.y() >= 0)
            s = {std::min(start.x(), end.x()), std::min(start.y(), end.y()),
                 std::max(start.x(), end.x()) + 1, std::max(start.y(), end.y()) + 1};
        DrawingChange change;
        change.selection = !(s == m_selection);
        m_selection = s;
        return change;
    }
    if (!isDrawingTool(m_tool))
        return {};
    return process(held && m_lastPoint.has_value(), position);
}

DrawingChange DrawingTools::release(QPointF position)
{
    m_stampDone = false;
    DrawingChange change;
    if (m_movingSelection) {
        m_movingSelection = false;
        m_pressed = false;
        return change;
    }
    if (m_tool == Tool::Area) {
        if (m_pressed && !m_selectionDragged && m_selection.exists()) {
            m_selection = {};
            change.selection = true;
        }
        m_dragStart.reset();
        m_pressed = false;
        return change;
    }
    if (m_tool < Tool::FirstShape || m_tool > Tool::LastShape)
        m_dragStart.reset();
    change |= move(position, false);
    m_pressed = false;
    return change;
}

QRect DrawingTools::abandonAction()
{
    m_pressed = false;
    m_movingSelection = false;
    m_dragStart.reset();
    m_lastPoint.reset();
    return m_surface.clearPreview();
}

DrawingChange DrawingTools::process(bool held, QPointF position)
{
    DrawingChange change;
    m_lastPoint = position;
    const QPointF here = inPicture(position);
    const StrokeMetrics metrics = strokeMetrics(m_strokeSize);
    if (m_tool == Tool::Pen) {
        if (!held)
            return change;
        const QPointF from = m_dragStart ? inPicture(*m_dragStart) : here;
        change.picture = paint(segmentPath(from, here, metrics.strokeWidth, Cap::Start));
        m_dragStart = position;
    } else if (m_tool >= Tool::FirstShape && m_tool <= Tool::LastShape) {
        // A new visible part under the drag ends it without a shape.
        if (m_surface.generation() != m_pressedOn)
            m_dragStart.reset();
        change.picture |= m_surface.clearPreview();
        if (held && m_surface.generation() == m_pressedOn) {
            if (!m_dragStart)
                m_dragStart = position;
            change.picture |= m_surface.setPreview(previewPixels(
                m_tool, whole(inPicture(*m_dragStart)), whole(here), metrics.arrowHead));
        } else if (!held && m_dragStart) {
            const QPainterPath shape = shapePath(m_tool, whole(inPicture(*m_dragStart)),
                                                 whole(here), metrics.strokeWidth,
                                                 metrics.arrowHead);
            // Undo keeps the tiles each piece reaches, not the whole box of
            // a large outline.
            for (const QPolygonF& piece : shape.toSubpathPolygons())
                m_surface.aboutToChange(piece.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
            change.picture |= paint(shape);
            m_dragStart.reset();
        }
    } else if (m_tool == Tool::Eraser) {
        if (!held)
            return change;
        // Squares along the way, so that a quick wipe leaves no gaps
        // between the events.
        const double step = metrics.eraserSide / 4.0;
        if (m_dragStart) {
            const QPointF from = inPicture(*m_dragStart);
            const QPointF d = here - from;
            const int steps = int(std::ceil(std::hypot(d.x(), d.y()) / step));
            for (int i = 1; i <= steps; ++i)
                change.picture |= erase(from + d * (double(i) / steps));
        }
        change.picture |= erase(here);
        m_dragStart = position;
    } else if (m_tool == Tool::Stamp) {
        if (held && !m_stampDone) {
            const StampSymbol symbol = stampSymbol(m_stamps, m_currentStamp);
            const QPoint at = whole(here);
            m_surface.aboutToChange(stampRect(symbol, at, stampPixelSize()));
            QColor opaque = colour();
            opaque.setAlpha(255);
            change.picture = paintStamp(m_surface.shown(), symbol, at, stampPixelSize(), opaque);
            m_stampDone = true;
        }
    } else if (m_tool == Tool::Text) {
        if (held)
            change.textBoxAt = whole(position);
    }
    return change;
}

QRect DrawingTools::paint(const QPainterPath& path)
{
    QImage& shown = m_surface.shown();
    m_surface.aboutToChange(pathArea(shown, path));
    return paintPath(shown, path, colour(), isTransparentColour(m_drawColour));
}

QRect DrawingTools::erase(QPointF at)
{
    const int side = strokeMetrics(m_strokeSize).eraserSide;
    const QPoint centre = whole(at);
    return m_surface.restoreFromComposed(
        QRect(centre.x() - side / 2, centre.y() - side / 2, side, side));
}

// --- the selection's label ---------------------------------------------------------------

void DrawingTools::beginSelectionMove(QPointF position)
{
    m_movingSelection = m_selection.exists();
    m_moveFrom = position;
}

DrawingChange DrawingTools::moveSelection(QPointF position)
{
    DrawingChange change;
    if (!m_movingSelection)
        return change;
    const QPoint delta = whole(position) - whole(m_moveFrom);
    m_moveFrom = position;
    AreaSelection s = m_selection;
    const int width = s.right - s.left, height = s.bottom - s.top;
    s.left = std::clamp(s.left + delta.x(), 0, std::max(0, m_control.width() - width));
    s.top = std::clamp(s.top + delta.y(), 0, std::max(0, m_control.height() - height));
    s.right = s.left + width;
    s.bottom = s.top + height;
    change.selection = !(s == m_selection);
    m_selection = s;
    return change;
}

QRect DrawingTools::selectionInPicture() const
{
    return m_selection.rect().translated(-m_offset);
}

// --- commands ------------------------------------------------------------------------------

QRegion DrawingTools::undo()
{
    return m_surface.undo();
}

QRect DrawingTools::removeAllDrawings()
{
    m_surface.takeUndoSnapshot();
    m_storedInChronicle = false;
    m_surface.clearPreview();
    return m_surface.restoreFromComposed(m_surface.rect());
}

QRect DrawingTools::drawText(QPoint controlTopLeft, const QString& text)
{
    if (text.isEmpty())
        return {};
    QImage& shown = m_surface.shown();
    const QPoint at = controlTopLeft - m_offset;
    const QFont font = textFont();
    const QRect bounds = QFontMetrics(font)
                             .boundingRect(QRect(at, QSize(1 << 20, 1 << 16)),
                                           Qt::AlignLeft | Qt::AlignTop, text)
                             .adjusted(-2, -2, 2, 2) &
                         shown.rect();
    if (bounds.isEmpty())
        return {};
    m_surface.aboutToChange(bounds);
    QPainter p(&shown);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    QColor opaque = colour();
    opaque.setAlpha(255);
    p.setPen(opaque);
    p.drawText(QRect(at, QSize(1 << 20, 1 << 16)), Qt::AlignLeft | Qt::AlignTop, text);
    return bounds;
}

QImage DrawingTools::viewPicture() const
{
    const QImage& shown = m_surface.shown();
    if (!selectionActive())
        return shown.convertToFormat(QImage::Format_RGB32);
    const QRect area = selectionInPicture();
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(-area.topLeft(), shown);
    return picture;
}

// --- what the view tells ----------------------------------------------------------------

void DrawingTools::showPictures(QImage shown, QImage page, QPoint origin)
{
    m_surface.setPictures(std::move(shown), std::move(page), origin);
}

void DrawingTools::documentLoaded()
{
    m_lastPoint.reset();
}

// --- the text box ---------------------------------------------------------------------------

QSize textBoxSize(int textWidth, int lineHeight, int strokeSize, int pictureWidth)
{
    const int width = std::min(textWidth + 35 * std::clamp(strokeSize, 1, kStrokeSizes),
                               std::max(1, pictureWidth));
    return QSize(std::max(1, width), std::max(1, lineHeight));
}

QRect placeTextBox(QPoint lowerLeft, QSize box, const QRect& area)
{
    int left = lowerLeft.x();
    int top = lowerLeft.y() - box.height() + 1;
    left = std::max(area.left(), std::min(left, area.right() + 1 - box.width()));
    top = std::max(area.top(), std::min(top, area.bottom() + 1 - box.height()));
    return QRect(QPoint(left, top), box);
}

} // namespace velunto
