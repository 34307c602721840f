#pragma once

#include "document/records.h"

#include <array>

namespace velunto {

class Document;

// What the cluster and cross-assignment editors work on: the gap table with
// its size, lines and colours.
struct GapTableContent
{
    int rows = 5;
    int columns = 2;
    int line = 0;                   // LueckenTabelleLinie
    ColorRef lineColour = 0xC0C0C0; // LueckenTabelleLinieCol
    ColorRef textColour = 0x000000; // TextCol
    std::array<std::array<lueckentabellearrtyp, kTableColumns>, kTableRows> cells{};
    std::array<SpaltenHtgdEntry, kTableColumns> columnBackgrounds =
        HeaderDataTyp::defaultSpaltenHtgd();
};

GapTableContent gapTableContent(const HeaderDataTyp& header);

// The cells as an editor hands them back: every cell of the table is reset
// to an empty query text without picture (keeping the picture settings of
// the editor's cell), then the used rows x columns take text, kind and
// picture. A picture cell without a picture becomes an empty static text.
void takeGapTableCells(HeaderDataTyp& header, const GapTableContent& content);

// The cluster editor's OK: the content objects of every type are deleted, the document
// becomes a cluster exercise (2..5 baskets of 1..16 entries) without cloze
// or question text, takes the table and the basket backgrounds, is marked
// modified and laid out again.
void applyClusterContent(Document& document, const GapTableContent& content);

// A new cluster exercise in a document just made empty: its type, its
// indent margins and every cell a query text.
void prepareNewCluster(Document& document);

} // namespace velunto
