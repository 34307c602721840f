#pragma once

#include "exercise/gradingscaleentries.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace velunto {

class Prompter;

// "Noten-/Punkteskala zur Bewertung der Übungsergebnisse" (menu
// "Notens&kala..."): the scale kind and the minimum performance of every
// grade and point value.
class GradingScaleDialog : public QDialog
{
    Q_OBJECT
  public:
    GradingScaleDialog(const GradingScale& scale, Prompter& prompter, QWidget* parent = nullptr);

    // The scale after "OK".
    const GradingScale& scale() const { return m_scale; }

    void selectKind(int kind);
    int kind() const;
    QLineEdit* gradeEdit(int row) const { return m_grades[size_t(row)]; }
    QLineEdit* pointsEdit(int points) const { return m_points[size_t(points)]; }
    QLabel* gradeLabel(int row) const { return m_gradeLabels[size_t(row)]; }
    bool pointsRowShown(int points) const;

    void accept() override;

  private:
    void kindChanged(int kind);
    GradingScaleEntries entries() const;

    Prompter& m_prompter;
    GradingScale m_scale;
    QButtonGroup* m_kinds;
    std::array<QLineEdit*, 7> m_grades{};
    std::array<QLabel*, 7> m_gradeLabels{};
    std::array<QLineEdit*, 16> m_points{};
    std::array<QList<QWidget*>, 16> m_pointsRows{};
    int m_shownKind = -1;
};

} // namespace velunto
