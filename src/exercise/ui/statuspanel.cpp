#include "exercise/ui/statuspanel.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velunto {

namespace {

QLabel* caption(const char* text, QHBoxLayout* row)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    row->addWidget(label);
    return label;
}

QLabel* number(const char* name, QHBoxLayout* row)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    row->addWidget(label);
    row->addSpacing(6);
    return label;
}

} // namespace

StatusPanel::StatusPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("statusinformation"));
    setFrameShape(QFrame::StyledPanel);
    // The figures never make the window wider than it is.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 1, 6, 1);
    row->setSpacing(4);
    caption("Teilnehmer:", row);
    m_name = number("teilnehmer", row);
    caption("Richtig gelöst:", row);
    m_correct = number("richtig", row);
    m_total = new QLabel;
    m_total->setObjectName(QStringLiteral("gesamt"));
    row->addWidget(m_total);
    row->addSpacing(6);
    caption("Fehlversuche:", row);
    m_wrong = number("fehlversuche", row);
    caption("Akt. Erfolgsquote:", row);
    m_success = number("erfolgsquote", row);
    caption("Gesamtleistung:", row);
    m_performance = number("gesamtleistung", row);
    m_clockLabel = new QLabel;
    row->addWidget(m_clockLabel);
    m_clock = number("uhr", row);
    row->addStretch(1);
    auto* help = new QPushButton(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("kennzahleninfo"));
    help->setToolTip(QStringLiteral("Information zu den Kennzahlen"));
    help->setFixedWidth(help->fontMetrics().horizontalAdvance(QStringLiteral("?")) + 20);
    help->setFocusPolicy(Qt::NoFocus);
    row->addWidget(help);
    connect(help, &QPushButton::clicked, this, [this] {
        auto* info = new FiguresInfo(window());
        info->setAttribute(Qt::WA_DeleteOnClose);
        info->show();
    });
}

void StatusPanel::showFigures(const StatusFigures& f)
{
    m_name->setText(f.name);
    m_correct->setText(f.correct);
    m_total->setText(f.total);
    m_wrong->setText(f.wrong);
    m_success->setText(f.success);
    m_performance->setText(f.performance);
    m_clockLabel->setText(f.clockLabel);
    m_clock->setText(f.clock);
    m_clockLabel->setVisible(f.clockShown);
    m_clock->setVisible(f.clockShown);
}

QString StatusPanel::figure(const QString& name) const
{
    const auto* label = findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

FiguresInfo::FiguresInfo(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Information zu den Kennzahlen"));
    auto* text = new QTextBrowser;
    text->setHtml(FiguresInfo::text());
    text->setOpenLinks(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(560, 520);
}

QString FiguresInfo::text()
{
    return QStringLiteral(
        "<h3>Richtig gelöst</h3>"
        "<p>Wie viele Abfragen bisher richtig gelöst wurden, von allen Abfragen dieser Übung. "
        "Jedes Kärtchen, das an seinem richtigen Platz liegt, und jede richtig beantwortete Frage "
        "zählt einmal. Bei Multiple-Choice-Fragen zählt eine teilweise richtige Antwort anteilig, "
        "darum kann hier auch eine Zahl mit Nachkommastellen stehen.</p>"
        "<h3>Fehlversuche</h3>"
        "<p>Wie oft eine Zuordnung oder Antwort falsch war. Jeder Versuch zählt, auch wenn "
        "dasselbe Kärtchen mehrmals an eine falsche Stelle gezogen wird.</p>"
        "<h3>Akt. Erfolgsquote</h3>"
        "<p>Der Anteil der richtigen unter allen bisherigen Versuchen:</p>"
        "<p align=\"center\"><b>Q = richtig / (richtig + falsch)</b></p>"
        "<p>Die Erfolgsquote sagt, wie sicher bisher gearbeitet wurde. Abfragen, die noch offen "
        "sind, zählen hier nicht mit.</p>"
        "<h3>Gesamtleistung</h3>"
        "<p>Der Anteil der richtigen Lösungen an allem, was die Übung verlangt, einschließlich "
        "der Abfragen, die noch offen sind:</p>"
        "<p align=\"center\"><b>L = richtig / (richtig + falsch + offen)</b></p>"
        "<p>Wer alles ohne Fehler löst, erreicht 100 %. Jeder Fehlversuch und jede offene "
        "Abfrage senkt den Wert. Aus der Gesamtleistung am Ende der Übung ergibt sich die Note "
        "oder Punktzahl nach der eingestellten Noten- bzw. Punkteskala.</p>"
        "<h3>Benötigte Zeit / Verbleibende Zeit</h3>"
        "<p>Ohne Zeitlimit zeigt die Uhr, wie lange die Übung schon läuft. Mit Zeitlimit zeigt "
        "sie die Restzeit; bei 00:00 endet die Übung, und was dann noch offen ist, zählt als "
        "offen.</p>"
        "<h3>Teilwiederholung</h3>"
        "<p>Wird am Ende nur wiederholt, was nicht auf Anhieb richtig gelöst wurde, dann zählen "
        "alle Kennzahlen nur diese Abfragen. Die Gesamtleistung einer Teilwiederholung bezieht "
        "sich also nicht auf das ganze Dokument; sie wird darum auch nicht in die Bestenliste "
        "eingetragen.</p>");
}

} // namespace velunto
