// The preview batch for a folder of 100 documents with full-HD photos:
// wall time on the worker threads against the sum of the times of the same
// previews made one after another on one core.

#include "benchsupport.h"

#include "document/documentfile.h"
#include "document/objectkinds.h"
#include "library/folderbatch.h"
#include "library/previews.h"
#include "library/topiclist.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThreadPool>

using namespace velunto;

namespace {

constexpr int kDocuments = 100;

struct Fixture
{
    QTemporaryDir dir;
    QStringList files;
    QString target;
    PreviewSettings settings;

    Fixture()
    {
        Document doc;
        doc.baseImage = bench::photoLikePicture(1920, 1080, 4);
        for (int i = 0; i < 12; ++i) {
            ObjDataTyp label;
            label.Typ = i % 3 == 0 ? ObjectKind::FixedLabel : ObjectKind::QueryLabel;
            label.Text = QStringLiteral("Beschriftung %1").arg(i);
            label.Sx = 0.1 + 0.07 * i;
            label.Sy = 0.2 + 0.05 * i;
            label.Kx = label.Sx + 0.05;
            label.Ky = label.Sy - 0.05;
            label.Sline = 1;
            doc.objects.push_back(label);
        }
        const QByteArray bytes = serializeDocument(doc).bytes;
        for (int i = 0; i < kDocuments; ++i) {
            const QString path =
                dir.filePath(QStringLiteral("dokument%1.vlt").arg(i, 3, 10, QChar(u'0')));
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
        }
        files = documentFiles(dir.path());
        target = previewFolder(dir.path());
        ensurePreviewFolder(target);
        settings.height = 200;
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_PreviewsOneAfterAnother(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        for (const QString& path : f.files) {
            if (makeDocumentPreview(path, f.target, f.settings).kind != BatchOutcome::Kind::Done)
                state.SkipWithError("preview failed");
        }
    }
}

void BM_PreviewBatch(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        FolderBatch batch(f.files, previewTask(f.target, f.settings));
        batch.start();
        batch.wait();
        if (batch.finishedCount() != kDocuments)
            state.SkipWithError("batch incomplete");
    }
    state.counters["threads"] = QThreadPool::globalInstance()->maxThreadCount();
}

BENCHMARK(BM_PreviewsOneAfterAnother)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_PreviewBatch)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

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
    // On two cores the batch should take little more than half the time.
    reporter.printRatio("BM_PreviewBatch/iterations:1/repeats:3/real_time",
                        "BM_PreviewsOneAfterAnother/iterations:1/repeats:3/real_time", 0.6);
    benchmark::Shutdown();
    return 0;
}
