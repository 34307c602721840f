#pragma once

#include "content/ui/editorregistry.h"

namespace velunto {

// "Cluster-Übung bearbeiten" on the open Document; true after OK.
bool openClusterEditor(EditorHost& host);

} // namespace velunto
