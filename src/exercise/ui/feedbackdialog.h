#pragma once

#include "shell/settings.h"

#include <QDialog>

class QLineEdit;

namespace velunto {

class Prompter;

// "Übungsrückmeldung": the texts and sounds after right and wrong answers
// and the three labels of the tick counts. OK takes all seven values.
class FeedbackDialog : public QDialog
{
    Q_OBJECT
  public:
    FeedbackDialog(const FeedbackSettings& settings, const QString& soundFolder, Prompter& prompter,
                   QWidget* parent);

    FeedbackSettings settings() const;
    QLineEdit* field(const QString& name) const;

  private:
    QLineEdit* add(const char* name, const QString& value);
    void browse(QLineEdit* field);

    QString m_soundFolder;
    Prompter& m_prompter;
    QLineEdit* m_correctText;
    QLineEdit* m_wrongText;
    QLineEdit* m_correctSound;
    QLineEdit* m_wrongSound;
    QLineEdit* m_rightTicks;
    QLineEdit* m_wrongTicks;
    QLineEdit* m_missingTicks;
};

} // namespace velunto
