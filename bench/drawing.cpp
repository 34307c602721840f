// Drawing on the board at 1920 x 1080: one pen segment with the repaint of
// what it changed, and the undo of a whole stroke, each against one
// full-frame QPainter::drawImage of the same size.

#include "benchsupport.h"

#include "view/drawing/drawingtools.h"

#include <QGuiApplication>

#include <cmath>

using namespace velunto;

namespace {

const QSize kFrame(1920, 1080);

QImage page()
{
    return bench::photoLikePicture(kFrame.width(), kFrame.height())
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// What the page control does with a change: it copies the changed part of
// the shown picture to the screen.
void repaint(QImage& screen, const QImage& shown, const QRegion& changed)
{
    if (changed.isEmpty())
        return;
    QPainter p(&screen);
    for (const QRect& r : changed)
        p.drawImage(r.topLeft(), shown, r);
}

// A wavy stroke across the picture, one point per pen event.
QPointF strokePoint(int i)
{
    return QPointF(100 + (i * 7) % 1700, 540 + 300 * std::sin(i / 40.0));
}

void BM_FullFrameDrawImage(benchmark::State& state)
{
    QImage screen(kFrame, QImage::Format_ARGB32_Premultiplied);
    const QImage source = page();
    for (auto _ : state) {
        QPainter p(&screen);
        p.drawImage(0, 0, source);
        p.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

// One pen event in the middle of a stroke at the largest stroke size.
void BM_PenSegment(benchmark::State& state)
{
    DrawingSurface surface;
    DrawingTools tools(surface);
    const QImage picture = page();
    tools.setControl(kFrame, {0, 0});
    tools.showPictures(picture, picture);
    tools.setStrokeSize(int(state.range(0)));
    tools.setDrawColour(int(state.range(1)));
    tools.selectTool(Tool::Pen);
    QImage screen(kFrame, QImage::Format_ARGB32_Premultiplied);
    int i = 0;
    tools.press(strokePoint(i));
    for (auto _ : state) {
        const DrawingChange change = tools.move(strokePoint(++i), true);
        repaint(screen, surface.shown(), change.picture);
        benchmark::DoNotOptimize(screen.constBits());
    }
    tools.release(strokePoint(i));
}

// Undo of a stroke of 250 pen events, with the repaint.
void BM_UndoStroke(benchmark::State& state)
{
    DrawingSurface surface;
    DrawingTools tools(surface);
    const QImage picture = page();
    tools.setControl(kFrame, {0, 0});
    tools.showPictures(picture, picture);
    tools.setStrokeSize(4);
    tools.selectTool(Tool::Pen);
    QImage screen(kFrame, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        tools.press(strokePoint(0));
        for (int i = 1; i < 250; ++i)
            tools.move(strokePoint(i), true);
        tools.release(strokePoint(249));
        state.ResumeTiming();
        repaint(screen, surface.shown(), tools.undo());
        benchmark::DoNotOptimize(screen.constBits());
    }
}

BENCHMARK(BM_FullFrameDrawImage)->Unit(benchmark::kMicrosecond);
// Opaque red and the red highlighter at sizes 1 and 4.
BENCHMARK(BM_PenSegment)->Args({1, 21})->Args({4, 21})->Args({4, 11})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoStroke)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<char*> args = bench::argumentsForRatios(argc, argv);
    int count = int(args.size()) - 1;
    benchmark::Initialize(&count, args.data());
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* pen : {"BM_PenSegment/1/21", "BM_PenSegment/4/21", "BM_PenSegment/4/11"})
        reporter.printRatio(pen, "BM_FullFrameDrawImage", 0.5);
    reporter.printRatio("BM_UndoStroke", "BM_FullFrameDrawImage", 2.0);
    benchmark::Shutdown();
    return 0;
}
