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

// One entry of the main menu. A subsystem adds its command with one row in
// mainMenuCommands(); the menu bar is built from that table.
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
// The rows of the subsystems, each from its own file.
std::vector<MenuCommand> exerciseMenuCommands(); // exercisecommands.cpp
std::vector<MenuCommand> questionMenuCommands(); // questioncommands.cpp
std::vector<MenuCommand> editorMenuCommands();   // editorcommands.cpp
std::vector<MenuCommand> printMenuCommands();    // printcommands.cpp
std::vector<MenuCommand> resultsMenuCommands();  // resultscommands.cpp
std::vector<MenuCommand> boardMenuCommands();    // boardcommands.cpp

} // namespace velunto
