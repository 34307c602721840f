#pragma once

#include "shell/settings.h"

namespace velunto {

namespace QueryMode {
enum : int { Free = 0, SingleCards = 1, SinglePositions = 2, TextEntry = 3 };
}

namespace TimeMode {
enum : int { Clock = 0, Limit = 1, NoClock = 2 };
}

// OnCorrect: 0 show the label, 1 green tick, 2 no feedback.
// OnWrong: 0 unlimited attempts, 1 red cross and no new attempt at that
// position, 2 no feedback and no new attempt; for questions 0 ask again
// until right, 1 ask once, 2 ask once without feedback.
// CardOrder: 0 alphabetical (multiple-choice answers: as authored), 1 random.
// PositionOrder: 0 ordered numbers, 1 random numbers, 2 question marks; for
// questions 0 ordered, 1 random.
struct ExerciseOptions
{
    int QueryMode = QueryMode::Free;
    int TimeMode = TimeMode::Clock;
    int TimeLimitSeconds = 180;
    int OnCorrect = 0;
    int OnWrong = 0;
    int CardOrder = 1;
    int PositionOrder = 1;
    int FeedbackAtEnd = 0; // always 0: feedback follows every action
    bool ShowAnswerLength = false;
    GradingScale grading;
};

// The settings of one exercise series item that override the options of a
// series part.
struct SeriesItemOptions
{
    int queryMode = 0;        // for DokTyp 0, 1, 4, 6
    int exerciseMode = 0;     // "Übungsmodus": 0, 1 or 2
    int timeLimitMinutes = 0; // 0: no limit
};

// The snapshot a run takes at its start from the option settings of the
// document type. Every choice is checked against its range here, where it is
// read: a value from a damaged settings file or package falls back to the
// default of its dialog.
ExerciseOptions snapshotOptions(const Settings& settings, int dokTyp);

// The overrides of a series part (applied after snapshotOptions).
void applySeriesItem(ExerciseOptions& options, int dokTyp, const SeriesItemOptions& item);

// A grading scale with its kind and thresholds made safe to compute with:
// a kind outside 0..4 becomes 0, the fixed entries are set, and thresholds
// that are not numbers count as 0.
GradingScale checkedGrading(const GradingScale& grading);

} // namespace velunto
