#include "view/covering.h"

#include "document/document.h"
#include "document/objectkinds.h"
#include "view/numbering.h"
#include "view/viewstate.h"

#include <functional>

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

namespace {

// The first shown, coverable field with a number whose label passes test.
int firstLabelled(const Document& document, const ViewState& view,
                  const std::function<bool(const QString&)>& test)
{
    for (int i = 0; i < document.objectCount(); ++i) {
        const ObjDataTyp& o = document.objects[size_t(i)];
        if (isCoverableKind(o.Typ) && o.Nummer >= 1 && isObjectShown(o, view) &&
            test(numberLabel(o.Nummer, document.header.NumArt)))
            return i;
    }
    return -1;
}

} // namespace

bool FieldLabelEntry::type(const Document& document, const ViewState& view, QChar typed)
{
    const auto startsWith = [&](const QString& text) {
        return firstLabelled(document, view, [&](const QString& label) {
                   return label.startsWith(text, Qt::CaseInsensitive);
               }) >= 0;
    };
    if (typed.isSpace() || typed.isNull()) {
        clear();
        return false;
    }
    const QString grown = m_typed + typed;
    if (startsWith(grown))
        m_typed = grown;
    else if (startsWith(QString(typed)))
        m_typed = QString(typed);
    else
        m_typed.clear();
    return !m_typed.isEmpty();
}

int FieldLabelEntry::field(const Document& document, const ViewState& view) const
{
    if (m_typed.isEmpty())
        return -1;
    return firstLabelled(document, view, [&](const QString& label) {
        return label.compare(m_typed, Qt::CaseInsensitive) == 0;
    });
}

} // namespace velunto
