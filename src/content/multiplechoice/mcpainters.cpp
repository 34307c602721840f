#include "content/multiplechoice/mcpainters.h"

#include "common/numeric.h"
#include "content/layoutpage.h"
#include "content/questions/questioncards.h"
#include "content/questions/questionnavigation.h"
#include "document/document.h"
#include "view/drawcache.h"
#include "view/objectpainter.h"
#include "view/viewstate.h"

#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

bool ofShownQuestion(const DrawContext& ctx, int index)
{
    return ctx.document->objects[index].FrageNummer == shownQuestion(ctx);
}

// The number of answer lines of the question an answer card belongs to,
// read from its tick box right before it.
int answerCount(const DrawContext& ctx, int index)
{
    const auto& objects = ctx.document->objects;
    if (index > 0 && objects[index - 1].Typ == ObjectKind::McAnswerBox)
        return objects[index - 1].AntwortAnz;
    return 1;
}

// An answer card as the page shows it: during a run at the card position
// of the object whose place the answer order gave it.
ObjDataTyp shownAnswer(const DrawContext& ctx, int index)
{
    ObjDataTyp o = ctx.document->objects[index];
    if (!ctx.exerciseRunning() || !ctx.view)
        return o;
    const auto& places = ctx.view->session().answerPlaces();
    const int place = size_t(index) < places.size() ? places[size_t(index)] : index;
    if (place != index && ctx.document->isValidIndex(place)) {
        const ObjDataTyp& at = ctx.document->objects[place];
        o.Kx = at.Kx;
        o.Ky = at.Ky;
        o.Sx = at.Sx;
        o.Sy = at.Sy;
    }
    return o;
}

} // namespace

QRect drawMcQuestionText(DrawContext& ctx, int index)
{
    if (!ofShownQuestion(ctx, index))
        return {};
    const RectD m = usableIndent(ctx.document->header.EinrueckRand);
    const int maxHeight = rnd((1.0 - m.top - m.bottom) * ctx.page.height() * 0.08 / 0.915);
    return drawQuestionText(ctx, ctx.document->objects[index], {CardVertical::Centre, maxHeight});
}

QRect drawMcAnswerText(DrawContext& ctx, int index)
{
    if (!ofShownQuestion(ctx, index))
        return {};
    const int a = answerCount(ctx, index);
    const int maxHeight = rnd((2.8 - 0.15 * a) * 35.0 * ctx.page.width() / 870.0);
    return drawQuestionText(ctx, shownAnswer(ctx, index), {CardVertical::RaiseIfTall, maxHeight});
}

QRect drawMcAnswerBox(DrawContext& ctx, int index)
{
    // During a run the tick boxes the pupil ticks take these places.
    if (!ofShownQuestion(ctx, index) || ctx.exerciseRunning())
        return {};
    const ObjDataTyp& o = ctx.document->objects[index];
    const QRect card = placeObject(ctx, o, pictureCardSize(ctx, o)).card;
    if (o.Abdeckung == -1) {
        drawCoveredBox(ctx, o, card);
        return card;
    }
    QPainter& p = *ctx.painter;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(card, o.Bild);
    p.restore();
    drawFrame(p, card, toQColor(o.LinieFarbe));
    return card;
}

QRect drawMcPicture(DrawContext& ctx, int index)
{
    if (!ofShownQuestion(ctx, index))
        return {};
    const ObjDataTyp o = shownAnswer(ctx, index);
    TextFont font = questionCardFont(ctx, o);
    ctx.canvas->setFont(font);
    const int h = std::max(1, ctx.canvas->textHeight());
    const bool missing = o.Bild.isNull() || o.Bild.width() <= 0 || o.Bild.height() <= 0;
    const double aspect = missing ? 1.0 : double(o.Bild.width()) / o.Bild.height();
    int w = std::max(1, rnd(h * aspect));
    int drawnHeight = h;
    const int widest = std::max(1, rnd(o.KBreite * ctx.page.width()));
    if (o.KBreite > 0.0 && w > widest) {
        drawnHeight = std::max(1, rnd(widest / aspect));
        w = widest;
    }
    const QRect card = placeObject(ctx, o, QSize(w, h)).card;
    QPainter& p = *ctx.painter;
    if (missing) {
        drawFrame(p, card, toQColor(o.LinieFarbe));
        return card;
    }
    const QRect picture(card.left(), card.top() + (h - drawnHeight) / 2, w, drawnHeight);
    if (ctx.cache) {
        p.drawImage(picture.topLeft(), ctx.cache->scaled(o.Bild, picture.size()));
    } else {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(picture, o.Bild);
        p.restore();
    }
    return card;
}

QRect drawMcPoint(DrawContext& ctx, int index)
{
    if (!ofShownQuestion(ctx, index))
        return {};
    return drawPoint(ctx, index);
}

} // namespace velunto
