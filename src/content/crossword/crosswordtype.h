#pragma once

#include "content/contentregistry.h"

namespace velunto {

// "Kreuzworträtsel" (DokTyp 6): the builder of the letter boxes, their
// painter, the grid and clues drawn into the page background, and the letter
// boxes as answer fields, typed in as well.
ContentType crosswordContentType();

} // namespace velunto
