#pragma once


#include <QObject>
#include <QString>

namespace velunto {

class MainWindow;
class TopicNavigation;
class TopicMenu;
struct WorksheetLogo;

// The topic library of the main window: the menu "&Themenauswahl" over the
// topic list of the document use cases, stepping through the documents, the start page,
// choosing a folder, the topic list window and the folder batches (previews,
// picture downscaling, logo and footer).
class TopicLibrary : public QObject
{
    Q_OBJECT
  public:
    explicit TopicLibrary(MainWindow& window);

    const TopicNavigation& navigation() const;
    int currentEntry() const;
    // The folder of the open document's file, or the current topic folder
    // when the document has no file.
    QString listedFolder() const;

    // Reads the listed folder again and shows the page with the open
    // document.
    void rebuild();
    // The open document was replaced by one that no file holds (a new board
    // sheet): no entry is current or checked any more.
    void forgetCurrentEntry();
    // Shows the menu page of the list as it is now.
    void showPage();

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
    bool objectEditorOpen() const;
    void reopenMenu();

    MainWindow& m_window;
    TopicMenu* m_menu = nullptr;
};

} // namespace velunto
