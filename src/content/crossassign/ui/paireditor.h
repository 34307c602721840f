#pragma once

#include "content/ui/editorregistry.h"

namespace velunto {

// "Über-Kreuz-Zuordnung bearbeiten" on the open Document; true after OK.
bool openPairEditor(EditorHost& host);

} // namespace velunto
