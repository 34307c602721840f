#include "shell/documentusecases.h"

#include "document/document.h"
#include "document/documentfile.h"
#include "document/documenttypes.h"
#include "library/topiclist.h"
#include "platform/prompter.h"
#include "platform/usermessage.h"
#include "shell/programfolders.h"
#include "view/pagegeometry.h"
#include "view/session.h"

#include <QFileInfo>

#include <vector>

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

Prompter::FileRequest saveRequest(const QString& directory)
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Dokument speichern unter");
    request.directory = directory;
    request.filters = {kDocumentFilter};
    request.defaultSuffix = QStringLiteral("vlt");
    return request;
}

} // namespace

DocumentUseCases::DocumentUseCases(Document& document, Session& session, Prompter& prompter)
    : m_document(document), m_session(session), m_prompter(prompter)
{
}

QString DocumentUseCases::documentFolder() const
{
    if (m_document.header.FileName.isEmpty())
        return {};
    return withTrailingSlash(QFileInfo(m_document.header.FileName).absolutePath());
}

QString DocumentUseCases::listedFolder() const
{
    return m_document.header.FileName.isEmpty() ? m_currentTopicFolder : documentFolder();
}

// --- replacing the document ------------------------------------------------------------

bool DocumentUseCases::askSave()
{
    if (!m_document.isModified())
        return true;
    const Prompter::Answer answer =
        m_prompter.message(Prompter::Kind::Confirmation, askSaveText(m_document.header.FileName),
                           Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Answer::Cancel)
        return false;
    // A save that was cancelled or failed must not let the changes go.
    return answer == Prompter::Answer::No || save();
}

bool DocumentUseCases::mayReplace()
{
    // The run ends before its document goes.
    return m_window.mayEndRun() && askSave();
}

bool DocumentUseCases::load(const QString& path, bool takeFolder)
{
    // The file is read completely before the open document goes: a file
    // that cannot be read leaves the page in front of the class as it was,
    // drawings and uncovered fields included.
    LoadOptions options;
    options.objectEditorOpen = m_session.editorOpen();
    options.keepOnFailure = true;
    const LoadResult result = loadDocument(m_document, path, options);
    showMessages(m_prompter, result.messages);
    if (!result.ok)
        return false;
    m_session.setTool(Tool::Pointer);
    derivePageGeometry(m_document.header, usableBaseSize(m_document.baseImage));
    if (takeFolder)
        m_currentTopicFolder = documentFolder();
    m_window.showLoaded();
    return true;
}

void DocumentUseCases::open()
{
    if (!mayReplace())
        return;
    Prompter::FileRequest request;
    request.title = QStringLiteral("Dokument öffnen");
    request.directory = listedFolder();
    request.filters = {kDocumentFilter, QStringLiteral("ZYN-Dokument (*.zyn)"),
                       QStringLiteral("Alle Dateien (*.*)")};
    request.defaultSuffix = QStringLiteral("vlt");
    const auto file = m_prompter.openFile(request);
    if (!file)
        return;
    load(*file, true);
    rebuildTopicList();
}

void DocumentUseCases::openFile(const QString& path)
{
    if (!mayReplace())
        return;
    load(path, true);
    rebuildTopicList();
}

void DocumentUseCases::openTopicFolder(const QString& folder)
{
    if (!mayReplace())
        return;
    m_currentTopicFolder = withTrailingSlash(folder);
    showStartPage();
}

bool DocumentUseCases::close()
{
    if (!mayReplace())
        return false;
    showStartPage();
    return true;
}

void DocumentUseCases::showStartPage()
{
    m_document.newDocument();
    rebuildTopicList();
    m_window.showNew(true);
}

bool DocumentUseCases::newFreeDocument()
{
    if (!mayReplace())
        return false;
    m_document.newDocument();
    rebuildTopicList();
    // The author starts working on the page at once.
    m_window.showNew(false);
    return true;
}

bool DocumentUseCases::newDocumentOfType(int dokTyp, int dokUnterTyp,
                                         const std::function<void(Document&)>& prepare)
{
    if (!newFreeDocument())
        return false;
    {
        DocumentChangeBatch batch(m_document);
        m_document.header.DokTyp = dokTyp;
        m_document.header.DokUnterTyp = dokUnterTyp;
        m_document.header.EinrueckRand = defaultEinrueckRand(dokTyp);
        if (prepare)
            prepare(m_document);
        m_document.notifyHeaderChanged();
    }
    m_window.showTitle();
    return true;
}

