#include "content/contentregistry.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <gtest/gtest.h>

using namespace velunto;

TEST(DocumentModel, NewDocumentHasTheDefaults)
{
    Document doc;
    doc.header.Titel = QStringLiteral("x");
    doc.header.FileName = QStringLiteral("/tmp/a.vlt");
    doc.objects.resize(3);
    doc.setModified();
    doc.newDocument();
    const HeaderDataTyp& h = doc.header;
    EXPECT_TRUE(h.Titel.isEmpty());
    EXPECT_EQ(h.Version, QStringLiteral("1.00"));
    EXPECT_EQ(h.DokTyp, 0);
    EXPECT_EQ(h.LueckenTabelleZeilen, 5);
    EXPECT_EQ(h.LueckenTabelleSpalten, 2);
    EXPECT_EQ(h.MinLuecke, 3);
    EXPECT_EQ(h.Zielpunktgroesse, 100);
    EXPECT_EQ(h.ABAufgabe, QStringLiteral("Aufgabe: Fülle die freien Felder aus!"));
    EXPECT_EQ(h.SpaltenHtgd[0].colour, 0xBEFF7F);
    EXPECT_EQ(h.SpaltenHtgd[6].colour, 0xBF7FFF);
    EXPECT_EQ(h.SpaltenHtgd[11].value, 50);
    EXPECT_EQ(h.KreuzFarben[5], 0xC0);
    EXPECT_TRUE(doc.objects.empty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.baseImage.isNull());
    EXPECT_EQ(doc.previousFileName(), QStringLiteral("/tmp/a.vlt"));
}

