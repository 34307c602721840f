#pragma once

#include "document/objectkinds.h"
#include "shell/appmode.h"

#include <vector>

namespace velunto {

class RandomSource;

// Tools of the learning view (the drawing tools 3..19 belong to the drawing code).
namespace Tool {
enum : int {
    Pointer = 1, // "Zeiger zum Auf- und Abdecken von Abfragefeldern"
    Hand = 2,    // "Bildausschnitt verschieben"
    Pen = 3,
    Eraser = 6,
    Stamp = 7,
    Text = 9,
    FirstShape = 10,
    LastShape = 18,
    Area = 19,
};
}

// Numbering modes: "Fragezeichen", "Geordnet", "Zufällig".
namespace NumberingMode {
enum : int { QuestionMarks = 0, Ordered = 1, Random = 2 };
}

// One entry of the order list that numbering builds; the exercise run uses
// the list as its query positions.
struct OrderEntry
{
    int textIndex = -1;
    int objectIndex = -1;
    bool operator==(const OrderEntry&) const = default;
};

// What changed in the session.
namespace SessionAspect {
enum : int {
    Mode = 1,       // the application mode
    Tool = 2,       // the current tool
    Numbering = 4,  // the numbering mode and the order list
    Question = 8,   // CurrentQuestion
    Editor = 16,    // the object editor opened or closed, its grid switched
    Selection = 32, // the object selected in the object editor
    Exercise = 64,  // what a running exercise shows: its target, its answer order
};
}

struct SessionChange
{
    int what = 0;
    int previousSelection = -1; // with Selection: the object selected before
};

class Session;

class SessionObserver
{
  public:
    virtual ~SessionObserver() = default;
    virtual void sessionChanged(const Session& session, const SessionChange& change) = 0;
};

// What every view of the one Document follows alike: the application mode,
// the tool, the numbering and its order list, the question shown for single
// and multiple-choice questions, and the object editor's state. Each view
// keeps its own zoom and visible part (ViewState), so a second view shows
// the same session at another size.
class Session
{
  public:
    AppMode mode() const { return m_mode; }
    void setMode(AppMode mode);
    bool exerciseRunning() const { return m_mode == AppMode::Exercise; }

    int tool() const { return m_tool; }
    void setTool(int tool);

    int numberingMode() const { return m_numberingMode; }
    // Built by numbering; the exercise run uses it as its query positions.
    const std::vector<OrderEntry>& orderList() const { return m_orderList; }
    void setNumbering(int mode, std::vector<OrderEntry> orderList);

    // The question shown for single and multiple-choice questions, 1-based.
    int currentQuestion() const { return m_currentQuestion; }
    void setCurrentQuestion(int question);
    // Keeps CurrentQuestion among count questions: a question outside
    // 1..count becomes 1, or -1 when there is none.
    void keepQuestionWithin(int count);
    // Steps CurrentQuestion among 1..count as a navigation button or key
    // asks: one back (not below 1), one on (not above count), to the first,
    // to the last, or to a random other question (1 when there is only
    // one). False, and nothing changes, when count is 0 or below.
    bool stepQuestion(QuestionStep step, int count, RandomSource& random);

    // The object editor draws and hit-tests differently while it is open.
    bool editorOpen() const { return m_editorOpen; }
    void setEditorOpen(bool open);
    bool gridShown() const { return m_gridShown; }
    void setGridShown(bool shown);
    int selectedObject() const { return m_selected; }
    void setSelectedObject(int index);

    // The position an exercise asks for when it asks one position at a
    // time; the other open positions are drawn inactive. -1: every one is
    // active.
    int exerciseTarget() const { return m_exerciseTarget; }
    void setExerciseTarget(int index);
    // The answer order of a multiple-choice run: object k is drawn at the
    // card position of object answerPlaces[k]. Empty: every object at its own.
    const std::vector<int>& answerPlaces() const { return m_answerPlaces; }
    void setAnswerPlaces(std::vector<int> places);

    void addObserver(SessionObserver* observer);
    void removeObserver(SessionObserver* observer);

  private:
    void notify(const SessionChange& change);

    AppMode m_mode = AppMode::LearningView;
    int m_tool = Tool::Pointer;
    int m_numberingMode = NumberingMode::Ordered;
    std::vector<OrderEntry> m_orderList;
    int m_currentQuestion = 1;
    bool m_editorOpen = false;
    bool m_gridShown = false;
    int m_selected = -1;
    int m_exerciseTarget = -1;
    std::vector<int> m_answerPlaces;
    std::vector<SessionObserver*> m_observers;
};

} // namespace velunto
