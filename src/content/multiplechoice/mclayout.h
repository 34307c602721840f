#pragma once

namespace velunto {

class Document;

// The size step of a question text of length characters: +5 up to 71
// characters, one step less for each further 12, never below -1 (from 132
// characters on).
int mcQuestionSizeStep(int length);

// The page objects of a multiple-choice document (DokTyp 3), built from its
// question objects (kinds 20 and 21, in object order, numbered 1..N). Each
// question gets, all with its number: the caption "Frage Nr. n von N", the
// question text, the info point and link when it has them, the question
// picture beside the answers (kind 21), one tick box followed by its text or
// picture card per answer line (at most 12; a blank line leaves its row
// empty), and the place of the check button; one set of navigation buttons
// serves all questions.
//
// With create the generated objects (kinds 12..17 and 22..29) are made
// again and AnzFrageNummern counts the questions. Without create they stay,
// unless they do not match the question objects (a document that holds only
// its questions): then they are made as with create. Other document types
// are left alone.
void buildMultipleChoice(Document& document, bool create);


} // namespace velunto
