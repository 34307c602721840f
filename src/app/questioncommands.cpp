#include "app/mainwindow.h"
#include "app/menus.h"
#include "content/questions/ui/singlequestionseditor.h"

namespace velunto {

std::vector<MenuCommand> questionMenuCommands()
{
    // "Einzel&fragen bearbeiten...", after "&Dokument bearbeiten...": the
    // single-questions editor on any document; its OK makes the document one
    // of single questions. Its letter is F, as E belongs to
    // "Dokument&eigenschaften..." in the same menu.
    MenuCommand edit;
    edit.menu = TopMenu::Author;
    edit.order = 20;
    edit.suborder = 1;
    edit.caption = QStringLiteral("Einzel&fragen bearbeiten...");
    edit.learningViewOnly = true;
    edit.run = [](MainWindow& w) { w.runEditor(openSingleQuestionsEditor); };
    return {edit};
}

} // namespace velunto
