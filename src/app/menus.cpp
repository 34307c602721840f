#include "app/menus.h"

#include "app/mainwindow.h"

#include <iterator>

namespace velunto {

QString topMenuCaption(TopMenu menu)
{
    switch (menu) {
    case TopMenu::File:
        return QStringLiteral("&Datei");
    case TopMenu::Topics:
        return QStringLiteral("&Themenauswahl");
    case TopMenu::LearningView:
        return QStringLiteral("&Lernansicht");
    case TopMenu::Exercise:
        return QStringLiteral("&Übung");
    case TopMenu::TeacherControl:
        return QStringLiteral("Lehrer&steuerung");
    case TopMenu::Author:
        return QStringLiteral("&Autorenfunktion");
    case TopMenu::Display:
        return QStringLiteral("An&zeige");
    case TopMenu::Options:
        return QStringLiteral("&Optionen");
    case TopMenu::Exchange:
        return QStringLiteral("Tausch&börse");
    case TopMenu::Help:
        return QStringLiteral("&Hilfe");
    }
    return {};
}

MenuCommand menuRow(TopMenu menu, int order, const char* caption, QKeySequence shortcut,
                    std::function<void(MainWindow&)> run)
{
    MenuCommand c;
    c.menu = menu;
    c.order = order;
    c.caption = QString::fromUtf8(caption);
    c.shortcut = shortcut;
    c.run = std::move(run);
    return c;
}

MenuCommand separated(MenuCommand c)
{
    c.separatorBefore = true;
    return c;
}

MenuCommand checkedWhen(MenuCommand c, std::function<bool(const MainWindow&)> checked)
{
    c.checked = std::move(checked);
    return c;
}

MenuCommand learningViewOnly(MenuCommand c)
{
    c.learningViewOnly = true;
    return c;
}

MenuCommand inSubmenu(const char* submenu, MenuCommand c)
{
    c.submenu = QString::fromUtf8(submenu);
    return c;
}

void append(std::vector<MenuCommand>& to, std::vector<MenuCommand> rows)
{
    to.insert(to.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
}

namespace {

// An option switch of the settings: each click flips it.
MenuCommand toggle(TopMenu menu, int order, const char* caption, bool ExerciseSwitches::*field)
{
    MenuCommand c = menuRow(menu, order, caption, {}, [field](MainWindow& w) {
        bool& value = w.settings().options.*field;
        value = !value;
    });
    c.checked = [field](const MainWindow& w) { return w.settings().options.*field; };
    return c;
}

} // namespace

std::vector<MenuCommand> mainMenuCommands()
{
    using M = MainWindow;
    using T = TopMenu;
    std::vector<MenuCommand> c;

    append(c, fileMenuCommands());
    append(c, topicMenuCommands());
    append(c, viewMenuCommands());
    append(c, exerciseMenuCommands());
    append(c, authorMenuCommands());

    // "An&zeige"
    c.push_back(menuRow(T::Display, 10, "&Vollbild", QKeySequence(Qt::CTRL | Qt::Key_L),
                        [](M& w) { w.fullScreen(); }));
    c.push_back(menuRow(T::Display, 20, "&Fenster", QKeySequence(Qt::CTRL | Qt::Key_F),
                        [](M& w) { w.windowed(); }));
    c.push_back(menuRow(T::Display, 30, "&Minimieren", QKeySequence(Qt::CTRL | Qt::Key_N),
                        [](M& w) { w.minimise(); }));

    // "&Optionen"
    c.push_back(toggle(T::Options, 10, "&Tonausgabe", &ExerciseSwitches::SoundOn));
    c.push_back(toggle(T::Options, 20, "&Namenseingabe bei Übungen",
                       &ExerciseSwitches::AskParticipantName));
    MenuCommand status = toggle(T::Options, 30, "&Statusinformation bei Übungen anzeigen",
                                &ExerciseSwitches::ShowStatusPanel);
    status.run = [](M& w) { w.setShowStatusPanel(!w.settings().options.ShowStatusPanel); };
    c.push_back(status);
    c.push_back(toggle(T::Options, 40, "Übungs&ergebnisfenster anzeigen",
                       &ExerciseSwitches::ShowResultWindow));
    c.push_back(toggle(T::Options, 50, "Übungs&protokolle automatisch speichern",
                       &ExerciseSwitches::AutoSaveProtocol));
    c.push_back(toggle(T::Options, 60,
                       "Ergebnisse Individual-Übung automatisch in &Bestenliste eintragen",
                       &ExerciseSwitches::AutoBestListEntry));
    c.push_back(learningViewOnly(separated(
        menuRow(T::Options, 110, "Schrift&art...", {}, [](M& w) { w.chooseDocumentFont(); }))));
    c.push_back(
        menuRow(T::Options, 140, "&Verknüpfungsfelder...", {}, [](M& w) { w.editLinkFields(); }));
    // ToolbarSide 1 is the left side, listed first.
    for (const int side : {1, 0}) {
        MenuCommand item = inSubmenu(
            "&Werkzeugleiste", menuRow(T::Options, 151 - side, side == 1 ? "&Links" : "&Rechts", {},
                                       [side](M& w) { w.setToolbarSide(side); }));
        item.checked = [side](const M& w) { return w.settings().ToolbarSide == side; };
        c.push_back(item);
    }

    append(c, printMenuCommands());
    append(c, resultsMenuCommands());

    // "&Hilfe"
    c.push_back(
        menuRow(T::Help, 10, "&Inhalt", QKeySequence(Qt::Key_F1), [](M& w) { w.showHelp(); }));
    MenuCommand update =
        separated(menuRow(T::Help, 40, "Bei Programmstart auf Update prüfen", {}, [](M& w) {
            bool& on = w.settings().checkUpdateAtStart;
            on = !on;
        }));
    update.checked = [](const M& w) { return w.settings().checkUpdateAtStart; };
    c.push_back(update);
    c.push_back(separated(menuRow(T::Help, 50, "Inf&o...", {}, [](M& w) { w.showAbout(); })));

    append(c, boardMenuCommands());
    return c;
}

} // namespace velunto
