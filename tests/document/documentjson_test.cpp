#include "document/documentjson.h"

#include "document/documentfile.h"
#include "support/sampledocuments.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QJsonArray>

using namespace velunto;
using namespace velunto::testing;

namespace {

QString independentRgbaHash(const Picture& picture)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < rgba.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgba.constScanLine(y)),
                                    qsizetype(rgba.width()) * 4));
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace

TEST(DocumentJson, PicturesHashTheirStraightRgbaBytes)
{
    for (bool alpha : {false, true}) {
        const Picture p = tinyPicture(5, 3, alpha, 2);
        EXPECT_EQ(straightRgbaSha256(p), independentRgbaHash(p));
        // A premultiplied picture hashes as its straight form.
        EXPECT_EQ(straightRgbaSha256(p.convertToFormat(QImage::Format_ARGB32_Premultiplied)),
                  straightRgbaSha256(p.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                         .convertToFormat(QImage::Format_ARGB32)));
    }
    EXPECT_EQ(pictureToJson(Picture()), QJsonValue(QJsonValue::Null));
    const QJsonObject o = pictureToJson(tinyPicture(5, 3, false, 2)).toObject();
    EXPECT_EQ(o["width"].toInt(), 5);
    EXPECT_EQ(o["height"].toInt(), 3);
}

TEST(DocumentJson, ShowsTheStoredFieldsOfEachType)
{
    Document table;
    buildSampleDocument(table, DokTyp::Cluster, 0);
    const QJsonObject t = documentToJson(table);
    const QJsonObject th = t["header"].toObject();
    EXPECT_EQ(th["BilderPasswort"].toString(), QStringLiteral("Geheim ß€"));
    EXPECT_EQ(th["EinrueckRand"].toObject()["bottom"].toDouble(), 0.01);
    const QJsonArray rows = th["LueckenTabelle"].toArray();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].toArray().size(), 3);
    const QJsonObject pictureCell = rows[0].toArray()[2].toObject(); // Art 2
    EXPECT_EQ(pictureCell["Bild"].toObject()["rgba_sha256"].toString(),
              independentRgbaHash(table.header.LueckenTabelle[0][2].Bild));
    EXPECT_FALSE(rows[0].toArray()[0].toObject().contains("Bild")); // Art 0
    EXPECT_EQ(th["SpaltenHtgd"].toArray().size(), 3);
    EXPECT_FALSE(th.contains("KreuzGitter"));
    EXPECT_EQ(t["objects"].toArray().size(), table.objectCount());
    EXPECT_EQ(t["Schriftart"].toString(), QStringLiteral("Arial"));

    Document crossword;
    buildSampleDocument(crossword, DokTyp::Crossword, 0);
    const QJsonObject c = documentToJson(crossword)["header"].toObject();
    ASSERT_EQ(c["KreuzGitter"].toArray().size(), 30);
    EXPECT_EQ(c["KreuzGitter"].toArray()[1].toArray()[5].toString(), QStringLiteral("J")); // 35
    EXPECT_EQ(c["KreuzFarben"].toArray()[5].toInt(), 0x060606);
    EXPECT_FALSE(c.contains("LueckenTabelle"));

    Document mc;
    buildSampleDocument(mc, DokTyp::MultipleChoice, 0);
    const QJsonObject question = documentToJson(mc)["objects"].toArray().last().toObject();
    EXPECT_EQ(question["BildAntw"].toArray().size(), 3);
    EXPECT_EQ(question["MCInfoLinkData"].toArray()[4].toInt(), 50);
    const QJsonObject label = documentToJson(mc)["objects"].toArray().first().toObject();
    EXPECT_FALSE(label.contains("Bild"));
    EXPECT_EQ(label["Text"].toString(), mc.objects[0].Text);
}
