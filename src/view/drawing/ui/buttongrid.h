#pragma once

#include <vector>

class QToolBar;
class QToolButton;

namespace velunto {

// Adds buttons to a toolbar at the side of the window two to a row, so that
// a long row of tools still fits the height of a small window. A button
// with a picture shows only its picture (its hint names it); the others
// show their text.
void addButtonGrid(QToolBar* toolbar, const std::vector<QToolButton*>& buttons);

} // namespace velunto
