#pragma once

#include "document/records.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace velunto {

class Document;
class RandomSource;

// A cluster exercise: the columns of the gap table are baskets, the cells
// their entries. Static texts and pictures (Art 0, 2) title a basket or give
// examples; query texts and pictures (Art 1, 3) are what the pupil sorts.

constexpr int kMinBaskets = 2;
constexpr int kMaxBaskets = 5;

// Baskets (LueckenTabelleSpalten) and entries per basket
// (LueckenTabelleZeilen), kept to 2..5 and 1..16.
int clusterBaskets(const HeaderDataTyp& header);
int clusterRows(const HeaderDataTyp& header);

// Where the baskets lie in a page picture of a given size, in its pixels.
struct ClusterGeometry
{
    int baskets = kMinBaskets;
    int rows = 1;
    int leftX = 0;       // rnd(W x L)
    int topY = 0;        // rnd(H x T)
    int bottomY = 0;     // rnd((1 - B) x H)
    int headerBand = 0;  // rnd(H x 0.05), above the first entry
    int basketWidth = 0; // rnd((1 - R - L) x W / baskets)
    int entryHeight = 0; // rnd(((1 - T - B) x H - headerBand) / rows)

    // The column of basket c (0-based), from topY down to bottomY inclusive.
    QRect basketRect(int c) const;
};

ClusterGeometry clusterGeometry(const HeaderDataTyp& header, QSize page);

// The basket (1-based) whose column contains a point of the page picture,
// -1 outside every basket.
int basketAt(const ClusterGeometry& geometry, QPoint point);

// Font and picture sizes shrink with the number of baskets: the size step a
// (base size 2a + 22) scaled by 1.0, 0.9, 0.8, 0.7 for 2 to 5 baskets.
int clusterFit(int sizeStep, int baskets);

// What a query picture is known by: its identifier followed by
// " (Bildkennung)", so that pictures with the same identifier are
// interchangeable; without one, 20 random letters a..z followed by
// " (Zufallskennung für Bild)".
QString clusterPictureName(const QString& bildKenn, RandomSource& random);

// ClusterLayout: deletes the objects of kinds 40..43 and builds them anew
// from the table on a page of the given size. Query objects are numbered
// 1, 2, ... row by row and know their basket (KorbSpalte) and row
// (KorbZeile); a query picture's name is written into its cell's Text too.
void layoutCluster(Document& document, QSize page, RandomSource& random);

// The builder of the cluster type: with create it lays the objects out on the
// layout page; without, the objects stay where they are (page fractions).
void buildCluster(Document& document, bool create);

// The basket (1-based) whose column holds a page point (page fractions), -1
// for none; and the column of a basket in page fractions. An exercise drops
// cards into these.
int basketAtPage(const Document& document, QPointF page);
std::optional<RectD> basketBounds(const Document& document, int basket);

} // namespace velunto
