#include "view/ui/learningview.h"

#include "common/random.h"
#include "document/document.h"
#include "document/objectkinds.h"
#include "platform/launcher.h"
#include "platform/prompter.h"
#include "view/covering.h"
#include "view/hittest.h"
#include "view/numbering.h"
#include "view/pagegeometry.h"
#include "view/ui/coversheet.h"
#include "view/ui/infobox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QTouchEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace velunto {

LearningView::LearningView(Document& document, Session& session, Prompter& prompter,
                           QWidget* parent)
    : QWidget(parent), m_document(document), m_session(session), m_prompter(prompter),
      m_state(session), m_composer(document, m_state)
{
    m_composer.setPageChanged(
        [this](const QRect& area, bool recomposed) { pageChanged(area, recomposed); });
    m_session.addObserver(this);
    // A link comes with the document, which may come from anywhere: it is
    // handed to the desktop's handler for its type and never started itself.
    m_opener = [](const QString& target) { return DesktopLauncher().openAddress(target); };
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_coverSheet = new CoverSheet(this);
    m_coverSheet->hide();
}

LearningView::~LearningView()
{
    m_session.removeObserver(this);
}

void LearningView::sessionChanged(const Session& session, const SessionChange& change)
{
    if (change.what & SessionAspect::Question)
        Q_EMIT currentQuestionChanged(session.currentQuestion());
    if (change.what & SessionAspect::Tool)
        updateCursor(mapFromGlobal(QCursor::pos()));
}

void LearningView::pageChanged(const QRect& area, bool recomposed)
{
    if (recomposed) {
        m_pagePicture = QImage();
        showVisiblePart(true);
        return;
    }
    showChanged(area);
}

void LearningView::addPointerHandler(PagePointerHandler* handler)
{
    removePointerHandler(handler);
    m_handlers.push_back(handler);
}

void LearningView::removePointerHandler(PagePointerHandler* handler)
{
    m_handlers.erase(std::remove(m_handlers.begin(), m_handlers.end(), handler), m_handlers.end());
}

// --- composing and showing -----------------------------------------------------------

void LearningView::documentLoaded()
{
    derivePageGeometry(m_document.header, usableBaseSize(m_document.baseImage));
    showNewPage();
}

void LearningView::newDocumentShown()
{
    m_document.header.RandErw =
        marginsForGeometry(m_document.header, usableBaseSize(m_document.baseImage));
    showNewPage();
}

void LearningView::showNewPage()
{
    if (m_state.setZoomIndex(0))
        Q_EMIT zoomChanged(0);
    number(m_session.numberingMode(), false);
    redraw();
}

void LearningView::setPageRoom(const QRect& room)
{
    m_pageRoom = room;
    // The state follows at once, so that whatever composes the page next
    // composes it at its new size.
    const QRect r = pageRoom();
    m_state.setViewport(r.size());
    m_state.setViewportOrigin(r.topLeft());
}

QRect LearningView::pageRoom() const
{
    return m_pageRoom.isEmpty() ? rect() : m_pageRoom;
}

void LearningView::setSurroundColour(const QColor& colour)
{
    m_surround = colour;
    update();
}

void LearningView::redraw()
{
    const QRect room = pageRoom();
    m_state.setViewport(room.size());
    m_state.setViewportOrigin(room.topLeft());
    m_state.setDevicePixelRatio(pixelRatio());
    m_composer.redraw();
    m_pagePicture = QImage();
    showVisiblePart(true);
}

void LearningView::refreshObjects()
{
    m_composer.refreshObjects();
    m_pagePicture = QImage();
    showVisiblePart(true);
}

void LearningView::redrawObject(int index)
{
    showChanged(m_composer.redrawObject(index));
}

