#pragma once

namespace velunto {

class Document;

// Deletes the objects that the content of a document type made: every object
// of a kind above 9, and the gap cards (kind 3), which the cloze makes
// although their kind lies among the authored ones. An editor that turns the
// document into its own type calls this first, so that no gap card of a
// former cloze stays behind covered and numbered on a page without its text.
void deleteContentObjects(Document& document);

} // namespace velunto
