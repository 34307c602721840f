#include "app/documentfontdialog.h"
#include "platform/ui/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace velunto {

DocumentFontDialog::DocumentFontDialog(const QString& current, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget), m_preview(new QLabel(QStringLiteral("Beispiel")))
{
    setWindowTitle(QStringLiteral("Schriftart"));
    m_list->addItems(QFontDatabase::families());
    const QList<QListWidgetItem*> found = m_list->findItems(current, Qt::MatchFixedString);
    if (!found.isEmpty()) {
        m_list->setCurrentItem(found.constFirst());
        m_list->scrollToItem(found.constFirst());
    }
    connect(m_list, &QListWidget::currentTextChanged, this, &DocumentFontDialog::showPreview);

    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumHeight(60);
    m_preview->setFrameShape(QFrame::StyledPanel);

    auto* note = new QLabel(QStringLiteral("Die gewählte Schriftart wird im Dokument gespeichert "
                                           "und beim Öffnen des Dokuments wieder eingestellt."));
    note->setWordWrap(true);

    auto* group = new QGroupBox(QStringLiteral(" Schriftart für Dokumentendarstellung "));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list);
    groupLayout->addWidget(m_preview);
    groupLayout->addWidget(note);

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    resize(380, 460);
}

QString DocumentFontDialog::chosenFont() const
{
    return m_list->currentItem() != nullptr ? m_list->currentItem()->text() : QString();
}

void DocumentFontDialog::showPreview()
{
    const QString family = chosenFont();
    QFont font(family);
    font.setPointSize(16);
    m_preview->setFont(font);
    m_preview->setText(family);
}

} // namespace velunto
