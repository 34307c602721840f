#pragma once

#include "common/random.h"
#include "exercise/askedkinds.h"
#include "exercise/elements.h"
#include "exercise/exerciseoptions.h"
#include "exercise/ordertable.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace velunto {

class Clock;
class Document;
class Pauses;
class Prompter;
class SoundPlayer;
struct Settings;

namespace ExerciseKind {
enum : int { Individual = 0, NetworkParticipant = 1, NetworkInitiator = 2, SeriesPart = 10 };
}

namespace EndReason {
enum : int { Running = 0, Finished = 1, Cancelled = 2, TimeLimit = 3 };
}

// The states a run writes into Abdeckung; the view draws each of them.
namespace ExerciseState {
enum : int {
    Covered = -1,        // learning view: covered, not asked
    Solved = 0,          // the label is shown
    Tick = -2,           // solved, a green tick
    Cross = -3,          // failed, a red cross; no further attempt
    NoFeedback = -4,     // judged without feedback, a grey "X"
    Open = -5,           // asked and not solved yet
    QuestionClosed = -6, // a question answered wrongly and not asked again
    PairTakesPart = 5,   // a cross-assignment element of the run
};
}

// DropTarget when the check button of text entry asks to judge every box.
constexpr int kEvaluateAll = -999;

// The reports of a network participant to the teacher's computer.
class NetworkReporter
{
  public:
    virtual ~NetworkReporter() = default;
    // One judged action ("TN-AKTION" without kind and participant).
    virtual void action(const QStringList& fields) = 0;
    // The end of the run ("TN-FERTIG").
    virtual void finished(int endReason, const QString& clockText) = 0;
    // The result for the network best list ("TN-BESTLIST").
    virtual void result(const QString& name, const QDateTime& start, qint64 elapsedMs,
                        double performance) = 0;
};

// What a run asks of the program around it and tells it. Every function
// has a default that does nothing (or agrees), so a test overrides only
// what it watches.
class ExerciseHost
{
  public:
    virtual ~ExerciseHost() = default;

    // --- before the start ---
    virtual bool objectEditorOpen() const { return false; }
    // The option dialog of the document type; false when it was not closed
    // with "Übung starten".
    virtual bool chooseOptions(int /*dokTyp*/) { return true; }
    // "Teilnehmername eingeben"; nullopt when cancelled.
    virtual std::optional<QString> askParticipantName() { return QString(); }
    // A series part loads the document of the current series item.
    virtual bool loadSeriesPart() { return true; }
    // The cross-assignment builder places the elements for a run (and
    // rebuilds the document after it).
    virtual void placePairsForRun() {}
    virtual void rebuildAfterRun() {}
    // The answer order of a multiple-choice run: for every object the object
    // at whose card position it is shown.
    virtual std::vector<int> answerOrder(bool /*random*/) { return {}; }
    // A cluster exercise: the 1-based basket whose column holds the page
    // point, -1 for none; and a basket's column in page fractions, framed
    // while a card is over it.
    virtual int basketAt(QPointF /*page*/) const { return -1; }
    virtual std::optional<RectD> basketBounds(int /*basket*/) const { return std::nullopt; }

    // --- the mode ---
    virtual void exerciseStarted() {}
    virtual void exerciseLeft() {}

    // --- what changed; the window shows it ---
    virtual void elementsCreated() {}
    virtual void elementChanged(int /*element*/) {}
    virtual void objectChanged(int /*index*/) {}
    virtual void pageChanged() {}
    virtual void instructionChanged() {}
    virtual void feedbackChanged() {}
    virtual void statusChanged() {}
    virtual void highlightChanged() {}

    // --- the end ---
    // The protocol of the run is complete (head, statistics, detail).
    virtual void protocolReady() {}
    // Enters the result in the best list; false when that failed or is not
    // possible.
    virtual bool enterInBestList() { return false; }
    virtual void showResult() {}
    virtual void hideResult() {}
    virtual void seriesPartEnded() {}
    // A network participant asks to take part again.
    virtual bool rejoinNetwork() { return false; }
    virtual void closeNetworkDocument() {}
};

