#include "common/random.h"
#include "document/document.h"
#include "document/linelayout.h"
#include "document/markup.h"
#include "support/fixedwidthcanvas.h"

#include <gtest/gtest.h>

namespace velunto {
namespace {

using testing::FixedWidthCanvas;

// Character height 20 on the fixed-width canvas: every character is 10 wide,
// a line of text 20 tall. Info mode: line height rnd(1.25 * 20) = 25; all
// other modes rnd(1.1 * 25) = 28. Every paragraph starts 9 below its y.
constexpr int kTop = 9;
constexpr int kInfoLine = 25;
constexpr int kLine = 28;

LayoutParams params(LayoutMode mode, int width, Document* doc = nullptr)
{
    LayoutParams p;
    p.mode = mode;
    p.width = width;
    p.height = 600;
    p.fontHeight = 20;
    p.document = doc;
    return p;
}

struct DrawnLine
{
    int y;
    QString text;
};

std::vector<DrawnLine> drawnLines(const FixedWidthCanvas& canvas)
{
    std::vector<DrawnLine> lines;
    for (const auto& t : canvas.texts) {
        if (!lines.empty() && lines.back().y == t.y)
            lines.back().text += t.text;
        else
            lines.push_back({t.y, t.text});
    }
    return lines;
}

std::vector<const ObjDataTyp*> gapCards(const Document& doc)
{
    std::vector<const ObjDataTyp*> gaps;
    for (const ObjDataTyp& o : doc.objects) {
        if (o.Typ == ObjectKind::GapCard)
            gaps.push_back(&o);
    }
    return gaps;
}

TEST(LineLayout, ClozeCreatesOneGapCardCentredOnItsGapAndDrawsOnlyTheText)
{
    Document doc;
    FixedWidthCanvas canvas;
    LayoutParams p = params(LayoutMode::Cloze, 870, &doc);
    p.create = true;
    const int y = lineLayout(canvas, p, u"Die Sonne geht im <<Osten>> auf.", 0);

    EXPECT_EQ(y, kTop + kLine);
    ASSERT_EQ(doc.objectCount(), 1);
    const ObjDataTyp& gap = doc.objects[0];
    EXPECT_EQ(gap.Typ, ObjectKind::GapCard);
    EXPECT_EQ(gap.Text, QStringLiteral("Osten"));
    EXPECT_EQ(gap.BildKenn, QStringLiteral("|Osten|"));
    EXPECT_EQ(gap.Abdeckung, -1);
    EXPECT_EQ(gap.Ebene, 1);
    EXPECT_EQ(gap.KAusr, 2);
    EXPECT_EQ(gap.Sline, 0);
    EXPECT_EQ(gap.Fsize, 0);
    EXPECT_EQ(gap.TAusr, 0);
    EXPECT_EQ(gap.FrageNummer, 0);
    // "Die Sonne geht im " is 180 wide; the gap " Osten" 60 wide.
    EXPECT_DOUBLE_EQ(gap.Kx, (180 + 30) / 870.0);
    EXPECT_DOUBLE_EQ(gap.Sx, gap.Kx);
    EXPECT_DOUBLE_EQ(gap.Ky, (kTop + 20 + 4) / 600.0);
    EXPECT_DOUBLE_EQ(gap.Sy, gap.Ky);

    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].text, QStringLiteral("Die Sonne geht im "));
    EXPECT_EQ(canvas.texts[0].x, 0);
    EXPECT_EQ(canvas.texts[1].text, QStringLiteral(" auf. "));
    EXPECT_EQ(canvas.texts[1].x, 240);
    EXPECT_TRUE(canvas.lines.empty());
}

