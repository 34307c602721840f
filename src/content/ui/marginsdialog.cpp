#include "content/ui/marginsdialog.h"

#include "content/margins.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velunto {

namespace {

QLineEdit* percentField(double fraction)
{
    auto* field = new QLineEdit(marginPercentText(fraction));
    field->setMaxLength(5);
    field->setMaximumWidth(70);
    return field;
}

} // namespace

MarginsDialog::MarginsDialog(Document& document, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_document(document), m_prompter(prompter),
      m_left(percentField(document.header.EinrueckRand.left)),
      m_top(percentField(document.header.EinrueckRand.top)),
      m_right(percentField(document.header.EinrueckRand.right)),
      m_bottom(percentField(document.header.EinrueckRand.bottom))
{
    setWindowTitle(QStringLiteral("Ränder"));
    auto* group = new QGroupBox(QStringLiteral(" Ränder zur Einrückung "));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("&Links:"), m_left);
    form->addRow(QStringLiteral("&Rechts:"), m_right);
    form->addRow(QStringLiteral("&Oben:"), m_top);
    form->addRow(QStringLiteral("&Unten:"), m_bottom);
    auto* note = new QLabel(QStringLiteral("Die Prozentangaben beziehen sich auf die "
                                           "Gesamtbreite bzw. Gesamthöhe des Dokuments."));
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addWidget(okCancelButtons(this));
}

void MarginsDialog::accept()
{
    const MarginsCheck check =
        checkMargins(m_left->text(), m_top->text(), m_right->text(), m_bottom->text());
    if (!check.ok) {
        m_prompter.error(check.error);
        return;
    }
    // The margins take effect at once, also when the editor that opened this
    // dialog is then cancelled; the document is marked modified so that the
    // change is not lost without the question to save it.
    if (!(m_document.header.EinrueckRand == check.margins)) {
        m_document.header.EinrueckRand = check.margins;
        m_document.setModified();
    }
    QDialog::accept();
}

} // namespace velunto
