#include "content/free/ui/freeeditor.h"

namespace velunto {

bool openFreeEditor(EditorHost& host)
{
    if (host.openObjectEditor)
        host.openObjectEditor();
    // The object editor changes the Document as the author works, not at
    // once.
    return false;
}

} // namespace velunto
