#pragma once

// Small documents of every type, built through the Document API, and a
// comparison of everything a document file stores. Shared by the file
// format tests and the fuzzing seed corpus.

#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <vector>

namespace velunto::testing {

// A tiny picture whose pixels depend on seed; with alpha, the alpha values
// vary too.
inline Picture tinyPicture(int width, int height, bool alpha, int seed)
{
    Picture p(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = seed * 37 + x * 53 + y * 91;
            p.setPixel(x, y,
                       qRgba(v & 0xFF, (v >> 1) & 0xFF, (v * 7) & 0xFF,
                             alpha ? (x * 60 + y * 30 + seed) & 0xFF : 255));
        }
    }
    return p;
}

struct SampleType
{
    int dokTyp;
    int dokUnterTyp;
    const char* name; // used for file names and test names
};

inline const std::vector<SampleType>& sampleTypes()
{
    static const std::vector<SampleType> types = {
        {DokTyp::Free, 0, "free"},
        {DokTyp::Cloze, ClozeSubType::Flowing, "cloze"},
        {DokTyp::Cloze, ClozeSubType::Table, "table_cloze"},
        {DokTyp::Cloze, ClozeSubType::CTest, "ctest"},
        {DokTyp::Cloze, ClozeSubType::FlowingWithWrongWords, "cloze_wrong_words"},
        {DokTyp::Cloze, ClozeSubType::CTestWithWrongWords, "ctest_wrong_words"},
        {DokTyp::Questions, 0, "questions"},
        {DokTyp::MultipleChoice, 0, "multiple_choice"},
        {DokTyp::Cluster, 0, "cluster"},
        {DokTyp::CrossAssign, 0, "cross_assign"},
        {DokTyp::Crossword, 0, "crossword"},
    };
    return types;
}

// One object of every authored kind with values away from the defaults.
inline void addAuthoredObjects(Document& doc)
{
    int seed = 1;
    for (int kind : kindsWith(KindFlag::EditorKind)) {
        ObjDataTyp o;
        o.Typ = kind;
        o.Sx = 0.1 * seed;
        o.Sy = 0.05 * seed + 0.001;
        o.Kx = o.Sx + 0.2;
        o.Ky = 1.0 / 3.0 + seed;
        o.Text = QStringLiteral("erste Zeile \"zitiert\", mit Komma\r\nzweite\r\n\r\n  Ende  ");
        o.KAusr = seed % 6;
        o.TAusr = seed % 3;
        o.Ebene = isPointKind(kind) || kind == ObjectKind::ImageLink ? 2 : 1;
        o.Sline = seed % 2;
        o.Fsize = seed - 3;
        o.KAusrAktiv = (seed + 1) % 6;
        o.FrageNummer = seed == 3 ? -1 : seed;
        o.Stil = seed % 8;
        o.Farbe = 0x102030 * seed;
        o.LinieFarbe = 0x0A0B0C + seed;
        o.LinieDicke = 1 + seed % 5;
        o.Untertyp = seed % 2;
        o.AntwortAnz = seed;
        o.ZIndex = seed - 4;
        o.HFarbe = 0xABCDEF - seed;
        o.HDeck = 10 * seed;
        o.PktCap = QStringLiteral("Titel Ä%1").arg(seed);
        o.PktCap2 = QStringLiteral("2. Zeile");
        o.BildKenn = QStringLiteral("kenn-%1").arg(seed);
        o.BildDeck = 100 - seed;
        o.BildkarteAnpassen = seed % 2;
        o.PunktInUebung = (seed + 1) % 2;
        if (storesPicture(kind))
            o.Bild = tinyPicture(3 + seed % 3, 2 + seed % 2, seed % 2 == 0, seed);
        doc.objects.push_back(o);
        ++seed;
    }
}

inline void fillGapTable(Document& doc)
{
    HeaderDataTyp& h = doc.header;
    h.LueckenTabelleZeilen = 3;
    h.LueckenTabelleSpalten = 3;
    h.LueckenTabelleLinie = 1;
    h.LueckenTabelleLinieCol = 0x123456;
    int seed = 0;
    for (int r = 0; r < h.LueckenTabelleZeilen; ++r) {
        for (int c = 0; c < h.LueckenTabelleSpalten; ++c) {
            lueckentabellearrtyp& cell = h.LueckenTabelle[r][c];
            cell.Text = QStringLiteral("Zelle [%1|%2]").arg(r).arg(c);
            cell.Art = seed % 4;
            if (cellCarriesPicture(h.DokTyp, cell.Art)) {
                cell.Bild = tinyPicture(2, 2, seed % 2 == 1, seed);
                cell.BildKenn = QStringLiteral("b%1").arg(seed);
                cell.Groesse = 5 * seed;
                cell.BildkarteAnpassen = seed % 2;
                cell.Link = QStringLiteral("/tmp/datei%1.pdf").arg(seed);
                cell.LinkInUebung = 1;
            }
            ++seed;
        }
    }
}

