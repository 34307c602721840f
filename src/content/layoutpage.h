#pragma once

#include "document/records.h"

#include <QSize>

namespace velunto {

class Document;

// The page on which the content builders place their objects: the page's
// proportions at a width of 1000 units. The objects keep page fractions, so
// the result does not depend on the window; the width only sets how finely
// the layout's pixel roundings fall.
QSize layoutPageSize(const Document& document);

// The indent margins (EinrueckRand) as the layouts use them: each side
// finite and between 0 and 0.45, so that a damaged file still leaves room.
RectD usableIndent(const RectD& indent);

} // namespace velunto
