#pragma once

namespace velunto {

class Document;

// Deletes the objects that the content of a document type made: every object
// of a kind that a content type owns (isContentKind), the gap cards of a
// cloze and the questions of a multiple choice among them. An editor that turns the
// document into its own type calls this first, so that no gap card of a
// former cloze stays behind covered and numbered on a page without its text.
void deleteContentObjects(Document& document);

} // namespace velunto
