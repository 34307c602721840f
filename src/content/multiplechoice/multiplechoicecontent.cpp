#include "content/multiplechoice/multiplechoicecontent.h"

#include "content/multiplechoice/mclayout.h"
#include "content/multiplechoice/mcpainters.h"
#include "content/questions/singlequestionscontent.h"

namespace velunto {

ContentType multipleChoiceContentType()
{
    using namespace ObjectKind;
    ContentType t;
    t.dokTyp = DokTyp::MultipleChoice;
    t.build = buildMultipleChoice;
    // The navigation buttons and captions (12..17) are the single questions'
    // kinds; the builder makes them too.
    t.ownedKinds = {McQuestionText, McQuestionImage, McAnswerBox, McAnswerText,
                    McOkButton,     McAnswerImage,   McInfoPoint, McLink};
    t.painters = questionNavigationPainters();
    t.painters[McQuestionText] = drawMcQuestionText;
    t.painters[McAnswerBox] = drawMcAnswerBox;
    t.painters[McAnswerText] = drawMcAnswerText;
    t.painters[McQuestionImage] = drawMcPicture;
    t.painters[McAnswerImage] = drawMcPicture;
    t.painters[McInfoPoint] = drawMcPoint;
    t.painters[McLink] = drawMcPoint;
    // The check button's place is never drawn, and the question objects
    // have no place on the page.
    for (int kind : {McOkButton, McQuestion, McImageQuestion})
        t.painters[kind] = [](DrawContext&, int) { return QRect(); };
    t.askedKinds = {McQuestion, McImageQuestion};
    t.pagesThroughQuestions = true;
    return t;
}

} // namespace velunto
