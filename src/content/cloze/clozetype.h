#pragma once

#include "content/contentregistry.h"

namespace velunto {

// The cloze (DokTyp 1) in every sub-type: the flowing text with and without
// wrong words, the C-test and the table cloze. One entry serves them all;
// the builder and the painters look at DokUnterTyp themselves.
ContentType clozeContentType();

} // namespace velunto
