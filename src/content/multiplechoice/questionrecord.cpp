#include "content/multiplechoice/questionrecord.h"

#include "document/commatext.h"

#include <QRegularExpression>

namespace velunto {

QuestionRecord readQuestionRecord(const QString& text)
{
    const QStringList items = readCommaItems(text);
    QuestionRecord r;
    auto item = [&](int i, QString& field) {
        if (i < items.size())
            field = items[i];
    };
    item(0, r.question);
    item(1, r.answers);
    item(2, r.info);
    item(3, r.link);
    item(4, r.infoTitle);
    item(5, r.linkTitle);
    return r;
}

QString writeQuestionRecord(const QuestionRecord& r)
{
    return writeCommaItems({r.question, r.answers, r.info, r.link, r.infoTitle, r.linkTitle});
}

QStringList answerLines(const QuestionRecord& r)
{
    const QString answers = r.answers.trimmed();
    if (answers.isEmpty())
        return {};
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return answers.split(breaks);
}

QString pictureAnswersText(const QList<bool>& correct)
{
    QString text;
    for (bool c : correct)
        text += (c ? QStringLiteral("+ ") : QStringLiteral("- ")) + QStringLiteral("Bild\r\n");
    return text;
}

} // namespace velunto
