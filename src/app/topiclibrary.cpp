#include "app/topiclibrary.h"

#include "app/mainwindow.h"
#include "document/pictureexport.h"
#include "library/downscale.h"
#include "library/folderbatch.h"
#include "library/previews.h"
#include "library/ui/downscaledialog.h"
#include "library/ui/previewdialog.h"
#include "library/ui/statuswindow.h"
#include "library/ui/topiclistwindow.h"
#include "library/ui/topicmenu.h"
#include "library/worksheetlogo.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

namespace velunto {

namespace {

QString readFolderText(int count)
{
    return QString::number(count) + QStringLiteral(" Themendokument(e) eingelesen.\r\n") +
           QStringLiteral("Wählen Sie das gewünschte Dokument im Menü \"Themenauswahl\".");
}

const QString kCloseEditorFirst = QStringLiteral("Bitte zuerst den Beschriftungseditor schließen.");

} // namespace

TopicLibrary::TopicLibrary(MainWindow& window) : QObject(&window), m_window(window)
{
    if (QMenu* topics = window.menu(TopMenu::Topics)) {
        m_menu = new TopicMenu(topics, this);
        connect(m_menu, &TopicMenu::topicChosen, this, &TopicLibrary::openTopic);
        connect(m_menu, &TopicMenu::previousPageChosen, this, &TopicLibrary::previousPage);
        connect(m_menu, &TopicMenu::nextPageChosen, this, &TopicLibrary::nextPage);
    }
    if (QToolBar* toolbar = window.toolbar()) {
        QAction* first = toolbar->actions().value(0);
        auto* previous = new QAction(QStringLiteral("◀"), toolbar);
        previous->setToolTip(QStringLiteral("vorheriges Dokument öffnen"));
        auto* next = new QAction(QStringLiteral("▶"), toolbar);
        next->setToolTip(QStringLiteral("nächstes Dokument öffnen"));
        toolbar->insertAction(first, previous);
        toolbar->insertAction(first, next);
        toolbar->insertSeparator(first);
        connect(previous, &QAction::triggered, this, &TopicLibrary::previousTopic);
        connect(next, &QAction::triggered, this, &TopicLibrary::nextTopic);
    }
    showPage();
}

const TopicNavigation& TopicLibrary::navigation() const
{
    return m_window.documents().navigation();
}

int TopicLibrary::currentEntry() const
{
    return navigation().currentEntry();
}

QString TopicLibrary::listedFolder() const
{
    return m_window.documents().listedFolder();
}

void TopicLibrary::rebuild()
{
    m_window.documents().rebuildTopicList();
}

void TopicLibrary::forgetCurrentEntry()
{
    m_window.documents().navigation().setCurrentEntry(-1);
    showPage();
}

void TopicLibrary::showPage()
{
    if (m_menu != nullptr)
        m_menu->show(navigation());
}

void TopicLibrary::reopenMenu()
{
    // Paging closes the menu; it opens again at once to show the new page.
    QTimer::singleShot(0, this, [this] {
        if (QMenu* topics = m_window.menu(TopMenu::Topics))
            m_window.menuBar()->setActiveAction(topics->menuAction());
    });
}

// --- navigation -------------------------------------------------------------------

void TopicLibrary::openTopic(int index)
{
    m_window.documents().openTopic(index);
}

void TopicLibrary::nextTopic()
{
    m_window.documents().nextTopic();
}

void TopicLibrary::previousTopic()
{
    m_window.documents().previousTopic();
}

void TopicLibrary::nextPage()
{
    m_window.documents().navigation().nextPage();
    showPage();
    reopenMenu();
}

void TopicLibrary::previousPage()
{
    m_window.documents().navigation().previousPage();
    showPage();
    reopenMenu();
}

void TopicLibrary::startPage()
{
    m_window.documents().startPage();
}

void TopicLibrary::previousDocument()
{
    m_window.documents().previousDocument();
}

void TopicLibrary::rereadFolder()
{
    rebuild();
    m_window.prompter().information(readFolderText(navigation().count()));
}

void TopicLibrary::chooseFolder()
{
    const auto folder = m_window.prompter().chooseFolder(QStringLiteral("Aktuellen Ordner wählen"),
                                                         m_window.currentTopicFolder());
    if (!folder || folder->isEmpty())
        return;
    // The open document is replaced by the start page: changes are asked for.
    if (!m_window.mayReplaceDocument())
        return;
    m_window.setCurrentTopicFolder(withTrailingSlash(*folder));
    m_window.settings().chosenTopicFolder = withTrailingSlash(*folder);
    m_window.showStartPage();
    m_window.prompter().information(readFolderText(navigation().count()));
}

void TopicLibrary::showTopicList()
{
    TopicListWindow window(topicListText(navigation().entries()), listedFolder(),
                           m_window.prompter(), &m_window, &m_window.printing());
    runDialog(window);
}

// --- previews ---------------------------------------------------------------------

bool TopicLibrary::objectEditorOpen() const
{
    return m_window.isObjectEditorOpen();
}

void TopicLibrary::generatePreviews()
{
    if (objectEditorOpen()) {
        m_window.prompter().information(kCloseEditorFirst);
        return;
    }
    PreviewDialog dialog(&m_window);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    generatePreviews(dialog.previewHeight(), dialog.wholeFolder());
}

void TopicLibrary::generatePreviews(int height, bool wholeFolder)
{
    Prompter& prompter = m_window.prompter();
    Document& document = m_window.document();
    if (!wholeFolder && document.header.FileName.isEmpty()) {
        prompter.information(QStringLiteral("Das Vorschaubild wird nach der Datei des Dokuments "
                                            "benannt. Bitte speichern Sie das Dokument zuerst."));
        return;
    }
    const QString folder = previewFolder(listedFolder());
    if (const auto error = ensurePreviewFolder(folder)) {
        prompter.error(*error);
        return;
    }

    if (!wholeFolder) {
        // A protected document shows its pictures only after the password.
        if (!confirmPictureExport(document, prompter))
            return;
        const QString target =
            QDir(folder).filePath(previewFileName(document.header.FileName, height));
        showMessages(prompter, writePreview(m_window.view().composer().page(), height, target));
        return;
    }

    if (!m_window.askSave())
        return;
    PreviewSettings settings;
    settings.height = height;
    settings.fontName = document.fontName();
    const QSize viewport = m_window.view().state().viewport();
    if (!viewport.isEmpty())
        settings.viewport = viewport;
    FolderBatch batch(documentFiles(listedFolder()), previewTask(folder, settings));
    runWithStatus(batch, QStringLiteral("Vorschaubilder werden generiert."), &m_window);
    const std::vector<BatchOutcome> outcomes = batch.outcomes();
    showMessages(prompter, failureMessages(outcomes));
    if (const QString skipped = skippedPreviewsText(outcomes); !skipped.isEmpty())
        prompter.information(skipped);
    rebuild();
}

// --- downscaling --------------------------------------------------------------------

void TopicLibrary::downscalePictures()
{
    DownscaleDialog dialog(&m_window);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    if (dialog.wholeFolder())
        downscaleFolder();
    else
        downscaleCurrentDocument();
}

void TopicLibrary::downscaleCurrentDocument()
{
    if (objectEditorOpen())
        m_window.objectEditor().selectObject(-1);
    const int scaled = velunto::downscalePictures(m_window.document());
    if (scaled > 0) {
        m_window.view().applyPageGeometry(false);
        // The smaller pictures exist only here until the author saves.
        m_window.document().setModified();
        m_window.documentChanged();
    }
    m_window.prompter().information(downscaleReport(scaled));
}

void TopicLibrary::downscaleFolder()
{
    Prompter& prompter = m_window.prompter();
    if (objectEditorOpen()) {
        prompter.information(kCloseEditorFirst);
        return;
    }
    if (!m_window.askSave())
        return;
    const QString folder = listedFolder();
    if (!prompter.confirm(downscaleFolderQuestion(folder)))
        return;
    const QString remembered = m_window.document().header.FileName;
    FolderBatch batch(documentFiles(folder), downscaleTask(m_window.document().fontName()));
    runWithStatus(batch, QStringLiteral("Bilder werden herunterskaliert."), &m_window);
    showMessages(prompter, failureMessages(batch.outcomes()));
    if (!remembered.isEmpty())
        m_window.loadDocument(remembered, true);
    rebuild();
}

// --- logo and footer ----------------------------------------------------------------

void TopicLibrary::applyLogoToFolder(const WorksheetLogo& logo)
{
    Prompter& prompter = m_window.prompter();
    const QString folder = m_window.currentTopicFolder();
    if (!prompter.confirm(worksheetLogoQuestion(folder)))
        return;
    // The open document is read again at the end: its changes are saved
    // first, and without that save nothing goes on.
    if (m_window.document().isModified() && !m_window.saveDocument())
        return;
    const QString remembered = m_window.document().header.FileName;
    FolderBatch batch(documentFiles(folder),
                      worksheetLogoTask(logo, m_window.document().fontName()));
    runWithStatus(batch, QStringLiteral("Daten werden übernommen."), &m_window);
    showMessages(prompter, failureMessages(batch.outcomes()));
    if (!remembered.isEmpty())
        m_window.loadDocument(remembered, false);
    rebuild();
}

} // namespace velunto
