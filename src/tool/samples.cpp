#include "samples.h"

#include "document/document.h"
#include "document/documentfile.h"
#include "document/objectkinds.h"
#include "samplepictures.h"

#include <QDir>

#include <cstdio>
#include <functional>

namespace velunto {

namespace {

using namespace samples;

constexpr ColorRef kCardYellow = 0xE6FFFF; // light yellow (0xBBGGRR)
constexpr ColorRef kLine = 0x303030;
constexpr ColorRef kWhite = 0xFFFFFF;

// Builds the objects of one sample on its base picture; positions are given
// in pixels of the picture and stored as page fractions.
class SampleBuilder
{
  public:
    SampleBuilder(Document& document, const QImage& base) : m_document(document)
    {
        m_document.newDocument();
        m_document.setFontName(QStringLiteral("Arial"));
        m_document.baseImage = base;
    }

    // The colour of the lines from anchors to cards made from now on; a dark
    // picture needs light lines.
    void setLineColour(ColorRef colour) { m_lineColour = colour; }

    // A query label: covered until the teacher uncovers it. The card sits
    // on side of card, with a line from anchor.
    void query(const QString& text, QPointF anchor, QPointF card, int side)
    {
        ObjDataTyp o = card == anchor ? base(ObjectKind::QueryLabel, card, card, Side::Centre)
                                      : base(ObjectKind::QueryLabel, anchor, card, side);
        o.Text = text;
        o.Fsize = -2;
        o.Stil = StyleBit::Bold;
        o.TAusr = 1;
        o.HFarbe = kCardYellow;
        o.HDeck = 100;
        add(o);
    }

    // A fixed label centred on at.
    void fixed(const QString& text, QPointF at, int sizeStep, int style, ColorRef colour,
               ColorRef background, int opacity)
    {
        ObjDataTyp o = base(ObjectKind::FixedLabel, at, at, Side::Centre);
        o.Text = text;
        o.Fsize = sizeStep;
        o.Stil = style;
        o.TAusr = 1;
        o.Farbe = colour;
        o.HFarbe = background;
        o.HDeck = opacity;
        o.LinieFarbe = opacity > 0 ? background : kLine;
        add(o);
    }

    void heading(const QString& text, QPointF at, ColorRef colour = 0x4A2A12)
    {
        fixed(text, at, 4, StyleBit::Bold, colour, kWhite, 85);
    }

    // An info point: its text opens in the info box.
    void info(QPointF at, const QString& text)
    {
        ObjDataTyp o = base(ObjectKind::InfoPoint, at, at, Side::Centre);
        o.Ebene = Layer::InfoPoints;
        o.PktCap = defaultPointTitle(ObjectKind::InfoPoint);
        o.Text = text;
        o.Farbe = kWhite;
        o.HFarbe = pointColour(ObjectKind::InfoPoint);
        o.HDeck = 100;
        add(o);
    }

    // A link to another document of the folder, named on its second line.
    void documentLink(QPointF at, const QString& file, const QString& name)
    {
        ObjDataTyp o = base(ObjectKind::DocumentLink, at, at, Side::Centre);
        o.Ebene = Layer::InfoPoints;
        o.PktCap = defaultPointTitle(ObjectKind::DocumentLink);
        o.PktCap2 = name;
        o.Text = file;
        o.Farbe = kWhite;
        o.HFarbe = pointColour(ObjectKind::DocumentLink);
        o.HDeck = 100;
        add(o);
    }

    // A picture card centred on at; sizeStep sets its height, frame is the
    // colour of its frame.
    void picture(int kind, const QImage& image, QPointF at, int sizeStep, ColorRef frame)
    {
        ObjDataTyp o = base(kind, at, at, Side::Centre);
        o.Bild = image;
        o.Fsize = sizeStep;
        o.LinieFarbe = frame;
        add(o);
    }

