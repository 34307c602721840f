#pragma once

#include "common/colorref.h"

#include <QRect>
#include <QString>

namespace velunto {

class Document;
struct DrawContext;

// The page objects of a single-questions document (DokTyp 2). For each
// question n of N, all on one spot so that the page shows one question at a
// time: the caption "Frage Nr. n von N", the question, the caption
// "Antwort:" and the answer (covered), plus the navigation buttons. D scales
// the rows with the page height left between the indent margins.
//
// With create the objects of kinds 10..17 are made again from fragentext
// and AnzFrageNummern counts the questions; a text without questions leaves
// no objects and the count 0. Without create the stored objects stay, unless
// they do not match the text (a document that holds only its text): then
// they are made as with create. Other document types are left alone.
void buildSingleQuestions(Document& document, bool create);


// What the single-questions editor hands over on OK.
struct SingleQuestionsEdit
{
    QString text; // fragentext
    ColorRef textColour = 0x000000;
    ColorRef buttonBackground = 0xFF0000;
    ColorRef buttonSymbols = 0xFFFFFF;
};

// Applies the editor: the content objects of any type go (every generated
// kind and the gap cards of a cloze), the document becomes a
// single-questions document with the edited text and colours, and its
// objects are built afresh.
void applySingleQuestionsEdit(Document& document, const SingleQuestionsEdit& edit);

// The painters of the single-question kinds. The question is wrapped at the
// right indent margin and shrunk to a fifth of the height between the
// margins (scaled to a page whose margins leave 0.64), the answer to 0.135
// of it; a covered answer shows the covered box.
QRect drawSingleQuestionText(DrawContext& context, int index);
QRect drawSingleQuestionAnswer(DrawContext& context, int index);

} // namespace velunto
