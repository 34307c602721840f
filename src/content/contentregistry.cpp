#include "content/contentregistry.h"

#include "content/builtintypes.h"
#include "document/document.h"

#include <algorithm>

namespace velunto {

void ContentRegistry::add(ContentType type)
{
    remove(type.dokTyp, type.dokUnterTyp);
    m_types.push_back(std::move(type));
}

void ContentRegistry::remove(int dokTyp, int dokUnterTyp)
{
    std::erase_if(m_types, [&](const ContentType& t) {
        return t.dokTyp == dokTyp && t.dokUnterTyp == dokUnterTyp;
    });
}

const ContentType* ContentRegistry::findExactly(int dokTyp, int dokUnterTyp) const
{
    const auto it = std::find_if(m_types.begin(), m_types.end(), [&](const ContentType& t) {
        return t.dokTyp == dokTyp && t.dokUnterTyp == dokUnterTyp;
    });
    return it != m_types.end() ? &*it : nullptr;
}

const ContentType* ContentRegistry::find(int dokTyp, int dokUnterTyp) const
{
    if (const ContentType* own = findExactly(dokTyp, dokUnterTyp))
        return own;
    return findExactly(dokTyp, ContentType::kEverySubType);
}

KindPainterFn ContentRegistry::painterFor(int kind) const
{
    // The latest registration wins, so that a type registered for a while
    // (ScopedContentType) paints its kinds over the built-in painters.
    for (auto t = m_types.rbegin(); t != m_types.rend(); ++t) {
        if (const auto it = t->painters.find(kind); it != t->painters.end())
            return it->second;
    }
    return {};
}

ContentRegistry& contentRegistry()
{
    static ContentRegistry registry = [] {
        ContentRegistry r;
        registerBuiltinTypes(r);
        return r;
    }();
    return registry;
}

std::vector<int> askedObjects(const Document& document, bool textEntry)
{
    std::vector<int> result;
    const ContentType* type =
        contentRegistry().find(document.header.DokTyp, document.header.DokUnterTyp);
    if (type == nullptr)
        return result;
    const std::vector<int>& kinds = textEntry ? type->textEntryKinds : type->askedKinds;
    for (int i = 0; i < document.objectCount(); ++i) {
        if (std::find(kinds.begin(), kinds.end(), document.objects[i].Typ) != kinds.end())
            result.push_back(i);
    }
    return result;
}

ScopedContentType::ScopedContentType(ContentType type)
    : m_dokTyp(type.dokTyp), m_dokUnterTyp(type.dokUnterTyp)
{
    if (const ContentType* before = contentRegistry().findExactly(m_dokTyp, m_dokUnterTyp))
        m_replaced = *before;
    contentRegistry().add(std::move(type));
}

ScopedContentType::~ScopedContentType()
{
    contentRegistry().remove(m_dokTyp, m_dokUnterTyp);
    if (m_replaced)
        contentRegistry().add(std::move(*m_replaced));
}

} // namespace velunto
