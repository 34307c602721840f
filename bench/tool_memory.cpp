// Peak memory of "velunto-tool dump" on a document with a 4000 x 3000 photo
// as base image, against the limit 2.5 x its RGBA bytes + 40 MB (decimal
// megabytes, 160 MB).

#include "benchsupport.h"

#include "document/documentfile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>

extern char** environ;

using namespace velunto;

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kMB = 1e6;

// Runs the tool with standard output to /dev/null; returns its peak
// resident size in bytes, or -1.
long long peakOfDump(const QString& document)
{
    const QByteArray path = QFile::encodeName(document);
    char* const args[] = {const_cast<char*>(VELUNTO_TOOL), const_cast<char*>("dump"),
                          const_cast<char*>(path.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, VELUNTO_TOOL, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<long long>(usage.ru_maxrss) * 1024; // ru_maxrss is in KiB
}

void BM_DumpPeakMemory(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("gross.vlt"));
    {
        Document doc;
        doc.baseImage = bench::photoLikePicture(kWidth, kHeight);
        if (!saveDocument(doc, file).ok) {
            state.SkipWithError("cannot write the document");
            return;
        }
    }
    long long peak = 0;
    for (auto _ : state) {
        peak = peakOfDump(file);
        if (peak < 0) {
            state.SkipWithError("velunto-tool dump failed");
            return;
        }
    }
    const double rgba = double(kWidth) * kHeight * 4;
    const double limit = 2.5 * rgba + 40 * kMB;
    state.counters["file_MB"] = double(QFile(file).size()) / kMB;
    state.counters["peak_MB"] = double(peak) / kMB;
    state.counters["limit_MB"] = limit / kMB;
    std::printf("velunto-tool dump, %dx%d base image: peak %.1f MB, limit %.1f MB (%s)\n", kWidth,
                kHeight, double(peak) / kMB, limit / kMB, double(peak) <= limit ? "met" : "MISSED");
}

BENCHMARK(BM_DumpPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
