#pragma once

#include "app/menus.h"
#include "content/ui/editorregistry.h"
#include "document/document.h"
#include "shell/appmode.h"
#include "shell/documentusecases.h"
#include "shell/programfolders.h"
#include "shell/settings.h"
#include "view/session.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QImage;
class QKeyEvent;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace velunto {

class ExerciseController;
class ExerciseResults;
class Blackboard;
class LearningView;
class Launcher;
class Clock;
class Pauses;
class SoundPlayer;
class MailSender;
class Printing;
class ObjectEditorWindow;
class PageArea;
class Prompter;
class TopicLibrary;
class UserStore;

// What the main window works with: the services of the platform, the
// program's folders and the command-line parameter.
struct ShellContext
{
    Prompter& prompter;
    Launcher& launcher;
    UserStore& store;
    ProgramFolders folders;
    QString commandLine; // the first parameter, empty when none was given
    // The exercises' clock, pauses and sounds; the real ones when null (a
    // test passes its own, so that a run neither waits nor sounds).
    Clock* clock = nullptr;
    Pauses* pauses = nullptr;
    SoundPlayer* sound = nullptr;
    // The printer and the mail program; the system's when null (a test
    // prints into a PDF file and records the mail).
    Printing* printing = nullptr;
    MailSender* mail = nullptr;
};

// The program's frame: it owns the one Document and the settings, hosts the
// learning view, the toolbar and the menus, and runs the start-up that
// follows the first activation and the close sequence.
class MainWindow : public QMainWindow
{
    Q_OBJECT
  public:
    explicit MainWindow(ShellContext context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings and "config.ini", opens what the command line names
    // and builds the topic menu. Runs once, at the first activation.
    void firstActivation();
    bool isActivated() const { return m_activated; }

    Document& document() { return m_document; }
    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    const ProgramFolders& folders() const { return m_context.folders; }
    Prompter& prompter() { return m_context.prompter; }

    // The use cases of the Document; the commands below call them.
    DocumentUseCases& documents() { return m_documents; }
    QString topicRoot() const { return m_documents.topicRoot(); }
    QString currentTopicFolder() const { return m_documents.currentTopicFolder(); }
    void setCurrentTopicFolder(const QString& folder) { m_documents.setCurrentTopicFolder(folder); }
    QString startFile() const { return m_documents.startFile(); }

    AppMode mode() const { return m_session.mode(); }
    void setMode(AppMode mode);
    // What every view of the Document follows.
    Session& session() { return m_session; }
    const Session& session() const { return m_session; }

    // --- commands of the menus ------------------------------------------------
    void fullScreen();
    void windowed();
    void minimise();
    void placeAtStandardSize(); // Shift+Alt+G
    void setToolbarSide(int side);
    void setShowStatusPanel(bool on);
    void chooseDocumentFont();
    void editLinkFields();
    void linkFieldClicked(int row, bool rightButton);
    void showHelp();
    void showAbout();

    // --- the document (documentcommands.cpp) -------------------------------------
    // "Ö&ffnen...", "&Speichern", "Speichern &unter...", "Sch&ließen".
    void openDocument();
    bool saveDocument();
    bool saveDocumentAs();
    // False when the user kept the Document.
    bool closeDocument();
    // "&Tafelanschrieb als VLT speichern...": the page as shown now, drawings
    // and covered fields included, becomes the BaseImage of a new document.
    void saveBoardSnapshot();
    // "Freie Text-&Bild-/Bild-Text-Zuordnung": a new document of type 0.
    void newFreeDocument();
    // An entry of "&Neues Dokument anlegen" for a content type: the new
    // document of that type in its editor.
    void newDocumentOfType(const NewDocumentCommand& command);
    // "&Dokument bearbeiten..." (F2): the editor of the document's type; the
    // object editor for the free page and for types without their own.
    void editDocument();
    // A content editor on the open Document, with the window's services;
    // the query fields it made are numbered anew.
    void runEditor(const EditorFactory& editor);
    // Loads path into the Document with the window's part of loading; with
    // takeFolder the file's folder becomes the current topic folder. False
    // when the file could not be loaded (the messages were shown); the open
    // document then stays as it was.
    bool loadDocument(const QString& path, bool takeFolder);
    // The ask-save question before the Document is replaced; false on Cancel
    // or when the wanted save did not happen.
    bool askSave();
    // The questions before anything replaces the Document: ending a running
    // exercise, then saving.
    bool mayReplaceDocument();
    // The start page: a new empty document under the start panel.
    void showStartPage();
    void showProperties();
    void baseImageFromFile();
    void baseImageFromClipboard();
    void baseImageToClipboard();
    void deleteBaseImage();
    void editBaseImageGeometry();
    void editPageRatio();

    // --- the object editor (objecteditorcommands.cpp) -------------------------------
    // The tool window, made at its first use and kept for the whole run.
    ObjectEditorWindow& objectEditor();
    // "Objekteditor: &Texte, Bilder, Infopunkte" / "&Bearbeiten..." (F3).
    void openObjectEditor();
    bool isObjectEditorOpen() const;

    // --- exercises (exercisecommands.cpp) -----------------------------------------
    ExerciseController& exercise() { return *m_exercise; }
    // "Individual-&Übung" (F7), "Übung &abbrechen", "Übungsrückmeldung...".
    void startExercise();
    void cancelExercise();
    void editExerciseFeedback();

    // --- around a run (resultscommands.cpp) ----------------------------------------
    // The protocol, the best lists, the grading scale and the folders.
    ExerciseResults& results();
    // "Übungs&einstellungen..." (Alt+F7).
    void editExerciseOptions();

    // --- printing (printcommands.cpp) -----------------------------------------------
    Printing& printing();
    // The view as shown now, drawings included.
    QImage viewPicture() const;
    // "&Drucken...", "D&ruckereinrichtung...", "&Exportieren...", "In
    // &Zwischenablage kopieren" and the toolbar buttons for the view.
    void printView();
    void setUpPrinter();
    void exportView();
    void copyView();

    // --- for other parts of the program ------------------------------------------
    // Screenshots kept beside the chronicle's own; the close sequence asks
    // about both.
    void addChronicleScreenshot(const QString& file) { m_chronicleScreenshots << file; }
    QStringList chronicleScreenshots() const;
    // The drawing tools, board sheets, chronicle and note box.
    Blackboard& board() { return *m_board; }
    void hideStartPanel() { setStartPanelShown(false); }
    // Panels beside the page whose visibility follows the mode.
    enum class StatusPanel { Exercise, Series, Puzzle };
    void setStatusPanel(StatusPanel which, QWidget* panel);
    void setSeriesRunning(bool running);

    QMenu* menu(TopMenu which) const;
    // The topic menu, stepping through the folder and the folder batches.
    TopicLibrary& library() { return *m_library; }
    LearningView& view() { return *m_view; }
    const LearningView& view() const { return *m_view; }
    QWidget* page() const;
    QLabel* titleLine() const;
    QLabel* startPanel() const;
    QToolBar* toolbar() const { return m_toolbar; }
    QToolButton* linkButton(int row) const { return m_linkButtons[row]; }

    // Window title and title line of the open document.
    void updateTitle();
    // The title and the start panel after the document changed.
    void documentChanged();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildToolbar();
    void refreshMenuStates();
    void refreshLinkButtons();
    void updatePanels();
    void startFromCommandLine();
    void connectView();
    void connectDocuments();
    void setStartPanelShown(bool shown);
    void afterBaseImageChanged();
    QString documentFolder() const;
    bool writeSettings();
    bool askToCancelExercise();
    void setUpExercise();
    void addPrintButtons();
    // Hands the end of every run to the results: its protocol, its
    // best-list entry and the result window's buttons for them.
    void attachResults();
    // While the object editor is the active window, the main window's
    // commands with the editor's shortcuts wait.
    void leaveShortcutsToEditor(bool editorActive);
    // While the object editor is the active window, an Alt letter that both
    // menu bars know opens the editor's menu.
    bool leaveMnemonicToEditor(QEvent* event);

    ShellContext m_context;
    Settings m_settings;
    Document m_document;
    Session m_session;
    DocumentUseCases m_documents{m_document, m_session, m_context.prompter};

    QStringList m_chronicleScreenshots;
    bool m_titleShown = true; // the title switch of the title line
    bool m_seriesRunning = false;

    bool m_activated = false;
    bool m_closed = false;

    PageArea* m_pageArea = nullptr;
    LearningView* m_view = nullptr;
    Blackboard* m_board = nullptr;
    TopicLibrary* m_library = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::array<QToolButton*, 4> m_linkButtons{};
    std::map<TopMenu, QMenu*> m_menus;
    std::vector<std::pair<QAction*, MenuCommand>> m_actions;
    std::vector<std::pair<QAction*, std::function<bool()>>> m_toolbarChecks;
    std::map<StatusPanel, QWidget*> m_statusPanels;
    ObjectEditorWindow* m_objectEditor = nullptr;
    ExerciseController* m_exercise = nullptr;
    QAction* m_startButton = nullptr;
    QAction* m_leaveButton = nullptr;
    std::shared_ptr<Printing> m_ownPrinting;
    std::shared_ptr<MailSender> m_ownMail;
    ExerciseResults* m_results = nullptr;
    std::vector<std::pair<QAction*, QKeySequence>> m_waitingShortcuts;
};

} // namespace velunto