void LearningView::showChanged(const QRect& changed)
{
    if (changed.isEmpty())
        return;
    // Only this rectangle is renewed; drawings elsewhere stay.
    const QImage& page = m_composer.page();
    if (!m_pagePicture.isNull()) {
        QPainter p(&m_pagePicture);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(changed.topLeft(), page, changed);
    }
    const QRect visible(m_state.visibleOrigin(), m_surface.size());
    if (m_state.devicePixelRatio() == 1.0) {
        const QRect area = changed & visible;
        if (area.isEmpty())
            return;
        // The drawing tools' pictures take the new state of the rectangle too.
        m_surface.renew(area.translated(-visible.topLeft()), page);
        update(pictureToWidget(area));
        return;
    }
    const QRect area = m_state.composedToPicture(changed) & visible;
    if (area.isEmpty())
        return;
    const QRect inShown = area.translated(-visible.topLeft());
    {
        QPainter p(&m_controlView);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(inShown), page, QRectF(m_state.pictureToComposed(area)));
    }
    m_surface.renew(inShown, m_controlView);
    update(pictureToWidget(area));
}

void LearningView::showVisiblePart(bool recomposed)
{
    const QImage& source = m_pagePicture.isNull() ? m_composer.page() : m_pagePicture;
    const QRect visible(m_state.visibleOrigin(), m_state.shownRect().size());
    if (m_state.devicePixelRatio() == 1.0) {
        m_controlView = QImage();
        m_surface.setPictures(source.copy(visible), &m_composer.page(), visible.topLeft());
    } else {
        // The drawing tools work in control pixels: they get the visible
        // part scaled down, while the page itself is shown from the sharp
        // composed picture.
        const QRect composed = m_state.pictureToComposed(visible);
        const auto reduce = [&](const QImage& from) {
            return from.copy(composed)
                .scaled(visible.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        m_controlView = reduce(m_composer.page());
        m_surface.setPictures(m_pagePicture.isNull() ? m_controlView : reduce(m_pagePicture),
                              m_controlView);
    }
    m_drawn = false;
    update();
    Q_EMIT visiblePartShown(recomposed);
}

void LearningView::commitDrawings()
{
    if (!m_drawn)
        return;
    if (m_pagePicture.isNull())
        m_pagePicture = m_composer.page().copy();
    QPainter p(&m_pagePicture);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (m_state.devicePixelRatio() == 1.0) {
        p.drawImage(m_state.visibleOrigin(), m_surface.shown());
    } else {
        // The page stays sharp; only what was drawn is scaled up into it.
        const QRect visible(m_state.visibleOrigin(), m_surface.size());
        const QRect composed = m_state.pictureToComposed(visible);
        p.drawImage(composed.topLeft(), m_composer.page(), composed);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(composed), drawingsOnly(m_surface.rect()));
    }
    m_drawn = false;
}

QImage LearningView::drawingsOnly(const QRect& area) const
{
    const QImage& shown = m_surface.shown();
    const QRect a = area & shown.rect() & m_controlView.rect();
    QImage drawings(a.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < a.height(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(shown.constScanLine(a.top() + y)) + a.left();
        const auto* c =
            reinterpret_cast<const QRgb*>(m_controlView.constScanLine(a.top() + y)) + a.left();
        auto* d = reinterpret_cast<QRgb*>(drawings.scanLine(y));
        for (int x = 0; x < a.width(); ++x)
            d[x] = s[x] == c[x] ? 0 : s[x];
    }
    return drawings;
}

QImage LearningView::composedView() const
{
    if (m_state.devicePixelRatio() != 1.0)
        return m_controlView.copy();
    return m_composer.page().copy(QRect(m_state.visibleOrigin(), m_state.shownRect().size()));
}

void LearningView::shownPictureChanged(const QRegion& area)
{
    m_drawn = true;
    if (area.isEmpty())
        update(shownRect());
    else
        update(area.translated(shownRect().topLeft()));
}

void LearningView::drawingsRemoved()
{
    m_pagePicture = QImage();
}

QRect LearningView::pictureToWidget(const QRect& picture) const
{
    return picture.translated(shownRect().topLeft() - m_state.visibleOrigin());
}

void LearningView::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another pixel ratio: compose again for it.
    if (pixelRatio() != m_state.devicePixelRatio() && !m_layoutPending) {
        m_layoutPending = true;
        QTimer::singleShot(0, this, [this] {
            m_layoutPending = false;
            redraw();
        });
    }
    QPainter p(this);
    const QRect shown = shownRect();
    const QRegion surround = QRegion(event->rect()) - QRegion(shown);
    for (const QRect& r : surround)
        p.fillRect(r, m_surround);
    // Plain blits: every scaling happened when the page was composed. Only
    // what changed is copied (a stroke's strip, not its bounds).
    const QImage& picture = m_surface.shown();
    const QRegion region = event->region() & QRect(shown.topLeft(), picture.size());
    if (m_state.devicePixelRatio() == 1.0 || m_controlView.size() != picture.size()) {
        for (const QRect& r : region)
            p.drawImage(r.topLeft(), picture, r.translated(-shown.topLeft()));
        return;
    }
    // The page comes from the composed picture, pixel for pixel of the
    // screen; the drawings, made in control pixels, go on top of it.
    const QPoint origin = m_state.visibleOrigin();
    const bool drawings = m_drawn || !m_pagePicture.isNull();
    for (const QRect& r : region) {
        const QRect inShown = r.translated(-shown.topLeft());
        p.drawImage(QRectF(r), m_composer.page(),
                    QRectF(m_state.pictureToComposed(inShown.translated(origin))));
        if (drawings)
            p.drawImage(r.topLeft(), drawingsOnly(inShown));
    }
}

double LearningView::pixelRatio() const
{
    return m_fixedRatio > 0.0 ? m_fixedRatio : devicePixelRatioF();
}

void LearningView::setFixedPixelRatio(double ratio)
{
    m_fixedRatio = ratio;
    redraw();
}

void LearningView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Resizing comes in bursts: compose once when they are over.
    if (m_layoutPending)
        return;
    m_layoutPending = true;
    QTimer::singleShot(0, this, [this] {
        m_layoutPending = false;
        if (m_state.viewport() != pageRoom().size())
            redraw();
    });
}

