// The sample documents of the cluster exercise, the cross assignment and the
// crossword.

#include "samples.h"

#include "content/cluster/clustercontent.h"
#include "content/crossassign/pairlayout.h"
#include "content/crossword/crosswordlayout.h"
#include "document/document.h"
#include "samplepictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velunto {

namespace {

using namespace samples;

// A quiet page under the baskets, pairs and boxes.
QImage paper()
{
    QImage image(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, kSampleHeight);
    g.setColorAt(0.0, QColor(0xfb, 0xfb, 0xf6));
    g.setColorAt(1.0, QColor(0xee, 0xf1, 0xf4));
    p.fillRect(image.rect(), g);
    return image;
}

QImage carrotPicture()
{
    QImage image(300, 300, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0x3d, 0x7a, 0x26), 9, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& leaf :
         {QLineF(200, 90, 250, 20), QLineF(205, 95, 285, 60), QLineF(195, 85, 200, 10)})
        p.drawLine(leaf);
    QPainterPath body(QPointF(30, 280));
    body.cubicTo(QPointF(90, 210), QPointF(150, 140), QPointF(185, 80));
    body.cubicTo(QPointF(215, 85), QPointF(235, 105), QPointF(230, 130));
    body.cubicTo(QPointF(170, 185), QPointF(100, 240), QPointF(30, 280));
    p.setPen(QPen(QColor(0xa8, 0x4a, 0x0c), 3));
    p.setBrush(QColor(0xf0, 0x83, 0x1e));
    p.drawPath(body);
    p.setPen(QPen(QColor(0xb8, 0x5a, 0x14), 3, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& ring :
         {QLineF(150, 150, 175, 165), QLineF(110, 195, 130, 210), QLineF(80, 230, 95, 240)})
        p.drawLine(ring);
    return image;
}

void describe(Document& doc, int dokTyp, const QString& title, const QString& remark)
{
    doc.newDocument();
    doc.setFontName(QStringLiteral("Arial"));
    doc.baseImage = paper();
    doc.header.Titel = title;
    doc.header.Autor = QStringLiteral("Velunto-Beispiele");
    doc.header.Bemerkung = remark;
    doc.header.Fusszeile = QStringLiteral("Velunto-Beispieldokument");
    if (dokTyp == DokTyp::Cluster)
        prepareNewCluster(doc);
    else if (dokTyp == DokTyp::CrossAssign)
        prepareNewPairs(doc);
    else
        prepareNewCrossword(doc);
}

// --- cluster exercises ---

// The table of a cluster: the first row titles each basket, the rows below
// hold what belongs into it.
GapTableContent basketTable(const QList<QStringList>& baskets)
{
    GapTableContent table;
    table.columns = int(baskets.size());
    table.rows = 0;
    for (int c = 0; c < table.columns; ++c) {
        const QStringList& entries = baskets[c];
        table.rows = std::max(table.rows, int(entries.size()));
        for (int r = 0; r < entries.size(); ++r) {
            table.cells[r][c].Art = r == 0 ? 0 : 1;
            table.cells[r][c].Text = entries[r];
        }
    }
    return table;
}

void wordClasses(Document& doc)
{
    describe(doc, DokTyp::Cluster, QStringLiteral("Wortarten sortieren"),
             QStringLiteral("Deutsch, Klasse 3/4: Nomen, Verben und Adjektive erkennen."));
    GapTableContent table = basketTable({
        {QStringLiteral("Nomen\r\n(Namenwörter)"), QStringLiteral("Haus"), QStringLiteral("Baum"),
         QStringLiteral("Schule"), QStringLiteral("Freundin"), QStringLiteral("Fahrrad")},
        {QStringLiteral("Verben\r\n(Tunwörter)"), QStringLiteral("laufen"),
         QStringLiteral("singen"), QStringLiteral("schreiben"), QStringLiteral("lachen"),
         QStringLiteral("fahren")},
        {QStringLiteral("Adjektive\r\n(Wiewörter)"), QStringLiteral("schnell"),
         QStringLiteral("grün"), QStringLiteral("leise"), QStringLiteral("freundlich"),
         QStringLiteral("rund")},
    });
    table.line = 1;
    table.lineColour = 0x909090;
    applyClusterContent(doc, table);
}

void fruitOrVegetable(Document& doc)
{
    describe(doc, DokTyp::Cluster, QStringLiteral("Obst oder Gemüse?"),
             QStringLiteral("Sachunterricht, Klasse 1/2: Obst und Gemüse unterscheiden, mit "
                            "Bildkärtchen."));
    GapTableContent table = basketTable({
        {QStringLiteral("Obst"), QStringLiteral("Apfel"), QStringLiteral("Birne"),
         QStringLiteral("Banane"), QString()},
        {QStringLiteral("Gemüse"), QStringLiteral("Gurke"), QStringLiteral("Kartoffel"),
         QStringLiteral("Brokkoli"), QString()},
    });
    auto picture = [&](int row, int column, const QImage& image, const QString& name) {
        lueckentabellearrtyp& cell = table.cells[row][column];
        cell.Art = 3;
        cell.Bild = image;
        cell.BildKenn = name;
        cell.Groesse = 30;
    };
    picture(4, 0, cherryPicture(), QStringLiteral("Kirsche"));
    picture(4, 1, carrotPicture(), QStringLiteral("Karotte"));
    table.columnBackgrounds[0] = {0x9AB4FF, 45}; // a light red for fruit
    table.columnBackgrounds[1] = {0x8CD79B, 45}; // a light green for vegetables
    applyClusterContent(doc, table);
}

// --- cross assignments ---

GapTableContent pairTable(const QList<QStringList>& rows)
{
    GapTableContent table;
    table.rows = int(rows.size());
    table.columns = int(rows[0].size());
    table.lineColour = 0x8B4513;
    for (int r = 0; r < table.rows; ++r) {
        for (int c = 0; c < table.columns; ++c) {
            table.cells[r][c].Art = 1;
            table.cells[r][c].Text = rows[r][c];
        }
    }
    return table;
}

void capitals(Document& doc)
{
    describe(doc, DokTyp::CrossAssign, QStringLiteral("Länder und ihre Hauptstädte"),
             QStringLiteral("Erdkunde: Nachbarländer Deutschlands und ihre Hauptstädte."));
    applyPairContent(doc, pairTable({
                              {QStringLiteral("Deutschland"), QStringLiteral("Berlin")},
                              {QStringLiteral("Frankreich"), QStringLiteral("Paris")},
                              {QStringLiteral("Österreich"), QStringLiteral("Wien")},
                              {QStringLiteral("Polen"), QStringLiteral("Warschau")},
                              {QStringLiteral("Dänemark"), QStringLiteral("Kopenhagen")},
                              {QStringLiteral("Niederlande"), QStringLiteral("Amsterdam")},
                          }));
}

void animalFamilies(Document& doc)
{
    describe(doc, DokTyp::CrossAssign, QStringLiteral("Tiere, ihre Jungen und ihre Laute"),
             QStringLiteral("Sachunterricht: Zu jedem Tier gehören ein Tierkind und ein Laut."));
    applyPairContent(
        doc, pairTable({
                 {QStringLiteral("Hund"), QStringLiteral("Welpe"), QStringLiteral("bellt")},
                 {QStringLiteral("Katze"), QStringLiteral("Kätzchen"), QStringLiteral("miaut")},
                 {QStringLiteral("Kuh"), QStringLiteral("Kalb"), QStringLiteral("muht")},
                 {QStringLiteral("Pferd"), QStringLiteral("Fohlen"), QStringLiteral("wiehert")},
                 {QStringLiteral("Schaf"), QStringLiteral("Lamm"), QStringLiteral("blökt")},
             }));
}

// --- crosswords ---

struct Word
{
    const char* mark; // "#W1", "#S2", ...
    int column;       // of the mark
    int row;
    const char* letters;
    const char* clue;
};

void crossword(Document& doc, std::initializer_list<Word> words)
{
    CrosswordContent content = crosswordContent(doc.header);
    for (const Word& w : words) {
        const QString mark = QString::fromUtf8(w.mark);
        const bool across = mark.startsWith(QStringLiteral("#W"));
        const int number = mark.mid(2).toInt();
        gridCell(content.grid, w.column, w.row) = mark;
        const QString letters = QString::fromUtf8(w.letters);
        for (int i = 0; i < letters.size(); ++i) {
            const int c = across ? w.column + 1 + i : w.column;
            const int r = across ? w.row : w.row + 1 + i;
            gridCell(content.grid, c, r) = letters.mid(i, 1);
        }
        (across ? content.horizontal : content.vertical)[number - 1] = QString::fromUtf8(w.clue);
    }
    applyCrosswordContent(doc, content);
}

void pets(Document& doc)
{
    describe(doc, DokTyp::Crossword, QStringLiteral("Kreuzworträtsel: Tiere im Haus und im Stall"),
             QStringLiteral("Sachunterricht, Klasse 2: vier Tiernamen in einem kleinen "
                            "Kreuzworträtsel."));
    crossword(doc, {
                       {"#W1", 1, 1, "HAMSTER", "kleines Nagetier, das oft in einem Käfig wohnt"},
                       {"#S1", 2, 0, "HUND", "bellt und wedelt mit dem Schwanz"},
                       {"#S2", 4, 0, "MAUS", "Die Katze jagt die ..."},
                       {"#S3", 7, 0, "ESEL", "graues Lasttier mit langen Ohren"},
                   });
}

void planets(Document& doc)
{
    describe(doc, DokTyp::Crossword, QStringLiteral("Kreuzworträtsel: Unser Sonnensystem"),
             QStringLiteral("Sachunterricht und Physik: Planeten und die Sonne."));
    crossword(doc, {
                       {"#W1", 2, 3, "JUPITER", "der größte Planet"},
                       {"#W2", 2, 5, "MARS", "der rote Planet"},
                       {"#W3", 3, 8, "SATURN", "Planet mit den auffälligsten Ringen"},
                       {"#W4", 6, 13, "SONNE", "der Stern in der Mitte des Sonnensystems"},
                       {"#S1", 4, 2, "URANUS", "der siebte Planet von der Sonne aus"},
                       {"#S2", 8, 2, "ERDE", "unser Heimatplanet"},
                       {"#S3", 9, 7, "NEPTUN", "der äußerste Planet"},
                   });
    doc.header.KreuzFarben[0] = 0xFFF8F0; // boxes in a light blue
}

} // namespace

void addPuzzleSamples(std::vector<SampleDocument>& samples)
{
    samples.push_back({"30-cluster-wortarten.vlt", wordClasses});
    samples.push_back({"31-cluster-obst-gemuese.vlt", fruitOrVegetable});
    samples.push_back({"32-zuordnung-hauptstaedte.vlt", capitals});
    samples.push_back({"33-zuordnung-tierfamilien.vlt", animalFamilies});
    samples.push_back({"34-kreuzwortraetsel-haustiere.vlt", pets});
    samples.push_back({"35-kreuzwortraetsel-planeten.vlt", planets});
}

} // namespace velunto
