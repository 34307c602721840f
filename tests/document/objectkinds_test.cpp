#include "content/contentregistry.h"
#include "document/objectkinds.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velunto;

TEST(ObjectKinds, EveryKindOnceInOrder)
{
    const auto kinds = allKinds();
    std::vector<int> numbers;
    for (const KindInfo& k : kinds)
        numbers.push_back(k.kind);
    using namespace ObjectKind;
    const std::vector<int> expected = {
        QueryLabel,      FixedLabel,       InfoPoint,        GapCard,           ExternalLink,
        DocumentLink,    QueryImage,       FixedImage,       ImageLink,         QuestionAnswer,
        QuestionText,    NavPrevious,      NavNext,          NavFirst,          NavLast,
        NavRandom,       QuestionCaption,  McQuestion,       McImageQuestion,   McQuestionText,
        McQuestionImage, McAnswerBox,      McAnswerText,     McOkButton,        McAnswerImage,
        McInfoPoint,     McLink,           TableFixedImage,  TableQueryImage,   TableImageLink,
        TableQueryText,  ClusterFixedText, ClusterQueryText, ClusterFixedImage, ClusterQueryImage,
        PairFixedText,   PairQueryText,    PairFixedImage,   PairQueryImage,    CrosswordCell,
        DistractorCard};
    EXPECT_EQ(numbers, expected);
    // Numbers between the groups are no kinds.
    EXPECT_EQ(findKind(ImageLink + 1), nullptr);
    EXPECT_EQ(findKind(-1), nullptr);
    EXPECT_FALSE(isQueryKind(ImageLink + 1));
    EXPECT_EQ(findKind(ObjectKind::McLink)->kind, ObjectKind::McLink);
    EXPECT_STREQ(findKind(ObjectKind::DistractorCard)->name, "DistractorCard");
}

