#pragma once

#include "platform/usermessage.h"

#include <QString>
#include <QStringList>

namespace velunto {

// A message for the desktop's mail program: it opens a compose window with
// these parts and the user completes and sends it.
struct MailRequest
{
    QString recipient; // may be empty
    QString subject;
    QString body;
    QStringList attachments; // file paths
};

class MailSender
{
  public:
    virtual ~MailSender() = default;
    // The messages to show afterwards: an information when the mail program
    // took the message, a warning when it did not.
    virtual UserMessages send(const MailRequest& request) = 0;
};

// Hands the message to "xdg-email" (or the program named by
// VELUNTO_MAIL_COMMAND), started with an argument list and never through a
// shell.
class DesktopMailSender : public MailSender
{
  public:
    UserMessages send(const MailRequest& request) override;

    // The arguments after the program name.
    static QStringList arguments(const MailRequest& request);
    static QString program();
};

class RecordingMailSender : public MailSender
{
  public:
    std::vector<MailRequest> sent;
    UserMessages answer;
    UserMessages send(const MailRequest& request) override
    {
        sent.push_back(request);
        return answer;
    }
};

QString mailHandedOverText();
QString mailFailedText();

} // namespace velunto
