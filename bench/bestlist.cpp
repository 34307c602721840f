// Opening a best list of 100,000 results in its window (reading the file
// under its lock, sorting, building the grid and painting it) against
// reading the file's bytes.

#include "benchsupport.h"

#include "exercise/bestlist.h"
#include "exercise/ui/bestlistwindow.h"
#include "print/ui/printing.h"
#include "platform/prompter.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace velunto;

namespace {

constexpr int kRecords = 100000;

struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("klasse.hsc"));

    Fixture()
    {
        // Names with umlauts, results in no order, many ties.
        QByteArray bytes = bestListHeader();
        const BestListFields fields = BestListFields::fromList(kBestListFieldList);
        for (int i = 0; i < kRecords; ++i) {
            const QDateTime start(QDate(2024, 3, 5).addDays(i / 1000),
                                  QTime::fromMSecsSinceStartOfDay((i % 1000) * 60000), Qt::UTC);
            const BestListDataTyp r =
                resultRecord(QStringLiteral("Schüler %1").arg((i * 7919) % kRecords),
                             QStringLiteral("RAUM-12-PC-%1").arg(i % 30), start,
                             60000 + int((qint64(i) * 104729) % 240000), ((i * 31) % 1000) / 1000.0);
            bytes += encodeBestListRecord(r, fields);
        }
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_ReadFileBytes(benchmark::State& state)
{
    for (auto _ : state) {
        QFile f(fixture().path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}

void BM_OpenBestListWindow(benchmark::State& state)
{
    ScriptedPrompter prompter;
    PdfPrinting printing{QString()};
    for (auto _ : state) {
        BestListToShow list =
            prepareBestList(BestListScope::Individual, fixture().path, false, [](int) {});
        if (int(list.list.size()) != kRecords)
            state.SkipWithError("not every record read");
        BestListWindow window(list.title, std::move(list.list), QString(), prompter, printing);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

void BM_ReadOnly(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readBestList(fixture().path, BestListScope::Individual, [](int) {}));
}

// Reading and the whole order, as export and printing need it.
void BM_ReadSortAll(benchmark::State& state)
{
    for (auto _ : state) {
        auto r = readBestList(fixture().path, BestListScope::Individual, [](int) {});
        r.list.sort();
        benchmark::DoNotOptimize(r.list.record(r.list.size() - 1));
    }
}

// The window alone, its list read and sorted beforehand.
void BM_WindowOfSortedList(benchmark::State& state)
{
    ScriptedPrompter prompter;
    PdfPrinting printing{QString()};
    const BestListToShow list =
        prepareBestList(BestListScope::Individual, fixture().path, false, [](int) {});
    for (auto _ : state) {
        BestListWindow window(list.title, list.list, QString(), prompter, printing);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

void BM_EmptyWindow(benchmark::State& state)
{
    ScriptedPrompter prompter;
    PdfPrinting printing{QString()};
    for (auto _ : state) {
        BestListWindow window(QString(), {}, QString(), prompter, printing);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}

BENCHMARK(BM_EmptyWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowOfSortedList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSortAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBestListWindow)->Unit(benchmark::kMillisecond);

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
    reporter.printRatio("BM_OpenBestListWindow", "BM_ReadFileBytes", 30.0);
    benchmark::Shutdown();
    return 0;
}
