#pragma once

namespace velunto {

// The main window's application mode.
enum class AppMode : int { LearningView = 2, Exercise = 3, Puzzle = 4 };

// Which panels beside the page are shown in a mode.
struct PanelVisibility
{
    bool title = false;          // title line of the open document
    bool exerciseStatus = false; // status of a running exercise
    bool seriesStatus = false;   // status of a running exercise series
    bool puzzleStatus = false;   // clock and counter of the sliding puzzle
};

inline PanelVisibility panelsFor(AppMode mode, bool showStatusPanel, bool seriesRunning)
{
    PanelVisibility v;
    v.title = mode == AppMode::LearningView;
    v.exerciseStatus = mode == AppMode::Exercise && showStatusPanel;
    v.seriesStatus = mode == AppMode::Exercise && seriesRunning;
    v.puzzleStatus = mode == AppMode::Puzzle && showStatusPanel;
    return v;
}

} // namespace velunto