  private:
    ObjDataTyp base(int kind, QPointF anchor, QPointF card, int side) const
    {
        ObjDataTyp o;
        o.Typ = kind;
        o.Ebene = Layer::TextsAndImages;
        o.Sx = anchor.x() / kSampleWidth;
        o.Sy = anchor.y() / kSampleHeight;
        o.Kx = card.x() / kSampleWidth;
        o.Ky = card.y() / kSampleHeight;
        o.Sline = anchor == card ? 0 : 1;
        o.KAusr = side;
        o.KAusrAktiv = side;
        o.Farbe = 0x000000;
        o.LinieFarbe = m_lineColour;
        o.LinieDicke = 2;
        o.HFarbe = kWhite;
        o.BildkarteAnpassen = 1;
        return o;
    }

    void add(ObjDataTyp o)
    {
        o.ZIndex = 0;
        m_document.objects.push_back(std::move(o));
    }

    Document& m_document;
    ColorRef m_lineColour = kLine;
};

void describe(Document& doc, const QString& title, const QString& remark)
{
    doc.header.Titel = title;
    doc.header.Autor = QStringLiteral("Velunto-Beispiele");
    doc.header.Bemerkung = remark;
    doc.header.Fusszeile = QStringLiteral("Velunto-Beispieldokument");
}

const QString kHint = QStringLiteral("Klicke auf ein Nummernfeld, um den Begriff aufzudecken.");

void riverSystem(Document& doc)
{
    SampleBuilder b(doc, riverSystemPicture());
    describe(doc, QStringLiteral("Ein Flusssystem – vom Gebirge bis zum Meer"),
             QStringLiteral("Erdkunde, Klasse 5/6: Quelle, Ober-, Mittel- und Unterlauf, "
                            "Nebenfluss, See und Mündung."));
    b.heading(QStringLiteral("Ein Flusssystem"), {1000, 56});
    b.query(QStringLiteral("Quelle"), {300, 250}, {410, 300}, Side::Right);
    b.query(QStringLiteral("Gebirge"), {170, 200}, {120, 330}, Side::Bottom);
    b.query(QStringLiteral("Oberlauf"), {400, 385}, {250, 450}, Side::Left);
    b.query(QStringLiteral("See"), {560, 540}, {560, 610}, Side::Bottom);
    b.query(QStringLiteral("Nebenfluss"), {1091, 431}, {1210, 470}, Side::Right);
    b.query(QStringLiteral("Mittellauf"), {804, 619}, {740, 740}, Side::Bottom);
    b.query(QStringLiteral("Unterlauf"), {1080, 774}, {1200, 760}, Side::Right);
    b.query(QStringLiteral("Mündung (Delta)"), {1215, 975}, {1290, 850}, Side::Right);
    b.query(QStringLiteral("Meer"), {1470, 1030}, {1470, 1030}, Side::Centre);
    b.info({215, 268}, QStringLiteral("<b>Die Quelle</b>\r\nAn einer Quelle tritt Grundwasser an "
                                      "die Erdoberfläche. Aus vielen kleinen Quellbächen entsteht "
                                      "ein Fluss."));
    b.info({880, 540}, QStringLiteral("<b>Ober-, Mittel- und Unterlauf</b>\r\nIm <b>Oberlauf</b> "
                                      "fließt das Wasser schnell und gräbt sich tief ein.\r\nIm "
                                      "<b>Mittellauf</b> wird das Gefälle geringer, der Fluss "
                                      "bildet Schleifen.\r\nIm <b>Unterlauf</b> fließt er langsam "
                                      "und lagert Sand und Schlamm ab."));
    b.info({1010, 1045},
           QStringLiteral("<b>Mündung und Delta</b>\r\nWo ein Fluss in ein Meer, einen See oder "
                          "einen anderen Fluss fließt, liegt seine Mündung. Teilt er sich vor dem "
                          "Meer in viele Arme, nennt man das ein <b>Delta</b>."));
    b.info({1460, 330},
           QStringLiteral("<b>Flusssystem und Einzugsgebiet</b>\r\nEin Fluss bildet mit allen "
                          "seinen Nebenflüssen und Bächen ein <b>Flusssystem</b>. Das Gebiet, aus "
                          "dem sie ihr Wasser sammeln, ist das <b>Einzugsgebiet</b>. Seine Grenze "
                          "heißt <b>Wasserscheide</b>."));
    b.documentLink({1390, 190}, QStringLiteral("02-wasserkreislauf.vlt"),
                   QStringLiteral("Wasserkreislauf"));
    b.picture(ObjectKind::FixedImage, compassRosePicture(), {120, 1000}, 34, 0xC2E8D9);
    b.fixed(kHint, {560, 1080}, -4, StyleBit::Italic, 0x303030, kWhite, 70);
}

void waterCycle(Document& doc)
{
    SampleBuilder b(doc, waterCyclePicture());
    describe(doc, QStringLiteral("Der Wasserkreislauf"),
             QStringLiteral("Sachunterricht und Erdkunde: Verdunstung, Kondensation, "
                            "Niederschlag, Versickerung und Abfluss."));
    b.heading(QStringLiteral("Der Wasserkreislauf"), {1290, 48});
    b.query(QStringLiteral("Sonne"), {190, 150}, {340, 150}, Side::Right);
    b.query(QStringLiteral("Verdunstung"), {290, 500}, {420, 560}, Side::Right);
    b.query(QStringLiteral("Kondensation (Wolkenbildung)"), {500, 285}, {440, 335}, Side::Left);
    b.query(QStringLiteral("Transport durch Wind"), {815, 160}, {815, 105}, Side::Top);
    b.query(QStringLiteral("Niederschlag"), {990, 380}, {880, 420}, Side::Left);
    b.query(QStringLiteral("Fluss (Abfluss)"), {904, 623}, {1000, 700}, Side::Bottom);
    b.query(QStringLiteral("Versickerung"), {1050, 810}, {1180, 820}, Side::Right);
    b.query(QStringLiteral("Grundwasser"), {800, 950}, {800, 1060}, Side::Bottom);
    b.query(QStringLiteral("Meer"), {250, 800}, {250, 800}, Side::Centre);
    b.info({160, 615},
           QStringLiteral("<b>Verdunstung</b>\r\nDie Sonne erwärmt das Wasser von Meeren, Seen "
                          "und Flüssen. Ein Teil davon wird zu unsichtbarem Wasserdampf und steigt "
                          "mit der warmen Luft auf. Auch Pflanzen geben über ihre Blätter Wasser "
                          "ab."));
    b.info({740, 300}, QStringLiteral("<b>Kondensation</b>\r\nIn der Höhe ist die Luft kalt. Der "
                                      "Wasserdampf kühlt ab und wird wieder zu winzigen "
                                      "Wassertröpfchen oder Eiskristallen: Es bilden sich "
                                      "Wolken."));
    b.info({1330, 200}, QStringLiteral("<b>Niederschlag</b>\r\nWerden die Tröpfchen in der Wolke "
                                       "zu schwer, fallen sie als Regen, Schnee oder Hagel zur "
                                       "Erde."));
    b.info({1450, 1010},
           QStringLiteral("<b>Grundwasser</b>\r\nRegenwasser versickert im Boden und sammelt sich "
                          "über undurchlässigen Schichten als Grundwasser. In Deutschland wird der "
                          "größte Teil des Trinkwassers aus Grund- und Quellwasser gewonnen."));
    b.info({1500, 260}, QStringLiteral("<b>Ein Kreislauf</b>\r\nDas Wasser der Erde geht nicht "
                                       "verloren. Es wechselt nur ständig seinen Ort und seinen "
                                       "Zustand: flüssig, fest oder gasförmig."));
    b.documentLink({1480, 650}, QStringLiteral("01-flusssystem.vlt"),
                   QStringLiteral("Flusssystem"));
    b.documentLink({545, 455}, QStringLiteral("05-sonnensystem.vlt"),
                   QStringLiteral("Sonnensystem"));
    b.picture(ObjectKind::FixedImage, waterDropPicture(), {760, 555}, 22, 0xFAEDD6);
}

void plant(Document& doc)
{
    SampleBuilder b(doc, plantPicture());
    describe(doc, QStringLiteral("Die Teile einer Blütenpflanze"),
             QStringLiteral("Biologie, Klasse 5: Blüte, Laubblatt, Sprossachse und Wurzel und "
                            "ihre Aufgaben."));
    b.heading(QStringLiteral("Die Blütenpflanze"), {1250, 58});
    b.query(QStringLiteral("Blüte"), {800, 215}, {1000, 180}, Side::Right);
    b.query(QStringLiteral("Blütenblatt"), {650, 120}, {430, 230}, Side::Left);
    b.query(QStringLiteral("Knospe"), {995, 305}, {1060, 330}, Side::Right);
    b.query(QStringLiteral("Laubblatt"), {935, 575}, {1150, 600}, Side::Right);
    b.query(QStringLiteral("Blattader"), {678, 657}, {480, 660}, Side::Left);
    b.query(QStringLiteral("Sprossachse (Stängel)"), {803, 545}, {590, 545}, Side::Left);
    b.query(QStringLiteral("Wurzel"), {800, 990}, {1060, 1000}, Side::Right);
    b.fixed(QStringLiteral("Aus der Blüte entsteht später:"), {1430, 330}, -2, 0, 0x303030, kWhite,
            80);
    b.picture(ObjectKind::QueryImage, cherryPicture(), {1430, 470}, 30, 0xC0C0C0);
    b.info({480, 330}, QStringLiteral("<b>Die Blüte</b>\r\nDie bunten Blütenblätter locken "
                                      "Insekten an. Sie tragen Blütenstaub (Pollen) von Blüte zu "
                                      "Blüte: Die Blüte wird bestäubt. Danach wächst aus ihr die "
                                      "Frucht mit den Samen."));
    b.info({1120, 450}, QStringLiteral("<b>Das Laubblatt</b>\r\nIm grünen Blatt stellt die "
                                       "Pflanze mit Hilfe des Sonnenlichts aus Wasser und "
                                       "Kohlenstoffdioxid Traubenzucker her (Fotosynthese). Dabei "
                                       "gibt sie Sauerstoff ab."));
    b.info({880, 760}, QStringLiteral("<b>Die Sprossachse</b>\r\nDer Stängel trägt Blätter und "
                                      "Blüten. In seinen Leitungsbahnen steigt das Wasser von der "
                                      "Wurzel nach oben."));
    b.info({560, 990}, QStringLiteral("<b>Die Wurzel</b>\r\nDie Wurzel verankert die Pflanze im "
                                      "Boden. Mit ihren feinen Wurzelhaaren nimmt sie Wasser und "
                                      "darin gelöste Mineralstoffe auf."));
    b.documentLink({250, 700}, QStringLiteral("02-wasserkreislauf.vlt"),
                   QStringLiteral("Wasserkreislauf"));
    b.documentLink({1380, 700}, QStringLiteral("04-skelett.vlt"), QStringLiteral("Skelett"));
}

void skeleton(Document& doc)
{
    SampleBuilder b(doc, skeletonPicture());
    describe(doc, QStringLiteral("Das Skelett des Menschen"),
             QStringLiteral("Biologie: die wichtigsten Knochen des menschlichen Skeletts."));
    b.heading(QStringLiteral("Das Skelett"), {230, 50});
    b.query(QStringLiteral("Schädel"), {752, 90}, {460, 150}, Side::Left);
    b.query(QStringLiteral("Schlüsselbein"), {700, 256}, {460, 250}, Side::Left);
    b.query(QStringLiteral("Rippen"), {690, 390}, {460, 350}, Side::Left);
    b.query(QStringLiteral("Oberarmknochen"), {577, 400}, {460, 450}, Side::Left);
    b.query(QStringLiteral("Elle"), {546, 600}, {460, 590}, Side::Left);
    b.query(QStringLiteral("Becken"), {660, 720}, {460, 700}, Side::Left);
    b.query(QStringLiteral("Oberschenkelknochen"), {698, 845}, {460, 880}, Side::Left);
    b.query(QStringLiteral("Schienbein"), {711, 1010}, {460, 1010}, Side::Left);
    b.query(QStringLiteral("Wirbelsäule"), {812, 240}, {1140, 190}, Side::Right);
    b.query(QStringLiteral("Brustbein"), {800, 380}, {1140, 330}, Side::Right);
    b.query(QStringLiteral("Speiche"), {1080, 634}, {1140, 640}, Side::Right);
    b.query(QStringLiteral("Kniescheibe"), {895, 932}, {1140, 900}, Side::Right);
    b.query(QStringLiteral("Wadenbein"), {916, 1012}, {1140, 1010}, Side::Right);
    b.info({1530, 110}, QStringLiteral("<b>Über 200 Knochen</b>\r\nDas Skelett eines "
                                       "Erwachsenen besteht aus etwa 206 Knochen. Es stützt den "
                                       "Körper, schützt die inneren Organe und ermöglicht mit den "
                                       "Muskeln die Bewegung."));
    b.info({1530, 230}, QStringLiteral("<b>Die Wirbelsäule</b>\r\nSie besteht aus 33 bis 34 "
                                       "Wirbeln: 7 Halswirbel, 12 Brustwirbel, 5 Lendenwirbel, "
                                       "dazu Kreuzbein und Steißbein. Ihre doppelte S-Form federt "
                                       "Stöße ab."));
    b.info({1530, 350}, QStringLiteral("<b>Der Brustkorb</b>\r\n12 Rippenpaare, das Brustbein und "
                                       "die Brustwirbel bilden den Brustkorb. Er schützt Herz und "
                                       "Lunge."));
    b.info({1530, 890}, QStringLiteral("<b>Der Oberschenkelknochen</b>\r\nEr ist der längste und "
                                       "einer der stärksten Knochen des Menschen."));
    b.picture(ObjectKind::FixedImage, handXRayPicture(), {1440, 620}, 36, 0x404040);
    b.fixed(QStringLiteral("Röntgenbild einer Hand"), {1440, 775}, -4, StyleBit::Italic, 0x303030,
            kWhite, 70);
    b.documentLink({170, 1050}, QStringLiteral("03-pflanze.vlt"), QStringLiteral("Pflanze"));
}

void solarSystem(Document& doc)
{
    SampleBuilder b(doc, solarSystemPicture());
    describe(doc, QStringLiteral("Unser Sonnensystem"),
             QStringLiteral("Sachunterricht und Physik: die Sonne, die acht Planeten und der "
                            "Asteroidengürtel."));
    doc.header.HtgdCol = 0x260B0B;
    b.heading(QStringLiteral("Unser Sonnensystem"), {1250, 50}, 0x4A1A12);
    b.setLineColour(0xE8E8E8); // light grey on the night sky
    b.query(QStringLiteral("Sonne"), {40, 760}, {110, 1000}, Side::Centre);
    b.query(QStringLiteral("Merkur"), {168, 605}, {150, 720}, Side::Bottom);
    b.query(QStringLiteral("Venus"), {240, 409}, {240, 300}, Side::Top);
    b.query(QStringLiteral("Erde"), {345, 702}, {345, 800}, Side::Bottom);
    b.query(QStringLiteral("Mars"), {455, 470}, {455, 380}, Side::Top);
    b.query(QStringLiteral("Jupiter"), {665, 737}, {665, 860}, Side::Bottom);
    b.query(QStringLiteral("Saturn"), {857, 322}, {857, 200}, Side::Top);
    b.query(QStringLiteral("Uranus"), {1060, 727}, {1060, 820}, Side::Bottom);
    b.query(QStringLiteral("Neptun"), {1232, 403}, {1232, 300}, Side::Top);
    b.query(QStringLiteral("Asteroidengürtel"), {473, 140}, {560, 110}, Side::Right);
    b.info({90, 560}, QStringLiteral("<b>Die Sonne</b>\r\nDie Sonne ist ein Stern, eine riesige "
                                     "Kugel aus glühendem Gas. In ihr steckt mehr als 99 Prozent "
                                     "der Masse des ganzen Sonnensystems."));
    b.info({440, 640}, QStringLiteral("<b>Die Erde</b>\r\nFür einen Umlauf um die Sonne braucht "
                                      "die Erde ein Jahr, für eine Drehung um sich selbst einen "
                                      "Tag. Sie ist der einzige bekannte Planet mit Leben."));
    b.info({1460, 200}, QStringLiteral("<b>Ein Merksatz</b>\r\n<b>M</b>ein <b>V</b>ater "
                                       "<b>e</b>rklärt <b>m</b>ir <b>j</b>eden <b>S</b>onntag "
                                       "<b>u</b>nseren <b>N</b>achthimmel.\r\n\r\nMerkur – Venus – "
                                       "Erde – Mars – Jupiter – Saturn – Uranus – Neptun"));
    b.info({1460, 560}, QStringLiteral("<b>Zwei Gruppen von Planeten</b>\r\nMerkur, Venus, Erde "
                                       "und Mars sind kleine <b>Gesteinsplaneten</b>. Jupiter, "
                                       "Saturn, Uranus und Neptun sind große <b>Gasplaneten</b> "
                                       "weit draußen im Sonnensystem."));
    b.documentLink({1460, 400}, QStringLiteral("02-wasserkreislauf.vlt"),
                   QStringLiteral("Wasserkreislauf"));
    b.picture(ObjectKind::FixedImage, earthAndMoonPicture(), {1340, 830}, 30, 0x3D1F1A);
    b.fixed(QStringLiteral("Erde und Mond"), {1340, 950}, -4, StyleBit::Italic, 0x303030, kWhite,
            70);
    b.fixed(QStringLiteral("Größen und Abstände sind nicht maßstabsgetreu."), {900, 1085}, -4,
            StyleBit::Italic, 0x303030, kWhite, 70);
}

} // namespace

int makeSamplesCommand(const QStringList& args)
{
    if (args.size() != 1) {
        std::fputs("Aufruf: velunto-tool make-samples ORDNER\n", stderr);
        return 1;
    }
    const QString folder = args[0];
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "Der Ordner \"%s\" kann nicht angelegt werden.\n",
                     folder.toLocal8Bit().constData());
        return 1;
    }
    std::vector<SampleDocument> files = {
        {"01-flusssystem.vlt", riverSystem},
        {"02-wasserkreislauf.vlt", waterCycle},
        {"03-pflanze.vlt", plant},
        {"04-skelett.vlt", skeleton},
        {"05-sonnensystem.vlt", solarSystem},
    };
    addClozeSamples(files);
    addPuzzleSamples(files);
    addQuestionSamples(files);
    for (const SampleDocument& file : files) {
        Document doc;
        file.build(doc);
        doc.updateZRange();
        const QString path = QDir(folder).filePath(QString::fromLatin1(file.name));
        const SaveResult saved = saveDocument(doc, path);
        if (!saved.ok) {
            for (const UserMessage& m : saved.messages)
                std::fprintf(stderr, "%s\n", m.text.toLocal8Bit().constData());
            return 1;
        }
        std::printf("%s\n", path.toLocal8Bit().constData());
    }
    return 0;
}

} // namespace velunto
