#pragma once

#include <QLine>
#include <QSize>

#include <vector>

namespace velunto {

class Document;
class TextCanvas;

// What a cloze layout run found.
struct ClozeLayoutResult
{
    int fontHeight = 0; // character height of the text after the fit
    int fontShrink = 0; // how much the fit took off the start height (zero or negative)
    // The grid lines of a gap table with LueckenTabelleLinie 1, one pixel
    // wide or high, to be drawn in LueckenTabelleLinieCol; filled only when
    // the layout draws.
    std::vector<QLine> gridLines;
};

// Lays out the cloze content of the document on a page picture of page
// size, one entry point for every sub-type: the flowing text of the
// sub-types 0, 2, 3, 4 (ClozeLayout) or the gap table of the sub-type 1
// (GapTableLayout). Does nothing unless DokTyp is 1.
//
// The text is set in the document font at 22 pixels on a page 870 pixels
// wide, less about a tenth per step while it does not fit between the
// indent margins, down to 8 pixels; below that it may run past the bottom.
//
// With create every object the cloze generates (gap cards, wrong-word
// cards, table objects) is deleted and built anew; without it the existing
// ones are only moved to their places on this page, in object order. With
// drawText the text runs are drawn through canvas. The font shrink is kept
// in the document (Document::clozeFontStep) for the gap cards, the "?" of
// covered fields and the text boxes of an exercise.
ClozeLayoutResult layoutCloze(Document& document, TextCanvas& canvas, QSize page, bool create,
                              bool drawText);

// The same layout without touching any object: draws the text through
// canvas, as it stands on a page of page size.
ClozeLayoutResult drawCloze(const Document& document, TextCanvas& canvas, QSize page);

// The page the cloze content is laid out on, by the builder and for drawing:
// the page's proportions at the width of 870 to which the text's sizes
// refer (22 pixels at the start). The font shrink that the fit finds there
// (Document::clozeFontStep) thus holds for every page picture, scaled.
constexpr int kClozePageWidth = 870;
QSize clozeLayoutPage(const Document& document);

// The character height of a gap card's answer (and of an answer typed into
// a gap) on a page picture pageWidth pixels wide: the height of the size
// step less the font shrink of the last layout, both on a page 870 wide,
// scaled to this picture.
int clozeCharacterHeight(const Document& document, int pageWidth, int sizeStep = 0);

} // namespace velunto
