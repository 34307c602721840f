#pragma once

#include <QString>

namespace velunto {

class Document;
class ViewState;

// ToggleCover: flips a coverable object between covered (-1) and uncovered
// (0). False, and nothing changes, for an object that is not coverable.
bool toggleCover(Document& document, int index);

// "Alle Abfragefelder abdecken" and "Lösung": Abdeckung -1 or 0 for every
// object.
void coverAll(Document& document);
void uncoverAll(Document& document);

// Choosing a query field from the keyboard by the label it shows ("12",
// "C"): the characters typed so far, grown while some shown, coverable field
// has a label that starts with them, and started over with the new character
// otherwise. Letters match in either case.
class FieldLabelEntry
{
  public:
    // Takes one typed character; false (and the entry is empty) when no
    // field's label starts with it.
    bool type(const Document& document, const ViewState& view, QChar typed);
    void backspace() { m_typed.chop(1); }
    void clear() { m_typed.clear(); }
    const QString& typed() const { return m_typed; }
    // The field whose label is exactly what was typed (the first in the
    // object list when several show it), or -1.
    int field(const Document& document, const ViewState& view) const;

  private:
    QString m_typed;
};

} // namespace velunto
