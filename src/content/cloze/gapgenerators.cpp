#include "content/cloze/gapgenerators.h"

#include "content/cloze/clozecontent.h"

#include <algorithm>
#include <functional>

namespace velunto {

namespace {

bool isSeparator(QChar c)
{
    return c == u' ' || c == u'\r' || c == u'\n';
}

// A word split into its leading punctuation, its core and its trailing
// punctuation, with its gap marks dissolved.
struct Word
{
    QString prefix;
    QString core;
    QString suffix;
};

Word splitWord(QStringView raw, const QString& punctuation)
{
    const QString word = removeGapMarks(raw);
    qsizetype first = 0;
    while (first < word.size() && punctuation.contains(word[first]))
        ++first;
    qsizetype last = word.size();
    while (last > first && punctuation.contains(word[last - 1]))
        --last;
    return {word.left(first), word.mid(first, last - first), word.mid(last)};
}

// Copies the separators of text to the output and hands every word to
// write, which returns what stands for it.
QString forEachWord(QStringView text, const std::function<QString(const Word&)>& write,
                    const QString& punctuation)
{
    QString out;
    out.reserve(text.size() + text.size() / 4);
    qsizetype pos = 0;
    while (pos < text.size()) {
        if (isSeparator(text[pos])) {
            out += text[pos++];
            continue;
        }
        const qsizetype start = pos;
        while (pos < text.size() && !isSeparator(text[pos]))
            ++pos;
        out += write(splitWord(text.mid(start, pos - start), punctuation));
    }
    return out;
}

QString gapped(const Word& w, const QString& before, const QString& gap, const QString& after)
{
    return w.prefix + before + QStringLiteral("<<") + gap + QStringLiteral(">>") + after + w.suffix;
}

QString plain(const Word& w)
{
    return w.prefix + w.core + w.suffix;
}

} // namespace

QString makeCTest(const QString& text, int maxGaps, const QString& punctuation)
{
    // The marks go before the first sentence is cut off: cutting first could
    // leave half of a "<<" on either side of the cut, and the two halves
    // would meet again in the output as a new, unbalanced gap.
    const QString clean = removeGapMarks(text);
    const qsizetype stop = clean.indexOf(u'.');
    const qsizetype kept = std::min(clean.size(), stop < 0 ? qsizetype(1) : stop + 2);

    int counted = 0;
    int made = 0;
    int next = 2;
    return clean.left(kept) +
           forEachWord(
               QStringView(clean).mid(kept),
               [&](const Word& w) -> QString {
                   if (w.core.size() < 2)
                       return plain(w);
                   ++counted;
                   if (made >= maxGaps || counted != next)
                       return plain(w);
                   ++made;
                   next += 2;
                   const qsizetype h = (w.core.size() + 1) / 2;
                   return gapped(w, w.core.left(w.core.size() - h), w.core.right(h), {});
               },
               punctuation);
}

QString makeAutoGaps(const QString& text, int startWord, int period, GapWordPart part, int count,
                     const QString& punctuation)
{
    count = std::max(1, count);
    int counted = 0;
    int target = startWord;
    return forEachWord(
        text,
        [&](const Word& w) -> QString {
            if (w.core.isEmpty())
                return w.prefix + w.suffix;
            ++counted;
            if (counted != target)
                return plain(w);
            target += period;
            if (part == GapWordPart::WholeWord || w.core.size() <= count)
                return gapped(w, {}, w.core, {});
            if (part == GapWordPart::FirstLetters)
                return gapped(w, {}, w.core.left(count), w.core.mid(count));
            return gapped(w, w.core.left(w.core.size() - count), w.core.right(count), {});
        },
        punctuation);
}

} // namespace velunto