// --- commands ---------------------------------------------------------------------

void LearningView::setZoomIndex(int index)
{
    if (!m_state.setZoomIndex(index))
        return;
    Q_EMIT zoomChanged(m_state.zoomIndex());
    if (m_session.mode() == AppMode::LearningView)
        redraw();
}

void LearningView::zoomIn()
{
    setZoomIndex(m_state.zoomInIndex());
}

void LearningView::zoomOut()
{
    setZoomIndex(m_state.zoomOutIndex());
}

void LearningView::scroll(ScrollDirection direction)
{
    commitDrawings();
    const RectD before = m_state.ansicht();
    m_state.scroll(direction);
    if (m_state.ansicht() == before)
        return;
    showVisiblePart();
    Q_EMIT visiblePartChanged();
}

void LearningView::setLayer(int layer, bool shown)
{
    if (layer < 0 || layer >= int(m_state.layers.size()) || m_state.layers[layer] == shown)
        return;
    m_state.layers[layer] = shown;
    Q_EMIT layersChanged();
    redraw();
}

bool LearningView::isLayerShown(int layer) const
{
    return layer >= 0 && layer < int(m_state.layers.size()) && m_state.layers[layer];
}

void LearningView::number(int mode, bool redrawAfter)
{
    mode = std::clamp(mode, 0, 2);
    const bool changed = m_session.numberingMode() != mode;
    velunto::number(m_document, m_session, m_state, mode, randomSource());
    if (changed)
        Q_EMIT numberingChanged(mode);
    if (redrawAfter)
        redraw();
}

void LearningView::coverAll()
{
    velunto::coverAll(m_document);
}

void LearningView::uncoverAll()
{
    velunto::uncoverAll(m_document);
}

void LearningView::setTool(int tool)
{
    m_session.setTool(tool);
}