// A small valid document of the given type with a value away from the
// default in every stored field.
inline void buildSampleDocument(Document& doc, int dokTyp, int dokUnterTyp)
{
    doc.newDocument();
    doc.setFontName(QStringLiteral("Arial"));
    HeaderDataTyp& h = doc.header;
    h.DokTyp = dokTyp;
    h.DokUnterTyp = dokUnterTyp;
    h.Version = QStringLiteral("1.03");
    h.Titel = QStringLiteral("Beispiel: %1").arg(documentTypeName(dokTyp, dokUnterTyp));
    h.Autor = QStringLiteral("Anna Müller");
    h.Bemerkung = QStringLiteral("Zeile eins\r\nZeile zwei – mit Gedankenstrich €");
    h.AnzFrageNummern = 2;
    h.RandErw = {0.1, 0.05, 0.0, 0.2};
    h.NumArt = 1;
    h.GeordnetArt = 1;
    h.EinrueckRand = {0.04, 0.03, 0.02, 0.01};
    h.HtgdCol = 0xEEDDCC;
    h.BasisbildDeck = 80;
    h.MinLuecke = 5;
    h.TextCol = 0x111111;
    h.FragBtnHtgdCol = 0x00AA00;
    h.FragBtnTextCol = 0x0000BB;
    h.LueckentextCol = 0xCC0000;
    h.BilderPasswort = QStringLiteral("Geheim ß€");
    h.Arbeitsblatt = QStringLiteral("0|1|0|1|1|0|0|100|0|0|");
    h.ABAufgabe = QStringLiteral("Aufgabe: Ordne zu!");
    h.ABLogo = tinyPicture(4, 2, true, 9);
    h.LogoGroesse = 0.35;
    h.LogoAusricht = 1;
    h.Fusszeile = QStringLiteral("Schule am See");
    h.FusszeileAusricht = 2;
    h.Zielpunktgroesse = 70;
    doc.baseImage = tinyPicture(8, 6, false, 3);
    addAuthoredObjects(doc);

    switch (dokTyp) {
    case DokTyp::Cloze:
        h.lueckentext = QStringLiteral("Die [Katze] sitzt auf der [Matte].\r\nZweiter Absatz.");
        h.fragentext = QStringLiteral("Hund\r\nMaus");
        if (dokUnterTyp == ClozeSubType::Table)
            fillGapTable(doc);
        break;
    case DokTyp::Questions: {
        h.fragentext = QStringLiteral("Frage 1?\r\nAntwort 1\r\nFrage 2?\r\nAntwort 2");
        // Single questions keep their generated objects in the file.
        for (int kind : {ObjectKind::QuestionAnswer, ObjectKind::QuestionText,
                         ObjectKind::NavPrevious, ObjectKind::QuestionCaption})
            doc.addGeneratedObject(kind, 1, QStringLiteral("Frage %1").arg(kind), 1, 0.5, 0.4, 0,
                                   2);
        break;
    }
    case DokTyp::MultipleChoice: {
        ObjDataTyp text;
        text.Typ = ObjectKind::McQuestion;
        text.Text = QStringLiteral("Was stimmt?\r\n+ Das\r\n- Jenes");
        text.AntwortAnz = 2;
        text.FrageNummer = 1;
        text.MCInfoLinkData = {1, 2, 3, 4, 5, 6};
        doc.objects.push_back(text);
        ObjDataTyp pictures;
        pictures.Typ = ObjectKind::McImageQuestion;
        pictures.Untertyp = 1;
        pictures.AntwortAnz = 3;
        pictures.FrageNummer = 2;
        pictures.Text = QStringLiteral("Welches Bild?\r\n+ Bild\r\n- Bild\r\n- Bild");
        pictures.Bild = tinyPicture(5, 4, false, 20);
        for (int i = 0; i < 3; ++i)
            pictures.BildAntw[i] = tinyPicture(2 + i, 2, i == 1, 30 + i);
        pictures.MCInfoLinkData = {0x010101, 0x020202, 0x030303, 0x040404, 50, 60};
        doc.objects.push_back(pictures);
        break;
    }
    case DokTyp::Cluster:
        fillGapTable(doc);
        for (int c = 0; c < kTableColumns; ++c)
            h.SpaltenHtgd[c] = {0x010203 * (c + 1), 10 + c};
        break;
    case DokTyp::CrossAssign:
        fillGapTable(doc);
        break;
    case DokTyp::Crossword:
        for (int i = 0; i < kCrosswordSize * kCrosswordSize; i += 7)
            h.KreuzGitter[i] = QString(QChar(u'A' + i % 26));
        for (int i = 0; i < kCrosswordSize; i += 3) {
            h.KreuzFragen1[i] = QStringLiteral("waagrecht %1").arg(i);
            h.KreuzFragen2[i] = QStringLiteral("senkrecht %1").arg(i);
        }
        h.KreuzFarben = {0x010101, 0x020202, 0x030303, 0x040404, 0x050505, 0x060606};
        break;
    default:
        break;
    }
    doc.updateZRange();
}

