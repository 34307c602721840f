#pragma once

#include <QString>

namespace velunto {

// The form of a card text that the exercises show and compare:
// - a hyphen at a line end joins the word when a lower-case letter follows
//   ("Haus-", "tür" -> "Haustür") and stays otherwise ("Nord-", "Süd" ->
//   "Nord-Süd");
// - line breaks become blanks; runs of three blanks, then of two, become one
//   (each in a single pass, so five blanks become two);
// - leading and trailing blanks and control characters go;
// - a text starting with U+00FF (ÿ) gets a blank in front.
QString normalizeText(const QString& text);

} // namespace velunto
