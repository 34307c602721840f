#pragma once

#include "shell/settings.h"

#include <QString>

#include <array>
#include <optional>
#include <variant>

namespace velunto {

// The entries of the grading scale dialog: percentages as text with a
// decimal comma ("85,0"), grade rows 1..6 and points rows 0..15. The last
// grade row and the 0-points row are fixed at 0.
struct GradingScaleEntries
{
    int kind = 0;
    std::array<QString, 7> grades;  // index 1..6 used
    std::array<QString, 16> points; // index 0..15

    static GradingScaleEntries from(const GradingScale& scale);
};

// The percentage an entry holds; "85,5" and "85.5" both read. nullopt for
// anything else (such an entry counts as out of range).
std::optional<double> entryPercent(const QString& text);

// "OK": checks the grade rows 1..5, then the points rows from 15 (12 on the
// 0-to-12 scale) down to 1, and stops at the first failure with its message.
// An entry that is no number fails at its own row.
// On success the new scale: thresholds = entries / 100.
std::variant<GradingScale, QString> gradingScaleFromEntries(const GradingScaleEntries& entries);

// The label of grade row 1..6 for a scale kind ("Note 1 - sehr gut"; on the
// 1-to-5-best scale the first five rows count down from "Note 5 - sehr gut").
QString gradeRowLabel(int kind, int row);
// "empfohlen: 85" ... for grade row 1..6 and points row 0..15.
int recommendedGradePercent(int row);
int recommendedPointsPercent(int points);
// The scale kinds' items in the group "Verwendete Skala zur Bewertung".
QStringList gradingScaleKindItems();

} // namespace velunto
