#include "view/cardplacement.h"

#include <gtest/gtest.h>

using namespace velunto;

TEST(CardPlacement, AutomaticSideFollowsTheDirectionInPixels)
{
    struct Case
    {
        QPointF anchor, card;
        double aspect;
        bool line;
        int side;
    };
    const Case cases[] = {
        {{0.5, 0.5}, {0.7, 0.5}, 1.0, true, Side::Right},
        {{0.5, 0.5}, {0.3, 0.45}, 1.0, true, Side::Left},
        {{0.5, 0.5}, {0.5, 0.2}, 1.0, true, Side::Top},
        {{0.5, 0.5}, {0.52, 0.9}, 1.0, true, Side::Bottom},
        // 0.1 across and 0.12 down: on a page 1.4 times wider than tall the
        // horizontal distance is longer in pixels.
        {{0.5, 0.5}, {0.6, 0.62}, 1.0, true, Side::Bottom},
        {{0.5, 0.5}, {0.6, 0.62}, 1.4, true, Side::Right},
        {{0.5, 0.5}, {0.6, 0.6}, 1.0, true, Side::Right}, // a tie is horizontal
        {{0.5, 0.5}, {0.5, 0.5}, 1.0, true, Side::Centre},
        {{0.5, 0.5}, {0.9, 0.5}, 1.0, false, Side::Centre},
        {{0.5, 0.5}, {0.9, 0.5}, 0.0, true, Side::Right},
    };
    for (const Case& c : cases)
        EXPECT_EQ(automaticSide(c.anchor, c.card, c.aspect, c.line), c.side)
            << c.card.x() << "," << c.card.y() << " aspect " << c.aspect;
}

TEST(CardPlacement, DrawnSidePrefersExplicitThenStoredSide)
{
    ObjDataTyp o;
    o.Sline = 1;
    o.Sx = 0.5;
    o.Sy = 0.5;
    o.Kx = 0.5;
    o.Ky = 0.8;
    o.KAusr = Side::Left;
    o.KAusrAktiv = Side::Top;
    EXPECT_EQ(drawnSide(o, 1.0), Side::Left);
    o.KAusr = Side::Automatic;
    EXPECT_EQ(drawnSide(o, 1.0), Side::Top); // as stored in the file
    o.KAusrAktiv = 0;
    EXPECT_EQ(drawnSide(o, 1.0), Side::Bottom);
    o.KAusrAktiv = 17;
    EXPECT_EQ(drawnSide(o, 1.0), Side::Bottom);
}

TEST(CardPlacement, CardSitsOnItsSideOfThePoint)
{
    const QPoint p(100, 50);
    const QSize s(40, 20);
    EXPECT_EQ(placeCard(p, s, Side::Right), QRect(100, 40, 40, 20));
    EXPECT_EQ(placeCard(p, s, Side::Top), QRect(80, 30, 40, 20));
    EXPECT_EQ(placeCard(p, s, Side::Left), QRect(60, 40, 40, 20));
    EXPECT_EQ(placeCard(p, s, Side::Bottom), QRect(80, 50, 40, 20));
    EXPECT_EQ(placeCard(p, s, Side::Centre), QRect(80, 40, 40, 20));
}
