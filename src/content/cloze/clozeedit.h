#pragma once

#include "common/colorref.h"
#include "document/records.h"

#include <QString>

#include <array>

namespace velunto {

class Document;

// What the cloze editor edits: a copy of the cloze content that only its OK
// writes back into the Document.
struct ClozeEdit
{
    int subType = ClozeSubType::Flowing; // the sub-type the editor was opened for
    QString text;                        // the flowing text with its gap marks
    QString wrongWords;                  // the text of the dialog "Falschwörter"
    int minGap = 3;
    ColorRef textColour = 0x000000;
    ColorRef gapColour = 0xFF0000;

    // The gap table of the sub-type 1.
    int rows = 5;
    int columns = 2;
    int gridLines = 0;
    ColorRef gridColour = 0xC0C0C0;
    std::array<std::array<lueckentabellearrtyp, kTableColumns>, kTableRows> cells{};
};

// What the editor opened for subType starts with: the document's text, gap
// table and settings, and the wrong words of the sub-types 3 and 4 (empty
// for the others).
ClozeEdit clozeEditOf(const Document& document, int subType);

// OK of the editor: the content objects of every document type are deleted,
// the document becomes a cloze of the edit's sub-type (a flowing cloze or
// C-test with wrong words becomes the sub-type with wrong words), the text,
// the used area of the gap table, the wrong words and the settings are taken,
// the document is marked modified, and the cloze is built anew. A picture
// cell without a picture becomes an empty text cell, and a row with neither
// text nor picture gets one blank in its first cell, so that it keeps its
// height. A cloze has no questions: their count is set to 0.
void applyClozeEdit(Document& document, const ClozeEdit& edit);

} // namespace velunto
