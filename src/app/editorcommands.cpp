// The main window's rows for the content editors as a whole: the one font of
// their text fields.
#include "app/mainwindow.h"
#include "app/menus.h"
#include "content/ui/editorfont.h"
#include "platform/ui/dialogrunner.h"

namespace velunto {

std::vector<MenuCommand> editorMenuCommands()
{
    MenuCommand font;
    font.menu = TopMenu::Author;
    font.order = 70;
    // Its letter is A: T opens "Objekteditor: &Texte, Bilder, Infopunkte".
    font.caption = QStringLiteral("Editor-Schrift&art...");
    font.run = [](MainWindow& w) {
        EditorFontDialog dialog(&w);
        runDialog(dialog);
    };
    return {font};
}

} // namespace velunto
