#pragma once

#include <QString>

namespace velunto {

// The two generators of the cloze editor. Both go through the text word by
// word (words are separated by blank, CR and LF, which are kept as they
// are), dissolve the gap marks of every word they pass, keep the
// punctuation characters at either end of a word outside its gap, and
// write gap marks into the words they choose. Neither ever fails.

// The punctuation set both dialogs start with.
inline QString defaultGapPunctuation()
{
    return QStringLiteral(".,;:?!");
}

// C-test: the first sentence (through the character after its first ".";
// without a "." only the first character) stays as it is, without gap
// marks. After it, of the words with at least two characters, the second,
// fourth, sixth ... get a gap over their second half, the gap taking the
// extra letter of an odd length (Sonne becomes So<<nne>>), until maxGaps
// gaps are made. Shorter words are kept and not counted.
QString makeCTest(const QString& text, int maxGaps, const QString& punctuation);

// Which part of a chosen word becomes the gap.
enum class GapWordPart { WholeWord, FirstLetters, LastLetters };

// Automatic gaps: word startWord (1-based) and then every period-th word
// becomes a gap: the whole word, or its first or last count letters (a word
// not longer than count becomes one gap as a whole). Every word with at
// least one letter outside the punctuation set is counted.
QString makeAutoGaps(const QString& text, int startWord, int period, GapWordPart part, int count,
                     const QString& punctuation);

} // namespace velunto
