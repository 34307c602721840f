#include "view/pagecomposer.h"

#include "common/numeric.h"
#include "content/contentregistry.h"
#include "document/document.h"
#include "document/objectkinds.h"
#include "view/numbering.h"
#include "view/viewstate.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace velunto {

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;
constexpr ColorRef kGridColour = 0xD0D0D0;
// The BaseImage is scaled down to this width (times BildGroesse / 100)
// before composing, so that very large pictures stay fast to draw.
constexpr double kBaseWidthLimit = 2000.0;

bool isCoveredInPass(const ObjDataTyp& o)
{
    return isCoverableKind(o.Typ) && o.Abdeckung == -1;
}

void copyArea(QImage& target, const QImage& source, const QRect& area)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), source, area);
}

void drawGrid(QPainter& p, QSize size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toQColor(kGridColour), 1, Qt::DotLine);
    p.setPen(pen);
    for (int i = 1; i < 20; ++i) {
        const int x = rnd(i * size.width() / 20.0);
        const int y = rnd(i * size.height() / 20.0);
        p.drawLine(x, 0, x, size.height() - 1);
        p.drawLine(0, y, size.width() - 1, y);
    }
    p.setPen(QPen(toQColor(kGridColour), 1));
    QList<QPoint> points;
    points.reserve(99 * 99);
    for (int i = 1; i < 100; ++i) {
        for (int j = 1; j < 100; ++j)
            points.append(QPoint(rnd(i * size.width() / 100.0), rnd(j * size.height() / 100.0)));
    }
    p.drawPoints(points.constData(), int(points.size()));
    p.restore();
}

} // namespace

// Above this many changed objects one pass over all objects is cheaper than
// repainting each one's rectangle.
constexpr std::size_t kManyObjects = 16;

PageComposer::PageComposer(Document& document, ViewState& view) : m_document(document), m_view(view)
{
    m_document.addObserver(this);
    m_view.session().addObserver(this);
}

PageComposer::~PageComposer()
{
    m_document.removeObserver(this);
    m_view.session().removeObserver(this);
}

void PageComposer::tell(const QRect& area, bool recomposed)
{
    if (m_changed && (recomposed || !area.isEmpty()))
        m_changed(area, recomposed);
}

void PageComposer::documentChanged(const DocumentChange& change)
{
    // A question document with fewer questions than the one shown shows its
    // first one.
    if (change.has(DocumentChange::Replaced | DocumentChange::Header)) {
        const HeaderDataTyp& h = m_document.header;
        const ContentType* type = contentRegistry().find(h.DokTyp, h.DokUnterTyp);
        if (type != nullptr && type->pagesThroughQuestions)
            m_view.session().keepQuestionWithin(h.AnzFrageNummern);
    }
    if (!m_composed)
        return;
    if (change.has(DocumentChange::Replaced | DocumentChange::Header | DocumentChange::BaseImage)) {
        redraw();
        tell(QRect(QPoint(0, 0), m_page.size()), true);
    } else if (change.wholeList || change.has(DocumentChange::ObjectsAdded) ||
               change.objects.size() > kManyObjects) {
        refreshObjects();
        tell(QRect(QPoint(0, 0), m_page.size()), false);
    } else {
        QRect changed;
        for (const int index : change.objects)
            changed |= redrawObject(index);
        tell(changed, false);
    }
}

void PageComposer::sessionChanged(const Session&, const SessionChange& change)
{
    if (!m_composed)
        return;
    if (change.what & (SessionAspect::Mode | SessionAspect::Editor)) {
        // The BaseImage, the grid and the order of drawing depend on them.
        redraw();
        tell(QRect(QPoint(0, 0), m_page.size()), true);
    } else if (change.what & (SessionAspect::Question | SessionAspect::Exercise)) {
        refreshObjects();
        tell(QRect(QPoint(0, 0), m_page.size()), false);
    } else if (change.what & SessionAspect::Selection) {
        // The old object loses its marks, the new one gets them.
        QRect changed = redrawObject(change.previousSelection);
        changed |= redrawObject(m_view.session().selectedObject());
        tell(changed, false);
    }
}

QRect PageComposer::paintedRect(int index) const
{
    return index >= 0 && index < int(m_painted.size()) ? m_painted[index] : QRect();
}

