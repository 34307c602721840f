#pragma once

#include <functional>

namespace velunto {

// What the question editors open from outside: dialogs that change the
// document at once (margins, document font) and the picture gallery. A
// button whose hook is empty is not shown.
struct EditorHooks
{
    std::function<void()> margins; // "Ränder..."
    std::function<void()> font;    // "Schriftart..."
    std::function<void()> gallery; // "Bildergalerie..."
};

// The question that closing an editor other than with OK asks.
inline const char* const kDiscardChangesQuestion =
    "Alle Änderungen werden verworfen. Möchten Sie tatsächlich verwerfen?";

} // namespace velunto
