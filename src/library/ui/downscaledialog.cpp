#include "library/ui/downscaledialog.h"
#include "platform/ui/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velunto {

DownscaleDialog::DownscaleDialog(QWidget* parent)
    : QDialog(parent), m_current(new QRadioButton(QStringLiteral(
                           "nur von aktuellem Dokument (muss danach noch gespeichert werden)"))),
      m_folder(new QRadioButton(
          QStringLiteral("von allen Dokumenten des aktuellen Ordners (automatisches Speichern)")))
{
    setWindowTitle(QStringLiteral("Bilder in Dokumenten herunterskalieren"));
    m_current->setChecked(true);

    auto* note = new QLabel(QStringLiteral(
        "Diese Funktion dient zum Herunterskalieren der im Dokument enthaltenen Bilder, um die "
        "Dateigröße des Dokuments zu verringern. Dabei wird die jeweilige Größeneinstellung der "
        "Bilder berücksichtigt, um den sichtbaren Qualitätsverlust möglichst gering zu halten."));
    note->setWordWrap(true);
    auto* warning = new QLabel(QStringLiteral("Es wird empfohlen, zuvor Sicherungskopien der "
                                              "Dokumente zu \nerstellen. Diese Funktion kann "
                                              "nicht rückgängig gemacht werden!"));
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);

    auto* group = new QGroupBox(QStringLiteral(" Bilder herunterskalieren "));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(note);
    groupLayout->addWidget(m_current);
    groupLayout->addWidget(m_folder);
    groupLayout->addWidget(warning);

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    setMinimumWidth(480);
}

bool DownscaleDialog::wholeFolder() const
{
    return m_folder->isChecked();
}

} // namespace velunto
