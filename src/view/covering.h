#pragma once

namespace velunto {

class Document;

// ToggleCover: flips a coverable object between covered (-1) and uncovered
// (0). False, and nothing changes, for an object that is not coverable.
bool toggleCover(Document& document, int index);

// "Alle Abfragefelder abdecken" and "Lösung": Abdeckung -1 or 0 for every
// object.
void coverAll(Document& document);
void uncoverAll(Document& document);

} // namespace velunto
