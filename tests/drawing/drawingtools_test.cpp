#include "view/drawing/drawingstyle.h"
#include "view/drawing/drawingtools.h"
#include "view/drawing/stamps.h"
#include "view/drawing/strokes.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <numbers>

using namespace velunto;

namespace {

// A white page with a black bar across it (the "text"), shown in a control
// that is larger than the picture.
struct Board
{
    DrawingSurface surface;
    DrawingTools tools{surface};
    QImage page;

    explicit Board(QSize size = {400, 300}, QPoint offset = {0, 0})
    {
        page = QImage(size, QImage::Format_ARGB32_Premultiplied);
        page.fill(Qt::white);
        QPainter(&page).fillRect(QRect(0, 100, size.width(), 20), Qt::black);
        tools.setControl(size + QSize(2 * offset.x(), 2 * offset.y()), offset);
        tools.showPictures(page, page);
    }

    const QImage& shown() const { return surface.shown(); }
    QRgb at(int x, int y) const { return shown().pixel(x, y); }

    void use(int tool, int colour = kDefaultDrawColour, int size = 1)
    {
        tools.setDrawColour(colour);
        tools.setStrokeSize(size);
        tools.selectTool(tool);
    }

    // A press, moves through the points and a release at the last one.
    void drag(std::initializer_list<QPoint> points)
    {
        const QPoint* last = nullptr;
        for (const QPoint& p : points) {
            if (!last)
                tools.press(p);
            else
                tools.move(p, true);
            last = &p;
        }
        tools.release(*last);
    }
};

int changedPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

bool red(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

} // namespace

TEST(DrawingStyle, SizesAndArrowHeads)
{
    // The arrow head is computed from the width held in single precision;
    // in double precision width 7 would give 24.
    const struct
    {
        int size, width, head, eraser, stamp, text;
    } table[] = {{1, 3, 10, 32, 32, 18},
                 {2, 7, 25, 64, 64, 36},
                 {3, 13, 46, 96, 96, 54},
                 {4, 21, 73, 128, 128, 72}};
    for (const auto& row : table) {
        const StrokeMetrics m = strokeMetrics(row.size);
        EXPECT_EQ(m.strokeWidth, row.width) << row.size;
        EXPECT_EQ(m.arrowHead, row.head) << row.size;
        EXPECT_EQ(m.eraserSide, row.eraser) << row.size;
        EXPECT_EQ(m.stampSize, row.stamp) << row.size;
        EXPECT_EQ(m.textSize, row.text) << row.size;
    }
    EXPECT_EQ(toolForPenShape(1), Tool::Pen);
    EXPECT_EQ(toolForPenShape(10), Tool::LastShape);
    EXPECT_EQ(penShapeForTool(Tool::FirstShape + 3), 5);
    EXPECT_TRUE(isTransparentColour(12));
    EXPECT_FALSE(isTransparentColour(22));
}

TEST(DrawingTools, PenDotAndStroke)
{
    Board b;
    b.use(Tool::Pen, kDefaultDrawColour, 2);
    b.drag({{50, 50}});
    // A press and release at one point leaves a dot about 8 pixels across.
    int across = 0;
    for (int x = 40; x < 60; ++x)
        across += red(b.at(x, 50));
    EXPECT_GE(across, 7);
    EXPECT_LE(across, 9);

    // A stroke through several events is one unbroken line.
    b.drag({{100, 200}, {140, 200}, {200, 230}});
    for (int x = 100; x <= 140; ++x)
        EXPECT_TRUE(red(b.at(x, 200))) << x;
    EXPECT_TRUE(red(b.at(170, 215)));
    // Only the pen's pixels changed.
    EXPECT_EQ(b.at(300, 50), qRgb(255, 255, 255));
}

TEST(DrawingTools, ArrowHeadDirection)
{
    // Straight down (same x): the head's strokes run back up from the tip.
    for (const QPoint& end : arrowHeadEnds({10, 10}, {10, 50}, 25))
        EXPECT_LT(end.y(), 50);
    EXPECT_DOUBLE_EQ(arrowDirection({10, 10}, {10, 50}), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(arrowDirection({10, 50}, {10, 10}), 3 * std::numbers::pi / 2);
    // A click without movement: a dot-sized shaft whose head points up.
    EXPECT_DOUBLE_EQ(arrowDirection({10, 10}, {10, 10}), 3 * std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(arrowDirection({0, 0}, {-10, 0}), std::numbers::pi);
    const auto ends = arrowHeadEnds({0, 0}, {100, 0}, 10);
    EXPECT_EQ(ends[0], QPoint(91, 3));
    EXPECT_EQ(ends[1], QPoint(91, -3));

    Board b;
    b.use(toolForPenShape(3), 26);
    b.drag({{200, 20}, {200, 60}, {200, 80}});
    // The head's strokes reach up and out beside the shaft near the tip.
    EXPECT_TRUE(qRed(b.at(196, 72)) < 128 || qRed(b.at(195, 73)) < 128);
    EXPECT_EQ(b.at(196, 86), qRgb(255, 255, 255));
}

TEST(DrawingTools, ShapesDoNotDependOnDragDirection)
{
    for (int shape = 5; shape <= 10; ++shape) {
        Board forward, backward;
        forward.use(toolForPenShape(shape), 24, 2);
        backward.use(toolForPenShape(shape), 24, 2);
        forward.drag({{60, 40}, {150, 90}, {300, 220}});
        backward.drag({{300, 220}, {100, 100}, {60, 40}});
        if (shape == 9 || shape == 10)
            continue; // a triangle's apex is taken from the two x values in order
        EXPECT_EQ(changedPixels(forward.shown(), backward.shown()), 0) << "shape " << shape;
    }
}

TEST(DrawingTools, RubberBandLeavesNothingBehind)
{
    // After a drag with many moves the picture holds exactly the final shape.
    for (int shape = 2; shape <= 10; ++shape) {
        Board dragged, direct;
        dragged.use(toolForPenShape(shape), 24, 3);
        dragged.drag({{50, 50}, {80, 10}, {390, 290}, {0, 0}, {120, 250}, {300, 200}});

        QImage expected = direct.shown().copy();
        const StrokeMetrics m = strokeMetrics(3);
        paintPath(expected,
                  shapePath(toolForPenShape(shape), {50, 50}, {300, 200}, m.strokeWidth,
                            m.arrowHead),
                  QColor(0, 0, 255), false);
        EXPECT_EQ(changedPixels(dragged.shown(), expected), 0) << "shape " << shape;
    }
    // While dragging, the band is the inverted outline.
    Board b;
    b.use(toolForPenShape(5));
    b.tools.press({10, 10});
    b.tools.move({60, 40}, true);
    EXPECT_EQ(b.at(30, 10), qRgb(0, 0, 0));
    EXPECT_EQ(b.at(30, 20), qRgb(255, 255, 255));
    // A new visible part ends the drag without drawing the shape.
    b.tools.showPictures(b.page, b.page);
    b.tools.release({60, 40});
    EXPECT_EQ(changedPixels(b.shown(), b.page), 0);
}

TEST(DrawingTools, HighlighterOnlyDarkens)
{
    Board b;
    const QRgb black = b.at(10, 110);
    b.use(Tool::Pen, 12, 4); // yellow, transparent
    b.drag({{10, 60}, {390, 160}});
    b.drag({{10, 150}, {390, 250}});
    b.drag({{10, 250}, {390, 150}}); // crossing the second stroke
    EXPECT_EQ(b.at(200, 110), black);            // text under it stays black
    EXPECT_EQ(b.at(100, 84), qRgb(255, 255, 0)); // white paper turns yellow
    EXPECT_EQ(b.at(200, 200), qRgb(255, 255, 0)); // no darker crossing
    // The page stays opaque everywhere: no holes, no black where it was white.
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            ASSERT_EQ(qAlpha(b.at(x, y)), 255) << x << "," << y;
            if (b.page.pixel(x, y) == qRgb(255, 255, 255)) {
                ASSERT_GE(qRed(b.at(x, y)), 250) << x << "," << y;
            }
        }

    // Shapes in highlighter colours: arrow heads that reach far beside the
    // shaft are highlighted whole.
    Board arrow;
    arrow.use(toolForPenShape(3), 14, 4); // blue, transparent, head 73 pixels
    arrow.drag({{20, 40}, {300, 40}});
    const auto ends = arrowHeadEnds({20, 40}, {300, 40}, strokeMetrics(4).arrowHead);
    EXPECT_EQ(arrow.at(ends[0].x(), ends[0].y()), qRgb(0, 0, 255));
    EXPECT_EQ(arrow.at(ends[1].x(), ends[1].y()), qRgb(0, 0, 255));
}

TEST(DrawingTools, HighlighterKeepsPartlyTransparentPixels)
{
    // combineMinimum on premultiplied pixels never raises a channel above
    // its alpha and never changes the alpha.
    QImage picture(4, 1, QImage::Format_ARGB32_Premultiplied);
    picture.setPixel(0, 0, qRgba(128, 128, 128, 128));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(2, 0, qRgba(255, 255, 255, 255));
    picture.setPixel(3, 0, qRgba(10, 200, 30, 255));
    QImage marker(4, 1, QImage::Format_RGB32);
    marker.fill(qRgb(255, 255, 0));
    combineMinimum(picture, marker, {0, 0});
    EXPECT_EQ(picture.pixel(0, 0), qRgba(128, 128, 0, 128));
    EXPECT_EQ(picture.pixel(1, 0), qRgba(0, 0, 0, 0));
    EXPECT_EQ(picture.pixel(2, 0), qRgba(255, 255, 0, 255));
    EXPECT_EQ(picture.pixel(3, 0), qRgba(10, 200, 0, 255));
}

TEST(DrawingTools, EraserRestoresTheComposedPage)
{
    Board b({400, 300}, {20, 10});
    b.use(Tool::Pen, 26, 4);
    b.drag({{20, 50}, {420, 50}, {420, 250}});
    const QImage drawn = b.shown().copy();

    // A field is uncovered after drawing: the page changes under it.
    QImage uncovered = b.page.copy();
    QPainter(&uncovered).fillRect(QRect(100, 20, 60, 60), Qt::green);
    b.surface.renew(QRect(100, 20, 60, 60), uncovered);
    EXPECT_EQ(b.at(130, 30), QColor(Qt::green).rgb());

    // A quick wipe across it takes the new state of the field, not the old
    // one, and leaves no gaps between the two events.
    b.use(Tool::Eraser, 26, 1);
    b.drag({{40, 50}, {380, 50}});
    for (int x = 30; x <= 350; ++x)
        EXPECT_EQ(b.at(x, 40), uncovered.pixel(x, 40)) << x;
    EXPECT_EQ(b.at(130, 40), QColor(Qt::green).rgb());
    // Outside the wiped band the drawing stays.
    EXPECT_EQ(b.at(395, 200), drawn.pixel(395, 200));
    EXPECT_NE(drawn.pixel(395, 200), b.page.pixel(395, 200));

    // Undo brings the drawing back, but not the covered field.
    b.tools.undo();
    EXPECT_EQ(b.at(130, 30), QColor(Qt::green).rgb());
    EXPECT_EQ(b.at(380, 40), drawn.pixel(380, 40));
}

TEST(DrawingTools, OneLevelOfUndo)
{
    Board b;
    b.use(Tool::Pen);
    b.drag({{10, 10}, {390, 290}});
    const QImage first = b.shown().copy();
    b.drag({{10, 290}, {390, 10}});
    EXPECT_FALSE(b.tools.undo().isEmpty());
    EXPECT_EQ(changedPixels(b.shown(), first), 0);
    // Undo twice: the second does nothing.
    EXPECT_TRUE(b.tools.undo().isEmpty());
    EXPECT_EQ(changedPixels(b.shown(), first), 0);

    // Undo after the visible part moved does nothing.
    b.drag({{10, 200}, {390, 200}});
    b.tools.showPictures(b.shown().copy(), b.page);
    EXPECT_TRUE(b.tools.undo().isEmpty());

    // Removing all drawings can be undone.
    Board r;
    r.use(Tool::Pen);
    r.drag({{10, 10}, {390, 290}});
    const QImage withDrawing = r.shown().copy();
    r.tools.removeAllDrawings();
    EXPECT_EQ(changedPixels(r.shown(), r.page), 0);
    r.tools.undo();
    EXPECT_EQ(changedPixels(r.shown(), withDrawing), 0);
}

TEST(DrawingTools, StampOncePerPress)
{
    Board b;
    b.use(Tool::Stamp);
    b.tools.press({100, 50});
    const QImage once = b.shown().copy();
    EXPECT_GT(changedPixels(once, b.page), 50);
    b.tools.move({250, 60}, true);
    b.tools.move({300, 200}, true);
    EXPECT_EQ(changedPixels(b.shown(), once), 0);
    b.tools.release({300, 200});
    b.tools.press({300, 200});
    EXPECT_GT(changedPixels(b.shown(), once), 50);
}

TEST(DrawingTools, StampsNeverShowMissingCharacters)
{
    const auto plain = [](const QString& family, QChar c) {
        QImage image(80, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        QFont font(family);
        font.setPixelSize(32);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, 80, 80), Qt::AlignCenter, QString(c));
        return image;
    };
    const auto stamped = [](const StampSymbol& symbol) {
        QImage image(80, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        paintSymbol(p, symbol, 40, 20, 32, Qt::black);
        return image;
    };
    const StampSettings defaults;
    for (int k = 1; k <= kStampCount; ++k) {
        const StampSymbol symbol = stampSymbol(defaults, k);
        const QImage image = stamped(symbol);
        EXPECT_GT(changedPixels(image, QImage(plain(QStringLiteral("Arial"), ' '))), 20) << k;
        // The Wingdings stamps are symbols, not the letters that stand at
        // their codes in ordinary fonts.
        if (k <= 6) {
            EXPECT_GT(changedPixels(image, plain(QStringLiteral("Arial"), symbol.character)), 40)
                << k;
        }
    }
    // A character that no font has is drawn as a dot, never as Qt's box.
    const QChar none(0xE123);
    const QImage dot = stamped({QStringLiteral("Arial"), none});
    EXPECT_GT(changedPixels(dot, plain(QStringLiteral("Arial"), ' ')), 20);
    EXPECT_GT(changedPixels(dot, plain(QStringLiteral("Arial"), none)), 20);
    // The menu pictures are 18 x 18.
    EXPECT_EQ(stampMenuPicture(stampSymbol(defaults, 1)).size(), QSize(18, 18));
}

TEST(DrawingTools, TextIsDrawnOpaqueAndEmptyTextDrawsNothing)
{
    Board b({400, 300}, {10, 10});
    b.use(Tool::Text, 13, 2); // green, transparent: text comes out opaque
    EXPECT_TRUE(b.tools.press({60, 80}).textBoxAt.has_value());
    EXPECT_TRUE(b.tools.drawText({60, 40}, QString()).isEmpty());
    EXPECT_EQ(changedPixels(b.shown(), b.page), 0);
    const QRect changed = b.tools.drawText({60, 40}, QStringLiteral("Hallo"));
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(changed.contains(QPoint(50, 30)));
    bool green = false;
    for (int y = changed.top(); y <= changed.bottom(); ++y)
        for (int x = changed.left(); x <= changed.right(); ++x)
            green = green || b.at(x, y) == qRgb(0, 255, 0);
    EXPECT_TRUE(green);
    EXPECT_EQ(b.tools.textFont().pixelSize(), 36);
    b.tools.setPageScale(2.0);
    EXPECT_EQ(b.tools.textFont().pixelSize(), 72);

    // The box keeps inside the picture area.
    const QRect area(10, 10, 400, 300);
    EXPECT_EQ(placeTextBox({5, 5}, {100, 20}, area), QRect(10, 10, 100, 20));
    EXPECT_EQ(placeTextBox({390, 200}, {100, 20}, area), QRect(310, 181, 100, 20));
    EXPECT_EQ(textBoxSize(500, 20, 2, 400), QSize(400, 20));
    EXPECT_EQ(textBoxSize(50, 20, 2, 400), QSize(120, 20));
}

TEST(DrawingTools, AreaSelection)
{
    Board b({400, 300}, {20, 10});
    b.use(Tool::Area);
    // A drag selects, and the selection survives the release.
    b.drag({{50, 40}, {120, 90}, {149, 139}});
    EXPECT_EQ(b.tools.selection(), (AreaSelection{50, 40, 150, 140}));
    EXPECT_EQ(selectionLabelText(b.tools.selection(), b.tools.pictureOffset()),
              QStringLiteral(" (30,30) - (129,129)  B:100 H:100"));
    // Dragging the label moves it, keeping its size and staying inside the
    // control; the release after it keeps the selection too.
    b.tools.beginSelectionMove({60, 35});
    b.tools.move({500, 35}, true);
    b.tools.release({500, 35});
    EXPECT_EQ(b.tools.selection(), (AreaSelection{340, 40, 440, 140}));
    // A click without dragging clears it.
    b.drag({{70, 70}});
    EXPECT_FALSE(b.tools.selection().exists());

    // ViewPicture: the selection, white where it reaches beyond the picture.
    b.drag({{0, 0}, {299, 99}});
    const QImage view = b.tools.viewPicture();
    EXPECT_EQ(view.size(), QSize(300, 100));
    EXPECT_DOUBLE_EQ(double(view.width()) / view.height(), 3.0);
    EXPECT_EQ(view.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(view.pixel(30, 60), qRgb(255, 255, 255));
    // Another tool clears the selection; the view is then the whole picture.
    EXPECT_TRUE(b.tools.selectTool(Tool::Pen));
    EXPECT_EQ(b.tools.viewPicture().size(), QSize(400, 300));
}

TEST(DrawingTools, MovesWithoutAPressDrawNothing)
{
    Board b;
    b.use(Tool::Pen);
    b.tools.move({10, 10}, true);
    b.tools.move({100, 100}, true);
    EXPECT_EQ(changedPixels(b.shown(), b.page), 0);
    // After a document was loaded, a held move before the next press draws
    // nothing either.
    b.tools.press({10, 10});
    b.tools.documentLoaded();
    b.tools.move({200, 200}, true);
    EXPECT_FALSE(red(b.at(150, 150)));
}

TEST(DrawingTools, ScrolledPageAndRubberBandOverARenewedField)
{
    // The shown picture is the part of a larger page from (100, 50) on.
    QImage page(600, 400, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x)
            page.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    DrawingSurface surface;
    DrawingTools tools(surface);
    tools.setControl({400, 300}, {0, 0});
    tools.showPictures(page.copy(100, 50, 400, 300), page, {100, 50});
    tools.setStrokeSize(4);
    tools.selectTool(Tool::Pen);
    tools.press({10, 10});
    tools.move({200, 10}, true);
    tools.release({200, 10});
    tools.selectTool(Tool::Eraser);
    tools.press({60, 10});
    tools.release({60, 10});
    EXPECT_EQ(surface.shown().pixel(60, 10), page.pixel(160, 60));
    EXPECT_NE(surface.shown().pixel(150, 10), page.pixel(250, 60));

    // A field is uncovered (middle button) while a rectangle is dragged:
    // the band stays right, and ending the drag leaves only the shape.
    tools.selectTool(toolForPenShape(5));
    tools.press({20, 100});
    tools.move({300, 250}, true);
    QImage uncovered = page.copy();
    QPainter(&uncovered).fillRect(QRect(150, 150, 200, 200), Qt::green);
    surface.renew(QRect(50, 100, 200, 200), uncovered);
    EXPECT_EQ(surface.shown().pixel(150, 250), qRgb(255, 0, 255)); // green inverted
    tools.move({310, 260}, true);
    EXPECT_EQ(surface.shown().pixel(150, 250), QColor(Qt::green).rgb());
    tools.release({310, 260});
    EXPECT_EQ(surface.shown().pixel(150, 200), QColor(Qt::green).rgb());
    EXPECT_EQ(surface.shown().pixel(150, 245), QColor(Qt::green).rgb());
    EXPECT_EQ(surface.shown().pixel(150, 260), qRgb(255, 0, 0));
}
