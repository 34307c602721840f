#include "content/cloze/gapgenerators.h"

#include <gtest/gtest.h>

namespace velunto {
namespace {

const QString kPunctuation = defaultGapPunctuation();

TEST(CTestGenerator, KeepsFirstSentenceAndGapsSecondHalfOfEverySecondWord)
{
    struct Case
    {
        const char16_t* text;
        int maxGaps;
        QString punctuation;
        const char16_t* result;
    };
    const Case cases[] = {
        {u"Die Sonne scheint. Heute ist ein sehr schöner Tag.", 20, kPunctuation,
         u"Die Sonne scheint. Heute i<<st>> ein se<<hr>> schöner T<<ag>>."},
        // without punctuation the full stop belongs to the word
        {u"Die Sonne scheint. Heute ist ein sehr schöner Tag.",
         20,
         {},
         u"Die Sonne scheint. Heute i<<st>> ein se<<hr>> schöner Ta<<g.>>"},
        // the gap takes the extra letter of an odd length
        {u"Da. Mond Sonne", 20, kPunctuation, u"Da. Mond So<<nne>>"},
        // one-letter words and single digits are kept and not counted
        {u"Da. a Haus 3 Baum b Weg Tor", 20, kPunctuation, u"Da. a Haus 3 Ba<<um>> b Weg T<<or>>"},
        // only the second counted word with maxGaps 1; none with 0
        {u"Da. eins zwei drei vier", 1, kPunctuation, u"Da. eins zw<<ei>> drei vier"},
        {u"Da. eins zwei drei vier", 0, kPunctuation, u"Da. eins zwei drei vier"},
        // without any "." only the first character stays out
        {u"Haus Baum Weg", 20, kPunctuation, u"Haus Ba<<um>> Weg"},
        {u"ab cd ef", 20, kPunctuation, u"ab cd e<<f>>"},
        // separators are copied one by one, line breaks included
        {u"A.\r\nx  eins\r\nzwei", 20, kPunctuation, u"A.\r\nx  eins\r\nzw<<ei>>"},
        // old gaps are dissolved first, their alternatives stay as words
        {u"Es war. <<Mond|mond>> und <<Sonne>>!", 20, kPunctuation,
         u"Es war. Mond|mond u<<nd>> Sonne!"},
        // a "<<" halved by the end of the first sentence cannot come back
        // together as a gap of its own
        {u"Ja.<<Baum>> Haus Tor", 20, kPunctuation,
         u"Ja.B"
         u"aum Ha<<us>> Tor"},
        {u"", 20, kPunctuation, u""},
        {u"   ", 20, kPunctuation, u"   "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(makeCTest(QString::fromUtf16(c.text), c.maxGaps, c.punctuation),
                  QString::fromUtf16(c.result))
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(AutoGapGenerator, GapsEveryPeriodthWordFromTheStartWord)
{
    struct Case
    {
        const char16_t* text;
        int start;
        int period;
        GapWordPart part;
        int count;
        const char16_t* result;
    };
    const auto whole = GapWordPart::WholeWord;
    const auto first = GapWordPart::FirstLetters;
    const auto last = GapWordPart::LastLetters;
    const Case cases[] = {
        {u"a b c d e f g h", 1, 3, whole, 3, u"<<a>> b c <<d>> e f <<g>> h"},
        {u"Der Hund bellt laut.", 2, 2, whole, 3, u"Der <<Hund>> bellt <<laut>>."},
        {u"Haustür", 1, 1, last, 3, u"Haus<<tür>>"},
        {u"Haustür", 1, 1, first, 4, u"<<Haus>>tür"},
        // a word not longer than count becomes one gap
        {u"Tor", 1, 1, last, 3, u"<<Tor>>"},
        // punctuation stays outside; a word of punctuation only is not counted
        {u"(Haus) - Baum", 1, 1, whole, 3, u"(<<Haus>>) - <<Baum>>"},
        // old marks dissolve in every word passed
        {u"<<eins>> zwei", 2, 1, whole, 3, u"eins <<zwei>>"},
        {u"eins zwei", 5, 1, whole, 3, u"eins zwei"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(makeAutoGaps(QString::fromUtf16(c.text), c.start, c.period, c.part, c.count,
                               QStringLiteral(".,;:?!()-")),
                  QString::fromUtf16(c.result))
            << QString::fromUtf16(c.text).toStdString();
    }
}

} // namespace
} // namespace velunto
