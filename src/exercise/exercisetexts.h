#pragma once

#include <QString>

namespace velunto {

// The instruction above the exercise area; empty where a type has none.
QString instructionText(int dokTyp, int queryMode);

// The protocol line written when ShowSingleCard offers a card
// (singlePosition false) or ShowSinglePosition marks a position; text is the
// card's or the position's normalized text.
QString singleItemLine(int dokTyp, bool singlePosition, const QString& text);

// The protocol line of one judged drop or answer of a card and a target
// (document types 0, 1, 2, 4 and 6). card and target are normalized texts
// (the comparison keys for pictures).
QString judgementLine(int dokTyp, int queryMode, bool right, const QString& card,
                      const QString& target);

// The protocol line of a multiple-choice answer; list is the ticked answers.
QString multipleChoiceLine(bool right, const QString& list);
// The second line of a multiple-choice answer with the tick counts.
QString tickCountLine(int right, int wrong, int missing);
// The protocol line of a cross-assignment connection.
QString connectionLine(bool right, const QString& first, const QString& target);

// The protocol lines of a typed answer.
QString typedRightLine(const QString& answer);
QString typedAlternativeLine(const QString& typed, const QString& answer);
QString typedWrongLine(const QString& typed, const QString& answer);

} // namespace velunto
