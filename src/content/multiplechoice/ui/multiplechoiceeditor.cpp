#include "content/multiplechoice/ui/multiplechoiceeditor.h"

#include "common/numeric.h"
#include "content/questions/ui/colourbutton.h"
#include "content/textfile.h"
#include "content/ui/editorfont.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"
#include "view/objecteditor.h"
#include "view/ui/picturesource.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velunto {

namespace {

const QSize kPreview(160, 110);

QString toFieldText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString fromFieldText(QString text)
{
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

QComboBox* opacityList()
{
    auto* list = new QComboBox;
    list->addItem(QStringLiteral("transparent"));
    for (int p = 10; p <= 90; p += 10)
        list->addItem(QStringLiteral("%1%").arg(p));
    list->addItem(QStringLiteral("deckend"));
    return list;
}

int opacityIndex(int percent)
{
    return std::clamp(rnd(percent / 10.0), 0, 10);
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return layout;
}

void showPicture(QLabel* label, const Picture& picture)
{
    if (picture.isNull()) {
        label->setPixmap({});
        label->setText(QStringLiteral("(kein Bild)"));
        return;
    }
    label->setText({});
    label->setPixmap(QPixmap::fromImage(
        picture.scaled(kPreview, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace

MultipleChoiceEditor::MultipleChoiceEditor(Document& document, Prompter& prompter, QWidget* parent)
    : QuestionEditorDialog(document, prompter, parent)
{
    setWindowTitle(QStringLiteral("Multiple-Choice-Fragen bearbeiten"));
    m_questions = mcQuestionsOf(document);
    if (m_questions.empty())
        m_questions.push_back(newMcQuestion());

    auto* middle = new QVBoxLayout;
    middle->addWidget(buildQuestionPanel());
    middle->addWidget(buildAnswerPanel(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildPicturePanel());
    right->addWidget(buildInfoPanel());
    right->addWidget(buildLinkPanel());
    right->addWidget(buildColourPanel());
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildQuestionList());
    columns->addLayout(middle, 1);
    columns->addLayout(right);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(marginsButton());
    bottom->addWidget(fontButton());
    bottom->addWidget(galleryButton());
    bottom->addStretch();
    bottom->addWidget(okCancelButtons(this));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);

    relabelQuestions();
    selectQuestion(0);
    makeOkTheDefault();
}

// --- building ---------------------------------------------------------------------------

QWidget* MultipleChoiceEditor::buildQuestionList()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QListWidget;
    m_list->setMaximumWidth(130);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_showing && row >= 0)
            selectQuestion(row);
    });
    layout->addWidget(m_list, 1);
    const std::pair<const char*, void (MultipleChoiceEditor::*)()> commands[] = {
        {"Neue Frage", &MultipleChoiceEditor::newQuestion},
        {"Duplizieren", &MultipleChoiceEditor::duplicateQuestion},
        {"Löschen", &MultipleChoiceEditor::deleteQuestion},
        {"Alles löschen", &MultipleChoiceEditor::clearQuestions},
    };
    for (const auto& [caption, command] : commands) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setObjectName(QStringLiteral("question:") + QString::fromUtf8(caption));
        connect(b, &QPushButton::clicked, this, command);
        layout->addWidget(b);
    }
    auto* up = new QPushButton(QStringLiteral("nach oben"));
    auto* down = new QPushButton(QStringLiteral("nach unten"));
    connect(up, &QPushButton::clicked, this, [this] { moveQuestion(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveQuestion(1); });
    layout->insertWidget(4, up);
    layout->insertWidget(5, down);
    return box;
}

QWidget* MultipleChoiceEditor::buildQuestionPanel()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_question = new QPlainTextEdit;
    m_question->setMinimumWidth(360);
    m_question->setMaximumHeight(90);
    useEditorFont(m_question);
    auto* label = new QLabel(QStringLiteral("&Fragetext:"));
    label->setBuddy(m_question);
    auto* fromFile = new QPushButton(QStringLiteral("aus Datei einfügen..."));
    auto* fromClipboard = new QPushButton(QStringLiteral("aus Zw.abl. einfügen"));
    auto* toClipboard = new QPushButton(QStringLiteral("In Zw.abl. kopieren"));
    connect(fromFile, &QPushButton::clicked, this, [this] { textFromFile(m_question); });
    connect(fromClipboard, &QPushButton::clicked, this, [this] { m_question->paste(); });
    connect(toClipboard, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(fromFieldText(m_question->toPlainText()));
    });
    layout->addWidget(label);
    layout->addWidget(m_question);
    layout->addLayout(row({fromFile, fromClipboard, toClipboard}));
    return box;
}

