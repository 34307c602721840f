#include "document/documentfile.h"

#include "common/binarystream.h"
#include "common/filemessages.h"
#include "content/contentregistry.h"
#include "document/documenttypes.h"
#include "document/fontfactor.h"
#include "document/objectkinds.h"
#include "document/picturecodec.h"
#include "support/pngfixtures.h"
#include "support/sampledocuments.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace velunto;
using namespace velunto::testing;

namespace {

const QString kWrongFormat = QStringLiteral("Ungültiges Dateiformat.");
const QString kNewerVersion =
    QStringLiteral("Das ausgewählte Dokument wurde mit einer neueren Programmversion erstellt und "
                   "kann deshalb mit der vorliegenden Velunto-Version nicht geöffnet werden.");

QStringList texts(const UserMessages& messages)
{
    QStringList result;
    for (const UserMessage& m : messages) {
        EXPECT_EQ(m.kind, Prompter::Kind::Error);
        result << m.text;
    }
    return result;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray sampleBytes(int dokTyp, int dokUnterTyp)
{
    Document doc;
    buildSampleDocument(doc, dokTyp, dokUnterTyp);
    const SerializedDocument s = serializeDocument(doc);
    EXPECT_TRUE(s.error.isEmpty()) << s.error.toStdString();
    return s.bytes;
}

// A document file written field by field, for the files of other versions
// and writers that our writer does not produce.
class HandMadeFile
{
  public:
    // Magic, key list and the four strings every file has.
    HandMadeFile(const QString& magic, const QString& keys)
    {
        w.writeStr(magic);
        w.writeStr(keys);
        w.writeStr(QStringLiteral("1.00"));
        w.writeStr(QStringLiteral("Alter Titel"));
        w.writeStr(QStringLiteral("Autor"));
        w.writeStr(QStringLiteral("Bemerkung"));
    }

    // The fields of an object up to KAusrAktiv, and its picture when the
    // kind has one. Optional fields governed by keys are the caller's.
    void objectStart(int kind, int fsize = 0, const QString& commaText = QStringLiteral("Text"))
    {
        for (double v : {0.25, 0.5, 0.75, 0.125})
            w.writeDouble(v);
        w.writeStr(commaText);
        for (int v : {1, 0, 1, kind, 0, fsize, 1})
            w.writeInt32(v);
    }
    void picture(const Picture& p = tinyPicture(2, 2, false, 1)) { appendPng(w.data(), p); }
    void end(const Picture& base = tinyPicture(3, 2, false, 2)) { picture(base); }

    ByteWriter w;
};

class DocumentFileTest : public ::testing::Test
{
  protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    LoadResult loadBytes(Document& doc, const QByteArray& bytes, const LoadOptions& options = {})
    {
        writeFile(path("doc.vlt"), bytes);
        return loadDocument(doc, path("doc.vlt"), options);
    }

    static void expectStartDocument(const Document& doc)
    {
        EXPECT_TRUE(doc.objects.empty());
        EXPECT_TRUE(doc.header.Titel.isEmpty());
        EXPECT_TRUE(doc.header.FileName.isEmpty());
        EXPECT_EQ(doc.header.DokTyp, 0);
        EXPECT_EQ(doc.baseImage.size(), Document::blankPicture().size());
        EXPECT_FALSE(doc.isModified());
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DocumentFileTest, EveryTypeSurvivesSaveAndLoad)
{
    for (const SampleType& type : sampleTypes()) {
        SCOPED_TRACE(type.name);
        Document original;
        buildSampleDocument(original, type.dokTyp, type.dokUnterTyp);
        original.setModified();
        const QString file = path(QString::fromLatin1(type.name) + ".vlt");

        const SaveResult saved = saveDocument(original, file);
        ASSERT_TRUE(saved.ok) << texts(saved.messages).join("\n").toStdString();
        EXPECT_FALSE(original.isModified());
        EXPECT_EQ(original.header.FileName, file);

        Document loaded;
        int rebuilds = 0;
        const ScopedContentType counting(
            {.dokTyp = type.dokTyp, .build = [&](Document&, bool) { ++rebuilds; }});
        loaded.setModified();
        const LoadResult result = loadDocument(loaded, file);
        ASSERT_TRUE(result.ok);
        EXPECT_TRUE(result.messages.empty());
        expectSameStoredContent(original, loaded);
        EXPECT_EQ(loaded.header.FileName, file);
        EXPECT_FALSE(loaded.isModified());
        EXPECT_EQ(rebuilds, 1);
        EXPECT_EQ(loaded.header.MinZIndex, -3);
        EXPECT_EQ(loaded.header.MaxZIndex, 4);
        for (const ObjDataTyp& o : loaded.objects) {
            EXPECT_EQ(o.Abdeckung, -1);
            EXPECT_EQ(o.Nummer, -1);
            EXPECT_EQ(o.KBreite, -1.0);
        }
    }
}

TEST_F(DocumentFileTest, StoresObjectTextsAsCommaTextAndThePasswordScrambled)
{
    Document doc;
    doc.header.BilderPasswort = QStringLiteral("Zauberwort");
    ObjDataTyp o;
    o.Text = QStringLiteral("erste Zeile\r\nzweite");
    doc.objects.push_back(o);
    const QByteArray bytes = serializeDocument(doc).bytes;
    EXPECT_TRUE(bytes.contains("\"erste Zeile\",zweite"));
    EXPECT_FALSE(bytes.contains("Zauberwort"));

    Document loaded;
    ASSERT_TRUE(loadBytes(loaded, bytes).ok);
    EXPECT_EQ(loaded.header.BilderPasswort, QStringLiteral("Zauberwort"));
    EXPECT_EQ(loaded.objects.at(0).Text, o.Text);
    EXPECT_FALSE(loaded.picturesUnlocked());
}

TEST_F(DocumentFileTest, OldFileWithoutKeysGetsTheDefaults)
{
    HandMadeFile f(QStringLiteral("QEL-1.01"), {});
    f.w.writeInt32(1);
    f.objectStart(ObjectKind::QueryLabel, 2, QStringLiteral("zwei Zeilen"));
    f.end(tinyPicture(3, 2, false, 7));

    Document doc;
    const LoadResult result = loadBytes(doc, f.w.data());
    ASSERT_TRUE(result.ok);
    const HeaderDataTyp& h = doc.header;
    EXPECT_EQ(h.Titel, QStringLiteral("Alter Titel"));
    EXPECT_EQ(h.DokTyp, 0);
    EXPECT_EQ(h.EinrueckRand, defaultEinrueckRand(0));
    EXPECT_EQ(h.HtgdCol, 0xFFFFFF);
    EXPECT_EQ(h.TextCol, 0x000000);
    EXPECT_EQ(h.FragBtnHtgdCol, 0xFF0000);
    EXPECT_EQ(h.FragBtnTextCol, 0xFFFFFF);
    EXPECT_EQ(h.LueckentextCol, 0xFF0000);
    EXPECT_EQ(h.Zielpunktgroesse, 100);
    EXPECT_EQ(h.BasisbildDeck, 100);
    EXPECT_EQ(h.MinLuecke, 3);
    EXPECT_EQ(h.ABAufgabe, QStringLiteral("Aufgabe: Fülle die freien Felder aus!"));
    EXPECT_TRUE(h.ABLogo.isNull());
    EXPECT_TRUE(samePixels(doc.baseImage, tinyPicture(3, 2, false, 7)));
    ASSERT_EQ(doc.objectCount(), 1);
    const ObjDataTyp& o = doc.objects[0];
    EXPECT_EQ(o.Text, QStringLiteral("zwei\r\nZeilen"));
    EXPECT_EQ(o.Fsize, 2);
    EXPECT_EQ(o.FrageNummer, -1);
    EXPECT_EQ(o.LinieDicke, 1);
    EXPECT_EQ(o.HFarbe, 0xFFFFFF);
    EXPECT_EQ(o.HDeck, 0);
    EXPECT_EQ(o.BildDeck, 100);
    EXPECT_TRUE(o.PktCap.isEmpty());
}

TEST_F(DocumentFileTest, IndentKeyCountsInEitherSpelling)
{
    for (const QString& key :
         {QStringLiteral("HD-EinrueckRand"), QStringLiteral("HD-EinrückRand")}) {
        SCOPED_TRACE(key.toStdString());
        HandMadeFile f(QStringLiteral("VLT-2.21"), QStringLiteral("HD-DokTyp;") + key);
        f.w.writeInt32(DokTyp::Questions);
        for (double v : {0.5, 0.25, 0.125, 0.0625})
            f.w.writeDouble(v);
        f.w.writeInt32(0);
        f.end();
        Document doc;
        ASSERT_TRUE(loadBytes(doc, f.w.data()).ok);
        EXPECT_EQ(doc.header.EinrueckRand, (RectD{0.5, 0.25, 0.125, 0.0625}));
    }
}

TEST_F(DocumentFileTest, PointsWithoutPointKeysGetTheirKindsLook)
{
    const struct
    {
        const char* name;
        QString keys;
        int kind;
        QString title;
        ColorRef text;
        ColorRef background;
        int opacity;
    } cases[] = {
        {"info point, no keys", "", ObjectKind::InfoPoint, "Info", 0xFFFFFF, 0xFD5F00, 100},
        {"link, no keys", "", ObjectKind::ExternalLink, "Link", 0xFFFFFF, 0x2F35A4, 100},
        {"document link, no keys", "", ObjectKind::DocumentLink, "Dok.", 0xFFFFFF, 0x4A9829, 100},
        {"label, no keys", "", ObjectKind::QueryLabel, "", 0x000000, 0xFFFFFF, 0},
        {"link with its keys", "OB-Farbe OB-HFarbe OB-HDeck OB-PktHtgdDeck OB-PktCap",
         ObjectKind::ExternalLink, "Mein Link", 0x010203, 0x040506, 30},
        {"link, colours but no title key", "OB-Farbe OB-HFarbe OB-HDeck OB-PktHtgdDeck",
         ObjectKind::ExternalLink, "Link", 0xFFFFFF, 0x2F35A4, 30},
        {"link, title but no opacity key", "OB-Farbe OB-HFarbe OB-HDeck OB-PktCap",
         ObjectKind::ExternalLink, "Mein Link", 0x010203, 0x040506, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HandMadeFile f(QStringLiteral("VLT-2.21"), c.keys);
        f.w.writeInt32(1);
        f.objectStart(c.kind);
        if (c.keys.contains("OB-Farbe"))
            f.w.writeInt32(0x010203);
        if (c.keys.contains("OB-HFarbe"))
            f.w.writeInt32(0x040506);
        if (c.keys.contains("OB-HDeck"))
            f.w.writeInt32(30);
        if (c.keys.contains("OB-PktCap"))
            f.w.writeStr(QStringLiteral("Mein Link"));
        f.end();

        Document doc;
        ASSERT_TRUE(loadBytes(doc, f.w.data()).ok);
        const ObjDataTyp& o = doc.objects.at(0);
        EXPECT_EQ(o.PktCap, c.title);
        EXPECT_EQ(o.Farbe, c.text);
        EXPECT_EQ(o.HFarbe, c.background);
        EXPECT_EQ(o.HDeck, c.opacity);
    }
}

TEST_F(DocumentFileTest, GapTablePictureLinksAreReadOnlyWhenTheirKeyIsListed)
{
    // Files from before picture links hold the picture fields of a cell
    // without the link fields after them.
    for (const bool linkKey : {true, false}) {
        SCOPED_TRACE(linkKey);
        const QString keys = QStringLiteral("HD-DokTyp HD-LueckenTabelleZeilen "
                                            "HD-LueckenTabelleSpalten HD-LueckenTabelleBild") +
                             (linkKey ? QStringLiteral(" HD-LueckenTabelleBildLink") : QString());
        HandMadeFile f(QStringLiteral("VLT-2.21"), keys);
        f.w.writeInt32(DokTyp::Cluster);
        f.w.writeInt32(1); // rows
        f.w.writeInt32(2); // columns
        f.w.writeStr(QStringLiteral("Bild"));
        f.w.writeInt32(2); // a picture cell
        f.picture();
        f.w.writeStr(QStringLiteral("kenn"));
        f.w.writeInt32(7);
        f.w.writeInt32(1);
        if (linkKey) {
            f.w.writeStr(QStringLiteral("ziel.vlt"));
            f.w.writeInt32(1);
        }
        f.w.writeStr(QStringLiteral("Wort"));
        f.w.writeInt32(0); // a text cell
        f.w.writeInt32(0); // objects
        f.end();

        Document doc;
        ASSERT_TRUE(loadBytes(doc, f.w.data()).ok);
        const auto& row = doc.header.LueckenTabelle[0];
        EXPECT_EQ(row[0].Groesse, 7);
        EXPECT_EQ(row[0].Link, linkKey ? QStringLiteral("ziel.vlt") : QString());
        EXPECT_EQ(row[0].LinkInUebung, linkKey ? 1 : 0);
        EXPECT_EQ(row[1].Text, QStringLiteral("Wort"));
        EXPECT_EQ(doc.baseImage.size(), QSize(3, 2));
    }
}

TEST_F(DocumentFileTest, CrosswordBelowVersion221RepeatsItsFifthColour)
{
    for (const char* magic : {"VLT-2.17", "VLT-2.21"}) {
        SCOPED_TRACE(magic);
        const bool sixColours = QByteArray(magic) == "VLT-2.21";
        HandMadeFile f(QString::fromLatin1(magic), QStringLiteral("HD-DokTyp"));
        f.w.writeInt32(DokTyp::Crossword);
        f.w.writeInt32(0);
        f.w.writeInt32(0);
        for (int i = 0; i < 900; ++i)
            f.w.writeStr(i == 31 ? QStringLiteral("Q") : QString());
        f.w.writeInt32(0);
        for (int i = 0; i < 30; ++i)
            f.w.writeStr(QStringLiteral("w%1").arg(i));
        f.w.writeInt32(0);
        for (int i = 0; i < 30; ++i)
            f.w.writeStr(QStringLiteral("s%1").arg(i));
        for (int colour : {11, 12, 13, 14, 15})
            f.w.writeInt32(colour);
        if (sixColours)
            f.w.writeInt32(16);
        f.w.writeInt32(0);
        f.end();

        Document doc;
        ASSERT_TRUE(loadBytes(doc, f.w.data()).ok);
        EXPECT_EQ(doc.header.KreuzGitter[31], QStringLiteral("Q"));
        EXPECT_EQ(doc.header.KreuzFragen2[29], QStringLiteral("s29"));
        EXPECT_EQ(doc.header.KreuzFarben[4], 15);
        EXPECT_EQ(doc.header.KreuzFarben[5], sixColours ? 16 : 15);
        EXPECT_EQ(doc.header.EinrueckRand, defaultEinrueckRand(DokTyp::Crossword));
    }
}

TEST_F(DocumentFileTest, OldFilesConvertPictureSizesWithTheFontFactor)
{
    const struct
    {
        const char* name;
        const char* magic;
        const char* storedFont; // nullptr: no "HD-Schriftart"
        int kind;
        int fsize;
        int expected;
    } cases[] = {
        {"old picture, current font", "QEL-1.01", nullptr, ObjectKind::QueryImage, 0, 44},
        {"old picture link", "VLT-2.16", nullptr, ObjectKind::ImageLink, 2, 54},
        {"old picture, stored font", "VLT-2.16", "Arial Black", ObjectKind::FixedImage, 0, 3},
        {"old label is not converted", "VLT-2.16", nullptr, ObjectKind::QueryLabel, 5, 5},
        {"2.17 is not converted", "VLT-2.17", nullptr, ObjectKind::QueryImage, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HandMadeFile f(QString::fromLatin1(c.magic),
                       c.storedFont ? QStringLiteral("HD-Schriftart") : QString());
        if (c.storedFont)
            f.w.writeStr(QString::fromLatin1(c.storedFont));
        f.w.writeInt32(1);
        f.objectStart(c.kind, c.fsize);
        if (storesPicture(c.kind))
            f.picture();
        f.end();

        Document doc;
        doc.setFontName(QStringLiteral("Cambria Math")); // factor 4.9955
        ASSERT_TRUE(loadBytes(doc, f.w.data()).ok);
        EXPECT_EQ(doc.objects.at(0).Fsize, c.expected);
    }
}

TEST(FontFactor, ConvertsSizeStepsWithHalvesToEven)
{
    EXPECT_EQ(fontHeightFactor(QStringLiteral("arial black")), 1.2632);
    EXPECT_EQ(fontHeightFactor(QStringLiteral("Unbekannte Schrift")), 1.0);
    EXPECT_EQ(convertSizeStep(7, 1.0), 7);
    EXPECT_EQ(convertSizeStep(0, 1.5), 6); // 5.5
    EXPECT_EQ(convertSizeStep(2, 1.5), 8); // 8.5
    EXPECT_EQ(convertSizeStep(-8, 1.1119), -8);
    EXPECT_EQ(convertSizeStep(INT_MAX, 4.9955), INT_MAX);
}

TEST_F(DocumentFileTest, RefusedFilesLeaveTheStartDocumentAndSayWhy)
{
    const QByteArray good = sampleBytes(DokTyp::Free, 0);
    auto withMagic = [&](const char* magic) {
        ByteWriter w;
        w.writeStr(QString::fromLatin1(magic));
        ByteReader r(good);
        r.readRawStr();
        return w.data() + good.mid(r.position());
    };
    const struct
    {
        const char* name;
        QByteArray bytes;
        QStringList firstMessages;
    } cases[] = {
        {"newer version", withMagic("VLT-2.30"), {kNewerVersion}},
        {"other format", withMagic("ABC-2.21"), {kWrongFormat}},
        {"empty magic", withMagic(""), {kWrongFormat}},
        {"empty file", {}, {}},
        {"a picture renamed", pngSignature() + good.mid(8), {kWrongFormat}},
        {"a text", QByteArray("Liebe Eltern,\r\nam Freitag ..."), {kWrongFormat}},
        {"magic cut short", good.left(7), {}},
        {"length only", good.left(4), {}},
        {"truncated", good.left(good.size() - 30), {}},
        {"picture bytes broken", good.left(good.size() - 40) + QByteArray(40, 'x'), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        buildSampleDocument(doc, DokTyp::Cluster, 0);
        doc.header.FileName = QStringLiteral("/vorher.vlt");
        int rebuilds = 0;
        const ScopedContentType counting(
            {.dokTyp = DokTyp::Cluster, .build = [&](Document&, bool) { ++rebuilds; }});
        const LoadResult result = loadBytes(doc, c.bytes);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(texts(result.messages),
                  c.firstMessages + QStringList{fileReadErrorMessage(path("doc.vlt"))});
        expectStartDocument(doc);
        EXPECT_EQ(doc.previousFileName(), QStringLiteral("/vorher.vlt"));
        EXPECT_EQ(rebuilds, 0);
    }
}

TEST_F(DocumentFileTest, MissingFileLeavesTheDocumentAsItWas)
{
    Document doc;
    buildSampleDocument(doc, DokTyp::Free, 0);
    const LoadResult result = loadDocument(doc, path("fehlt.vlt"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(
        texts(result.messages),
        QStringList{QStringLiteral("Die Datei \"%1\" existiert nicht.").arg(path("fehlt.vlt"))});
    EXPECT_EQ(doc.objectCount(), 8);
    EXPECT_FALSE(doc.header.Titel.isEmpty());
}

TEST_F(DocumentFileTest, EveryCutOfAFileFailsCleanly)
{
    const QByteArray good = sampleBytes(DokTyp::Cloze, ClozeSubType::Table);
    Document doc;
    for (qsizetype n = 0; n < good.size(); ++n) {
        const LoadResult result = loadDocumentFromBytes(doc, good.first(n), QStringLiteral("x"));
        ASSERT_FALSE(result.ok) << "cut at " << n;
        ASSERT_EQ(result.messages.size(), 1u) << "cut at " << n;
    }
    EXPECT_TRUE(loadDocumentFromBytes(doc, good, QStringLiteral("x")).ok);
}

TEST_F(DocumentFileTest, HostileLengthsAndSizesAreRefused)
{
    auto tableFile = [](int rows, int columns) {
        HandMadeFile f(
            QStringLiteral("VLT-2.21"),
            QStringLiteral("HD-DokTyp HD-LueckenTabelleZeilen HD-LueckenTabelleSpalten"));
        f.w.writeInt32(DokTyp::Cluster);
        f.w.writeInt32(rows);
        f.w.writeInt32(columns);
        for (int i = 0; i < std::max(0, rows) * std::max(0, columns) && i < 400; ++i)
            f.w.writeStr(QStringLiteral("z"));
        f.w.writeInt32(0);
        f.end();
        return f.w.data();
    };
    auto objectCountFile = [](std::int32_t count) {
        HandMadeFile f(QStringLiteral("VLT-2.21"), {});
        f.w.writeInt32(count);
        f.objectStart(0);
        f.end();
        return f.w.data();
    };
    auto titleLengthFile = [](std::int32_t length) {
        ByteWriter w;
        w.writeStr(QStringLiteral("VLT-2.21"));
        w.writeStr({});
        w.writeStr(QStringLiteral("1.00"));
        w.writeInt32(length);
        w.writeBytes(QByteArray(64, 'a'));
        return w.data();
    };
    auto basePictureFile = [](const QByteArray& png) {
        HandMadeFile f(QStringLiteral("VLT-2.21"), {});
        f.w.writeInt32(0);
        f.w.writeBytes(png);
        return f.w.data();
    };
    RawPng wide;
    wide.width = 20001;
    wide.colourType = 0;
    wide.samples = [](int, int) { return std::vector<unsigned>{7}; };

    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"17 table rows", tableFile(17, 2)},
        {"13 table columns", tableFile(2, 13)},
        {"no table rows", tableFile(0, 2)},
        {"negative columns", tableFile(3, -1)},
        {"object count beyond the data", objectCountFile(1000)},
        {"huge object count", objectCountFile(0x7FFFFFFF)},
        {"negative object count", objectCountFile(-1)},
        {"negative string length", titleLengthFile(-5)},
        {"string length beyond the data", titleLengthFile(0x7FFFFFF0)},
        {"picture wider than 20000", basePictureFile(buildPng(wide))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        const LoadResult result = loadDocumentFromBytes(doc, c.bytes, QStringLiteral("x.vlt"));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(texts(result.messages), QStringList{fileReadErrorMessage("x.vlt")});
        expectStartDocument(doc);
    }
    // The limits themselves are allowed.
    Document doc;
    EXPECT_TRUE(loadDocumentFromBytes(doc, tableFile(16, 12), QStringLiteral("x.vlt")).ok);
    EXPECT_TRUE(loadDocumentFromBytes(doc, tableFile(1, 1), QStringLiteral("x.vlt")).ok);
}

TEST_F(DocumentFileTest, LoadsADocumentEmbeddedAtAnOffset)
{
    Document original;
    buildSampleDocument(original, DokTyp::MultipleChoice, 0);
    // Loading builds the page objects of the questions: the original has
    // them too.
    original.rebuildContent();
    QByteArray container(5000, '\x07');
    container += serializeDocument(original).bytes;
    container += QByteArray(300, '\x7F');

    Document doc;
    LoadOptions options;
    options.offset = 5000;
    options.objectEditorOpen = true;
    ASSERT_TRUE(loadBytes(doc, container, options).ok);
    expectSameStoredContent(original, doc);
    EXPECT_EQ(doc.objects.at(0).Abdeckung, 0);

    EXPECT_FALSE(loadBytes(doc, container).ok);
    options.offset = container.size() + 10;
    EXPECT_FALSE(loadBytes(doc, container, options).ok);
}

TEST_F(DocumentFileTest, StoredFontNamesAreKeptWhetherInstalledOrNot)
{
    // Drawn with the font, its metric-compatible stand-in or Arial's: the
    // name the author chose goes back into the file unchanged.
    for (const char* font : {"DejaVu Sans", "Times New Roman", "Verdana", "Keine Solche Schrift"}) {
        SCOPED_TRACE(font);
        Document doc;
        doc.setFontName(QString::fromLatin1(font));
        const QByteArray bytes = serializeDocument(doc).bytes;
        Document loaded;
        loaded.setFontName(QStringLiteral("Vorher"));
        ASSERT_TRUE(loadBytes(loaded, bytes).ok);
        EXPECT_EQ(loaded.fontName(), QString::fromLatin1(font));
        EXPECT_EQ(serializeDocument(loaded).bytes, bytes);
    }
}

TEST_F(DocumentFileTest, SummaryReadsOnlyTheHead)
{
    Document doc;
    buildSampleDocument(doc, DokTyp::Cloze, ClozeSubType::CTest);
    doc.header.lueckentext = QString(20000, u'x'); // longer than the first block
    QByteArray bytes = serializeDocument(doc).bytes;
    writeFile(path("ganz.vlt"), bytes);

    const std::optional<DocumentSummary> summary = readDocumentSummary(path("ganz.vlt"));
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->Version, doc.header.Version);
    EXPECT_EQ(summary->Titel, doc.header.Titel);
    EXPECT_EQ(summary->Autor, doc.header.Autor);
    EXPECT_EQ(summary->Bemerkung, doc.header.Bemerkung);
    EXPECT_EQ(summary->lueckentext, doc.header.lueckentext);
    EXPECT_EQ(summary->fragentext, doc.header.fragentext);
    EXPECT_EQ(summary->AnzFrageNummern, 2);
    EXPECT_EQ(summary->DokTyp, DokTyp::Cloze);

    // Broken after the summary fields, or of a newer version: still a summary.
    const QByteArray dokTypCloze("\x01\x00\x00\x00", 4);
    const qsizetype headEnd = bytes.indexOf(dokTypCloze, bytes.indexOf(QByteArray(20, 'x')));
    writeFile(path("kopf.vlt"), bytes.left(headEnd + 4) + "xyz");
    EXPECT_EQ(readDocumentSummary(path("kopf.vlt")), summary);
    QByteArray newer = bytes;
    newer.replace(4, 8, "VLT-9.99");
    writeFile(path("neu.vlt"), newer);
    EXPECT_TRUE(readDocumentSummary(path("neu.vlt")).has_value());

    QByteArray otherFormat = bytes;
    otherFormat.replace(4, 4, "ZZZ-");
    writeFile(path("fremd.vlt"), otherFormat);
    EXPECT_FALSE(readDocumentSummary(path("fremd.vlt")).has_value());
    writeFile(path("kurz.vlt"), bytes.left(headEnd));
    EXPECT_FALSE(readDocumentSummary(path("kurz.vlt")).has_value());
    EXPECT_FALSE(readDocumentSummary(path("fehlt.vlt")).has_value());
    EXPECT_FALSE(readDocumentSummary(dir.path()).has_value());
}

TEST_F(DocumentFileTest, TextsOutsideTheCodePageStopTheSave)
{
    writeFile(path("alt.vlt"), "alter Inhalt");
    Document doc;
    doc.header.Titel = QStringLiteral("Pfeil → rechts");
    ObjDataTyp o;
    o.Text = QStringLiteral("Lachen 😀 und →");
    doc.objects.push_back(o);
    doc.setModified();

    const SaveResult result = saveDocument(doc, path("alt.vlt"));
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(result.messages.size(), 1u);
    const QString message = result.messages[0].text;
    EXPECT_TRUE(message.contains(QStringLiteral("„→“ „😀“"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Titel, Objekt-ID 0"))) << message.toStdString();
    EXPECT_EQ(readFile(path("alt.vlt")), QByteArray("alter Inhalt"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.header.FileName.isEmpty());
}

TEST_F(DocumentFileTest, AFailedWriteIsReportedAndChangesNothing)
{
    Document doc;
    doc.setModified();
    const QString target = path("gibt-es-nicht/doc.vlt");
    const SaveResult result = saveDocument(doc, target);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(texts(result.messages), QStringList{fileWriteErrorMessage(target)});
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.header.FileName.isEmpty());
    EXPECT_FALSE(QFile::exists(target));

    // Saving over an existing file replaces it whole.
    writeFile(path("doc.vlt"), QByteArray(100000, 'a'));
    ASSERT_TRUE(saveDocument(doc, path("doc.vlt")).ok);
    EXPECT_EQ(readFile(path("doc.vlt")), serializeDocument(doc).bytes);
}

TEST_F(DocumentFileTest, FieldsThatMustHoldAPictureGetTheBlankOne)
{
    Document doc;
    doc.header.DokTyp = DokTyp::CrossAssign;
    doc.header.LueckenTabelle[0][1].Art = 2;
    ObjDataTyp image;
    image.Typ = ObjectKind::QueryImage;
    doc.objects.push_back(image);
    ObjDataTyp mc;
    mc.Typ = ObjectKind::McQuestion;
    mc.Untertyp = 1;
    mc.AntwortAnz = 14; // more than the twelve pictures a question can have
    mc.BildAntw[0] = tinyPicture(2, 2, false, 1);
    doc.objects.push_back(mc);

    Document loaded;
    ASSERT_TRUE(loadBytes(loaded, serializeDocument(doc).bytes).ok);
    const Picture blank = Document::blankPicture();
    EXPECT_TRUE(samePixels(loaded.header.LueckenTabelle[0][1].Bild, blank));
    EXPECT_TRUE(samePixels(loaded.objects.at(0).Bild, blank));
    EXPECT_TRUE(samePixels(loaded.objects.at(1).BildAntw[0], mc.BildAntw[0]));
    EXPECT_TRUE(samePixels(loaded.objects.at(1).BildAntw[11], blank));
    EXPECT_EQ(loaded.objects.at(1).AntwortAnz, 14);
}
