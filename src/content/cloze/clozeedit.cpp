#include "content/cloze/clozeedit.h"

#include "content/cloze/clozecontent.h"
#include "content/contentobjects.h"
#include "document/document.h"

#include <algorithm>

namespace velunto {

ClozeEdit clozeEditOf(const Document& document, int subType)
{
    const HeaderDataTyp& h = document.header;
    ClozeEdit edit;
    edit.subType = subType;
    edit.text = h.lueckentext;
    if (hasWrongWords(subType))
        edit.wrongWords = h.fragentext;
    edit.minGap = h.MinLuecke;
    edit.textColour = h.TextCol;
    edit.gapColour = h.LueckentextCol;
    edit.rows = std::clamp(h.LueckenTabelleZeilen, 1, kTableRows);
    edit.columns = std::clamp(h.LueckenTabelleSpalten, 2, kTableColumns);
    edit.gridLines = h.LueckenTabelleLinie;
    edit.gridColour = h.LueckenTabelleLinieCol;
    edit.cells = h.LueckenTabelle;
    return edit;
}

namespace {

void applyTable(HeaderDataTyp& h, const ClozeEdit& edit)
{
    h.LueckenTabelleZeilen = std::clamp(edit.rows, 1, kTableRows);
    h.LueckenTabelleSpalten = std::clamp(edit.columns, 1, kTableColumns);
    h.LueckenTabelleLinie = edit.gridLines;
    h.LueckenTabelleLinieCol = edit.gridColour;
    for (int r = 0; r < h.LueckenTabelleZeilen; ++r) {
        auto& row = h.LueckenTabelle[std::size_t(r)];
        bool empty = true;
        for (int c = 0; c < h.LueckenTabelleSpalten; ++c) {
            lueckentabellearrtyp cell = edit.cells[std::size_t(r)][std::size_t(c)];
            cell.ZellBelegt = -1;
            if (isClozePictureCell(cell.Art) && cell.Bild.isNull()) {
                cell.Art = CellKind::Text;
                cell.Text.clear();
            }
            if (!isClozePictureCell(cell.Art))
                cell.Bild = Picture();
            empty = empty && cell.Text.isEmpty() && cell.Bild.isNull();
            row[std::size_t(c)] = std::move(cell);
        }
        if (empty) {
            row[0].Art = CellKind::Text;
            row[0].Text = QStringLiteral(" ");
        }
    }
}

} // namespace

void applyClozeEdit(Document& document, const ClozeEdit& edit)
{
    DocumentChangeBatch batch(document);
    deleteContentObjects(document);
    document.notify({DocumentChange::ObjectsRemoved, {}, true, ObjectAspect::All});
    HeaderDataTyp& h = document.header;
    h.DokTyp = DokTyp::Cloze;
    h.DokUnterTyp = edit.subType;
    h.AnzFrageNummern = 0;
    document.setModified();

    if (edit.subType == ClozeSubType::Table) {
        applyTable(h, edit);
        h.fragentext.clear();
    } else {
        h.lueckentext = edit.text;
        const bool withWords = !edit.wrongWords.trimmed().isEmpty();
        if (edit.subType == ClozeSubType::Flowing && withWords)
            h.DokUnterTyp = ClozeSubType::FlowingWithWrongWords;
        else if (edit.subType == ClozeSubType::CTest && withWords)
            h.DokUnterTyp = ClozeSubType::CTestWithWrongWords;
        h.fragentext = hasWrongWords(h.DokUnterTyp) ? edit.wrongWords : QString();
    }
    h.MinLuecke = edit.minGap;
    h.TextCol = edit.textColour;
    h.LueckentextCol = edit.gapColour;
    document.notifyHeaderChanged();
    document.rebuildContent(true);
}

} // namespace velunto