QWidget* MultipleChoiceEditor::buildAnswerPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Antworten"));
    auto* layout = new QVBoxLayout(box);
    m_textAnswers = new QRadioButton(QStringLiteral(" &Text-Antworten "));
    m_pictureAnswers = new QRadioButton(QStringLiteral(" &Bild-Antworten "));
    auto* kinds = new QButtonGroup(box);
    kinds->addButton(m_textAnswers, 0);
    kinds->addButton(m_pictureAnswers, 1);
    connect(kinds, &QButtonGroup::idClicked, this, [this](int kind) { setAnswerKind(kind); });
    layout->addLayout(row({m_textAnswers, m_pictureAnswers}));

    m_answerStack = new QStackedWidget;
    auto* textPage = new QWidget;
    auto* textLayout = new QVBoxLayout(textPage);
    textLayout->setContentsMargins(0, 0, 0, 0);
    auto* hint = new QLabel(QStringLiteral(
        "Eine Antwort pro Zeile; \"+\" vor zutreffenden, \"-\" vor nicht zutreffenden Antworten."));
    hint->setWordWrap(true);
    m_answers = new QPlainTextEdit;
    m_answers->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_answers->installEventFilter(this);
    useEditorFont(m_answers);
    textLayout->addWidget(hint);
    textLayout->addWidget(m_answers, 1);
    m_answerStack->addWidget(textPage);

    auto* picturePage = new QWidget;
    auto* pictureLayout = new QGridLayout(picturePage);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    m_pictureList = new QListWidget;
    connect(m_pictureList, &QListWidget::currentRowChanged, this, [this] {
        if (m_showing)
            return;
        const McPictureAnswer* answer = selectedPictureAnswer();
        showPicture(m_answerPicture, answer ? answer->picture : Picture());
        if (answer) {
            (answer->correct ? m_correct : m_notCorrect)->setChecked(true);
        }
    });
    pictureLayout->addWidget(m_pictureList, 0, 0, 4, 1);
    auto* listButtons = new QVBoxLayout;
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Neue Antwort", [this] { newPictureAnswer(); }},
        {"Löschen", [this] { deletePictureAnswer(); }},
        {"nach oben", [this] { movePictureAnswer(-1); }},
        {"nach unten", [this] { movePictureAnswer(1); }},
    };
    for (const auto& [caption, command] : commands) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setObjectName(QStringLiteral("answer:") + QString::fromUtf8(caption));
        connect(b, &QPushButton::clicked, this, command);
        listButtons->addWidget(b);
    }
    listButtons->addStretch();
    pictureLayout->addLayout(listButtons, 0, 1, 4, 1);
    m_correct = new QRadioButton(QStringLiteral(" &zutreffend (+) "));
    m_notCorrect = new QRadioButton(QStringLiteral(" n&icht zutreffend (-) "));
    auto* marks = new QButtonGroup(picturePage);
    marks->addButton(m_correct, 1);
    marks->addButton(m_notCorrect, 0);
    connect(marks, &QButtonGroup::idClicked, this,
            [this](int id) { setPictureAnswerCorrect(id == 1); });
    m_answerPicture = new QLabel;
    m_answerPicture->setMinimumSize(kPreview);
    m_answerPicture->setAlignment(Qt::AlignCenter);
    auto* fromClipboard = new QPushButton(QStringLiteral("aus Zwisch.abl."));
    auto* fromFile = new QPushButton(QStringLiteral("aus Datei..."));
    auto* toClipboard = new QPushButton(QStringLiteral("In Zw.abl. kopieren"));
    fromClipboard->setObjectName(QStringLiteral("answer:aus Zwisch.abl."));
    fromFile->setObjectName(QStringLiteral("answer:aus Datei..."));
    toClipboard->setObjectName(QStringLiteral("answer:In Zw.abl. kopieren"));
    connect(fromClipboard, &QPushButton::clicked, this,
            &MultipleChoiceEditor::pictureAnswerFromClipboard);
    connect(fromFile, &QPushButton::clicked, this, &MultipleChoiceEditor::pictureAnswerFromFile);
    connect(toClipboard, &QPushButton::clicked, this,
            &MultipleChoiceEditor::pictureAnswerToClipboard);
    pictureLayout->addLayout(row({m_correct, m_notCorrect}), 0, 2);
    pictureLayout->addWidget(m_answerPicture, 1, 2);
    pictureLayout->addLayout(row({fromClipboard, fromFile, toClipboard}), 2, 2);
    m_answerStack->addWidget(picturePage);
    layout->addWidget(m_answerStack, 1);
    return box;
}