TEST(LineLayout, GapWidthFollowsFirstAlternativeMinimumAndKeepsAllAnswers)
{
    struct Case
    {
        const char16_t* paragraph;
        int minGap;
        const char16_t* text;
        const char16_t* bildKenn;
        int width; // of the gap
    };
    const Case cases[] = {
        {u"<<vier|Vier|4>>", 3, u"vier", u"|vier|Vier|4|", 50},
        // alternatives written with blanks are taken as an author reads them
        {u"<< vier | Vier >>", 3, u"vier", u"|vier|Vier|", 50},
        {u"<<>>", 3, u"", u"||", 40},    // " XXX"
        {u"<<a>>", 0, u"a", u"|a|", 30}, // never narrower than " XX"
        {u"<<ab|abcdefgh>>", 6, u"ab", u"|ab|abcdefgh|", 70},
    };
    for (const Case& c : cases) {
        Document doc;
        FixedWidthCanvas canvas;
        LayoutParams p = params(LayoutMode::Cloze, 870, &doc);
        p.create = true;
        p.minGap = c.minGap;
        lineLayout(canvas, p, QStringView(c.paragraph), 0);
        ASSERT_EQ(doc.objectCount(), 1);
        EXPECT_EQ(doc.objects[0].Text, QStringView(c.text));
        EXPECT_EQ(doc.objects[0].BildKenn, QStringView(c.bildKenn));
        EXPECT_DOUBLE_EQ(doc.objects[0].Kx, c.width / 2.0 / 870.0);
    }
}

TEST(LineLayout, BreaksAtLastFittingBlankAndCutsWordsWiderThanTheLine)
{
    struct Case
    {
        const char16_t* paragraph;
        int width;
        std::vector<QString> lines;
    };
    // Room for a run: x + width <= W - 10.
    const Case cases[] = {
        {u"aaaa bbbb cccc dddd eeee", 180, {"aaaa bbbb cccc ", "dddd eeee "}},
        // a word wider than the line is cut after the first character that
        // does not fit, also when it starts a later line
        {u"abcdefghijklmno xy", 100, {"abcdefghij", "klmno xy "}},
        {u"ab abcdefghijklmnop", 100, {"ab ", "abcdefghij", "klmnop "}},
        // blanks at the start of a new line are skipped
        {u"aaaaaaaa    bbbb", 100, {"aaaaaaaa ", "bbbb "}},
    };
    for (const Case& c : cases) {
        FixedWidthCanvas canvas;
        const int y = lineLayout(canvas, params(LayoutMode::Info, c.width), c.paragraph, 0);
        const auto lines = drawnLines(canvas);
        ASSERT_EQ(lines.size(), c.lines.size()) << QString::fromUtf16(c.paragraph).toStdString();
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].text, c.lines[i]);
            EXPECT_EQ(lines[i].y, kTop + static_cast<int>(i) * kInfoLine);
        }
        EXPECT_EQ(y, kTop + static_cast<int>(c.lines.size()) * kInfoLine);
    }
}

TEST(LineLayout, NoWidthStillEndsWithOneCharacterPerLine)
{
    for (int width : {0, -50}) {
        FixedWidthCanvas canvas;
        const int y = lineLayout(canvas, params(LayoutMode::Info, width), u"abc", 0);
        const auto lines = drawnLines(canvas);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[2].text, QStringLiteral("c"));
        EXPECT_EQ(y, kTop + 4 * kInfoLine);
    }
}

TEST(LineLayout, WordWithGapMovesToTheNextLineWhole)
{
    Document doc;
    FixedWidthCanvas canvas;
    LayoutParams p = params(LayoutMode::Cloze, 150, &doc);
    p.create = true;
    lineLayout(canvas, p, u"aaaa Haus<<tür>>en", 0);

    const auto lines = drawnLines(canvas);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, QStringLiteral("aaaa "));
    EXPECT_EQ(lines[1].text, QStringLiteral("Hausen "));
    ASSERT_EQ(canvas.texts.size(), 4u);
    EXPECT_EQ(canvas.texts[2].text, QStringLiteral("en"));
    EXPECT_EQ(canvas.texts[2].x, 40 + 40); // "Haus", then the gap " XXX"
    ASSERT_EQ(doc.objectCount(), 1);
    EXPECT_DOUBLE_EQ(doc.objects[0].Kx, 60 / 150.0);
    EXPECT_DOUBLE_EQ(doc.objects[0].Ky, (kTop + kLine + 24) / 600.0);
}

