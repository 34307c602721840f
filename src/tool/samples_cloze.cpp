#include "content/cloze/clozebuilder.h"
#include "content/cloze/clozecontent.h"
#include "content/cloze/gapgenerators.h"
#include "document/document.h"
#include "samplepictures.h"
#include "samples.h"

#include <QPainter>
#include <QPainterPath>

namespace velunto {

namespace {

using samples::kSampleHeight;
using samples::kSampleWidth;

constexpr ColorRef kDarkBlue = 0x5A2A12; // 0xBBGGRR
constexpr ColorRef kGapBlue = 0xB04A1E;

// Light paper with a coloured edge: the page a worksheet text stands on.
QImage paperPicture(const QColor& edge)
{
    QImage image(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFD, 0xF6));
    QPainter p(&image);
    p.fillRect(0, 0, kSampleWidth, 14, edge);
    p.fillRect(0, kSampleHeight - 14, kSampleWidth, 14, edge);
    p.setPen(QPen(edge.lighter(150), 3));
    p.drawRect(QRectF(20, 26, kSampleWidth - 40, kSampleHeight - 52));
    return image;
}

// A filled shape of the geometry sample on a transparent picture.
QImage shapePicture(const QPainterPath& shape, const QColor& fill)
{
    QImage image(300, 220, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(fill.darker(170), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
    return image;
}

QPainterPath triangle()
{
    QPainterPath path;
    path.moveTo(150, 20);
    path.lineTo(270, 200);
    path.lineTo(30, 200);
    path.closeSubpath();
    return path;
}

QPainterPath rectangle(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

QPainterPath circle()
{
    QPainterPath path;
    path.addEllipse(QRectF(60, 20, 180, 180));
    return path;
}

// A new cloze document on a paper picture, with the title, author and the
// indent margins of the samples.
void startSample(Document& doc, int subType, const QString& title, const QString& remark,
                 const QColor& edge)
{
    doc.newDocument();
    doc.setFontName(QStringLiteral("Arial"));
    doc.baseImage = paperPicture(edge);
    startClozeDocument(doc, subType);
    doc.header.EinrueckRand = {0.06, 0.06, 0.06, 0.05};
    doc.header.TextCol = kDarkBlue;
    doc.header.LueckentextCol = kGapBlue;
    doc.header.Titel = title;
    doc.header.Autor = QStringLiteral("Velunto-Beispiele");
    doc.header.Bemerkung = remark;
    doc.header.Fusszeile = QStringLiteral("Velunto-Beispieldokument");
}

QString lines(std::initializer_list<const char*> paragraphs)
{
    QStringList all;
    for (const char* p : paragraphs)
        all << QString::fromUtf8(p);
    return all.join(QStringLiteral("\r\n"));
}

void seasons(Document& doc)
{
    startSample(doc, ClozeSubType::FlowingWithWrongWords, QStringLiteral("Die Jahreszeiten"),
                QStringLiteral("Lückentext mit Falschwörtern: Ziehe die passenden Wörter in "
                               "die Lücken. Vier Wörter passen nirgends."),
                QColor(0x6B, 0xA3, 0x4A));
    doc.header.lueckentext = lines({
        "<b>Die Jahreszeiten</b>",
        "",
        "Ein Jahr hat vier Jahreszeiten: Frühling, Sommer, Herbst und <<Winter>>.",
        "Im Frühling werden die Tage wieder <<länger>>, und an den Bäumen wachsen neue "
        "<<Blätter>>.",
        "Im Sommer steht die Sonne mittags besonders <<hoch>> am Himmel. Es ist warm, und "
        "viele Familien fahren in die <<Ferien | Sommerferien>>.",
        "Im Herbst färben sich die Blätter gelb, rot und <<braun>>. Viele Zugvögel fliegen "
        "nach <<Süden>>.",
        "Im Winter ist es kalt. Manchmal fällt <<Schnee>>, und kleine Seen können "
        "<<zufrieren>>.",
        "Die Jahreszeiten entstehen, weil die Erdachse <<schräg | geneigt>> steht, während "
        "die Erde um die Sonne kreist.",
    });
    doc.header.fragentext = lines({"kürzer", "Norden", "Regen", "gerade"});
    doc.header.MinLuecke = 6;
}

void hedgehog(Document& doc)
{
    startSample(doc, ClozeSubType::CTest, QStringLiteral("Der Igel (C-Test)"),
                QStringLiteral("C-Test: Ab dem zweiten Satz fehlt bei jedem zweiten Wort die "
                               "hintere Hälfte. Ergänze die Wörter."),
                QColor(0x9C, 0x6B, 0x3C));
    const QString text = lines({
        "<b>Der Igel</b>",
        "",
        "Der Igel ist ein kleines Säugetier, das bei uns in Gärten, Hecken und am Waldrand "
        "lebt. Tagsüber schläft er meistens in einem Versteck aus Laub und Zweigen. In der "
        "Nacht geht er auf Nahrungssuche und frisst vor allem Käfer, Würmer und Schnecken. "
        "Wenn Gefahr droht, rollt er sich zu einer stacheligen Kugel zusammen. Im Herbst "
        "frisst sich der Igel ein dickes Fettpolster an. Dann hält er bis zum Frühling "
        "seinen Winterschlaf.",
    });
    doc.header.lueckentext = makeCTest(text, 20, defaultGapPunctuation());
    doc.header.MinLuecke = 3;
}

void shapes(Document& doc)
{
    startSample(doc, ClozeSubType::Table, QStringLiteral("Geometrische Formen"),
                QStringLiteral("Tabellarische Zuordnung: Ordne Bilder und Namen den Formen zu "
                               "und ergänze die Eigenschaften."),
                QColor(0x3C, 0x78, 0xB4));
    HeaderDataTyp& h = doc.header;
    h.EinrueckRand = {0.06, 0.06, 0.06, 0.03};
    h.LueckenTabelleZeilen = 5;
    h.LueckenTabelleSpalten = 3;
    h.LueckenTabelleLinie = 1;
    h.LueckenTabelleLinieCol = 0xC8A060;
    h.MinLuecke = 4;
    auto& t = h.LueckenTabelle;
    auto text = [](lueckentabellearrtyp& cell, const char* value) {
        cell.Art = CellKind::Text;
        cell.Text = QString::fromUtf8(value);
    };
    auto picture = [](lueckentabellearrtyp& cell, int art, const QImage& image, const char* name) {
        cell.Art = art;
        cell.Bild = image;
        cell.BildKenn = QString::fromUtf8(name);
        cell.Groesse = 30;
        cell.BildkarteAnpassen = 1;
    };
    auto query = [](lueckentabellearrtyp& cell, const char* value) {
        cell.Art = CellKind::QueryText;
        cell.Text = QString::fromUtf8(value);
    };
    text(t[0][0], "<b>Form</b>");
    text(t[0][1], "<b>Name</b>");
    text(t[0][2], "<b>Eigenschaften</b>");
    picture(t[1][0], CellKind::FixedImage, shapePicture(triangle(), QColor(0xF2, 0xB1, 0x34)),
            "Dreieck");
    query(t[1][1], "Dreieck");
    text(t[1][2], "Es hat <<drei | 3>> Ecken und drei Seiten.");
    picture(t[2][0], CellKind::FixedImage,
            shapePicture(rectangle({60, 20, 180, 180}), QColor(0x5B, 0xA8, 0xE0)), "Quadrat");
    query(t[2][1], "Quadrat");
    text(t[2][2], "Alle vier <<Seiten>> sind gleich lang, alle Winkel sind <<rechte>> Winkel.");
    picture(t[3][0], CellKind::QueryImage, shapePicture(circle(), QColor(0xE0, 0x6C, 0x75)),
            "Kreis");
    text(t[3][1], "Kreis");
    text(t[3][2], "Er hat <<keine>> Ecken. Jeder Punkt am Rand ist gleich weit vom "
                  "<<Mittelpunkt>> entfernt.");
    picture(t[4][0], CellKind::QueryImage,
            shapePicture(rectangle({20, 50, 260, 120}), QColor(0x7C, 0xC4, 0x7A)), "Rechteck");
    text(t[4][1], "Rechteck");
    text(t[4][2], "Gegenüberliegende Seiten sind gleich <<lang>>; es hat vier rechte Winkel.");
}

void honeyBee(Document& doc)
{
    startSample(doc, ClozeSubType::Flowing, QStringLiteral("Die Honigbiene"),
                QStringLiteral("Lückentext mit automatisch gesetzten Lücken: Bei jedem fünften "
                               "Wort fehlen die letzten drei Buchstaben."),
                QColor(0xE8, 0xB0, 0x20));
    const QString text = lines({
        "Honigbienen leben in einem großen Volk zusammen. Im Sommer gehören bis zu "
        "fünfzigtausend Tiere dazu. Jedes Volk hat nur eine Königin, die Eier legt. Die "
        "Arbeiterinnen sammeln Nektar und Blütenstaub, bauen Waben aus Wachs und füttern die "
        "Larven. Die männlichen Bienen heißen Drohnen. Eine Sammlerin zeigt den anderen mit "
        "einem Tanz, in welcher Richtung und wie weit entfernt die Blüten liegen. Aus dem "
        "Nektar entsteht im Stock der Honig, der dem Volk im Winter als Vorrat dient.",
    });
    doc.header.lueckentext =
        QStringLiteral("<b>Die Honigbiene</b>\r\n\r\n") +
        makeAutoGaps(text, 2, 5, GapWordPart::LastLetters, 3, defaultGapPunctuation());
    doc.header.MinLuecke = 4;
}

} // namespace

void addClozeSamples(std::vector<SampleDocument>& samples)
{
    // Each built as the editor's OK builds it, so that the file holds its
    // gap cards and table objects.
    auto built = [](void (*make)(Document&)) {
        return [make](Document& doc) {
            make(doc);
            buildCloze(doc, true);
        };
    };
    samples.push_back({"10-jahreszeiten.vlt", built(seasons)});
    samples.push_back({"11-igel-c-test.vlt", built(hedgehog)});
    samples.push_back({"12-geometrische-formen.vlt", built(shapes)});
    samples.push_back({"13-honigbiene.vlt", built(honeyBee)});
}

} // namespace velunto
