#include "topicfolder.h"

#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "library/downscale.h"
#include "view/pagegeometry.h"

#include <QFileInfo>

using namespace velunto;
using velunto::testing::TopicFolder;

namespace {

Picture picture(int width, int height)
{
    Picture p(width, height, QImage::Format_RGB32);
    p.fill(Qt::darkGreen);
    return p;
}

ObjDataTyp pictureObject(int kind, int fsize, QSize size)
{
    ObjDataTyp o;
    o.Typ = kind;
    o.Fsize = fsize;
    o.Bild = picture(size.width(), size.height());
    return o;
}

} // namespace

TEST(Downscale, ScaleDownKeepsTheAspectAndHonoursEachLimit)
{
    const struct
    {
        QSize size;
        int maxWidth;
        int maxHeight;
        QSize result;
    } cases[] = {
        {{3000, 1000}, 1900, 1200, {1900, 633}},
        {{2200, 1400}, 2280, 1440, {2200, 1400}},
        {{1000, 2000}, 1900, 1200, {600, 1200}},
        {{1000, 2000}, -1, 500, {250, 500}},
        {{1000, 2000}, 0, -1, {1000, 2000}},
        {{4000, 3}, 100, -1, {100, 1}}, // never below one pixel
    };
    for (const auto& c : cases) {
        Picture p = picture(c.size.width(), c.size.height());
        const bool scaled = scaleDown(p, c.maxWidth, c.maxHeight);
        EXPECT_EQ(p.size(), c.result) << c.size.width() << "x" << c.size.height();
        EXPECT_EQ(scaled, c.result != c.size);
    }
}

TEST(Downscale, BaseImageByItsShownSize)
{
    const struct
    {
        QSize size;
        double bildGroesse;
        QSize result;
    } cases[] = {
        {{3000, 1000}, 100.0, {1900, 633}},  // 1200 / 1000 gives no limit
        {{2200, 1400}, 100.0, {2200, 1400}}, // 2280 and 1440 are not smaller
        {{1000, 700}, 50.0, {1000, 700}},    // 1140 and 720 are not smaller
        {{1200, 800}, 50.0, {900, 600}},     // 1140 < 1200, then 600 / 800 is the tighter limit
    };
    for (const auto& c : cases) {
        Document doc;
        doc.baseImage = picture(c.size.width(), c.size.height());
        doc.header.BildGroesse = c.bildGroesse;
        const int scaled = downscalePictures(doc);
        EXPECT_EQ(doc.baseImage.size(), c.result) << c.size.width() << "x" << c.size.height();
        EXPECT_EQ(scaled, c.result != c.size ? 1 : 0);
    }
}

TEST(Downscale, CardPicturesByTheirSizeStep)
{
    Document doc;
    // Size step 0 allows 50 pixels, scaled only beyond 65; step 4 allows 68.
    doc.objects.push_back(pictureObject(ObjectKind::QueryImage, 0, {200, 66}));
    doc.objects.push_back(pictureObject(ObjectKind::FixedImage, 0, {200, 65}));
    doc.objects.push_back(pictureObject(ObjectKind::ImageLink, 4, {300, 300}));
    doc.objects.push_back(pictureObject(ObjectKind::FixedLabel, 0, {300, 300})); // no picture kind
    EXPECT_EQ(downscalePictures(doc), 2);
    EXPECT_EQ(doc.objects[0].Bild.size(), QSize(152, 50));
    EXPECT_EQ(doc.objects[1].Bild.size(), QSize(200, 65));
    EXPECT_EQ(doc.objects[2].Bild.size(), QSize(68, 68));
    EXPECT_EQ(doc.objects[3].Bild.size(), QSize(300, 300));
}

TEST(Downscale, GapTableCellsOfTheTypesThatShowThem)
{
    Document doc;
    doc.header.DokTyp = DokTyp::Cluster;
    doc.header.LueckenTabelle[0][0].Art = 2;
    doc.header.LueckenTabelle[0][0].Bild = picture(400, 400);
    doc.header.LueckenTabelle[0][1].Art = 1; // a text cell in a cluster exercise
    doc.header.LueckenTabelle[0][1].Bild = picture(400, 400);
    doc.header.LueckenTabelle[1][0].Art = 3;
    doc.header.LueckenTabelle[1][0].Groesse = 0;
    doc.header.LueckenTabelle[1][0].Bild = picture(400, 400);
    EXPECT_EQ(downscalePictures(doc), 2);
    // Groesse 20 allows rnd(62 / 22 * 50) = 141 pixels, Groesse 0 allows 50.
    EXPECT_EQ(doc.header.LueckenTabelle[0][0].Bild.size(), QSize(141, 141));
    EXPECT_EQ(doc.header.LueckenTabelle[0][1].Bild.size(), QSize(400, 400));
    EXPECT_EQ(doc.header.LueckenTabelle[1][0].Bild.size(), QSize(50, 50));

    Document cloze;
    cloze.header.DokTyp = DokTyp::Cloze;
    cloze.header.DokUnterTyp = ClozeSubType::Flowing; // no gap table
    cloze.header.LueckenTabelle[0][0].Art = 2;
    cloze.header.LueckenTabelle[0][0].Bild = picture(400, 400);
    EXPECT_EQ(downscalePictures(cloze), 0);
    cloze.header.DokUnterTyp = ClozeSubType::Table;
    EXPECT_EQ(downscalePictures(cloze), 1);
}