// The kind sets as the learning view, the object editor and the exercise
// describe them: one flipped flag in the table shows here.
TEST(ObjectKinds, SetsReadFromTheTable)
{
    struct Case
    {
        const char* set;
        std::uint32_t flag;
        std::vector<int> kinds;
    };
    using namespace ObjectKind;
    const Case cases[] = {
        {"fixed",
         KindFlag::Fixed,
         {FixedLabel, InfoPoint, ExternalLink, DocumentLink, FixedImage, ImageLink, McInfoPoint,
          McLink, TableFixedImage, TableImageLink, ClusterFixedText, ClusterFixedImage,
          PairFixedText, PairFixedImage}},
        {"query",
         KindFlag::Query,
         {QueryLabel, GapCard, QueryImage, TableQueryImage, TableQueryText, ClusterQueryText,
          ClusterQueryImage, PairQueryText, PairQueryImage, CrosswordCell}},
        {"coverable",
         KindFlag::Coverable,
         {QueryLabel, GapCard, QueryImage, QuestionAnswer, McAnswerBox, TableQueryImage,
          TableQueryText, ClusterQueryText, ClusterQueryImage, PairQueryText, PairQueryImage,
          CrosswordCell}},
        {"covered box",
         KindFlag::CoveredBox,
         {QueryLabel, GapCard, QueryImage, QuestionAnswer, McAnswerBox, TableQueryImage,
          TableQueryText, CrosswordCell}},
        {"numbered",
         KindFlag::Numbered,
         {QueryLabel, GapCard, QueryImage, TableQueryImage, TableQueryText, ClusterQueryText,
          ClusterQueryImage, PairQueryText, PairQueryImage, CrosswordCell}},
        {"order list",
         KindFlag::OrderList,
         {QueryLabel, GapCard, QueryImage, McQuestion, McImageQuestion, TableQueryImage,
          TableQueryText, ClusterQueryText, ClusterQueryImage, PairQueryText, PairQueryImage,
          CrosswordCell}},
        {"clickable",
         KindFlag::ClickableInView,
         {QueryLabel,       InfoPoint,         GapCard,         ExternalLink,   DocumentLink,
          QueryImage,       ImageLink,         NavPrevious,     NavNext,        NavFirst,
          NavLast,          NavRandom,         TableQueryImage, TableImageLink, TableQueryText,
          ClusterQueryText, ClusterQueryImage, PairQueryText,   PairQueryImage, CrosswordCell}},
        {"clickable as question",
         KindFlag::ClickableAsQuestion,
         {QuestionAnswer, McAnswerBox, McInfoPoint, McLink}},
        {"clickable in the editor",
         KindFlag::ClickableInEditor,
         {QueryLabel, FixedLabel, InfoPoint, ExternalLink, DocumentLink, QueryImage, FixedImage,
          ImageLink}},
        {"opens in an exercise",
         KindFlag::ClickableInExercise,
         {InfoPoint, ExternalLink, DocumentLink, ImageLink, McInfoPoint, McLink, TableImageLink}},
        {"authored",
         KindFlag::Authored,
         {QueryLabel, FixedLabel, InfoPoint, ExternalLink, DocumentLink, QueryImage, FixedImage,
          ImageLink, McQuestion, McImageQuestion}},
        {"editor kinds",
         KindFlag::EditorKind,
         {QueryLabel, FixedLabel, InfoPoint, ExternalLink, DocumentLink, QueryImage, FixedImage,
          ImageLink}},
        {"deleted with all",
         KindFlag::DeletedWithAll,
         {QueryLabel, FixedLabel, InfoPoint, GapCard, ExternalLink, DocumentLink, QueryImage,
          FixedImage, ImageLink}},
        {"points", KindFlag::PointKind, {InfoPoint, ExternalLink, DocumentLink}},
        {"pictures", KindFlag::PictureKind, {QueryImage, FixedImage, ImageLink}},
        {"texts", KindFlag::TextKind, {QueryLabel, FixedLabel, InfoPoint}},
        {"link path", KindFlag::LinkPath, {ExternalLink, DocumentLink, ImageLink}},
        {"password", KindFlag::Password, {InfoPoint, ExternalLink, ImageLink}},
        {"stored picture",
         KindFlag::StoresPicture,
         {QueryImage, FixedImage, ImageLink, McImageQuestion}},
        {"answer box",
         KindFlag::AnswerBox,
         {QueryLabel, GapCard, QueryImage, QuestionAnswer, TableQueryImage, TableQueryText,
          CrosswordCell}},
        {"shows answer",
         KindFlag::ShowsAnswer,
         {QueryLabel, GapCard, QueryImage, QuestionAnswer, McAnswerBox, TableQueryImage,
          TableQueryText, CrosswordCell}},
        {"off worksheets",
         KindFlag::OffWorksheet,
         {InfoPoint, ExternalLink, DocumentLink, McInfoPoint, McLink}},
        {"askable",
         KindFlag::Askable,
         {QueryLabel, GapCard, QueryImage, QuestionAnswer, McQuestion, McImageQuestion,
          TableQueryImage, TableQueryText, ClusterQueryText, ClusterQueryImage, PairQueryText,
          PairQueryImage, CrosswordCell}},
        {"text entry", KindFlag::TextEntry, {QueryLabel, GapCard, CrosswordCell}},
        {"hideable",
         KindFlag::Hideable,
         {PairFixedText, PairQueryText, PairFixedImage, PairQueryImage}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kindsWith(c.flag), c.kinds) << c.set;
}

TEST(ObjectKinds, WhatAClickOpens)
{
    EXPECT_EQ(pointOpening(ObjectKind::InfoPoint), PointOpening::InfoText);
    EXPECT_EQ(pointOpening(ObjectKind::McInfoPoint), PointOpening::InfoText);
    for (int kind : {ObjectKind::ExternalLink, ObjectKind::ImageLink, ObjectKind::McLink,
                     ObjectKind::TableImageLink})
        EXPECT_EQ(pointOpening(kind), PointOpening::ExternalTarget) << kind;
    EXPECT_EQ(pointOpening(ObjectKind::DocumentLink), PointOpening::TopicDocument);
    EXPECT_EQ(pointOpening(ObjectKind::QueryLabel), PointOpening::None);

    // In an exercise the page points open only where the author allowed it;
    // those of a multiple-choice question always.
    ObjDataTyp o;
    o.Typ = ObjectKind::ExternalLink;
    EXPECT_FALSE(opensInExercise(o));
    o.PunktInUebung = 1;
    EXPECT_TRUE(opensInExercise(o));
    o.Typ = ObjectKind::McLink;
    o.PunktInUebung = 0;
    EXPECT_TRUE(opensInExercise(o));
    o.Typ = ObjectKind::QueryLabel;
    o.PunktInUebung = 1;
    EXPECT_FALSE(opensInExercise(o));

    EXPECT_EQ(questionStep(ObjectKind::NavRandom), QuestionStep::Random);
    EXPECT_EQ(questionStep(ObjectKind::QuestionAnswer), QuestionStep::None);
    EXPECT_EQ(defaultPointTitle(ObjectKind::DocumentLink), QStringLiteral("Dok."));
    EXPECT_EQ(pointColour(ObjectKind::ExternalLink), 0x2F35A4);
    EXPECT_EQ(objectKindName(ObjectKind::ImageLink), QStringLiteral("Bild-Link"));
    EXPECT_TRUE(objectKindName(ObjectKind::GapCard).isEmpty());

    // What a content type owns, the gap cards among the low kinds and the
    // questions of a multiple choice among the authored ones.
    EXPECT_TRUE(isContentKind(ObjectKind::GapCard));
    EXPECT_TRUE(isContentKind(ObjectKind::McQuestion));
    EXPECT_TRUE(isContentKind(ObjectKind::DistractorCard));
    EXPECT_FALSE(isContentKind(ObjectKind::ImageLink));
}

// What the content types register agrees with the kind table.
TEST(ObjectKinds, RegisteredTypesAgreeWithTheTable)
{
    for (const ContentType& t : contentRegistry().types()) {
        SCOPED_TRACE(t.dokTyp);
        for (int kind : t.ownedKinds) {
            ASSERT_NE(findKind(kind), nullptr) << kind;
            EXPECT_EQ(findKind(kind)->owner, t.dokTyp) << kind;
            EXPECT_FALSE(isAuthoredKind(kind)) << kind;
        }
        for (int kind : t.askedKinds)
            EXPECT_TRUE(kindHas(kind, KindFlag::Askable)) << kind;
        for (int kind : t.textEntryKinds)
            EXPECT_TRUE(kindHas(kind, KindFlag::TextEntry)) << kind;
        for (const auto& [kind, painter] : t.painters)
            EXPECT_EQ(findKind(kind)->drawnBy, DrawnBy::ContentType) << kind;
    }
    // Every type of the program is registered.
    for (int typ = DokTyp::Free; typ <= DokTyp::Crossword; ++typ)
        EXPECT_NE(contentRegistry().find(typ, 0), nullptr) << typ;
}
