#include "library/topicnavigation.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

TopicList entries(int n)
{
    TopicList list;
    for (int i = 0; i < n; ++i) {
        const QString name = QStringLiteral("d%1.vlt").arg(i, 4, 10, QChar(u'0'));
        list.push_back(
            {QStringLiteral("Dokument %1").arg(i), QStringLiteral("/themen/") + name, name});
    }
    return list;
}

TopicNavigation navigation(int n, int current = -1)
{
    TopicNavigation nav;
    nav.setList(entries(n), current >= 0 ? entries(n)[size_t(current)].path : QString());
    return nav;
}

} // namespace

TEST(TopicNavigation, AnEmptyFolderHasNothingToShowOrOpen)
{
    const TopicNavigation nav = navigation(0);
    const TopicPage page = nav.page();
    EXPECT_EQ(page.first, 0);
    EXPECT_EQ(page.end, 0);
    EXPECT_EQ(page.columnBreak, -1);
    EXPECT_FALSE(page.previousEnabled);
    EXPECT_FALSE(page.nextEnabled);
    EXPECT_EQ(page.previousCaption, QStringLiteral("Vorherige 60 Dokumente anzeigen"));
    EXPECT_EQ(page.nextCaption, QStringLiteral("Nächste 60 Dokumente anzeigen (von 0)"));
    EXPECT_EQ(nav.currentEntry(), -1);
    EXPECT_EQ(nav.nextTarget(), -1);
    EXPECT_EQ(nav.previousTarget(), -1);
}

TEST(TopicNavigation, ColumnBreakByNumberOfEntries)
{
    const struct
    {
        int n;
        int end;
        int columnBreak;
    } cases[] = {{1, 1, -1}, {25, 25, -1}, {26, 26, 8}, {60, 60, 25}, {61, 60, 25}, {1000, 60, 25}};
    for (const auto& c : cases) {
        const TopicPage page = navigation(c.n).page();
        EXPECT_EQ(page.end, c.end) << c.n;
        EXPECT_EQ(page.columnBreak, c.columnBreak) << c.n;
    }
}

TEST(TopicNavigation, PagingStopsWhereTheLastPageIsFull)
{
    TopicNavigation nav = navigation(61);
    TopicPage page = nav.page();
    EXPECT_EQ(page.first, 0);
    EXPECT_EQ(page.end, 60);
    EXPECT_FALSE(page.previousEnabled);
    EXPECT_TRUE(page.nextEnabled);
    EXPECT_EQ(page.nextCaption, QStringLiteral("Nächste 60 Dokumente anzeigen (von 61)"));

    nav.nextPage();
    page = nav.page();
    EXPECT_EQ(page.first, 1);
    EXPECT_EQ(page.end, 61);
    EXPECT_EQ(page.columnBreak, 26);
    EXPECT_TRUE(page.previousEnabled);
    EXPECT_FALSE(page.nextEnabled);

    nav.nextPage();
    EXPECT_EQ(nav.pageStart(), 1);
    nav.previousPage();
    EXPECT_EQ(nav.pageStart(), 0);
    nav.previousPage();
    EXPECT_EQ(nav.pageStart(), 0);

    TopicNavigation big = navigation(150);
    big.nextPage();
    EXPECT_EQ(big.pageStart(), 60);
    big.nextPage();
    EXPECT_EQ(big.pageStart(), 90);
    big.previousPage();
    EXPECT_EQ(big.pageStart(), 30);
}

TEST(TopicNavigation, TheOpenDocumentIsTheCurrentEntryAndItsPageIsShown)
{
    EXPECT_EQ(navigation(130, 125).pageStart(), 70);
    EXPECT_EQ(navigation(130, 59).pageStart(), 0);
    EXPECT_EQ(navigation(130, 60).pageStart(), 60);
    EXPECT_EQ(navigation(130, 60).currentEntry(), 60);

    TopicNavigation nav = navigation(130, 125);
    nav.previousPage();
    nav.previousPage();
    EXPECT_EQ(nav.pageStart(), 0);
    nav.keepPageOnCurrent();
    EXPECT_EQ(nav.pageStart(), 70);

    // A document outside the list is no entry.
    nav.setList(entries(5), QStringLiteral("/anderswo/d0001.vlt"));
    EXPECT_EQ(nav.currentEntry(), -1);
    EXPECT_EQ(nav.pageStart(), 0);
}

TEST(TopicNavigation, PathsAreComparedInTheirAbsoluteForm)
{
    TopicNavigation nav;
    TopicList list = entries(3);
    list[1].path = QDir::currentPath() + QStringLiteral("/themen/x.vlt");
    nav.setList(list, QStringLiteral("themen/../themen/x.vlt"));
    EXPECT_EQ(nav.currentEntry(), 1);
    EXPECT_EQ(nav.indexOf(QString()), -1);
}

TEST(TopicNavigation, NextAndPreviousStopAtTheEnds)
{
    const struct
    {
        int n;
        int current;
        int next;
        int previous;
    } cases[] = {
        {5, -1, 0, 0},                 // no current entry: both open the first
        {5, 0, 1, -1},                 // previous on the first does not reload
        {5, 2, 3, 1},   {5, 4, -1, 3}, // next on the last does not reload
        {1, 0, -1, -1},
    };
    for (const auto& c : cases) {
        const TopicNavigation nav = navigation(c.n, c.current);
        EXPECT_EQ(nav.nextTarget(), c.next) << c.n << " " << c.current;
        EXPECT_EQ(nav.previousTarget(), c.previous) << c.n << " " << c.current;
    }
}