QWidget* MultipleChoiceEditor::buildPicturePanel()
{
    auto* box = new QGroupBox(QStringLiteral("Bild zur Frage (optional)"));
    auto* layout = new QVBoxLayout(box);
    m_questionPicture = new QLabel;
    m_questionPicture->setMinimumSize(kPreview);
    m_questionPicture->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_questionPicture);
    const std::pair<const char*, void (MultipleChoiceEditor::*)()> commands[] = {
        {"aus Zwisch.abl.", &MultipleChoiceEditor::questionPictureFromClipboard},
        {"aus Datei...", &MultipleChoiceEditor::questionPictureFromFile},
        {"Löschen", &MultipleChoiceEditor::deleteQuestionPicture},
        {"In Zw.abl. kopieren", &MultipleChoiceEditor::questionPictureToClipboard},
    };
    auto* buttons = new QGridLayout;
    int i = 0;
    for (const auto& [caption, command] : commands) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setObjectName(QStringLiteral("picture:") + QString::fromUtf8(caption));
        connect(b, &QPushButton::clicked, this, command);
        buttons->addWidget(b, i / 2, i % 2);
        ++i;
    }
    layout->addLayout(buttons);
    return box;
}

QWidget* MultipleChoiceEditor::buildInfoPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Infopunkt zur Frage (optional)"));
    auto* layout = new QVBoxLayout(box);
    m_info = new QPlainTextEdit;
    m_info->setMaximumHeight(70);
    useEditorFont(m_info);
    layout->addWidget(m_info);
    auto* fromClipboard = new QPushButton(QStringLiteral("aus Zwisch.abl."));
    auto* fromFile = new QPushButton(QStringLiteral("aus Datei..."));
    auto* toClipboard = new QPushButton(QStringLiteral("In Zw.abl. kopieren"));
    auto* clear = new QPushButton(QStringLiteral("Löschen"));
    clear->setObjectName(QStringLiteral("info:Löschen"));
    connect(fromClipboard, &QPushButton::clicked, this, [this] { m_info->paste(); });
    connect(fromFile, &QPushButton::clicked, this, [this] { textFromFile(m_info); });
    connect(toClipboard, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(fromFieldText(m_info->toPlainText())); });
    connect(clear, &QPushButton::clicked, this, [this] { m_info->clear(); });
    layout->addLayout(row({fromClipboard, fromFile, toClipboard, clear}));
    m_infoTitle = new QLineEdit;
    m_infoTitleColour = new ColourButton(QStringLiteral("Titelfarbe:"), 0xFFFFFF, m_prompter);
    m_infoBackground = new ColourButton(QStringLiteral("Hintergrundfarbe:"), 0xFD5F00, m_prompter);
    m_infoOpacity = opacityList();
    layout->addLayout(row({new QLabel(QStringLiteral("Punkttitel:")), m_infoTitle}));
    layout->addLayout(row({m_infoTitleColour, m_infoBackground,
                           new QLabel(QStringLiteral("Deckkraft:")), m_infoOpacity}));
    return box;
}

QWidget* MultipleChoiceEditor::buildLinkPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Ext. Link zur Frage (optional)"));
    auto* layout = new QVBoxLayout(box);
    m_link = new QLineEdit;
    layout->addLayout(row({new QLabel(QStringLiteral("Verknüpfte Datei:")), m_link}));
    auto* browse = new QPushButton(QStringLiteral("Durchsuchen..."));
    auto* relative = new QPushButton(QStringLiteral("In relativen Pfad umwandeln"));
    auto* clear = new QPushButton(QStringLiteral("Löschen"));
    clear->setObjectName(QStringLiteral("link:Löschen"));
    connect(browse, &QPushButton::clicked, this, &MultipleChoiceEditor::browseLink);
    connect(relative, &QPushButton::clicked, this, [this] {
        m_link->setText(pathRelativeToDocument(m_link->text(), m_document.header.FileName));
    });
    connect(clear, &QPushButton::clicked, this, [this] { m_link->clear(); });
    layout->addLayout(row({browse, relative, clear}));
    m_linkTitle = new QLineEdit;
    m_linkTitleColour = new ColourButton(QStringLiteral("Titelfarbe:"), 0xFFFFFF, m_prompter);
    m_linkBackground = new ColourButton(QStringLiteral("Hintergrundfarbe:"), 0x2F35A4, m_prompter);
    m_linkOpacity = opacityList();
    layout->addLayout(row({new QLabel(QStringLiteral("Punkttitel:")), m_linkTitle}));
    layout->addLayout(row({m_linkTitleColour, m_linkBackground,
                           new QLabel(QStringLiteral("Deckkraft:")), m_linkOpacity}));
    return box;
}

