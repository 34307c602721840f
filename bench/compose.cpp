// The learning view's page: a full compose and the repaint of one uncovered
// field, each against one full-frame QPainter::drawImage of the same size,
// on a screen at 100 % and on one scaled to 200 % (the argument), where the
// page has four times the pixels.

#include "benchsupport.h"

#include "common/random.h"
#include "document/document.h"
#include "document/objectkinds.h"
#include "view/covering.h"
#include "view/numbering.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <QGuiApplication>

#include <memory>
#include <string>
#include <vector>

using namespace velunto;

namespace {

const QSize kFrame(1920, 1080);

// 150 objects on a full-HD photo: query and fixed labels, query and fixed
// pictures, picture links and points, spread over the page.
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
        o.Abdeckung = i % 2 == 0 ? -1 : 0;
    }
    return doc;
}

struct Page
{
    std::unique_ptr<Document> doc = sampleDocument();
    Session session;
    ViewState view{session};
    PageComposer composer{*doc, view};

    explicit Page(int ratio = 1)
    {
        view.setViewport(kFrame);
        view.setDevicePixelRatio(ratio);
        RandomSource random(1);
        numberObjects(*doc, view, NumberingMode::Ordered, random);
        composer.redraw();
    }
};

void BM_FullFrameDrawImage(benchmark::State& state)
{
    const QSize frame = kFrame * int(state.range(0));
    QImage target(frame, QImage::Format_ARGB32_Premultiplied);
    const QImage source = bench::photoLikePicture(frame.width(), frame.height())
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        p.drawImage(0, 0, source);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

// Redraw with the scaled BaseImage and pictures cached, as after a change
// of layers, numbering or objects.
void BM_FullCompose(benchmark::State& state)
{
    Page page(int(state.range(0)));
    for (auto _ : state) {
        page.composer.redraw();
        benchmark::DoNotOptimize(page.composer.page().constBits());
    }
}

// The first compose of a document: the BaseImage and every picture scaled.
void BM_FirstCompose(benchmark::State& state)
{
    auto doc = sampleDocument();
    for (auto _ : state) {
        Session session;
        ViewState view{session};
        view.setViewport(kFrame);
        view.setDevicePixelRatio(int(state.range(0)));
        PageComposer composer(*doc, view);
        composer.redraw();
        benchmark::DoNotOptimize(composer.page().constBits());
    }
}

// Uncovering (and covering again) one field.
void BM_UncoverOneField(benchmark::State& state)
{
    Page page(int(state.range(0)));
    const int field = 10; // a covered query label in the middle of others
    for (auto _ : state) {
        toggleCover(*page.doc, field);
        benchmark::DoNotOptimize(page.composer.page().constBits());
    }
}

// Switching to 200 % and back: the pictures are scaled once per size.
void BM_Zoom200AndBack(benchmark::State& state)
{
    Page page;
    for (auto _ : state) {
        page.view.setZoomIndex(4);
        page.composer.redraw();
        page.view.setZoomIndex(0);
        page.composer.redraw();
    }
}

BENCHMARK(BM_FullFrameDrawImage)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullCompose)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstCompose)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UncoverOneField)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zoom200AndBack)->Unit(benchmark::kMillisecond);

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
    for (const std::string ratio : {"/1", "/2"}) {
        reporter.printRatio("BM_FullCompose" + ratio, "BM_FullFrameDrawImage" + ratio, 10.0);
        reporter.printRatio("BM_UncoverOneField" + ratio, "BM_FullFrameDrawImage" + ratio, 1.0);
    }
    benchmark::Shutdown();
    return 0;
}
