// Judging one action of the pupil: right or wrong by the rules of the
// document type, the feedback, the new states, the counts and the protocol.

#include "common/textformat.h"
#include "document/document.h"
#include "exercise/exerciserun.h"
#include "exercise/exercisetexts.h"
#include "exercise/gradingscale.h"
#include "exercise/normalizetext.h"
#include "platform/clock.h"
#include "shell/settings.h"

#include <algorithm>

namespace velunto {

namespace {

constexpr ColorRef kRightText = 0x008000;
constexpr ColorRef kWrongText = 0x0000FF;
constexpr int kRightPause = 750;
constexpr int kQuestionRightPause = 500;
constexpr int kWrongPause = 100;
constexpr int kWrongCardPause = 900;
constexpr int kWrongTicksPause = 1900;

int& targetAttempts(ObjDataTyp& o)
{
    return o.exerciseCounters[0];
}

int& cardAttempts(ObjDataTyp& o)
{
    return o.exerciseCounters[1];
}

// The accepted answers of a gap, each between "|" characters, are compared
// one by one and exactly: a typed text holding "|" is never one of them.
bool isAlternative(const QString& alternatives, const QString& typed)
{
    if (typed.contains(QLatin1Char('|')))
        return false;
    const QStringList parts = alternatives.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    return std::any_of(parts.begin(), parts.end(), [&](const QString& p) {
        const QString answer = p.trimmed();
        return !answer.isEmpty() && answer == typed;
    });
}

struct TickCount
{
    int solutions = 0; // N
    int right = 0;
    int wrong = 0;
    int missing = 0;
};

} // namespace

void ExerciseRun::judge(int element)
{
    const int target = m_r.drag.dropTarget;
    const bool valid = element >= 0 && element < int(m_r.elements.size());
    if (target == kEvaluateAll && isTextEntry()) {
        m_r.busy = true;
        evaluateTextEntries();
        m_r.busy = false;
        nextItem();
        return;
    }
    if (!valid || !m_r.elements[size_t(element)].takesPart())
        return;
    const Element& e = m_r.elements[size_t(element)];
    if (m_document.isValidIndex(e.object) &&
        m_document.objects[e.object].Typ == ObjectKind::McAnswerBox)
        return;
    if (target == -1)
        return;

    m_r.busy = true;
    const int card = e.object;
    int t = target;
    const bool right = isRight(card, t);
    if (right)
        rightAnswer(element, card, t);
    else
        wrongAnswer(element, card, t);
    m_r.busy = false;
    afterJudgement(t, card);
}

bool ExerciseRun::isRight(int card, int& target)
{
    HeaderDataTyp& h = m_document.header;
    const auto text = [this](int i) { return normalizeText(comparisonText(i)); };
    bool right = false;
    switch (h.DokTyp) {
    case DokTyp::MultipleChoice: {
        const int question =
            m_document.isValidIndex(target) ? m_document.objects[target].FrageNummer : -1;
        TickCount count;
        QStringList ticked;
        for (const Element& box : m_r.elements) {
            if (box.kind != ElementKind::AnswerBox || !m_document.isValidIndex(box.object))
                continue;
            if (m_document.objects[box.object].FrageNummer != question)
                continue;
            const bool solution = box.caption.startsWith(QLatin1Char('+'));
            count.solutions += solution;
            count.right += solution && box.ticked;
            count.wrong += !solution && box.ticked;
            count.missing += solution && !box.ticked;
            if (box.ticked)
                ticked << QLatin1Char('"') + text(box.object + 1) + QLatin1Char('"');
        }
        right = count.wrong + count.missing == 0;
        const QString list =
            ticked.isEmpty() ? QStringLiteral("- keine -") : ticked.join(QStringLiteral(", "));
        appendProtocolLine(1, multipleChoiceLine(right, list), true);
        appendProtocolLine(1, tickCountLine(count.right, count.wrong, count.missing), true);
        m_r.ticks = {count.solutions, count.right, count.wrong, count.missing};
        return right;
    }
    case DokTyp::Cluster: {
        // The first empty cell of the basket's column with the card's text
        // takes the card; cards with the same text are interchangeable.
        const int column = m_r.drag.basket - 1;
        if (column >= 0 && column < kTableColumns) {
            const QString wanted = text(card);
            const int rows = std::clamp(h.LueckenTabelleZeilen, 0, kTableRows);
            for (int row = 0; row < rows && !right; ++row) {
                lueckentabellearrtyp& cell = h.LueckenTabelle[row][column];
                if ((cell.Art != 1 && cell.Art != 3) || cell.Text.trimmed().isEmpty() ||
                    cell.ZellBelegt != -1 || normalizeText(cell.Text) != wanted)
                    continue;
                for (int i = 0; i < m_document.objectCount(); ++i) {
                    const ObjDataTyp& o = m_document.objects[i];
                    const bool fromCell = (o.Typ == ObjectKind::ClusterQueryText ||
                                           o.Typ == ObjectKind::ClusterQueryImage) &&
                                          o.KorbZeile == row && o.KorbSpalte == column;
                    if (fromCell) {
                        cell.ZellBelegt = i;
                        target = i;
                        right = true;
                        break;
                    }
                }
            }
        }
        appendProtocolLine(1, judgementLine(h.DokTyp, m_r.options.QueryMode, right, text(card), {}),
                           true);
        return right;
    }
    case DokTyp::CrossAssign: {
        const int first = m_r.drag.firstElement;
        right = m_document.isValidIndex(first) && m_document.isValidIndex(target) &&
                m_document.objects[target].BildKenn == m_document.objects[first].BildKenn;
        appendProtocolLine(1, connectionLine(right, text(first), text(target)), true);
        return right;
    }
    default:
        right = m_document.isValidIndex(target) && text(target) == text(card);
        appendProtocolLine(
            1, judgementLine(h.DokTyp, m_r.options.QueryMode, right, text(card), text(target)),
            true);
        return right;
    }
}

void ExerciseRun::rightAnswer(int element, int card, int target)
{
    (void)card;
    const int t = m_document.header.DokTyp;
    const ExerciseOptions& o = m_r.options;
    const bool questions = t == DokTyp::Questions || t == DokTyp::MultipleChoice;
    if (t == DokTyp::CrossAssign)
        m_r.open -= 1;
    if (o.OnCorrect != 2) {
        showFeedback(m_settings.feedback.CorrectText, kRightText);
        setElementColour(element, kRightColour);
        playSound(true, false);
        refreshClock();
        pause(kRightPause);
    }
    if (questions) {
        if (o.OnWrong != 2)
            pause(kQuestionRightPause);
        hideAllElements();
    }
    if (o.OnWrong != 2)
        setElementColour(element, m_r.elements[size_t(element)].ownColour);
    if (t == DokTyp::CrossAssign) {
        const int first = m_r.drag.firstElement;
        hideElement(element);
        hideElement(elementOfObject(first));
        if (m_document.isValidIndex(first) && m_document.isValidIndex(target)) {
            ObjDataTyp& a = m_document.objects[first];
            ObjDataTyp& b = m_document.objects[target];
            // The line starts at the element further right.
            (b.Kx > a.Kx ? b : a).Sline = 5;
        }
        setObjectState(first, ExerciseState::Solved);
        setObjectState(target, ExerciseState::Solved);
        m_host.pageChanged();
        m_host.instructionChanged();
    } else {
        setObjectState(target, o.OnCorrect == 1   ? ExerciseState::Tick
                               : o.OnCorrect == 2 ? ExerciseState::NoFeedback
                                                  : ExerciseState::Solved);
    }
    hideFeedback();
    if (isCardType()) {
        if (o.QueryMode == QueryMode::SingleCards)
            hideElement(element);
        else
            removeElement(element);
    }
    m_r.correct += 1.0;
}

void ExerciseRun::wrongAnswer(int element, int card, int& target)
{
    const int t = m_document.header.DokTyp;
    const ExerciseOptions& o = m_r.options;
    const bool questions = t == DokTyp::Questions || t == DokTyp::MultipleChoice;
    const bool partlyTicked = t == DokTyp::MultipleChoice && m_r.ticks[1] >= 1;
    if (o.OnCorrect != 2) {
        setElementColour(element, kWrongColour);
        if (partlyTicked) {
            m_r.feedback = Feedback{};
            m_r.feedback.ticks = true;
            m_r.feedback.right = m_r.ticks[1];
            m_r.feedback.wrong = m_r.ticks[2];
            m_r.feedback.missing = m_r.ticks[3];
            m_host.feedbackChanged();
        } else {
            showFeedback(m_settings.feedback.WrongText, kWrongText);
        }
        playSound(false, true);
        refreshClock();
        pause(kWrongPause);
    }
    if (isCardType()) {
        if (o.QueryMode == QueryMode::SingleCards) {
            pause(kWrongCardPause);
            hideElement(element);
        } else if (o.OnWrong != 2) {
            returnCard(element);
            setElementColour(element, m_r.elements[size_t(element)].ownColour);
        }
        if (t != DokTyp::Cluster) {
            if (o.OnWrong == 1) {
                setObjectState(target, ExerciseState::Cross);
            } else if (o.OnWrong == 2) {
                setObjectState(target, ExerciseState::NoFeedback);
                hideElement(element);
            }
        }
    } else if (questions) {
        if (o.OnWrong == 1 || o.OnWrong == 2)
            setObjectState(target, ExerciseState::QuestionClosed);
        if (o.OnWrong != 2)
            pause(partlyTicked ? kWrongTicksPause : kWrongCardPause);
        hideAllElements();
    } else if (t == DokTyp::CrossAssign) {
        pause(kWrongCardPause);
        for (size_t k = 0; k < m_r.elements.size(); ++k) {
            Element& e = m_r.elements[k];
            if (e.kind == ElementKind::CrossElement && e.ticked) {
                e.ticked = false;
                e.colour = e.ownColour;
                elementChanged(int(k));
            }
        }
    }
    if (o.OnWrong != 2) {
        setElementColour(element, m_r.elements[size_t(element)].ownColour);
        hideFeedback();
    }

    if (t == DokTyp::Cluster)
        target = card;
    auto& objects = m_document.objects;
    if (t == DokTyp::CrossAssign) {
        for (int i : {target, m_r.drag.firstElement}) {
            if (m_document.isValidIndex(i)) {
                targetAttempts(objects[i]) += 1;
                cardAttempts(objects[i]) += 1;
            }
        }
    } else {
        if (m_document.isValidIndex(target))
            targetAttempts(objects[target]) += 1;
        if (isCardType() && m_document.isValidIndex(card))
            cardAttempts(objects[card]) += 1;
    }

    if (t == DokTyp::MultipleChoice) {
        const int n = m_r.ticks[0];
        const double score = n > 0 ? std::max(m_r.ticks[1] - m_r.ticks[2], 0) / double(n) : 0.0;
        m_r.correct += score;
        m_r.wrong += 1.0 - score;
    } else {
        m_r.wrong += 1.0;
    }
}

void ExerciseRun::evaluateTextEntries()
{
    std::vector<int> judged;
    for (size_t i = 0; i < m_r.order.size(); ++i) {
        const int object = m_r.order[i].positionIndex;
        if (!m_document.isValidIndex(object))
            continue;
        const int k = elementOfEntry(int(i));
        if (k >= 0 && m_r.elements[size_t(k)].takesPart()) {
            Element& box = m_r.elements[size_t(k)];
            ObjDataTyp& o = m_document.objects[object];
            const QString answer = normalizeText(o.Text);
            const QString typed = normalizeText(box.typed);
            if (typed == answer) {
                appendProtocolLine(1, typedRightLine(answer), true);
                m_r.correct += 1.0;
                box.colour = kRightColour;
            } else if (o.Typ == ObjectKind::GapCard && isAlternative(o.BildKenn, typed)) {
                appendProtocolLine(1, typedAlternativeLine(box.typed, answer), true);
                m_r.correct += 1.0;
                box.colour = kRightColour;
            } else {
                appendProtocolLine(1, typedWrongLine(box.typed, answer), true);
                m_r.wrong += 1.0;
                targetAttempts(o) += 1;
                box.colour = kWrongColour;
            }
            elementChanged(k);
            judged.push_back(object);
        }
        setObjectState(object, ExerciseState::Solved);
    }

    if (m_r.wrong != 0.0) {
        playSound(false, true);
        refreshClock();
        pause(kWrongPause);
    } else {
        showFeedback(m_settings.feedback.CorrectText, kRightText);
        playSound(true, false);
        refreshClock();
        pause(kRightPause);
    }
    hideFeedback();

    m_r.open =
        int(std::count_if(m_document.objects.begin(), m_document.objects.end(),
                          [](const ObjDataTyp& o) { return o.Abdeckung == ExerciseState::Open; }));
    refreshStatus();
    // One report per box, with that box's object.
    if (m_r.kind == ExerciseKind::NetworkParticipant)
        for (int object : judged)
            reportAction(object);
    highlightTarget(-1);
}

void ExerciseRun::afterJudgement(int target, int card)
{
    (void)card;
    if (m_document.header.DokTyp != DokTyp::CrossAssign)
        m_r.open = int(
            std::count_if(m_document.objects.begin(), m_document.objects.end(),
                          [](const ObjDataTyp& o) { return o.Abdeckung == ExerciseState::Open; }));
    refreshStatus();
    if (m_r.kind == ExerciseKind::NetworkParticipant) {
        int reported = target;
        const int first = m_r.drag.firstElement;
        if (m_document.header.DokTyp == DokTyp::CrossAssign && m_document.isValidIndex(target) &&
            m_document.objects[target].FrageNummer > 0 && first >= 0)
            reported = first;
        reportAction(reported);
    }
    highlightTarget(-1);
    nextItem();
}

void ExerciseRun::reportAction(int target)
{
    if (!m_services.network)
        return;
    const bool valid = m_document.isValidIndex(target);
    const ObjDataTyp* o = valid ? &m_document.objects[target] : nullptr;
    const int decimals = m_document.header.DokTyp == DokTyp::MultipleChoice ? 2 : 0;
    const QStringList fields = {
        QString::number(target),
        QString::number(o ? o->Abdeckung : 0),
        QString::number(o ? o->exerciseCounters[0] : 0),
        QString::number(m_r.endReason),
        m_r.startTime.toString(QStringLiteral("HH:mm:ss")),
        QString::number(m_r.queriesInRun),
        fixedDecimals(m_r.correct, decimals),
        fixedDecimals(m_r.wrong, decimals),
        QString::number(m_r.open),
        m_r.status.clock,
        oneDecimal(m_r.successRate * 100.0),
        oneDecimal(m_r.performance * 100.0),
        QString::number(gradeFromPerformance(m_r.performance, m_r.options.grading)),
    };
    m_services.network->action(fields);
}

} // namespace velunto
