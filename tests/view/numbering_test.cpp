#include "common/random.h"
#include "document/document.h"
#include "view/hittest.h"
#include "view/numbering.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velunto;

namespace {

ObjDataTyp object(int kind, double kx, double ky, const QString& text = {})
{
    ObjDataTyp o;
    o.Typ = kind;
    o.Kx = kx;
    o.Ky = ky;
    o.Text = text;
    o.Ebene = Layer::TextsAndImages;
    o.Abdeckung = -1;
    return o;
}

std::vector<int> numbers(const Document& doc)
{
    std::vector<int> result;
    for (const ObjDataTyp& o : doc.objects)
        result.push_back(o.Nummer);
    return result;
}

} // namespace

TEST(Numbering, Labels)
{
    struct Case
    {
        int nummer, numArt;
        const char* label;
    };
    const Case cases[] = {{-1, 0, "?"}, {0, 1, "?"},   {1, 0, "1"},   {27, 0, "27"},  {1, 1, "A"},
                          {26, 1, "Z"}, {27, 1, "A'"}, {52, 1, "Z'"}, {53, 1, "A''"}, {3, 2, "3"}};
    for (const Case& c : cases)
        EXPECT_EQ(numberLabel(c.nummer, c.numArt), QString::fromUtf8(c.label))
            << c.nummer << " " << c.numArt;
}

TEST(Numbering, OrderedTopToBottomThenLeftToRight)
{
    Document doc;
    doc.objects = {
        object(ObjectKind::QueryLabel, 0.5, 0.6), object(ObjectKind::FixedLabel, 0.1, 0.1),
        object(ObjectKind::QueryImage, 0.7, 0.2), object(ObjectKind::QueryLabel, 0.2, 0.2),
        object(ObjectKind::GapCard, 0.9, 0.05)};
    Session session;
    ViewState view{session};
    RandomSource random;

    const auto list = numberObjects(doc, view, NumberingMode::Ordered, random);
    EXPECT_EQ(numbers(doc), (std::vector<int>{4, -1, 3, 2, 1}));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].objectIndex, 4);
    EXPECT_EQ(list[1].objectIndex, 3);
    EXPECT_EQ(list[1].textIndex, 3);

    numberObjects(doc, view, NumberingMode::QuestionMarks, random);
    EXPECT_EQ(numbers(doc), (std::vector<int>{0, -1, 0, 0, 0}));
}

TEST(Numbering, AlphabeticalIgnoresCase)
{
    Document doc;
    doc.header.GeordnetArt = 1;
    doc.objects = {object(ObjectKind::QueryLabel, 0, 0.1, "birne"),
                   object(ObjectKind::QueryLabel, 0, 0.2, "Apfel"),
                   object(ObjectKind::QueryLabel, 0, 0.3, "apfelsine"),
                   object(ObjectKind::QueryLabel, 0, 0.4, "Banane")};
    Session session;
    ViewState view{session};
    RandomSource random;
    numberObjects(doc, view, NumberingMode::Ordered, random);
    EXPECT_EQ(numbers(doc), (std::vector<int>{4, 1, 2, 3}));
}

