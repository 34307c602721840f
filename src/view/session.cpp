#include "view/session.h"

#include "common/random.h"

#include <algorithm>
#include <utility>

namespace velunto {

void Session::setMode(AppMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    notify({SessionAspect::Mode});
}

void Session::setTool(int tool)
{
    if (tool == m_tool)
        return;
    m_tool = tool;
    notify({SessionAspect::Tool});
}

void Session::setNumbering(int mode, std::vector<OrderEntry> orderList)
{
    m_numberingMode = mode;
    m_orderList = std::move(orderList);
    notify({SessionAspect::Numbering});
}

void Session::setCurrentQuestion(int question)
{
    if (question == m_currentQuestion)
        return;
    m_currentQuestion = question;
    notify({SessionAspect::Question});
}

void Session::keepQuestionWithin(int count)
{
    if (m_currentQuestion < 1 || m_currentQuestion > count)
        setCurrentQuestion(count >= 1 ? 1 : -1);
}

bool Session::stepQuestion(QuestionStep step, int count, RandomSource& random)
{
    if (count <= 0 || step == QuestionStep::None)
        return false;
    keepQuestionWithin(count);
    int q = m_currentQuestion;
    switch (step) {
    case QuestionStep::Previous:
        q = std::max(1, q - 1);
        break;
    case QuestionStep::Next:
        q = std::min(count, q + 1);
        break;
    case QuestionStep::First:
        q = 1;
        break;
    case QuestionStep::Last:
        q = count;
        break;
    case QuestionStep::Random:
        if (count < 2) {
            q = 1;
            break;
        }
        do {
            q = 1 + random.below(count);
        } while (q == m_currentQuestion);
        break;
    case QuestionStep::None:
        break;
    }
    setCurrentQuestion(q);
    return true;
}

void Session::setEditorOpen(bool open)
{
    if (open == m_editorOpen)
        return;
    m_editorOpen = open;
    notify({SessionAspect::Editor});
}

void Session::setGridShown(bool shown)
{
    if (shown == m_gridShown)
        return;
    m_gridShown = shown;
    notify({SessionAspect::Editor});
}

void Session::setSelectedObject(int index)
{
    if (index == m_selected)
        return;
    const int previous = m_selected;
    m_selected = index;
    notify({SessionAspect::Selection, previous});
}

void Session::setExerciseTarget(int index)
{
    if (index == m_exerciseTarget)
        return;
    m_exerciseTarget = index;
    notify({SessionAspect::Exercise});
}

void Session::setAnswerPlaces(std::vector<int> places)
{
    if (places == m_answerPlaces)
        return;
    m_answerPlaces = std::move(places);
    notify({SessionAspect::Exercise});
}

void Session::addObserver(SessionObserver* observer)
{
    if (observer != nullptr &&
        std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void Session::removeObserver(SessionObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

void Session::notify(const SessionChange& change)
{
    const std::vector<SessionObserver*> observers = m_observers;
    for (SessionObserver* o : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), o) != m_observers.end())
            o->sessionChanged(*this, change);
    }
}

} // namespace velunto
