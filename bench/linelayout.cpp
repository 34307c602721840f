// Lays out a long cloze text (2,000 words, 200 gaps) in cloze mode, measuring
// and drawing, and compares it with drawing the same words at fixed places
// without any layout.

#include "document/linelayout.h"
#include "document/document.h"
#include "document/textcanvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

using namespace velunto;

namespace {

constexpr int kWords = 2000;
constexpr int kGapEvery = 10;
constexpr int kPageWidth = 1740;
constexpr int kPageHeight = 1218;
constexpr int kFontHeight = 14;

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
        else if (i % 97 == 0)
            text += QStringLiteral("<b>") + word + QStringLiteral("</b>");
        else
            text += word;
        text += (i % 100 == 99) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return text;
}

LayoutParams clozeParams(Document& doc)
{
    LayoutParams p;
    p.mode = LayoutMode::Cloze;
    p.width = kPageWidth;
    p.height = kPageHeight;
    p.leftX = 60;
    p.rightMargin = 60;
    p.fontName = QStringLiteral("Arial");
    p.fontHeight = kFontHeight;
    p.document = &doc;
    return p;
}

// The fit pass of the cloze layout: measuring only.
void BM_ClozeMeasure(benchmark::State& state)
{
    const QString text = clozeText();
    Document doc;
    const QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        PainterCanvas canvas(&page);
        LayoutParams p = clozeParams(doc);
        p.measureOnly = true;
        doc.gapCursor = 0;
        benchmark::DoNotOptimize(layoutText(canvas, p, text, 0));
    }
    state.counters["us_per_gap"] =
        benchmark::Counter(kWords / kGapEvery, benchmark::Counter::kIsIterationInvariantRate |
                                                   benchmark::Counter::kInvert);
}

// The drawing pass on a redraw: text drawn, existing gap cards moved.
void BM_ClozeDraw(benchmark::State& state)
{
    const QString text = clozeText();
    Document doc;
    {
        const QImage device(1, 1, QImage::Format_RGB32);
        PainterCanvas canvas(&device);
        LayoutParams p = clozeParams(doc);
        p.create = true;
        layoutText(canvas, p, text, 0);
    }
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        PainterCanvas canvas(&painter);
        doc.gapCursor = 0;
        benchmark::DoNotOptimize(layoutText(canvas, clozeParams(doc), text, 0));
    }
    state.counters["gaps"] = doc.objectCount();
    state.counters["us_per_gap"] =
        benchmark::Counter(kWords / kGapEvery, benchmark::Counter::kIsIterationInvariantRate |
                                                   benchmark::Counter::kInvert);
}

// Baseline: the same words drawn one by one at fixed places, no layout.
void BM_DrawWordsBaseline(benchmark::State& state)
{
    QStringList words;
    for (const QString& w : clozeText().split(QRegularExpression(QStringLiteral("\\s+"))))
        words << w;
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(kFontHeight);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.setFont(font);
        int x = 0;
        int y = 20;
        for (const QString& w : words) {
            painter.drawText(x, y, w);
            x += 80;
            if (x > kPageWidth - 100) {
                x = 0;
                y = (y + 20) % kPageHeight;
            }
        }
    }
}

BENCHMARK(BM_ClozeMeasure)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClozeDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawWordsBaseline)->Unit(benchmark::kMillisecond);

// Prints the usual table and then each benchmark's time as a ratio to the
// baseline of the same run.
class RatioReporter : public benchmark::ConsoleReporter
{
  public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double baseline = m_times["BM_DrawWordsBaseline"];
        if (baseline <= 0)
            return;
        for (const auto& [name, time] : m_times)
            std::printf("%-24s %6.2f x baseline\n", name.c_str(), time / baseline);
    }

  private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