// Both null, or the same size and the same straight ARGB values.
inline bool samePixels(const Picture& a, const Picture& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

inline void expectSameRect(const RectD& a, const RectD& b)
{
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.right, b.right);
    EXPECT_EQ(a.bottom, b.bottom);
}

// Expects every field that a document file stores to be equal.
inline void expectSameStoredContent(const Document& a, const Document& b)
{
    const HeaderDataTyp& x = a.header;
    const HeaderDataTyp& y = b.header;
    EXPECT_EQ(x.Version, y.Version);
    EXPECT_EQ(x.Titel, y.Titel);
    EXPECT_EQ(x.Autor, y.Autor);
    EXPECT_EQ(x.Bemerkung, y.Bemerkung);
    EXPECT_EQ(x.lueckentext, y.lueckentext);
    EXPECT_EQ(x.fragentext, y.fragentext);
    EXPECT_EQ(x.AnzFrageNummern, y.AnzFrageNummern);
    EXPECT_EQ(x.DokTyp, y.DokTyp);
    EXPECT_EQ(x.DokUnterTyp, y.DokUnterTyp);
    expectSameRect(x.RandErw, y.RandErw);
    EXPECT_EQ(x.NumArt, y.NumArt);
    EXPECT_EQ(x.GeordnetArt, y.GeordnetArt);
    expectSameRect(x.EinrueckRand, y.EinrueckRand);
    EXPECT_EQ(x.HtgdCol, y.HtgdCol);
    EXPECT_EQ(x.BasisbildDeck, y.BasisbildDeck);
    EXPECT_EQ(x.MinLuecke, y.MinLuecke);
    if (hasGapTable(x.DokTyp, x.DokUnterTyp)) {
        EXPECT_EQ(x.LueckenTabelleZeilen, y.LueckenTabelleZeilen);
        EXPECT_EQ(x.LueckenTabelleSpalten, y.LueckenTabelleSpalten);
        EXPECT_EQ(x.LueckenTabelleLinie, y.LueckenTabelleLinie);
        EXPECT_EQ(x.LueckenTabelleLinieCol, y.LueckenTabelleLinieCol);
        for (int r = 0; r < x.LueckenTabelleZeilen; ++r) {
            for (int c = 0; c < x.LueckenTabelleSpalten; ++c) {
                SCOPED_TRACE(::testing::Message() << "cell " << r << "/" << c);
                const lueckentabellearrtyp& p = x.LueckenTabelle[r][c];
                const lueckentabellearrtyp& q = y.LueckenTabelle[r][c];
                EXPECT_EQ(p.Text, q.Text);
                EXPECT_EQ(p.Art, q.Art);
                if (!cellCarriesPicture(x.DokTyp, p.Art))
                    continue;
                EXPECT_TRUE(samePixels(p.Bild, q.Bild));
                EXPECT_EQ(p.BildKenn, q.BildKenn);
                EXPECT_EQ(p.Groesse, q.Groesse);
                EXPECT_EQ(p.BildkarteAnpassen, q.BildkarteAnpassen);
                EXPECT_EQ(p.Link, q.Link);
                EXPECT_EQ(p.LinkInUebung, q.LinkInUebung);
            }
        }
    }
    if (x.DokTyp == DokTyp::Cluster) {
        for (int c = 0; c < x.LueckenTabelleSpalten; ++c)
            EXPECT_EQ(x.SpaltenHtgd[c], y.SpaltenHtgd[c]);
    }
    if (x.DokTyp == DokTyp::Crossword) {
        EXPECT_EQ(x.KreuzGitter, y.KreuzGitter);
        EXPECT_EQ(x.KreuzFragen1, y.KreuzFragen1);
        EXPECT_EQ(x.KreuzFragen2, y.KreuzFragen2);
        EXPECT_EQ(x.KreuzFarben, y.KreuzFarben);
    }
    EXPECT_EQ(x.BilderPasswort, y.BilderPasswort);
    EXPECT_EQ(a.fontName(), b.fontName());
    EXPECT_EQ(x.Arbeitsblatt, y.Arbeitsblatt);
    EXPECT_EQ(x.ABAufgabe, y.ABAufgabe);
    EXPECT_EQ(x.TextCol, y.TextCol);
    EXPECT_EQ(x.FragBtnHtgdCol, y.FragBtnHtgdCol);
    EXPECT_EQ(x.FragBtnTextCol, y.FragBtnTextCol);
    EXPECT_EQ(x.LueckentextCol, y.LueckentextCol);
    EXPECT_TRUE(samePixels(x.ABLogo, y.ABLogo));
    EXPECT_EQ(x.LogoGroesse, y.LogoGroesse);
    EXPECT_EQ(x.LogoAusricht, y.LogoAusricht);
    EXPECT_EQ(x.Fusszeile, y.Fusszeile);
    EXPECT_EQ(x.FusszeileAusricht, y.FusszeileAusricht);
    EXPECT_EQ(x.Zielpunktgroesse, y.Zielpunktgroesse);
    EXPECT_TRUE(samePixels(a.baseImage, b.baseImage));

    ASSERT_EQ(a.objectCount(), b.objectCount());
    for (int i = 0; i < a.objectCount(); ++i) {
        SCOPED_TRACE(::testing::Message() << "object " << i);
        const ObjDataTyp& p = a.objects[i];
        const ObjDataTyp& q = b.objects[i];
        EXPECT_EQ(p.Sx, q.Sx);
        EXPECT_EQ(p.Sy, q.Sy);
        EXPECT_EQ(p.Kx, q.Kx);
        EXPECT_EQ(p.Ky, q.Ky);
        EXPECT_EQ(p.Text, q.Text);
        EXPECT_EQ(p.KAusr, q.KAusr);
        EXPECT_EQ(p.TAusr, q.TAusr);
        EXPECT_EQ(p.Ebene, q.Ebene);
        EXPECT_EQ(p.Typ, q.Typ);
        EXPECT_EQ(p.Sline, q.Sline);
        EXPECT_EQ(p.Fsize, q.Fsize);
        EXPECT_EQ(p.KAusrAktiv, q.KAusrAktiv);
        EXPECT_EQ(p.FrageNummer, q.FrageNummer);
        EXPECT_EQ(p.Stil, q.Stil);
        EXPECT_EQ(p.Farbe, q.Farbe);
        EXPECT_EQ(p.LinieFarbe, q.LinieFarbe);
        EXPECT_EQ(p.LinieDicke, q.LinieDicke);
        EXPECT_EQ(p.Untertyp, q.Untertyp);
        EXPECT_EQ(p.AntwortAnz, q.AntwortAnz);
        EXPECT_EQ(p.ZIndex, q.ZIndex);
        EXPECT_EQ(p.HFarbe, q.HFarbe);
        EXPECT_EQ(p.HDeck, q.HDeck);
        EXPECT_EQ(p.PktCap, q.PktCap);
        EXPECT_EQ(p.PktCap2, q.PktCap2);
        EXPECT_EQ(p.BildKenn, q.BildKenn);
        EXPECT_EQ(p.BildDeck, q.BildDeck);
        EXPECT_EQ(p.BildkarteAnpassen, q.BildkarteAnpassen);
        EXPECT_EQ(p.PunktInUebung, q.PunktInUebung);
        if (storesPicture(p.Typ)) {
            EXPECT_TRUE(samePixels(p.Bild, q.Bild));
        }
        if (isMcQuestionKind(p.Typ)) {
            EXPECT_EQ(p.MCInfoLinkData, q.MCInfoLinkData);
            for (int k = 0; k < kMaxAnswerPictures; ++k)
                EXPECT_TRUE(samePixels(p.BildAntw[k], q.BildAntw[k])) << "answer picture " << k;
        }
    }
}

} // namespace velunto::testing
