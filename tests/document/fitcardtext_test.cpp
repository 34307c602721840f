#include "document/fitcardtext.h"
#include "support/fixedwidthcanvas.h"

#include <gtest/gtest.h>

namespace velunto {
namespace {

using testing::FixedWidthCanvas;

// On the fixed-width canvas a character is half the character height wide
// and a line is the character height tall.
TextFont cardFont(int pixelSize)
{
    TextFont f;
    f.family = QStringLiteral("Arial");
    f.pixelSize = pixelSize;
    f.colour = 0x00FF00;
    return f;
}

TEST(FitCardText, WrapsAtBlanksKeepsLineBreaksAndNeverCutsAWord)
{
    FixedWidthCanvas canvas;
    canvas.setFont(cardFont(20)); // 10 per character
    struct Case
    {
        const char* text;
        int width;
        QStringList lines;
    };
    const Case cases[] = {
        {"Hallo Welt", 100, {"Hallo Welt"}},
        {"Hallo Welt", 99, {"Hallo", "Welt"}},
        {"aaaa bbbb cccc dddd", 100, {"aaaa bbbb", "cccc dddd"}},
        {"Donaudampfschiff ab", 50, {"Donaudampfschiff", "ab"}},
        {"eins\r\n\r\nzwei  drei ", 100, {"eins", "", "zwei  drei"}},
        {"  eingerückt", 200, {"  eingerückt"}},
        {"", 100, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrapLines(canvas, QString::fromUtf8(c.text), c.width), c.lines) << c.text;
}

TEST(FitCardText, ShrinksUntilTheTextFitsTheHeight)
{
    FixedWidthCanvas canvas;
    const QRect rect(0, 0, 100, 40);
    // 20: two lines of 20 = 40 > 30; 18: 36; 16: 32; 14: "aaaa bbbb cccc" is 98
    // wide, still two lines, 28 <= 30.
    CardTextResult r = fitCardText(canvas, cardFont(20), QStringLiteral("aaaa bbbb cccc dddd"),
                                   rect, 0, CardVertical::Top, 30, false);
    EXPECT_EQ(r.fontSize, 14);
    EXPECT_EQ(r.rect, QRect(0, 0, 98, 28));

    r = fitCardText(canvas, cardFont(20), QStringLiteral("aaaa bbbb cccc dddd"), rect, 0,
                    CardVertical::Top, 40, false);
    EXPECT_EQ(r.fontSize, 20);

    // A text that can never fit stops at 3 (20, 18, 16, 14, 13, ... 5, 4, 3).
    r = fitCardText(canvas, cardFont(20), QStringLiteral("x"), rect, 0, CardVertical::Top, 0,
                    false);
    EXPECT_EQ(r.fontSize, 3);
    // Smaller start sizes are never shrunk.
    r = fitCardText(canvas, cardFont(2), QStringLiteral("x"), rect, 0, CardVertical::Top, 0, false);
    EXPECT_EQ(r.fontSize, 2);

    // A card without room ends at 3 as well, without dividing by its size.
    r = fitCardText(canvas, cardFont(20), QStringLiteral("ab cd"), QRect(5, 5, 0, 0), 1,
                    CardVertical::RaiseIfTall, -1, false);
    EXPECT_EQ(r.fontSize, 3);
    EXPECT_EQ(r.rect.height(), 2 * 3);
}

TEST(FitCardText, PlacesTheMeasuredTextByAlignmentAndVerticalMode)
{
    struct Case
    {
        int alignment;
        CardVertical vertical;
        QRect rect;
        QRect expected;
    };
    // "ab" at 20 is 20 wide and 20 tall.
    const Case cases[] = {
        {0, CardVertical::Top, QRect(10, 100, 100, 60), QRect(10, 100, 20, 20)},
        {1, CardVertical::Centre, QRect(10, 100, 100, 60), QRect(50, 120, 20, 20)},
        {2, CardVertical::Bottom, QRect(10, 100, 100, 60), QRect(90, 140, 20, 20)},
        {1, CardVertical::Centre, QRect(10, 100, 101, 61), QRect(50, 120, 20, 20)},
        // taller than the card: raised by rnd(20 * 10 / 20 * 0.25) = 2
        {0, CardVertical::RaiseIfTall, QRect(10, 100, 100, 10), QRect(10, 98, 20, 20)},
        {0, CardVertical::RaiseIfTall, QRect(10, 100, 100, 60), QRect(10, 100, 20, 20)},
    };
    for (const Case& c : cases) {
        FixedWidthCanvas canvas;
        const CardTextResult r = fitCardText(canvas, cardFont(20), QStringLiteral("ab"), c.rect,
                                             c.alignment, c.vertical, 100, false);
        EXPECT_EQ(r.rect, c.expected) << c.alignment << " " << static_cast<int>(c.vertical);
        EXPECT_TRUE(canvas.texts.empty());
    }
}

TEST(FitCardText, DrawsEveryLineAlignedInsideTheMovedRectangle)
{
    FixedWidthCanvas canvas;
    const CardTextResult r = fitCardText(canvas, cardFont(20), QStringLiteral("Tom & Jerry ab"),
                                         QRect(0, 0, 120, 80), 2, CardVertical::Centre, 80, true);
    EXPECT_EQ(r.fontSize, 20);
    EXPECT_EQ(r.rect, QRect(0, 20, 120, 60)); // two lines: top moved down by 20
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].text, QStringLiteral("Tom & Jerry"));
    EXPECT_EQ(canvas.texts[0].x, 10);
    EXPECT_EQ(canvas.texts[0].y, 20);
    EXPECT_EQ(canvas.texts[1].text, QStringLiteral("ab"));
    EXPECT_EQ(canvas.texts[1].x, 100);
    EXPECT_EQ(canvas.texts[1].y, 40);
    EXPECT_EQ(canvas.texts[1].colour, 0x00FF00);
}

} // namespace
} // namespace velunto
