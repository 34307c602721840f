// Building the topic list of a folder of 1,000 documents (listing, reading
// every summary, sorting) against reading the first 4 KiB of each file; and
// showing the topic menu page of those 1,000 against that of 60 documents.

#include "benchsupport.h"

#include "document/documentfile.h"
#include "library/topiclist.h"
#include "library/topicnavigation.h"
#include "library/ui/topicmenu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace velunto;

namespace {

constexpr int kDocuments = 1000;

struct Fixture
{
    QTemporaryDir dir;
    QStringList files;

    Fixture()
    {
        // Documents with a small photo each, larger than 4 KiB, titled in no
        // particular order and named in mixed case.
        Document doc;
        doc.baseImage = bench::photoLikePicture(160, 120, 3);
        for (int i = 0; i < kDocuments; ++i) {
            doc.header.Titel = QStringLiteral("Thema %1 – Übersicht").arg((i * 7919) % kDocuments);
            const QString name = QStringLiteral("%1Dokument-%2.vlt")
                                     .arg(i % 2 ? QStringLiteral("") : QStringLiteral("ä"))
                                     .arg((i * 104729) % 100000);
            const QString path = dir.filePath(name);
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(serializeDocument(doc).bytes);
            files << path;
        }
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_ReadFirst4KiB(benchmark::State& state)
{
    std::vector<QByteArray> paths;
    for (const QString& path : fixture().files)
        paths.push_back(QFile::encodeName(path));
    char buffer[4096];
    for (auto _ : state) {
        for (const QByteArray& path : paths) {
            const int fd = ::open(path.constData(), O_RDONLY);
            benchmark::DoNotOptimize(::read(fd, buffer, sizeof buffer));
            ::close(fd);
        }
    }
}

void BM_BuildTopicList(benchmark::State& state)
{
    const QString folder = fixture().dir.path();
    for (auto _ : state) {
        const TopicList list = buildTopicList(folder);
        if (int(list.size()) != kDocuments)
            state.SkipWithError("not every document listed");
    }
}

// Showing the page of the menu and laying it out as opening it does.
void showMenuPage(benchmark::State& state, const TopicList& list)
{
    QMenu menu;
    menu.addAction(QStringLiteral("&Startseite"));
    TopicMenu topics(&menu);
    TopicNavigation navigation;
    navigation.setList(list, list.empty() ? QString() : list[list.size() / 2].path);
    for (auto _ : state) {
        topics.show(navigation);
        menu.ensurePolished();
        benchmark::DoNotOptimize(menu.sizeHint());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void BM_TopicMenu60(benchmark::State& state)
{
    const TopicList all = buildTopicList(fixture().dir.path());
    showMenuPage(state, TopicList(all.begin(), all.begin() + 60));
}

void BM_TopicMenu1000(benchmark::State& state)
{
    showMenuPage(state, buildTopicList(fixture().dir.path()));
}

BENCHMARK(BM_ReadFirst4KiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildTopicList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TopicMenu60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TopicMenu1000)->Unit(benchmark::kMillisecond);

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
    reporter.printRatio("BM_BuildTopicList", "BM_ReadFirst4KiB", 2.0);
    // A page of 60 entries costs the same whatever the size of the folder.
    reporter.printRatio("BM_TopicMenu1000", "BM_TopicMenu60", 1.2);
    benchmark::Shutdown();
    return 0;
}