TEST(LineLayout, TheMinimumGapWidthAlsoDecidesTheLineBreak)
{
    // "aaaaaaaaa " ends at 100 of 150: a gap of 3 "X" (40) still fits, a gap
    // of 6 (70) moves to the next line, although its answer is one letter.
    const struct
    {
        int minGap;
        double kx;
        int line;
    } cases[] = {{3, (100 + 20) / 150.0, 0}, {6, 35 / 150.0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.minGap);
        Document doc;
        FixedWidthCanvas canvas;
        LayoutParams p = params(LayoutMode::Cloze, 150, &doc);
        p.create = true;
        p.minGap = c.minGap;
        lineLayout(canvas, p, u"aaaaaaaaa <<a>>", 0);
        ASSERT_EQ(doc.objectCount(), 1);
        EXPECT_DOUBLE_EQ(doc.objects[0].Kx, c.kx);
        EXPECT_DOUBLE_EQ(doc.objects[0].Ky, (kTop + c.line * kLine + 24) / 600.0);
    }
}

TEST(LineLayout, StylesLastUntilClosedOrParagraphEnd)
{
    FixedWidthCanvas canvas;
    layoutText(canvas, params(LayoutMode::Info, 870),
               QStringLiteral("<B>Fett</b> normal\r\n<i><u>offen\r\nnormal"), 0);
    ASSERT_EQ(canvas.texts.size(), 4u);
    EXPECT_EQ(canvas.texts[0].text, QStringLiteral("Fett"));
    EXPECT_EQ(canvas.texts[0].style, StyleBit::Bold);
    EXPECT_EQ(canvas.texts[1].text, QStringLiteral(" normal "));
    EXPECT_EQ(canvas.texts[1].style, 0);
    EXPECT_EQ(canvas.texts[1].x, 40);
    EXPECT_EQ(canvas.texts[2].style, StyleBit::Italic | StyleBit::Underline);
    EXPECT_EQ(canvas.texts[3].text, QStringLiteral("normal "));
    EXPECT_EQ(canvas.texts[3].style, 0);
    EXPECT_EQ(canvas.texts[3].y, kTop + 2 * (kTop + kInfoLine));
}

TEST(LineLayout, TabRightAlignedFieldsRuleAndColourTags)
{
    struct Case
    {
        const char16_t* paragraph;
        std::vector<std::pair<int, QString>> runs; // x and text of every drawn run
        int lines;
    };
    const Case cases[] = {
        {u"ab<@POSX=50%>cd", {{0, "ab"}, {200, "cd "}}, 1},
        // right-aligned in a field of three digit widths
        {u"Nr.<@REB=03>123 kg", {{0, "Nr."}, {30, "123"}, {60, " kg "}}, 1},
        {u"<@REB=04>123", {{10, "123"}, {40, " "}}, 1},
        // the field holds the next nn characters, whatever they are
        {u"<@REB=04>12 kg", {{0, "12 k"}, {40, "g "}}, 1},
        // but a tag ends the field and is handled as a tag
        {u"<@REB=04>12<b>3</b>", {{20, "12"}, {40, "3"}, {50, " "}}, 1},
        // at the end of the paragraph the field takes what remains
        {u"Nr.<@REB=03>12", {{0, "Nr."}, {40, "12"}, {60, " "}}, 1},
        {u"<@REB=05>", {{50, " "}}, 1},
        // colour tags vanish and change nothing
        {u"<@COL=0000FF>rot</@COL> x", {{0, "rot"}, {30, " x "}}, 1},
        // text after a tab that leaves no room goes to the next line
        {u"ab<@POSX=99%>cd", {{0, "ab"}, {0, "cd "}}, 2},
        // text after a rule continues on the next line
        {u"ab<@LINIE>cd", {{0, "ab"}, {0, "cd "}}, 2},
    };
    for (const Case& c : cases) {
        FixedWidthCanvas canvas;
        const int y = lineLayout(canvas, params(LayoutMode::Info, 400), c.paragraph, 0);
        const std::string name = QString::fromUtf16(c.paragraph).toStdString();
        ASSERT_EQ(canvas.texts.size(), c.runs.size()) << name;
        for (size_t i = 0; i < c.runs.size(); ++i) {
            EXPECT_EQ(canvas.texts[i].x, c.runs[i].first) << name;
            EXPECT_EQ(canvas.texts[i].text, c.runs[i].second) << name;
        }
        EXPECT_EQ(y, kTop + c.lines * kInfoLine) << name;
    }

    FixedWidthCanvas canvas;
    LayoutParams p = params(LayoutMode::Info, 400);
    p.colour = 0x123456;
    lineLayout(canvas, p, u"ab<@LINIE>", 0);
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_EQ(canvas.lines[0].x1, 20);
    EXPECT_EQ(canvas.lines[0].x2, 400);
    EXPECT_EQ(canvas.lines[0].y, kTop + kInfoLine / 2 - 1);
    EXPECT_EQ(canvas.lines[0].colour, 0x123456);

    // The rule belongs to the text: hidden with it, and never drawn when measuring.
    for (bool measureOnly : {false, true}) {
        FixedWidthCanvas hidden;
        LayoutParams q = params(LayoutMode::Cloze, 400);
        q.textVisible = measureOnly;
        q.measureOnly = measureOnly;
        EXPECT_EQ(lineLayout(hidden, q, u"ab<@LINIE>cd", 0), kTop + 2 * kLine);
        EXPECT_TRUE(hidden.lines.empty());
        EXPECT_TRUE(hidden.texts.empty());
    }
}

