#pragma once

#include "common/colorref.h"
#include "document/records.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace velunto {

class Document;

// One picture answer as the editor holds it. A null picture is an answer
// whose picture has not been loaded yet.
struct McPictureAnswer
{
    Picture picture;
    bool correct = true;
};

// One multiple-choice question as the editor holds it.
struct McQuestion
{
    QString question;
    QString answers;    // text answers: "+ ..." / "- ..." lines
    int answerKind = 0; // 0 text answers, 1 picture answers
    std::vector<McPictureAnswer> pictureAnswers;
    Picture picture; // the question picture; null: none
    QString info;
    QString infoTitle = QStringLiteral("Info");
    QString link;
    QString linkTitle = QStringLiteral("Link");
    // Info title colour, link title colour, info background, link
    // background, info opacity, link opacity.
    std::array<int, 6> infoLink = {0xFFFFFF, 0xFFFFFF, 0xFD5F00, 0x2F35A4, 100, 100};
};

// A question as "Neue Frage" makes it: empty, text answers, one picture
// answer waiting for its picture.
McQuestion newMcQuestion();

// A copy for "Duplizieren": its question text starts with "KOPIE von ".
McQuestion duplicatedMcQuestion(const McQuestion& question);

// The questions of a document, from its question objects in object order.
// The picture answers are one per answer line or stored picture, whichever
// are more, each marked by its line ("+" right); an answer beyond the stored
// pictures has none yet.
std::vector<McQuestion> mcQuestionsOf(const Document& document);

// The text answers field as stored when it is left: every non-blank line
// that starts with neither "+" nor "-" gets "+ " in front; the whole is
// trimmed.
QString normalizedTextAnswers(const QString& text);

// Why the questions cannot be applied: a picture-answer question needs at
// least one answer and a picture for each.
struct McQuestionsProblem
{
    int question = 0; // 0-based
    QString message;
};
// The first problem, or nullopt when the questions can be applied.
std::optional<McQuestionsProblem> mcQuestionsProblem(const std::vector<McQuestion>& questions);

// What the multiple-choice editor hands over on OK.
struct MultipleChoiceEdit
{
    std::vector<McQuestion> questions;
    ColorRef textColour = 0x000000;
    ColorRef buttonBackground = 0xFF0000;
    ColorRef buttonSymbols = 0xFFFFFF;
};

// Applies the editor: the content objects of any type go (every generated
// kind and the gap cards of a cloze), one question object per question is
// appended in list order, the document becomes a multiple-choice document
// with the edited colours, and its page objects are built afresh.
void applyMultipleChoiceEdit(Document& document, const MultipleChoiceEdit& edit);

} // namespace velunto