TEST(DocumentModel, DeleteKeepsOrderAndDuplicateCapsPosition)
{
    Document doc;
    for (int i = 0; i < 5; ++i)
        doc.addGeneratedObject(ObjectKind::FixedLabel, 1, QString::number(i), -1, 0.1, 0.1, 0, 0);
    doc.deleteObject(2);
    ASSERT_EQ(doc.objectCount(), 4);
    EXPECT_EQ(doc.objects[2].Text, QStringLiteral("3"));
    EXPECT_EQ(doc.objects[3].Text, QStringLiteral("4"));

    doc.objects[1].Ky = 0.98;
    doc.objects[1].Sy = 0.5;
    const int copy = doc.duplicateObject(1);
    ASSERT_EQ(copy, 2);
    EXPECT_EQ(doc.objects[2].Text, QStringLiteral("KOPIE von 1"));
    EXPECT_EQ(doc.objects[2].Ky, 1.0);
    EXPECT_DOUBLE_EQ(doc.objects[2].Sy, 0.55);
    EXPECT_EQ(doc.objects[3].Text, QStringLiteral("3"));

    // Pictures are not prefixed and the copy's picture is independent.
    doc.objects[0].Typ = ObjectKind::FixedImage;
    doc.objects[0].Bild = Document::blankPicture(0x0000FF);
    const int picCopy = doc.duplicateObject(0);
    EXPECT_EQ(doc.objects[picCopy].Text, QStringLiteral("0"));
    doc.objects[picCopy].Bild.setPixel(0, 0, qRgb(0, 255, 0));
    EXPECT_EQ(doc.objects[0].Bild.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(DocumentModel, ZOrderAndClipboard)
{
    Document doc;
    doc.addGeneratedObject(ObjectKind::QueryLabel, 1, QStringLiteral("a"), -1, 0, 0, 0, 0);
    doc.addGeneratedObject(ObjectKind::QueryLabel, 1, QStringLiteral("b"), -1, 0, 0, 0, 0);
    const int before = doc.header.MaxZIndex;
    doc.bringToFront(0);
    doc.bringToFront(0);
    EXPECT_EQ(doc.objects[0].ZIndex, before + 2);
    doc.sendToBack(1);
    EXPECT_EQ(doc.objects[1].ZIndex, -1);

    EXPECT_FALSE(doc.canPaste());
    EXPECT_EQ(doc.pasteObject(), -1);
    doc.copyObject(1);
    doc.newDocument(); // the copied object survives other documents
    EXPECT_EQ(doc.pasteObject(), 0);
    EXPECT_EQ(doc.objects[0].Text, QStringLiteral("b"));
}

TEST(DocumentModel, NewObjectPlacesByCounterAndKind)
{
    Document doc;
    const RectD visible{0.0, 0.0, 1.0, 1.0};
    const int i = doc.newObject(ObjectKind::ExternalLink, visible, 3, true, 0);
    const ObjDataTyp& o = doc.objects[i];
    EXPECT_DOUBLE_EQ(o.Sx, 0.2);
    EXPECT_DOUBLE_EQ(o.Sy, 0.3);
    EXPECT_DOUBLE_EQ(o.Kx, 0.4);
    EXPECT_EQ(o.Text, QStringLiteral("NEU"));
    EXPECT_EQ(o.Ebene, 2);
    EXPECT_EQ(o.PktCap, QStringLiteral("Link"));
    EXPECT_EQ(o.HFarbe, 0x2F35A4);
    EXPECT_EQ(o.Farbe, 0xFFFFFF);
    EXPECT_EQ(o.HDeck, 100);
    EXPECT_EQ(o.BildkarteAnpassen, 1);

    const int p = doc.newObject(ObjectKind::QueryImage, visible, 1, false, 0);
    EXPECT_EQ(doc.objects[p].Ebene, 1);
    EXPECT_FALSE(doc.objects[p].Bild.isNull());
    EXPECT_EQ(doc.objects[p].HDeck, 0);
}

TEST(DocumentModel, DeleteAllAuthoredKeepsContentAndRebuilds)
{
    Document doc;
    int rebuilds = 0;
    const ScopedContentType cloze({.dokTyp = DokTyp::Cloze, .build = [&](Document& d, bool) {
                                       ++rebuilds;
                                       d.addGeneratedObject(ObjectKind::GapCard, 1,
                                                            QStringLiteral("Osten"), -1, 0.5, 0.5,
                                                            2, 0);
                                   }});
    EXPECT_FALSE(doc.deleteAllAuthoredObjects());
    EXPECT_EQ(rebuilds, 0);

    doc.header.DokTyp = DokTyp::Cloze;
    doc.header.lueckentext = QStringLiteral("Die Sonne geht im <<Osten>> auf.");
    doc.addGeneratedObject(ObjectKind::FixedLabel, 1, QStringLiteral("a"), -1, 0, 0, 0, 0);
    doc.addGeneratedObject(ObjectKind::GapCard, 1, QStringLiteral("Osten"), -1, 0, 0, 0, 0);
    doc.addGeneratedObject(ObjectKind::TableFixedImage, 1, QStringLiteral("cell"), -1, 0, 0, 0, 0);
    EXPECT_TRUE(doc.deleteAllAuthoredObjects());
    EXPECT_EQ(rebuilds, 1);
    ASSERT_EQ(doc.objectCount(), 2);
    EXPECT_EQ(doc.objects[0].Typ, ObjectKind::TableFixedImage);
    EXPECT_EQ(doc.objects[1].Typ, ObjectKind::GapCard);
    EXPECT_FALSE(doc.header.lueckentext.isEmpty());
}

TEST(DocumentModel, PicturePasswordIsExactAndResetByNewDocument)
{
    Document doc;
    EXPECT_FALSE(doc.picturesLocked());
    doc.header.BilderPasswort = QStringLiteral("Geheim");
    EXPECT_TRUE(doc.picturesLocked());
    EXPECT_FALSE(doc.unlockPictures(QStringLiteral("geheim")));
    EXPECT_TRUE(doc.unlockPictures(QStringLiteral("Geheim")));
    EXPECT_FALSE(doc.picturesLocked());
    doc.newDocument();
    EXPECT_FALSE(doc.picturesUnlocked());
}

TEST(DocumentModel, TypeNames)
{
    EXPECT_EQ(documentTypeName(1, 0), QStringLiteral("Lückentext"));
    EXPECT_EQ(documentTypeName(1, 7), QStringLiteral("Lückentext"));
    EXPECT_EQ(documentTypeName(1, 1),
              QStringLiteral("Tabellarische Text-Bild-/Bild-Text-Zuordnung"));
    EXPECT_EQ(documentTypeName(0, 5), QStringLiteral("Freie Text-Bild-/Bild-Text-Zuordnung"));
    EXPECT_EQ(documentTypeName(6, 0), QStringLiteral("Kreuzworträtsel"));
}
