#include "common/cp1252.h"

#include <gtest/gtest.h>

using namespace velunto;

TEST(Cp1252, AllBytesRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0xE4], QChar(0x00E4)); // ä
    EXPECT_EQ(text[0x81], QChar(0x0081)); // undefined byte keeps its value
    EXPECT_EQ(toCp1252(text), all);
    EXPECT_TRUE(fitsCp1252(text));
}

TEST(Cp1252, DetectsCharactersOutsideTheCodePage)
{
    EXPECT_TRUE(fitsCp1252(QStringLiteral("Größe € „Zitat“")));
    const QString text = QStringLiteral("Grüße \u4E2D und \u03A9 und \u4E2D");
    EXPECT_FALSE(fitsCp1252(text));
    EXPECT_EQ(charactersOutsideCp1252(text), QStringLiteral("\u4E2D\u03A9"));
    // A control character 0x1A that the text really holds is not a loss.
    EXPECT_TRUE(fitsCp1252(QString(QChar(0x1A))));
    EXPECT_TRUE(charactersOutsideCp1252(QStringLiteral("😀")).contains(QStringLiteral("😀")));
}