TEST(LineLayout, TabsAndRulesOfATableCellMeasureAgainstTheCell)
{
    // The cell runs from 100 to 500 on a line 870 wide.
    FixedWidthCanvas canvas;
    LayoutParams p = params(LayoutMode::Cloze, 870);
    p.leftX = 100;
    p.rightMargin = 370;
    p.tabsInArea = true;
    lineLayout(canvas, p, u"ab<@POSX=50%>cd<@LINIE>", 0);
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[1].x, 300);
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_EQ(canvas.lines[0].x1, 320);
    EXPECT_EQ(canvas.lines[0].x2, 500);
}

TEST(LineLayout, InfoModeDrawsGapMarksAsWritten)
{
    Document doc;
    FixedWidthCanvas canvas;
    LayoutParams p = params(LayoutMode::Info, 870, &doc);
    p.create = true;
    lineLayout(canvas, p, u"Die <<Sonne|sonne>> scheint>>", 0);
    EXPECT_EQ(canvas.drawnText(), QStringLiteral("Die <<Sonne|sonne>> scheint>> "));
    EXPECT_EQ(doc.objectCount(), 0);
}

TEST(LineLayout, WorksheetModesDrawWriteInLinesAndRedAnswersInWidenedGaps)
{
    struct Case
    {
        LayoutMode mode;
        bool textVisible;
        bool text;   // "ab " and " ef " drawn
        bool line;   // black write-in line
        bool answer; // " cd" in red
    };
    const Case cases[] = {
        {LayoutMode::Worksheet, false, true, true, false},
        {LayoutMode::SolutionOverlay, false, false, false, true},
        {LayoutMode::SolutionOverlay, true, true, false, true},
        {LayoutMode::Solution, false, true, true, true},
    };
    for (const Case& c : cases) {
        FixedWidthCanvas canvas;
        LayoutParams p = params(c.mode, 870);
        p.boxSizePercent = 150;
        p.textVisible = c.textVisible;
        lineLayout(canvas, p, u"ab <<cd>> ef", 0);

        // " XXX" is 40 wide, widened by 50 % to 60.
        QString expected;
        if (c.text)
            expected += QStringLiteral("ab ");
        if (c.answer)
            expected += QStringLiteral(" cd");
        if (c.text)
            expected += QStringLiteral(" ef ");
        EXPECT_EQ(canvas.drawnText(), expected) << static_cast<int>(c.mode);
        for (const auto& t : canvas.texts) {
            if (t.text == QStringLiteral(" cd")) {
                EXPECT_EQ(t.colour, 0x0000FF);
                EXPECT_EQ(t.x, 30);
            } else {
                EXPECT_EQ(t.colour, 0);
            }
            if (t.text == QStringLiteral(" ef ")) {
                EXPECT_EQ(t.x, 90);
            }
        }
        ASSERT_EQ(canvas.lines.size(), c.line ? 1u : 0u);
        if (c.line) {
            EXPECT_EQ(canvas.lines[0].x1, 30);
            EXPECT_EQ(canvas.lines[0].x2, 90);
            EXPECT_EQ(canvas.lines[0].y, kTop + 20);
            EXPECT_EQ(canvas.lines[0].colour, 0);
        }
    }
}

