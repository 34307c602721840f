// The rows of the "&Datei" menu: opening, saving and closing the document.

#include "app/mainwindow.h"
#include "app/menus.h"

namespace velunto {

std::vector<MenuCommand> fileMenuCommands()
{
    using M = MainWindow;
    using T = TopMenu;
    std::vector<MenuCommand> c;
    c.push_back(
        learningViewOnly(menuRow(T::File, 10, "Ö&ffnen...", QKeySequence(Qt::CTRL | Qt::Key_O),
                                 [](M& w) { w.openDocument(); })));
    c.push_back(menuRow(T::File, 20, "&Speichern", QKeySequence(Qt::CTRL | Qt::Key_S),
                        [](M& w) { w.saveDocument(); }));
    c.push_back(menuRow(T::File, 30, "Speichern &unter...",
                        QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S),
                        [](M& w) { w.saveDocumentAs(); }));
    c.push_back(separated(menuRow(T::File, 40, "&Tafelanschrieb als VLT speichern...", {},
                                  [](M& w) { w.saveBoardSnapshot(); })));
    c.push_back(learningViewOnly(
        separated(menuRow(T::File, 110, "Sch&ließen", QKeySequence(Qt::CTRL | Qt::Key_F4),
                          [](M& w) { w.closeDocument(); }))));
    c.push_back(separated(menuRow(T::File, 120, "&Beenden", {}, [](M& w) { w.close(); })));
    return c;
}

} // namespace velunto
