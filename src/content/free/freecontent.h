#pragma once

#include "content/contentregistry.h"

namespace velunto {

// "Freie Text-Bild-/Bild-Text-Zuordnung" (DokTyp 0): the page holds only the
// objects of the object editor, so there is nothing to build.
ContentType freeContentType();

// The query fields an exercise asks on a free page, a cloze and a crossword
// alike: in the query modes 0 to 2, and typed in text entry.
std::vector<int> pageFieldsAsked();
std::vector<int> pageFieldsTypedIn();

} // namespace velunto
