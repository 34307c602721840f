#include "common/random.h"
#include "document/document.h"
#include "view/hittest.h"
#include "view/numbering.h"

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
    doc.objects = {object(0, 0.5, 0.6), object(1, 0.1, 0.1), object(6, 0.7, 0.2),
                   object(0, 0.2, 0.2), object(3, 0.9, 0.05)};
    ViewState view;
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
    doc.objects = {object(0, 0, 0.1, "birne"), object(0, 0, 0.2, "Apfel"),
                   object(0, 0, 0.3, "apfelsine"), object(0, 0, 0.4, "Banane")};
    ViewState view;
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
         {object(0, 0, 0.1, "Birne"), object(0, 0, 0.2, "apfel"), object(0, 0, 0.3, "Apfel")},
         {3, 1, 2}},
        {"top to bottom",
         0,
         {object(0, 0.5, 0.5), object(0, 0.1, 0.1), object(0, 0.5, 0.5)},
         {2, 1, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        doc.header.GeordnetArt = c.geordnetArt;
        doc.objects = c.objects;
        ViewState view;
        RandomSource random;
        numberObjects(doc, view, NumberingMode::Ordered, random);
        EXPECT_EQ(numbers(doc), c.numbers);
    }
}

TEST(Numbering, RandomIsAPermutationFromTheProgramsGenerator)
{
    Document doc;
    for (int i = 0; i < 12; ++i)
        doc.objects.push_back(object(0, 0.1, 0.05 * i));
    ViewState view;
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
    doc.objects = {object(0, 0, 0.1), object(0, 0, 0.2), object(0, 0, 0.3)};
    doc.objects[1].Ebene = Layer::Layout;
    ViewState view;
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
        o.Typ = 24;
        o.FrageNummer = question;
        o.AntwortAnz = answers;
        return o;
    };
    doc.objects = {box(1, 3), box(1, 3), box(1, 3), box(2, 2), box(2, 2)};
    ViewState view;
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
ObjDataTyp drawnAt(int kind, int z)
{
    ObjDataTyp o = object(kind, 0.5, 0.5);
    o.ZIndex = z;
    o.drawnBounds = {0.4, 0.4, 0.6, 0.6};
    return o;
}

} // namespace

TEST(HitTest, HigherZIndexThenLaterObjectWins)
{
    Document doc;
    doc.objects = {drawnAt(0, 0), drawnAt(0, 2), drawnAt(6, 2), drawnAt(0, 1)};
    ViewState view;
    EXPECT_EQ(hitTest(doc, view, {0.5, 0.5}), 2);
    doc.objects[3].ZIndex = 3;
    EXPECT_EQ(hitTest(doc, view, {0.5, 0.5}), 3);
    EXPECT_EQ(hitTest(doc, view, {0.6, 0.5}), -1); // right edge is outside
    EXPECT_EQ(hitTest(doc, view, {0.4, 0.4}), 3);  // top-left corner is inside
}

TEST(HitTest, OnlyShownAndClickableObjectsAreHit)
{
    Document doc;
    doc.objects = {drawnAt(0, 0), drawnAt(1, 5)};
    ViewState view;
    // A fixed label above the query label does not catch the click ...
    EXPECT_EQ(hitTest(doc, view, {0.5, 0.5}), 0);
    // ... except in the object editor.
    view.editorOpen = true;
    EXPECT_EQ(hitTest(doc, view, {0.5, 0.5}), 1);
    view.editorOpen = false;

    // An info point on a switched-off layer is neither drawn nor clickable.
    Document points;
    points.objects = {drawnAt(2, 0)};
    points.objects[0].Ebene = Layer::InfoPoints;
    EXPECT_EQ(hitTest(points, view, {0.5, 0.5}), 0);
    view.layers[Layer::InfoPoints] = false;
    EXPECT_EQ(hitTest(points, view, {0.5, 0.5}), -1);
    view.mode = AppMode::Exercise; // an exercise shows every layer
    EXPECT_EQ(hitTest(points, view, {0.5, 0.5}), 0);

    // Per-question kinds only for the current question; hidden cross
    // assignment elements and objects never drawn are never hit.
    Document q;
    q.objects = {drawnAt(10, 0), drawnAt(51, 0), object(0, 0.5, 0.5)};
    q.objects[0].FrageNummer = 2;
    q.objects[1].Sichtbar = 0;
    ViewState questions;
    EXPECT_EQ(hitTest(q, questions, {0.5, 0.5}), -1);
    questions.currentQuestion = 2;
    EXPECT_EQ(hitTest(q, questions, {0.5, 0.5}), 0);
    q.objects[1].Sichtbar = 1;
    EXPECT_EQ(hitTest(q, questions, {0.5, 0.5}), 1);
}
