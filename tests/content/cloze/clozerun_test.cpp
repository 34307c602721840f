#include "content/cloze/clozebuilder.h"
#include "content/cloze/clozecontent.h"
#include "exercise/runfixture.h"

#include <gtest/gtest.h>

namespace velunto::testing {
namespace {

// A cloze built as the editor builds it, run by the exercise engine; the
// test draws each gap card where the view would: above its anchor.
class ClozeRun : public RunFixture
{
  public:
    void build(int subType, const QString& text, const QString& wrongWords = {})
    {
        startClozeDocument(doc, subType);
        doc.header.lueckentext = text;
        doc.header.fragentext = wrongWords;
        buildCloze(doc, true);
        for (int i = 0; i < doc.objectCount(); ++i) {
            const ObjDataTyp& o = doc.objects[i];
            if (o.Typ == ObjectKind::GapCard)
                bounds[i] = {o.Kx - 0.04, o.Ky - 0.05, o.Kx + 0.04, o.Ky};
        }
    }

    int gap(const QString& answer) const
    {
        for (int i = 0; i < doc.objectCount(); ++i)
            if (doc.objects[i].Typ == ObjectKind::GapCard && doc.objects[i].Text == answer)
                return i;
        return -1;
    }

    int wordCard(const QString& word) const
    {
        const auto& e = run->elements();
        for (size_t k = 0; k < e.size(); ++k) {
            const ObjDataTyp& o = doc.objects[e[k].object];
            if (o.Typ == ObjectKind::DistractorCard && o.Text == word && e[k].takesPart())
                return int(k);
        }
        return -1;
    }
};

TEST_F(ClozeRun, DraggedAnswersAndAWrongWordUntilEveryGapIsFilled)
{
    build(ClozeSubType::FlowingWithWrongWords,
          QStringLiteral("Der <<Hund>> bellt,\r\ndie <<Katze | Mieze>> miaut."),
          QStringLiteral("Maus\r\n \r\n"));
    const int dog = gap(QStringLiteral("Hund"));
    const int cat = gap(QStringLiteral("Katze"));
    ExerciseRun& r = started();
    EXPECT_EQ(r.instruction(),
              QStringLiteral("Ziehe die Lückentexte an die jeweils richtige Position!"));
    // two answer cards, the first alternatives, and the wrong word beside them
    EXPECT_GE(cardFor(dog), 0);
    EXPECT_EQ(r.elements()[size_t(cardFor(cat))].caption, QStringLiteral("Katze"));
    ASSERT_GE(wordCard(QStringLiteral("Maus")), 0);

    drop(wordCard(QStringLiteral("Maus")), dog);
    EXPECT_EQ(state(dog), ExerciseState::Open);
    drop(cardFor(dog), dog);
    drop(cardFor(cat), cat);
    EXPECT_EQ(state(cat), ExerciseState::Solved);
    // the wrong word has no place: the run ends when the gaps are filled
    EXPECT_EQ(r.endReason(), EndReason::Finished);
    EXPECT_EQ(r.correctCount(), 2.0);
    EXPECT_EQ(r.wrongCount(), 1.0);
    EXPECT_EQ(host.resultsShown, 1);
}

TEST_F(ClozeRun, TypedAnswersAcceptEveryAlternativeAsWritten)
{
    settings.generalOptions.QueryMode = QueryMode::TextEntry;
    build(ClozeSubType::Flowing,
          QStringLiteral("Ein Hund hat <<vier | Vier | 4>> Beine und <<einen>> Schwanz."));
    ExerciseRun& r = started();
    EXPECT_EQ(r.instruction(), QStringLiteral("Fülle die Textlücken richtig aus!"));
    r.setTypedText(r.elementOfObject(gap(QStringLiteral("vier"))), QStringLiteral("Vier"));
    r.setTypedText(r.elementOfObject(gap(QStringLiteral("einen"))), QStringLiteral("ein"));
    for (size_t k = 0; k < r.elements().size(); ++k) {
        if (r.elements()[k].kind == ElementKind::CheckButton)
            r.click(int(k));
    }
    EXPECT_EQ(r.protocolDetailLines().mid(1),
              QStringList({QStringLiteral("00:00 - RICHTIG - alternative Texteingabe \"Vier\" für "
                                          "\"vier\" eingegeben"),
                           QStringLiteral("00:00 - FALSCH - Texteingabe \"ein\" statt \"einen\" "
                                          "eingegeben")}));
    EXPECT_EQ(r.endReason(), EndReason::Finished);
}

} // namespace
} // namespace velunto::testing
