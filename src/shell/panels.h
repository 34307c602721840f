#pragma once

#include "view/viewstate.h"

namespace velunto {

// Which panels beside the page are shown in an application mode.
struct PanelVisibility
{
    bool title = false;          // title line of the open document
    bool exerciseStatus = false; // status of a running exercise
    bool seriesStatus = false;   // status of a running exercise series
    bool puzzleStatus = false;   // clock and counter of the sliding puzzle
};

inline PanelVisibility panelsFor(int mode, bool showStatusPanel, bool seriesRunning)
{
    PanelVisibility v;
    v.title = mode == AppMode::LearningView;
    v.exerciseStatus = mode == AppMode::Exercise && showStatusPanel;
    v.seriesStatus = mode == AppMode::Exercise && seriesRunning;
    v.puzzleStatus = mode == AppMode::SlidingPuzzle && showStatusPanel;
    return v;
}

} // namespace velunto
