#include "view/covering.h"

#include "document/document.h"
#include "document/objectkinds.h"

namespace velunto {

bool toggleCover(Document& document, int index)
{
    if (!document.isValidIndex(index) || !isCoverableKind(document.objects[index].Typ))
        return false;
    int& cover = document.objects[index].Abdeckung;
    cover = cover == -1 ? 0 : -1;
    document.notifyObjectChanged(index, ObjectAspect::State);
    return true;
}

namespace {

void coverEvery(Document& document, int cover)
{
    for (ObjDataTyp& o : document.objects)
        o.Abdeckung = cover;
    document.notifyAllObjectsChanged(ObjectAspect::State);
}

} // namespace

void coverAll(Document& document)
{
    coverEvery(document, -1);
}

void uncoverAll(Document& document)
{
    coverEvery(document, 0);
}

} // namespace velunto
