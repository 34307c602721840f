#pragma once

#include <QRect>

namespace velunto {

struct DrawContext;

// ClusterBackground: paints the baskets onto the page canvas, after the
// BaseImage and before any object: each basket column in its colour at its
// opacity (SpaltenHtgd), the separator lines when asked for, and while an
// exercise runs a round "?" badge at the top of each basket.
void paintClusterBackground(DrawContext& context);

// The badge radius: rnd(W / 870 x 18 x (1 - rows / 50)).
int clusterBadgeRadius(int pageWidth, int rows);

// The painter of the cluster kinds 40..43. Texts are fitted into their
// card centred; pictures keep their aspect. While an exercise runs a query
// card is shown only once it sits in its basket (Abdeckung 0), so that the
// page never gives an answer away; in the learning view a covered query card
// is a dashed outline that the teacher uncovers with a click.
QRect drawClusterCard(DrawContext& context, int index);

} // namespace velunto