TEST(LineLayout, WithoutCreateMovesExistingGapCardsInOrderFromGapCursor)
{
    Document doc;
    LayoutParams p = params(LayoutMode::Cloze, 870, &doc);
    p.create = true;
    FixedWidthCanvas first;
    layoutText(first, p, QStringLiteral("<<eins>> und <<zwei>>\r\n<<drei>>"), 0);
    ASSERT_EQ(gapCards(doc).size(), 3u);
    std::vector<std::pair<double, double>> placed;
    for (const ObjDataTyp* g : gapCards(doc))
        placed.push_back({g->Kx, g->Ky});

    // An object of another kind between the gaps is passed over.
    doc.objects.insert(doc.objects.begin() + 1, ObjDataTyp{});
    for (ObjDataTyp& o : doc.objects)
        o.Kx = o.Ky = o.Sx = o.Sy = 0.5;
    doc.gapCursor = 0;
    p.create = false;
    FixedWidthCanvas second;
    layoutText(second, p, QStringLiteral("<<eins>> und <<zwei>>\r\n<<drei>>"), 0);

    EXPECT_EQ(doc.objectCount(), 4);
    EXPECT_EQ(doc.gapCursor, 4);
    EXPECT_DOUBLE_EQ(doc.objects[1].Kx, 0.5);
    const auto gaps = gapCards(doc);
    for (size_t i = 0; i < gaps.size(); ++i) {
        EXPECT_DOUBLE_EQ(gaps[i]->Kx, placed[i].first);
        EXPECT_DOUBLE_EQ(gaps[i]->Ky, placed[i].second);
        EXPECT_DOUBLE_EQ(gaps[i]->Sx, placed[i].first);
    }
    // The second paragraph's gap is one paragraph further down.
    EXPECT_DOUBLE_EQ(placed[2].second, (kTop + kLine + kTop + 24) / 600.0);

    // Measuring neither creates nor draws; a layout with more gaps than
    // cards leaves the extra gaps without a card.
    p.measureOnly = true;
    p.create = true;
    doc.gapCursor = 0;
    FixedWidthCanvas measuring;
    layoutText(measuring, p, QStringLiteral("<<a>> <<b>> <<c>> <<d>>"), 0);
    EXPECT_EQ(doc.objectCount(), 4);
    EXPECT_TRUE(measuring.texts.empty());
    EXPECT_EQ(doc.gapCursor, 4);
}

TEST(LineLayout, UnbalancedAndMisplacedMarkupNeverShowsAnAnswer)
{
    struct Case
    {
        const char16_t* paragraph;
        std::vector<QString> gaps; // Text of every GapCard
        const char16_t* drawn;
    };
    const Case cases[] = {
        // tags inside a gap are passed over and removed from its answer
        {u"im <<<b>Osten</b>>> auf", {"Osten"}, u"im  auf "},
        {u"x <<a<<c>> y", {"a<<c"}, u"x  y "},
        // glued letters stop at a tag, which then works as a tag
        {u"<<Haus>>tür<b>en</b> x", {"Haus"}, u"türen x "},
        // ">>" alone makes a gap of the text not yet output
        {u"ab>>cd", {"ab"}, u"cd "},
        // "<<" without ">>" keeps the rest as unbroken text, tags removed
        {u"ab <<cd <b>ef", {}, u"ab cd ef "},
    };
    for (const Case& c : cases) {
        Document doc;
        FixedWidthCanvas canvas;
        LayoutParams p = params(LayoutMode::Cloze, 870, &doc);
        p.create = true;
        lineLayout(canvas, p, c.paragraph, 0);
        const std::string name = QString::fromUtf16(c.paragraph).toStdString();
        ASSERT_EQ(doc.objectCount(), static_cast<int>(c.gaps.size())) << name;
        for (size_t i = 0; i < c.gaps.size(); ++i)
            EXPECT_EQ(doc.objects[i].Text, c.gaps[i]) << name;
        EXPECT_EQ(canvas.drawnText(), QStringView(c.drawn)) << name;
    }

    FixedWidthCanvas canvas;
    lineLayout(canvas, params(LayoutMode::Cloze, 870), u"<<Haus>>tür<b>en</b> x", 0);
    ASSERT_EQ(canvas.texts.size(), 3u);
    EXPECT_EQ(canvas.texts[1].text, QStringLiteral("en"));
    EXPECT_EQ(canvas.texts[1].style, StyleBit::Bold);
}

