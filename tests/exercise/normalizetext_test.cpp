#include "exercise/normalizetext.h"

#include <gtest/gtest.h>

using namespace velunto;

TEST(NormalizeText, Cases)
{
    struct Case
    {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"Haus-\r\ntür", "Haustür"},    // lower case goes on: the hyphen goes
        {"Nord-\r\nSüd", "Nord-Süd"},   // capital: the hyphen stays
        {"Ost-\r\n-West", "Ost--West"}, // no letter: hyphen stays
        {"ab-\r\ncd-\r\nef", "abcdef"}, // repeated from the first occurrence
        {"Ende-\r\n", "Ende-"},         // nothing follows: left alone, then trimmed
        {"zwei\r\nZeilen", "zwei Zeilen"},
        {"a     b", "a  b"}, // five blanks: three then two, one pass each
        {"a    b", "a b"},
        {"  \t Haus \x01 ", "Haus"},
        {"\xc3\xbf"
         "x",
         " \xc3\xbf"
         "x"}, // ÿ at the start gets a blank
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(normalizeText(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}
