#pragma once

#include "exercise/exerciserun.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velunto {

// The scale picture of the result window.
class ScalePicture : public QWidget
{
  public:
    explicit ScalePicture(QWidget* parent = nullptr);
    void setResult(double performance, const GradingScale& scale);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double m_performance = 0.0;
    GradingScale m_scale;
};

// The window at the end of a run: the figures, the rating and the grade or
// points with the scale picture, the repeat choice and the way on. It is
// modal for the program but does not block its caller.
class ResultWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit ResultWindow(QWidget* parent);

    void showResult(const ExerciseResult& result);

    // The figure of a row ("Richtig gelöst:", ...) as shown.
    QString figure(const QString& caption) const;
    int repeatMode() const;
    void setRepeatMode(int mode);
    QPushButton* button(const QString& caption) const;

    // Without a best list (a document never saved) "In Bestenliste
    // eintragen" and "Bestenliste..." are disabled, reason their tooltip.
    void setBestListAvailable(bool available, const QString& reason = {});
    void setProtocolAvailable(bool available);

  Q_SIGNALS:
    void repeatRequested(int repeatMode);
    void closeRequested();
    void protocolRequested();
    void bestListRequested();
    void enterBestListRequested();

  protected:
    void reject() override;

  private:
    QLabel* addRow(const QString& caption);

    std::vector<std::pair<QLabel*, QLabel*>> m_rows;
    QLabel* m_gradeCaption = nullptr;
    QLabel* m_gradeValue = nullptr;
    QLabel* m_bestListNote = nullptr;
    ScalePicture* m_scale = nullptr;
    QRadioButton* m_complete = nullptr;
    QRadioButton* m_partial = nullptr;
    QPushButton* m_enter = nullptr;
    QPushButton* m_protocol = nullptr;
    QPushButton* m_bestList = nullptr;
    bool m_bestListAvailable = false;
    QString m_bestListReason;
};

// "Teilnehmername eingeben".
class NameDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit NameDialog(QWidget* parent);
    QString name() const;
    void setName(const QString& name);

  private:
    QLineEdit* m_name;
};

} // namespace velunto
