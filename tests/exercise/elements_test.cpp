#include "exercise/elements.h"
#include "support/fixedwidthcanvas.h"

#include <gtest/gtest.h>

using namespace velunto;

TEST(Elements, ThirtyCardsStackInPiles)
{
    std::vector<Element> cards(30);
    std::vector<Element*> order;
    for (Element& e : cards) {
        e.rect = QRect(0, 0, kCardWidth, kCardHeight);
        order.push_back(&e);
    }
    const int left = stackCards(order, QSize(1000, 600));
    // Ten cards fit between the bottom and the 100-pixel mark.
    EXPECT_EQ(cards[0].rect.topLeft(), QPoint(820, 554));
    EXPECT_EQ(cards[1].rect.top(), 554 - 48);
    EXPECT_EQ(cards[9].rect.top(), 122);
    EXPECT_EQ(cards[10].rect.topLeft(), QPoint(808, 547));
    EXPECT_EQ(cards[20].rect.topLeft(), QPoint(796, 540));
    EXPECT_EQ(cards[29].rect.top(), 540 - 9 * 48);
    EXPECT_EQ(left, 796);
}

TEST(Elements, HitTestPrefersTheLeftEdgeThenTheFirstOverlap)
{
    const std::map<int, RectD> cards = {
        {3, {0.50, 0.10, 0.70, 0.20}},
        {5, {0.10, 0.10, 0.30, 0.20}},
        {8, {0.20, 0.15, 0.40, 0.30}},
    };
    const CardBounds bounds = [&](int i) -> std::optional<RectD> {
        const auto it = cards.find(i);
        return it == cards.end() ? std::nullopt : std::optional<RectD>(it->second);
    };
    const std::vector<int> candidates = {3, 5, 8};
    // The middle of the left edge lies in 8 only.
    EXPECT_EQ(hitTestCandidates(candidates, bounds, {0.35, 0.20, 0.60, 0.26}), 8);
    // The left edge lies in nothing; the element overlaps 3 and 8: the first
    // in object order wins.
    EXPECT_EQ(hitTestCandidates(candidates, bounds, {0.45, 0.18, 0.60, 0.40}), 3);
    EXPECT_EQ(hitTestCandidates(candidates, bounds, {0.80, 0.50, 0.90, 0.60}), -1);
    // Right and bottom edges belong to the next card.
    EXPECT_EQ(hitTestCandidates({5}, bounds, {0.30, 0.05, 0.32, 0.10}), -1);
}

TEST(Elements, ReturnPath)
{
    EXPECT_EQ(returnPath(QPoint(10, 10), QPoint(10, 10)), std::vector<QPoint>{QPoint(10, 10)});
    EXPECT_EQ(returnPath(QPoint(11, 10), QPoint(10, 10)), std::vector<QPoint>{QPoint(10, 10)});
    EXPECT_EQ(returnPath(QPoint(11, 11), QPoint(10, 10)),
              (std::vector<QPoint>{{11, 11}, {10, 10}}));
    const auto path = returnPath(QPoint(0, 0), QPoint(10, 0));
    EXPECT_EQ(path, (std::vector<QPoint>{{0, 0}, {2, 0}, {4, 0}, {6, 0}, {8, 0}, {10, 0}}));
    EXPECT_EQ(returnPath(QPoint(300, 400), QPoint(0, 0)).size(), 251u);
}

TEST(Elements, TextBoxSitsOnItsSide)
{
    velunto::testing::FixedWidthCanvas canvas; // characters half as wide as high
    TextBoxPlace p;
    p.kind = ObjectKind::QueryLabel;
    p.cardPoint = QPoint(400, 300);
    p.pageWidth = 870;
    p.text = QStringLiteral("Haus");
    p.characterHeight = 20;
    // " Haus" is 50 wide, less 2; a line is 20 high.
    struct Case
    {
        int side;
        QPoint topLeft;
    };
    const Case cases[] = {{Side::Right, {400, 290}},
                          {Side::Top, {376, 278}},
                          {Side::Left, {352, 290}},
                          {Side::Bottom, {376, 302}},
                          {Side::Centre, {376, 290}}};
    for (const Case& c : cases) {
        p.side = c.side;
        const QRect r = textBoxRect(canvas, p);
        EXPECT_EQ(r.topLeft(), c.topLeft) << c.side;
        EXPECT_EQ(r.width(), 48);
    }
    // With the length hint, room for MinLuecke letters; a gap card sits
    // above its point.
    p.lengthHint = true;
    p.minGap = 8;
    p.kind = ObjectKind::GapCard;
    const QRect gap = textBoxRect(canvas, p);
    EXPECT_EQ(gap.width(), 88);
    EXPECT_EQ(gap.topLeft(), QPoint(400 - 44, 300 - 20 - 4 - 2));
}

TEST(Elements, PageMappingRoundTrip)
{
    const PageMapping m = fitPageMapping(QRect(0, 0, 600, 700), QSizeF(800, 560));
    EXPECT_EQ(m.picture, QRect(0, 140, 600, 420));
    EXPECT_EQ(m.areaPoint(0.5, 0.5), QPoint(300, 350));
    const QPointF back = m.toPage(m.toArea(QPointF(0.25, 0.75)));
    EXPECT_DOUBLE_EQ(back.x(), 0.25);
    EXPECT_DOUBLE_EQ(back.y(), 0.75);
}
