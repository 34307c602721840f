#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

namespace velunto {

class MainWindow;

// The menus of the menu bar, in their order.
enum class TopMenu {
    File,
    Topics,
    LearningView,
    Exercise,
    TeacherControl,
    Author,
    Display,
    Options,
    Exchange,
    Help,
};

QString topMenuCaption(TopMenu menu);

// One entry of the main menu. A subsystem keeps its rows in its own
// <subsystem>commands.cpp and adds them with one line in mainMenuCommands();
// the menu bar is built from that table.
struct MenuCommand
{
    TopMenu menu = TopMenu::File;
    int order = 0;    // position in its menu; the gaps leave room for commands to come
    int suborder = 0; // position among the entries of the same order
    QString caption;
    QKeySequence shortcut;
    std::function<void(MainWindow&)> run;
    // Set for an entry with a check mark: whether it is checked now.
    std::function<bool(const MainWindow&)> checked;
    QString submenu; // caption of the submenu that holds the entry, if any
    bool separatorBefore = false;
    bool learningViewOnly = false; // enabled only in application mode 2
};

std::vector<MenuCommand> mainMenuCommands();

// A row of menu, at order, running run; caption as UTF-8.
MenuCommand menuRow(TopMenu menu, int order, const char* caption, QKeySequence shortcut,
                    std::function<void(MainWindow&)> run);
// The row with a separator line above it.
MenuCommand separated(MenuCommand c);
// The row with a check mark while checked says so.
MenuCommand checkedWhen(MenuCommand c, std::function<bool(const MainWindow&)> checked);
// The row enabled only in the learning view.
MenuCommand learningViewOnly(MenuCommand c);
// The row inside the submenu captioned submenu (UTF-8).
MenuCommand inSubmenu(const char* submenu, MenuCommand c);
// Adds the rows a subsystem contributes from its own file.
void append(std::vector<MenuCommand>& to, std::vector<MenuCommand> rows);

// The rows of the subsystems, each from its own file.
std::vector<MenuCommand> fileMenuCommands();     // filecommands.cpp
std::vector<MenuCommand> topicMenuCommands();    // topiccommands.cpp
std::vector<MenuCommand> viewMenuCommands();     // viewcommands.cpp
std::vector<MenuCommand> authorMenuCommands();   // authorcommands.cpp
std::vector<MenuCommand> exerciseMenuCommands(); // exercisecommands.cpp
std::vector<MenuCommand> questionMenuCommands(); // questioncommands.cpp
std::vector<MenuCommand> editorMenuCommands();   // editorcommands.cpp
std::vector<MenuCommand> printMenuCommands();    // printcommands.cpp
std::vector<MenuCommand> resultsMenuCommands();  // resultscommands.cpp
std::vector<MenuCommand> boardMenuCommands();    // boardcommands.cpp

} // namespace velunto
