#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace velunto {

class Document;
class Prompter;

// What the editor of a content type gets from the window that opens it.
struct EditorHost
{
    Document& document;
    Prompter& prompter;
    QWidget* parent = nullptr;
    // The object editor of the main window: the editor of the free page, and
    // of the labels, pictures and points of every other type.
    std::function<void()> openObjectEditor;
    // The document font dialog ("Schriftart..." of the editors); empty when
    // the window offers none.
    std::function<void()> chooseDocumentFont = {};
};

// Opens the editor of a document type on the open Document. The editor works
// on a copy and applies it with OK; it returns true when the Document changed.
using EditorFactory = std::function<bool(EditorHost& host)>;

// An entry of "&Neues Dokument anlegen": the main window closes the open
// document, gives the new one the type, its sub-type and the type's default
// EinrueckRand, runs prepare for what else the type needs, and opens the
// type's editor.
struct NewDocumentCommand
{
    int order = 0; // position in the submenu
    QString caption;
    int dokTyp = 0;
    int dokUnterTyp = 0;
    std::function<void(Document&)> prepare; // may be empty
};

class EditorRegistry
{
  public:
    static constexpr int kEverySubType = -1;

    // An editor registered under the same keys is replaced.
    void add(int dokTyp, int dokUnterTyp, EditorFactory factory);
    void remove(int dokTyp, int dokUnterTyp);
    // The editor for the sub-type, else the one for every sub-type; empty
    // when the type has none.
    EditorFactory find(int dokTyp, int dokUnterTyp) const;

    // The entries of "&Neues Dokument anlegen", sorted by their order.
    void addNewDocumentCommand(NewDocumentCommand command);
    const std::vector<NewDocumentCommand>& newDocumentCommands() const { return m_newDocuments; }

  private:
    struct Entry
    {
        int dokTyp;
        int dokUnterTyp;
        EditorFactory factory;
    };
    std::vector<Entry> m_entries;
    std::vector<NewDocumentCommand> m_newDocuments;
};

// The program's editors, the built-in ones registered at the first use.
EditorRegistry& editorRegistry();

// Tells the Document's observers what an editor changed in place, and returns
// accepted. After OK the editor has replaced its type's objects and header
// fields; after any other way out only the margins or the document font can
// have changed (pageChanged), and the page is laid out again for them.
bool finishContentEditor(Document& document, bool accepted, bool pageChanged);

} // namespace velunto
