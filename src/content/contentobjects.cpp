#include "content/contentobjects.h"

#include "document/document.h"

namespace velunto {

void deleteContentObjects(Document& document)
{
    std::erase_if(document.objects,
                  [](const ObjDataTyp& o) { return o.Typ > 9 || o.Typ == ObjectKind::GapCard; });
}

} // namespace velunto
