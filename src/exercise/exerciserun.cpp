#include "exercise/exerciserun.h"

#include "common/textformat.h"
#include "document/document.h"
#include "exercise/exercisetexts.h"
#include "exercise/gradingscale.h"
#include "exercise/normalizetext.h"
#include "platform/clock.h"
#include "platform/pause.h"
#include "platform/prompter.h"
#include "platform/soundplayer.h"
#include "shell/settings.h"
#include "view/pagegeometry.h"

#include <QFileInfo>

#include <algorithm>

namespace velunto {

namespace {

constexpr int kMaxNameLength = 30;

int& targetAttempts(ObjDataTyp& o)
{
    return o.exerciseCounters[0]; // FehlversucheZiel
}

int& cardAttempts(ObjDataTyp& o)
{
    return o.exerciseCounters[1]; // FehlversucheKarte
}

bool isCrossKind(int kind)
{
    return kind == ObjectKind::PairQueryText || kind == ObjectKind::PairQueryImage;
}

} // namespace

ExerciseRun::ExerciseRun(Document& document, const Settings& settings, ExerciseServices services,
                         ExerciseHost& host)
    : m_document(document), m_settings(settings), m_services(std::move(services)), m_host(host)
{
}

// --- small things --------------------------------------------------------------------

bool ExerciseRun::isTextEntry() const
{
    const int t = m_document.header.DokTyp;
    return m_r.options.QueryMode == QueryMode::TextEntry &&
           (t == DokTyp::Free || t == DokTyp::Cloze || t == DokTyp::Crossword);
}

bool ExerciseRun::isCardType() const
{
    const int t = m_document.header.DokTyp;
    return t == DokTyp::Free || t == DokTyp::Cloze || t == DokTyp::Cluster ||
           t == DokTyp::Crossword;
}

QString ExerciseRun::comparisonText(int index) const
{
    return velunto::comparisonText(m_document, m_r.keys, index);
}

void ExerciseRun::setObjectState(int index, int state)
{
    if (!m_document.isValidIndex(index))
        return;
    int& cover = m_document.objects[index].Abdeckung;
    if (cover == state)
        return;
    cover = state;
    if (!m_quiet)
        m_host.objectChanged(index);
}

void ExerciseRun::appendProtocolLine(int part, const QString& text, bool timeStamped)
{
    if (timeStamped) {
        const qint64 ms = std::max<qint64>(0, m_services.clock->milliseconds() - m_r.startTick);
        m_r.protocolDetail += clockText(ms / 1000) + QStringLiteral(" - ");
    }
    QString& target = part == 0   ? m_r.protocolHead
                      : part == 2 ? m_r.protocolTeacher
                                  : m_r.protocolDetail;
    target += text + QStringLiteral("\r\n");
}

QStringList ExerciseRun::protocolDetailLines() const
{
    QStringList lines = m_r.protocolDetail.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void ExerciseRun::setJoinedOptions(const ExerciseOptions& options, const QString& name,
                                   const QDateTime& joined)
{
    m_r.joinedOptions = options;
    m_r.joinName = name;
    m_r.joinTime = joined;
}

bool ExerciseRun::confirmCancel()
{
    if (!isUnfinished())
        return true;
    return m_services.prompter->confirm(
        QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?"));
}

// --- start ---------------------------------------------------------------------------

bool ExerciseRun::start(bool showOptionsDialog, int repeatMode, int kind)
{
    Prompter& prompter = *m_services.prompter;
    if (m_r.kind == ExerciseKind::NetworkParticipant && kind != ExerciseKind::NetworkParticipant) {
        prompter.information(QStringLiteral("Die aktuelle Netzwerk-Übung muss zunächst beendet "
                                            "werden, um eine eigene Übung starten zu können."));
        return false;
    }
    if (m_r.kind == ExerciseKind::NetworkInitiator && kind != ExerciseKind::NetworkInitiator) {
        prompter.information(QStringLiteral(
            "Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst beendet werden "
            "muss. Daher kann im Moment keine eigene Übung gestartet werden."));
        return false;
    }
    if (kind == ExerciseKind::SeriesPart && !m_host.loadSeriesPart())
        return false;
    if (!confirmCancel())
        return false;
    if (m_host.objectEditorOpen()) {
        prompter.information(QStringLiteral("Bitte zuerst den Beschriftungseditor schließen."));
        return false;
    }
    if (showOptionsDialog && !m_host.chooseOptions(m_document.header.DokTyp))
        return false;

    // Everything from here on is undone when a step fails.
    const Record saved = m_r;
    const std::vector<ObjDataTyp> savedObjects = m_document.objects;
    const auto savedTable = m_document.header.LueckenTabelle;
    const bool savedModified = m_document.isModified();
    QString failure;
    bool started = false;
    m_quiet = true;
    try {
        started = startSteps(repeatMode == 1 ? 1 : 0, kind);
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
        started = false;
    }
    m_quiet = false;
    if (!started) {
        m_r = saved;
        m_document.objects = savedObjects;
        m_document.header.LueckenTabelle = savedTable;
        m_document.setModified(savedModified);
        if (!failure.isNull())
            prompter.error(QStringLiteral("Fehler aufgetreten (") + failure + QStringLiteral(")"));
        return false;
    }
    commitStart();
    return true;
}

bool ExerciseRun::startSteps(int repeatMode, int kind)
{
    HeaderDataTyp& h = m_document.header;
    const int dokTyp = h.DokTyp;
    m_r.asked = m_services.askedKinds ? m_services.askedKinds(dokTyp, h.DokUnterTyp) : AskedKinds{};

    // The options snapshot; a network participant took it when joining.
    if (kind == ExerciseKind::NetworkParticipant && m_r.joinedOptions)
        m_r.options = *m_r.joinedOptions;
    else
        m_r.options = snapshotOptions(m_settings, dokTyp);
    if (kind == ExerciseKind::SeriesPart && m_r.seriesItem)
        applySeriesItem(m_r.options, dokTyp, *m_r.seriesItem);
    m_r.options.grading = checkedGrading(m_r.options.grading);

    RandomSource& random = *m_services.random;
    if (m_services.seedAtStart)
        random.setSeed(*m_services.seedAtStart);

    // The check button of text entry.
    if (isTextEntry()) {
        const bool hasButton =
            std::any_of(m_document.objects.begin(), m_document.objects.end(),
                        [](const ObjDataTyp& o) { return o.Typ == ObjectKind::McOkButton; });
        if (!hasButton)
            m_r.addedCheckButton = m_document.addGeneratedObject(
                ObjectKind::McOkButton, Layer::TextsAndImages, QStringLiteral("OK"), -1, 100.0,
                100.0, Side::Right, 1);
    }

    // The answer order of multiple choice.
    m_r.answerPlaces.clear();
    if (dokTyp == DokTyp::MultipleChoice)
        m_r.answerPlaces = m_host.answerOrder(m_r.options.CardOrder == 1);
    if (m_r.answerPlaces.size() != size_t(m_document.objectCount())) {
        m_r.answerPlaces.resize(size_t(m_document.objectCount()));
        for (int i = 0; i < m_document.objectCount(); ++i)
            m_r.answerPlaces[size_t(i)] = i;
    }

    // The pairs of a cross assignment are placed afresh for a complete run.
    if (dokTyp == DokTyp::CrossAssign && repeatMode == 0)
        m_host.placePairsForRun();

    markAskedObjects(repeatMode);
    if (dokTyp == DokTyp::Cluster || dokTyp == DokTyp::CrossAssign) {
        for (int i = 0; i < m_document.objectCount(); ++i) {
            const int t = m_document.objects[i].Typ;
            if (t == ObjectKind::QueryLabel || t == ObjectKind::QueryImage)
                setObjectState(i, ExerciseState::Solved);
        }
    }

    const int queries = countOpen(false);
    if (queries < 1) {
        m_services.prompter->information(
            QStringLiteral("Dieses Dokument enthält keine Abfrageobjekte."));
        if (kind != ExerciseKind::SeriesPart)
            return false;
    }

    if (kind != ExerciseKind::SeriesPart)
        m_r.participantName.clear();
    if (kind == ExerciseKind::Individual && m_settings.options.AskParticipantName) {
        const std::optional<QString> name = m_host.askParticipantName();
        if (!name)
            return false;
        m_r.participantName = name->left(kMaxNameLength);
    }

    m_r.queriesInRun = queries;
    m_r.queriesInDocument = repeatMode == 0 ? queries : countOpen(true);
    m_r.distractorCount =
        int(std::count_if(m_document.objects.begin(), m_document.objects.end(),
                          [](const ObjDataTyp& o) { return o.Typ == ObjectKind::DistractorCard; }));

    OrderTableResult table = buildOrderTable(
        m_document, m_r.options, [this](int k) { return m_r.asked.asks(k); }, random);
    m_r.order = std::move(table.entries);
    m_r.keys = std::move(table.keys);

    // Open and number the positions.
    int number = 0;
    for (const OrderTableEntry& e : m_r.order) {
        if (e.positionIndex < 0)
            continue;
        ObjDataTyp& o = m_document.objects[e.positionIndex];
        if (dokTyp == DokTyp::CrossAssign) {
            setObjectState(e.positionIndex, ExerciseState::PairTakesPart);
            if (isCrossKind(o.Typ))
                o.Sline = 0;
        } else {
            setObjectState(e.positionIndex, ExerciseState::Open);
        }
        targetAttempts(o) = 0;
        cardAttempts(o) = 0;
        o.Nummer = m_r.options.PositionOrder == 2 ? 0 : ++number;
    }

    createElements();
    resetFigures(kind);

    appendProtocolLine(1, QStringLiteral("Übung wird gestartet"), true);
    m_r.instruction = instructionText(dokTyp, m_r.options.QueryMode);
    if ((dokTyp == DokTyp::Questions || dokTyp == DokTyp::MultipleChoice) && !m_r.order.empty() &&
        m_r.order.front().positionIndex >= 0)
        m_r.currentQuestion = m_document.objects[m_r.order.front().positionIndex].FrageNummer;
    showFirstItem();
    return true;
}

void ExerciseRun::markAskedObjects(int repeatMode)
{
    HeaderDataTyp& h = m_document.header;
    auto& objects = m_document.objects;
    for (int i = 0; i < m_document.objectCount(); ++i) {
        ObjDataTyp& o = objects[i];
        if (!m_r.asked.asks(o.Typ))
            continue;
        if (repeatMode == 1 && targetAttempts(o) == 0 && cardAttempts(o) == 0) {
            setObjectState(i, ExerciseState::Solved);
        } else {
            setObjectState(i, ExerciseState::Open);
            if (h.DokTyp == DokTyp::CrossAssign && m_document.isValidIndex(o.Partner)) {
                // The partner is opened too; a later partner is marked so
                // that the loop opens it when it gets there.
                setObjectState(o.Partner, ExerciseState::Open);
                if (i < o.Partner)
                    cardAttempts(objects[o.Partner]) += 1;
            }
            if (h.DokTyp == DokTyp::Cluster && o.KorbZeile >= 0 && o.KorbZeile < kTableRows &&
                o.KorbSpalte >= 0 && o.KorbSpalte < kTableColumns)
                h.LueckenTabelle[o.KorbZeile][o.KorbSpalte].ZellBelegt = -1;
        }
        targetAttempts(o) = 0;
        cardAttempts(o) = 0;
    }
    if (isTextEntry()) {
        for (int i = 0; i < m_document.objectCount(); ++i)
            if (!m_r.asked.typesInto(objects[i].Typ))
                setObjectState(i, ExerciseState::Solved);
    }
}

int ExerciseRun::countOpen(bool everyAsked) const
{
    int count = 0;
    for (const ObjDataTyp& o : m_document.objects) {
        if (!m_r.asked.asks(o.Typ))
            continue;
        if (everyAsked || o.Abdeckung == ExerciseState::Open)
            ++count;
    }
    return m_document.header.DokTyp == DokTyp::CrossAssign ? count / 2 : count;
}

void ExerciseRun::resetFigures(int kind)
{
    m_r.protocolHead.clear();
    m_r.protocolDetail.clear();
    m_r.protocolTeacher.clear();
    m_r.kind = kind;
    m_r.correct = m_r.wrong = m_r.successRate = m_r.performance = 0.0;
    m_r.grade = 0;
    m_r.endReason = EndReason::Running;
    m_r.endReported = false;
    if (m_document.header.DokTyp == DokTyp::CrossAssign) {
        m_r.open = int(m_r.order.size()) / 2;
    } else {
        m_r.open = int(
            std::count_if(m_document.objects.begin(), m_document.objects.end(),
                          [](const ObjDataTyp& o) { return o.Abdeckung == ExerciseState::Open; }));
    }
    m_r.startTick = m_services.clock->milliseconds();
    m_r.startTime = kind == ExerciseKind::NetworkParticipant && m_r.joinTime.isValid()
                        ? m_r.joinTime
                        : m_services.clock->now();
    m_r.elapsedMs = 0;
    m_r.remaining = m_r.options.TimeLimitSeconds;
    m_r.currentEntry = 0;
    m_r.markedTarget = -1;
    m_r.enteredInBestList = false;
    m_r.drag = Drag{};
    m_r.carry = Carry{};
    m_r.highlight = QRect();
    m_r.feedback = Feedback{};
    m_r.result = ExerciseResult{};
    m_r.status = StatusFigures{};
    const HeaderDataTyp& h = m_document.header;
    const bool wrongWords =
        h.DokTyp == DokTyp::Cloze && (h.DokUnterTyp == ClozeSubType::FlowingWithWrongWords ||
                                      h.DokUnterTyp == ClozeSubType::CTestWithWrongWords);
    if (wrongWords && m_r.options.QueryMode == QueryMode::SinglePositions) {
        for (size_t k = 0; k < m_r.order.size(); ++k) {
            const int p = m_r.order[k].positionIndex;
            if (p >= 0 && m_document.objects[p].Abdeckung == ExerciseState::Open) {
                m_r.currentEntry = int(k);
                break;
            }
        }
    }
}

void ExerciseRun::showFirstItem()
{
    const int t = m_document.header.DokTyp;
    const bool cards = isCardType() && !isTextEntry();
    if (cards && m_r.options.QueryMode == QueryMode::SingleCards)
        showSingleCard();
    else if (cards && t != DokTyp::Cluster && m_r.options.QueryMode == QueryMode::SinglePositions)
        showSinglePosition();
    else if (isTextEntry() || t == DokTyp::CrossAssign)
        layoutElements();
    else if (t == DokTyp::Questions)
        showQuestion();
    else if (t == DokTyp::MultipleChoice)
        showMcQuestion();
}

void ExerciseRun::commitStart()
{
    m_r.active = true;
    m_host.exerciseStarted();
    m_host.elementsCreated();
    m_host.pageChanged();
    m_host.instructionChanged();
    m_host.feedbackChanged();
    m_host.highlightChanged();
    refreshClock();
    refreshStatus();
    m_r.clockOn = true;
    if (m_r.kind == ExerciseKind::SeriesPart && m_r.open == 0)
        endExercise();
}

// --- items ---------------------------------------------------------------------------

void ExerciseRun::showSingleCard()
{
    if (m_r.order.empty())
        return;
    const int wanted = m_r.order[size_t(m_r.currentEntry)].textIndex;
    int shown = -1;
    for (size_t k = 0; k < m_r.elements.size(); ++k) {
        Element& e = m_r.elements[k];
        if (e.kind != ElementKind::Card || e.removed)
            continue;
        const bool visible = e.object == wanted && shown < 0;
        if (visible)
            shown = int(k);
        if (e.visible != visible) {
            e.visible = visible;
            elementChanged(int(k));
        }
    }
    const QString caption = shown >= 0 ? m_r.elements[size_t(shown)].caption : QString();
    appendProtocolLine(1, singleItemLine(m_document.header.DokTyp, false, normalizeText(caption)),
                       true);
    layoutElements();
}

void ExerciseRun::showSinglePosition()
{
    if (m_r.order.empty())
        return;
    const int target = m_r.order[size_t(m_r.currentEntry)].positionIndex;
    const int before = m_r.markedTarget;
    m_r.markedTarget = target;
    appendProtocolLine(
        1, singleItemLine(m_document.header.DokTyp, true, normalizeText(comparisonText(target))),
        true);
    if (!m_quiet && before != target)
        m_host.pageChanged();
}

void ExerciseRun::nextItem()
{
    if (m_r.open == 0 || m_r.order.empty()) {
        endExercise();
        return;
    }
    const int t = m_document.header.DokTyp;
    const int n = int(m_r.order.size());
    const auto stateOf = [this](int index) {
        return m_document.isValidIndex(index) ? m_document.objects[index].Abdeckung : 0;
    };
    const auto advance = [&](const std::function<bool(const OrderTableEntry&)>& wanted) {
        for (int step = 1; step <= n; ++step) {
            const int e = (m_r.currentEntry + step) % n;
            if (wanted(m_r.order[size_t(e)])) {
                m_r.currentEntry = e;
                return true;
            }
        }
        return false;
    };
    const bool cards = isCardType() && !isTextEntry();
    if (cards && m_r.options.QueryMode == QueryMode::SingleCards) {
        if (!advance([&](const OrderTableEntry& e) {
                return stateOf(e.textIndex) == ExerciseState::Open;
            })) {
            endExercise(); // nothing left that a card could be offered for
            return;
        }
        showSingleCard();
    } else if (cards && t != DokTyp::Cluster &&
               m_r.options.QueryMode == QueryMode::SinglePositions) {
        if (!advance([&](const OrderTableEntry& e) {
                return e.positionIndex >= 0 && stateOf(e.positionIndex) == ExerciseState::Open;
            })) {
            endExercise();
            return;
        }
        showSinglePosition();
        m_host.instructionChanged();
    } else if (t == DokTyp::Questions || t == DokTyp::MultipleChoice) {
        if (!advance([&](const OrderTableEntry& e) {
                return stateOf(e.positionIndex) == ExerciseState::Open;
            })) {
            endExercise();
            return;
        }
        const int p = m_r.order[size_t(m_r.currentEntry)].positionIndex;
        if (m_document.isValidIndex(p))
            m_r.currentQuestion = m_document.objects[p].FrageNummer;
        if (t == DokTyp::Questions)
            showQuestion();
        else
            showMcQuestion();
        m_host.pageChanged();
        m_host.instructionChanged();
    }
}

// --- clock and figures ---------------------------------------------------------------

void ExerciseRun::refreshClock()
{
    m_r.elapsedMs = std::max<qint64>(0, m_services.clock->milliseconds() - m_r.startTick);
    QString text;
    if (m_r.options.TimeMode == TimeMode::Limit) {
        m_r.remaining =
            int(std::max<qint64>(0, m_r.options.TimeLimitSeconds - m_r.elapsedMs / 1000));
        text = clockText(m_r.remaining);
    } else {
        text = clockText(m_r.elapsedMs / 1000);
    }
    if (text != m_r.status.clock) {
        m_r.status.clock = text;
        if (!m_quiet)
            m_host.statusChanged();
    }
}

void ExerciseRun::clockTick()
{
    if (!m_r.active || !m_r.clockOn || m_r.busy)
        return;
    refreshClock();
    if (m_r.options.TimeMode != TimeMode::Limit || m_r.remaining > 0)
        return;

    // The time is up.
    m_r.clockOn = false;
    m_r.busy = true;
    if (m_r.carry.element >= 0)
        m_r.carry = Carry{};
    m_r.drag.element = -1;
    highlightTarget(-1);
    m_r.endReason = EndReason::TimeLimit;
    const QString notice = QStringLiteral("Das Zeitlimit ist erreicht, die Übung wird beendet.");
    appendProtocolLine(1, notice, true);
    // What was typed counts before the end is reported.
    if (isTextEntry())
        evaluateTextEntries();
    refreshStatus();
    reportEndOnce();
    m_services.prompter->information(notice);
    m_r.busy = false;
    endExercise();
}

void ExerciseRun::refreshStatus()
{
    const double c = m_r.correct;
    const double w = m_r.wrong;
    m_r.successRate = c + w > 0.0 ? c / (c + w) : 0.0;
    m_r.performance = c + w + m_r.open > 0.0 ? c / (c + w + m_r.open) : 0.0;

    const int decimals = m_document.header.DokTyp == DokTyp::MultipleChoice ? 2 : 0;
    m_r.figureTexts = {fixedDecimals(c, decimals), fixedDecimals(w, decimals),
                       oneDecimal(m_r.successRate * 100.0) + QStringLiteral(" %"),
                       oneDecimal(m_r.performance * 100.0) + QStringLiteral(" %")};

    StatusFigures& s = m_r.status;
    s.total = QStringLiteral("von  ") + QString::number(m_r.queriesInRun);
    const QString name =
        m_r.kind == ExerciseKind::NetworkParticipant ? m_r.joinName : m_r.participantName;
    s.name = name.trimmed().isEmpty() ? QStringLiteral("-") : name;
    const bool hidden =
        (m_r.options.FeedbackAtEnd == 1 && m_r.open > 0) || m_r.options.OnWrong == 2;
    const QString unknown = QStringLiteral("?");
    s.correct = hidden ? unknown : m_r.figureTexts[0];
    s.wrong = hidden ? unknown : m_r.figureTexts[1];
    s.success = hidden ? unknown : m_r.figureTexts[2];
    s.performance = hidden ? unknown : m_r.figureTexts[3];
    s.clockShown = m_r.options.TimeMode != TimeMode::NoClock;
    s.clockLabel = m_r.options.TimeMode == TimeMode::Limit ? QStringLiteral("Verbleibende Zeit:")
                                                           : QStringLiteral("Benötigte Zeit:");
    if (!m_quiet)
        m_host.statusChanged();
}

void ExerciseRun::pause(int ms)
{
    if (m_services.pauses)
        m_services.pauses->pause(ms);
}

void ExerciseRun::showFeedback(const QString& text, ColorRef colour)
{
    m_r.feedback = Feedback{};
    m_r.feedback.text = text;
    m_r.feedback.colour = colour;
    m_host.feedbackChanged();
}

void ExerciseRun::hideFeedback()
{
    if (m_r.feedback.text.isEmpty() && !m_r.feedback.ticks)
        return;
    m_r.feedback = Feedback{};
    m_host.feedbackChanged();
}

void ExerciseRun::playSound(bool right, bool wait)
{
    SoundPlayer& player = *m_services.sound;
    if (!m_settings.options.SoundOn) {
        player.stop();
        return;
    }
    const QString configured =
        right ? m_settings.feedback.CorrectSoundFile : m_settings.feedback.WrongSoundFile;
    // The extension is always ".wav"; a bare name lies in the sound folder.
    const QFileInfo info(configured);
    QString name = configured.left(configured.size() - info.fileName().size()) +
                   info.completeBaseName() + QStringLiteral(".wav");
    if (info.fileName().startsWith(QLatin1Char('.')))
        name = configured + QStringLiteral(".wav");
    const bool bare =
        !configured.contains(QLatin1Char('/')) && !configured.contains(QLatin1Char('\\'));
    const QString path = bare ? m_services.soundFolder + name : name;
    if (!QFileInfo(path).isFile()) {
        m_services.prompter->error(QStringLiteral("Sounddatei \"") + name +
                                   QStringLiteral("\" nicht gefunden."));
        return;
    }
    player.stop();
    player.play(path, wait);
}

void ExerciseRun::reportEndOnce()
{
    if (m_r.kind != ExerciseKind::NetworkParticipant || m_r.endReported || !m_services.network)
        return;
    m_r.endReported = true;
    m_services.network->finished(m_r.endReason, m_r.status.clock);
    if (m_r.endReason == EndReason::Finished || m_r.endReason == EndReason::TimeLimit) {
        m_services.network->result(m_r.joinName, m_r.startTime, m_r.elapsedMs, m_r.performance);
    }
}

// --- end -----------------------------------------------------------------------------

void ExerciseRun::endExercise()
{
    m_r.clockOn = false;
    if (m_r.endReason == EndReason::Running)
        m_r.endReason = EndReason::Finished;
    m_r.drag.element = -1;
    m_r.carry = Carry{};
    refreshStatus();
    m_r.grade = gradeFromPerformance(m_r.performance, m_r.options.grading);
    reportEndOnce();
    fillResult();
    m_host.protocolReady();

    const bool complete = m_r.queriesInRun == m_r.queriesInDocument;
    if (m_r.kind == ExerciseKind::Individual && complete) {
        if (m_settings.options.AutoBestListEntry && m_host.enterInBestList())
            m_r.enteredInBestList = true;
        m_r.result.bestListOffered = !m_r.enteredInBestList;
        m_r.result.enteredInBestList = m_r.enteredInBestList;
    }
    if (m_r.kind == ExerciseKind::SeriesPart) {
        m_host.seriesPartEnded();
        return;
    }
    if (m_settings.options.ShowResultWindow || m_r.kind == ExerciseKind::NetworkParticipant) {
        m_host.showResult();
        return;
    }
    m_services.prompter->information(QStringLiteral("Die Übung ist beendet."));
    closeAfterEnd();
}

void ExerciseRun::fillResult()
{
    ExerciseResult& r = m_r.result;
    r = ExerciseResult{};
    r.correct = m_r.figureTexts[0] + QStringLiteral("  von  ") + QString::number(m_r.queriesInRun);
    r.wrong = m_r.figureTexts[1];
    r.success = m_r.figureTexts[2];
    r.timeLabel = m_r.options.TimeMode == TimeMode::Limit ? QStringLiteral("Verbliebene Zeit:")
                                                          : QStringLiteral("Benötigte Zeit:");
    r.time = m_r.status.clock;
    r.open = QString::number(m_r.open);
    r.performance = m_r.figureTexts[3];
    r.rating = ratingWord(m_r.grade, m_r.options.grading);
    r.gradeLabel = scaleWord(m_r.options.grading) + QStringLiteral(":");
    r.grade = QString::number(m_r.grade);
    r.performanceValue = m_r.performance;
    r.scale = m_r.options.grading;
    r.partialRepeatOffered = m_r.kind == ExerciseKind::Individual && m_r.wrong > 0.0;
}

void ExerciseRun::enterInBestList()
{
    if (m_r.enteredInBestList || !m_r.result.bestListOffered)
        return;
    if (m_host.enterInBestList()) {
        m_r.enteredInBestList = true;
        m_r.result.enteredInBestList = true;
        m_r.result.bestListOffered = false;
    }
}

void ExerciseRun::repeat(int repeatMode)
{
    if (!m_r.active || m_r.endReason == EndReason::Running)
        return;
    m_host.hideResult();
    if (m_r.kind == ExerciseKind::NetworkParticipant) {
        if (!m_host.rejoinNetwork()) {
            m_services.prompter->information(
                QStringLiteral("Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen."));
            m_host.showResult();
        }
        return;
    }
    const int mode = m_r.result.partialRepeatOffered && repeatMode == 1 ? 1 : 0;
    if (!start(m_settings.ShowOptionsDialog, mode, m_r.kind))
        m_host.showResult();
}

void ExerciseRun::closeResult()
{
    if (!m_r.active || m_r.endReason == EndReason::Running)
        return;
    closeAfterEnd();
}

void ExerciseRun::closeAfterEnd()
{
    m_host.hideResult();
    if (m_r.kind == ExerciseKind::NetworkParticipant)
        m_host.closeNetworkDocument();
    m_r.kind = ExerciseKind::Individual;
    leave(false);
}

bool ExerciseRun::leave(bool ask)
{
    if (ask && !confirmCancel())
        return false;
    if (!m_r.active)
        return true;
    if (m_r.kind == ExerciseKind::NetworkParticipant && m_r.endReason == EndReason::Running) {
        m_r.endReason = EndReason::Cancelled;
        if (m_services.network)
            m_services.network->finished(m_r.endReason, m_r.status.clock);
        m_host.closeNetworkDocument();
    }
    m_r.kind = ExerciseKind::Individual;
    m_r.clockOn = false;
    m_r.elements.clear();
    m_r.drag = Drag{};
    m_r.carry = Carry{};
    m_r.highlight = QRect();
    m_r.markedTarget = -1;
    m_r.feedback = Feedback{};
    m_quiet = true;
    for (int i = 0; i < m_document.objectCount(); ++i) {
        const int state = m_document.objects[i].Abdeckung;
        if (state != ExerciseState::Covered && state != ExerciseState::Solved)
            setObjectState(i, ExerciseState::Solved);
    }
    m_quiet = false;
    // The check button of text entry is never kept.
    const int added = m_r.addedCheckButton;
    if (m_document.isValidIndex(added) && added == m_document.objectCount() - 1 &&
        m_document.objects[added].Typ == ObjectKind::McOkButton)
        m_document.objects.pop_back();
    m_r.addedCheckButton = -1;
    m_r.currentQuestion = 1;
    m_r.active = false;
    if (m_document.header.DokTyp == DokTyp::CrossAssign)
        m_host.rebuildAfterRun();
    m_host.hideResult();
    m_host.elementsCreated();
    m_host.exerciseLeft();
    return true;
}

} // namespace velunto
