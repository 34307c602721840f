// Building a long cloze text (2,000 words, 200 gaps) on a full-HD page with
// create, against one full compose of that page, which lays the text out
// and draws it with its gap cards.

#include "benchsupport.h"

#include "common/random.h"
#include "content/cloze/clozecontent.h"
#include "document/document.h"
#include "view/numbering.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <QGuiApplication>

#include <memory>

using namespace velunto;

namespace {

const QSize kFrame(1920, 1080);
constexpr int kWords = 2000;
constexpr int kGapEvery = 10;

const char* const kWordList[] = {
    "Die",        "Sonne",  "geht",    "im",     "Osten",  "auf,",    "im",         "Süden",
    "nimmt",      "sie",    "ihren",   "Lauf,",  "im",     "Westen",  "will",       "sie",
    "untergehn,", "im",     "Norden",  "ist",    "sie",    "nie",     "zu",         "sehn.",
    "Haus",       "Wasser", "Fahrrad", "Schule", "lernen", "Aufgabe", "Lückentext", "Baum",
};

QString clozeText()
{
    QString text;
    const int listSize = static_cast<int>(std::size(kWordList));
    for (int i = 0; i < kWords; ++i) {
        const QString word = QString::fromUtf8(kWordList[(i * 7) % listSize]);
        if (i % kGapEvery == kGapEvery - 1)
            text += QStringLiteral("<<") + word + u'|' + word.toUpper() + QStringLiteral(">>");
        else
            text += word;
        text += (i % 100 == 99) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return text;
}

std::unique_ptr<Document> clozeDocument()
{
    auto doc = std::make_unique<Document>();
    doc->baseImage = Document::blankPicture();
    doc->baseImage = doc->baseImage.scaled(kFrame);
    derivePageGeometry(doc->header, doc->baseImage.size());
    startClozeDocument(*doc, ClozeSubType::Flowing);
    doc->header.lueckentext = clozeText();
    return doc;
}

// The registered builder with create on the full-HD page: the fit on the
// layout page, then the gap cards made anew.
void BM_ClozeCreate(benchmark::State& state)
{
    auto doc = clozeDocument();
    for (auto _ : state) {
        doc->rebuildContent(true);
        benchmark::DoNotOptimize(doc->objects.data());
    }
    state.counters["gaps"] = doc->objectCount();
}

// A full compose of the same page through the registered painters: the text
// fitted and drawn, its gap cards drawn on top.
void BM_ClozeFullCompose(benchmark::State& state)
{
    auto doc = clozeDocument();
    Session session;
    ViewState view{session};
    view.setViewport(kFrame);
    PageComposer composer(*doc, view);
    doc->rebuildContent(true);
    RandomSource random(1);
    view.orderList = numberObjects(*doc, view, NumberingMode::Ordered, random);
    for (ObjDataTyp& o : doc->objects)
        o.Abdeckung = &o - doc->objects.data() < 100 ? 0 : -1;
    for (auto _ : state) {
        composer.redraw();
        benchmark::DoNotOptimize(composer.page().constBits());
    }
}

BENCHMARK(BM_ClozeCreate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClozeFullCompose)->Unit(benchmark::kMillisecond);

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
    reporter.printRatio("BM_ClozeCreate", "BM_ClozeFullCompose", 2.0);
    benchmark::Shutdown();
    return 0;
}
