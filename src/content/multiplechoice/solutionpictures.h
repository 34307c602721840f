#pragma once

#include "document/records.h"

namespace velunto {

// The pictures an uncovered answer box shows, 65 x 65 pixels: a green tick
// on white for a right answer, a red dash on white for any other.
const Picture& rightAnswerPicture();
const Picture& wrongAnswerPicture();

} // namespace velunto
