#pragma once

#include "content/contentregistry.h"

namespace velunto {

// "Über-Kreuz-Zuordnung" (DokTyp 5): the builder of the elements, their
// painter with the pair lines, and the right-hand elements an exercise asks.
ContentType pairContentType();

} // namespace velunto
