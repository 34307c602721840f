#pragma once

#include <QString>
#include <QStringList>

namespace velunto {

// What a multiple-choice question object holds in its Text: six items of a
// comma text. Items missing at the end take their defaults (a trailing empty
// item is lost on reading, so these defaults are what it reads back as).
struct QuestionRecord
{
    QString question; // may hold line breaks
    QString answers;  // CR LF lines "+ answer" / "- answer"
    QString info;     // info point text
    QString link;     // linked file of the external link
    QString infoTitle = QStringLiteral("Info");
    QString linkTitle = QStringLiteral("Link");

    bool operator==(const QuestionRecord&) const = default;
};

QuestionRecord readQuestionRecord(const QString& text);
QString writeQuestionRecord(const QuestionRecord& record);

// The answer lines of a record: the trimmed answers item split at its line
// breaks (blank lines among them kept); none when it is blank.
QStringList answerLines(const QuestionRecord& record);

// The picture answers item: one line "+ Bild" or "- Bild" per mark.
QString pictureAnswersText(const QList<bool>& correct);

// The mark of an answer line: true for "+".
inline bool isCorrectAnswerLine(const QString& line)
{
    return line.startsWith(u'+');
}

} // namespace velunto