TEST(Downscale, MultipleChoicePicturesByTheQuestionLayout)
{
    Document doc;
    doc.header.DokTyp = DokTyp::MultipleChoice;
    doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::MultipleChoice);
    ObjDataTyp question = pictureObject(ObjectKind::McImageQuestion, 0, {1000, 1000});
    question.Untertyp = 1;
    question.AntwortAnz = 4;
    for (int i = 0; i < 4; ++i)
        question.BildAntw[i] = picture(300, 300);
    question.BildAntw[4] = picture(300, 300); // present beyond AntwortAnz: scaled as well
    doc.objects.push_back(question);
    ObjDataTyp texts = question;
    texts.Typ = ObjectKind::McQuestion;
    texts.Bild = Picture();
    texts.Untertyp = 0; // text answers: pictures left alone
    doc.objects.push_back(texts);

    // Question picture: o = rnd(0.9 * 120 / 0.95) = 114, m = rnd(250 / 22 * 50) = 568.
    // Answers (kind 21, A = 4): t = min(0.2, 0.6333 / 4) = 0.1583,
    // u = 0.915 * t / 0.915, w = rnd(38) - 10 = 28, m = rnd(78 / 22 * 50) = 177.
    EXPECT_EQ(downscalePictures(doc), 6);
    EXPECT_EQ(doc.objects[0].Bild.size(), QSize(568, 568));
    EXPECT_EQ(doc.objects[0].BildAntw[0].size(), QSize(177, 177));
    EXPECT_EQ(doc.objects[0].BildAntw[4].size(), QSize(177, 177));
    EXPECT_EQ(doc.objects[1].BildAntw[0].size(), QSize(300, 300));
}

TEST(Downscale, ReportTexts)
{
    EXPECT_EQ(downscaleReport(0),
              QStringLiteral("Das Dokument beinhaltet keine Bilder, die ohne einen deutlichen "
                             "Qualitätsverlust herunterskaliert werden können."));
    EXPECT_EQ(downscaleReport(3), QStringLiteral("3 Bild(er) wurde(n) neu skaliert."));
}

TEST(Downscale, FileIsSavedOnlyWhenAPictureWasScaled)
{
    TopicFolder f;
    Document large;
    large.header.Titel = QStringLiteral("groß");
    large.baseImage = picture(3000, 1000);
    const QString largePath = f.add(QStringLiteral("gross.vlt"), large);
    const QString smallPath = f.add(QStringLiteral("klein.vlt"), QStringLiteral("klein"));
    const QByteArray smallBytes = f.read(QStringLiteral("klein.vlt"));
    const QDateTime smallTime = QFileInfo(smallPath).lastModified();

    const BatchOutcome done = downscaleDocumentFile(largePath, QStringLiteral("Arial"));
    EXPECT_EQ(done.kind, BatchOutcome::Kind::Done);
    Document reloaded;
    ASSERT_TRUE(loadDocument(reloaded, largePath).ok);
    EXPECT_EQ(reloaded.baseImage.size(), QSize(1900, 633));
    EXPECT_EQ(reloaded.header.Titel, QStringLiteral("groß"));

    EXPECT_EQ(downscaleDocumentFile(smallPath, QStringLiteral("Arial")).kind,
              BatchOutcome::Kind::Unchanged);
    EXPECT_EQ(f.read(QStringLiteral("klein.vlt")), smallBytes);
    EXPECT_EQ(QFileInfo(smallPath).lastModified(), smallTime);

    f.addRaw(QStringLiteral("kaputt.vlt"), "VLT-2.21 und dann nichts");
    const BatchOutcome broken =
        downscaleDocumentFile(f.path(QStringLiteral("kaputt.vlt")), QStringLiteral("Arial"));
    EXPECT_EQ(broken.kind, BatchOutcome::Kind::Failed);
    EXPECT_FALSE(broken.messages.empty());
    EXPECT_EQ(f.read(QStringLiteral("kaputt.vlt")), QByteArray("VLT-2.21 und dann nichts"));
}
