#include "view/pointaction.h"

#include "document/document.h"
#include "document/objectkinds.h"
#include "platform/prompter.h"

#include <QDir>
#include <QFileInfo>

namespace velunto {

namespace {

QString withSlashes(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString inFolder(const QString& folder, const QString& relative)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(relative);
}

// True when the entry matches the password, or the object has none.
bool passwordAccepted(const ObjDataTyp& object, Prompter& prompter)
{
    if (!hasPassword(object.Typ) || object.BildKenn.isEmpty())
        return true;
    const std::optional<QString> entry = prompter.askPassword(QStringLiteral(
        "Diese Verknüpfung ist passwort-geschützt. Um den Inhalt anzusehen, wird das Passwort "
        "benötigt."));
    if (!entry)
        return false;
    if (*entry != object.BildKenn) {
        prompter.error(QStringLiteral("Das Passwort ist falsch."));
        return false;
    }
    return true;
}

PointAction documentLinkAction(const ObjDataTyp& object, const LinkFolders& folders,
                               Prompter& prompter)
{
    const QString text = object.Text;
    if (text.endsWith(QLatin1Char('\\')) || text.endsWith(QLatin1Char('/'))) {
        const QString folder = withSlashes(text);
        if (QFileInfo(folder).isAbsolute() && QFileInfo(folder).isDir())
            return {PointAction::OpenTopicFolder, QDir::cleanPath(folder)};
        const QString inTopic = inFolder(folders.currentTopicFolder, folder);
        if (!inTopic.isEmpty() && QFileInfo(inTopic).isDir())
            return {PointAction::OpenTopicFolder, QDir::cleanPath(inTopic)};
        prompter.error(QStringLiteral("Der Ordner \"") + text +
                       QStringLiteral("\" existiert nicht."));
        return {};
    }
    const QString path = resolveLinkPath(text, folders);
    if (!QFileInfo(path).isFile()) {
        prompter.error(QStringLiteral("Die Datei \"") + text +
                       QStringLiteral("\" existiert nicht."));
        return {};
    }
    return {PointAction::OpenDocument, path};
}

} // namespace

bool isWebAddress(const QString& text)
{
    return text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QString resolveLinkPath(const QString& text, const LinkFolders& folders)
{
    if (isWebAddress(text))
        return text;
    const QString path = withSlashes(text);
    if (path.isEmpty())
        return text;
    if (QFileInfo(path).isAbsolute() && QFileInfo::exists(path))
        return path;
    for (const QString& folder :
         {folders.documentFolder, folders.topicRootFolder, folders.programFolder}) {
        const QString candidate = inFolder(folder, path);
        if (!candidate.isEmpty() && QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return text;
}

PointAction decidePointAction(const Document& document, int index, const LinkFolders& folders,
                              Prompter& prompter)
{
    if (!document.isValidIndex(index))
        return {};
    const ObjDataTyp& object = document.objects[index];
    switch (pointOpening(object.Typ)) {
    case PointOpening::InfoText:
        if (!passwordAccepted(object, prompter))
            return {};
        return {PointAction::ShowInfo, object.Text};
    case PointOpening::ExternalTarget:
        if (!passwordAccepted(object, prompter))
            return {};
        return {PointAction::OpenExternal, resolveLinkPath(object.Text, folders)};
    case PointOpening::TopicDocument:
        return documentLinkAction(object, folders, prompter);
    case PointOpening::None:
        return {};
    }
    return {};
}

bool openExternalTarget(const QString& target, const std::function<bool(const QString&)>& opener,
                        Prompter& prompter)
{
    if (!target.isEmpty() && opener && opener(target))
        return true;
    prompter.error(QStringLiteral("Die Datei oder Internet-Adresse \"") + target +
                   QStringLiteral("\" kann nicht geöffnet werden."));
    return false;
}

} // namespace velunto
