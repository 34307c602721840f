#pragma once

#include "content/contentregistry.h"

namespace velunto {

// "Cluster-Übung" (DokTyp 4): the builder of the basket cards, their
// painter, the baskets painted onto the canvas, and the query cards an
// exercise asks.
ContentType clusterContentType();

} // namespace velunto
