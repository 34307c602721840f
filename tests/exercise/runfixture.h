#pragma once

// A run on a small document without a window: a clock that only moves when
// told (and during pauses), a silent player that records, a host that
// records, and card bounds the test sets like the view would draw them.

#include "common/random.h"
#include "document/document.h"
#include "exercise/exerciserun.h"
#include "platform/clock.h"
#include "platform/pause.h"
#include "platform/prompter.h"
#include "platform/soundplayer.h"
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace velunto::testing {

struct FakeClock : Clock
{
    qint64 ms = 5000;
    QDateTime start = QDateTime(QDate(2024, 5, 6), QTime(9, 30, 0));
    qint64 milliseconds() const override { return ms; }
    QDateTime now() const override { return start.addMSecs(ms); }
};

struct FakePauses : Pauses
{
    explicit FakePauses(FakeClock& c) : clock(c) {}
    FakeClock& clock;
    std::vector<int> waits;
    void pause(int ms) override
    {
        waits.push_back(ms);
        clock.ms += ms;
    }
};

struct RecordingSound : SoundPlayer
{
    struct Play
    {
        QString file;
        bool wait;
    };
    std::vector<Play> played;
    int stops = 0;
    void play(const QString& file, bool wait) override { played.push_back({file, wait}); }
    void stop() override { ++stops; }
};

struct RecordingNetwork : NetworkReporter
{
    std::vector<QStringList> actions;
    std::vector<std::pair<int, QString>> finishes;
    std::vector<double> results;
    void action(const QStringList& fields) override { actions.push_back(fields); }
    void finished(int reason, const QString& clock) override
    {
        finishes.push_back({reason, clock});
    }
    void result(const QString&, const QDateTime&, qint64, double performance) override
    {
        results.push_back(performance);
    }
};

struct RecordingHost : ExerciseHost
{
    std::optional<QString> name = QStringLiteral("Anna");
    bool editorOpen = false;
    int started = 0;
    int left = 0;
    int resultsShown = 0;
    int resultsHidden = 0;
    int protocols = 0;
    bool bestListWorks = false;
    int bestListEntries = 0;
    std::function<void()> onAskName;

    bool objectEditorOpen() const override { return editorOpen; }
    std::optional<QString> askParticipantName() override
    {
        if (onAskName)
            onAskName();
        return name;
    }
    void exerciseStarted() override { ++started; }
    void exerciseLeft() override { ++left; }
    void protocolReady() override { ++protocols; }
    bool enterInBestList() override
    {
        ++bestListEntries;
        return bestListWorks;
    }
    void showResult() override { ++resultsShown; }
    void hideResult() override { ++resultsHidden; }
};

class RunFixture : public ::testing::Test
{
  public:
    Document doc;
    Settings settings;
    FakeClock clock;
    FakePauses pauses{clock};
    RandomSource random{4711};
    RecordingSound sound;
    ScriptedPrompter prompter;
    RecordingHost host;
    RecordingNetwork network;
    std::map<int, RectD> bounds; // the drawn cards, page fractions
    std::unique_ptr<ExerciseRun> run;

    void SetUp() override
    {
        doc.baseImage = QImage(800, 560, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::white);
        settings.generalOptions.CardOrder = 0;     // alphabetical: a known order
        settings.generalOptions.PositionOrder = 0; // numbered top to bottom
        settings.options.AskParticipantName = false;
    }

    // A query label whose card is drawn around (x, y).
    int label(const QString& text, double x, double y, int kind = ObjectKind::QueryLabel)
    {
        ObjDataTyp o;
        o.Typ = kind;
        o.Ebene = Layer::TextsAndImages;
        o.Text = text;
        o.Kx = o.Sx = x;
        o.Ky = o.Sy = y;
        o.KAusrAktiv = Side::Centre;
        o.Abdeckung = -1;
        o.Nummer = 1;
        doc.objects.push_back(o);
        const int i = doc.objectCount() - 1;
        bounds[i] = {x - 0.05, y - 0.02, x + 0.05, y + 0.02};
        return i;
    }

    ExerciseRun& make()
    {
        ExerciseServices s;
        s.clock = &clock;
        s.random = &random;
        s.sound = &sound;
        s.pauses = &pauses;
        s.prompter = &prompter;
        s.network = &network;
        s.soundFolder = QStringLiteral(VELUNTO_SOURCE_DIR "/data/sound/");
        s.cardBounds = [this](int i) -> std::optional<RectD> {
            const auto it = bounds.find(i);
            return it == bounds.end() ? std::nullopt : std::optional<RectD>(it->second);
        };
        run = std::make_unique<ExerciseRun>(doc, settings, s, host);
        run->setAreaSize(QSize(1000, 700));
        return *run;
    }

    ExerciseRun& started(int repeatMode = 0, int kind = ExerciseKind::Individual)
    {
        if (!run)
            make();
        EXPECT_TRUE(run->start(false, repeatMode, kind))
            << prompter.texts().join(" | ").toStdString();
        return *run;
    }

    // The card element that shows object's text, -1 when none.
    int cardFor(int object) const
    {
        const auto& e = run->elements();
        for (size_t k = 0; k < e.size(); ++k)
            if (e[k].object == object && e[k].takesPart())
                return int(k);
        return -1;
    }

    // Drags element by its middle until the middle of its left edge lies
    // just inside the card of target, then lets go.
    void drop(int element, int target)
    {
        ASSERT_GE(element, 0);
        const Element& e = run->elements()[size_t(element)];
        const PageMapping& m = run->page();
        run->press(element, m.toPage(QPointF(e.rect.center())));
        const RectD& b = bounds.at(target);
        const QPointF leftMiddle = m.toArea(QPointF(b.left, (b.top + b.bottom) / 2));
        const QPointF pointer(leftMiddle.x() + 2 + e.rect.center().x() - e.rect.left(),
                              leftMiddle.y() + e.rect.center().y() - e.rect.top() -
                                  e.rect.height() / 2.0);
        run->move(m.toPage(pointer));
        run->release();
    }

    int state(int object) const { return doc.objects[object].Abdeckung; }
};

} // namespace velunto::testing
