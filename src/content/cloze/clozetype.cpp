#include "content/cloze/clozetype.h"

#include "content/cloze/clozebuilder.h"
#include "content/cloze/clozepainters.h"
#include "content/free/freecontent.h"

namespace velunto {

ContentType clozeContentType()
{
    using namespace ObjectKind;
    ContentType t;
    t.dokTyp = DokTyp::Cloze;
    t.build = buildCloze;
    t.ownedKinds = {GapCard,         DistractorCard, TableFixedImage,
                    TableQueryImage, TableImageLink, TableQueryText};
    t.painters = {
        {GapCard, drawGapCard},
        {DistractorCard, drawDistractorCard},
        {TableFixedImage, drawTablePicture},
        {TableQueryImage, drawTablePicture},
        {TableImageLink, drawTablePicture},
        {TableQueryText, drawTableQueryText},
    };
    t.composeStage = drawClozeBackground;
    // Authored query labels and pictures on a cloze page are asked beside
    // its gaps and table cards.
    t.askedKinds = pageFieldsAsked();
    t.textEntryKinds = pageFieldsTypedIn();
    return t;
}

} // namespace velunto
