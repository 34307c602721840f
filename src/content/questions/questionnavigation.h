#pragma once

#include <QRect>

namespace velunto {

class Document;
class RandomSource;
struct DrawContext;

// The five buttons that step through the questions of a single-questions or
// multiple-choice document ("|<", "<", ">", ">|", "?"): one set for the whole
// document, on the info layer, below the questions.
void addNavigationButtons(Document& document);

// The question shown after a click on a navigation button of kind
// (NavPrevious, NavNext, NavFirst, NavLast, NavRandom), with count questions.
// Nothing changes without questions; the random button draws again until it
// hits a question other than the current one (1 when there is only one).
int steppedQuestion(int kind, int current, int count, RandomSource& random);

// current when it names one of count questions, else 1 (or -1 without
// questions).
int validQuestion(int current, int count);

// The question whose objects the page shows.
int shownQuestion(const DrawContext& context);

// Kinds 12..16: a circle rnd(30 x W / 870) across in FragBtnHtgdCol, its
// outline that colour darkened by 30 %, the symbol in bold "Arial" in
// FragBtnTextCol; grey with white symbols while an exercise runs.
QRect drawNavigationButton(DrawContext& context, int index);

// Kind 17: the caption of the shown question; hidden during an exercise.
QRect drawQuestionCaption(DrawContext& context, int index);

} // namespace velunto
