#include "document/document.h"
#include "document/documentfile.h"
#include "view/pagerender.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velunto;

namespace {

bool coveredBlue(QRgb c)
{
    return c == qRgb(0xCA, 0xE4, 0xFF);
}

int count(const QImage& image, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixel(x, y));
    return n;
}

} // namespace

TEST(Render, LoadedDocumentAsTheWindowShowsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("seite.vlt");
    {
        Document doc;
        doc.baseImage = QImage(1000, 1000, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::white);
        doc.header.RandErw = {0.1, 0.0, 0.1, 0.0};
        const int i = doc.newObject(ObjectKind::QueryLabel, {0, 0, 1, 1}, 3, true, 0);
        doc.objects[i].Text = QStringLiteral("Antwort");
        ASSERT_TRUE(saveDocument(doc, path).ok);
    }

    Document loaded;
    ASSERT_TRUE(loadDocument(loaded, path).ok);
    const QImage covered = renderLoadedDocument(loaded, {});
    EXPECT_EQ(covered.size(), QSize(1280, 800));
    // A page of 1.2 : 1 in a window of 1.6 : 1: the window's surround on both sides.
    EXPECT_EQ(covered.pixel(5, 400), kViewSurround.rgb());
    EXPECT_EQ(covered.pixel(1274, 400), kViewSurround.rgb());
    EXPECT_EQ(covered.pixel(640, 5), qRgb(255, 255, 255));
    EXPECT_EQ(loaded.header.SeitRatioBreite, 1200); // geometry derived as after loading
    EXPECT_EQ(loaded.objects[0].Nummer, 1);
    EXPECT_GT(count(covered, coveredBlue), 100);

    Document again;
    ASSERT_TRUE(loadDocument(again, path).ok);
    const QImage uncovered = renderLoadedDocument(again, {{640, 400}, 4, true});
    EXPECT_EQ(uncovered.size(), QSize(640, 400));
    EXPECT_EQ(count(uncovered, coveredBlue), 0);
}