QWidget* MultipleChoiceEditor::buildColourPanel()
{
    const HeaderDataTyp& header = m_document.header;
    auto* box = new QGroupBox(QStringLiteral("Farben der Navigationsknöpfe"));
    auto* layout = new QHBoxLayout(box);
    m_buttonBackground =
        new ColourButton(QStringLiteral("Hintergr.:"), header.FragBtnHtgdCol, m_prompter);
    m_buttonSymbols = new ColourButton(QStringLiteral("Symb.:"), header.FragBtnTextCol, m_prompter);
    m_textColour = new ColourButton(QStringLiteral("Textfarbe"), header.TextCol, m_prompter);
    layout->addWidget(m_buttonBackground);
    layout->addWidget(m_buttonSymbols);
    layout->addWidget(m_textColour);
    layout->addStretch();
    return box;
}

// --- fields and the selected question ---------------------------------------------------

bool MultipleChoiceEditor::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the text answers stores them with their marks completed.
    if (watched == m_answers && event->type() == QEvent::FocusOut)
        storeFields();
    return QDialog::eventFilter(watched, event);
}

void MultipleChoiceEditor::storeFields()
{
    if (m_showing || m_current < 0 || m_current >= int(m_questions.size()))
        return;
    McQuestion& q = current();
    q.question = fromFieldText(m_question->toPlainText());
    q.answers = normalizedTextAnswers(fromFieldText(m_answers->toPlainText()));
    if (toFieldText(q.answers) != m_answers->toPlainText()) {
        m_showing = true;
        m_answers->setPlainText(toFieldText(q.answers));
        m_showing = false;
    }
    q.info = fromFieldText(m_info->toPlainText());
    q.infoTitle = m_infoTitle->text();
    q.link = m_link->text();
    q.linkTitle = m_linkTitle->text();
    q.infoLink = {int(m_infoTitleColour->colour()),   int(m_linkTitleColour->colour()),
                  int(m_infoBackground->colour()),    int(m_linkBackground->colour()),
                  m_infoOpacity->currentIndex() * 10, m_linkOpacity->currentIndex() * 10};
}

void MultipleChoiceEditor::showFields()
{
    const McQuestion& q = current();
    m_showing = true;
    m_question->setPlainText(toFieldText(q.question));
    m_answers->setPlainText(toFieldText(q.answers));
    (q.answerKind == 1 ? m_pictureAnswers : m_textAnswers)->setChecked(true);
    m_answerStack->setCurrentIndex(q.answerKind == 1 ? 1 : 0);
    m_info->setPlainText(toFieldText(q.info));
    m_infoTitle->setText(q.infoTitle);
    m_link->setText(q.link);
    m_linkTitle->setText(q.linkTitle);
    m_infoTitleColour->setColour(q.infoLink[0]);
    m_linkTitleColour->setColour(q.infoLink[1]);
    m_infoBackground->setColour(q.infoLink[2]);
    m_linkBackground->setColour(q.infoLink[3]);
    m_infoOpacity->setCurrentIndex(opacityIndex(q.infoLink[4]));
    m_linkOpacity->setCurrentIndex(opacityIndex(q.infoLink[5]));
    m_showing = false;
    showPictureAnswers(q.pictureAnswers.empty() ? -1 : 0);
    showPictures();
}

void MultipleChoiceEditor::relabelQuestions()
{
    m_showing = true;
    m_list->clear();
    for (int i = 1; i <= int(m_questions.size()); ++i)
        m_list->addItem(QStringLiteral("Frage ") + QString::number(i));
    m_showing = false;
}

void MultipleChoiceEditor::selectQuestion(int index)
{
    if (index < 0 || index >= int(m_questions.size()))
        return;
    if (index != m_current)
        storeFields();
    m_current = index;
    m_showing = true;
    m_list->setCurrentRow(index);
    m_showing = false;
    showFields();
}

const std::vector<McQuestion>& MultipleChoiceEditor::questions()
{
    storeFields();
    return m_questions;
}

