#pragma once

#include "exercise/exerciserun.h"
#include "shell/appmode.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;
class QWidget;

namespace velunto {

class Clock;
class Document;
class InstructionStrip;
class LearningView;
class Pauses;
class Prompter;
class ResultWindow;
class SoundPlayer;
class StatusPanel;
class TargetFrame;
struct ElementInput;
struct Settings;

// The window side of an exercise run. The learning view becomes the
// exercise area: the page fills its left part as a static picture, the
// elements, the instruction strip and the target frame lie beside and over
// it. The controller passes the pupil's mouse and keys to the run (judging
// always after the widget's own event handler has returned), runs the
// clock, and shows what the run announces, the status panel and the result
// window among it.
class ExerciseController : public QObject, public ExerciseHost
{
    Q_OBJECT
  public:
    struct Wiring
    {
        Document* document = nullptr;
        const Settings* settings = nullptr;
        LearningView* view = nullptr;
        Prompter* prompter = nullptr;
        QWidget* window = nullptr; // parent of the result window and the dialogs
        QString soundFolder;
        // The main window's mode, its menus and panels.
        std::function<void(AppMode)> setMode;
        std::function<bool()> objectEditorOpen;
        // The option dialog of a document type (until it exists: start).
        std::function<bool(int dokTyp)> chooseOptions;
        // For tests: the clock, pauses and player; the real ones when null.
        Clock* clock = nullptr;
        Pauses* pauses = nullptr;
        SoundPlayer* sound = nullptr;
    };

    explicit ExerciseController(Wiring wiring, QObject* parent = nullptr);
    ~ExerciseController() override;

    ExerciseRun& run() { return *m_run; }
    StatusPanel* statusPanel() const { return m_status; }
    ResultWindow* resultWindow() const { return m_result; }
    InstructionStrip* strip() const { return m_strip; }
    // The widget of an element, null when there is none.
    QWidget* elementWidget(int element) const;

    // "Individual-&Übung" (F7); askOptions false when the options were just
    // chosen ("Übung starten" of "Übungs&einstellungen...").
    void startIndividual(bool askOptions = true);
    // "Übung &abbrechen" and the toolbar button during a run.
    void cancel();
    bool isRunning() const { return m_run->isActive(); }

    // The name dialog; a test answers in its place.
    std::function<std::optional<QString>()> askName;
    // The protocol and best-list windows, once they exist.
    std::function<void()> showProtocol;
    std::function<void()> showBestList;
    std::function<bool()> enterBestList;
    // At the run's end, once its protocol is complete.
    std::function<void()> writeProtocol;
    // Why the document has no best list; empty when it has one.
    std::function<QString()> bestListUnavailable;

  Q_SIGNALS:
    void runningChanged(bool running);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // --- ExerciseHost ---
  public:
    bool objectEditorOpen() const override;
    bool chooseOptions(int dokTyp) override;
    void protocolReady() override;
    std::optional<QString> askParticipantName() override;
    void exerciseStarted() override;
    void exerciseLeft() override;
    void elementsCreated() override;
    void elementChanged(int element) override;
    void objectChanged(int index) override;
    void pageChanged() override;
    void instructionChanged() override;
    void feedbackChanged() override;
    void statusChanged() override;
    void highlightChanged() override;
    bool enterInBestList() override;
    void placePairsForRun() override;
    void rebuildAfterRun() override;
    std::vector<int> answerOrder(bool random) override;
    int basketAt(QPointF page) const override;
    std::optional<RectD> basketBounds(int basket) const override;
    void showResult() override;
    void hideResult() override;

  private:
    void later(std::function<void()> action);
    bool key(int element, int key, const QString& text);
    void placeStrip();
    void raiseOverlays();
    // Puts the elements' widgets into their Tab order (m_tabOrder).
    void orderTabs();
    // Gives the focus to the first element after element (in Tab order) that
    // takes part; -1 starts at the first.
    void focusNext(int after);
    // After typing into a text box: once it holds its answer's length, the
    // focus moves on to the field the document type names (the next box of
    // a crossword word).
    void moveOnWhenFilled(int element);

    Wiring m_wiring;
    std::unique_ptr<Clock> m_ownClock;
    std::unique_ptr<Pauses> m_ownPauses;
    std::unique_ptr<SoundPlayer> m_ownSound;
    std::unique_ptr<ElementInput> m_input;
    std::unique_ptr<ExerciseRun> m_run;
    QTimer* m_clock = nullptr;
    StatusPanel* m_status = nullptr;
    ResultWindow* m_result = nullptr;
    InstructionStrip* m_strip = nullptr;
    TargetFrame* m_frame = nullptr;
    std::vector<QPointer<QWidget>> m_widgets;
    std::vector<int> m_raisedZ;
    std::vector<size_t> m_tabOrder;
    int m_lastFilled = -1; // the object of the text box filled last
    // Entering the exercise mode composed the page with the run's states.
    bool m_pageComposed = false;
};

// VELUNTO_RANDOM_SEED: a seed for every run start, when the variable holds a
// number.
std::optional<quint32> randomSeedFromEnvironment();

} // namespace velunto
