#pragma once

#include "document/records.h"

#include <QRect>

namespace velunto {

struct DrawContext;

// How a query field looks during an exercise run, by the state the run
// wrote into Abdeckung:
// -5 open: the covered box with its number (grey unless it is the marked
//    target while a run asks single positions);
// -2 a green tick, -3 a red cross, -4 a grey "X" over the field.
// Returns false for the states that show the card itself (0 and the
// learning view's -1, drawn by the card's own rules).
bool drawExerciseState(DrawContext& context, int index, const QRect& card, int questionMarkShrink);

} // namespace velunto
