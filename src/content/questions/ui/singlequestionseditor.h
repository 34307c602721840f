#pragma once

#include "content/questions/ui/questioneditordialog.h"
#include "content/ui/editorregistry.h"

class QLabel;
class QPlainTextEdit;

namespace velunto {

class ColourButton;

// "Einzelfragen bearbeiten" (TFragenEditForm): one text with a question per
// line, each followed by "//" and its answer, a counter of the questions,
// and the text and button colours. Only OK changes the document; it then
// becomes a single-questions document built from the text.
class SingleQuestionsEditor : public QuestionEditorDialog
{
    Q_OBJECT
  public:
    SingleQuestionsEditor(Document& document, Prompter& prompter, QWidget* parent = nullptr);

    QPlainTextEdit* textField() const { return m_text; }
    QString counterText() const;

    void insertFromFile();
    void accept() override;

  private:
    void updateCounter();
    QString folder() const;

    QPlainTextEdit* m_text = nullptr;
    QLabel* m_counter = nullptr;
    ColourButton* m_textColour = nullptr;
    ColourButton* m_buttonBackground = nullptr;
    ColourButton* m_buttonSymbols = nullptr;
};

// Opens the single-questions editor on the host's document; true when OK
// applied it. The document may be of any type: OK makes it one of single
// questions.
bool openSingleQuestionsEditor(EditorHost& host);

} // namespace velunto
