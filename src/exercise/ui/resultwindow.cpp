#include "exercise/ui/resultwindow.h"

#include "exercise/gradingscale.h"
#include "platform/ui/dialogbuttons.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velunto {

// --- ScalePicture --------------------------------------------------------------------

ScalePicture::ScalePicture(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(170, 300);
    setObjectName(QStringLiteral("skala"));
}

void ScalePicture::setResult(double performance, const GradingScale& scale)
{
    m_performance = performance;
    m_scale = scale;
    update();
}

void ScalePicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    drawScale(p, rect(), m_performance, m_scale);
}

// --- ResultWindow --------------------------------------------------------------------

ResultWindow::ResultWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Übungsergebnis"));
    setObjectName(QStringLiteral("uebungsergebnis"));
    setWindowModality(Qt::ApplicationModal);

    auto* figures = new QGridLayout;
    const char* const captions[] = {
        "Richtig gelöst:",    "Fehlversuche:",   "Erfolgsquote:", "Benötigte Zeit:",
        "Offene Positionen:", "Gesamtleistung:", "Bewertung:"};
    for (const char* c : captions) {
        auto* name = new QLabel(QString::fromUtf8(c));
        auto* value = new QLabel;
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        const int row = int(m_rows.size());
        figures->addWidget(name, row, 0);
        figures->addWidget(value, row, 1);
        m_rows.push_back({name, value});
    }
    m_gradeCaption = new QLabel;
    m_gradeValue = new QLabel;
    QFont large = m_gradeValue->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 2.0);
    m_gradeValue->setFont(large);
    m_gradeCaption->setFont(large);
    figures->addWidget(m_gradeCaption, int(m_rows.size()), 0);
    figures->addWidget(m_gradeValue, int(m_rows.size()), 1);
    figures->setRowStretch(int(m_rows.size()) + 1, 1);

    m_bestListNote =
        new QLabel(QStringLiteral("Das Ergebnis wurde in die Bestenliste eingetragen."));
    m_bestListNote->setWordWrap(true);
    m_bestListNote->hide();

    m_scale = new ScalePicture;

    auto* repeatBox = new QGroupBox(QStringLiteral("Übung wiederholen"));
    m_complete = new QRadioButton(QStringLiteral("Komplett wiederholen"));
    m_partial = new QRadioButton(
        QStringLiteral("Nur Abfragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden"));
    m_complete->setChecked(true);
    auto* repeat = new QPushButton(QStringLiteral("Übung &wiederholen"));
    repeat->setObjectName(QStringLiteral("wiederholen"));
    auto* repeatLayout = new QVBoxLayout(repeatBox);
    repeatLayout->addWidget(m_complete);
    repeatLayout->addWidget(m_partial);
    repeatLayout->addWidget(repeat, 0, Qt::AlignLeft);

    m_protocol = new QPushButton(QStringLiteral("Übungs&protokoll..."));
    m_bestList = new QPushButton(QStringLiteral("&Bestenliste..."));
    m_enter = new QPushButton(QStringLiteral("In Bestenliste &eintragen"));
    auto* back = new QPushButton(QStringLiteral("&Zur Lernansicht"));
    back->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_protocol, m_bestList, m_enter})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(back);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(figures);
    left->addWidget(m_bestListNote);
    left->addWidget(repeatBox);
    top->addLayout(left, 1);
    top->addWidget(m_scale);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(repeat, &QPushButton::clicked, this, [this] { Q_EMIT repeatRequested(repeatMode()); });
    connect(back, &QPushButton::clicked, this, [this] { Q_EMIT closeRequested(); });
    connect(m_protocol, &QPushButton::clicked, this, &ResultWindow::protocolRequested);
    connect(m_bestList, &QPushButton::clicked, this, &ResultWindow::bestListRequested);
    connect(m_enter, &QPushButton::clicked, this, &ResultWindow::enterBestListRequested);
    setBestListAvailable(false);
    setProtocolAvailable(false);
}

void ResultWindow::setBestListAvailable(bool available, const QString& reason)
{
    m_bestListAvailable = available;
    m_bestListReason = reason;
    for (QPushButton* b : {m_enter, m_bestList}) {
        b->setEnabled(available);
        b->setToolTip(available ? QString()
                      : reason.isEmpty()
                          ? QStringLiteral("Die Bestenliste steht nicht zur Verfügung.")
                          : reason);
    }
}

void ResultWindow::setProtocolAvailable(bool available)
{
    m_protocol->setEnabled(available);
    m_protocol->setToolTip(
        available ? QString()
                  : QStringLiteral("Das Übungsprotokoll steht in dieser Programmversion noch "
                                   "nicht zur Verfügung."));
}

void ResultWindow::showResult(const ExerciseResult& r)
{
    const QString values[] = {r.correct, r.wrong,       r.success, r.time,
                              r.open,    r.performance, r.rating};
    for (size_t k = 0; k < m_rows.size(); ++k)
        m_rows[k].second->setText(values[k]);
    m_rows[3].first->setText(r.timeLabel);
    m_gradeCaption->setText(r.gradeLabel);
    m_gradeValue->setText(r.grade);
    m_scale->setResult(r.performanceValue, r.scale);
    m_partial->setEnabled(r.partialRepeatOffered);
    if (!r.partialRepeatOffered)
        m_complete->setChecked(true);
    m_bestListNote->setVisible(r.enteredInBestList);
    m_enter->setVisible(r.bestListOffered);
    setBestListAvailable(m_bestListAvailable, m_bestListReason);
    show();
    raise();
    activateWindow();
}

QString ResultWindow::figure(const QString& caption) const
{
    for (const auto& [name, value] : m_rows)
        if (name->text() == caption)
            return value->text();
    if (m_gradeCaption->text() == caption)
        return m_gradeValue->text();
    return {};
}

int ResultWindow::repeatMode() const
{
    return m_partial->isChecked() && m_partial->isEnabled() ? 1 : 0;
}

void ResultWindow::setRepeatMode(int mode)
{
    (mode == 1 ? m_partial : m_complete)->setChecked(true);
}

QPushButton* ResultWindow::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>())
        if (QString(b->text()).remove(QLatin1Char('&')) == caption)
            return b;
    return nullptr;
}

void ResultWindow::reject()
{
    // Closing the window leads back to the learning view.
    Q_EMIT closeRequested();
}

// --- NameDialog ----------------------------------------------------------------------

NameDialog::NameDialog(QWidget* parent) : QDialog(parent), m_name(new QLineEdit)
{
    setWindowTitle(QStringLiteral("Teilnehmername eingeben"));
    m_name->setMaxLength(30);
    m_name->setObjectName(QStringLiteral("name"));
    auto* label = new QLabel(QStringLiteral("&Name:"));
    label->setBuddy(m_name);
    auto* hint = new QLabel(QStringLiteral("Bitte Name für Protokoll und Bestenliste eingeben."));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_name, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(row);
    layout->addWidget(okCancelButtons(this));
    resize(380, sizeHint().height());
}

QString NameDialog::name() const
{
    return m_name->text();
}

void NameDialog::setName(const QString& name)
{
    m_name->setText(name);
}

} // namespace velunto
