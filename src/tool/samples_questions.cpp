// The sample documents of single questions and multiple choice.

#include "samples.h"

#include "content/multiplechoice/mcquestion.h"
#include "content/questions/questionlayout.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "samplepictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace velunto {

namespace {

using samples::kSampleHeight;
using samples::kSampleWidth;

// --- pictures ------------------------------------------------------------------------

// A quiet page for questions: paper with a coloured band bandHeight pixels
// high at the top and a thin frame, so that the question texts stay readable
// on a projector.
QImage questionPage(const QColor& band, int bandHeight,
                    const std::function<void(QPainter&)>& motif = {})
{
    QImage page(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
    page.fill(QColor(0xFB, 0xF8, 0xF0));
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient gradient(0, 0, 0, bandHeight);
    gradient.setColorAt(0, band);
    gradient.setColorAt(1, band.lighter(135));
    p.fillRect(QRect(0, 0, kSampleWidth, bandHeight), gradient);
    p.setPen(QPen(band.darker(115), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, kSampleWidth - 6, kSampleHeight - 6));
    if (motif)
        motif(p);
    return page;
}

// A globe in the top right corner of the band.
void globe(QPainter& p)
{
    const QPointF c(1480, 75);
    const double r = 58;
    p.setPen(QPen(QColor(0x1E, 0x4E, 0x79), 4));
    p.setBrush(QColor(0x9C, 0xD3, 0xF0));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(0x6B, 0xA3, 0x4A));
    p.setPen(Qt::NoPen);
    QPainterPath land;
    land.moveTo(c + QPointF(-30, -40));
    land.cubicTo(c + QPointF(10, -50), c + QPointF(25, -10), c + QPointF(-5, 5));
    land.cubicTo(c + QPointF(-20, 15), c + QPointF(-45, 0), c + QPointF(-30, -40));
    p.drawPath(land);
    p.drawEllipse(c + QPointF(22, 30), 18, 12);
    p.setPen(QPen(QColor(0x1E, 0x4E, 0x79), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
}

// A speech bubble with "ABC" in the top right corner of the band.
void speechBubble(QPainter& p)
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1360, 25, 200, 95), 30, 30);
    QPainterPath tail;
    tail.moveTo(1400, 115);
    tail.lineTo(1380, 145);
    tail.lineTo(1435, 115);
    p.setPen(QPen(QColor(0x7A, 0x3B, 0x12), 4));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(tail));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(54);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xC0, 0x50, 0x10));
    p.drawText(QRectF(1360, 25, 200, 95), Qt::AlignCenter, QStringLiteral("ABC"));
}

