#pragma once

#include <QString>

#include <vector>

namespace velunto {

// One line of the single-questions text: "question // answer".
struct SingleQuestion
{
    QString question;
    QString answer;
    bool operator==(const SingleQuestion&) const = default;
};

// The questions of fragentext, one per line that is not blank after
// trimming. A line is split at its first "//": the question is the trimmed
// text before it, the answer the trimmed text after it (which keeps any
// further "//"); a line without "//" is all question and answers "---".
std::vector<SingleQuestion> parseQuestionText(const QString& text);

// The number of questions in text: its lines that are not blank.
int countQuestions(const QString& text);

// The editor's counter: "1 Frage", "3 Fragen", "0 Fragen".
QString questionCountLabel(int count);

} // namespace velunto
