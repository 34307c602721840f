#include "library/ui/previewdialog.h"

#include "library/previews.h"
#include "platform/ui/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velunto {

PreviewDialog::PreviewDialog(QWidget* parent)
    : QDialog(parent), m_height(new QSpinBox),
      m_current(new QRadioButton(QStringLiteral("nur von aktuellem Dokument"))),
      m_folder(new QRadioButton(QStringLiteral("von allen Dokumenten des aktuellen Ordners")))
{
    setWindowTitle(QStringLiteral("Vorschaubilder generieren"));
    m_height->setRange(kPreviewMinHeight, kPreviewMaxHeight);
    m_height->setValue(kPreviewDefaultHeight);
    m_height->setSuffix(QStringLiteral(" Pixel"));
    m_current->setChecked(true);

    auto* heightLabel = new QLabel(QStringLiteral("&Höhe:"));
    heightLabel->setBuddy(m_height);
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(heightLabel);
    heightRow->addWidget(m_height);
    heightRow->addStretch(1);

    auto* note = new QLabel(QStringLiteral(
        "Die erzeugten Bilddateien werden im Unterordner \"vorschaubilder\" des jeweiligen "
        "Ordners abgelegt; dieser wird ggf. neu erstellt."));
    note->setWordWrap(true);

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heightRow);
    layout->addWidget(m_current);
    layout->addWidget(m_folder);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

int PreviewDialog::previewHeight() const
{
    return m_height->value();
}

bool PreviewDialog::wholeFolder() const
{
    return m_folder->isChecked();
}

} // namespace velunto
