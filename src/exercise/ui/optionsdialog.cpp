#include "exercise/ui/optionsdialog.h"

#include "document/records.h"
#include "platform/ui/dialogrunner.h"

#include "platform/prompter.h"
#include "shell/settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

namespace velunto {

namespace {

constexpr int kWidth = 600;

QLineEdit* limitField(int value)
{
    auto* edit = new QLineEdit(QString::number(value));
    // Only the digits of 0 to 59.
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-5]?[0-9]")), edit));
    edit->setMaxLength(2);
    edit->setMaximumWidth(36);
    return edit;
}

int limitValue(const QLineEdit* edit)
{
    bool ok = false;
    const int v = edit->text().toInt(&ok);
    return ok && v >= 0 && v <= 59 ? v : 0; // an empty field counts as 0
}

} // namespace

OptionsDialogKind optionsDialogKindFor(int dokTyp)
{
    switch (dokTyp) {
    case DokTyp::Questions:
    case DokTyp::MultipleChoice:
        return OptionsDialogKind::Questions;
    case DokTyp::Cluster:
        return OptionsDialogKind::Cluster;
    case DokTyp::CrossAssign:
        return OptionsDialogKind::CrossAssign;
    default:
        return OptionsDialogKind::General;
    }
}

QString optionsDialogTitle(OptionsDialogKind kind)
{
    switch (kind) {
    case OptionsDialogKind::General:
        return QStringLiteral(
            "Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext");
    case OptionsDialogKind::Questions:
        return QStringLiteral("Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen");
    case OptionsDialogKind::Cluster:
        return QStringLiteral("Übungseinstellungen für Cluster-Übung");
    case OptionsDialogKind::CrossAssign:
        return QStringLiteral("Übungseinstellungen für Über-Kreuz-Zuordnung");
    }
    return {};
}

QButtonGroup* ExerciseOptionsDialog::addGroup(QWidget* box, const QStringList& items, int checked)
{
    auto* group = new QButtonGroup(this);
    auto* layout = box->layout() ? box->layout() : new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    if (QAbstractButton* b = group->button(checked >= 0 && checked < items.size() ? checked : 0))
        b->setChecked(true);
    return group;
}

QGroupBox* ExerciseOptionsDialog::timeGroup(const TimeLimitSetting& time, const QString& limitItem)
{
    auto* box = new QGroupBox(QStringLiteral("Zeitlimit"));
    auto* layout = new QGridLayout(box);
    m_timeMode = new QButtonGroup(this);
    const QString items[] = {QStringLiteral("Ohne Zeitlimit, mit Uhr"), limitItem,
                             QStringLiteral("Ohne Zeitlimit, ohne Uhr")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(items[i]);
        m_timeMode->addButton(button, i);
        layout->addWidget(button, i, 0);
    }
    m_minutes = limitField(time.minutes);
    m_seconds = limitField(time.seconds);
    auto* limit = new QHBoxLayout;
    limit->addWidget(m_minutes);
    limit->addWidget(new QLabel(QStringLiteral("Min.")));
    limit->addWidget(m_seconds);
    limit->addWidget(new QLabel(QStringLiteral("Sek.")));
    limit->addStretch(1);
    layout->addLayout(limit, 1, 1);
    m_timeMode->button(time.TimeMode >= 0 && time.TimeMode <= 2 ? time.TimeMode : 0)
        ->setChecked(true);
    // Typing a limit chooses the limit.
    for (QLineEdit* edit : {m_minutes, m_seconds})
        connect(edit, &QLineEdit::textEdited, this, [this] { m_timeMode->button(1)->setChecked(true); });
    return box;
}

