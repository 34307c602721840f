#include "content/margins.h"
#include "content/textfile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace velunto {
namespace {

const QString kTopBottom = QStringLiteral(
    "Oberer und unterer Rand dürfen nicht negativ sein und in der Summe maximal 60 % betragen.");
const QString kLeftRight = QStringLiteral(
    "Linker und rechter Rand dürfen nicht negativ sein und in der Summe maximal 60 % betragen.");

TEST(Margins, PairsAreCheckedTopAndBottomFirst)
{
    struct Case
    {
        const char* left;
        const char* top;
        const char* right;
        const char* bottom;
        QString error; // empty: accepted
    };
    const Case cases[] = {
        {"3,5", "1,0", "3.5", "0", {}},       {"20,1", "0", "39,9", "0", {}}, // exactly 60
        {"30", "30", "30", "30", {}},         {"30", "30,1", "30", "30", kTopBottom},
        {"-1", "-1", "0", "0", kTopBottom}, // both wrong: top and bottom are named
        {"40", "0", "20,1", "0", kLeftRight}, {"-0,1", "0", "0", "0", kLeftRight},
        {"abc", "0", "0", "0", kLeftRight},   {"0", "", "0", "0", kTopBottom},
    };
    for (const Case& c : cases) {
        const MarginsCheck check =
            checkMargins(QString::fromUtf8(c.left), QString::fromUtf8(c.top),
                         QString::fromUtf8(c.right), QString::fromUtf8(c.bottom));
        EXPECT_EQ(check.ok, c.error.isEmpty()) << c.left << " " << c.top;
        EXPECT_EQ(check.error, c.error) << c.left << " " << c.top;
    }
    const MarginsCheck check = checkMargins("3,5", "1,0", "3.5", "0");
    EXPECT_EQ(check.margins, (RectD{0.035, 0.01, 0.035, 0.0}));
    EXPECT_EQ(marginPercentText(0.035), QStringLiteral("3,5"));
    EXPECT_EQ(marginPercentText(0.0), QStringLiteral("0,0"));
}

TEST(TextFile, ReadsUtf8OrCodePage1252WithCrLfLines)
{
    QTemporaryDir dir;
    struct Case
    {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
         "e\nzwei",
         QStringLiteral("Grüße\r\nzwei")},
        {"Gr\xFC\xDF"
         "e\r\nzwei\r",
         QStringLiteral("Grüße\r\nzwei\r\n")},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("text.txt"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const TextFileResult read = readTextFile(path);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.text, c.text);
    }
    const TextFileResult missing = readTextFile(dir.filePath(QStringLiteral("fehlt.txt")));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("fehlt.txt")));
}

} // namespace
} // namespace velunto