// --- saving ------------------------------------------------------------------------------

bool DocumentUseCases::saveTo(const QString& path)
{
    const SaveResult result = saveDocument(m_document, path);
    showMessages(m_prompter, result.messages);
    m_window.showTitle();
    return result.ok;
}

bool DocumentUseCases::save()
{
    if (m_document.header.FileName.isEmpty())
        return saveAs();
    return saveTo(m_document.header.FileName);
}

bool DocumentUseCases::saveAs()
{
    const QString& fileName = m_document.header.FileName;
    const auto file =
        m_prompter.saveFile(saveRequest(fileName.isEmpty() ? m_currentTopicFolder : fileName));
    if (!file)
        return false;
    return saveTo(*file);
}

void DocumentUseCases::saveBoardSnapshot()
{
    const auto file = m_prompter.saveFile(saveRequest(listedFolder()));
    if (!file)
        return;

    // The covered fields are shown for the picture and covered again after.
    // Each is reported on its own, so that only its card is drawn again and
    // the drawings around it stay.
    std::vector<int> covered;
    for (int i = 0; i < m_document.objectCount(); ++i) {
        if (m_document.objects[i].Abdeckung == -1) {
            covered.push_back(i);
            m_document.objects[i].Abdeckung = 0;
            m_document.notifyObjectChanged(i, ObjectAspect::State);
        }
    }
    // The snapshot is made on a copy, so that a failed save leaves the open
    // document as it was.
    Document snapshot = m_document;
    snapshot.header.Titel = QFileInfo(*file).completeBaseName();
    snapshot.baseImage = m_window.shownPicture().copy();
    snapshot.header.RandErw = RectD{};
    derivePageGeometry(snapshot.header, usableBaseSize(snapshot.baseImage));
    const SaveResult result = saveDocument(snapshot, *file);
    showMessages(m_prompter, result.messages);
    if (result.ok) {
        m_document = std::move(snapshot);
        m_document.notifyReplaced();
    }
    for (const int i : covered) {
        m_document.objects[i].Abdeckung = -1;
        m_document.notifyObjectChanged(i, ObjectAspect::State);
    }
    // The new page is shown whole, as a document just opened, with the
    // drawings now part of its BaseImage.
    if (result.ok)
        m_window.showLoaded();
    rebuildTopicList();
}

// --- the topic folder ------------------------------------------------------------------

void DocumentUseCases::rebuildTopicList()
{
    m_navigation.setList(buildTopicList(listedFolder()), m_document.header.FileName);
    m_window.showTopicList();
}

void DocumentUseCases::openTopic(int index)
{
    if (index < 0 || index >= m_navigation.count() || !mayReplace()) {
        // The chosen entry took the check mark when it was clicked.
        m_window.showTopicList();
        return;
    }
    load(m_navigation.entries()[size_t(index)].path, true);
    if (m_navigation.indexOf(m_document.header.FileName) == index)
        m_navigation.setCurrentEntry(index);
    m_window.showTopicList();
}

void DocumentUseCases::stepTopic(int target)
{
    if (target >= 0)
        openTopic(target);
    m_navigation.keepPageOnCurrent();
    m_window.showTopicList();
}

void DocumentUseCases::nextTopic()
{
    if (m_session.mode() == AppMode::LearningView)
        stepTopic(m_navigation.nextTarget());
}

void DocumentUseCases::previousTopic()
{
    if (m_session.mode() == AppMode::LearningView)
        stepTopic(m_navigation.previousTarget());
}

void DocumentUseCases::previousDocument()
{
    const QString previous = m_document.previousFileName();
    if (previous.isEmpty() || m_session.mode() != AppMode::LearningView)
        return;
    // The open document may hold changes: the usual questions come first.
    if (!mayReplace())
        return;
    load(previous, true);
    rebuildTopicList();
}

void DocumentUseCases::startPage()
{
    if (!mayReplace())
        return;
    if (!m_startFile.isEmpty()) {
        load(m_startFile, true);
        rebuildTopicList();
        return;
    }
    m_currentTopicFolder = m_topicRoot;
    showStartPage();
}

} // namespace velunto
