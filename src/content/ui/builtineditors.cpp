#include "content/ui/builtineditors.h"

#include "content/free/ui/freeeditor.h"
#include "content/ui/editorregistry.h"
#include "document/records.h"

namespace velunto {

void registerBuiltinEditors(EditorRegistry& r)
{
    r.add(DokTyp::Free, EditorRegistry::kEverySubType, openFreeEditor);
}

} // namespace velunto
