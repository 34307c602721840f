// What loading (and so velunto-tool resave) makes of question documents that
// hold only their content: the page objects are built at their places. The
// stored objects of single questions are taken as they are; those of multiple
// choice are made again.

#include "content/multiplechoice/questionrecord.h"
#include "document/documentfile.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

struct Saved
{
    QTemporaryDir dir;
    Document loaded;

    // Saves document and loads it back.
    void roundTrip(Document& document)
    {
        const QString path = dir.filePath(QStringLiteral("fragen.vlt"));
        ASSERT_TRUE(saveDocument(document, path).ok);
        ASSERT_TRUE(loadDocument(loaded, path).ok);
    }

    const ObjDataTyp* find(int kind, int question, int nth = 0) const
    {
        for (const ObjDataTyp& o : loaded.objects)
            if (o.Typ == kind && o.FrageNummer == question && nth-- == 0)
                return &o;
        return nullptr;
    }
};

Document ofType(int dokTyp)
{
    Document doc;
    doc.header.DokTyp = dokTyp;
    doc.header.EinrueckRand = defaultEinrueckRand(dokTyp);
    return doc;
}

void expectAt(const ObjDataTyp* o, double x, double y)
{
    ASSERT_NE(o, nullptr);
    EXPECT_NEAR(o->Kx, x, 1e-9);
    EXPECT_NEAR(o->Ky, y, 1e-9);
}

} // namespace

TEST(QuestionFiles, SingleQuestionsHoldingOnlyTheirTextGetTheirObjects)
{
    Document doc = ofType(DokTyp::Questions);
    doc.header.fragentext = QStringLiteral("Hauptstadt von Frankreich? // Paris\r\n"
                                           "Hauptstadt von Italien? // Rom");
    Saved s;
    s.roundTrip(doc);
    EXPECT_EQ(s.loaded.header.AnzFrageNummern, 2);
    expectAt(s.find(ObjectKind::QuestionCaption, 2), 0.1, 0.175);
    expectAt(s.find(ObjectKind::QuestionText, 2), 0.1, 0.385);
    expectAt(s.find(ObjectKind::QuestionCaption, 2, 1), 0.1, 0.6);
    expectAt(s.find(ObjectKind::QuestionAnswer, 2), 0.225, 0.6);
    expectAt(s.find(ObjectKind::NavRandom, -1), 0.34, 0.775);
    EXPECT_EQ(s.find(ObjectKind::QuestionAnswer, 2)->Abdeckung, -1);

    // Saved again with an answer moved, they come back as stored.
    for (ObjDataTyp& o : s.loaded.objects)
        if (o.Typ == ObjectKind::QuestionAnswer)
            o.Kx = o.Sx = 0.5;
    Saved again;
    again.roundTrip(s.loaded);
    expectAt(again.find(ObjectKind::QuestionAnswer, 1), 0.5, 0.6);
}

TEST(QuestionFiles, MultipleChoiceHoldingOnlyItsQuestionsGetsItsObjects)
{
    Document doc = ofType(DokTyp::MultipleChoice);
    QuestionRecord r;
    r.question = QStringLiteral("Welche Zahlen sind gerade?");
    r.answers = QStringLiteral("+ 2\r\n- 3\r\n+ 4");
    ObjDataTyp q;
    q.Typ = ObjectKind::McQuestion;
    q.Text = writeQuestionRecord(r);
    q.Sx = q.Sy = q.Kx = q.Ky = -1.0;
    doc.objects.push_back(q);

    Saved s;
    s.roundTrip(doc);
    EXPECT_EQ(s.loaded.header.AnzFrageNummern, 1);
    expectAt(s.find(ObjectKind::QuestionCaption, 1), 0.05, 0.05);
    expectAt(s.find(ObjectKind::McQuestionText, 1), 0.05, 0.12);
    for (int i = 0; i < 3; ++i) {
        expectAt(s.find(ObjectKind::McAnswerBox, 1, i), 0.17, 0.36 + 0.15 * i);
        expectAt(s.find(ObjectKind::McAnswerText, 1, i), 0.23, 0.36 + 0.15 * i);
    }
    expectAt(s.find(ObjectKind::McOkButton, 1), 0.17, 0.81);
    expectAt(s.find(ObjectKind::NavFirst, -1), 0.05, 0.925);

    // The page objects are made again at each load: one moved in the file
    // is back in its place, and none is doubled.
    const int count = s.loaded.objectCount();
    for (ObjDataTyp& o : s.loaded.objects)
        if (o.Typ == ObjectKind::McOkButton)
            o.Kx = o.Sx = 0.5;
    Saved again;
    again.roundTrip(s.loaded);
    EXPECT_EQ(again.loaded.objectCount(), count);
    expectAt(again.find(ObjectKind::McOkButton, 1), 0.17, 0.81);
}
