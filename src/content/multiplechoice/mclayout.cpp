#include "content/multiplechoice/mclayout.h"

#include "common/numeric.h"
#include "content/layoutpage.h"
#include "content/multiplechoice/questionrecord.h"
#include "content/multiplechoice/solutionpictures.h"
#include "content/questions/questionnavigation.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <algorithm>

namespace velunto {

namespace {

constexpr int kMaxAnswers = 12;

bool isGeneratedKind(int kind)
{
    return (kind >= ObjectKind::NavPrevious && kind <= ObjectKind::QuestionCaption) ||
           (kind >= ObjectKind::McQuestionText && kind <= ObjectKind::McLink);
}

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].unicode() <= 32)
        --end;
    return text.left(end);
}

double pictureAspect(const Picture& picture)
{
    if (picture.isNull() || picture.height() <= 0)
        return 1.0;
    return double(picture.width()) / picture.height();
}

// The objects of one question, numbered n of count.
class QuestionBuilder
{
  public:
    QuestionBuilder(Document& document, int questionIndex, int n, int count)
        : m_document(document), m_n(n), m_count(count),
          m_m(usableIndent(document.header.EinrueckRand))
    {
        // The question object is copied: appending objects moves the list.
        m_question = document.objects[questionIndex];
        m_record = readQuestionRecord(m_question.Text);
    }

    void build()
    {
        const double L = m_m.left;
        const double T = m_m.top;
        add(ObjectKind::QuestionCaption,
            QStringLiteral("Frage Nr. %1 von %2").arg(m_n).arg(m_count), L, T + 0.01, -5);
        const QString question = withoutTrailingBlanks(m_record.question);
        add(ObjectKind::McQuestionText, question, L, T + 0.08,
            mcQuestionSizeStep(int(question.size())));
        addPoints();
        addAnswers();
    }

  private:
    int add(int kind, const QString& text, double x, double y, int sizeStep)
    {
        return m_document.addGeneratedObject(kind, Layer::TextsAndImages, text, m_n, x, y,
                                             Side::Right, sizeStep);
    }
    ObjDataTyp& last() { return m_document.objects.back(); }

    void addPoints()
    {
        const double y = m_m.top + 0.16;
        const auto& colours = m_question.MCInfoLinkData;
        double xo = 0.0;
        if (!m_record.info.trimmed().isEmpty()) {
            add(ObjectKind::McInfoPoint, m_record.info, m_m.left + xo, y, 0);
            setPoint(m_record.infoTitle, colours[0], colours[2], colours[4]);
            xo += std::max(0.01 * m_record.infoTitle.size(), 0.06);
        }
        if (!m_record.link.trimmed().isEmpty()) {
            add(ObjectKind::McLink, m_record.link, m_m.left + xo, y, 0);
            setPoint(m_record.linkTitle, colours[1], colours[3], colours[5]);
        }
    }

    void setPoint(const QString& title, int titleColour, int background, int opacity)
    {
        ObjDataTyp& o = last();
        o.PktCap = title;
        o.Farbe = titleColour;
        o.HFarbe = background;
        o.HDeck = std::clamp(opacity, 0, 100);
        o.PunktInUebung = 1; // a question's info and link stay open during a run
    }