void LearningView::showCoverSheet()
{
    m_coverSheet->setGeometry(shownRect());
    m_coverSheet->show();
    m_coverSheet->raise();
    Q_EMIT coverSheetChanged(true);
}

void LearningView::hideCoverSheet()
{
    m_coverSheet->hide();
    Q_EMIT coverSheetChanged(false);
}

bool LearningView::isCoverSheetShown() const
{
    return !m_coverSheet->isHidden();
}

bool LearningView::isInfoBoxShown() const
{
    return m_infoBox && !m_infoBox->isHidden();
}

bool LearningView::closeOnEscape()
{
    if (isInfoBoxShown()) {
        m_infoBox->hide();
        return true;
    }
    if (isCoverSheetShown()) {
        hideCoverSheet();
        return true;
    }
    if (!m_labelEntry.typed().isEmpty()) {
        m_labelEntry.clear();
        return true;
    }
    return false;
}

bool LearningView::answerKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier)
        return closeOnEscape();
    if (presentingKey(event))
        return true;
    if (modifiers == Qt::ControlModifier && (event->modifiers() & Qt::KeypadModifier) &&
        (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus)) {
        if (event->key() == Qt::Key_Plus)
            zoomIn();
        else
            zoomOut();
        return true;
    }
    // The arrow keys move the visible part of a zoomed page.
    if (modifiers != Qt::NoModifier || m_session.mode() != AppMode::LearningView ||
        (m_session.editorOpen() && m_session.selectedObject() >= 0))
        return false;
    const std::pair<int, ScrollDirection> arrows[] = {{Qt::Key_Left, ScrollDirection::Left},
                                                      {Qt::Key_Right, ScrollDirection::Right},
                                                      {Qt::Key_Up, ScrollDirection::Up},
                                                      {Qt::Key_Down, ScrollDirection::Down}};
    for (const auto& [key, direction] : arrows) {
        if (event->key() == key) {
            scroll(direction);
            return true;
        }
    }
    return false;
}

bool LearningView::presentingKey(QKeyEvent* event)
{
    if (m_session.mode() != AppMode::LearningView || m_session.editorOpen()) {
        m_labelEntry.clear();
        return false;
    }
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const int field = m_labelEntry.field(m_document, m_state);
        m_labelEntry.clear();
        return field >= 0 && toggleCover(m_document, field);
    }
    case Qt::Key_Backspace:
        if (m_labelEntry.typed().isEmpty())
            return false;
        m_labelEntry.backspace();
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isLetterOrNumber())
        return false;
    return m_labelEntry.type(m_document, m_state, text[0]);
}

void LearningView::applyPageGeometry(bool transform)
{
    setPageGeometry(m_document, transform);
    redraw();
}

// --- clicks -------------------------------------------------------------------------

void LearningView::openPoint(int index)
{
    const LinkFolders folders = m_folders ? m_folders() : LinkFolders{};
    const PointAction action = decidePointAction(m_document, index, folders, m_prompter);
    switch (action.kind) {
    case PointAction::Nothing:
        break;
    case PointAction::ShowInfo:
        if (!m_infoBox)
            m_infoBox = new InfoBox(m_prompter, window());
        m_infoBox->showText(action.target, m_document.fontName());
        break;
    case PointAction::OpenExternal:
        openExternalTarget(action.target, m_opener, m_prompter);
        break;
    case PointAction::OpenDocument:
        Q_EMIT documentLinkActivated(action.target);
        break;
    case PointAction::OpenTopicFolder:
        Q_EMIT topicFolderActivated(action.target);
        break;
    }
}

void LearningView::clickObject(int index)
{
    const ObjDataTyp& o = m_document.objects[index];
    if (m_session.exerciseRunning()) {
        // In an exercise the page only opens the points and links that the
        // author left usable there.
        if (opensInExercise(o))
            openPoint(index);
        return;
    }
    if (toggleCover(m_document, index))
        return;
    if (pointOpening(o.Typ) != PointOpening::None)
        openPoint(index);
    else if (questionStep(o.Typ) != QuestionStep::None)
        m_session.stepQuestion(questionStep(o.Typ), m_document.header.AnzFrageNummern,
                               randomSource());
}

