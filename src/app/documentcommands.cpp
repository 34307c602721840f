// The main window's commands on the one Document: open, save, close, new,
// the questions before it is replaced, and the BaseImage commands.

#include "app/documentpropertiesdialog.h"
#include "app/mainwindow.h"
#include "app/pagearea.h"
#include "app/topiclibrary.h"
#include "document/documentfile.h"
#include "document/documenttypes.h"
#include "document/picturefile.h"
#include "exercise/exerciserun.h"
#include "exercise/ui/exercisecontroller.h"
#include "library/worksheetlogo.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "view/pagegeometry.h"
#include "view/ui/baseimagedialog.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"
#include "view/ui/pageratiodialog.h"
#include "view/ui/picturesource.h"

#include <QFileInfo>

namespace velunto {

namespace {

const QString kDocumentFilter = QStringLiteral("Velunto-Dokument (*.vlt)");

QString askSaveText(const QString& fileName)
{
    if (fileName.isEmpty())
        return QStringLiteral("Aktuelles Dokument speichern?");
    return QStringLiteral("Änderungen im aktuellen Dokument unter \"") + fileName +
           QStringLiteral("\" speichern?");
}

} // namespace

QString MainWindow::documentFolder() const
{
    if (m_document.header.FileName.isEmpty())
        return {};
    return withTrailingSlash(QFileInfo(m_document.header.FileName).absolutePath());
}

bool MainWindow::askSave()
{
    if (!m_document.isModified())
        return true;
    const Prompter::Answer answer = m_context.prompter.message(
        Prompter::Kind::Confirmation, askSaveText(m_document.header.FileName),
        Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Answer::Cancel)
        return false;
    // A save that was cancelled or failed must not let the changes go.
    return answer == Prompter::Answer::No || saveDocument();
}

bool MainWindow::mayReplaceDocument()
{
    if (!askToCancelExercise())
        return false;
    // The run ends before its document goes.
    m_exercise->run().leave(false);
    return askSave();
}

bool MainWindow::loadDocument(const QString& path, bool takeFolder)
{
    // The file is read completely before the open document goes: a file
    // that cannot be read leaves the page in front of the class as it was,
    // drawings and uncovered fields included.
    LoadOptions options;
    options.objectEditorOpen = isObjectEditorOpen();
    options.keepOnFailure = true;
    const LoadResult result = velunto::loadDocument(m_document, path, options);
    showMessages(m_context.prompter, result.messages);
    if (!result.ok)
        return false;
    if (m_objectEditor)
        m_objectEditor->documentReplaced();
    m_view->setTool(Tool::Pointer);
    derivePageGeometry(m_document.header, usableBaseSize(m_document.baseImage));
    m_view->documentLoaded();
    if (takeFolder)
        m_currentTopicFolder = documentFolder();
    setStartPanelShown(false);
    updateTitle();
    return true;
}

void MainWindow::showStartPage()
{
    m_document.newDocument();
    if (m_objectEditor)
        m_objectEditor->documentReplaced();
    // A new document keeps the page-ratio presets; only a loaded one derives
    // its ratio from its margins.
    m_view->newDocumentShown();
    buildTopicMenu();
    setStartPanelShown(true);
    updateTitle();
}

void MainWindow::openDocument()
{
    if (!mayReplaceDocument())
        return;
    Prompter::FileRequest request;
    request.title = QStringLiteral("Dokument öffnen");
    request.directory =
        m_document.header.FileName.isEmpty() ? m_currentTopicFolder : documentFolder();
    request.filters = {kDocumentFilter, QStringLiteral("ZYN-Dokument (*.zyn)"),
                       QStringLiteral("Alle Dateien (*.*)")};
    request.defaultSuffix = QStringLiteral("vlt");
    const auto file = m_context.prompter.openFile(request);
    if (!file)
        return;
    loadDocument(*file, true);
    buildTopicMenu();
}

bool MainWindow::saveDocument()
{
    if (m_document.header.FileName.isEmpty())
        return saveDocumentAs();
    const SaveResult result = velunto::saveDocument(m_document, m_document.header.FileName);
    showMessages(m_context.prompter, result.messages);
    updateTitle();
    return result.ok;
}

bool MainWindow::saveDocumentAs()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Dokument speichern unter");
    request.directory =
        m_document.header.FileName.isEmpty() ? m_currentTopicFolder : m_document.header.FileName;
    request.filters = {kDocumentFilter};
    request.defaultSuffix = QStringLiteral("vlt");
    const auto file = m_context.prompter.saveFile(request);
    if (!file)
        return false;
    const SaveResult result = velunto::saveDocument(m_document, *file);
    showMessages(m_context.prompter, result.messages);
    updateTitle();
    return result.ok;
}

void MainWindow::saveBoardSnapshot()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Dokument speichern unter");
    request.directory =
        m_document.header.FileName.isEmpty() ? m_currentTopicFolder : documentFolder();
    request.filters = {kDocumentFilter};
    request.defaultSuffix = QStringLiteral("vlt");
    const auto file = m_context.prompter.saveFile(request);
    if (!file)
        return;

    // The covered fields are shown for the picture and covered again after.
    std::vector<int> covered;
    for (int i = 0; i < m_document.objectCount(); ++i) {
        if (m_document.objects[i].Abdeckung == -1) {
            covered.push_back(i);
            m_document.objects[i].Abdeckung = 0;
            m_view->redrawObject(i);
        }
    }
    // The snapshot is made on a copy, so that a failed save leaves the open
    // document as it was.
    Document snapshot = m_document;
    snapshot.header.Titel = QFileInfo(*file).completeBaseName();
    snapshot.baseImage = m_view->shownPicture().copy();
    snapshot.header.RandErw = RectD{};
    derivePageGeometry(snapshot.header, usableBaseSize(snapshot.baseImage));
    const SaveResult result = velunto::saveDocument(snapshot, *file);
    showMessages(m_context.prompter, result.messages);
    if (result.ok) {
        m_document = std::move(snapshot);
        m_document.notifyReplaced();
    }
    for (const int i : covered) {
        m_document.objects[i].Abdeckung = -1;
        m_view->redrawObject(i);
    }
    // The new page is shown whole, as a document just opened, with the
    // drawings now part of its BaseImage.
    if (result.ok)
        m_view->documentLoaded();
    buildTopicMenu();
    updateTitle();
}

bool MainWindow::closeDocument()
{
    if (!mayReplaceDocument())
        return false;
    showStartPage();
    return true;
}

void MainWindow::forgetEditorSelection()
{
    if (m_objectEditor)
        m_objectEditor->documentReplaced();
}

void MainWindow::newFreeDocument()
{
    if (!mayReplaceDocument())
        return;
    showStartPage();
    // The author starts working on the page at once.
    setStartPanelShown(false);
}

void MainWindow::newDocumentOfType(const NewDocumentCommand& command)
{
    if (!mayReplaceDocument())
        return;
    showStartPage();
    setStartPanelShown(false);
    {
        DocumentChangeBatch batch(m_document);
        m_document.header.DokTyp = command.dokTyp;
        m_document.header.DokUnterTyp = command.dokUnterTyp;
        m_document.header.EinrueckRand = defaultEinrueckRand(command.dokTyp);
        if (command.prepare)
            command.prepare(m_document);
        m_document.notifyHeaderChanged();
    }
    updateTitle();
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
    const auto file = choosePictureFile(
        m_context.prompter, QStringLiteral("Basisbild aus Datei einfügen"),
        m_document.header.FileName.isEmpty() ? m_currentTopicFolder : documentFolder());
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
