#pragma once

namespace velunto {

class ContentRegistry;

// Registers every content type of the program, one line each.
void registerBuiltinTypes(ContentRegistry& registry);

} // namespace velunto
