#include "content/crossword/crosswordtype.h"

#include "content/crossword/crosswordlayout.h"
#include "content/crossword/crosswordnavigation.h"
#include "content/free/freecontent.h"

namespace velunto {

ContentType crosswordContentType()
{
    ContentType t;
    t.dokTyp = DokTyp::Crossword;
    t.build = buildCrossword;
    t.ownedKinds = {ObjectKind::CrosswordCell};
    t.painters[ObjectKind::CrosswordCell] = drawCrosswordCell;
    // Boxes, start marks and clues are drawn anew at every compose, before
    // the letters on top of them.
    t.composeStage = [](ComposeStage stage, DrawContext& context) {
        if (stage == ComposeStage::Background)
            paintCrossword(context);
    };
    t.askedKinds = pageFieldsAsked();
    t.textEntryKinds = pageFieldsTypedIn();
    // A filled box hands the typing on to the next box of its word, as on
    // paper: along the word the last step came from, else across where the
    // box has a neighbour in its row, else down.
    t.nextTypedField = [](const Document& document, int filled, int previous) {
        const CrosswordCells cells(document);
        return cells.next(filled, cells.directionAt(filled, previous));
    };
    return t;
}

} // namespace velunto