void MultipleChoiceEditor::showPictureAnswers(int select)
{
    const McQuestion& q = current();
    m_showing = true;
    m_pictureList->clear();
    for (int i = 0; i < int(q.pictureAnswers.size()); ++i)
        m_pictureList->addItem(
            (q.pictureAnswers[i].correct ? QStringLiteral("+") : QStringLiteral("-")) +
            QStringLiteral(" Bild ") + QString::number(i + 1));
    m_showing = false;
    m_pictureList->setCurrentRow(select);
    if (select < 0)
        showPicture(m_answerPicture, {});
}

void MultipleChoiceEditor::showPictures()
{
    showPicture(m_questionPicture, current().picture);
    const McPictureAnswer* answer = selectedPictureAnswer();
    showPicture(m_answerPicture, answer ? answer->picture : Picture());
}

// --- the question list ---------------------------------------------------------------

void MultipleChoiceEditor::newQuestion()
{
    storeFields();
    m_questions.push_back(newMcQuestion());
    relabelQuestions();
    m_current = -1;
    selectQuestion(int(m_questions.size()) - 1);
}

void MultipleChoiceEditor::duplicateQuestion()
{
    storeFields();
    m_questions.push_back(duplicatedMcQuestion(current()));
    relabelQuestions();
    m_current = -1;
    selectQuestion(int(m_questions.size()) - 1);
}

void MultipleChoiceEditor::deleteQuestion()
{
    const int n = m_current;
    if (!m_prompter.confirm(QStringLiteral("Die aktuelle Frage Nr. ") + QString::number(n + 1) +
                            QStringLiteral(" löschen?")))
        return;
    m_questions.erase(m_questions.begin() + n);
    if (m_questions.empty())
        m_questions.push_back(newMcQuestion());
    relabelQuestions();
    m_current = -1;
    selectQuestion(std::min(n, int(m_questions.size()) - 1));
}

void MultipleChoiceEditor::moveQuestion(int step)
{
    const int other = m_current + step;
    if (other < 0 || other >= int(m_questions.size()))
        return;
    storeFields();
    std::swap(m_questions[std::size_t(m_current)], m_questions[std::size_t(other)]);
    m_current = -1;
    selectQuestion(other);
}

void MultipleChoiceEditor::clearQuestions()
{
    if (!m_prompter.confirm(QStringLiteral("Alle Fragen löschen?")))
        return;
    m_questions.assign(1, newMcQuestion());
    relabelQuestions();
    m_current = -1;
    selectQuestion(0);
}

void MultipleChoiceEditor::setAnswerKind(int kind)
{
    current().answerKind = kind == 1 ? 1 : 0;
    m_answerStack->setCurrentIndex(current().answerKind);
}

// --- picture answers -------------------------------------------------------------------

int MultipleChoiceEditor::currentPictureAnswer() const
{
    return m_pictureList->currentRow();
}

void MultipleChoiceEditor::selectPictureAnswer(int index)
{
    m_pictureList->setCurrentRow(index);
}

McPictureAnswer* MultipleChoiceEditor::selectedPictureAnswer()
{
    const int i = m_pictureList->currentRow();
    auto& answers = current().pictureAnswers;
    return i >= 0 && i < int(answers.size()) ? &answers[std::size_t(i)] : nullptr;
}

void MultipleChoiceEditor::newPictureAnswer()
{
    auto& answers = current().pictureAnswers;
    if (int(answers.size()) >= kMaxAnswerPictures) {
        m_prompter.information(
            QStringLiteral("Es sind maximal 12 Antwortbilder pro Frage möglich."));
        return;
    }
    answers.push_back({});
    showPictureAnswers(int(answers.size()) - 1);
}

void MultipleChoiceEditor::deletePictureAnswer()
{
    const int i = currentPictureAnswer();
    auto& answers = current().pictureAnswers;
    if (i < 0 || i >= int(answers.size()))
        return;
    if (!m_prompter.confirm(QStringLiteral("Die aktuelle Bild-Antwort Nr. ") +
                            QString::number(i + 1) + QStringLiteral(" löschen?")))
        return;
    answers.erase(answers.begin() + i);
    showPictureAnswers(std::min(i, int(answers.size()) - 1));
}

void MultipleChoiceEditor::movePictureAnswer(int step)
{
    const int i = currentPictureAnswer();
    const int other = i + step;
    auto& answers = current().pictureAnswers;
    if (i < 0 || other < 0 || other >= int(answers.size()))
        return;
    std::swap(answers[std::size_t(i)], answers[std::size_t(other)]);
    showPictureAnswers(other);
}

