#include "content/cluster/clustercontent.h"

#include "common/random.h"
#include "content/cluster/clusterlayout.h"
#include "content/contentobjects.h"
#include "content/layoutpage.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <algorithm>

namespace velunto {

GapTableContent gapTableContent(const HeaderDataTyp& h)
{
    GapTableContent c;
    c.rows = h.LueckenTabelleZeilen;
    c.columns = h.LueckenTabelleSpalten;
    c.line = h.LueckenTabelleLinie;
    c.lineColour = h.LueckenTabelleLinieCol;
    c.textColour = h.TextCol;
    c.cells = h.LueckenTabelle;
    c.columnBackgrounds = h.SpaltenHtgd;
    return c;
}

void takeGapTableCells(HeaderDataTyp& h, const GapTableContent& content)
{
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c < kTableColumns; ++c) {
            const lueckentabellearrtyp& given = content.cells[r][c];
            lueckentabellearrtyp& cell = h.LueckenTabelle[r][c];
            cell = lueckentabellearrtyp{};
            cell.Art = 1;
            cell.BildKenn = given.BildKenn;
            cell.Groesse = given.Groesse;
            cell.BildkarteAnpassen = given.BildkarteAnpassen;
        }
    }
    const int rows = std::clamp(content.rows, 1, kTableRows);
    const int columns = std::clamp(content.columns, 1, kTableColumns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const lueckentabellearrtyp& given = content.cells[r][c];
            lueckentabellearrtyp& cell = h.LueckenTabelle[r][c];
            const bool picture = given.Art == 2 || given.Art == 3;
            if (picture && given.Bild.isNull()) {
                cell.Art = 0;
                continue;
            }
            cell.Text = given.Text;
            cell.Art = given.Art;
            cell.Bild = given.Bild;
        }
    }
}

void applyClusterContent(Document& document, const GapTableContent& content)
{
    deleteContentObjects(document);
    HeaderDataTyp& h = document.header;
    h.DokTyp = DokTyp::Cluster;
    h.DokUnterTyp = 0;
    h.lueckentext.clear();
    h.fragentext.clear();
    document.setModified(true);

    GapTableContent kept = content;
    kept.rows = std::clamp(content.rows, 1, kTableRows);
    kept.columns = std::clamp(content.columns, kMinBaskets, kMaxBaskets);
    h.LueckenTabelleZeilen = kept.rows;
    h.LueckenTabelleSpalten = kept.columns;
    h.LueckenTabelleLinie = content.line;
    h.LueckenTabelleLinieCol = content.lineColour;
    h.TextCol = content.textColour;
    takeGapTableCells(h, kept);
    h.SpaltenHtgd = content.columnBackgrounds;
    layoutCluster(document, layoutPageSize(document), randomSource());
}

void prepareNewCluster(Document& document)
{
    HeaderDataTyp& h = document.header;
    h.DokTyp = DokTyp::Cluster;
    h.EinrueckRand = defaultEinrueckRand(DokTyp::Cluster);
    for (auto& row : h.LueckenTabelle)
        for (lueckentabellearrtyp& cell : row)
            cell.Art = 1;
}

} // namespace velunto
