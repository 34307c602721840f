#include "exercise/ui/exerciseresults.h"

#include "document/document.h"
#include "exercise/exerciserun.h"
#include "exercise/protocol.h"
#include "exercise/runresults.h"
#include "exercise/ui/bestlistwindow.h"
#include "exercise/ui/foldersdialog.h"
#include "exercise/ui/gradingscaledialog.h"
#include "exercise/ui/protocolwindow.h"
#include "platform/machine.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "shell/settings.h"

#include <QDateTime>

namespace velunto {

ExerciseResults::ExerciseResults(Settings& settings, const Document& document, Prompter& prompter,
                                 Printing& printing, MailSender& mail, QWidget* window)
    : QObject(window), m_settings(settings), m_document(document), m_prompter(prompter),
      m_printing(printing), m_mail(mail), m_window(window)
{
}

ExerciseResults::~ExerciseResults() = default;

ProtocolWindow& ExerciseResults::protocolWindow()
{
    if (!m_protocolWindow)
        m_protocolWindow = new ProtocolWindow(m_prompter, m_printing, m_mail, m_window);
    return *m_protocolWindow;
}

void ExerciseResults::protocolReady(const ExerciseRun& run)
{
    RunCircumstances circumstances;
    circumstances.documentPath = m_document.header.FileName;
    circumstances.computer = computerName();
    circumstances.user = loginName();
    circumstances.communicationFolder = m_settings.network.folder;
    circumstances.channel = m_settings.network.channel;
    m_lastProtocol = runProtocolText(run, m_document, circumstances);
    m_lastAutoSaved.clear();

    ProtocolWindow& window = protocolWindow();
    window.setProtocolFolder(m_settings.folders.protocol);
    window.setDocument(m_document.header.FileName, run.kind() == ExerciseKind::SeriesPart);
    window.render(m_lastProtocol, true);

    if (!m_settings.options.AutoSaveProtocol)
        return;
    const SavedProtocol saved =
        autoSaveProtocol(m_settings.folders.protocol, window.text(), QDateTime::currentDateTime(),
                         circumstances.computer);
    m_lastAutoSaved = saved.path;
    showMessages(m_prompter, saved.messages);
}

QString ExerciseResults::individualBestList() const
{
    return individualBestListPath(m_settings.folders.bestList, m_document.header.FileName);
}

QString ExerciseResults::bestListUnavailableReason() const
{
    return m_document.header.FileName.isEmpty() ? noBestListReason() : QString();
}

bool ExerciseResults::enterInBestList(const ExerciseRun& run)
{
    const QString path = individualBestList();
    if (path.isEmpty())
        return false;
    const UserMessages messages = appendBestListResult(path, runBestListRecord(run, computerName()),
                                                       BestListScope::Individual);
    if (messages.empty())
        return true;
    showMessages(m_prompter, messages);
    chooseFolders();
    return false;
}

void ExerciseResults::showProtocol()
{
    ProtocolWindow& window = protocolWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void ExerciseResults::showBestList(BestListScope scope, bool duringNetworkParticipation)
{
    const QString path =
        scope == BestListScope::Individual
            ? individualBestList()
            : networkBestListPath(m_settings.network.folder, m_settings.network.channel);
    BestListToShow list = prepareBestList(scope, path, duringNetworkParticipation);
    showMessages(m_prompter, list.messages);
    if (!list.show)
        return;
    BestListWindow window(list.title, std::move(list.list), m_settings.folders.protocol, m_prompter,
                          m_printing, m_window);
    runDialog(window);
}

void ExerciseResults::chooseFolders()
{
    FoldersDialog dialog(m_settings.folders, m_prompter, m_window);
    if (runDialog(dialog) == QDialog::Accepted)
        m_settings.folders = dialog.folders();
}

void ExerciseResults::editGradingScale()
{
    GradingScaleDialog dialog(m_settings.grading, m_prompter, m_window);
    if (runDialog(dialog) == QDialog::Accepted)
        m_settings.grading = dialog.scale();
}

} // namespace velunto
