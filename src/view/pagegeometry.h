#pragma once

#include "document/records.h"

#include <QSize>
#include <QSizeF>

namespace velunto {

class Document;

// The page is the BaseImage enlarged by the margin zone RandErw: it is
// (left + 1 + right) BaseImage widths wide and (top + 1 + bottom) heights
// tall. Page fractions (0..1) refer to this whole page.
struct PageExtent
{
    QSize base;    // BaseImage size in pixels, at least 1 x 1
    RectD margins; // RandErw as used for drawing (a corrupt one counts as zero)
    QSizeF size;   // page size in BaseImage pixels, both sides positive

    // The BaseImage rectangle in page fractions.
    RectD baseRect() const;
};

// The base size to compute with: a missing or empty picture counts as 1 x 1.
QSize usableBaseSize(const Picture& baseImage);

// True when RandErw describes a page of at least one pixel each way with
// finite values and no absurd enlargement.
bool isUsableMargin(const RectD& margins, QSize base);

PageExtent pageExtent(const HeaderDataTyp& header, QSize base);

// The runtime page geometry after loading a document: SeitRatioArt 1, the
// page size in pixels as ratio, BildGroesse, BildPosX/Y and Rand derived from
// RandErw. A corrupt RandErw is reset to zero first.
void derivePageGeometry(HeaderDataTyp& header, QSize base);

// The margin zone that SeitRatioArt/-Breite/-Hoehe, BildGroesse and
// BildPosX/Y ask for (the dialogs "Seitenverhältnis des Dokuments" and
// "Basisbild - Größe, Ausrichtung, Deckkraft").
RectD marginsForGeometry(const HeaderDataTyp& header, QSize base);

// Moves a page fraction so that it stays over the same point of the BaseImage
// when the margin before it changes from oldLo to newLo and the one after it
// from oldHi to newHi.
double keepOverBaseImage(double x, double oldLo, double oldHi, double newLo, double newHi);

// Applies the page geometry of the header to RandErw; with transform, every
// authored object keeps its place over the BaseImage. Then the content is
// rebuilt and the document marked modified. The caller redraws.
void setPageGeometry(Document& document, bool transform);

} // namespace velunto
