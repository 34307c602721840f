#pragma once

// Pictures to measure with, and the printing of ratios between benchmarks of
// the same run.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace velunto::bench {

// Smooth colour fields with a little noise on top: compresses like a photo.
inline QImage photoLikePicture(int width, int height, unsigned seed = 1)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-6, 6);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double v = double(y) / height;
            const int r = int(128 + 90 * std::sin(6.0 * u + 2.0 * v));
            const int g = int(120 + 80 * std::cos(4.0 * v - 3.0 * u));
            const int b = int(110 + 70 * std::sin(5.0 * (u + v)));
            line[x] =
                qRgb(std::clamp(r + noise(random), 0, 255), std::clamp(g + noise(random), 0, 255),
                     std::clamp(b + noise(random), 0, 255));
        }
    }
    return image;
}

// Flat colours, frames, lines and round shapes on white, as on a board or
// in a diagram.
inline QImage drawingLikePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> px(0, width), py(0, height), c(0, 255), w(1, 8);
    for (int i = 0; i < 60; ++i) {
        p.setPen(QPen(QColor(c(random), c(random), c(random)), w(random)));
        p.setBrush(i % 3 == 0 ? QBrush(QColor(c(random), c(random), c(random))) : Qt::NoBrush);
        const QRect r = QRect(QPoint(px(random), py(random)), QPoint(px(random), py(random)));
        if (i % 2 == 0)
            p.drawRect(r.normalized());
        else
            p.drawEllipse(r.normalized());
        p.drawLine(px(random), py(random), px(random), py(random));
    }
    return image;
}

// The command line with defaults that make ratios steady on a busy machine:
// repeated runs, interleaved at random so that a change of load hits
// measurement and baseline alike, reported as their median. Flags given on
// the command line come after the defaults and win.
inline std::vector<char*> argumentsForRatios(int argc, char** argv)
{
    static char repetitions[] = "--benchmark_repetitions=9";
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    std::vector<char*> args{argv[0], repetitions, interleave, aggregates};
    args.insert(args.end(), argv + 1, argv + argc);
    args.push_back(nullptr);
    return args;
}

// Remembers the real and CPU time of every benchmark (the median when the
// run repeats them) so that ratios can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter
{
  public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.str();
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && !m_fromMedian.count(name))) {
                m_real[name] = run.GetAdjustedRealTime();
                m_cpu[name] = run.GetAdjustedCPUTime();
                if (median)
                    m_fromMedian.insert(name);
            }
        }
    }

    // Prints measured / baseline in real and in CPU time, with the goal for
    // the real time.
    void printRatio(const std::string& measured, const std::string& baseline, double goal) const
    {
        if (!m_real.count(measured) || !m_real.count(baseline) || m_real.at(baseline) <= 0)
            return;
        const double real = m_real.at(measured) / m_real.at(baseline);
        const double cpu = m_cpu.at(measured) / m_cpu.at(baseline);
        std::printf("%s / %s = %.3f real, %.3f CPU (goal <= %.2f%s)\n", measured.c_str(),
                    baseline.c_str(), real, cpu, goal, real <= goal ? "" : ", missed");
    }

  private:
    std::map<std::string, double> m_real;
    std::map<std::string, double> m_cpu;
    std::set<std::string> m_fromMedian;
};

} // namespace velunto::bench