// A shape card of 300 x 220 pixels: one plane figure in the middle.
QImage shapeCard(const std::function<void(QPainter&, QRectF)>& draw, const QColor& fill)
{
    QImage card(300, 220, QImage::Format_RGB32);
    card.fill(Qt::white);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(fill.darker(160), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    draw(p, QRectF(40, 25, 220, 170));
    return card;
}

QImage square()
{
    return shapeCard([](QPainter& p, QRectF) { p.drawRect(QRectF(65, 25, 170, 170)); },
                     QColor(0xF2, 0xB1, 0x34));
}

QImage rectangle()
{
    return shapeCard([](QPainter& p, QRectF r) { p.drawRect(r.adjusted(-10, 30, 10, -30)); },
                     QColor(0x5D, 0xA9, 0xE9));
}

QImage triangle()
{
    return shapeCard(
        [](QPainter& p, QRectF r) {
            p.drawPolygon(QPolygonF({QPointF(150, 22), r.bottomRight(), r.bottomLeft()}));
        },
        QColor(0x8B, 0xC3, 0x4A));
}

QImage circle()
{
    return shapeCard([](QPainter& p, QRectF) { p.drawEllipse(QPointF(150, 110), 85, 85); },
                     QColor(0xE5, 0x73, 0x73));
}

QImage ellipse()
{
    return shapeCard([](QPainter& p, QRectF r) { p.drawEllipse(r.adjusted(-15, 20, 15, -20)); },
                     QColor(0xBA, 0x68, 0xC8));
}

QImage rhombus()
{
    return shapeCard(
        [](QPainter& p, QRectF) {
            p.drawPolygon(QPolygonF(
                {QPointF(150, 20), QPointF(245, 110), QPointF(150, 200), QPointF(55, 110)}));
        },
        QColor(0x4D, 0xB6, 0xAC));
}

QImage trapezoid()
{
    return shapeCard(
        [](QPainter& p, QRectF r) {
            p.drawPolygon(
                QPolygonF({QPointF(100, 45), QPointF(200, 45), r.bottomRight(), r.bottomLeft()}));
        },
        QColor(0xFF, 0x8A, 0x65));
}

// A cube in oblique view, the question picture of a solid figure.
QImage cube()
{
    QImage picture(420, 380, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double s = 200;
    const QPointF o(60, 140);
    const QPointF d(110, -90);
    const QPointF a = o, b = o + QPointF(s, 0), c = o + QPointF(s, s), e = o + QPointF(0, s);
    p.setPen(QPen(QColor(0x2B, 0x3A, 0x55), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x90, 0xCA, 0xF9));
    p.drawPolygon(QPolygonF({a, b, c, e}));
    p.setBrush(QColor(0xBB, 0xDE, 0xFB));
    p.drawPolygon(QPolygonF({a, a + d, b + d, b}));
    p.setBrush(QColor(0x64, 0xB5, 0xF6));
    p.drawPolygon(QPolygonF({b, b + d, c + d, c}));
    p.setPen(QPen(QColor(0x2B, 0x3A, 0x55), 3, Qt::DashLine));
    p.drawLine(e, e + d);
    p.drawLine(e + d, a + d);
    p.drawLine(e + d, c + d);
    return picture;
}

// A cylinder, the question picture of a second solid figure.
QImage cylinder()
{
    QImage picture(320, 380, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF top(60, 40, 200, 70);
    const QRectF bottom(60, 270, 200, 70);
    QPainterPath body;
    body.moveTo(top.left(), top.center().y());
    body.lineTo(bottom.left(), bottom.center().y());
    body.arcTo(bottom, 180, 180);
    body.lineTo(top.right(), top.center().y());
    body.closeSubpath();
    p.setPen(QPen(QColor(0x4E, 0x34, 0x2E), 5));
    p.setBrush(QColor(0xFF, 0xCC, 0x80));
    p.drawPath(body);
    p.setBrush(QColor(0xFF, 0xE0, 0xB2));
    p.drawEllipse(top);
    p.setPen(QPen(QColor(0x4E, 0x34, 0x2E), 3, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawArc(bottom, 0, 180 * 16);
    return picture;
}

// --- documents -----------------------------------------------------------------------

void describe(Document& doc, const QString& title, const QString& remark)
{
    doc.header.Titel = title;
    doc.header.Autor = QStringLiteral("Velunto-Beispiele");
    doc.header.Bemerkung = remark;
    doc.header.Fusszeile = QStringLiteral("Velunto-Beispieldokument");
}

void start(Document& doc, int dokTyp, const QImage& page)
{
    doc.newDocument();
    doc.setFontName(QStringLiteral("Arial"));
    doc.baseImage = page;
    doc.header.DokTyp = dokTyp;
    doc.header.EinrueckRand = defaultEinrueckRand(dokTyp);
}

// The title of a single-questions page, on the band above the questions:
// white on a darker shade of the band.
void heading(Document& doc, const QString& text, ColorRef background)
{
    ObjDataTyp o;
    o.Typ = ObjectKind::FixedLabel;
    o.Ebene = Layer::TextsAndImages;
    o.Sx = o.Kx = 0.1;
    o.Sy = o.Ky = 75.0 / kSampleHeight;
    o.KAusr = o.KAusrAktiv = Side::Right;
    o.Text = text;
    o.Fsize = 6;
    o.Stil = StyleBit::Bold;
    o.Farbe = 0xFFFFFF;
    o.HFarbe = background;
    o.HDeck = 100;
    o.LinieFarbe = background;
    o.Abdeckung = 0;
    doc.objects.push_back(o);
}

void singleQuestions(Document& doc, const QString& text)
{
    SingleQuestionsEdit edit;
    edit.text = text;
    edit.textColour = 0x3A2A1A;
    edit.buttonBackground = doc.header.FragBtnHtgdCol;
    edit.buttonSymbols = doc.header.FragBtnTextCol;
    applySingleQuestionsEdit(doc, edit);
}

void capitals(Document& doc)
{
    start(doc, DokTyp::Questions, questionPage(QColor(0x3F, 0x7C, 0xB8), 150, globe));
    describe(doc, QStringLiteral("Hauptstädte Europas"),
             QStringLiteral("Erdkunde, Klasse 5/6: zehn Länder Europas und ihre Hauptstädte. "
                            "Mit den Pfeilknöpfen von Frage zu Frage gehen und die Antwort "
                            "aufdecken."));
    heading(doc, QStringLiteral("Hauptstädte Europas"), 0x7A4A1E);
    doc.header.FragBtnHtgdCol = 0x9E5A1E; // blue in 0xBBGGRR
    singleQuestions(
        doc,
        QStringLiteral(
            "Wie heißt die Hauptstadt von Frankreich? // Paris\r\n"
            "Wie heißt die Hauptstadt von Italien? // Rom\r\n"
            "Wie heißt die Hauptstadt von Spanien? // Madrid\r\n"
            "Wie heißt die Hauptstadt von Polen? // Warschau\r\n"
            "Wie heißt die Hauptstadt von Österreich? // Wien\r\n"
            "Wie heißt die Hauptstadt der Niederlande? // Amsterdam\r\n"
            "Wie heißt die Hauptstadt von Tschechien? // Prag\r\n"
            "Wie heißt die Hauptstadt von Dänemark? // Kopenhagen\r\n"
            "Wie heißt die Hauptstadt von Griechenland? // Athen\r\n"
            "In welcher Stadt sitzt die Regierung der Schweiz, die „Bundesstadt“ des Landes? // "
            "Bern\r\n"));
}

void vocabulary(Document& doc)
{
    start(doc, DokTyp::Questions, questionPage(QColor(0xD9, 0x7A, 0x2B), 150, speechBubble));
    describe(doc, QStringLiteral("Englisch: Tiere"),
             QStringLiteral("Englisch, Klasse 5: Vokabeln zum Thema Tiere. In der Übung wird "
                            "die richtige Übersetzung aus mehreren Antworten gewählt."));
    heading(doc, QStringLiteral("Englisch: Tiere"), 0x1A5AA8);
    doc.header.FragBtnHtgdCol = 0x1D6FD9; // orange
    singleQuestions(doc, QStringLiteral("Was heißt „Hund“ auf Englisch? // dog\r\n"
                                        "Was heißt „Katze“ auf Englisch? // cat\r\n"
                                        "Was heißt „Pferd“ auf Englisch? // horse\r\n"
                                        "Was heißt „Vogel“ auf Englisch? // bird\r\n"
                                        "Was heißt „Maus“ auf Englisch? // mouse\r\n"
                                        "Was heißt „Kuh“ auf Englisch? // cow\r\n"
                                        "Was heißt „Schaf“ auf Englisch? // sheep\r\n"
                                        "Was heißt „Kaninchen“ auf Englisch? // rabbit\r\n"));
}

McQuestion textQuestion(const QString& question, const QString& answers)
{
    McQuestion q = newMcQuestion();
    q.question = question;
    q.answers = answers;
    return q;
}

void applyQuestions(Document& doc, const std::vector<McQuestion>& questions)
{
    MultipleChoiceEdit edit;
    edit.questions = questions;
    edit.textColour = 0x3A2A1A;
    edit.buttonBackground = doc.header.FragBtnHtgdCol;
    edit.buttonSymbols = doc.header.FragBtnTextCol;
    applyMultipleChoiceEdit(doc, edit);
}

void vertebrates(Document& doc)
{
    start(doc, DokTyp::MultipleChoice, questionPage(QColor(0x4C, 0x9A, 0x5B), 30));
    describe(doc, QStringLiteral("Säugetiere und andere Wirbeltiere"),
             QStringLiteral("Biologie, Klasse 5/6: Merkmale der Säugetiere und die Klassen der "
                            "Wirbeltiere. Alle zutreffenden Antworten ankreuzen."));
    doc.header.FragBtnHtgdCol = 0x2F7D3A; // green
    std::vector<McQuestion> questions;

    McQuestion mammals =
        textQuestion(QStringLiteral("Welche dieser Tiere sind Säugetiere?"),
                     QStringLiteral("+ Wal\r\n- Hai\r\n+ Fledermaus\r\n- Pinguin\r\n+ Delfin"));
    mammals.info = QStringLiteral(
        "<b>Säugetiere</b>\r\nSäugetiere bringen lebende Junge zur Welt und säugen sie mit "
        "Milch. Auch Wale, Delfine und Fledermäuse gehören dazu, obwohl sie schwimmen oder "
        "fliegen.");
    mammals.link = QStringLiteral("https://de.wikipedia.org/wiki/S%C3%A4ugetiere");
    mammals.linkTitle = QStringLiteral("Lexikon");
    questions.push_back(mammals);

    McQuestion features = textQuestion(
        QStringLiteral("Woran erkennt man ein Säugetier?"),
        QStringLiteral("+ Es säugt seine Jungen mit Milch.\r\n- Es atmet mit Kiemen.\r\n"
                       "+ Es hat ein Fell oder Haare.\r\n- Es legt Eier mit harter Schale.\r\n"
                       "+ Es ist gleichwarm."));
    features.info = QStringLiteral(
        "<b>Gleichwarm</b>\r\nGleichwarme Tiere halten ihre Körpertemperatur gleich, ob es "
        "draußen warm oder kalt ist. Das gilt für Säugetiere und Vögel.");
    features.infoTitle = QStringLiteral("Tipp");
    questions.push_back(features);

    questions.push_back(textQuestion(
        QStringLiteral("Welche Tiere gehören zu den Wirbeltieren?"),
        QStringLiteral("+ Frosch\r\n+ Amsel\r\n- Regenwurm\r\n- Schnecke\r\n+ Forelle\r\n"
                       "- Biene")));
    questions.push_back(
        textQuestion(QStringLiteral("Welche Aussagen über den Wal sind richtig?"),
                     QStringLiteral("+ Er atmet mit Lungen und muss zum Luftholen auftauchen.\r\n"
                                    "- Er ist ein besonders großer Fisch.\r\n"
                                    "+ Er bringt lebende Junge zur Welt.\r\n- Er legt Eier.")));
    questions.push_back(textQuestion(
        QStringLiteral("Ein Tier hat Federn, legt Eier mit harter Schale und ist gleichwarm. "
                       "Zu welcher Klasse der Wirbeltiere gehört es?"),
        QStringLiteral("+ Vögel\r\n- Reptilien\r\n- Säugetiere\r\n- Amphibien")));
    applyQuestions(doc, questions);
}

McQuestion pictureQuestion(const QString& question,
                           const std::vector<std::pair<QImage, bool>>& answers)
{
    McQuestion q = newMcQuestion();
    q.question = question;
    q.answerKind = 1;
    q.pictureAnswers.clear();
    for (const auto& [picture, correct] : answers)
        q.pictureAnswers.push_back({picture, correct});
    return q;
}

void shapes(Document& doc)
{
    start(doc, DokTyp::MultipleChoice, questionPage(QColor(0x8E, 0x5B, 0xB5), 30));
    describe(doc, QStringLiteral("Geometrische Formen und Körper"),
             QStringLiteral("Mathematik, Klasse 3/4: ebene Figuren erkennen und Körper benennen. "
                            "Die Antworten sind Bilder."));
    doc.header.FragBtnHtgdCol = 0x8A3F6A; // purple
    std::vector<McQuestion> questions;
    McQuestion quadrilaterals =
        pictureQuestion(QStringLiteral("Welche Figuren sind Vierecke?"), {{square(), true},
                                                                          {triangle(), false},
                                                                          {rectangle(), true},
                                                                          {circle(), false},
                                                                          {rhombus(), true},
                                                                          {trapezoid(), true}});
    quadrilaterals.info = QStringLiteral("<b>Vierecke</b>\r\nEin Viereck hat vier Ecken und "
                                         "vier gerade Seiten. Quadrat, Rechteck, Raute und "
                                         "Trapez sind besondere Vierecke.");
    questions.push_back(quadrilaterals);
    questions.push_back(pictureQuestion(
        QStringLiteral("Welche Figuren haben keine Ecken?"),
        {{circle(), true}, {square(), false}, {ellipse(), true}, {triangle(), false}}));
    McQuestion solid = textQuestion(QStringLiteral("Wie heißt dieser Körper?"),
                                    QStringLiteral("+ Würfel\r\n- Kugel\r\n- Pyramide\r\n"
                                                   "- Zylinder"));
    solid.picture = cube();
    questions.push_back(solid);
    McQuestion faces = pictureQuestion(
        QStringLiteral("Welche Flächen findest du an diesem Körper?"),
        {{circle(), true}, {square(), false}, {rectangle(), true}, {triangle(), false}});
    faces.picture = cylinder();
    faces.info = QStringLiteral("<b>Der Zylinder</b>\r\nEin Zylinder hat zwei Kreise als Grund- "
                                "und Deckfläche. Seine gewölbte Mantelfläche ist abgerollt ein "
                                "Rechteck.");
    questions.push_back(faces);
    applyQuestions(doc, questions);
}

} // namespace

void addQuestionSamples(std::vector<SampleDocument>& samples)
{
    samples.push_back({"20-einzelfragen-hauptstaedte.vlt", capitals});
    samples.push_back({"21-einzelfragen-englisch-tiere.vlt", vocabulary});
    samples.push_back({"22-multiple-choice-wirbeltiere.vlt", vertebrates});
    samples.push_back({"23-multiple-choice-formen-koerper.vlt", shapes});
}

} // namespace velunto
