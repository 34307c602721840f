#include "content/free/freecontent.h"

namespace velunto {

std::vector<int> pageFieldsAsked()
{
    using namespace ObjectKind;
    return {QueryLabel, GapCard, QueryImage, TableQueryImage, TableQueryText, CrosswordCell};
}

std::vector<int> pageFieldsTypedIn()
{
    using namespace ObjectKind;
    return {QueryLabel, GapCard, CrosswordCell};
}

ContentType freeContentType()
{
    ContentType t;
    t.dokTyp = DokTyp::Free;
    t.askedKinds = pageFieldsAsked();
    t.textEntryKinds = pageFieldsTypedIn();
    return t;
}

} // namespace velunto
