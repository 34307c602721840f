#include "exercise/ui/gradingscaledialog.h"

#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velunto {

namespace {

QLineEdit* percentEdit(const QString& text, bool editable)
{
    auto* edit = new QLineEdit(text);
    edit->setMaximumWidth(60);
    edit->setAlignment(Qt::AlignRight);
    edit->setReadOnly(!editable);
    edit->setEnabled(editable);
    return edit;
}

} // namespace

GradingScaleDialog::GradingScaleDialog(const GradingScale& scale, Prompter& prompter,
                                       QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_scale(scale), m_kinds(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Noten-/Punkteskala zur Bewertung der Übungsergebnisse"));
    const GradingScaleEntries e = GradingScaleEntries::from(scale);

    auto* kindBox = new QGroupBox(QStringLiteral("Verwendete Skala zur Bewertung"));
    auto* kindLayout = new QVBoxLayout(kindBox);
    const QStringList items = gradingScaleKindItems();
    for (int k = 0; k < items.size(); ++k) {
        auto* button = new QRadioButton(items[k]);
        m_kinds->addButton(button, k);
        kindLayout->addWidget(button);
    }

    auto* gradeBox = new QGroupBox(QStringLiteral("Notenskala: Mindestleistung"));
    auto* gradeGrid = new QGridLayout(gradeBox);
    for (int row = 1; row <= 6; ++row) {
        m_gradeLabels[size_t(row)] = new QLabel;
        m_grades[size_t(row)] = percentEdit(e.grades[size_t(row)], row < 6);
        gradeGrid->addWidget(m_gradeLabels[size_t(row)], row, 0);
        gradeGrid->addWidget(m_grades[size_t(row)], row, 1);
        gradeGrid->addWidget(new QLabel(QStringLiteral("%")), row, 2);
        gradeGrid->addWidget(
            new QLabel(QStringLiteral("empfohlen: %1").arg(recommendedGradePercent(row))), row, 3);
    }
    gradeGrid->setRowStretch(7, 1);

    auto* pointsBox = new QGroupBox(QStringLiteral("Punkteskala: Mindestleistung"));
    auto* pointsGrid = new QGridLayout(pointsBox);
    for (int k = 15; k >= 0; --k) {
        const int row = 15 - k;
        auto* label = new QLabel(QStringLiteral("%1 Punkte").arg(k));
        m_points[size_t(k)] = percentEdit(e.points[size_t(k)], k > 0);
        auto* percent = new QLabel(QStringLiteral("%"));
        auto* recommended =
            new QLabel(QStringLiteral("empfohlen: %1").arg(recommendedPointsPercent(k)));
        pointsGrid->addWidget(label, row, 0);
        pointsGrid->addWidget(m_points[size_t(k)], row, 1);
        pointsGrid->addWidget(percent, row, 2);
        pointsGrid->addWidget(recommended, row, 3);
        m_pointsRows[size_t(k)] = {label, m_points[size_t(k)], percent, recommended};
    }

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(kindBox);
    left->addWidget(gradeBox);
    left->addWidget(new QLabel(
        QStringLiteral("Die Noten-/Punkteskala kann während einer Übung nicht geändert werden.")));
    left->addStretch(1);
    columns->addLayout(left);
    columns->addWidget(pointsBox);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(okCancelButtons(this));

    const int kind = scale.GradingScaleKind >= 0 && scale.GradingScaleKind <= 4
                         ? scale.GradingScaleKind
                         : 0;
    m_kinds->button(kind)->setChecked(true);
    m_shownKind = kind;
    kindChanged(kind);
    connect(m_kinds, &QButtonGroup::idClicked, this, &GradingScaleDialog::kindChanged);
}

void GradingScaleDialog::selectKind(int kind)
{
    if (QAbstractButton* b = m_kinds->button(kind)) {
        b->setChecked(true);
        kindChanged(kind);
    }
}

int GradingScaleDialog::kind() const
{
    return m_kinds->checkedId();
}

bool GradingScaleDialog::pointsRowShown(int points) const
{
    return !m_pointsRows[size_t(points)].front()->isHidden();
}

void GradingScaleDialog::kindChanged(int kind)
{
    // Switching scales adjusts the fifth grade: the five-grade scale from 1
    // to 5 has no use for it, the six-grade scale needs it back.
    if (kind != m_shownKind) {
        if (kind == 1)
            m_grades[5]->setText(QStringLiteral("0,0"));
        else if (kind == 0 && entryPercent(m_grades[5]->text()) == 0.0)
            m_grades[5]->setText(QStringLiteral("25,0"));
        m_shownKind = kind;
    }
    for (int row = 1; row <= 6; ++row)
        m_gradeLabels[size_t(row)]->setText(gradeRowLabel(kind, row));
    for (int k = 13; k <= 15; ++k)
        for (QWidget* w : m_pointsRows[size_t(k)])
            w->setHidden(kind == 4);
}

GradingScaleEntries GradingScaleDialog::entries() const
{
    GradingScaleEntries e;
    e.kind = kind();
    for (int row = 1; row <= 6; ++row)
        e.grades[size_t(row)] = m_grades[size_t(row)]->text();
    for (int k = 0; k <= 15; ++k)
        e.points[size_t(k)] = m_points[size_t(k)]->text();
    return e;
}

void GradingScaleDialog::accept()
{
    const auto result = gradingScaleFromEntries(entries());
    if (const auto* message = std::get_if<QString>(&result)) {
        m_prompter.error(*message);
        return;
    }
    m_scale = std::get<GradingScale>(result);
    QDialog::accept();
}

} // namespace velunto
