// The items of a question run: which answers a single question offers and
// where they stand, and which tick boxes a multiple-choice question shows.

#include "common/numeric.h"
#include "common/random.h"
#include "document/document.h"
#include "exercise/exerciserun.h"
#include "exercise/normalizetext.h"

#include <algorithm>

namespace velunto {

namespace {

// A single question offers the solution and at most five other answers.
constexpr int kOtherAnswers = 5;
constexpr int kDrawsPerAnswer = 100;
constexpr int kGridColumns = 3;

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

void ExerciseRun::setElementVisible(int element, bool visible)
{
    Element& e = m_r.elements[size_t(element)];
    if (e.visible != visible) {
        e.visible = visible;
        elementChanged(element);
    }
}

void ExerciseRun::showQuestion()
{
    if (m_r.order.empty())
        return;
    const int solution = m_r.order[size_t(m_r.currentEntry)].positionIndex;
    auto& elements = m_r.elements;
    const int count = int(elements.size());
    if (count == 0)
        return;

    // Element k carries number k: the entry it was made for.
    std::vector<int> byNumber(size_t(count), -1);
    for (int k = 0; k < count; ++k) {
        const int number = elements[size_t(k)].number;
        if (number >= 0 && number < count)
            byNumber[size_t(number)] = k;
    }

    QStringList captions;
    for (int k = 0; k < count; ++k) {
        const bool isSolution = elements[size_t(k)].object == solution && captions.isEmpty();
        setElementVisible(k, isSolution);
        if (isSolution)
            captions << elements[size_t(k)].caption;
    }
    // Other answers with pairwise different texts, drawn at random.
    for (int round = 0; round < kOtherAnswers; ++round) {
        for (int draw = 0; draw < kDrawsPerAnswer; ++draw) {
            const int k = byNumber[size_t(m_services.random->below(count))];
            if (k < 0 || elements[size_t(k)].visible ||
                captions.contains(elements[size_t(k)].caption))
                continue;
            setElementVisible(k, true);
            captions << elements[size_t(k)].caption;
            break;
        }
    }

    std::vector<int> visible;
    for (int k : byNumber) {
        if (k >= 0 && elements[size_t(k)].visible)
            visible.push_back(k);
    }

    const int question = m_document.isValidIndex(solution)
                             ? m_document.objects[solution].FrageNummer
                             : m_r.currentQuestion;
    QString text;
    for (const ObjDataTyp& o : m_document.objects) {
        if (o.Typ == ObjectKind::QuestionText && o.FrageNummer == question) {
            text = normalizeText(o.Text);
            break;
        }
    }
    QStringList offered;
    for (int k : visible) {
        const Element& e = elements[size_t(k)];
        offered << quoted(e.caption) +
                       (e.object == solution ? QStringLiteral(" (Lösung)") : QString());
    }
    appendProtocolLine(1, QString(), false);
    appendProtocolLine(1, QStringLiteral("Frage Nr. %1\r\n").arg(question) + text, true);
    appendProtocolLine(1, QStringLiteral("Antwortmöglichkeiten: ") + offered.join(u", "), false);

    layoutQuestionAnswers(visible);
}

void ExerciseRun::layoutQuestionAnswers(const std::vector<int>& visible)
{
    const RectD& m = m_document.header.EinrueckRand;
    const int W = m_r.page.width();
    const int H = m_r.page.height();
    const int width = std::max(150, rnd((1.0 - m.left - m.right) * W * 0.32));
    const int gap = std::max(20, rnd((1.0 - m.left - m.right) * W * 0.02));
    const int height = std::max(46, rnd((1.0 - m.top - m.bottom) * H * 0.1));
    const QPoint origin =
        m_r.page.areaPoint(m.left, m.top + (1.0 - m.top - m.bottom) * 0.415 / 0.64) + QPoint(4, 0);

    // With random card order each answer takes a random free slot among
    // the first n.
    const int n = int(visible.size());
    std::vector<int> slots(visible.size());
    if (m_r.options.CardOrder == 1) {
        std::vector<bool> taken(size_t(n), false);
        for (size_t i = 0; i < visible.size(); ++i) {
            int slot = m_services.random->below(n);
            while (taken[size_t(slot)])
                slot = m_services.random->below(n);
            taken[size_t(slot)] = true;
            slots[i] = slot;
        }
    } else {
        for (size_t i = 0; i < visible.size(); ++i)
            slots[i] = int(i);
    }
    for (size_t i = 0; i < visible.size(); ++i) {
        Element& e = m_r.elements[size_t(visible[i])];
        const int column = slots[i] % kGridColumns;
        const int row = slots[i] / kGridColumns;
        e.rect = QRect(origin + QPoint(column * (width + gap), row * (height + gap)),
                       QSize(width, height));
        elementChanged(visible[i]);
    }
}

void ExerciseRun::showMcQuestion()
{
    const int question = m_r.currentQuestion;
    auto& elements = m_r.elements;
    QStringList answers;
    for (int k = 0; k < int(elements.size()); ++k) {
        Element& e = elements[size_t(k)];
        if (e.kind == ElementKind::AnswerBox &&
            (e.ticked || e.caption.size() < 2 || e.caption[1] != QLatin1Char('-'))) {
            e.ticked = false;
            e.caption = e.caption.left(1) + QLatin1Char('-');
            elementChanged(k);
        }
        const bool ofQuestion = m_document.isValidIndex(e.object) &&
                                m_document.objects[e.object].FrageNummer == question;
        setElementVisible(k, ofQuestion);
        if (ofQuestion && e.kind == ElementKind::AnswerBox &&
            m_document.isValidIndex(e.object + 1)) {
            answers << quoted(normalizeText(m_document.objects[e.object + 1].Text)) +
                           (e.caption.startsWith(u'+') ? QStringLiteral(" (zutreffend)")
                                                       : QString());
        }
    }

    QString text;
    bool picture = false;
    for (const ObjDataTyp& o : m_document.objects) {
        if (o.FrageNummer != question)
            continue;
        if (o.Typ == ObjectKind::McQuestionText && text.isNull())
            text = normalizeText(o.Text);
        picture = picture || o.Typ == ObjectKind::McQuestionImage;
    }
    if (picture)
        text += QStringLiteral(" (Bild)");
    appendProtocolLine(1, QString(), false);
    appendProtocolLine(1, QStringLiteral("Frage Nr. %1\r\n").arg(question) + text, true);
    appendProtocolLine(1, QStringLiteral("Antwortmöglichkeiten: ") + answers.join(u", "), false);

    layoutMcQuestion();
}

void ExerciseRun::layoutMcQuestion()
{
    const auto& places = m_r.answerPlaces;
    for (int k = 0; k < int(m_r.elements.size()); ++k) {
        Element& e = m_r.elements[size_t(k)];
        if (!e.visible || !m_document.isValidIndex(e.object))
            continue;
        if (e.kind == ElementKind::AnswerBox) {
            // A box stands where the answer order placed it.
            int place = size_t(e.object) < places.size() ? places[size_t(e.object)] : e.object;
            if (!m_document.isValidIndex(place))
                place = e.object;
            const ObjDataTyp& o = m_document.objects[place];
            const QPoint p = m_r.page.areaPoint(o.Kx, o.Ky);
            e.rect.moveTopLeft(QPoint(p.x() + 10, p.y() - e.rect.height() / 2));
        } else if (e.kind == ElementKind::CheckButton) {
            const ObjDataTyp& o = m_document.objects[e.object];
            e.rect.moveTopLeft(m_r.page.areaPoint(o.Kx, o.Ky) + QPoint(10, 0));
        }
        elementChanged(k);
    }
}

} // namespace velunto
