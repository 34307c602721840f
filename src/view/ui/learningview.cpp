#include "view/ui/learningview.h"

#include "common/random.h"
#include "document/document.h"
#include "platform/launcher.h"
#include "platform/prompter.h"
#include "view/hittest.h"
#include "view/kindsets.h"
#include "view/numbering.h"
#include "view/pagegeometry.h"
#include "view/ui/coversheet.h"
#include "view/ui/infobox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace velunto {

namespace {

constexpr int kNavPrevious = 12;
constexpr int kNavNext = 13;
constexpr int kNavFirst = 14;
constexpr int kNavLast = 15;
constexpr int kNavRandom = 16;
constexpr int kQuestionInfoPoint = 28;
constexpr int kQuestionLink = 29;
constexpr int kTablePictureLink = 33;

bool opensAsPoint(int kind)
{
    return kind == ObjectKind::InfoPoint || kind == ObjectKind::ExternalLink ||
           kind == ObjectKind::DocumentLink || kind == ObjectKind::ImageLink ||
           kind == kQuestionInfoPoint || kind == kQuestionLink || kind == kTablePictureLink;
}

} // namespace

LearningView::LearningView(Document& document, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_document(document), m_prompter(prompter), m_composer(document, m_state)
{
    // A link comes with the document, which may come from anywhere: it is
    // handed to the desktop's handler for its type and never started itself.
    m_opener = [](const QString& target) { return DesktopLauncher().openAddress(target); };
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_coverSheet = new CoverSheet(this);
    m_coverSheet->hide();
}

LearningView::~LearningView() = default;

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
    number(m_state.numberingMode, false);
    redraw();
}

void LearningView::setPageRoom(const QRect& room)
{
    m_pageRoom = room;
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
    m_composer.redraw();
    m_pagePicture = QImage();
    showVisiblePart();
}

void LearningView::refreshObjects()
{
    m_composer.refreshObjects();
    m_pagePicture = QImage();
    showVisiblePart();
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
    const QRect visible(m_state.visibleOrigin(), m_shown.size());
    const QRect area = changed & visible;
    if (area.isEmpty())
        return;
    {
        QPainter p(&m_shown);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(area.topLeft() - visible.topLeft(), page, area);
    }
    update(pictureToWidget(area));
}

void LearningView::showVisiblePart()
{
    const QImage& source = m_pagePicture.isNull() ? m_composer.page() : m_pagePicture;
    m_shown = source.copy(QRect(m_state.visibleOrigin(), m_state.shownRect().size()));
    m_drawn = false;
    update();
}

void LearningView::commitDrawings()
{
    if (!m_drawn)
        return;
    if (m_pagePicture.isNull())
        m_pagePicture = m_composer.page().copy();
    QPainter p(&m_pagePicture);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(m_state.visibleOrigin(), m_shown);
    m_drawn = false;
}

QImage LearningView::composedView() const
{
    return m_composer.page().copy(QRect(m_state.visibleOrigin(), m_state.shownRect().size()));
}

void LearningView::shownPictureChanged(const QRect& area)
{
    m_drawn = true;
    if (area.isEmpty())
        update(shownRect());
    else
        update(area.translated(shownRect().topLeft()));
}

QRect LearningView::pictureToWidget(const QRect& picture) const
{
    return picture.translated(shownRect().topLeft() - m_state.visibleOrigin());
}

void LearningView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect shown = shownRect();
    const QRegion surround = QRegion(event->rect()) - QRegion(shown);
    for (const QRect& r : surround)
        p.fillRect(r, m_surround);
    // A plain blit: every scaling happened when the page was composed.
    const QRect area = event->rect() & QRect(shown.topLeft(), m_shown.size());
    if (!area.isEmpty())
        p.drawImage(area.topLeft(), m_shown, area.translated(-shown.topLeft()));
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
    if (m_state.mode == AppMode::LearningView)
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
    m_state.orderList = numberObjects(m_document, m_state, mode, randomSource());
    if (m_state.numberingMode != mode) {
        m_state.numberingMode = mode;
        Q_EMIT numberingChanged(mode);
    }
    if (redrawAfter)
        redraw();
}

void LearningView::coverAll()
{
    for (ObjDataTyp& o : m_document.objects)
        o.Abdeckung = -1;
    redraw();
}