DrawContext PageComposer::context(QPainter& painter, TextCanvas& canvas)
{
    DrawContext ctx;
    ctx.painter = &painter;
    ctx.canvas = &canvas;
    ctx.document = &m_document;
    ctx.view = &m_view;
    ctx.page = m_view.composedSize();
    ctx.cache = &m_cache;
    return ctx;
}

void PageComposer::runHooks(Stage stage, DrawContext& ctx)
{
    const ContentType* type =
        contentRegistry().find(m_document.header.DokTyp, m_document.header.DokUnterTyp);
    if (type != nullptr && type->composeStage) {
        ctx.painter->save();
        type->composeStage(stage, ctx);
        ctx.painter->restore();
    }
    for (const StageHook& hook : m_hooks) {
        ctx.painter->save();
        hook(stage, ctx);
        ctx.painter->restore();
    }
}

void PageComposer::redraw()
{
    m_composed = true;
    m_extent = pageExtent(m_document.header, usableBaseSize(m_document.baseImage));
    m_view.fitPage(m_extent.size);
    composeGround();
    refreshObjects();
}

QImage PageComposer::scaledBaseImage(QSize size)
{
    const QImage& base = m_document.baseImage;
    if (base.isNull() || size.isEmpty())
        return {};
    double share = m_document.header.BildGroesse / 100.0;
    if (!std::isfinite(share) || share <= 0.0)
        share = 1.0;
    const double limit = kBaseWidthLimit * share;
    const QImage* source = &base;
    if (base.width() > limit && limit >= 1.0) {
        if (m_reducedKey != base.cacheKey() || m_reducedLimit != limit) {
            const int h = std::max(1, rnd(base.height() * limit / base.width()));
            m_reducedBase =
                base.scaled(rnd(limit), h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_reducedKey = base.cacheKey();
            m_reducedLimit = limit;
        }
        source = &m_reducedBase;
    }
    QImage scaled = source->size() == size
                        ? *source
                        : source->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return std::move(scaled).convertToFormat(kFormat);
}

void PageComposer::composeGround()
{
    const QSize size = m_view.composedSize();
    const Session& session = m_view.session();
    const bool baseShown = session.exerciseRunning() || m_view.layers[Layer::BaseImage];
    if (baseShown) {
        const RectD r = m_extent.baseRect();
        const QPoint topLeft = m_view.pageToComposed(r.left, r.top);
        const QPoint bottomRight = m_view.pageToComposed(r.right, r.bottom);
        const int opacity = std::clamp(m_document.header.BasisbildDeck, 0, 100);
        const CanvasKey key{m_document.baseImage.cacheKey(), size, m_extent.margins,
                            m_document.header.HtgdCol, opacity};
        // The last two canvases are kept: zooming to 200 % and back finds both.
        if (!(m_canvases[0].key == key)) {
            std::swap(m_canvases[0], m_canvases[1]);
            if (!(m_canvases[0].key == key)) {
                QImage canvas(size, kFormat);
                canvas.fill(toQColor(m_document.header.HtgdCol));
                const QRect target(
                    topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
                if (!target.isEmpty() && opacity > 0) {
                    QPainter p(&canvas);
                    p.setOpacity(rnd(opacity / 100.0 * 255.0) / 255.0);
                    p.drawImage(target.topLeft(), scaledBaseImage(target.size()));
                }
                m_canvases[0] = {key, std::move(canvas)};
            }
        }
        m_ground = m_canvases[0].picture;
    } else {
        m_ground = QImage(size, kFormat);
        m_ground.fill(Qt::white);
    }

    const bool grid = session.editorOpen() && session.gridShown();
    const ContentType* type =
        contentRegistry().find(m_document.header.DokTyp, m_document.header.DokUnterTyp);
    if (m_hooks.empty() && !grid && (type == nullptr || !type->composeStage))
        return;
    QPainter p(&m_ground);
    PainterCanvas canvas(&p);
    DrawContext ctx = context(p, canvas);
    if (baseShown)
        runHooks(Stage::Canvas, ctx);
    runHooks(Stage::PageReady, ctx);
    if (grid)
        drawGrid(p, size);
    runHooks(Stage::Background, ctx);
}

PageComposer::Pass PageComposer::drawingOrder() const
{
    std::vector<int> shown;
    for (int i = 0; i < m_document.objectCount(); ++i) {
        if (isObjectShown(m_document.objects[i], m_view))
            shown.push_back(i);
    }
    std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) {
        return m_document.objects[a].ZIndex < m_document.objects[b].ZIndex;
    });

    // Uncovered objects, then covered ones; the query fields come last, on
    // top of everything, unless the object editor is open. Drawing a query
    // field only in that last round gives the same page as drawing it twice,
    // without darkening its half-transparent parts.
    const bool queriesOnTop = !m_view.session().editorOpen();
    Pass pass;
    for (bool covered : {false, true}) {
        for (int i : shown) {
            const ObjDataTyp& o = m_document.objects[i];
            if (isCoveredInPass(o) == covered && !(queriesOnTop && isQueryKind(o.Typ)))
                pass.objects.push_back(i);
        }
    }
    pass.afterObjectsHook = pass.objects.size();
    if (queriesOnTop) {
        for (int i : shown) {
            if (isQueryKind(m_document.objects[i].Typ))
                pass.objects.push_back(i);
        }
    }
    return pass;
}

