#include "content/multiplechoice/mcquestion.h"

#include "content/contentobjects.h"
#include "content/multiplechoice/mclayout.h"
#include "content/multiplechoice/questionrecord.h"
#include "document/document.h"
#include "document/objectkinds.h"

#include <QRegularExpression>

#include <algorithm>

namespace velunto {

McQuestion newMcQuestion()
{
    McQuestion q;
    q.pictureAnswers.push_back({});
    return q;
}

McQuestion duplicatedMcQuestion(const McQuestion& question)
{
    McQuestion copy = question;
    copy.question = QStringLiteral("KOPIE von ") + question.question;
    return copy;
}

std::vector<McQuestion> mcQuestionsOf(const Document& document)
{
    std::vector<McQuestion> questions;
    for (const ObjDataTyp& o : document.objects) {
        if (!isMcQuestionKind(o.Typ))
            continue;
        const QuestionRecord record = readQuestionRecord(o.Text);
        McQuestion q;
        q.question = record.question;
        q.answers = record.answers;
        q.answerKind = o.Untertyp == 1 ? 1 : 0;
        if (o.Typ == ObjectKind::McImageQuestion)
            q.picture = o.Bild;
        q.info = record.info;
        q.infoTitle = record.infoTitle;
        q.link = record.link;
        q.linkTitle = record.linkTitle;
        q.infoLink = o.MCInfoLinkData;

        const QStringList lines = answerLines(record);
        const int stored = std::clamp(o.AntwortAnz, 0, kMaxAnswerPictures);
        const int count = q.answerKind == 1 ? std::min<int>(std::max<int>(lines.size(), stored),
                                                            kMaxAnswerPictures)
                                            : stored;
        for (int i = 0; i < count; ++i) {
            McPictureAnswer answer;
            if (i < stored)
                answer.picture = o.BildAntw[i];
            if (i < lines.size())
                answer.correct = isCorrectAnswerLine(lines[i].trimmed());
            q.pictureAnswers.push_back(answer);
        }
        questions.push_back(q);
    }
    return questions;
}

QString normalizedTextAnswers(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    for (QString& line : lines) {
        const QString t = line.trimmed();
        if (!t.isEmpty() && !t.startsWith(u'+') && !t.startsWith(u'-'))
            line = QStringLiteral("+ ") + line;
    }
    return lines.join(QStringLiteral("\r\n")).trimmed();
}

std::optional<McQuestionsProblem> mcQuestionsProblem(const std::vector<McQuestion>& questions)
{
    for (int n = 0; n < int(questions.size()); ++n) {
        const McQuestion& q = questions[n];
        if (q.answerKind != 1)
            continue;
        const QString number = QString::number(n + 1);
        if (q.pictureAnswers.empty())
            return McQuestionsProblem{
                n, QStringLiteral("Die Frage Nr. ") + number +
                       QStringLiteral(" hat noch keine Bild-Antwort.\r\nBitte mittels \"Neue "
                                      "Antwort\" eine Bild-Antwort erstellen oder Text-Antworten "
                                      "wählen.")};
        for (size_t i = 0; i < q.pictureAnswers.size(); ++i) {
            if (q.pictureAnswers[i].picture.isNull())
                return McQuestionsProblem{
                    n, QStringLiteral("Die Bild-Antwort Nr. ") + QString::number(i + 1) +
                           QStringLiteral(" der Frage Nr. ") + number +
                           QStringLiteral(" hat noch kein Bild.\r\nBitte ein Bild laden oder die "
                                          "Bild-Antwort löschen.")};
        }
    }
    return std::nullopt;
}

void applyMultipleChoiceEdit(Document& document, const MultipleChoiceEdit& edit)
{
    DocumentChangeBatch batch(document);
    deleteContentObjects(document);

    int number = 0;
    for (const McQuestion& q : edit.questions) {
        ObjDataTyp o;
        o.Typ = q.picture.isNull() ? ObjectKind::McQuestion : ObjectKind::McImageQuestion;
        o.Bild = q.picture;
        o.Untertyp = q.answerKind == 1 ? 1 : 0;
        o.MCInfoLinkData = q.infoLink;
        o.FrageNummer = ++number;
        o.Ebene = Layer::TextsAndImages;
        o.KAusr = 0;
        o.TAusr = 0;
        o.Sline = 0;
        o.Fsize = 0;
        o.Sx = o.Sy = o.Kx = o.Ky = -1.0;

        QuestionRecord record;
        record.question = q.question;
        record.answers = q.answers;
        if (o.Untertyp == 1) {
            QList<bool> marks;
            const int count = std::min<int>(int(q.pictureAnswers.size()), kMaxAnswerPictures);
            for (int i = 0; i < count; ++i) {
                marks << q.pictureAnswers[i].correct;
                o.BildAntw[i] = q.pictureAnswers[i].picture;
            }
            o.AntwortAnz = count;
            record.answers = pictureAnswersText(marks);
        }
        if (record.answers.trimmed().isEmpty())
            record.answers = QStringLiteral("+ Antwort");
        record.info = q.info;
        record.infoTitle = q.infoTitle;
        record.link = q.link;
        record.linkTitle = q.linkTitle;
        o.Text = writeQuestionRecord(record);
        document.objects.push_back(std::move(o));
    }

    HeaderDataTyp& header = document.header;
    header.DokTyp = DokTyp::MultipleChoice;
    header.DokUnterTyp = 0;
    header.lueckentext.clear();
    header.fragentext.clear();
    header.TextCol = edit.textColour;
    header.FragBtnHtgdCol = edit.buttonBackground;
    header.FragBtnTextCol = edit.buttonSymbols;
    // The list lost the content of before and has the new questions.
    document.notify({DocumentChange::ObjectsRemoved | DocumentChange::ObjectsAdded,
                     {},
                     true,
                     ObjectAspect::All});
    document.notifyHeaderChanged();
    document.setModified();
    buildMultipleChoice(document, true);
}

} // namespace velunto
