#include "content/cloze/clozecontent.h"

#include <gtest/gtest.h>

namespace velunto {
namespace {

TEST(GapScan, FindsGapsWithTrimmedAlternativesByTheLayoutsRules)
{
    struct Case
    {
        const char16_t* text;
        std::vector<QStringList> alternatives; // per gap
    };
    const Case cases[] = {
        {u"Die Sonne geht im <<Osten>> auf.", {{"Osten"}}},
        {u"<<vier | Vier|4>> Beine", {{"vier", "Vier", "4"}}},
        {u"Haus<<tür>>en und <<>>", {{"tür"}, {""}}},
        // style tags inside a gap are no part of its answer
        {u"<<<b>fett</b>>>", {{"fett"}}},
        // gaps do not nest: a second "<<" is text of the first gap
        {u"<<a<<b>> c>>", {{"a<<b"}, {"c"}}},
        // an unclosed gap ends with its paragraph, the next one is plain
        {u"<<offen bis zum Ende\r\nneu <<zu>>", {{"offen bis zum Ende"}, {"zu"}}},
        // a ">>" without "<<" takes the text since the previous tag
        {u"vorher<b> nachher>> rest", {{"nachher"}}},
        {u"kein Lückentext", {}},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        const std::vector<GapMark> gaps = scanGaps(text);
        ASSERT_EQ(gaps.size(), c.alternatives.size()) << text.toStdString();
        for (size_t i = 0; i < gaps.size(); ++i)
            EXPECT_EQ(gaps[i].alternatives, c.alternatives[i]) << text.toStdString();
    }

    const QString text = QStringLiteral("Haus<<tür>>en");
    const std::vector<GapMark> gaps = scanGaps(text);
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_EQ(text.mid(gaps[0].start, gaps[0].end - gaps[0].start), QStringLiteral("<<tür>>"));
}

TEST(SetGap, WrapsTheSelectionKeepingBlanksAndFinalPunctuationOutside)
{
    struct Case
    {
        const char16_t* text;
        int start;
        int length;
        const char16_t* result;
    };
    const Case cases[] = {
        {u"Die Sonne geht im Osten auf.", 18, 5, u"Die Sonne geht im <<Osten>> auf."},
        // leading and trailing white space, a line break too, become one blank
        {u"im Osten\r\nauf", 2, 8, u"im <<Osten>> auf"},
        {u"geht auf.", 5, 4, u"geht <<auf>>."},
        {u"Haustür", 4, 3, u"Haus<<tür>>"},
        // an empty selection changes nothing
        {u"Osten", 2, 0, u"Osten"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(setGap(text, c.start, c.length).text, QString::fromUtf16(c.result))
            << text.toStdString();
    }
}

TEST(RemoveGapMarks, InTheSelectionOnlyOrEverywhere)
{
    const QString text = QStringLiteral("<<eins>> <<zwei|2>> <<drei>>");
    const EditedText edited = removeGapMarksInSelection(text, 9, 11);
    EXPECT_EQ(edited.text, QStringLiteral("<<eins>> zwei|2 <<drei>>"));
    EXPECT_EQ(edited.selectionStart, 9);
    EXPECT_EQ(edited.selectionLength, 7);
    EXPECT_EQ(removeGapMarks(text), QStringLiteral("eins zwei|2 drei"));
}

TEST(WrongWords, LinesOfBlanksAreIgnoredOthersKeepTheirBlanks)
{
    EXPECT_EQ(wrongWords(QStringLiteral("Baum\r\n   \r\n  Haus \r\n\r\nTor")),
              (QStringList{"Baum", "  Haus ", "Tor"}));
    EXPECT_TRUE(wrongWords(QString()).isEmpty());
}

} // namespace
} // namespace velunto
