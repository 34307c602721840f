#include "content/questions/questionlayout.h"

#include "common/numeric.h"
#include "content/contentobjects.h"
#include "content/layoutpage.h"
#include "content/questions/questioncards.h"
#include "content/questions/questionnavigation.h"
#include "content/questions/questiontext.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "view/objectpainter.h"

#include <algorithm>

namespace velunto {

namespace {

bool isSingleQuestionKind(int kind)
{
    return kind >= ObjectKind::QuestionAnswer && kind <= ObjectKind::QuestionCaption;
}

// The question part of the page: the height between the indent margins
// relative to that of the default margins.
double rowScale(const RectD& m)
{
    return (1.0 - m.top - m.bottom) / 0.64;
}

int heightShare(const DrawContext& ctx, double share)
{
    const RectD m = usableIndent(ctx.document->header.EinrueckRand);
    return rnd((1.0 - m.top - m.bottom) * ctx.page.height() * share / 0.64);
}

} // namespace

void buildSingleQuestions(Document& document, bool create)
{
    HeaderDataTyp& header = document.header;
    if (header.DokTyp != DokTyp::Questions)
        return;
    if (!create) {
        const auto answers =
            std::count_if(document.objects.begin(), document.objects.end(),
                          [](const ObjDataTyp& o) { return o.Typ == ObjectKind::QuestionAnswer; });
        if (answers == countQuestions(header.fragentext))
            return;
    }
    DocumentChangeBatch batch(document);
    if (std::erase_if(document.objects,
                      [](const ObjDataTyp& o) { return isSingleQuestionKind(o.Typ); }) > 0)
        document.notify({DocumentChange::ObjectsRemoved, {}, true, ObjectAspect::All});

    const std::vector<SingleQuestion> questions = parseQuestionText(header.fragentext);
    // An emptied text leaves no questions, and no count that would be saved.
    if (header.AnzFrageNummern != int(questions.size())) {
        header.AnzFrageNummern = int(questions.size());
        document.notifyHeaderChanged();
    }
    if (questions.empty())
        return;

    addNavigationButtons(document);
    const RectD m = usableIndent(header.EinrueckRand);
    const double d = rowScale(m);
    const double left = m.left;
    const int count = int(questions.size());
    for (int n = 1; n <= count; ++n) {
        const SingleQuestion& q = questions[n - 1];
        document.addGeneratedObject(ObjectKind::QuestionCaption, Layer::TextsAndImages,
                                    QStringLiteral("Frage Nr. %1 von %2").arg(n).arg(count), n,
                                    left, m.top + 0.01, Side::Right, -5);
        document.addGeneratedObject(ObjectKind::QuestionText, Layer::TextsAndImages, q.question, n,
                                    left, m.top + 0.22 * d, Side::Right, 5);
        document.addGeneratedObject(ObjectKind::QuestionCaption, Layer::TextsAndImages,
                                    QStringLiteral("Antwort:"), n, left, m.top + 0.435 * d,
                                    Side::Right, 0);
        const int answer =
            document.addGeneratedObject(ObjectKind::QuestionAnswer, Layer::TextsAndImages, q.answer,
                                        n, left + 0.125, m.top + 0.435 * d, Side::Right, 0);
        // Covered, and numbered as the numbering numbers single answers.
        document.objects[answer].Abdeckung = -1;
        document.objects[answer].Nummer = 0;
    }
}

void applySingleQuestionsEdit(Document& document, const SingleQuestionsEdit& edit)
{
    DocumentChangeBatch batch(document);
    deleteContentObjects(document);
    document.notify({DocumentChange::ObjectsRemoved, {}, true, ObjectAspect::All});
    HeaderDataTyp& header = document.header;
    header.DokTyp = DokTyp::Questions;
    header.DokUnterTyp = 0;
    header.fragentext = edit.text;
    header.lueckentext.clear();
    header.TextCol = edit.textColour;
    header.FragBtnHtgdCol = edit.buttonBackground;
    header.FragBtnTextCol = edit.buttonSymbols;
    document.notifyHeaderChanged();
    document.setModified();
    buildSingleQuestions(document, true);
}

QRect drawSingleQuestionText(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    if (o.FrageNummer != shownQuestion(ctx))
        return {};
    return drawQuestionText(ctx, o, {CardVertical::RaiseIfTall, heightShare(ctx, 0.2)});
}

QRect drawSingleQuestionAnswer(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    if (o.FrageNummer != shownQuestion(ctx))
        return {};
    const TextFont font = questionCardFont(ctx, o);
    const int maxHeight = std::max(1, heightShare(ctx, 0.135));

    // Measured wrapped at the right indent margin.
    const QPoint at = ctx.toPicture(o.Kx, o.Ky);
    const int width = std::max(1, rightIndentEdge(ctx) - at.x());
    const CardTextResult measured =
        fitCardText(*ctx.canvas, font, o.Text, QRect(0, 0, width, maxHeight), 0, CardVertical::Top,
                    maxHeight, false);
    ctx.canvas->setFont(font);
    const int lineHeight = std::max(1, ctx.canvas->textHeight());
    // An empty or short answer still gets a box a pupil can see and click.
    const QSize size(std::max(measured.rect.width(), 2 * lineHeight),
                     std::max(measured.rect.height(), lineHeight));
    const QRect card = placeObject(ctx, o, size).card;

    const bool hidden = ctx.exerciseRunning() ? o.Abdeckung != 0 : o.Abdeckung == -1;
    if (hidden) {
        drawCoveredBox(ctx, o, card);
        return card;
    }
    QRect area = card;
    area.setRight(std::max(card.right(), rightIndentEdge(ctx) - 1));
    fitCardText(*ctx.canvas, font, o.Text, area, 0, CardVertical::Top, maxHeight, true);
    return card;
}

} // namespace velunto
