#pragma once

namespace velunto {

class Document;

// The builder of the cloze content, run with create after a load, after the
// editor's OK, after deleting all authored objects and after a change of the
// page geometry: it deletes the gap cards, wrong-word cards and table
// objects and builds them anew (create), or only moves them (no create).
// It lays the content out on the cloze's layout page (clozeLayoutPage); the
// view draws the text from the same layout, scaled to its picture
// (drawClozeBackground), so the cards always stand where the text shows its
// gaps.
void buildCloze(Document& document, bool create);

} // namespace velunto