// What a run works with besides the Document: injected, so that a whole run
// is driven by a test without a window.
struct ExerciseServices
{
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    SoundPlayer* sound = nullptr;
    Pauses* pauses = nullptr;
    Prompter* prompter = nullptr;
    NetworkReporter* network = nullptr;
    AskedKindsLookup askedKinds = builtInAskedKinds;
    // The card of a page object as the view drew it last, in page fractions.
    CardBounds cardBounds;
    QString soundFolder;
    // Set: every run starts from this seed instead of continuing the
    // generator (VELUNTO_RANDOM_SEED).
    std::optional<quint32> seedAtStart;
};

// The figures of the status panel.
struct StatusFigures
{
    QString total; // "von  12"
    QString name;
    QString correct, wrong, success, performance; // "?" while hidden
    QString clockLabel;
    QString clock;
    bool clockShown = true;
};

// The figures of the result window.
struct ExerciseResult
{
    QString correct; // "7  von  8"
    QString wrong;
    QString success;
    QString timeLabel;
    QString time;
    QString open;
    QString performance;
    QString rating;
    QString gradeLabel; // "Note:" or "Punkte:"
    QString grade;
    double performanceValue = 0.0;
    GradingScale scale;
    bool partialRepeatOffered = false;
    bool bestListOffered = false; // "In Bestenliste eintragen"
    bool enteredInBestList = false;
};

// The text line under the instruction.
struct Feedback
{
    QString text;
    ColorRef colour = 0;
    bool ticks = false; // the three tick counts instead of the text
    int right = 0, wrong = 0, missing = 0;
};

// One exercise on the Document, from StartExercise to LeaveExercise: the
// options snapshot, the OrderTable, the elements, the clock, the judging of
// every action with its feedback and protocol, the figures and the end with
// its result and repeat.
//
// The window hosts it: it passes the pupil's actions in (pointer positions
// in page fractions, keys), calls ClockTick every 100 ms, and shows what the
// host functions announce. Exercise states of page objects are written only
// through setObjectState.
class ExerciseRun
{
  public:
    ExerciseRun(Document& document, const Settings& settings, ExerciseServices services,
                ExerciseHost& host);

    // --- the life of a run ---
    // StartExercise: repeatMode 0 asks everything, 1 only what was not
    // solved at the first attempt. False when no run started (the messages
    // were shown); a start that fails half-way leaves nothing behind.
    bool start(bool showOptionsDialog, int repeatMode, int kind);
    // LeaveExercise; with ask the question of an unfinished run comes first.
    // False when the pupil keeps the run.
    bool leave(bool ask = true);
    // The question of an unfinished run; true when it may end.
    bool confirmCancel();
    void clockTick();
    // The result window: "Übung wiederholen" and closing it.
    void repeat(int repeatMode);
    void closeResult();
    // "In Bestenliste eintragen".
    void enterInBestList();

    // The network participant's snapshot, taken when joining.
    void setJoinedOptions(const ExerciseOptions& options, const QString& name,
                          const QDateTime& joined);

    // The options of the series item a series part runs with.
    void setSeriesItem(const SeriesItemOptions& item) { m_r.seriesItem = item; }

    // The size of the exercise area in pixels. During a run a new size
    // places the page and the elements again: the cards still in the column
    // are stacked anew, everything over the page keeps its page point.
    void setAreaSize(QSize area);
    QSize areaSize() const { return m_areaSize; }

    // --- the pupil's actions ---
    // Pointer input in page fractions (outside 0..1 beside the page).
    void press(int element, QPointF page);
    void move(QPointF page);
    void release();
    // What was typed into a text box.
    void setTypedText(int element, const QString& text);

