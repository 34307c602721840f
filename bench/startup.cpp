// Time from starting Velunto on the sample topic folder until its first page
// is painted, against the same measure for a program that shows an empty
// QMainWindow. Both run as separate processes on one virtual X display
// (Xvfb), so the ratio is what a user feels at start beyond Qt's own start.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

// Quits the program after the first paint of the watched widget.
class QuitAfterPaint : public QObject
{
  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

  private:
    bool m_done = false;
};

int runEmptyWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    QuitAfterPaint quitter;
    window.installEventFilter(&quitter);
    window.showMaximized();
    return QApplication::exec();
}

// A virtual display for the whole run and the environment of the programs.
struct Display
{
    QProcess server;
    QTemporaryDir home;
    QProcessEnvironment environment;
    QString error;

    Display()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            error = QStringLiteral("Xvfb is not installed");
            return;
        }
        server.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-ac")});
        if (!server.waitForStarted(10000) || !server.waitForReadyRead(10000)) {
            error = QStringLiteral("Xvfb did not start");
            return;
        }
        const QString number = QString::fromLatin1(server.readLine()).trimmed();
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + number);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("c")));
        environment.insert(QStringLiteral("VELUNTO_DATA_DIR"), home.filePath(QStringLiteral("d")));
        environment.insert(QStringLiteral("VELUNTO_QUIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    }
    ~Display()
    {
        server.terminate();
        server.waitForFinished(5000);
    }
};

Display& display()
{
    static Display d;
    return d;
}

// Seconds from starting program until it ended after its first paint; a
// negative value when it failed.
double runUntilFirstPaint(const Display& d, const QString& program, const QStringList& arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setProcessEnvironment(d.environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1.0;
    return double(timer.nsecsElapsed()) / 1e9;
}

// The two programs run alternately, so that a change of the machine's load
// during the run touches both alike.
void BM_StartupToFirstPage(benchmark::State& state)
{
    const Display& d = display();
    if (!d.error.isEmpty()) {
        state.SkipWithError(d.error.toStdString().c_str());
        return;
    }
    std::vector<double> empty;
    std::vector<double> velunto;
    for (auto _ : state) {
        empty.push_back(runUntilFirstPaint(d, QCoreApplication::applicationFilePath(),
                                           {QStringLiteral("--empty-window")}));
        velunto.push_back(
            runUntilFirstPaint(d, QStringLiteral(VELUNTO_PROGRAM),
                               {QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele")}));
        if (empty.back() < 0 || velunto.back() < 0) {
            state.SkipWithError("a program did not end after its first paint");
            return;
        }
        state.SetIterationTime(velunto.back());
    }
    const auto mean = [](const std::vector<double>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
    };
    // The median of the ratios of the pairs that ran one after the other.
    std::vector<double> ratios;
    for (size_t i = 0; i < velunto.size(); ++i)
        ratios.push_back(velunto[i] / empty[i]);
    std::sort(ratios.begin(), ratios.end());
    const double median = ratios[ratios.size() / 2];
    state.counters["empty_window_ms"] = mean(empty) * 1000.0;
    state.counters["velunto_ms"] = mean(velunto) * 1000.0;
    state.counters["ratio"] = median;
    std::printf("start-up to the first page: %.2f x an empty QMainWindow (median of %zu pairs; "
                "means %.0f ms and %.0f ms; goal <= 2)\n",
                median, ratios.size(), mean(velunto) * 1000.0, mean(empty) * 1000.0);
}

BENCHMARK(BM_StartupToFirstPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--empty-window") == 0)
        return runEmptyWindow(argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
