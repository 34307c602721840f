#include "content/ui/editorregistry.h"

#include "content/ui/builtineditors.h"
#include "document/document.h"

#include <algorithm>

namespace velunto {

void EditorRegistry::add(int dokTyp, int dokUnterTyp, EditorFactory factory)
{
    remove(dokTyp, dokUnterTyp);
    m_entries.push_back({dokTyp, dokUnterTyp, std::move(factory)});
}

void EditorRegistry::remove(int dokTyp, int dokUnterTyp)
{
    std::erase_if(m_entries, [&](const Entry& e) {
        return e.dokTyp == dokTyp && e.dokUnterTyp == dokUnterTyp;
    });
}

EditorFactory EditorRegistry::find(int dokTyp, int dokUnterTyp) const
{
    for (const int sub : {dokUnterTyp, kEverySubType}) {
        const auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) {
            return e.dokTyp == dokTyp && e.dokUnterTyp == sub;
        });
        if (it != m_entries.end())
            return it->factory;
    }
    return {};
}

void EditorRegistry::addNewDocumentCommand(NewDocumentCommand command)
{
    std::erase_if(m_newDocuments, [&](const NewDocumentCommand& c) {
        return c.dokTyp == command.dokTyp && c.dokUnterTyp == command.dokUnterTyp;
    });
    const auto at = std::find_if(m_newDocuments.begin(), m_newDocuments.end(),
                                 [&](const NewDocumentCommand& c) { return c.order > command.order; });
    m_newDocuments.insert(at, std::move(command));
}

bool finishContentEditor(Document& document, bool accepted, bool pageChanged)
{
    if (accepted) {
        document.notify({DocumentChange::Header | DocumentChange::ObjectsRemoved |
                             DocumentChange::ObjectsAdded,
                         {},
                         true,
                         ObjectAspect::All});
    } else if (pageChanged) {
        DocumentChangeBatch batch(document);
        document.notifyHeaderChanged();
        document.rebuildContent();
    }
    return accepted;
}

EditorRegistry& editorRegistry()
{
    static EditorRegistry registry = [] {
        EditorRegistry r;
        registerBuiltinEditors(r);
        return r;
    }();
    return registry;
}

} // namespace velunto
