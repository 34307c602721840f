// Time from starting Velunto on the sample topic folder until its first page
// is painted, against the same measure for a program that shows an empty
// QMainWindow. Both run as separate processes on one virtual X display
// (Xvfb), so the ratio is what a user feels at start beyond Qt's own start.

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>

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

void runUntilFirstPaint(benchmark::State& state, const QString& program,
                        const QStringList& arguments)
{
    Display& d = display();
    if (!d.error.isEmpty()) {
        state.SkipWithError(d.error.toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(d.environment);
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not end after its first paint");
            return;
        }
    }
}

void BM_EmptyMainWindowBaseline(benchmark::State& state)
{
    runUntilFirstPaint(state, QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--empty-window")});
}

void BM_VeluntoOnSampleFolder(benchmark::State& state)
{
    runUntilFirstPaint(state, QStringLiteral(VELUNTO_PROGRAM),
                       {QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele")});
}

BENCHMARK(BM_EmptyMainWindowBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);
BENCHMARK(BM_VeluntoOnSampleFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);

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
        const double baseline = m_times["BM_EmptyMainWindowBaseline/iterations:15/real_time"];
        const double velunto = m_times["BM_VeluntoOnSampleFolder/iterations:15/real_time"];
        if (baseline > 0 && velunto > 0)
            std::printf("start-up to the first page: %.2f x an empty QMainWindow (goal <= 2)\n",
                        velunto / baseline);
    }

  private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--empty-window") == 0)
        return runEmptyWindow(argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
