// The rows of the "&Themenauswahl" menu above the topic list.

#include "app/mainwindow.h"
#include "app/menus.h"
#include "app/topiclibrary.h"

namespace velunto {

std::vector<MenuCommand> topicMenuCommands()
{
    using M = MainWindow;
    using T = TopMenu;
    std::vector<MenuCommand> c;
    // The paging entries and the documents follow these.
    c.push_back(menuRow(T::Topics, 10, "&Startseite", QKeySequence(Qt::ALT | Qt::Key_Home),
                        [](M& w) { w.library().startPage(); }));
    c.push_back(menuRow(T::Topics, 20, "&Zuvor angezeigtes Dokument",
                        QKeySequence(Qt::ALT | Qt::Key_Backspace),
                        [](M& w) { w.library().previousDocument(); }));
    c.push_back(learningViewOnly(separated(menuRow(T::Topics, 30, "&Vorheriges Dokument der Liste",
                                                   QKeySequence(Qt::Key_PageUp),
                                                   [](M& w) { w.library().previousTopic(); }))));
    c.push_back(learningViewOnly(menuRow(T::Topics, 40, "&Nächstes Dokument der Liste",
                                         QKeySequence(Qt::Key_PageDown),
                                         [](M& w) { w.library().nextTopic(); })));
    c.push_back(separated(menuRow(T::Topics, 50, "&Aktuellen Ordner neu einlesen",
                                  QKeySequence(Qt::CTRL | Qt::Key_F5),
                                  [](M& w) { w.library().rereadFolder(); })));
    c.push_back(menuRow(T::Topics, 60, "&Ordner wählen...", QKeySequence(Qt::CTRL | Qt::Key_W),
                        [](M& w) { w.library().chooseFolder(); }));
    c.push_back(menuRow(T::Topics, 70, "Themenliste &drucken...", {},
                        [](M& w) { w.library().showTopicList(); }));
    return c;
}

} // namespace velunto
