#pragma once

#include "exercise/exerciserun.h"

#include <QDialog>
#include <QFrame>

class QLabel;

namespace velunto {

// The figures of a running exercise above the page: participant, correct
// answers of all, failed attempts, success rate, total performance and the
// clock. Its "?" opens "Information zu den Kennzahlen".
class StatusPanel : public QFrame
{
    Q_OBJECT
  public:
    explicit StatusPanel(QWidget* parent = nullptr);
    void showFigures(const StatusFigures& figures);

    QString figure(const QString& name) const;

  private:
    QLabel* value(const QString& name);

    QLabel* m_name;
    QLabel* m_correct;
    QLabel* m_total;
    QLabel* m_wrong;
    QLabel* m_success;
    QLabel* m_performance;
    QLabel* m_clockLabel;
    QLabel* m_clock;
};

// "Information zu den Kennzahlen": what the figures of an exercise mean.
class FiguresInfo : public QDialog
{
    Q_OBJECT
  public:
    explicit FiguresInfo(QWidget* parent);
    static QString text();
};

} // namespace velunto
