// The main window's commands on the one Document. Opening, saving, closing
// and new documents are the document use cases' (shell/documentusecases.h);
// the window shows what they did. The editors, the properties and the
// BaseImage commands open windows of their own and stay here.

#include "app/documentpropertiesdialog.h"
#include "app/mainwindow.h"
#include "app/pagearea.h"
#include "app/topiclibrary.h"
#include "document/picturefile.h"
#include "exercise/exerciserun.h"
#include "exercise/ui/exercisecontroller.h"
#include "library/worksheetlogo.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "view/ui/baseimagedialog.h"
#include "view/ui/learningview.h"
#include "view/ui/pageratiodialog.h"
#include "view/ui/picturesource.h"

namespace velunto {

void MainWindow::connectDocuments()
{
    DocumentWindow window;
    window.mayEndRun = [this] {
        if (!askToCancelExercise())
            return false;
        m_exercise->run().leave(false);
        return true;
    };
    window.shownPicture = [this] { return m_view->shownPicture(); };
    window.showLoaded = [this] {
        m_view->documentLoaded();
        setStartPanelShown(false);
        updateTitle();
    };
    window.showNew = [this](bool startPanel) {
        // A new document keeps the page-ratio presets; only a loaded one
        // derives its ratio from its margins.
        m_view->newDocumentShown();
        setStartPanelShown(startPanel);
        updateTitle();
    };
    window.showTopicList = [this] {
        m_library->showPage();
        updateTitle();
    };
    window.showTitle = [this] { updateTitle(); };
    m_documents.setWindow(std::move(window));
}

QString MainWindow::documentFolder() const
{
    return m_documents.documentFolder();
}

bool MainWindow::askSave()
{
    return m_documents.askSave();
}

bool MainWindow::mayReplaceDocument()
{
    return m_documents.mayReplace();
}

bool MainWindow::loadDocument(const QString& path, bool takeFolder)
{
    return m_documents.load(path, takeFolder);
}

void MainWindow::showStartPage()
{
    m_documents.showStartPage();
}

void MainWindow::openDocument()
{
    m_documents.open();
}

bool MainWindow::saveDocument()
{
    return m_documents.save();
}

bool MainWindow::saveDocumentAs()
{
    return m_documents.saveAs();
}

void MainWindow::saveBoardSnapshot()
{
    m_documents.saveBoardSnapshot();
}

bool MainWindow::closeDocument()
{
    return m_documents.close();
}

void MainWindow::newFreeDocument()
{
    m_documents.newFreeDocument();
}

void MainWindow::newDocumentOfType(const NewDocumentCommand& command)
{
    if (m_documents.newDocumentOfType(command.dokTyp, command.dokUnterTyp, command.prepare))
        editDocument();
}

void MainWindow::editDocument()
{
    const EditorFactory editor =
        editorRegistry().find(m_document.header.DokTyp, m_document.header.DokUnterTyp);
    if (!editor || m_document.header.DokTyp == DokTyp::Free) {
        openObjectEditor();
        return;
    }
    runEditor(editor);
}

void MainWindow::runEditor(const EditorFactory& editor)
{
    if (mode() != AppMode::LearningView) {
        m_context.prompter.information(
            QStringLiteral("Dokumente können nur in der Lernansicht bearbeitet werden."));
        return;
    }
    setStartPanelShown(false);
    EditorHost host{m_document, m_context.prompter, this, [this] { openObjectEditor(); },
                    [this] { chooseDocumentFont(); }};
    if (editor(host)) {
        // The editor made the query fields afresh: they are numbered anew.
        m_view->number(m_view->numberingMode());
        updateTitle();
    }
}

void MainWindow::showProperties()
{
    DocumentPropertiesDialog dialog(m_document, m_context.prompter, this);
    connect(&dialog, &DocumentPropertiesDialog::pageRatioRequested, this,
            &MainWindow::editPageRatio);
    connect(&dialog, &DocumentPropertiesDialog::logoForFolderRequested, this, [this, &dialog] {
        const DocumentProperties p = dialog.properties();
        m_library->applyLogoToFolder(
            {p.ABLogo, p.logoPercent / 100.0, p.LogoAusricht, p.Fusszeile, p.FusszeileAusricht});
    });
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const PropertiesChange change = applyProperties(m_document, dialog.properties());
    if (change.numberingOrderChanged && m_view->numberingMode() == NumberingMode::Ordered)
        m_view->number(NumberingMode::Ordered);
    else if (change.numberStyleChanged)
        m_view->redraw();
    updateTitle();
}

// --- BaseImage ------------------------------------------------------------------------

void MainWindow::afterBaseImageChanged()
{
    m_view->applyPageGeometry(false);
    documentChanged();
}

void MainWindow::baseImageFromFile()
{
    const auto file =
        choosePictureFile(m_context.prompter, QStringLiteral("Basisbild aus Datei einfügen"),
                          m_documents.listedFolder());
    if (!file)
        return;
    const PictureFileResult result = insertBaseImageFromFile(m_document, *file);
    if (!result.ok()) {
        m_context.prompter.error(result.error);
        return;
    }
    afterBaseImageChanged();
}

void MainWindow::baseImageFromClipboard()
{
    auto picture = pictureFromClipboard(m_context.prompter);
    if (!picture)
        return;
    m_document.setBaseImage(std::move(*picture));
    m_document.setModified();
    afterBaseImageChanged();
}

void MainWindow::baseImageToClipboard()
{
    copyPictureToClipboard(m_document.baseImage, m_document, m_context.prompter);
}

void MainWindow::deleteBaseImage()
{
    if (!m_context.prompter.confirm(QStringLiteral("Basisbild wirklich löschen?")))
        return;
    m_document.setBaseImage(Document::blankPicture(m_document.header.HtgdCol));
    m_document.setModified();
    afterBaseImageChanged();
}

void MainWindow::editBaseImageGeometry()
{
    if (velunto::editBaseImage(m_document, *m_view, m_context.prompter, this))
        documentChanged();
}

void MainWindow::editPageRatio()
{
    if (velunto::editPageRatio(m_document, *m_view, m_settings.newSheetFullPage, this)) {
        m_settings.pageRatio = m_document.pageRatioPresets();
        documentChanged();
    }
}

} // namespace velunto