    // The keyboard: Space or Enter takes the focused card; a position's
    // number (or letter) or the arrow keys choose the target; Enter drops the
    // card there as a release would; Esc puts it back.
    bool takeCard(int element);
    bool carrying() const { return m_r.carry.element >= 0; }
    void chooseNextTarget(int step);
    void typeTargetLabel(QChar c);
    void dropCarried();
    void putBack();
    // The keyboard's click of a button, answer box or cross element.
    void click(int element);

    // --- what the window shows ---
    bool isActive() const { return m_r.active; }
    bool isUnfinished() const { return m_r.active && m_r.endReason == EndReason::Running; }
    bool clockRunning() const { return m_r.clockOn; }
    int kind() const { return m_r.kind; }
    int endReason() const { return m_r.endReason; }
    const ExerciseOptions& options() const { return m_r.options; }
    const std::vector<Element>& elements() const { return m_r.elements; }
    const PageMapping& page() const { return m_r.page; }
    int pageEnd() const { return m_r.pageEnd; }
    QRect highlight() const { return m_r.highlight; }
    const QString& instruction() const { return m_r.instruction; }
    const Feedback& feedback() const { return m_r.feedback; }
    const StatusFigures& status() const { return m_r.status; }
    const ExerciseResult& result() const { return m_r.result; }
    // The object marked in single-position mode, -1 otherwise.
    int markedTarget() const { return m_r.markedTarget; }

    // --- the run's record ---
    const std::vector<OrderTableEntry>& orderTable() const { return m_r.order; }
    int currentEntry() const { return m_r.currentEntry; }
    int currentQuestion() const { return m_r.currentQuestion; }
    int queriesInRun() const { return m_r.queriesInRun; }
    int queriesInDocument() const { return m_r.queriesInDocument; }
    int distractorCount() const { return m_r.distractorCount; }
    double correctCount() const { return m_r.correct; }
    double wrongCount() const { return m_r.wrong; }
    int openCount() const { return m_r.open; }
    double successRate() const { return m_r.successRate; }
    double totalPerformance() const { return m_r.performance; }
    int grade() const { return m_r.grade; }
    qint64 elapsedMs() const { return m_r.elapsedMs; }
    int remainingSeconds() const { return m_r.remaining; }
    QDateTime startTime() const { return m_r.startTime; }
    const QString& participantName() const { return m_r.participantName; }
    const QString& protocolHead() const { return m_r.protocolHead; }
    const QString& protocolDetail() const { return m_r.protocolDetail; }
    QStringList protocolDetailLines() const;
    bool enteredInBestList() const { return m_r.enteredInBestList; }
    const std::vector<int>& answerPlaces() const { return m_r.answerPlaces; }
    // The text compared for an object: its Text or a picture's key.
    QString comparisonText(int index) const;
    int dropTarget() const { return m_r.drag.dropTarget; }

    // AppendProtocolLine: part 0 the head, 1 the detail, 2 the teacher's
    // display; a time stamp always goes to the detail.
    void appendProtocolLine(int part, const QString& text, bool timeStamped);

    // Every write of an exercise state goes through here.
    void setObjectState(int index, int state);

    // The element of an OrderTable entry or of an object, -1 when none.
    int elementOfEntry(int entry) const;
    int elementOfObject(int object) const;

  private:
    struct Drag
    {
        int element = -1;
        QPoint origin;
        QPoint grab; // pointer minus the element's top-left
        int dropTarget = -1;
        int basket = -1;
        int firstElement = -1;
    };
    struct Carry
    {
        int element = -1;
        std::vector<int> targets; // open positions in reading order
        int chosen = -1;          // index into targets
        QString label;
    };