PagePointer LearningView::pointerAt(QPointF position, Qt::MouseButton button,
                                    Qt::MouseButtons buttons,
                                    Qt::KeyboardModifiers modifiers) const
{
    PagePointer p;
    p.page = m_state.screenToPageUnclamped(position);
    p.onPage = shownRect().contains(position.toPoint());
    p.button = button;
    p.buttons = buttons;
    p.modifiers = modifiers;
    return p;
}

bool LearningView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease: {
        // A pen on a tablet or an interactive board: its positions lie
        // between pixels and are not merged, so a quick stroke keeps every
        // point. Taken here, it never comes again as a mouse event.
        auto* tablet = static_cast<QTabletEvent*>(event);
        const QPointF at = tablet->position();
        if (event->type() == QEvent::TabletPress)
            pointerPressed(at, tablet->button(), tablet->buttons(), tablet->modifiers());
        else if (event->type() == QEvent::TabletRelease)
            pointerReleased(at, tablet->button(), tablet->buttons(), tablet->modifiers());
        else
            pointerMoved(at, tablet->buttons(), tablet->modifiers());
        event->accept();
        return true;
    }
    case QEvent::ScreenChangeInternal:
        // The next paint composes again when the new screen has another
        // pixel ratio.
        update();
        return QWidget::event(event);
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        touched(static_cast<QTouchEvent*>(event));
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void LearningView::touched(QTouchEvent* touch)
{
    // The fingers still on the board and their midpoint.
    QPointF sum;
    int down = 0;
    for (const QEventPoint& point : touch->points()) {
        if (point.state() == QEventPoint::Released)
            continue;
        sum += mapFromGlobal(point.globalPosition());
        ++down;
    }
    const bool ended = touch->type() == QEvent::TouchEnd || touch->type() == QEvent::TouchCancel;

    // Two fingers move the visible part, whatever the tool. What one finger
    // began ends where it was.
    if (down >= 2 && !m_twoFingers) {
        if (m_fingerDown)
            pointerReleased(m_fingerAt, Qt::LeftButton, Qt::NoButton, touch->modifiers());
        m_fingerDown = false;
        m_twoFingers = true;
        beginPan(sum / down);
        return;
    }
    if (m_twoFingers) {
        if (down >= 2)
            panTo(sum / down);
        if (ended) {
            m_twoFingers = false;
            m_panning = false;
        }
        return;
    }

    // One finger is the left button.
    if (touch->points().isEmpty())
        return;
    // Global positions hold for every widget the touch passed through.
    const QPointF at = mapFromGlobal(touch->points().first().globalPosition());
    if (touch->type() == QEvent::TouchBegin) {
        m_fingerDown = true;
        m_fingerAt = at;
        pointerPressed(at, Qt::LeftButton, Qt::LeftButton, touch->modifiers());
    } else if (ended) {
        if (m_fingerDown)
            pointerReleased(at, Qt::LeftButton, Qt::NoButton, touch->modifiers());
        m_fingerDown = false;
    } else if (m_fingerDown) {
        m_fingerAt = at;
        pointerMoved(at, Qt::LeftButton, touch->modifiers());
    }
}

void LearningView::mousePressEvent(QMouseEvent* event)
{
    pointerPressed(event->position(), event->button(), event->buttons(), event->modifiers());
}

void LearningView::mouseMoveEvent(QMouseEvent* event)
{
    pointerMoved(event->position(), event->buttons(), event->modifiers());
}

void LearningView::mouseReleaseEvent(QMouseEvent* event)
{
    pointerReleased(event->position(), event->button(), event->buttons(), event->modifiers());
}

