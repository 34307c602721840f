#include "content/contentobjects.h"

#include "document/document.h"

#include <gtest/gtest.h>

namespace velunto {
namespace {

TEST(ContentObjects, AnotherTypeTakesAwayTheGapCardsOfAFormerCloze)
{
    Document doc;
    for (int kind : {ObjectKind::QueryLabel, ObjectKind::GapCard, ObjectKind::QueryImage,
                     ObjectKind::QuestionAnswer, ObjectKind::McQuestion, ObjectKind::DistractorCard,
                     ObjectKind::ImageLink})
        doc.addGeneratedObject(kind, 1, QString::number(kind), -1, 0.5, 0.5, 0, 0);
    deleteContentObjects(doc);
    ASSERT_EQ(doc.objectCount(), 3);
    EXPECT_EQ(doc.objects[0].Typ, ObjectKind::QueryLabel);
    EXPECT_EQ(doc.objects[1].Typ, ObjectKind::QueryImage);
    EXPECT_EQ(doc.objects[2].Typ, ObjectKind::ImageLink);
}

} // namespace
} // namespace velunto
