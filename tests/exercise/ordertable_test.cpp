#include "common/random.h"
#include "document/document.h"
#include "exercise/ordertable.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velunto;

namespace {

int add(Document& doc, int kind, const char* text, double x, double y, int cover = -5)
{
    ObjDataTyp o;
    o.Typ = kind;
    o.Text = QString::fromUtf8(text);
    o.Kx = x;
    o.Ky = y;
    o.Abdeckung = cover;
    doc.objects.push_back(o);
    return doc.objectCount() - 1;
}

std::vector<int> texts(const std::vector<OrderTableEntry>& table)
{
    std::vector<int> r;
    for (const auto& e : table)
        r.push_back(e.textIndex);
    return r;
}

std::vector<int> positions(const std::vector<OrderTableEntry>& table)
{
    std::vector<int> r;
    for (const auto& e : table)
        r.push_back(e.positionIndex);
    return r;
}

bool askedLabel(int kind)
{
    return kind == ObjectKind::QueryLabel || kind == ObjectKind::QueryImage ||
           kind == ObjectKind::GapCard;
}

} // namespace

TEST(OrderTable, CardAndPositionOrders)
{
    Document doc;
    const int kiwi = add(doc, 0, "kiwi", 0.5, 0.5);
    add(doc, 1, "fest", 0.1, 0.1);
    const int apfel = add(doc, 0, "Apfel", 0.9, 0.2);
    const int birne = add(doc, 0, "birne", 0.1, 0.2);
    const int done = add(doc, 0, "Aal", 0.1, 0.05, 0); // solved: not asked
    (void)done;

    struct Case
    {
        int cardOrder, positionOrder, geordnetArt;
        std::vector<int> texts;     // empty: any permutation
        std::vector<int> positions; // empty: any permutation
    };
    const Case cases[] = {
        // Alphabetical cards without regard to case; positions top to bottom,
        // left to right on one height.
        {0, 0, 0, {apfel, birne, kiwi}, {birne, apfel, kiwi}},
        // Positions alphabetical by their texts.
        {0, 0, 1, {apfel, birne, kiwi}, {apfel, birne, kiwi}},
        {1, 0, 0, {}, {birne, apfel, kiwi}},
        // Random numbers: only the position column moves.
        {0, 1, 0, {apfel, birne, kiwi}, {}},
        {0, 2, 0, {apfel, birne, kiwi}, {}},
    };
    for (const Case& c : cases) {
        doc.header.GeordnetArt = c.geordnetArt;
        ExerciseOptions options;
        options.CardOrder = c.cardOrder;
        options.PositionOrder = c.positionOrder;
        RandomSource random(99);
        const auto table = buildOrderTable(doc, options, askedLabel, random).entries;
        SCOPED_TRACE(::testing::Message() << c.cardOrder << c.positionOrder << c.geordnetArt);
        auto sorted = [](std::vector<int> v) {
            std::sort(v.begin(), v.end());
            return v;
        };
        const std::vector<int> all = sorted({kiwi, apfel, birne});
        EXPECT_EQ(sorted(texts(table)), all);
        EXPECT_EQ(sorted(positions(table)), all);
        if (!c.texts.empty()) {
            EXPECT_EQ(texts(table), c.texts);
        }
        if (!c.positions.empty()) {
            EXPECT_EQ(positions(table), c.positions);
        }
    }
}

TEST(OrderTable, SameSeedSameTable)
{
    Document doc;
    for (int i = 0; i < 12; ++i)
        add(doc, 0, "x", 0.05 * i, 0.5);
    ExerciseOptions options; // random cards and positions
    RandomSource first(7), second(7), other(8);
    const auto a = buildOrderTable(doc, options, askedLabel, first).entries;
    EXPECT_EQ(a, buildOrderTable(doc, options, askedLabel, second).entries);
    EXPECT_NE(a, buildOrderTable(doc, options, askedLabel, other).entries);
}

TEST(OrderTable, TextEntryKeepsTheIndexOrder)
{
    Document doc;
    add(doc, 0, "zeta", 0.9, 0.9);
    add(doc, 0, "alpha", 0.1, 0.1);
    ExerciseOptions options;
    options.QueryMode = QueryMode::TextEntry;
    options.CardOrder = 0;
    options.PositionOrder = 0;
    RandomSource random(1);
    const auto table = buildOrderTable(doc, options, askedLabel, random).entries;
    EXPECT_EQ(table, (std::vector<OrderTableEntry>{{0, 0}, {1, 1}}));
}

TEST(OrderTable, WrongWordsJoinWithoutAPosition)
{
    Document doc;
    doc.header.DokTyp = DokTyp::Cloze;
    doc.header.DokUnterTyp = ClozeSubType::FlowingWithWrongWords;
    const int gapB = add(doc, ObjectKind::GapCard, "Berg", 0.5, 0.5);
    const int wrong = add(doc, ObjectKind::DistractorCard, "Tal", 0.0, 0.0, -1);
    const int gapA = add(doc, ObjectKind::GapCard, "Au", 0.5, 0.2);
    for (int mode : {QueryMode::Free, QueryMode::SingleCards, QueryMode::SinglePositions}) {
        ExerciseOptions options;
        options.QueryMode = mode;
        options.CardOrder = 0;
        options.PositionOrder = 0;
        RandomSource random(3);
        const auto table = buildOrderTable(doc, options, askedLabel, random).entries;
        if (mode == QueryMode::SingleCards) {
            EXPECT_EQ(table.size(), 2u);
            continue;
        }
        // Sorted cards (Au, Berg, Tal); the gaps numbered top to bottom, the
        // wrong word's entry has no position and takes no part in that sort.
        EXPECT_EQ(texts(table), (std::vector<int>{gapA, gapB, wrong})) << mode;
        EXPECT_EQ(positions(table), (std::vector<int>{gapA, gapB, -1})) << mode;
    }
}

TEST(OrderTable, SelectionSortLetsTheFirstOfEqualsWin)
{
    // Not stable: the exchange moves the first item behind its equal.
    std::vector<std::pair<int, char>> items = {{2, 'a'}, {1, 'b'}, {2, 'c'}, {1, 'd'}};
    selectionSort(items, [](const auto& x, const auto& y) { return x.first < y.first; });
    const std::vector<std::pair<int, char>> expected = {{1, 'b'}, {1, 'd'}, {2, 'c'}, {2, 'a'}};
    EXPECT_EQ(items, expected);
}