void PageComposer::paintObjects(QImage& target, const Pass& pass, size_t start, const QRect& clip,
                                bool fixedOnly)
{
    QPainter p(&target);
    if (!clip.isNull())
        p.setClipRect(clip);
    PainterCanvas canvas(&p);
    DrawContext ctx = context(p, canvas);
    for (size_t k = start; k <= pass.objects.size(); ++k) {
        if (!fixedOnly && k == pass.afterObjectsHook)
            runHooks(Stage::AfterObjects, ctx);
        if (k == pass.objects.size())
            break;
        const int i = pass.objects[k];
        if (fixedOnly && !isFixedKind(m_document.objects[i].Typ))
            continue;
        // In a repaint only what reaches into the rectangle (or was never
        // drawn) is drawn again.
        const QRect before = paintedRect(i);
        if (!clip.isNull() && !before.isEmpty() && !before.intersects(clip))
            continue;
        QRect card;
        ctx.drawnCard = &card;
        m_painted[i] = m_painter.draw(ctx, i);
        // A painter that names no card has painted just its card.
        m_cards.remember(i, card.isNull() ? m_painted[i] : card, ctx.page);
    }
}

void PageComposer::refreshObjects()
{
    if (m_ground.size() != m_view.composedSize())
        composeGround();
    m_composed = true;
    const Pass pass = drawingOrder();
    m_painted.assign(m_document.objects.size(), QRect());
    m_cards.reset(m_document.objectCount());
    m_cache.beginPass();
    // The page is drawn on ground in one pass: the same pixels as drawing
    // it on background, without copying the whole picture once more.
    m_page = m_ground;
    paintObjects(m_page, pass, 0, QRect(), false);
    m_background = QImage();
    m_backgroundDone = false;
    m_cache.endPass();
}

const QImage& PageComposer::background()
{
    if (!m_backgroundDone && !m_ground.isNull()) {
        m_background = m_ground;
        paintObjects(m_background, drawingOrder(), 0, QRect(), true);
        m_backgroundDone = true;
    }
    return m_background;
}

QRect PageComposer::redrawArea(const QRect& area)
{
    const QRect r = area & QRect(QPoint(0, 0), m_page.size());
    if (r.isEmpty() || m_ground.size() != m_page.size())
        return {};
    m_painted.resize(m_document.objects.size());
    const Pass pass = drawingOrder();
    if (m_backgroundDone) {
        copyArea(m_background, m_ground, r);
        paintObjects(m_background, pass, 0, r, true);
    }
    copyArea(m_page, m_ground, r);
    paintObjects(m_page, pass, 0, r, false);
    return r;
}

QRect PageComposer::redrawObject(int index)
{
    if (!m_document.isValidIndex(index))
        return {};
    const QRect before = paintedRect(index);
    if (before.isEmpty()) {
        refreshObjects();
        return QRect(QPoint(0, 0), m_page.size());
    }
    QRect changed = redrawArea(before);
    const QRect after = paintedRect(index);
    if (!before.contains(after))
        changed |= redrawArea(after);
    return changed;
}

} // namespace velunto
