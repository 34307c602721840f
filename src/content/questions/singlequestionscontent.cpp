#include "content/questions/singlequestionscontent.h"

#include "content/questions/questionlayout.h"
#include "content/questions/questionnavigation.h"

namespace velunto {

std::map<int, KindPainterFn> questionNavigationPainters()
{
    using namespace ObjectKind;
    std::map<int, KindPainterFn> painters;
    for (int kind : {NavPrevious, NavNext, NavFirst, NavLast, NavRandom})
        painters[kind] = drawNavigationButton;
    painters[QuestionCaption] = drawQuestionCaption;
    return painters;
}

ContentType singleQuestionsContentType()
{
    using namespace ObjectKind;
    ContentType t;
    t.dokTyp = DokTyp::Questions;
    // The question objects are stored with the document and taken as they
    // are after a load; only a document that holds just its text (or a text
    // that no longer matches them) gets them made. The editor's OK makes
    // them afresh itself.
    t.build = [](Document& document, bool) { buildSingleQuestions(document, false); };
    t.ownedKinds = {QuestionAnswer, QuestionText, NavPrevious, NavNext,
                    NavFirst,       NavLast,      NavRandom,   QuestionCaption};
    t.painters = questionNavigationPainters();
    t.painters[QuestionText] = drawSingleQuestionText;
    t.painters[QuestionAnswer] = drawSingleQuestionAnswer;
    t.askedKinds = {QuestionAnswer};
    t.pagesThroughQuestions = true;
    return t;
}

} // namespace velunto