    // start
    bool startSteps(int repeatMode, int kind);
    void markAskedObjects(int repeatMode);
    // The open asked objects (or every asked one); pairs count once.
    int countOpen(bool everyAsked) const;
    void createElements();
    void placeTextEntry();
    void placeCrossElements();
    void placeInArea();
    void layoutElements();
    void resetFigures(int kind);
    void showFirstItem();
    void commitStart();
    // items
    void showSingleCard();
    void showSinglePosition();
    // ShowQuestion: the solution of the current entry and up to five other
    // answers with different texts, in a grid over the page.
    void showQuestion();
    void layoutQuestionAnswers(const std::vector<int>& visible);
    // ShowMcQuestion: the tick boxes and check button of the current
    // question, unticked, beside the places the answer order gave them.
    void showMcQuestion();
    void layoutMcQuestion();
    void setElementVisible(int element, bool visible);
    void nextItem();
    // feedback and figures
    void refreshStatus();
    void refreshClock();
    void playSound(bool right, bool wait);
    void showFeedback(const QString& text, ColorRef colour);
    void hideFeedback();
    void pause(int ms);
    void reportEndOnce();
    // end
    void endExercise();
    void fillResult();
    void closeAfterEnd();
    void clearRun();
    // judging
    void judge(int element);
    bool isRight(int card, int& target);
    void rightAnswer(int element, int card, int target);
    void wrongAnswer(int element, int card, int& target);
    void evaluateTextEntries();
    void afterJudgement(int target, int card);
    void reportAction(int target);
    // elements
    void highlightTarget(int index);
    std::vector<int> hitCandidates() const;
    int hitTest(int element) const;
    void returnCard(int element);
    void bringToFront(int element);
    void setElementColour(int element, ColorRef colour);
    void hideElement(int element);
    void removeElement(int element);
    void hideAllElements();
    void elementChanged(int element);
    void placeCarriedOver(int target);
    QPointF toArea(QPointF page) const { return m_r.page.toArea(page); }

    bool isTextEntry() const;
    bool isCardType() const;
    const AskedKinds& asked() const { return m_r.asked; }

    Document& m_document;
    const Settings& m_settings;
    ExerciseServices m_services;
    ExerciseHost& m_host;
    QSize m_areaSize{1024, 700};
    bool m_quiet = false; // a start in progress: the window learns at its end

    // Everything that one run holds: reset at each start, and put back when a
    // start fails half-way.
    struct Record
    {
        bool active = false;
        bool busy = false; // judging: no action and no tick is taken
        int kind = ExerciseKind::Individual;
        int endReason = EndReason::Running;
        ExerciseOptions options;
        std::optional<ExerciseOptions> joinedOptions;
        QString joinName;
        QDateTime joinTime;
        AskedKinds asked;
        int queriesInRun = 0;
        int queriesInDocument = 0;
        int distractorCount = 0;
        std::vector<OrderTableEntry> order;
        ComparisonKeys keys;
        std::vector<int> answerPlaces;
        int currentEntry = 0;
        int currentQuestion = 1;
        int markedTarget = -1;
        double correct = 0.0;
        double wrong = 0.0;
        double successRate = 0.0;
        double performance = 0.0;
        int open = 0;
        int grade = 0;
        qint64 startTick = 0;
        QDateTime startTime;
        qint64 elapsedMs = 0;
        int remaining = 0;
        bool clockOn = false;
        bool endReported = false;
        QString participantName;
        QString protocolHead;
        QString protocolDetail;
        QString protocolTeacher;
        bool enteredInBestList = false;
        int addedCheckButton = -1;
        std::vector<Element> elements;
        PageMapping page;
        int pageEnd = 0;
        int topZ = 0;
        Drag drag;
        Carry carry;
        QRect highlight;
        QString instruction;
        Feedback feedback;
        StatusFigures status;
        ExerciseResult result;
        std::array<QString, 4> figureTexts; // correct, wrong, success rate, performance
        std::optional<SeriesItemOptions> seriesItem;
        std::array<int, 4> ticks{}; // a multiple-choice answer: solutions, right, wrong, missing
    };
    Record m_r;
};

} // namespace velunto
