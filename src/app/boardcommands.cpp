#include "app/blackboard.h"
#include "app/mainwindow.h"
#include "app/menus.h"
#include "view/drawing/ui/drawingcontroller.h"
#include "view/session.h"

namespace velunto {

std::vector<MenuCommand> boardMenuCommands()
{
    using M = MainWindow;
    using T = TopMenu;
    std::vector<MenuCommand> c;

    // "&Lernansicht": the pointer and the hand, undo and the removal of
    // every drawing.
    MenuCommand pointer = menuRow(T::LearningView, 70, "Zeiger zum Auf- und Abde&cken", {},
                              [](M& w) { w.board().drawing().selectViewTool(Tool::Pointer); });
    pointer.separatorBefore = true;
    pointer.checked = [](const M& w) { return w.session().tool() == Tool::Pointer; };
    c.push_back(pointer);
    MenuCommand hand = menuRow(T::LearningView, 71, "&Hand: Bildausschnitt verschieben", {},
                           [](M& w) { w.board().drawing().selectViewTool(Tool::Hand); });
    hand.checked = [](const M& w) { return w.session().tool() == Tool::Hand; };
    c.push_back(hand);
    c.push_back(menuRow(T::LearningView, 72, "Letzte Zeichenaktion rückgängig &machen",
                    QKeySequence(Qt::CTRL | Qt::Key_Z),
                    [](M& w) { w.board().drawing().undo(); }));
    c.push_back(menuRow(T::LearningView, 73, "Alle Zeichnu&ngen entfernen",
                    QKeySequence(Qt::CTRL | Qt::Key_Delete),
                    [](M& w) { w.board().drawing().removeAllDrawings(); }));

    // "&Optionen"
    MenuCommand noteBox =
        menuRow(T::Options, 170, "Noti&zbox...", {}, [](M& w) { w.board().showNoteBox(); });
    noteBox.separatorBefore = true;
    c.push_back(noteBox);
    return c;
}

} // namespace velunto
