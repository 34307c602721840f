#include "exercise/gradingscale.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

GradingScale scaleOf(int kind)
{
    GradingScale s;
    s.GradingScaleKind = kind;
    return s;
}

} // namespace

TEST(Grading, GradesAndPointsAtTheDefaultThresholds)
{
    struct Case
    {
        int kind;
        double performance;
        int grade;
        const char* rating;
    };
    const Case cases[] = {
        {0, 1.0, 1, "sehr gut"},         {0, 0.85, 1, "sehr gut"},    {0, 0.849, 2, "gut"},
        {0, 17.0 / 20.0, 1, "sehr gut"}, {0, 0.40, 4, "ausreichend"}, {0, 0.399, 5, "mangelhaft"},
        {0, 0.25, 5, "mangelhaft"},      {0, 0.249, 6, "ungenügend"}, {0, 0.0, 6, "ungenügend"},
        {1, 0.399, 5, "mangelhaft"},     {1, 0.39, 5, "mangelhaft"},  {1, 0.0, 5, "mangelhaft"},
        {3, 0.90, 5, "sehr gut"},        {3, 0.85, 5, "sehr gut"},    {3, 0.70, 4, "gut"},
        {3, 0.10, 1, "mangelhaft"},      {2, 0.95, 15, "sehr gut"},   {2, 1.0, 15, "sehr gut"},
        {2, 0.9499, 14, "sehr gut"},     {2, 0.80, 12, "gut"},        {2, 0.25, 1, "mangelhaft"},
        {2, 0.249, 0, "ungenügend"},     {4, 0.80, 12, "sehr gut"},   {4, 0.799, 11, "sehr gut"},
        {4, 4.0 / 5.0, 12, "sehr gut"},  {4, 0.70, 10, "sehr gut"},   {4, 0.65, 9, "gut"},
        {4, 0.0, 0, "mangelhaft"},
    };
    for (const Case& c : cases) {
        const GradingScale s = scaleOf(c.kind);
        EXPECT_EQ(gradeFromPerformance(c.performance, s), c.grade)
            << "kind " << c.kind << " at " << c.performance;
        EXPECT_EQ(ratingWord(c.grade, s), QString::fromUtf8(c.rating))
            << "kind " << c.kind << " grade " << c.grade;
    }
}

TEST(Grading, WordsOutsideTheScaleAndScaleWords)
{
    EXPECT_EQ(ratingWord(6, scaleOf(1)), QString());
    EXPECT_EQ(ratingWord(0, scaleOf(0)), QString());
    EXPECT_EQ(ratingWord(16, scaleOf(2)), QString());
    EXPECT_EQ(ratingWord(13, scaleOf(4)), QString());
    const char* words[] = {"Note", "Note", "Punkte", "Note", "Punkte"};
    for (int kind = 0; kind < 5; ++kind)
        EXPECT_EQ(scaleWord(scaleOf(kind)), QString::fromUtf8(words[kind]));
    // A kind from a damaged settings file counts as the six-grade scale.
    EXPECT_EQ(gradeFromPerformance(0.5, scaleOf(9)), 4);
    EXPECT_EQ(scaleWord(scaleOf(-3)), QStringLiteral("Note"));
}

TEST(Grading, ScalePictureShowsBandsAndTheMarker)
{
    // The five-grade scales end with the band of index 5 (orange) at 0 %.
    const std::pair<int, QRgb> worst[] = {
        {0, qRgb(255, 0, 0)}, {2, qRgb(255, 0, 0)}, {3, qRgb(255, 160, 0)}};
    for (const auto& [kind, worstColour] : worst) {
        QImage image(200, 412, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            drawScale(p, image.rect(), 0.5, scaleOf(kind));
        }
        // The bar runs from y 12 (100 %) to y 400 (0 %) between x 80 and 120.
        const QRgb top = image.pixel(100, 14);
        const QRgb bottom = image.pixel(100, 398);
        EXPECT_EQ(qGreen(top), 255) << kind; // the best band is green
        EXPECT_EQ(qRed(top), 0) << kind;
        EXPECT_EQ(bottom, worstColour) << kind;
        // The marker line at 50 % right of the bar.
        EXPECT_EQ(image.pixel(190, 12 + 194), qRgb(0, 0, 0)) << kind;
        EXPECT_EQ(image.pixel(100, 4), qRgb(255, 255, 255)) << kind;
    }
}