    void addAnswers()
    {
        const double L = m_m.left;
        const double T = m_m.top;
        const double R = m_m.right;
        const double B = m_m.bottom;
        const double width = 1.0 - L - R;
        const double secondColumn = L + width * 0.45 / 0.9;
        const double yc = T + (1.0 - T - B) * 0.47 / 0.915;
        const bool pictures = m_question.Untertyp == 1;
        const bool withQuestionPicture = m_question.Typ == ObjectKind::McImageQuestion;

        double xa = 0.0;
        if (withQuestionPicture) {
            const int base = rnd(width * 120.0 / 0.95);
            const double aspect = std::max(pictureAspect(m_question.Bild), 1.05) / 1.05;
            add(ObjectKind::McQuestionImage, QString(), L, yc, rnd(base / aspect));
            last().Bild = m_question.Bild;
            last().KBreite = width * 0.4 / 0.9;
            xa = secondColumn;
        } else {
            xa = L + (pictures ? 0.05 : 0.12);
        }

        QStringList lines = answerLines(m_record);
        if (lines.isEmpty())
            lines << QStringLiteral("+ Antwort");
        const int a = std::min<int>(int(lines.size()), kMaxAnswers);

        const bool twoColumns = pictures && !withQuestionPicture;
        const int k = twoColumns ? (a + 1) / 2 : a;
        const double pw = twoColumns ? (width - 0.3) * 0.5 : (width - 0.15) * 0.5;
        const double cap = pictures ? 0.2 : 0.15;
        const double d = (1.0 - T - B) * std::min(cap, (a * 0.1 / 12.0 + 0.6) / k) / 0.915;
        const int pictureCount = std::clamp(m_question.AntwortAnz, 0, kMaxAnswerPictures);

        int ro = 0;
        for (int i = 0; i < a; ++i) {
            // The second column starts with answer k, whether that one is
            // blank or not.
            if (twoColumns && i == k) {
                xa = secondColumn;
                ro = -k;
            }
            const QString line = lines[i].trimmed();
            if (line.isEmpty())
                continue;
            const double y = ((i + ro) - (k - 1) * 0.5) * d + yc;
            const QString sign = line.left(1);
            QString body = line.mid(1).trimmed();
            body.replace(QStringLiteral("<br>"), QStringLiteral("\r\n"));

            add(ObjectKind::McAnswerBox, sign, xa, y, 4);
            last().AntwortAnz = a;
            last().Bild = isCorrectAnswerLine(line) ? rightAnswerPicture() : wrongAnswerPicture();
            if (pictures) {
                add(ObjectKind::McAnswerImage, body, xa + 0.06, y, rnd(d * 240.0) - 10);
                last().KBreite = pw;
                // A line without its picture shows an empty card.
                if (i < pictureCount)
                    last().Bild = m_question.BildAntw[i];
            } else {
                add(ObjectKind::McAnswerText, body, xa + 0.06, y, 1);
            }
        }

        const double rows = k - (k - 1) * 0.5 - (pictures ? 0.1 : 0.0);
        add(ObjectKind::McOkButton, QStringLiteral("OK"), xa, rows * d + yc, 1);
    }

    Document& m_document;
    int m_n;
    int m_count;
    RectD m_m;
    ObjDataTyp m_question;
    QuestionRecord m_record;
};

} // namespace

int mcQuestionSizeStep(int length)
{
    return std::max(-1, 5 - std::max(0, length - 60) / 12);
}

void buildMultipleChoice(Document& document, bool create)
{
    HeaderDataTyp& header = document.header;
    if (header.DokTyp != DokTyp::MultipleChoice)
        return;
    if (!create) {
        // Each question has its question text object once built.
        int questions = 0;
        int texts = 0;
        for (const ObjDataTyp& o : document.objects) {
            questions += isMcQuestionKind(o.Typ);
            texts += o.Typ == ObjectKind::McQuestionText;
        }
        const bool hasButtons =
            std::any_of(document.objects.begin(), document.objects.end(),
                        [](const ObjDataTyp& o) { return o.Typ == ObjectKind::NavFirst; });
        if (questions == texts && hasButtons)
            return;
    }
    DocumentChangeBatch batch(document);
    if (std::erase_if(document.objects, [](const ObjDataTyp& o) { return isGeneratedKind(o.Typ); }) >
        0)
        document.notify({DocumentChange::ObjectsRemoved, {}, true, ObjectAspect::All});

    std::vector<int> questions;
    for (int i = 0; i < document.objectCount(); ++i) {
        if (isMcQuestionKind(document.objects[i].Typ))
            questions.push_back(i);
    }
    const int count = int(questions.size());
    for (int n = 1; n <= count; ++n)
        document.objects[questions[n - 1]].FrageNummer = n;

    addNavigationButtons(document);
    for (int n = 1; n <= count; ++n)
        QuestionBuilder(document, questions[n - 1], n, count).build();
    if (header.AnzFrageNummern != count) {
        header.AnzFrageNummern = count;
        document.notifyHeaderChanged();
    }

    // Covered, and numbered per question as ordered numbering numbers them.
    int question = 0;
    int next = 0;
    for (ObjDataTyp& o : document.objects) {
        if (o.Typ != ObjectKind::McAnswerBox)
            continue;
        if (o.FrageNummer != question) {
            question = o.FrageNummer;
            next = 0;
        }
        o.Abdeckung = -1;
        o.Nummer = ++next;
    }
}

} // namespace velunto
