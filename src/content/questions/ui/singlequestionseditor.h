#pragma once

#include "content/questions/ui/editorhooks.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velunto {

class ColourButton;
class Document;
class Prompter;

// "Einzelfragen bearbeiten": one text with a question per line, each
// followed by "//" and its answer, a counter of the questions, and the text
// and button colours. Only OK changes the document; it then becomes a
// single-questions document built from the text.
class SingleQuestionsEditor : public QDialog
{
    Q_OBJECT
  public:
    SingleQuestionsEditor(Document& document, Prompter& prompter, EditorHooks hooks,
                          QWidget* parent = nullptr);

    QPlainTextEdit* textField() const { return m_text; }
    QString counterText() const;
    QPushButton* button(const QString& caption) const;

    void accept() override;
    void reject() override;

  private:
    void updateCounter();
    void insertFromFile();
    QString folder() const;

    Document& m_document;
    Prompter& m_prompter;
    EditorHooks m_hooks;
    QPlainTextEdit* m_text = nullptr;
    QLabel* m_counter = nullptr;
    ColourButton* m_textColour = nullptr;
    ColourButton* m_buttonBackground = nullptr;
    ColourButton* m_buttonSymbols = nullptr;
};

} // namespace velunto
