#pragma once

#include "content/multiplechoice/mcquestion.h"
#include "content/questions/ui/questioneditordialog.h"
#include "content/ui/editorregistry.h"

#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace velunto {

class ColourButton;

// "Multiple-Choice-Fragen bearbeiten" (TMultipleChoiceEditForm): the list of questions on the left,
// the selected question's text, answers (texts or up to 12 pictures),
// optional picture, info point and link on the right, and the colours of
// the navigation buttons. The editor works on its own list; only OK changes
// the document. Field edits are stored into the selected question when
// another question is chosen and before OK.
class MultipleChoiceEditor : public QuestionEditorDialog
{
    Q_OBJECT
  public:
    MultipleChoiceEditor(Document& document, Prompter& prompter, QWidget* parent = nullptr);

    // The questions as edited so far (the fields stored first).
    const std::vector<McQuestion>& questions();
    int currentQuestion() const { return m_current; }
    void selectQuestion(int index);
    int currentPictureAnswer() const;
    void selectPictureAnswer(int index);

    // The commands, as their buttons run them.
    void newQuestion();
    void duplicateQuestion();
    void deleteQuestion();
    void moveQuestion(int step);
    void clearQuestions();
    void setAnswerKind(int kind);
    void newPictureAnswer();
    void deletePictureAnswer();
    void movePictureAnswer(int step);
    void setPictureAnswerCorrect(bool correct);
    void pictureAnswerFromClipboard();
    void pictureAnswerFromFile();
    void pictureAnswerToClipboard();
    void questionPictureFromClipboard();
    void questionPictureFromFile();
    void questionPictureToClipboard();
    void deleteQuestionPicture();

    QPlainTextEdit* questionField() const { return m_question; }
    QPlainTextEdit* answersField() const { return m_answers; }
    QPlainTextEdit* infoField() const { return m_info; }
    QLineEdit* linkField() const { return m_link; }
    QListWidget* questionList() const { return m_list; }
    QListWidget* pictureAnswerList() const { return m_pictureList; }

    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildQuestionList();
    QWidget* buildQuestionPanel();
    QWidget* buildAnswerPanel();
    QWidget* buildPicturePanel();
    QWidget* buildInfoPanel();
    QWidget* buildLinkPanel();
    QWidget* buildColourPanel();

    // Fields <-> the selected question.
    void storeFields();
    void showFields();
    void relabelQuestions();
    void showPictureAnswers(int select);
    void showPictures();

    McQuestion& current() { return m_questions[std::size_t(m_current)]; }
    McPictureAnswer* selectedPictureAnswer();
    bool setPictureAnswerPicture(std::optional<Picture> picture);
    void textFromFile(QPlainTextEdit* field);
    void browseLink();
    QString folder() const;

    std::vector<McQuestion> m_questions;
    int m_current = -1;
    bool m_showing = false;

    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_question = nullptr;
    QRadioButton* m_textAnswers = nullptr;
    QRadioButton* m_pictureAnswers = nullptr;
    QStackedWidget* m_answerStack = nullptr;
    QPlainTextEdit* m_answers = nullptr;
    QListWidget* m_pictureList = nullptr;
    QRadioButton* m_correct = nullptr;
    QRadioButton* m_notCorrect = nullptr;
    QLabel* m_answerPicture = nullptr;
    QLabel* m_questionPicture = nullptr;
    QPlainTextEdit* m_info = nullptr;
    QLineEdit* m_infoTitle = nullptr;
    ColourButton* m_infoTitleColour = nullptr;
    ColourButton* m_infoBackground = nullptr;
    QComboBox* m_infoOpacity = nullptr;
    QLineEdit* m_link = nullptr;
    QLineEdit* m_linkTitle = nullptr;
    ColourButton* m_linkTitleColour = nullptr;
    ColourButton* m_linkBackground = nullptr;
    QComboBox* m_linkOpacity = nullptr;
    ColourButton* m_buttonBackground = nullptr;
    ColourButton* m_buttonSymbols = nullptr;
    ColourButton* m_textColour = nullptr;
};

// Opens the multiple-choice editor on the host's document; true when OK
// applied it. The document may be of any type: OK makes it one of
// multiple-choice questions.
bool openMultipleChoiceEditor(EditorHost& host);

} // namespace velunto
