#include "content/contentobjects.h"

#include "document/document.h"
#include "document/objectkinds.h"

namespace velunto {

void deleteContentObjects(Document& document)
{
    std::erase_if(document.objects, [](const ObjDataTyp& o) { return isContentKind(o.Typ); });
}

} // namespace velunto