// Arbitrary mixtures of mark-up and text, on lines with and without room:
// every layout ends, no tag is ever drawn and no answer holds a tag.
TEST(LineLayout, RandomMarkupAlwaysEndsAndNeverDrawsATag)
{
    const char16_t* const pieces[] = {u"<<",        u">>",          u"|",
                                      u"<b>",       u"</B>",        u"<i>",
                                      u"</i>",      u"<U>",         u"</u>",
                                      u"<@LINIE>",  u"<@POSX=50%>", u"<@POSX=99%>",
                                      u"<@REB=03>", u"<@reb=10>",   u"<@COL=00FF00>",
                                      u"</@COL>",   u" ",           u"   ",
                                      u"a",         u"Wort",        u"Donaudampfschifffahrt",
                                      u"<",         u">",           u"<@POSX=5",
                                      u"@",         u"12"};
    const int pieceCount = static_cast<int>(std::size(pieces));
    const auto isDrawnTag = [](const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const TagKind kind = tagAt(text, i).kind;
            if (kind != TagKind::None && kind != TagKind::GapOpen && kind != TagKind::GapClose)
                return true;
        }
        return false;
    };

    RandomSource random(20240607);
    Document doc;
    for (int round = 0; round < 400; ++round) {
        QString paragraph;
        const int count = random.below(25);
        for (int i = 0; i < count; ++i)
            paragraph += QStringView(pieces[random.below(pieceCount)]);
        for (LayoutMode mode : {LayoutMode::Info, LayoutMode::Solution, LayoutMode::Cloze}) {
            for (int width : {0, 70, 400}) {
                doc.objects.clear();
                FixedWidthCanvas canvas;
                LayoutParams p = params(mode, width, &doc);
                p.create = true;
                const int y = lineLayout(canvas, p, paragraph, 0);
                const std::string name = paragraph.toStdString();
                EXPECT_GE(y, kTop + kInfoLine) << name;
                EXPECT_LE(y, kTop + (2 * paragraph.size() + 2) * kLine) << name;
                for (const auto& t : canvas.texts)
                    EXPECT_FALSE(isDrawnTag(t.text)) << name << " drew " << t.text.toStdString();
                for (const ObjDataTyp& gap : doc.objects)
                    EXPECT_FALSE(isDrawnTag(gap.Text)) << name;
            }
        }
    }
}

TEST(LineLayout, UnclosedGapIsNeverBroken)
{
    FixedWidthCanvas canvas;
    lineLayout(canvas, params(LayoutMode::Cloze, 100), u"<<aaaa bbbb cccc dddd", 0);
    ASSERT_EQ(drawnLines(canvas).size(), 1u);
}

TEST(LineLayout, SplitsTextAtEveryKindOfLineBreak)
{
    EXPECT_EQ(splitParagraphs(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitParagraphs(QString()), QStringList({""}));

    FixedWidthCanvas canvas;
    const int y = layoutText(canvas, params(LayoutMode::Worksheet, 870),
                             QStringLiteral("eins\r\n\r\nzwei"), 100);
    EXPECT_EQ(y, 100 + 3 * (kTop + kLine));
}

} // namespace
} // namespace velunto
