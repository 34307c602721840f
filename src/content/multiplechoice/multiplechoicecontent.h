#pragma once

#include "content/contentregistry.h"

namespace velunto {

// "Multiple-Choice-Fragen" (DokTyp 3): the builder of the page objects from
// the question objects, the painters of kinds 12..17 and 20..29, the
// questions an exercise asks and the page that shows one question at a time.
ContentType multipleChoiceContentType();

} // namespace velunto
