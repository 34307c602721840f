#include "exercise/ui/feedbackdialog.h"

#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velunto {

FeedbackDialog::FeedbackDialog(const FeedbackSettings& s, const QString& soundFolder,
                               Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_soundFolder(soundFolder), m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Übungsrückmeldung"));
    m_correctText = add("richtigtext", s.CorrectText);
    m_wrongText = add("falschtext", s.WrongText);
    m_correctSound = add("richtigton", s.CorrectSoundFile);
    m_wrongSound = add("falschton", s.WrongSoundFile);
    m_rightTicks = add("richtigehaekchen", s.McRightTicksLabel);
    m_wrongTicks = add("falschehaekchen", s.McWrongTicksLabel);
    m_missingTicks = add("fehlendehaekchen", s.McMissingTicksLabel);

    auto* texts =
        new QGroupBox(QStringLiteral("Textrückmeldung (bis ca. 30 Zeichen, Größe skaliert)"));
    auto* textForm = new QFormLayout(texts);
    textForm->addRow(QStringLiteral("Richtige Antwort:"), m_correctText);
    textForm->addRow(QStringLiteral("Falsche Antwort:"), m_wrongText);

    auto* sounds = new QGroupBox(QStringLiteral("Tondateien (WAV-Dateien)"));
    auto* soundForm = new QFormLayout(sounds);
    for (QLineEdit* field : {m_correctSound, m_wrongSound}) {
        auto* row = new QHBoxLayout;
        auto* browse = new QPushButton(QStringLiteral("Durchsuchen..."));
        connect(browse, &QPushButton::clicked, this, [this, field] { this->browse(field); });
        row->addWidget(field, 1);
        row->addWidget(browse);
        soundForm->addRow(field == m_correctSound ? QStringLiteral("Richtige Antwort:")
                                                  : QStringLiteral("Falsche Antwort:"),
                          row);
    }

    auto* ticks = new QGroupBox(QStringLiteral(
        "Textrückmeldung (kurz) für Multiple-Choice-Fragen mit teilweise richtiger Antwort"));
    auto* tickForm = new QFormLayout(ticks);
    tickForm->addRow(QStringLiteral("Richtige Häkchen:"), m_rightTicks);
    tickForm->addRow(QStringLiteral("Falsche Häkchen:"), m_wrongTicks);
    tickForm->addRow(QStringLiteral("Fehlende Häkchen:"), m_missingTicks);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(texts);
    layout->addWidget(sounds);
    layout->addWidget(ticks);
    layout->addWidget(okCancelButtons(this));
}

QLineEdit* FeedbackDialog::add(const char* name, const QString& value)
{
    auto* field = new QLineEdit(value);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QLineEdit* FeedbackDialog::field(const QString& name) const
{
    return findChild<QLineEdit*>(name);
}

void FeedbackDialog::browse(QLineEdit* field)
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Ton-Datei auswählen");
    request.directory = m_soundFolder;
    request.filters = {QStringLiteral("WAV-Dateien (*.wav)"), QStringLiteral("Alle Dateien (*.*)")};
    const std::optional<QString> file = m_prompter.openFile(request);
    if (!file)
        return;
    // A sound of the sound folder is kept by its name alone.
    const QFileInfo info(*file);
    const bool inSoundFolder =
        QFileInfo(info.absolutePath() + QLatin1Char('/')).absoluteFilePath() ==
        QFileInfo(m_soundFolder).absoluteFilePath();
    field->setText(inSoundFolder ? info.fileName() : *file);
}

FeedbackSettings FeedbackDialog::settings() const
{
    FeedbackSettings s;
    s.CorrectText = m_correctText->text();
    s.WrongText = m_wrongText->text();
    s.CorrectSoundFile = m_correctSound->text();
    s.WrongSoundFile = m_wrongSound->text();
    s.McRightTicksLabel = m_rightTicks->text();
    s.McWrongTicksLabel = m_wrongTicks->text();
    s.McMissingTicksLabel = m_missingTicks->text();
    return s;
}

} // namespace velunto