void LearningView::uncoverAll()
{
    for (ObjDataTyp& o : m_document.objects)
        o.Abdeckung = 0;
    redraw();
}

void LearningView::setTool(int tool)
{
    m_state.tool = tool;
    updateCursor(mapFromGlobal(QCursor::pos()));
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

void LearningView::changeQuestion(int kind)
{
    const int count = m_document.header.AnzFrageNummern;
    if (count <= 0)
        return;
    int q = m_state.currentQuestion;
    switch (kind) {
    case kNavPrevious:
        q = std::max(1, q - 1);
        break;
    case kNavNext:
        q = std::min(count, q + 1);
        break;
    case kNavFirst:
        q = 1;
        break;
    case kNavLast:
        q = count;
        break;
    case kNavRandom:
        if (count < 2) {
            q = 1;
            break;
        }
        do {
            q = 1 + randomSource().below(count);
        } while (q == m_state.currentQuestion);
        break;
    }
    m_state.currentQuestion = q;
    Q_EMIT currentQuestionChanged(q);
    refreshObjects();
}

void LearningView::clickObject(int index)
{
    const ObjDataTyp& o = m_document.objects[index];
    if (m_state.exerciseRunning()) {
        // In an exercise the page only opens the points and links that the
        // author left usable there.
        const bool usable =
            o.PunktInUebung == 1 || o.Typ == kQuestionInfoPoint || o.Typ == kQuestionLink;
        if (opensAsPoint(o.Typ) && usable)
            openPoint(index);
        return;
    }
    if (isCoverableKind(o.Typ))
        showChanged(m_composer.toggleCover(index));
    else if (opensAsPoint(o.Typ))
        openPoint(index);
    else if (o.Typ >= kNavPrevious && o.Typ <= kNavRandom)
        changeQuestion(o.Typ);
}

void LearningView::mousePressEvent(QMouseEvent* event)
{
    if (m_startPanelShown) {
        m_startPanelShown = false;
        Q_EMIT startPagePressed();
    }
    for (auto it = m_handlers.rbegin(); it != m_handlers.rend(); ++it) {
        if ((*it)->pagePressed(event))
            return;
    }
    const bool hand = m_state.tool == Tool::Hand && event->button() == Qt::LeftButton;
    if (event->button() == Qt::RightButton || hand) {
        commitDrawings();
        m_panning = true;
        m_panFrom = event->position();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    const bool pointer = m_state.tool == Tool::Pointer && event->button() == Qt::LeftButton;
    if (pointer || event->button() == Qt::MiddleButton) {
        if (!shownRect().contains(event->position().toPoint()))
            return;
        const int index = hitTest(m_document, m_state, m_state.screenToPage(event->position()));
        if (index >= 0)
            clickObject(index);
    }
}

void LearningView::mouseMoveEvent(QMouseEvent* event)
{
    for (auto it = m_handlers.rbegin(); it != m_handlers.rend(); ++it) {
        if ((*it)->pageMoved(event))
            return;
    }
    if (m_panning) {
        const QPointF delta = event->position() - m_panFrom;
        m_panFrom = event->position();
        const RectD before = m_state.ansicht();
        m_state.panBy(delta);
        if (!(m_state.ansicht() == before)) {
            showVisiblePart();
            Q_EMIT visiblePartChanged();
        }
        return;
    }
    updateCursor(event->position());
}

void LearningView::mouseReleaseEvent(QMouseEvent* event)
{
    for (auto it = m_handlers.rbegin(); it != m_handlers.rend(); ++it) {
        if ((*it)->pageReleased(event))
            return;
    }
    if (m_panning && !(event->buttons() & (Qt::LeftButton | Qt::RightButton))) {
        m_panning = false;
        updateCursor(event->position());
    }
}

void LearningView::updateCursor(QPointF position)
{
    if (m_state.tool == Tool::Hand) {
        setCursor(Qt::OpenHandCursor);
        return;
    }
    if (m_state.tool == Tool::Pointer && shownRect().contains(position.toPoint()) &&
        hitTest(m_document, m_state, m_state.screenToPage(position)) >= 0) {
        setCursor(Qt::PointingHandCursor);
        return;
    }
    unsetCursor();
}

} // namespace velunto