ExerciseOptionsDialog::ExerciseOptionsDialog(int dokTyp, Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_kind(optionsDialogKindFor(dokTyp)), m_dokTyp(dokTyp)
{
    setWindowTitle(optionsDialogTitle(m_kind));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    switch (m_kind) {
    case OptionsDialogKind::General: {
        const GeneralExerciseOptions& g = settings.generalOptions;
        auto* mode = new QGroupBox(QStringLiteral("Abfragemodus"));
        m_queryMode = addGroup(mode,
                               {QStringLiteral("Freie Zuordnung"),
                                QStringLiteral("Einzelabfrage Texte/Bilder"),
                                QStringLiteral("Einzelabfrage Positionen")},
                               g.QueryMode);
        // Text entry is the fourth item, added when the dialog is shown.
        if (m_queryMode->buttons().size() < 4) {
            auto* textEntry = new QRadioButton(QStringLiteral("Texteingabe"));
            m_queryMode->addButton(textEntry, 3);
            mode->layout()->addWidget(textEntry);
            textEntry->setChecked(g.QueryMode == 3);
        }
        top->addWidget(mode);
        top->addWidget(timeGroup(g.time, QStringLiteral("Mit Zeitlimit:")));

        m_textEntryPanel = new QWidget;
        auto* panel = new QVBoxLayout(m_textEntryPanel);
        panel->setContentsMargins(0, 0, 0, 0);
        panel->addWidget(new QLabel(QStringLiteral(
            "Beim Abfragemodus \"Texteingabe\" sind keine weiteren Optionen verfügbar.")));
        m_answerLength =
            new QCheckBox(QStringLiteral("Anzahl der Zeichen im Eingabefeld vorgeben <?>"));
        m_answerLength->setChecked(g.ShowAnswerLength);
        panel->addWidget(m_answerLength);
        layout->addWidget(m_textEntryPanel);

        auto* more = new QGridLayout;
        const auto group = [&](const QString& title) {
            auto* box = new QGroupBox(title);
            new QVBoxLayout(box);
            m_extendedGroups.push_back(box);
            return box;
        };
        auto* correct = group(QStringLiteral("Bei richtiger Zuordnung"));
        m_onCorrect = addGroup(correct,
                               {QStringLiteral("Beschriftung einblenden"),
                                QStringLiteral("Grünes Häkchen setzen")},
                               g.OnCorrect);
        auto* wrong = group(QStringLiteral("Bei Fehlversuch"));
        m_onWrong = addGroup(wrong,
                             {QStringLiteral("Beliebig viele Zuordnungsversuche erlaubt"),
                              QStringLiteral("Rotes Kreuz setzen, ")},
                             g.OnWrong);
        wrong->layout()->addWidget(
            new QLabel(QStringLiteral("keine erneute Zuordnung an dieser Position")));
        auto* cards = group(QStringLiteral("Zuordnungstexte"));
        m_cardOrder = addGroup(cards,
                               {QStringLiteral("Alphabetisch geordnet"),
                                QStringLiteral("Zufällig gemischt")},
                               g.CardOrder);
        auto* positions = group(QStringLiteral("Zuordnungsziele"));
        m_positionOrder = addGroup(positions,
                                   {QStringLiteral("Geordnet nummeriert"),
                                    QStringLiteral("Zufällig gemischt nummeriert"),
                                    QStringLiteral("Fragezeichen")},
                                   g.PositionOrder);
        more->addWidget(correct, 0, 0);
        more->addWidget(wrong, 0, 1);
        more->addWidget(cards, 1, 0);
        more->addWidget(positions, 1, 1);
        layout->addLayout(more);
        for (QGroupBox* box : m_extendedGroups)
            box->hide();
        connect(m_queryMode, &QButtonGroup::idToggled, this,
                &ExerciseOptionsDialog::queryModeChanged);
        break;
    }
    case OptionsDialogKind::Questions: {
        const QuestionExerciseOptions& q = settings.questionOptions;
        auto* mode = new QGroupBox(QStringLiteral("Abfragemodus"));
        m_onWrong = addGroup(mode,
                             {QStringLiteral("Solange wiederholen, bis jede Frage richtig "
                                             "beantwortet wurde"),
                              QStringLiteral("Jede Frage nur einmal stellen")},
                             q.OnWrong);
        auto* answers = new QGroupBox(QStringLiteral("Reihenfolge der Antwortvorgaben"));
        m_cardOrder = addGroup(answers,
                               {dokTyp == DokTyp::MultipleChoice ? QStringLiteral("Wie vorgegeben geordnet")
                                            : QStringLiteral("Alphabetisch geordnet"),
                                QStringLiteral("Zufällig gemischt")},
                               q.CardOrder);
        auto* questions = new QGroupBox(QStringLiteral("Reihenfolge der Fragen"));
        m_positionOrder = addGroup(questions,
                                   {QStringLiteral("Wie vorgegeben geordnet"),
                                    QStringLiteral("Zufällig gemischt")},
                                   q.PositionOrder);
        auto* left = new QVBoxLayout;
        left->addWidget(mode);
        left->addWidget(answers);
        left->addWidget(questions);
        top->addLayout(left);
        top->addWidget(timeGroup(q.time, QStringLiteral("Zeitlimit von:")), 0, Qt::AlignTop);
        break;
    }
    case OptionsDialogKind::Cluster: {
        const ClusterExerciseOptions& c = settings.clusterOptions;
        auto* mode = new QGroupBox(QStringLiteral("Abfragemodus"));
        m_queryMode = addGroup(mode,
                               {QStringLiteral("Freie Zuordnung"),
                                QStringLiteral("Einzelabfrage Texte/Bilder")},
                               c.QueryMode);
        top->addWidget(mode);
        top->addWidget(timeGroup(c.time, QStringLiteral("Mit Zeitlimit:")));
        break;
    }
    case OptionsDialogKind::CrossAssign:
        top->addWidget(timeGroup(settings.crossAssignTime, QStringLiteral("Mit Zeitlimit:")));
        break;
    }

    m_networkPanel = new QLabel(
        QStringLiteral("Klicken Sie auf \"Übung starten\" um die Netzwerk-Übung zu initiieren.   "
                       "     Alle getätigten Einstellungen werden an die Übungsteilnehmer "
                       "übermittelt."));
    m_networkPanel->setWordWrap(true);
    m_networkPanel->hide();
    layout->addWidget(m_networkPanel);

    layout->addStretch(1);
    m_showDialog = new QCheckBox(QStringLiteral("Dieses Dialogfenster vor jeder Übung anzeigen"));
    m_showDialog->setChecked(settings.ShowOptionsDialog);
    layout->addWidget(m_showDialog);

    auto* buttons = new QHBoxLayout;
    if (m_kind == OptionsDialogKind::General) {
        m_extendButton = new QPushButton(QStringLiteral("Erweitert..."));
        m_extendButton->setAutoDefault(false);
        connect(m_extendButton, &QPushButton::clicked, this, &ExerciseOptionsDialog::toggleExtended);
        buttons->addWidget(m_extendButton);
    }
    buttons->addStretch(1);
    auto* start = new QPushButton(QStringLiteral("Übung starten"));
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    auto* close = new QPushButton(QStringLiteral("Schließen"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(start);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    if (m_kind == OptionsDialogKind::General) {
        queryModeChanged();
        setFixedSize(kWidth, kReducedHeight);
    }
}

void ExerciseOptionsDialog::queryModeChanged()
{
    if (m_textEntryPanel)
        m_textEntryPanel->setVisible(m_queryMode->checkedId() == 3);
}

void ExerciseOptionsDialog::toggleExtended()
{
    m_extended = !m_extended;
    for (QGroupBox* box : m_extendedGroups)
        box->setVisible(m_extended);
    m_extendButton->setText(m_extended ? QStringLiteral("Reduziert...")
                                       : QStringLiteral("Erweitert..."));
    setFixedSize(kWidth, m_extended ? kFullHeight : kReducedHeight);
    if (!m_extended)
        return;
    // The full form keeps its bottom 80 pixels above the screen's bottom,
    // and its top on the screen.
    if (const QScreen* s = screen()) {
        const QRect available = s->availableGeometry();
        const int limit = available.bottom() + 1 - kScreenBottomGap;
        if (geometry().top() + kFullHeight > limit)
            move(x(), std::max(available.top(), limit - kFullHeight));
    }
}

void ExerciseOptionsDialog::setNetworkInitiation(bool on)
{
    m_networkPanel->setVisible(on);
    setWindowTitle(on ? QStringLiteral("Netzwerk-Übung initiieren") : optionsDialogTitle(m_kind));
}

bool ExerciseOptionsDialog::networkPanelShown() const
{
    return !m_networkPanel->isHidden();
}

void ExerciseOptionsDialog::store()
{
    TimeLimitSetting time;
    time.TimeMode = m_timeMode->checkedId();
    time.minutes = limitValue(m_minutes);
    time.seconds = limitValue(m_seconds);
    switch (m_kind) {
    case OptionsDialogKind::General: {
        GeneralExerciseOptions& g = m_settings.generalOptions;
        g.QueryMode = m_queryMode->checkedId();
        g.time = time;
        g.OnCorrect = m_onCorrect->checkedId();
        g.OnWrong = m_onWrong->checkedId();
        g.CardOrder = m_cardOrder->checkedId();
        g.PositionOrder = m_positionOrder->checkedId();
        g.ShowAnswerLength = m_answerLength->isChecked();
        break;
    }
    case OptionsDialogKind::Questions: {
        QuestionExerciseOptions& q = m_settings.questionOptions;
        q.OnWrong = m_onWrong->checkedId();
        q.CardOrder = m_cardOrder->checkedId();
        q.PositionOrder = m_positionOrder->checkedId();
        q.time = time;
        break;
    }
    case OptionsDialogKind::Cluster:
        m_settings.clusterOptions.QueryMode = m_queryMode->checkedId();
        m_settings.clusterOptions.time = time;
        break;
    case OptionsDialogKind::CrossAssign:
        m_settings.crossAssignTime = time;
        break;
    }
    m_settings.ShowOptionsDialog = m_showDialog->isChecked();
}

void ExerciseOptionsDialog::done(int result)
{
    store();
    // Closing ends a network initiation's panel and title.
    setNetworkInitiation(false);
    QDialog::done(result);
}

QString optionsDuringRunText()
{
    return QStringLiteral(
        "Die Übungseinstellungen können nicht während der Übung geändert werden.");
}

bool openExerciseOptions(int dokTyp, bool exerciseRunning, Settings& settings,
                         Prompter& prompter, QWidget* parent)
{
    if (exerciseRunning) {
        prompter.information(optionsDuringRunText());
        return false;
    }
    ExerciseOptionsDialog dialog(dokTyp, settings, parent);
    return runDialog(dialog) == QDialog::Accepted;
}

} // namespace velunto
