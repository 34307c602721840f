#include "topicfolder.h"

#include "library/topiclist.h"

#include <QLocale>

using namespace velunto;
using velunto::testing::TopicFolder;

namespace {

QStringList titles(const TopicList& list)
{
    QStringList result;
    for (const ThemenDataTyp& e : list)
        result << e.Titel;
    return result;
}

} // namespace

TEST(TopicList, ListsReadableDocumentsSortedByFileNameWithoutRegardToCase)
{
    TopicFolder f;
    f.add(QStringLiteral("b.vlt"), QStringLiteral("Titel b"));
    f.add(QStringLiteral("A.vlt"), QStringLiteral("Titel A"));
    f.add(QStringLiteral("c.VLT"), QStringLiteral("Titel c"));
    f.add(QStringLiteral(".versteckt.vlt"), QStringLiteral("versteckt"));
    f.addRaw(QStringLiteral("kaputt.vlt"), "kein Dokument");
    f.addRaw(QStringLiteral("notizen.txt"), "Text");
    f.add(QStringLiteral("anderes.vlt.bak"), QStringLiteral("Sicherung"));
    QDir(f.dir.path()).mkdir(QStringLiteral("ordner.vlt"));

    const TopicList list = buildTopicList(f.folder());
    EXPECT_EQ(titles(list), QStringList({"versteckt", "Titel A", "Titel b", "Titel c"}));
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].path, f.path(QStringLiteral("A.vlt")));
    EXPECT_EQ(list[1].sortKey, QStringLiteral("a.vlt"));
    EXPECT_EQ(list[3].sortKey, QStringLiteral("c.vlt"));
}

TEST(TopicList, NamesDifferingOnlyInCaseKeepOneOrderWhateverTheFolderSays)
{
    // Equal sort keys: the order of the names' bytes decides, not the order
    // in which the file system happens to list them.
    TopicFolder f;
    for (const char* name : {"bruch.vlt", "BRUCH.vlt", "bRuch.vlt", "Bruch.vlt"})
        f.add(QString::fromLatin1(name), QString::fromLatin1(name).chopped(4));
    EXPECT_EQ(titles(buildTopicList(f.folder())),
              QStringList({"BRUCH", "Bruch", "bRuch", "bruch"}));
}

TEST(TopicList, LinksAndLongHeadersAreListedToo)
{
    TopicFolder f;
    Document doc;
    doc.header.Titel = QStringLiteral("Lang");
    doc.header.Bemerkung = QString(20000, u'x'); // the summary reaches far beyond the first block
    f.add(QStringLiteral("lang.vlt"), doc);
    const QString target = f.add(QStringLiteral("ziel.dat"), QStringLiteral("Verknüpft"));
    ASSERT_TRUE(QFile::link(target, f.path(QStringLiteral("link.vlt"))));
    ASSERT_TRUE(QFile::link(f.path(QStringLiteral("fehlt")), f.path(QStringLiteral("kaputt.vlt"))));
    QDir(f.dir.path()).mkdir(QStringLiteral("unterordner"));
    ASSERT_TRUE(
        QFile::link(f.path(QStringLiteral("unterordner")), f.path(QStringLiteral("ordner.vlt"))));

    EXPECT_EQ(titles(buildTopicList(f.folder())), QStringList({"Lang", "Verknüpft"}));
    // A broken link and a link to a folder are no document files.
    EXPECT_EQ(documentFiles(f.folder()), QStringList({f.path(QStringLiteral("lang.vlt")),
                                                      f.path(QStringLiteral("link.vlt"))}));
}

TEST(TopicList, SortsInTheOrderOfTheUsersLanguage)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TopicFolder f;
    f.add(QStringLiteral("zebra.vlt"), QStringLiteral("Z"));
    f.add(QStringLiteral("Birne.vlt"), QStringLiteral("B"));
    f.add(QStringLiteral("Äpfel.vlt"), QStringLiteral("Ä"));
    const TopicList list = buildTopicList(f.folder());
    QLocale::setDefault(before);
    EXPECT_EQ(titles(list), QStringList({"Ä", "B", "Z"}));
}

TEST(TopicList, AnEmptyOrMissingFolderGivesAnEmptyList)
{
    TopicFolder f;
    EXPECT_TRUE(buildTopicList(f.folder()).empty());
    EXPECT_TRUE(buildTopicList(f.path(QStringLiteral("gibt-es-nicht"))).empty());
    EXPECT_TRUE(buildTopicList(QString()).empty());
}

TEST(TopicList, MenuCaptionsNumberTheEntriesAndShowAmpersands)
{
    const struct
    {
        int index;
        const char* title;
        const char* caption;
    } cases[] = {
        {0, "Der Rhein", "&1:  Der Rhein"},
        {8, "  Neun  ", "&9:  Neun"},
        {9, "Zehn", "10:  Zehn"},
        {60, "Einundsechzig", "61:  Einundsechzig"},
        {1, "Sonne & Mond", "&2:  Sonne && Mond"},
        {2, "   ", "&3:  leer.vlt"},
        {3, "", "&4:  leer.vlt"},
    };
    for (const auto& c : cases) {
        const ThemenDataTyp entry{QString::fromUtf8(c.title), QStringLiteral("/themen/leer.vlt"),
                                  QStringLiteral("leer.vlt")};
        EXPECT_EQ(topicMenuCaption(c.index, entry), QString::fromUtf8(c.caption));
    }
}

TEST(TopicList, TheListTextKeepsTitlesUntrimmedAndNamesFilesForBlankOnes)
{
    const TopicList list = {
        {QStringLiteral(" Flüsse "), QStringLiteral("/t/fluesse.vlt"),
         QStringLiteral("fluesse.vlt")},
        {QStringLiteral("  "), QStringLiteral("/t/leer.vlt"), QStringLiteral("leer.vlt")},
    };
    EXPECT_EQ(topicListText(list),
              QStringLiteral("<TIT>Themenliste\r\n1:  Flüsse \r\n2: leer.vlt\r\n"));
    EXPECT_EQ(topicListText({}), QStringLiteral("<TIT>Themenliste\r\n"));
}

TEST(TopicList, TitleLine)
{
    EXPECT_EQ(titleLineText(2, QStringLiteral("Das Skelett"), true),
              QStringLiteral(" (3) Das Skelett"));
    EXPECT_EQ(titleLineText(2, QStringLiteral("Das Skelett"), false), QStringLiteral(" (3) ?"));
    EXPECT_EQ(titleLineText(-1, QString(), true), QStringLiteral(" (ohne Titel)"));
    EXPECT_EQ(titleLineText(-1, QString(), false), QStringLiteral(" ?"));
}
