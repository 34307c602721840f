#include "content/multiplechoice/mclayout.h"
#include "content/questions/questiontext.h"
#include "document/document.h"
#include "document/documentfile.h"
#include "library/topiclist.h"

#include <gtest/gtest.h>

using namespace velunto;

// The shipped question samples: at least two of each type, each with
// several questions; the picture answers and question pictures that the
// multiple-choice samples show are all there.
TEST(QuestionSamples, ShipTwoOfEachTypeWithEveryPicture)
{
    const TopicList list = buildTopicList(QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele"));
    int single = 0;
    int multiple = 0;
    int answerPictures = 0;
    int questionPictures = 0;
    for (const ThemenDataTyp& entry : list) {
        SCOPED_TRACE(entry.path.toStdString());
        Document doc;
        ASSERT_TRUE(loadDocument(doc, entry.path).ok);
        if (doc.header.DokTyp == DokTyp::Questions) {
            ++single;
            const int count = countQuestions(doc.header.fragentext);
            EXPECT_GE(count, 5);
            EXPECT_EQ(doc.header.AnzFrageNummern, count);
            int answers = 0;
            for (const ObjDataTyp& o : doc.objects)
                answers += o.Typ == ObjectKind::QuestionAnswer;
            EXPECT_EQ(answers, count);
        } else if (doc.header.DokTyp == DokTyp::MultipleChoice) {
            ++multiple;
            buildMultipleChoice(doc, true);
            EXPECT_GE(doc.header.AnzFrageNummern, 3);
            for (const ObjDataTyp& o : doc.objects) {
                if (o.Typ == ObjectKind::McAnswerImage || o.Typ == ObjectKind::McQuestionImage) {
                    EXPECT_FALSE(o.Bild.isNull());
                    ++(o.Typ == ObjectKind::McAnswerImage ? answerPictures : questionPictures);
                }
            }
        }
    }
    EXPECT_GE(single, 2);
    EXPECT_GE(multiple, 2);
    EXPECT_GE(answerPictures, 6);
    EXPECT_GE(questionPictures, 1);
}
