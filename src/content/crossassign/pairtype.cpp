#include "content/crossassign/pairtype.h"

#include "content/crossassign/pairlayout.h"
#include "content/crossassign/pairpainting.h"

namespace velunto {

ContentType pairContentType()
{
    using namespace ObjectKind;
    ContentType t;
    t.dokTyp = DokTyp::CrossAssign;
    t.build = buildPairs;
    t.ownedKinds = {PairFixedText, PairQueryText, PairFixedImage, PairQueryImage};
    for (int kind : t.ownedKinds)
        t.painters[kind] = drawPairElement;
    t.askedKinds = {PairQueryText, PairQueryImage};
    return t;
}

} // namespace velunto
