#pragma once

#include "library/topicnavigation.h"

#include <QObject>
#include <QString>

namespace velunto {

class MainWindow;
class TopicMenu;
struct WorksheetLogo;

// The topic library of the main window: the list of the listed folder with
// the menu "&Themenauswahl", stepping through the documents, the start page,
// choosing a folder, the topic list window and the folder batches (previews,
// picture downscaling, logo and footer).
class TopicLibrary : public QObject
{
    Q_OBJECT
  public:
    explicit TopicLibrary(MainWindow& window);

    const TopicNavigation& navigation() const { return m_navigation; }
    int currentEntry() const { return m_navigation.currentEntry(); }
    // The folder of the open document's file, or the current topic folder
    // when the document has no file.
    QString listedFolder() const;

    // BuildTopicMenu: reads the listed folder again and shows the page with
    // the open document.
    void rebuild();
    // The open document was replaced by one that no file holds (a new board
    // sheet): no entry is current or checked any more.
    void forgetCurrentEntry();

    // --- commands ----------------------------------------------------------------
    void openTopic(int index);
    void nextTopic();
    void previousTopic();
    void nextPage();
    void previousPage();
    void startPage();
    void previousDocument();
    void rereadFolder();
    void chooseFolder();
    void showTopicList();

    // "&Vorschaubilder generieren...": the dialog, then the previews.
    void generatePreviews();
    void generatePreviews(int height, bool wholeFolder);
    // "Bilder &herunterskalieren...": the dialog, then one of the two.
    void downscalePictures();
    void downscaleCurrentDocument();
    void downscaleFolder();
    // "Für alle Dokumente des aktuellen Ordners übernehmen".
    void applyLogoToFolder(const WorksheetLogo& logo);

  private:
    void showPage();
    bool objectEditorOpen() const;
    void reopenMenu();

    MainWindow& m_window;
    TopicNavigation m_navigation;
    TopicMenu* m_menu = nullptr;
};

} // namespace velunto
