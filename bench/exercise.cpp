// The exercise run: one step of dragging a card over the page (the move and
// the repaint of what changed) against one full-frame QPainter::drawImage,
// and StartExercise on a full-HD page with 150 objects against one full
// compose of that page.

#include "benchsupport.h"

#include "common/random.h"
#include "document/document.h"
#include "document/objectkinds.h"
#include "exercise/exerciserun.h"
#include "exercise/ui/exercisecontroller.h"
#include "platform/clock.h"
#include "platform/pause.h"
#include "platform/prompter.h"
#include "platform/soundplayer.h"
#include "shell/settings.h"
#include "view/numbering.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/ui/learningview.h"

#include <QApplication>

#include <memory>

using namespace velunto;

namespace {

const QSize kFrame(1920, 1080);

// 150 objects on a full-HD photo, a third of them query labels and pictures.
std::unique_ptr<Document> sampleDocument()
{
    auto doc = std::make_unique<Document>();
    doc->baseImage = bench::photoLikePicture(kFrame.width(), kFrame.height());
    derivePageGeometry(doc->header, doc->baseImage.size());
    const QImage card = bench::drawingLikePicture(400, 300);
    using namespace ObjectKind;
    const int kinds[] = {QueryLabel, QueryLabel, QueryLabel, QueryLabel, QueryLabel,
                         FixedLabel, FixedLabel, FixedLabel, FixedLabel, QueryImage,
                         QueryImage, FixedImage, ImageLink,  InfoPoint,  ExternalLink};
    for (int i = 0; i < 150; ++i) {
        const int kind = kinds[i % 15];
        const int index = doc->newObject(kind, {0, 0, 1, 1}, 1, i % 3 == 0, 0);
        ObjDataTyp& o = doc->objects[index];
        o.Sx = 0.05 + 0.9 * ((i * 37) % 100) / 100.0;
        o.Sy = 0.05 + 0.9 * ((i * 61) % 100) / 100.0;
        o.Kx = std::min(0.95, o.Sx + 0.04);
        o.Ky = o.Sy;
        o.Text = QStringLiteral("Beschriftung %1").arg(i);
        o.HDeck = (i % 4) * 30;
        if (isPictureKind(kind)) {
            o.Bild = card;
            o.Fsize = 20;
        }
        o.Abdeckung = -1;
    }
    return doc;
}

struct NoPauses : Pauses
{
    void pause(int) override {}
};

void BM_FullFrameDrawImage(benchmark::State& state)
{
    QImage target(kFrame, QImage::Format_ARGB32_Premultiplied);
    const QImage source = bench::photoLikePicture(kFrame.width(), kFrame.height())
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        p.drawImage(0, 0, source);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

// A card dragged a few pixels over the page: the run moves it and looks for
// the target under it, the window repaints what the card uncovered and
// covered.
void BM_DragStep(benchmark::State& state)
{
    auto doc = sampleDocument();
    Settings settings;
    settings.options.AskParticipantName = false;
    ScriptedPrompter prompter;
    SilentSoundPlayer sound;
    NoPauses pauses;
    SteadyClock clock;
    Session session;
    LearningView view(*doc, session, prompter);
    view.resize(kFrame);
    view.show();
    view.documentLoaded();
    ExerciseController::Wiring wiring;
    wiring.document = doc.get();
    wiring.settings = &settings;
    wiring.view = &view;
    wiring.prompter = &prompter;
    wiring.clock = &clock;
    wiring.pauses = &pauses;
    wiring.sound = &sound;
    ExerciseController controller(wiring);
    controller.startIndividual();
    QApplication::processEvents();
    ExerciseRun& run = controller.run();
    const int card = 0;
    const QPoint start = run.elements()[card].rect.center();
    run.press(card, run.page().toPage(QPointF(start)));
    // Over the middle of the page, back and forth.
    const QPointF a = run.page().toArea(QPointF(0.45, 0.5));
    const QPointF b = run.page().toArea(QPointF(0.46, 0.51));
    // Counts what the window paints, to be sure every step is painted.
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    view.installEventFilter(&counter);
    bool odd = false;
    for (auto _ : state) {
        run.move(run.page().toPage(odd ? a : b));
        odd = !odd;
        // The window paints what changed: the card's old and new place and
        // the frame around the target.
        QApplication::processEvents();
    }
    view.removeEventFilter(&counter);
    state.counters["page paints per step"] =
        benchmark::Counter(double(counter.paints) / double(state.iterations()));
}

void BM_FullCompose(benchmark::State& state)
{
    auto doc = sampleDocument();
    Session session;
    ViewState view{session};
    view.setViewport(kFrame);
    PageComposer composer(*doc, view);
    RandomSource random(1);
    numberObjects(*doc, view, NumberingMode::Ordered, random);
    composer.redraw();
    for (auto _ : state) {
        composer.redraw();
        benchmark::DoNotOptimize(composer.page().constBits());
    }
}

// StartExercise as the window runs it: the run with its elements, the
// element widgets and the page composed for the exercise.
void BM_StartExercise(benchmark::State& state)
{
    auto doc = sampleDocument();
    Settings settings;
    settings.options.AskParticipantName = false;
    ScriptedPrompter prompter;
    SilentSoundPlayer sound;
    NoPauses pauses;
    SteadyClock clock;
    Session session;
    LearningView view(*doc, session, prompter);
    view.resize(kFrame);
    view.show();
    view.documentLoaded();
    ExerciseController::Wiring wiring;
    wiring.document = doc.get();
    wiring.settings = &settings;
    wiring.view = &view;
    wiring.prompter = &prompter;
    wiring.clock = &clock;
    wiring.pauses = &pauses;
    wiring.sound = &sound;
    ExerciseController controller(wiring);
    for (auto _ : state) {
        controller.startIndividual();
        state.PauseTiming();
        if (!controller.run().isActive())
            state.SkipWithError("the exercise did not start");
        controller.run().leave(false);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_FullFrameDrawImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullCompose)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartExercise)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<char*> args = bench::argumentsForRatios(argc, argv);
    int count = int(args.size()) - 1;
    benchmark::Initialize(&count, args.data());
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_DragStep", "BM_FullFrameDrawImage", 1.0);
    reporter.printRatio("BM_StartExercise", "BM_FullCompose", 3.0);
    benchmark::Shutdown();
    return 0;
}
