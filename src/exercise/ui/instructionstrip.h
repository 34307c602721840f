#pragma once

#include "exercise/exerciserun.h"

#include <QWidget>

class QLabel;

namespace velunto {

// The strip right of the page during a run: the instruction after a thin
// bar along the page edge, and 100 pixels below its top the feedback line
// (the right or wrong text, or the tick counts of a multiple-choice answer).
class InstructionStrip : public QWidget
{
    Q_OBJECT
  public:
    explicit InstructionStrip(QWidget* parent);

    void setInstruction(const QString& text);
    void setFeedback(const Feedback& feedback, const FeedbackSettings& labels);
    QString instruction() const;
    QString feedbackText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void place();

    QLabel* m_instruction;
    QLabel* m_feedback;
};

} // namespace velunto
