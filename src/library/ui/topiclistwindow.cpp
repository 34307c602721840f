#include "library/ui/topiclistwindow.h"

#include "common/filemessages.h"
#include "platform/prompter.h"
#include "print/formattedtext.h"
#include "print/ui/printing.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velunto {

TopicListWindow::TopicListWindow(const QString& formattedText, const QString& startFolder,
                                 Prompter& prompter, QWidget* parent, Printing* printing)
    : QDialog(parent), m_text(formattedText), m_startFolder(startFolder), m_prompter(prompter),
      m_printing(printing), m_view(new QTextBrowser)
{
    setWindowTitle(QStringLiteral("Themenliste"));
    m_view->setHtml(formattedTextToHtml(m_text));

    auto addButton = [this](QHBoxLayout* row, const QString& caption, auto action) {
        auto* b = new QPushButton(caption);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        row->addWidget(b);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    addButton(buttons, QStringLiteral("In Zwischenablage kopieren"),
              &TopicListWindow::copyToClipboard);
    addButton(buttons, QStringLiteral("Speichern..."), &TopicListWindow::save);
    if (m_printing)
        addButton(buttons, QStringLiteral("Drucken..."), &TopicListWindow::print);
    buttons->addStretch(1);
    addButton(buttons, QStringLiteral("Schließen"), &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(560, 600);
}

void TopicListWindow::copyToClipboard()
{
    auto* data = new QMimeData;
    data->setText(formattedTextToPlain(m_text));
    data->setHtml(formattedTextToHtml(m_text));
    data->setData(QStringLiteral("text/rtf"), formattedTextToRtf(m_text));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TopicListWindow::save()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Themenliste in Datei speichern");
    request.directory = m_startFolder;
    request.filters = {QStringLiteral("Rich-Text-Dokument (*.rtf)"),
                       QStringLiteral("Alle Dateien (*.*)")};
    request.defaultSuffix = QStringLiteral("rtf");
    const auto path = m_prompter.saveFile(request);
    if (!path)
        return;
    const QByteArray rtf = formattedTextToRtf(m_text);
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit())
        m_prompter.error(fileWriteErrorMessage(*path));
}

} // namespace velunto

namespace velunto {

void TopicListWindow::print()
{
    if (!m_printing || !m_printing->printDialog(this))
        return;
    m_printing->printer().setDocName(QStringLiteral("Themenliste"));
    const QString failed =
        printFormattedText(m_printing->printer(), m_text, QStringLiteral("Themenliste"));
    if (!failed.isEmpty())
        m_prompter.error(failed);
}

} // namespace velunto
