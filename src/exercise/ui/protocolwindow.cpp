#include "exercise/ui/protocolwindow.h"

#include "exercise/protocol.h"
#include "internet/mail.h"
#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"
#include "platform/ui/dialogrunner.h"
#include "print/formattedtext.h"
#include "print/ui/printing.h"

#include <QClipboard>
#include <QDateTime>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velunto {

ProtocolWindow::ProtocolWindow(Prompter& prompter, Printing& printing, MailSender& mail,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_prompter(prompter),
      m_printing(printing), m_mail(mail), m_view(new QTextEdit)
{
    setWindowTitle(QStringLiteral("Übungsprotokoll"));
    m_view->setReadOnly(true);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& caption, auto action) {
        auto* b = new QPushButton(caption);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    addButton(QStringLiteral("In Zwischenablage kopieren"), &ProtocolWindow::copyToClipboard);
    addButton(QStringLiteral("Speichern..."), &ProtocolWindow::save);
    addButton(QStringLiteral("Drucken..."), &ProtocolWindow::print);
    addButton(QStringLiteral("Kommentar hinzufügen..."), &ProtocolWindow::askForComment);
    addButton(QStringLiteral("Per E-Mail versenden"), &ProtocolWindow::sendByMail);
    buttons->addStretch(1);
    addButton(QStringLiteral("Schließen"), &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(760, 600);
}

void ProtocolWindow::render(const QString& text, bool replace)
{
    if (replace) {
        m_text.clear();
        m_view->clear();
    }
    if (!m_text.isEmpty() && !m_text.endsWith(QStringLiteral("\r\n")))
        m_text += QStringLiteral("\r\n");
    m_text += text;
    appendFormattedText(*m_view->document(), text);
}

void ProtocolWindow::setDocument(const QString& documentPath, bool seriesPart)
{
    m_documentPath = documentPath;
    m_seriesPart = seriesPart;
}

void ProtocolWindow::copyToClipboard()
{
    auto* data = new QMimeData;
    data->setText(formattedTextToPlain(m_text));
    data->setHtml(formattedTextToHtml(m_text));
    data->setData(QStringLiteral("text/rtf"), formattedTextToRtf(m_text));
    QGuiApplication::clipboard()->setMimeData(data);
}

void ProtocolWindow::save()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Übungsprotokoll in Datei speichern");
    request.directory = m_folder;
    request.filters = {QStringLiteral("Rich-Text-Dokument (*.rtf)"),
                       QStringLiteral("Alle Dateien (*.*)")};
    request.defaultSuffix = QStringLiteral("rtf");
    if (const auto path = m_prompter.saveFile(request))
        showMessages(m_prompter, saveProtocolFile(*path, m_text));
}

void ProtocolWindow::print()
{
    if (!m_printing.printDialog(this))
        return;
    m_printing.printer().setDocName(QStringLiteral("Übungsprotokoll"));
    const QString failed =
        printFormattedText(m_printing.printer(), m_text, QStringLiteral("Übungsprotokoll"));
    if (!failed.isEmpty())
        m_prompter.error(failed);
}

void ProtocolWindow::askForComment()
{
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Kommentar zum Übungsprotokoll hinzufügen"));
    auto* field = new QPlainTextEdit;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(field);
    layout->addWidget(okCancelButtons(&dialog));
    dialog.resize(420, 220);
    if (runDialog(dialog) == QDialog::Accepted)
        addComment(field->toPlainText());
}

void ProtocolWindow::addComment(const QString& comment)
{
    const QString text = protocolComment(comment);
    if (!text.isEmpty())
        render(text, false);
}

void ProtocolWindow::sendByMail()
{
    const QDateTime now = QDateTime::currentDateTime();
    const SavedProtocol saved = saveProtocolUnderFreeName(
        m_folder, m_text, [&](int counter) { return emailProtocolName(now, counter); },
        QStringLiteral("Das Übungsprotokoll konnte nicht für den E-Mail-Versand "
                       "zwischengespeichert werden. Überprüfen Sie die Einstellungen unter "
                       "\"Optionen | Ordner für Protokolle und Bestenlisten\"."));
    if (saved.path.isEmpty()) {
        showMessages(m_prompter, saved.messages);
        return;
    }
    MailRequest request;
    request.subject = QStringLiteral("Velunto-Übungsprotokoll");
    request.body = m_seriesPart
                       ? QStringLiteral("Anbei Velunto-Übungsprotokoll zur Übungsserie\r\n")
                       : QStringLiteral("Anbei Velunto-Übungsprotokoll zu Themendokument: ") +
                             QFileInfo(m_documentPath).fileName() + QStringLiteral("\r\n");
    request.attachments = {saved.path};
    showMessages(m_prompter, m_mail.send(request));
}

} // namespace velunto
