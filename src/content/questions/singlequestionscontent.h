#pragma once

#include "content/contentregistry.h"

namespace velunto {

// "Einzelfragen" (DokTyp 2): the builder of the question objects from
// fragentext, the painters of kinds 10..17, the answers an exercise asks and
// the page that shows one question at a time.
ContentType singleQuestionsContentType();

// The painters of the navigation buttons and the question caption (kinds
// 12..17), which single and multiple-choice questions share.
std::map<int, KindPainterFn> questionNavigationPainters();

} // namespace velunto
