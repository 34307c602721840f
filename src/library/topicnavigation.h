#pragma once

#include "library/topiclist.h"

#include <QString>

namespace velunto {

// What the topic menu shows of the list: the entries first .. end - 1, the
// two paging entries, and where the second menu column starts.
struct TopicPage
{
    int first = 0;
    int end = 0;
    int columnBreak = -1; // index of the entry that starts the second column; -1: none
    QString previousCaption;
    QString nextCaption;
    bool previousEnabled = false;
    bool nextEnabled = false;
};

// The topic list of the listed folder with the position of the open document
// in it and the page of at most 60 entries that the menu shows.
class TopicNavigation
{
  public:
    static constexpr int kPageSize = 60;

    // Takes a new list. The entry whose path is openFile becomes the current
    // entry (none: -1), and the page is the first one that shows it.
    void setList(TopicList list, const QString& openFile);

    const TopicList& entries() const { return m_list; }
    int count() const { return int(m_list.size()); }

    // The entry of the open document, -1 when it is not in the list.
    int currentEntry() const { return m_current; }
    void setCurrentEntry(int index) { m_current = index >= 0 && index < count() ? index : -1; }
    // The index of the entry whose path is path, -1 when none is.
    int indexOf(const QString& path) const;

    int pageStart() const { return m_pageStart; }
    TopicPage page() const;
    // One page back or forward; forward stops where the last page is full,
    // so with 61 entries the second page starts at entry 1.
    void previousPage();
    void nextPage();
    // Moves the page by whole pages until it shows the current entry.
    void keepPageOnCurrent();

    // The entry that "next" and "previous" open: the neighbour of the current
    // entry, the first entry when there is none, and -1 when there is nothing
    // to open (an empty list, or the current entry is already the last or
    // first one).
    int nextTarget() const;
    int previousTarget() const;

  private:
    int clampedStart(int start) const;

    TopicList m_list;
    int m_current = -1;
    int m_pageStart = 0;
};

} // namespace velunto
