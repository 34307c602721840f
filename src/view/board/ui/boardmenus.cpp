#include "view/board/ui/boardmenus.h"

#include <QMenu>
#include <QPixmap>
#include <QToolButton>
#include <QWidgetAction>

#include <map>

namespace velunto {

void fillSheetMenu(QMenu* menu, const std::function<void(const SheetMenuEntry&)>& chosen)
{
    menu->clear();
    std::map<QString, QMenu*> submenus;
    for (const SheetMenuEntry& entry : boardSheetMenu()) {
        QMenu*& sub = submenus[entry.submenu];
        if (!sub)
            sub = menu->addMenu(entry.submenu);
        QAction* action = sub->addAction(entry.caption);
        QObject::connect(action, &QAction::triggered, menu, [entry, chosen] { chosen(entry); });
    }
}

void fillChronicleMenu(QMenu* menu, const Chronicle& chronicle,
                       const std::function<void(int)>& chosen)
{
    menu->clear();
    const auto& entries = chronicle.entries();
    for (int i = 0; i < int(entries.size()); ++i) {
        // A menu draws its icons small; the thumbnail is shown at its own
        // size on a button that stands for the entry.
        auto* action = new QWidgetAction(menu);
        action->setText(entries[i].caption);
        auto* button = new QToolButton;
        button->setText(entries[i].caption);
        button->setIcon(QIcon(QPixmap::fromImage(entries[i].thumbnail)));
        button->setIconSize(entries[i].thumbnail.size());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        QObject::connect(button, &QToolButton::clicked, action, [action, menu] {
            menu->close();
            action->trigger();
        });
        action->setDefaultWidget(button);
        menu->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [i, chosen] { chosen(i); });
    }
    if (entries.empty())
        menu->addAction(QStringLiteral("(leer)"))->setEnabled(false);
}

} // namespace velunto
