#include "view/board/ui/boardmenus.h"

#include <QMenu>
#include <QPixmap>

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
        QAction* action = menu->addAction(QIcon(QPixmap::fromImage(entries[i].thumbnail)),
                                          entries[i].caption);
        QObject::connect(action, &QAction::triggered, menu, [i, chosen] { chosen(i); });
    }
    if (entries.empty())
        menu->addAction(QStringLiteral("(leer)"))->setEnabled(false);
}

} // namespace velunto
