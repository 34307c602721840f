#pragma once

#include "content/ui/editorregistry.h"

namespace velunto {

// The editor of a free page is the object editor.
bool openFreeEditor(EditorHost& host);

} // namespace velunto
