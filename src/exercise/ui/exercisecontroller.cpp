#include "exercise/ui/exercisecontroller.h"

#include "content/cluster/clusterlayout.h"
#include "content/contentregistry.h"
#include "content/crossassign/pairlayout.h"
#include "content/multiplechoice/mcpermutation.h"
#include "document/document.h"
#include "exercise/ui/elementwidgets.h"
#include "exercise/ui/instructionstrip.h"
#include "exercise/ui/resultwindow.h"
#include "exercise/ui/statuspanel.h"
#include "platform/clock.h"
#include "platform/pause.h"
#include "platform/prompter.h"
#include "platform/soundplayer.h"
#include "platform/ui/dialogrunner.h"
#include "shell/settings.h"
#include "view/hittest.h"
#include "view/ui/learningview.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <tuple>
#include <utility>

namespace velunto {

namespace {

constexpr int kTickMs = 100;
const QColor kAreaColour(0xF2, 0xF4, 0xF4);

} // namespace

std::optional<quint32> randomSeedFromEnvironment()
{
    const QByteArray value = qgetenv("VELUNTO_RANDOM_SEED").trimmed();
    bool ok = false;
    const qulonglong seed = value.toULongLong(&ok, 10);
    if (!ok || seed > 0xFFFFFFFFull)
        return std::nullopt;
    return quint32(seed);
}

ExerciseController::ExerciseController(Wiring wiring, QObject* parent)
    : QObject(parent), m_wiring(std::move(wiring)), m_input(std::make_unique<ElementInput>())
{
    if (!m_wiring.clock) {
        m_ownClock = std::make_unique<SteadyClock>();
        m_wiring.clock = m_ownClock.get();
    }
    if (!m_wiring.pauses) {
        m_ownPauses = std::make_unique<BlockingPauses>();
        m_wiring.pauses = m_ownPauses.get();
    }
    if (!m_wiring.sound) {
        m_ownSound = makeSoundPlayer();
        m_wiring.sound = m_ownSound.get();
    }
    ExerciseServices services;
    services.clock = m_wiring.clock;
    services.random = &randomSource();
    services.sound = m_wiring.sound;
    services.pauses = m_wiring.pauses;
    services.prompter = m_wiring.prompter;
    services.soundFolder = m_wiring.soundFolder;
    services.seedAtStart = randomSeedFromEnvironment();
    // Where the learning view drew each card: the run's page places.
    LearningView* shown = m_wiring.view;
    services.cardBounds = [shown](int index) -> std::optional<RectD> {
        const DrawnCards& cards = shown->composer().cards();
        if (!cards.wasDrawn(index))
            return std::nullopt;
        return cards.bounds(index);
    };
    m_run = std::make_unique<ExerciseRun>(*m_wiring.document, *m_wiring.settings, services, *this);

    LearningView* view = m_wiring.view;
    m_clock = new QTimer(this);
    m_clock->setInterval(kTickMs);
    connect(m_clock, &QTimer::timeout, this, [this] { m_run->clockTick(); });
    m_status = new StatusPanel;
    m_status->hide();
    m_strip = new InstructionStrip(view);
    m_strip->hide();
    m_frame = new TargetFrame(view);
    m_result = new ResultWindow(m_wiring.window);
    view->installEventFilter(this);

    ElementInput& in = *m_input;
    in.pressed = [this](int element, QPoint area) {
        m_run->press(element, m_run->page().toPage(QPointF(area)));
    };
    in.moved = [this](QPoint area) { m_run->move(m_run->page().toPage(QPointF(area))); };
    in.released = [this] { later([this] { m_run->release(); }); };
    in.key = [this](int element, int key, const QString& text) {
        return this->key(element, key, text);
    };
    in.focusLost = [this](int) {
        if (m_run->carrying())
            m_run->putBack();
    };
    in.typed = [this](int element, const QString& text) {
        m_run->setTypedText(element, text);
        moveOnWhenFilled(element);
    };
    in.clicked = [this](int element) { later([this, element] { m_run->click(element); }); };

    connect(m_result, &ResultWindow::repeatRequested, this,
            [this](int mode) { later([this, mode] { m_run->repeat(mode); }); });
    connect(m_result, &ResultWindow::closeRequested, this,
            [this] { later([this] { m_run->closeResult(); }); });
    connect(m_result, &ResultWindow::enterBestListRequested, this, [this] {
        m_run->enterInBestList();
        m_result->showResult(m_run->result());
    });
    connect(m_result, &ResultWindow::protocolRequested, this, [this] {
        if (showProtocol)
            showProtocol();
    });
    connect(m_result, &ResultWindow::bestListRequested, this, [this] {
        if (showBestList)
            showBestList();
    });
}

ExerciseController::~ExerciseController()
{
    if (m_wiring.view)
        m_wiring.view->removeEventFilter(this);
    delete m_result;
    delete m_status;
}

QWidget* ExerciseController::elementWidget(int element) const
{
    if (element < 0 || element >= int(m_widgets.size()))
        return nullptr;
    return m_widgets[size_t(element)].data();
}

void ExerciseController::later(std::function<void()> action)
{
    // Judging, ending the run and starting the next one may remove the
    // widget whose event handler asked for it: they wait until it returned.
    QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
}

// --- commands ------------------------------------------------------------------------

void ExerciseController::startIndividual(bool askOptions)
{
    if (m_run->isActive()) {
        m_wiring.prompter->information(QStringLiteral(
            "Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um "
            "die aktuelle Übung vorzeitig abzubrechen."));
        return;
    }
    m_run->setAreaSize(m_wiring.view->size());
    m_run->start(askOptions && m_wiring.settings->ShowOptionsDialog, 0, ExerciseKind::Individual);
}

void ExerciseController::cancel()
{
    m_run->leave(true);
}

// --- what the run asks ---------------------------------------------------------------

bool ExerciseController::objectEditorOpen() const
{
    return m_wiring.objectEditorOpen && m_wiring.objectEditorOpen();
}

bool ExerciseController::chooseOptions(int dokTyp)
{
    return !m_wiring.chooseOptions || m_wiring.chooseOptions(dokTyp);
}

std::optional<QString> ExerciseController::askParticipantName()
{
    if (askName)
        return askName();
    NameDialog dialog(m_wiring.window);
    if (runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

void ExerciseController::protocolReady()
{
    if (writeProtocol)
        writeProtocol();
}

bool ExerciseController::enterInBestList()
{
    return enterBestList && enterBestList();
}

// The content types' parts of a run.
void ExerciseController::placePairsForRun()
{
    velunto::placePairsForRun(*m_wiring.document, randomSource());
}

void ExerciseController::rebuildAfterRun()
{
    m_wiring.document->rebuildContent();
}

std::vector<int> ExerciseController::answerOrder(bool random)
{
    return mcAnswerPermutation(*m_wiring.document, random, randomSource());
}

int ExerciseController::basketAt(QPointF page) const
{
    return basketAtPage(*m_wiring.document, page);
}

std::optional<RectD> ExerciseController::basketBounds(int basket) const
{
    return velunto::basketBounds(*m_wiring.document, basket);
}

// --- what the run shows --------------------------------------------------------------

void ExerciseController::exerciseStarted()
{
    LearningView& view = *m_wiring.view;
    view.setTool(Tool::Pointer);
    view.setZoomIndex(0);
    view.setSurroundColour(kAreaColour);
    // The room first: entering the exercise mode composes the page, once and
    // at its size beside the elements; pageChanged need not compose it again.
    view.setPageRoom(QRect(0, 0, m_run->pageEnd(), view.height()));
    m_pageComposed = view.session().mode() != AppMode::Exercise;
    view.session().setMode(AppMode::Exercise);
    if (m_wiring.setMode)
        m_wiring.setMode(AppMode::Exercise);
    placeStrip();
    m_strip->show();
    const QString noBestList = bestListUnavailable ? bestListUnavailable() : QString();
    m_result->setBestListAvailable(enterBestList && noBestList.isEmpty(), noBestList);
    m_result->setProtocolAvailable(bool(showProtocol));
    if (!m_clock->isActive())
        m_clock->start();
    Q_EMIT runningChanged(true);
}

void ExerciseController::exerciseLeft()
{
    m_clock->stop();
    m_strip->hide();
    m_frame->hide();
    LearningView& view = *m_wiring.view;
    view.session().setMode(AppMode::LearningView);
    view.session().setExerciseTarget(-1);
    view.session().setAnswerPlaces({});
    view.session().setCurrentQuestion(1);
    view.setPageRoom(QRect());
    view.setSurroundColour(kViewSurround);
    view.setTool(Tool::Pointer);
    view.setZoomIndex(0);
    view.number(view.numberingMode(), false);
    view.redraw();
    if (m_wiring.setMode)
        m_wiring.setMode(AppMode::LearningView);
    Q_EMIT runningChanged(false);
}

void ExerciseController::elementsCreated()
{
    for (QPointer<QWidget>& w : m_widgets) {
        if (w) {
            w->hide();
            w->deleteLater();
        }
    }
    m_widgets.clear();
    m_raisedZ.clear();
    const std::vector<Element>& elements = m_run->elements();
    QWidget* area = m_wiring.view;
    for (size_t k = 0; k < elements.size(); ++k) {
        const int kind = elements[k].kind;
        QWidget* w = nullptr;
        if (kind == ElementKind::TextBox)
            w = new ElementTextBox(int(k), *m_input, area);
        else if (kind == ElementKind::CheckButton)
            w = new ElementButton(int(k), *m_input, area);
        else
            w = new ElementPanel(int(k), *m_input, area);
        m_widgets.emplace_back(w);
        // Made in the order of the run's elements: already stacked by z.
        m_raisedZ.push_back(elements[k].z);
    }
    m_tabOrder.clear();
    for (size_t k = 0; k < elements.size(); ++k)
        elementChanged(int(k));
    orderTabs();
    raiseOverlays();
    if (!m_tabOrder.empty())
        focusNext(-1);
}

void ExerciseController::orderTabs()
{
    // Tab walks the elements in the order of the OrderTable; the tick boxes of
    // a multiple-choice question, whose answers stand in a shuffled order, as
    // they stand on the page, top to bottom; the rest by their objects.
    const std::vector<Element>& elements = m_run->elements();
    std::vector<size_t> order(elements.size());
    for (size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    const auto rank = [&](size_t k) {
        const Element& e = elements[k];
        if (e.entry >= 0)
            return std::tuple(0, e.entry, 0);
        if (e.kind == ElementKind::AnswerBox)
            return std::tuple(1, e.rect.top(), e.rect.left());
        return std::tuple(2, e.object, 0);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return rank(a) < rank(b); });
    if (order == m_tabOrder || order.size() != m_widgets.size())
        return;
    for (size_t k = 1; k < order.size(); ++k) {
        if (m_widgets[order[k - 1]] && m_widgets[order[k]])
            QWidget::setTabOrder(m_widgets[order[k - 1]], m_widgets[order[k]]);
    }
    m_tabOrder = std::move(order);
}

void ExerciseController::focusNext(int after)
{
    const auto from = std::find(m_tabOrder.begin(), m_tabOrder.end(), size_t(after));
    const size_t start = from == m_tabOrder.end() ? 0 : size_t(from - m_tabOrder.begin()) + 1;
    for (size_t step = 0; step < m_tabOrder.size(); ++step) {
        const size_t k = m_tabOrder[(start + step) % m_tabOrder.size()];
        QWidget* w = m_widgets[k];
        if (w && int(k) != after && m_run->elements()[k].takesPart()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void ExerciseController::moveOnWhenFilled(int element)
{
    const std::vector<Element>& elements = m_run->elements();
    if (element < 0 || element >= int(elements.size()))
        return;
    const Document& doc = *m_wiring.document;
    const int object = elements[size_t(element)].object;
    const ContentType* type = contentRegistry().find(doc.header.DokTyp, doc.header.DokUnterTyp);
    if (type == nullptr || !type->nextTypedField || !doc.isValidIndex(object))
        return;
    const QString& typed = elements[size_t(element)].typed;
    if (typed.isEmpty() || typed.size() < doc.objects[object].Text.trimmed().size())
        return;
    const int previous = m_lastFilled;
    m_lastFilled = object;
    const int next = type->nextTypedField(doc, object, previous);
    for (size_t k = 0; k < elements.size(); ++k) {
        if (next >= 0 && elements[k].object == next && elements[k].kind == ElementKind::TextBox &&
            elements[k].takesPart() && m_widgets[k]) {
            m_widgets[k]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void ExerciseController::elementChanged(int element)
{
    if (element < 0 || element >= int(m_widgets.size()) || !m_widgets[size_t(element)])
        return;
    const Element& e = m_run->elements()[size_t(element)];
    QWidget* w = m_widgets[size_t(element)];
    if (auto* panel = qobject_cast<ElementPanel*>(w)) {
        const Document& doc = *m_wiring.document;
        const QImage picture =
            e.picture && doc.isValidIndex(e.object) ? doc.objects[e.object].Bild : QImage();
        panel->show(e, picture);
    } else if (auto* box = qobject_cast<ElementTextBox*>(w)) {
        box->show(e, m_wiring.document->fontName(), e.textHeight);
    } else if (auto* button = qobject_cast<ElementButton*>(w)) {
        button->show(e);
    }
    // A tick box placed for a new question takes its place in the Tab order.
    if (e.kind == ElementKind::AnswerBox && e.takesPart() && !m_tabOrder.empty())
        orderTabs();
    // A card that leaves while it has the focus hands it to the next one.
    if (!e.takesPart() && m_wiring.view->focusWidget() == w)
        focusNext(element);
    if (e.z > m_raisedZ[size_t(element)]) {
        m_raisedZ[size_t(element)] = e.z;
        w->raise();
        raiseOverlays();
    }
}

void ExerciseController::raiseOverlays()
{
    m_strip->raise();
}

void ExerciseController::objectChanged(int index)
{
    m_wiring.view->redrawObject(index);
}

void ExerciseController::pageChanged()
{
    LearningView& view = *m_wiring.view;
    const QRect room(0, 0, m_run->pageEnd(), view.height());
    const bool moved = room != view.pageRoom();
    view.setPageRoom(room);
    placeStrip();
    Session& session = view.session();
    session.setExerciseTarget(m_run->markedTarget());
    // A question run shows its current question, its answers where the
    // answer order put them.
    session.setCurrentQuestion(m_run->currentQuestion());
    session.setAnswerPlaces(m_run->answerPlaces());
    if (moved || !std::exchange(m_pageComposed, false))
        view.redraw();
    // The answers of a new question take the focus that the last one left.
    const QWidget* focused = view.focusWidget();
    const auto it = std::find_if(m_widgets.begin(), m_widgets.end(),
                                 [&](const QPointer<QWidget>& w) { return w.data() == focused; });
    if (it == m_widgets.end() || !m_run->elements()[size_t(it - m_widgets.begin())].takesPart())
        focusNext(-1);
}

void ExerciseController::instructionChanged()
{
    m_strip->setInstruction(m_run->instruction());
}

void ExerciseController::feedbackChanged()
{
    m_strip->setFeedback(m_run->feedback(), m_wiring.settings->feedback);
}

void ExerciseController::statusChanged()
{
    m_status->showFigures(m_run->status());
}

void ExerciseController::highlightChanged()
{
    const QRect frame = m_run->highlight();
    if (frame.isEmpty()) {
        m_frame->hide();
        return;
    }
    m_frame->setGeometry(frame);
    m_frame->show();
    m_frame->raise();
    // The dragged card stays above its frame.
    int top = -1;
    for (size_t k = 0; k < m_run->elements().size(); ++k)
        if (top < 0 || m_run->elements()[k].z > m_run->elements()[size_t(top)].z)
            top = int(k);
    if (QWidget* w = elementWidget(top))
        w->raise();
    raiseOverlays();
}

void ExerciseController::showResult()
{
    m_result->showResult(m_run->result());
}

void ExerciseController::hideResult()
{
    m_result->hide();
}

// --- keys ----------------------------------------------------------------------------

bool ExerciseController::key(int element, int key, const QString& text)
{
    ExerciseRun& run = *m_run;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (run.carrying()) {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            later([this] { m_run->dropCarried(); });
            return true;
        case Qt::Key_Escape:
            run.putBack();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            run.chooseNextTarget(-1);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            run.chooseNextTarget(+1);
            return true;
        case Qt::Key_Space:
            return true;
        default:
            if (text.size() == 1 && text.at(0).isLetterOrNumber()) {
                run.typeTargetLabel(text.at(0));
                return true;
            }
            return false;
        }
    }
    if (key != Qt::Key_Space && !enter)
        return false;
    if (element < 0 || element >= int(run.elements().size()))
        return false;
    // The answers of a single question are chosen, not carried: Space or
    // Enter chooses the focused one as a click does.
    if (run.elements()[size_t(element)].kind == ElementKind::Card &&
        m_wiring.document->header.DokTyp != DokTyp::Questions)
        return run.takeCard(element);
    // Space ticks a multiple-choice answer; Enter on it confirms the
    // question's answer as its check button does.
    if (enter && run.elements()[size_t(element)].kind == ElementKind::AnswerBox) {
        const auto& all = run.elements();
        const auto check = std::find_if(all.begin(), all.end(), [](const Element& e) {
            return e.kind == ElementKind::CheckButton && e.takesPart();
        });
        if (check != all.end())
            element = int(check - all.begin());
    }
    later([this, element] { m_run->click(element); });
    return true;
}

// --- layout --------------------------------------------------------------------------

void ExerciseController::placeStrip()
{
    const LearningView& view = *m_wiring.view;
    const int left = m_run->pageEnd() + 1;
    m_strip->setGeometry(left, 0, std::max(1, view.width() - left), view.height());
}

bool ExerciseController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_wiring.view && event->type() == QEvent::Resize && m_run->isActive()) {
        m_run->setAreaSize(m_wiring.view->size());
        placeStrip();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velunto
