// The rows of the "&Autorenfunktion" menu: new documents, the editors, the
// object editor, the base image and the document's properties.

#include "app/mainwindow.h"
#include "app/menus.h"
#include "app/topiclibrary.h"
#include "content/ui/editorregistry.h"
#include "view/ui/objecteditorwindow.h"

namespace velunto {

std::vector<MenuCommand> authorMenuCommands()
{
    using M = MainWindow;
    using T = TopMenu;
    std::vector<MenuCommand> c;
    append(c, editorMenuCommands());
    // "&Neues Dokument anlegen": the free page, and each content type's
    // entries as its editor registered them (orders 1 to 49 for the types).
    const char* const newDocument = "&Neues Dokument anlegen";
    MenuCommand freePage =
        inSubmenu(newDocument, menuRow(T::Author, 10, "Freie Text-&Bild-/Bild-Text-Zuordnung", {},
                                       [](M& w) { w.newFreeDocument(); }));
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
    return c;
}

} // namespace velunto
