#pragma once

namespace velunto {

class EditorRegistry;

// Registers the editor of every content type that has one, one line each.
void registerBuiltinEditors(EditorRegistry& registry);

} // namespace velunto
