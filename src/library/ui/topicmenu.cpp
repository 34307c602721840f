#include "library/ui/topicmenu.h"

#include "library/topicnavigation.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace velunto {

TopicMenu::TopicMenu(QMenu* menu, QObject* parent)
    : QObject(parent), m_menu(menu), m_group(new QActionGroup(this))
{
    m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    if (!m_menu->isEmpty())
        m_menu->addSeparator();
    m_previousPage = m_menu->addAction(QString());
    m_nextPage = m_menu->addAction(QString());
    m_menu->addSeparator();
    connect(m_previousPage, &QAction::triggered, this, &TopicMenu::previousPageChosen);
    connect(m_nextPage, &QAction::triggered, this, &TopicMenu::nextPageChosen);
}

void TopicMenu::show(const TopicNavigation& navigation)
{
    // An entry may be the one whose signal runs right now: it leaves the menu
    // at once and is deleted when control is back in the event loop.
    if (m_columnBreak != nullptr)
        m_entries.push_back(m_columnBreak);
    for (QAction* action : m_entries) {
        m_menu->removeAction(action);
        action->deleteLater();
    }
    m_entries.clear();
    m_columnBreak = nullptr;

    const TopicPage page = navigation.page();
    m_previousPage->setText(page.previousCaption);
    m_previousPage->setEnabled(page.previousEnabled);
    m_nextPage->setText(page.nextCaption);
    m_nextPage->setEnabled(page.nextEnabled);

    const TopicList& list = navigation.entries();
    for (int i = page.first; i < page.end; ++i) {
        if (i == page.columnBreak)
            m_columnBreak = m_menu->addSeparator();
        auto* action = new QAction(topicMenuCaption(i, list[size_t(i)]), m_menu);
        action->setCheckable(true);
        action->setChecked(i == navigation.currentEntry());
        action->setActionGroup(m_group);
        connect(action, &QAction::triggered, this, [this, i] { Q_EMIT topicChosen(i); });
        m_menu->addAction(action);
        m_entries.push_back(action);
    }
}

} // namespace velunto
