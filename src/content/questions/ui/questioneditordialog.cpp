#include "content/questions/ui/questioneditordialog.h"

#include "content/ui/marginsdialog.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"

#include <QPushButton>

namespace velunto {

QuestionEditorDialog::QuestionEditorDialog(Document& document, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_document(document), m_prompter(prompter), m_runDialog(runDialog)
{
    auto command = [this](const QString& caption, auto handler) {
        auto* b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    m_margins = command(QStringLiteral("Ränder..."), [this] { editMargins(); });
    m_font = command(QStringLiteral("Schriftart..."), [this] {
        if (m_documentFont) {
            m_documentFont();
            m_pageChanged = true;
        }
    });
    m_font->hide();
    m_gallery = command(QStringLiteral("Bildergalerie..."), [this] {
        if (m_showGallery)
            m_showGallery();
    });
    m_gallery->hide();
}

void QuestionEditorDialog::setDocumentFontHandler(std::function<void()> handler)
{
    m_documentFont = std::move(handler);
    m_font->setVisible(bool(m_documentFont));
}

void QuestionEditorDialog::setGalleryHandler(std::function<void()> handler)
{
    m_showGallery = std::move(handler);
    m_gallery->setVisible(bool(m_showGallery));
}

void QuestionEditorDialog::makeOkTheDefault()
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        const bool ok = b->text() == u"OK";
        b->setAutoDefault(ok);
        b->setDefault(ok);
    }
}

bool QuestionEditorDialog::run()
{
    if (velunto::runDialog(*this) == QDialog::Accepted)
        return true;
    if (m_pageChanged)
        m_document.rebuildContent();
    return false;
}

void QuestionEditorDialog::editMargins()
{
    MarginsDialog dialog(m_document, m_prompter, this);
    if (m_runDialog(dialog) == QDialog::Accepted)
        m_pageChanged = true;
}

void QuestionEditorDialog::reject()
{
    if (m_prompter.message(
            Prompter::Kind::Confirmation,
            QStringLiteral("Alle Änderungen werden verworfen. Möchten Sie tatsächlich verwerfen?"),
            Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        QDialog::reject();
}

QPushButton* QuestionEditorDialog::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->objectName() == caption || (b->objectName().isEmpty() && b->text() == caption))
            return b;
    }
    return nullptr;
}

} // namespace velunto
