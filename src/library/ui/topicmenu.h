#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;

namespace velunto {

class TopicNavigation;

// The changing part of the menu "&Themenauswahl": the two paging entries and
// one radio entry for each document of the page shown, after the menu's
// fixed commands. Only the entries of one page exist at a time, so a folder
// of a thousand documents opens its menu as fast as one of ten.
//
// Qt menus have no column break of their own; where the list asks for the
// second column to start, a separator is put between the entries instead.
// Menus taller than the screen still wrap into columns on their own.
class TopicMenu : public QObject
{
    Q_OBJECT
  public:
    explicit TopicMenu(QMenu* menu, QObject* parent = nullptr);

    // Shows the page of navigation: paging entries, entries, check mark.
    void show(const TopicNavigation& navigation);

    QAction* previousPageAction() const { return m_previousPage; }
    QAction* nextPageAction() const { return m_nextPage; }
    // The document entries of the page, in order.
    const std::vector<QAction*>& entryActions() const { return m_entries; }

  Q_SIGNALS:
    void topicChosen(int index);
    void previousPageChosen();
    void nextPageChosen();

  private:
    QMenu* m_menu;
    QAction* m_previousPage;
    QAction* m_nextPage;
    QActionGroup* m_group;
    std::vector<QAction*> m_entries;
    QAction* m_columnBreak = nullptr;
};

} // namespace velunto