void MultipleChoiceEditor::setPictureAnswerCorrect(bool correct)
{
    const int i = currentPictureAnswer();
    if (McPictureAnswer* answer = selectedPictureAnswer()) {
        answer->correct = correct;
        showPictureAnswers(i);
    }
}

bool MultipleChoiceEditor::setPictureAnswerPicture(std::optional<Picture> picture)
{
    McPictureAnswer* answer = selectedPictureAnswer();
    if (!answer || !picture)
        return false;
    answer->picture = std::move(*picture);
    showPictures();
    return true;
}

namespace {

const char* const kNoAnswerSelected =
    "Bitte zunächst die gewünschte Antwortbild-Nummer in der Liste markieren oder mittels "
    "\"Neue Antwort\" neu erstellen.";

} // namespace

void MultipleChoiceEditor::pictureAnswerFromClipboard()
{
    if (!selectedPictureAnswer()) {
        m_prompter.information(QString::fromUtf8(kNoAnswerSelected));
        return;
    }
    setPictureAnswerPicture(pictureFromClipboard(m_prompter));
}

void MultipleChoiceEditor::pictureAnswerFromFile()
{
    if (!selectedPictureAnswer()) {
        m_prompter.information(QString::fromUtf8(kNoAnswerSelected));
        return;
    }
    setPictureAnswerPicture(
        pictureFromFile(m_prompter, QStringLiteral("Bild aus Datei laden"), folder()));
}

void MultipleChoiceEditor::pictureAnswerToClipboard()
{
    if (const McPictureAnswer* answer = selectedPictureAnswer())
        copyPictureToClipboard(answer->picture, m_document, m_prompter);
}

// --- the question picture ----------------------------------------------------------------

void MultipleChoiceEditor::questionPictureFromClipboard()
{
    if (auto picture = pictureFromClipboard(m_prompter)) {
        current().picture = std::move(*picture);
        showPictures();
    }
}

void MultipleChoiceEditor::questionPictureFromFile()
{
    if (auto picture =
            pictureFromFile(m_prompter, QStringLiteral("Bild aus Datei laden"), folder())) {
        current().picture = std::move(*picture);
        showPictures();
    }
}

void MultipleChoiceEditor::questionPictureToClipboard()
{
    copyPictureToClipboard(current().picture, m_document, m_prompter);
}

void MultipleChoiceEditor::deleteQuestionPicture()
{
    current().picture = Picture();
    showPictures();
}

// --- texts and files -------------------------------------------------------------------------

QString MultipleChoiceEditor::folder() const
{
    const QString& file = m_document.header.FileName;
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

void MultipleChoiceEditor::textFromFile(QPlainTextEdit* field)
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Textdatei öffnen");
    request.directory = folder();
    request.filters = {QStringLiteral("Textdateien (*.txt)"), QStringLiteral("Alle Dateien (*.*)")};
    const auto file = m_prompter.openFile(request);
    if (!file)
        return;
    const TextFileResult read = readTextFile(*file);
    if (!read.ok) {
        m_prompter.error(read.error);
        return;
    }
    field->insertPlainText(toFieldText(read.text));
}

void MultipleChoiceEditor::browseLink()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Zu verknüpfende Datei auswählen");
    request.directory = m_link->text().isEmpty() ? folder() : m_link->text();
    request.filters = {QStringLiteral("Alle Dateien (*.*)")};
    if (const auto file = m_prompter.openFile(request))
        m_link->setText(*file);
}

// --- closing --------------------------------------------------------------------------

void MultipleChoiceEditor::accept()
{
    storeFields();
    if (const auto problem = mcQuestionsProblem(m_questions)) {
        selectQuestion(problem->question);
        m_prompter.information(problem->message);
        return;
    }
    MultipleChoiceEdit edit;
    edit.questions = m_questions;
    edit.textColour = m_textColour->colour();
    edit.buttonBackground = m_buttonBackground->colour();
    edit.buttonSymbols = m_buttonSymbols->colour();
    applyMultipleChoiceEdit(m_document, edit);
    QDialog::accept();
}

bool openMultipleChoiceEditor(EditorHost& host)
{
    MultipleChoiceEditor editor(host.document, host.prompter, host.parent);
    if (host.chooseDocumentFont)
        editor.setDocumentFontHandler(host.chooseDocumentFont);
    return editor.run();
}

} // namespace velunto
