#include "app/menus.h"

#include "app/mainwindow.h"
#include "app/topiclibrary.h"
#include "content/ui/editorregistry.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"

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

// The rows a subsystem contributes from its own file.
void append(std::vector<MenuCommand>& to, std::vector<MenuCommand> rows)
{
    to.insert(to.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
}

} // namespace

std::vector<MenuCommand> mainMenuCommands()
{
    using M = MainWindow;
    using T = TopMenu;
    std::vector<MenuCommand> c;

    // "&Datei"
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

    // "&Themenauswahl"; the paging entries and the documents follow these.
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

    // "&Lernansicht"
    const std::pair<int, const char*> layers[] = {
        {Layer::BaseImage, "&Basisbild"},
        {Layer::TextsAndImages, "&Texte und Bilder"},
        {Layer::InfoPoints, "Info&punkte"},
        {Layer::Layout, "&Layout"},
    };
    for (int i = 0; i < 4; ++i) {
        const int layer = layers[i].first;
        c.push_back(checkedWhen(
            menuRow(T::LearningView, 10 + i, layers[i].second, {},
                    [layer](M& w) { w.view().setLayer(layer, !w.view().isLayerShown(layer)); }),
            [layer](const M& w) { return w.view().isLayerShown(layer); }));
    }
    c.push_back(separated(menuRow(T::LearningView, 20, "Alle Abfragefelder abdecken", {},
                                  [](M& w) { w.view().coverAll(); })));
    c.push_back(menuRow(T::LearningView, 21, "Lösung", {}, [](M& w) { w.view().uncoverAll(); }));
    const std::pair<int, const char*> numbering[] = {
        {NumberingMode::QuestionMarks, "&Fragezeichen"},
        {NumberingMode::Ordered, "&Geordnet"},
        {NumberingMode::Random, "&Zufällig"},
    };
    for (int i = 0; i < 3; ++i) {
        const int mode = numbering[i].first;
        MenuCommand item =
            checkedWhen(menuRow(T::LearningView, 30 + i, numbering[i].second, {},
                                [mode](M& w) { w.view().number(mode); }),
                        [mode](const M& w) { return w.view().numberingMode() == mode; });
        item.separatorBefore = i == 0;
        c.push_back(item);
    }
    const std::pair<int, const char*> zooms[] = {
        {0, "Zoom &100 %"}, {2, "Zoom 1&50 %"}, {4, "Zoom &200 %"}};
    for (int i = 0; i < 3; ++i) {
        const int index = zooms[i].first;
        MenuCommand item =
            checkedWhen(menuRow(T::LearningView, 40 + i, zooms[i].second, {},
                                [index](M& w) { w.view().setZoomIndex(index); }),
                        [index](const M& w) { return w.view().state().zoomIndex() == index; });
        item.separatorBefore = i == 0;
        c.push_back(item);
    }
    const std::pair<ScrollDirection, const char*> scrolls[] = {
        {ScrollDirection::Left, "Nach lin&ks verschieben"},
        {ScrollDirection::Right, "Nach &rechts verschieben"},
        {ScrollDirection::Up, "Nach &oben verschieben"},
        {ScrollDirection::Down, "Nach &unten verschieben"},
    };
    for (int i = 0; i < 4; ++i) {
        const ScrollDirection direction = scrolls[i].first;
        MenuCommand item = menuRow(T::LearningView, 50 + i, scrolls[i].second, {},
                                   [direction](M& w) { w.view().scroll(direction); });
        item.separatorBefore = i == 0;
        c.push_back(item);
    }
    c.push_back(separated(menuRow(T::LearningView, 60, "Abdeckblatt &einblenden", {},
                                  [](M& w) { w.view().showCoverSheet(); })));
    c.push_back(menuRow(T::LearningView, 61, "Abdeckblatt ausblen&den", {},
                        [](M& w) { w.view().hideCoverSheet(); }));

    // "&Übung"
    append(c, exerciseMenuCommands());

    // "&Autorenfunktion"
    append(c, editorMenuCommands());
    // "&Neues Dokument anlegen": the free page, and each content type's
    // entries as its editor registered them (orders 1 to 49 for the types).
    const char* const newDocument = "&Neues Dokument anlegen";
    MenuCommand freePage = inSubmenu(newDocument,
                                     menuRow(T::Author, 10, "Freie Text-&Bild-/Bild-Text-Zuordnung",
                                             {}, [](M& w) { w.newFreeDocument(); }));
    freePage.suborder = 5;
    c.push_back(freePage);
    for (const NewDocumentCommand& entry : editorRegistry().newDocumentCommands()) {
        MenuCommand item = inSubmenu(newDocument, menuRow(T::Author, 10, "", {}, [entry](M& w) {
                                         w.newDocumentOfType(entry);
                                     }));
        item.caption = entry.caption;
        item.order = 10;
        item.suborder = entry.order;
        c.push_back(item);
    }
    c.push_back(menuRow(T::Author, 20, "&Dokument bearbeiten...", QKeySequence(Qt::Key_F2),
                        [](M& w) { w.editDocument(); }));
    append(c, questionMenuCommands());
    const char* const objectEditor = "Objekteditor: &Texte, Bilder, Infopunkte";
    c.push_back(separated(
        inSubmenu(objectEditor, menuRow(T::Author, 30, "&Bearbeiten...", QKeySequence(Qt::Key_F3),
                                        [](M& w) { w.openObjectEditor(); }))));
    c.push_back(inSubmenu(objectEditor, menuRow(T::Author, 31, "&Transformieren...", {},
                                                [](M& w) { w.objectEditor().transformAll(); })));
    c.push_back(inSubmenu(objectEditor, menuRow(T::Author, 32, "Alle &löschen", {},
                                                [](M& w) { w.objectEditor().deleteAll(); })));
    const char* const baseImage = "&Basisbild";
    c.push_back(
        separated(inSubmenu(baseImage, menuRow(T::Author, 40, "Aus &Datei einfügen...",
                                               QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_O),
                                               [](M& w) { w.baseImageFromFile(); }))));
    c.push_back(inSubmenu(baseImage, menuRow(T::Author, 41, "Aus &Zwischenablage einfügen",
                                             QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_V),
                                             [](M& w) { w.baseImageFromClipboard(); })));
    c.push_back(inSubmenu(baseImage, menuRow(T::Author, 42, "&Größe, Ausrichtung, Deckkraft...",
                                             QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_R),
                                             [](M& w) { w.editBaseImageGeometry(); })));
    c.push_back(inSubmenu(baseImage, menuRow(T::Author, 43, "In Zwischenablage &kopieren",
                                             QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_C),
                                             [](M& w) { w.baseImageToClipboard(); })));
    c.push_back(inSubmenu(baseImage, menuRow(T::Author, 44, "&Löschen",
                                             QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Delete),
                                             [](M& w) { w.deleteBaseImage(); })));
    c.push_back(separated(menuRow(T::Author, 50, "Dokument&eigenschaften...",
                                  QKeySequence(Qt::ALT | Qt::Key_Return),
                                  [](M& w) { w.showProperties(); })));
    c.push_back(menuRow(T::Author, 60, "&Seitenverhältnis...",
                        QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_T),
                        [](M& w) { w.editPageRatio(); }));
    c.push_back(separated(menuRow(T::Author, 80, "&Vorschaubilder generieren...", {},
                                  [](M& w) { w.library().generatePreviews(); })));
    c.push_back(menuRow(T::Author, 81, "Bilder &herunterskalieren...", {},
                        [](M& w) { w.library().downscalePictures(); }));

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
            "&Werkzeugleiste", menuRow(T::Options, 151 - side, side == 1 ? "&Links" : "&Rechts",
                                       {}, [side](M& w) { w.setToolbarSide(side); }));
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
