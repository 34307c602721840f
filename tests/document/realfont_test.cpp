// Text measuring and drawing with the installed Liberation and DejaVu fonts.

#include "common/numeric.h"
#include "document/fitcardtext.h"
#include "document/fontfactor.h"
#include "document/fontnames.h"
#include "document/linelayout.h"
#include "document/textcanvas.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace velunto {
namespace {

const QString kMissingFont = QStringLiteral("Velunto Keine Schrift");

bool isInk(QRgb c)
{
    return qGray(c) < 200;
}

// Bounding box of the ink inside region (null when there is none).
QRect inkBounds(const QImage& image, const QRect& region)
{
    QRect box;
    const QRect r = region.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (isInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QImage whitePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Passes everything to a PainterCanvas and remembers where each run went.
class RecordingCanvas : public TextCanvas
{
  public:
    struct Run
    {
        TextFont font;
        int x;
        int y;
        QString text;
    };

    explicit RecordingCanvas(PainterCanvas& inner) : m_inner(inner) {}
    std::vector<Run> runs;

    void setFont(const TextFont& font) override { m_inner.setFont(font); }
    const TextFont& font() const override { return m_inner.font(); }
    int width(QStringView text) override { return m_inner.width(text); }
    int textHeight() override { return m_inner.textHeight(); }
    void drawText(int x, int y, QStringView text) override
    {
        runs.push_back({m_inner.font(), x, y, text.toString()});
        m_inner.drawText(x, y, text);
    }
    void drawHLine(int x1, int x2, int y, ColorRef colour) override
    {
        m_inner.drawHLine(x1, x2, y, colour);
    }

  private:
    PainterCanvas& m_inner;
};

TEST(RealFonts, MetricCompatibleStandInsCountAsInstalled)
{
    const struct
    {
        const char* family;
        bool installed;
        const char* drawnWith;
    } cases[] = {
        {"Liberation Sans", true, "Liberation Sans"},
        {"dejavu serif", true, "DejaVu Serif"},
        {"Arial", true, "Liberation Sans"},
        {"Times New Roman", true, "Liberation Serif"},
        {"Courier New", true, "Liberation Mono"},
        {"Calibri", true, "Carlito"},
        {"Cambria", true, "Caladea"},
        // Only fonts of the same kind, not of the same metrics: Arial's stand-in.
        {"Verdana", false, "Liberation Sans"},
        {"Velunto Keine Schrift", false, "Liberation Sans"},
        {"", false, "Liberation Sans"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.family);
        EXPECT_EQ(isFontInstalled(QString::fromLatin1(c.family)), c.installed);
        EXPECT_EQ(drawingFamily(QString::fromLatin1(c.family)), QString::fromLatin1(c.drawnWith));
    }

    // The canvas draws with the stand-in, so lines break as with the font.
    const QImage device = whitePicture(1, 1);
    PainterCanvas canvas(&device);
    const auto widthIn = [&](const char* family) {
        TextFont font;
        font.family = QString::fromLatin1(family);
        font.pixelSize = 100;
        canvas.setFont(font);
        return canvas.width(u"Die Sonne geht im Osten auf.");
    };
    EXPECT_EQ(widthIn("Times New Roman"), widthIn("Liberation Serif"));
    EXPECT_EQ(widthIn("Velunto Keine Schrift"), widthIn("Arial"));
    EXPECT_NE(widthIn("Times New Roman"), widthIn("Arial"));
}

TEST(RealFonts, FontHeightFactorsFromTableAndMeasurement)
{
    struct Case
    {
        const char* font;
        double factor;
    };
    const Case cases[] = {
        {"Arial", 1.0},
        {"arial black", 1.2632},
        {"Arial Narrow", 1.0134},
        {"Book Antiqua", 1.1119},
        {"Cambria Math", 4.9955},
        {"@Arial Unicode MS", 1.1996},
        {"Times New Roman", 0.9910},
        {"verdana", 1.0877},
        {"Tahoma", 1.0806},
        {"Wingdings", 0.9937},
        // measured: line height at 1000 pixels over Arial's 1117
        {"Liberation Sans", 1.0},
        {"Liberation Serif", 1107 / 1117.0},
        {"DejaVu Sans", 1164 / 1117.0},
        {"Velunto Keine Schrift", 1.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(fontHeightFactor(QString::fromUtf8(c.font)), c.factor, 1e-9) << c.font;
}

TEST(RealFonts, SizeStepConversionAndCharacterHeight)
{
    struct Case
    {
        int step;
        double factor;
        int expected;
    };
    const Case cases[] = {
        {0, 1.0, 0},       {7, 1.0, 7}, {0, 1.2632, 3}, // rnd(2.895)
        {20, 4.9955, 144},                              // rnd(143.86)
        {10, 0.5, 0},                                   // rnd(-0.5): half to even
        {-8, 1.1119, -8},                               // rnd(-7.66)
    };
    for (const Case& c : cases)
        EXPECT_EQ(convertSizeStep(c.step, c.factor), c.expected) << c.step << " " << c.factor;

    EXPECT_EQ(characterHeightForStep(0, 870), 22);
    EXPECT_EQ(characterHeightForStep(10, 1740), 84);
    EXPECT_EQ(characterHeightForStep(-8, 870), 6);
    EXPECT_EQ(characterHeightForStep(0, 1305), 33); // rnd(33.0)
}

TEST(RealFonts, PixelSizesMeanDeviceUnitsAndPointsUseTheDevicesResolution)
{
    QImage normal = whitePicture(10, 10);
    QImage fine = whitePicture(10, 10);
    fine.setDotsPerMeterX(fine.dotsPerMeterX() * 2);
    fine.setDotsPerMeterY(fine.dotsPerMeterY() * 2);
    QBuffer pdfBytes;
    pdfBytes.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&pdfBytes);
    pdf.setResolution(1200);

    PainterCanvas onNormal(&normal);
    PainterCanvas onFine(&fine);
    PainterCanvas onPdf(&pdf);

    TextFont font;
    font.pixelSize = 200;
    for (PainterCanvas* c : {&onNormal, &onFine, &onPdf})
        c->setFont(font);
    const int width = onNormal.width(u"Die Sonne geht im Osten auf.");
    EXPECT_NEAR(onFine.width(u"Die Sonne geht im Osten auf."), width, width / 100);
    EXPECT_NEAR(onPdf.width(u"Die Sonne geht im Osten auf."), width, width / 100);
    EXPECT_EQ(onNormal.textHeight(), 223); // 200 * 1.117

    font.pixelSize = 0;
    font.pointSize = 12;
    onNormal.setFont(font);
    onFine.setFont(font);
    EXPECT_EQ(onNormal.textHeight(), rnd(16 * 1.117));
    EXPECT_EQ(onFine.textHeight(), rnd(32 * 1.117));
}

// What the layout measures is where the ink lands: each run's ink starts at
// its x and ends at its measured width, and nothing is drawn outside the
// measured lines.
TEST(RealFonts, MeasuredRunsHoldTheirInk)
{
    constexpr int kWidth = 600;
    QImage image = whitePicture(kWidth, 400);
    LayoutParams p;
    p.mode = LayoutMode::Info;
    p.width = kWidth;
    p.leftX = 20;
    p.rightMargin = 40;
    p.fontName = QStringLiteral("Arial");
    p.fontHeight = 24;

    const QString paragraph = QStringLiteral(
        "<b>Wasserfall</b> und <i>Tavolato</i> AVATAR: Die Sonne geht im Osten auf, im Süden "
        "nimmt sie ihren Lauf, im <u>Westen</u> will sie untergehn, im Norden ist sie nie zu "
        "sehn. Jäger & Sammler fanden 1234567890 Äpfel.");
    int y = 0;
    std::vector<RecordingCanvas::Run> runs;
    int lineHeight = 0;
    {
        QPainter painter(&image);
        PainterCanvas canvas(&painter);
        RecordingCanvas recording(canvas);
        y = lineLayout(recording, p, paragraph, 10);
        runs = recording.runs;
        canvas.setFont({p.fontName, p.fontHeight, 0, 0, 0});
        lineHeight = canvas.textHeight();
    }
    ASSERT_GE(runs.size(), 8u);
    EXPECT_GT(y, 10 + 3 * lineHeight);

    // Ink only inside the measured lines (italic may lean out by a pixel or two).
    QImage outside = image;
    QPainter eraser(&outside);
    PainterCanvas measure(&image);
    for (const auto& run : runs) {
        measure.setFont(run.font);
        eraser.fillRect(QRect(run.x - 2, run.y, measure.width(run.text) + 4, lineHeight),
                        Qt::white);
    }
    eraser.end();
    EXPECT_TRUE(inkBounds(outside, outside.rect()).isNull());

    for (const auto& run : runs) {
        const QString text = run.text.trimmed();
        if (text.isEmpty())
            continue;
        QImage alone = whitePicture(kWidth + 100, 400);
        {
            QPainter painter(&alone);
            PainterCanvas canvas(&painter);
            canvas.setFont(run.font);
            canvas.drawText(run.x, run.y, run.text);
        }
        measure.setFont(run.font);
        const int lead = measure.width(run.text.left(run.text.indexOf(text)));
        const int left = run.x + lead;
        const int right = left + measure.width(text);
        const QRect ink = inkBounds(alone, alone.rect());
        ASSERT_FALSE(ink.isNull()) << text.toStdString();
        EXPECT_NEAR(ink.left(), left, 3) << text.toStdString();
        EXPECT_NEAR(ink.right() + 1, right, 3) << text.toStdString();
        EXPECT_GE(ink.top(), run.y) << text.toStdString();
        EXPECT_LT(ink.bottom(), run.y + lineHeight) << text.toStdString();
    }
}

TEST(RealFonts, CardTextIsDrawnWhereItWasMeasured)
{
    QImage image = whitePicture(300, 200);
    const QRect card(20, 20, 200, 150);
    TextFont font;
    font.family = QStringLiteral("Liberation Serif");
    font.pixelSize = 40;
    font.style = 1;
    PainterCanvas measuring(&image);
    const CardTextResult measured =
        fitCardText(measuring, font, QStringLiteral("Rot & Grün, Blau und Gelb"), card, 1,
                    CardVertical::Centre, 100, false);
    EXPECT_LT(measured.fontSize, 40);
    EXPECT_LE(measured.rect.height(), 100);
    {
        QPainter painter(&image);
        PainterCanvas canvas(&painter);
        fitCardText(canvas, font, QStringLiteral("Rot & Grün, Blau und Gelb"), card, 1,
                    CardVertical::Centre, 100, true);
    }
    const QRect ink = inkBounds(image, image.rect());
    ASSERT_FALSE(ink.isNull());
    EXPECT_TRUE(measured.rect.adjusted(-2, 0, 2, 0).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    EXPECT_NEAR(ink.left(), measured.rect.left(), 3);
    EXPECT_NEAR(ink.right() + 1, measured.rect.right() + 1, 3);
}

TEST(RealFonts, InfoTextPictureIsCroppedToItsLines)
{
    const QStringList lines = {QStringLiteral("<b>Titel</b>"), QString(),
                               QStringLiteral("Ein Text, der auf dem schmalen Bild umbrechen "
                                              "muss, weil er viel zu lang für eine Zeile ist.")};
    const QImage picture = renderInfoText(lines, 300, 14, 0xE0FFFF, QStringLiteral("Arial"));

    QImage device = whitePicture(1, 1);
    PainterCanvas measuring(&device);
    LayoutParams p;
    p.width = 300;
    p.fontSize = 14;
    int y = 0;
    for (const QString& line : lines)
        y = lineLayout(measuring, p, line, y);

    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 300);
    EXPECT_EQ(picture.height(), y);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0xFF, 0xFF, 0xE0));
    const QRect ink = inkBounds(picture, picture.rect());
    ASSERT_FALSE(ink.isNull());
    EXPECT_LT(ink.right(), 300 - 10 + 3);

    EXPECT_EQ(renderInfoText(QStringList(200, QStringLiteral("Zeile")), 100, 14, 0xFFFFFF,
                             QStringLiteral("Arial"))
                  .height(),
              3000);
    EXPECT_TRUE(renderInfoText({}, 300, 14, 0xFFFFFF, QStringLiteral("Arial")).isNull());
    EXPECT_TRUE(renderInfoText(lines, 0, 14, 0xFFFFFF, QStringLiteral("Arial")).isNull());
}

} // namespace
} // namespace velunto
