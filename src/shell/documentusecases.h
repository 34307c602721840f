#pragma once

#include "library/topicnavigation.h"

#include <QImage>
#include <QString>

#include <functional>

namespace velunto {

class Document;
class Prompter;
class Session;

// What the document use cases leave to the window that shows the Document.
// The defaults do nothing, so that the use cases run without a window too.
struct DocumentWindow
{
    // Asks whether a running exercise or puzzle may be cancelled and ends it
    // when so; true when nothing runs. False keeps the run and the Document.
    std::function<bool()> mayEndRun = [] { return true; };
    // The page as the window shows it now, drawings included.
    std::function<QImage()> shownPicture = [] { return QImage(); };
    // A document read from a file is shown whole and without the start panel.
    std::function<void()> showLoaded = [] {};
    // A new, empty document is shown, under the start panel or (for an
    // author who starts working at once) without it.
    std::function<void(bool startPanel)> showNew = [](bool) {};
    // The topic list was read again or its current entry moved.
    std::function<void()> showTopicList = [] {};
    // The document's file name or title changed.
    std::function<void()> showTitle = [] {};
};

// The use cases of the one Document: opening, saving and closing it, the
// question before it is replaced, a new document, the board snapshot and
// stepping through the documents of the topic folder. Every question goes
// through the prompter; what only a window can do goes through
// DocumentWindow.
//
// Nothing is lost on the way: a file that cannot be read leaves the open
// document as it was, and a save that was cancelled or failed keeps the
// changes and stops whatever wanted to replace the document.
class DocumentUseCases
{
  public:
    DocumentUseCases(Document& document, Session& session, Prompter& prompter);
    DocumentUseCases(const DocumentUseCases&) = delete;
    DocumentUseCases& operator=(const DocumentUseCases&) = delete;

    void setWindow(DocumentWindow window) { m_window = std::move(window); }

    // --- folders ---------------------------------------------------------------
    // The folder the start page returns to.
    QString topicRoot() const { return m_topicRoot; }
    void setTopicRoot(const QString& folder) { m_topicRoot = folder; }
    // The folder the file dialogs start in while the document has no file.
    QString currentTopicFolder() const { return m_currentTopicFolder; }
    void setCurrentTopicFolder(const QString& folder) { m_currentTopicFolder = folder; }
    // The document the command line opened; the start page opens it again.
    QString startFile() const { return m_startFile; }
    void setStartFile(const QString& file) { m_startFile = file; }
    // The folder of the document's file, ending with "/"; empty without one.
    QString documentFolder() const;
    // The folder whose documents the topic list holds: the document's, or
    // the current topic folder when the document has no file.
    QString listedFolder() const;

    // --- replacing the document ------------------------------------------------------
    // The ask-save question; false on Cancel or when the wanted save did not
    // happen.
    bool askSave();
    // The questions before anything replaces the Document: ending a running
    // exercise, then saving.
    bool mayReplace();
    // Reads path into the Document. With takeFolder the file's folder becomes
    // the current topic folder. False when the file could not be read (the
    // messages were shown); the open document then stays as it was.
    bool load(const QString& path, bool takeFolder);
    // "Ö&ffnen...": the questions, the file dialog, then the file.
    void open();
    // A link to a document on the page: the questions, then the file.
    void openFile(const QString& path);
    // A link to a topic folder: the questions, then the folder's start page.
    void openTopicFolder(const QString& folder);
    // "Sch&ließen": the questions, then the start page. False when the
    // Document was kept.
    bool close();
    // A new empty document under the start panel.
    void showStartPage();
    // A new document of type 0 after the questions; false when they kept the
    // open one.
    bool newFreeDocument();
    // A new document of a content type after the questions: its type and
    // sub-type, the type's margin and prepare's defaults (may be empty).
    bool newDocumentOfType(int dokTyp, int dokUnterTyp,
                           const std::function<void(Document&)>& prepare);

    // --- saving ------------------------------------------------------------------
    // "&Speichern": to the document's file; without one as "Speichern &unter...".
    bool save();
    bool saveAs();
    // "&Tafelanschrieb als VLT speichern...": the page as shown now, drawings
    // and covered fields included, becomes the BaseImage of a new document.
    void saveBoardSnapshot();

    // --- the topic folder --------------------------------------------------------
    // The topic list of the listed folder; the topic menu pages through it.
    const TopicNavigation& navigation() const { return m_navigation; }
    TopicNavigation& navigation() { return m_navigation; }
    // Reads the listed folder again; the open document's entry is current.
    void rebuildTopicList();
    // Opens entry index of the topic list after the questions.
    void openTopic(int index);
    // "&Nächstes Dokument der Liste", "&Vorheriges Dokument der Liste".
    void nextTopic();
    void previousTopic();
    // "&Zuvor angezeigtes Dokument".
    void previousDocument();
    // "&Startseite": the start file when there is one, else the start page of
    // the topic root.
    void startPage();

  private:
    bool saveTo(const QString& path);
    void stepTopic(int target);

    Document& m_document;
    Session& m_session;
    Prompter& m_prompter;
    DocumentWindow m_window;
    TopicNavigation m_navigation;
    QString m_topicRoot;
    QString m_currentTopicFolder;
    QString m_startFile;
};

} // namespace velunto
