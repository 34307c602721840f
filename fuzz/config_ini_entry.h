#pragma once

// What the fuzzer checks for one "config.ini", shared with the test that
// replays its seed corpus.

#include "platform/inifile.h"
#include "shell/centralconfig.h"
#include "shell/settings.h"

#include <QByteArrayView>
#include <QString>

#include <cmath>

namespace velunto::fuzzing {

// Applies bytes as the central configuration over the defaults. Besides not
// crashing, every value that indexes a table or is a fraction must stay in
// its range. Returns the rule that broke, empty when all held.
inline QString checkCentralConfig(QByteArrayView bytes)
{
    Settings s;
    applyCentralDefaults(s, IniFile::parse(bytes));
    if (s.ToolbarSide < 0 || s.ToolbarSide > 1)
        return QStringLiteral("the toolbar side is out of range");
    if (s.grading.GradingScaleKind < 0 || s.grading.GradingScaleKind > 4)
        return QStringLiteral("the grading scale kind is out of range");
    for (const double t : s.grading.GradeThreshold)
        if (!(t >= 0.0 && t <= 1.0))
            return QStringLiteral("a grade threshold is not a fraction");
    for (const double t : s.grading.PointsThreshold)
        if (!(t >= 0.0 && t <= 1.0))
            return QStringLiteral("a points threshold is not a fraction");
    if (!std::isfinite(s.worksheetScale) || s.worksheetScale <= 0.0)
        return QStringLiteral("the worksheet scale is not usable");
    if (s.network.method != 0 && s.network.method != 1)
        return QStringLiteral("the channel method is neither 0 nor 1");
    if (s.network.port < 1 || s.network.port > 65535)
        return QStringLiteral("the channel port is out of range");
    return {};
}

} // namespace velunto::fuzzing