void LearningView::pointerPressed(QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons,
                                  Qt::KeyboardModifiers modifiers)
{
    if (m_startPanelShown) {
        m_startPanelShown = false;
        Q_EMIT startPagePressed();
    }
    const PagePointer pointer = pointerAt(at, button, buttons, modifiers);
    // A handler may remove itself while it handles the press.
    const std::vector<PagePointerHandler*> handlers = m_handlers;
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
        if ((*it)->pagePressed(pointer))
            return;
    }
    const bool hand = m_session.tool() == Tool::Hand && button == Qt::LeftButton;
    if (button == Qt::RightButton || hand) {
        beginPan(at);
        return;
    }
    const bool pointerTool = m_session.tool() == Tool::Pointer && button == Qt::LeftButton;
    if ((pointerTool || button == Qt::MiddleButton) && pointer.onPage) {
        const int index =
            hitTest(m_document, m_state, m_composer.cards(), m_state.screenToPage(at));
        if (index >= 0)
            clickObject(index);
    }
}

void LearningView::pointerMoved(QPointF at, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers modifiers)
{
    if (m_panning) {
        panTo(at);
        return;
    }
    const PagePointer pointer = pointerAt(at, Qt::NoButton, buttons, modifiers);
    const std::vector<PagePointerHandler*> handlers = m_handlers;
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
        if ((*it)->pageMoved(pointer))
            return;
    }
    updateCursor(at);
}

void LearningView::pointerReleased(QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons,
                                   Qt::KeyboardModifiers modifiers)
{
    if (m_panning) {
        if (!(buttons & (Qt::LeftButton | Qt::RightButton))) {
            m_panning = false;
            updateCursor(at);
        }
        return;
    }
    const PagePointer pointer = pointerAt(at, button, buttons, modifiers);
    const std::vector<PagePointerHandler*> handlers = m_handlers;
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
        if ((*it)->pageReleased(pointer))
            return;
    }
}

void LearningView::beginPan(QPointF at)
{
    // The drawings move with the page.
    commitDrawings();
    Q_EMIT panStarted();
    m_panning = true;
    m_panFrom = at;
    setCursor(Qt::ClosedHandCursor);
}

void LearningView::panTo(QPointF at)
{
    const QPointF delta = at - m_panFrom;
    m_panFrom = at;
    const RectD before = m_state.ansicht();
    m_state.panBy(delta);
    if (!(m_state.ansicht() == before)) {
        showVisiblePart(false);
        Q_EMIT visiblePartChanged();
    }
}

void LearningView::wheelEvent(QWheelEvent* event)
{
    if (m_session.mode() != AppMode::LearningView) {
        event->ignore();
        return;
    }
    // A touchpad reports pixels; a wheel reports notches of 120, and one
    // notch moves a tenth of the visible part, as the menu does.
    QPointF delta = event->pixelDelta();
    if (delta.isNull()) {
        const QSize shown = shownRect().size();
        delta = QPointF(event->angleDelta()) / 120.0;
        delta = QPointF(delta.x() * shown.width() / 10.0, delta.y() * shown.height() / 10.0);
    }
    if ((event->modifiers() & Qt::ShiftModifier) && delta.x() == 0.0)
        delta = QPointF(delta.y(), 0.0);
    commitDrawings();
    const RectD before = m_state.ansicht();
    // Turning the wheel away from oneself shows what lies above, as dragging
    // the page down does.
    m_state.panBy(delta);
    if (m_state.ansicht() == before) {
        event->ignore();
        return;
    }
    showVisiblePart();
    Q_EMIT visiblePartChanged();
    event->accept();
}

void LearningView::updateCursor(QPointF position)
{
    if (m_session.tool() == Tool::Hand) {
        setCursor(Qt::OpenHandCursor);
        return;
    }
    if (m_session.tool() == Tool::Pointer && shownRect().contains(position.toPoint()) &&
        hitTest(m_document, m_state, m_composer.cards(), m_state.screenToPage(position)) >= 0) {
        setCursor(Qt::PointingHandCursor);
        return;
    }
    unsetCursor();
}

} // namespace velunto
