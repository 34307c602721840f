#include "content/questions/questiontext.h"

#include <QRegularExpression>
#include <QStringList>

namespace velunto {

namespace {

// CR LF, a lone CR and a lone LF each end a line.
QStringList textLines(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

} // namespace

std::vector<SingleQuestion> parseQuestionText(const QString& text)
{
    std::vector<SingleQuestion> questions;
    for (const QString& line : textLines(text)) {
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype split = line.indexOf(QStringLiteral("//"));
        if (split < 0)
            questions.push_back({line.trimmed(), QStringLiteral("---")});
        else
            questions.push_back({line.left(split).trimmed(), line.mid(split + 2).trimmed()});
    }
    return questions;
}

int countQuestions(const QString& text)
{
    int count = 0;
    for (const QString& line : textLines(text)) {
        if (!line.trimmed().isEmpty())
            ++count;
    }
    return count;
}

QString questionCountLabel(int count)
{
    return QString::number(count) +
           (count == 1 ? QStringLiteral(" Frage") : QStringLiteral(" Fragen"));
}

} // namespace velunto