TEST(Numbering, AmongEqualKeysTheFirstFoundIsTakenFirst)
{
    // Texts equal but for case, and positions equal in Ky and Kx: the sort
    // takes the first of equal smallest entries, never a later one.
    const struct
    {
        const char* name;
        int geordnetArt;
        std::vector<ObjDataTyp> objects;
        std::vector<int> numbers;
    } cases[] = {
        {"alphabetical",
         1,
         {object(ObjectKind::QueryLabel, 0, 0.1, "Birne"),
          object(ObjectKind::QueryLabel, 0, 0.2, "apfel"),
          object(ObjectKind::QueryLabel, 0, 0.3, "Apfel")},
         {3, 1, 2}},
        {"top to bottom",
         0,
         {object(ObjectKind::QueryLabel, 0.5, 0.5), object(ObjectKind::QueryLabel, 0.1, 0.1),
          object(ObjectKind::QueryLabel, 0.5, 0.5)},
         {2, 1, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        doc.header.GeordnetArt = c.geordnetArt;
        doc.objects = c.objects;
        Session session;
        ViewState view{session};
        RandomSource random;
        numberObjects(doc, view, NumberingMode::Ordered, random);
        EXPECT_EQ(numbers(doc), c.numbers);
    }
}

TEST(Numbering, RandomIsAPermutationFromTheProgramsGenerator)
{
    Document doc;
    for (int i = 0; i < 12; ++i)
        doc.objects.push_back(object(ObjectKind::QueryLabel, 0.1, 0.05 * i));
    Session session;
    ViewState view{session};
    RandomSource a(4711);
    RandomSource b(4711);
    numberObjects(doc, view, NumberingMode::Random, a);
    std::vector<int> first = numbers(doc);
    numberObjects(doc, view, NumberingMode::Random, b);
    EXPECT_EQ(numbers(doc), first);
    EXPECT_NE(a.seed(), 4711u); // the generator was used

    std::vector<int> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(sorted[i], i + 1);
    EXPECT_NE(first, sorted);
}

TEST(Numbering, HiddenFieldsLoseTheirNumber)
{
    Document doc;
    doc.objects = {object(ObjectKind::QueryLabel, 0, 0.1), object(ObjectKind::QueryLabel, 0, 0.2),
                   object(ObjectKind::QueryLabel, 0, 0.3)};
    doc.objects[1].Ebene = Layer::Layout;
    Session session;
    ViewState view{session};
    RandomSource random;
    numberObjects(doc, view, NumberingMode::Ordered, random);
    EXPECT_EQ(numbers(doc), (std::vector<int>{1, 2, 3}));

    view.layers[Layer::Layout] = false;
    numberObjects(doc, view, NumberingMode::Ordered, random);
    EXPECT_EQ(numbers(doc), (std::vector<int>{1, -1, 2}));
}

TEST(Numbering, AnswerBoxesGetOnePermutationPerQuestion)
{
    Document doc;
    doc.header.DokTyp = DokTyp::MultipleChoice;
    auto box = [](int question, int answers) {
        ObjDataTyp o;
        o.Typ = ObjectKind::McAnswerBox;
        o.FrageNummer = question;
        o.AntwortAnz = answers;
        return o;
    };
    doc.objects = {box(1, 3), box(1, 3), box(1, 3), box(2, 2), box(2, 2)};
    Session session;
    ViewState view{session};
    RandomSource random(99);

    numberObjects(doc, view, NumberingMode::Ordered, random);
    EXPECT_EQ(numbers(doc), (std::vector<int>{1, 2, 3, 1, 2}));

    numberObjects(doc, view, NumberingMode::Random, random);
    std::vector<int> n = numbers(doc);
    std::sort(n.begin(), n.begin() + 3);
    std::sort(n.begin() + 3, n.end());
    EXPECT_EQ(n, (std::vector<int>{1, 2, 3, 1, 2}));

    numberObjects(doc, view, NumberingMode::QuestionMarks, random);
    EXPECT_EQ(numbers(doc), (std::vector<int>{0, 0, 0, 0, 0}));
}

namespace {

// Objects whose drawn cards all cover the page point (0.5, 0.5).
struct DrawnPage
{
    Document doc;
    DrawnCards cards;

    void add(int kind, int z)
    {
        ObjDataTyp o = object(kind, 0.5, 0.5);
        o.ZIndex = z;
        doc.objects.push_back(o);
        cards.remember(doc.objectCount() - 1, QRect(40, 40, 20, 20), QSize(100, 100));
    }
};

} // namespace

TEST(HitTest, HigherZIndexThenLaterObjectWins)
{
    DrawnPage p;
    p.add(ObjectKind::QueryLabel, 0);
    p.add(ObjectKind::QueryLabel, 2);
    p.add(ObjectKind::QueryImage, 2);
    p.add(ObjectKind::QueryLabel, 1);
    Session session;
    ViewState view{session};
    EXPECT_EQ(hitTest(p.doc, view, p.cards, {0.5, 0.5}), 2);
    p.doc.objects[3].ZIndex = 3;
    EXPECT_EQ(hitTest(p.doc, view, p.cards, {0.5, 0.5}), 3);
    EXPECT_EQ(hitTest(p.doc, view, p.cards, {0.6, 0.5}), -1); // right edge is outside
    EXPECT_EQ(hitTest(p.doc, view, p.cards, {0.4, 0.4}), 3);  // top-left corner is inside
}

TEST(HitTest, OnlyShownAndClickableObjectsAreHit)
{
    DrawnPage p;
    p.add(ObjectKind::QueryLabel, 0);
    p.add(ObjectKind::FixedLabel, 5);
    Session session;
    ViewState view{session};
    // A fixed label above the query label does not catch the click ...
    EXPECT_EQ(hitTest(p.doc, view, p.cards, {0.5, 0.5}), 0);
    // ... except in the object editor.
    session.setEditorOpen(true);
    EXPECT_EQ(hitTest(p.doc, view, p.cards, {0.5, 0.5}), 1);
    session.setEditorOpen(false);

    // An info point on a switched-off layer is neither drawn nor clickable.
    DrawnPage points;
    points.add(ObjectKind::InfoPoint, 0);
    points.doc.objects[0].Ebene = Layer::InfoPoints;
    points.doc.objects[0].PunktInUebung = 1;
    EXPECT_EQ(hitTest(points.doc, view, points.cards, {0.5, 0.5}), 0);
    view.layers[Layer::InfoPoints] = false;
    EXPECT_EQ(hitTest(points.doc, view, points.cards, {0.5, 0.5}), -1);
    session.setMode(AppMode::Exercise); // an exercise shows every layer
    EXPECT_EQ(hitTest(points.doc, view, points.cards, {0.5, 0.5}), 0);

    // Per-question kinds only for the current question; hidden cross
    // assignment elements and objects never drawn are never hit.
    DrawnPage q;
    q.add(ObjectKind::QuestionAnswer, 0);
    q.add(ObjectKind::PairQueryText, 0);
    q.doc.objects.push_back(object(ObjectKind::QueryLabel, 0.5, 0.5));
    q.doc.objects[0].FrageNummer = 2;
    q.doc.objects[1].Sichtbar = 0;
    Session questionSession;
    ViewState questions{questionSession};
    EXPECT_EQ(hitTest(q.doc, questions, q.cards, {0.5, 0.5}), -1);
    questionSession.setCurrentQuestion(2);
    EXPECT_EQ(hitTest(q.doc, questions, q.cards, {0.5, 0.5}), 0);
    q.doc.objects[1].Sichtbar = 1;
    EXPECT_EQ(hitTest(q.doc, questions, q.cards, {0.5, 0.5}), 1);
}

TEST(HitTest, AnExerciseReachesOnlyWhatOpensThere)
{
    struct Case
    {
        int kind;
        int punktInUebung;
        bool hit;
    };
    // The author's "Auch in der Übung verfügbar" decides for the points and
    // links of the page; those of a multiple-choice question always open.
    const Case cases[] = {
        {ObjectKind::QueryLabel, 1, false},     {ObjectKind::InfoPoint, 0, false},
        {ObjectKind::InfoPoint, 1, true},       {ObjectKind::ImageLink, 1, true},
        {ObjectKind::TableImageLink, 0, false}, {ObjectKind::McLink, 0, true},
        {ObjectKind::McInfoPoint, 0, true},
    };
    for (const Case& c : cases) {
        DrawnPage p;
        p.add(c.kind, 0);
        p.doc.objects[0].PunktInUebung = c.punktInUebung;
        p.doc.objects[0].FrageNummer = 1;
        Session session;
        session.setMode(AppMode::Exercise);
        ViewState view{session};
        EXPECT_EQ(hitTest(p.doc, view, p.cards, {0.5, 0.5}) == 0, c.hit) << c.kind;
    }
}
