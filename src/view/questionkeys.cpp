#include "view/questionkeys.h"

#include "content/contentregistry.h"
#include "document/document.h"
#include "view/session.h"

namespace velunto {

namespace {

QuestionStep stepForKey(int key)
{
    switch (key) {
    case Qt::Key_Home:
        return QuestionStep::First;
    case Qt::Key_End:
        return QuestionStep::Last;
    case Qt::Key_Left:
        return QuestionStep::Previous;
    case Qt::Key_Right:
        return QuestionStep::Next;
    default:
        return QuestionStep::None;
    }
}

} // namespace

bool stepQuestionByKey(Session& session, const Document& document, int key,
                       Qt::KeyboardModifiers modifiers, RandomSource& random)
{
    // The keypad sends the same keys with its own modifier.
    if ((modifiers & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier)) != Qt::NoModifier ||
        session.editorOpen())
        return false;
    const HeaderDataTyp& h = document.header;
    const ContentType* type = contentRegistry().find(h.DokTyp, h.DokUnterTyp);
    if (type == nullptr || !type->pagesThroughQuestions)
        return false;
    return session.stepQuestion(stepForKey(key), h.AnzFrageNummern, random);
}

} // namespace velunto
