#include "library/topicnavigation.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace velunto {

namespace {

// Paths compare in their absolute, cleaned form: a document opened by a
// relative name is still found in the list.
QString comparablePath(const QString& path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

void TopicNavigation::setList(TopicList list, const QString& openFile)
{
    m_list = std::move(list);
    m_current = indexOf(openFile);
    m_pageStart = 0;
    keepPageOnCurrent();
}

int TopicNavigation::indexOf(const QString& path) const
{
    const QString wanted = comparablePath(path);
    if (wanted.isEmpty())
        return -1;
    for (int i = 0; i < count(); ++i)
        if (comparablePath(m_list[size_t(i)].path) == wanted)
            return i;
    return -1;
}

int TopicNavigation::clampedStart(int start) const
{
    return std::max(0, std::min(count() - kPageSize, start));
}

TopicPage TopicNavigation::page() const
{
    const int n = count();
    TopicPage page;
    page.first = clampedStart(m_pageStart);
    page.end = std::min(n, page.first + kPageSize);
    if (n > 25)
        page.columnBreak = page.first + std::min(n, kPageSize) / 2 - 5;
    page.previousCaption = QStringLiteral("Vorherige ") + QString::number(kPageSize) +
                           QStringLiteral(" Dokumente anzeigen");
    page.nextCaption = QStringLiteral("Nächste ") + QString::number(kPageSize) +
                       QStringLiteral(" Dokumente anzeigen") + QStringLiteral(" (von ") +
                       QString::number(n) + u')';
    page.previousEnabled = page.first > 0;
    page.nextEnabled = page.first + kPageSize < n;
    return page;
}

void TopicNavigation::previousPage()
{
    m_pageStart = std::max(0, clampedStart(m_pageStart) - kPageSize);
}

void TopicNavigation::nextPage()
{
    m_pageStart = clampedStart(m_pageStart + kPageSize);
}

void TopicNavigation::keepPageOnCurrent()
{
    m_pageStart = clampedStart(m_pageStart);
    if (m_current < 0)
        return;
    while (m_current >= m_pageStart + kPageSize)
        m_pageStart = clampedStart(m_pageStart + kPageSize);
    while (m_current < m_pageStart)
        m_pageStart = std::max(0, m_pageStart - kPageSize);
}

int TopicNavigation::nextTarget() const
{
    if (m_list.empty())
        return -1;
    const int target = std::min(m_current + 1, count() - 1);
    return target == m_current ? -1 : target;
}

int TopicNavigation::previousTarget() const
{
    if (m_list.empty())
        return -1;
    const int target = std::max(m_current - 1, 0);
    return target == m_current ? -1 : target;
}

} // namespace velunto
