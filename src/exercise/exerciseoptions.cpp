#include "exercise/exerciseoptions.h"

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

int inRange(int value, int lo, int hi, int fallback)
{
    return value >= lo && value <= hi ? value : fallback;
}

void takeTime(ExerciseOptions& o, const TimeLimitSetting& time)
{
    o.TimeMode = inRange(time.TimeMode, 0, 2, TimeMode::Clock);
    const int minutes = inRange(time.minutes, 0, 59, 0);
    const int seconds = inRange(time.seconds, 0, 59, 0);
    o.TimeLimitSeconds = minutes * 60 + seconds;
}

} // namespace

GradingScale checkedGrading(const GradingScale& grading)
{
    GradingScale g = grading;
    g.GradingScaleKind = inRange(g.GradingScaleKind, 0, 4, 0);
    for (double& t : g.GradeThreshold)
        if (!std::isfinite(t))
            t = 0.0;
    for (double& t : g.PointsThreshold)
        if (!std::isfinite(t))
            t = 0.0;
    g.GradeThreshold.front() = 1.0;
    g.GradeThreshold.back() = 0.0;
    g.PointsThreshold.front() = 0.0;
    g.PointsThreshold.back() = 1.0;
    return g;
}

ExerciseOptions snapshotOptions(const Settings& settings, int dokTyp)
{
    ExerciseOptions o;
    switch (dokTyp) {
    case DokTyp::Questions:
    case DokTyp::MultipleChoice: {
        const QuestionExerciseOptions& q = settings.questionOptions;
        o.QueryMode = QueryMode::Free;
        o.OnCorrect = 0;
        o.OnWrong = inRange(q.OnWrong, 0, 1, 0);
        o.CardOrder = inRange(q.CardOrder, 0, 1, 1);
        o.PositionOrder = inRange(q.PositionOrder, 0, 1, 1);
        takeTime(o, q.time);
        break;
    }
    case DokTyp::Cluster:
        o.QueryMode = inRange(settings.clusterOptions.QueryMode, 0, 1, 0);
        o.OnCorrect = 0;
        o.OnWrong = 0;
        o.CardOrder = 1;
        o.PositionOrder = 2;
        takeTime(o, settings.clusterOptions.time);
        break;
    case DokTyp::CrossAssign:
        // Its options are not kept between runs: the dialog's defaults.
        o.QueryMode = QueryMode::Free;
        o.OnCorrect = 0;
        o.OnWrong = 0;
        o.CardOrder = 1;
        o.PositionOrder = 2;
        takeTime(o, TimeLimitSetting{});
        break;
    default: {
        const GeneralExerciseOptions& g = settings.generalOptions;
        o.QueryMode = inRange(g.QueryMode, 0, 3, QueryMode::Free);
        o.OnCorrect = inRange(g.OnCorrect, 0, 1, 0);
        o.OnWrong = inRange(g.OnWrong, 0, 1, 0);
        o.CardOrder = inRange(g.CardOrder, 0, 1, 1);
        o.PositionOrder = inRange(g.PositionOrder, 0, 2, 1);
        o.ShowAnswerLength = g.ShowAnswerLength;
        takeTime(o, g.time);
        break;
    }
    }
    o.FeedbackAtEnd = 0;
    o.grading = checkedGrading(settings.grading);
    return o;
}

void applySeriesItem(ExerciseOptions& o, int dokTyp, const SeriesItemOptions& item)
{
    const bool cards = dokTyp == DokTyp::Free || dokTyp == DokTyp::Cloze ||
                       dokTyp == DokTyp::Cluster || dokTyp == DokTyp::Crossword;
    const int maxMode = dokTyp == DokTyp::Cluster ? 1 : 3;
    o.QueryMode = cards ? inRange(item.queryMode, 0, maxMode, 0) : 0;
    if (dokTyp == DokTyp::Cluster || dokTyp == DokTyp::CrossAssign) {
        o.OnCorrect = 0;
        o.OnWrong = 0;
    } else {
        static const int kFeedback[3][2] = {{0, 0}, {0, 1}, {2, 2}};
        const int mode = inRange(item.exerciseMode, 0, 2, 0);
        o.OnCorrect = kFeedback[mode][0];
        o.OnWrong = kFeedback[mode][1];
        o.CardOrder = 0;
        o.PositionOrder = 1;
    }
    const bool limit = item.timeLimitMinutes > 0;
    o.TimeMode = limit ? TimeMode::Limit : TimeMode::Clock;
    o.TimeLimitSeconds = limit ? std::min(item.timeLimitMinutes, 24 * 60) * 60 : 0;
}

} // namespace velunto
