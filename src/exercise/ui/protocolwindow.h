#pragma once

#include <QDialog>

class QTextEdit;

namespace velunto {

class MailSender;
class Printing;
class Prompter;

// "Übungsprotokoll": the protocol of the last run as formatted text, read
// only and on top, with copying, saving, printing, comments and e-mail.
class ProtocolWindow : public QDialog
{
    Q_OBJECT
  public:
    ProtocolWindow(Prompter& prompter, Printing& printing, MailSender& mail,
                   QWidget* parent = nullptr);

    // RenderProtocol: shows text, replacing what was shown or appending.
    void render(const QString& text, bool replace);
    // The formatted text shown, comments included.
    const QString& text() const { return m_text; }

    // The folder of "Speichern..." and of the e-mail copy (ends with "/").
    void setProtocolFolder(const QString& folder) { m_folder = folder; }
    // The file the protocol is about; empty with seriesPart for a series.
    void setDocument(const QString& documentPath, bool seriesPart);

    // "In Zwischenablage kopieren": rich text, HTML and plain text.
    void copyToClipboard();
    // "Speichern...".
    void save();
    // "Drucken...": the print dialog, then the text titled "Übungsprotokoll".
    void print();
    // "Kommentar hinzufügen...": the comment dialog, then addComment.
    void askForComment();
    void addComment(const QString& comment);
    // "Per E-Mail versenden".
    void sendByMail();

    QTextEdit* view() const { return m_view; }

  private:
    Prompter& m_prompter;
    Printing& m_printing;
    MailSender& m_mail;
    QString m_text;
    QString m_folder;
    QString m_documentPath;
    bool m_seriesPart = false;
    QTextEdit* m_view;
};

} // namespace velunto
