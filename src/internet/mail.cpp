#include "internet/mail.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace velunto {

QString mailHandedOverText()
{
    return QStringLiteral(
        "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr "
        "E-Mail-Programm Nachrichten nicht sofort versendet, sondern erst im Postausgang "
        "zwischenspeichert, müssen Sie den Versand in Ihrem E-Mail-Programm noch selbst "
        "auslösen.");
}

QString mailFailedText()
{
    return QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler aufgetreten.");
}

QString DesktopMailSender::program()
{
    const QString configured = qEnvironmentVariable("VELUNTO_MAIL_COMMAND");
    return configured.isEmpty() ? QStringLiteral("xdg-email") : configured;
}

QStringList DesktopMailSender::arguments(const MailRequest& request)
{
    QStringList args;
    args << QStringLiteral("--utf8");
    if (!request.subject.isEmpty())
        args << QStringLiteral("--subject") << request.subject;
    if (!request.body.isEmpty())
        args << QStringLiteral("--body") << request.body;
    for (const QString& file : request.attachments)
        args << QStringLiteral("--attach") << QFileInfo(file).absoluteFilePath();
    if (!request.recipient.isEmpty())
        args << request.recipient;
    return args;
}

UserMessages DesktopMailSender::send(const MailRequest& request)
{
    const QString command = program();
    const QString path = QFileInfo(command).isAbsolute() ? command
                                                          : QStandardPaths::findExecutable(command);
    if (path.isEmpty() || !QFileInfo(path).isExecutable())
        return {{Prompter::Kind::Warning,
                 QStringLiteral("Es wurde kein E-Mail-Programm gefunden: Das Programm \"") +
                     command +
                     QStringLiteral("\" fehlt. Installieren Sie das Paket \"xdg-utils\" und "
                                    "richten Sie ein E-Mail-Programm ein, um Dateien per E-Mail "
                                    "zu versenden.")}};
    // On the heap: a mail program that keeps the hand-over waiting must not
    // be ended when this function returns; the process object goes once it
    // has finished.
    auto* process = new QProcess;
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->setProgram(path);
    process->setArguments(arguments(request));
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(10000)) {
        delete process;
        return {{Prompter::Kind::Warning, mailFailedText()}};
    }
    // The hand-over usually ends at once; a mail program that keeps it
    // waiting has the message all the same.
    if (!process->waitForFinished(5000))
        return {{Prompter::Kind::Information, mailHandedOverText()}};
    const bool handedOver = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    if (handedOver)
        return {{Prompter::Kind::Information, mailHandedOverText()}};
    return {{Prompter::Kind::Warning, mailFailedText()}};
}

} // namespace velunto
