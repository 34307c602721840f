#include "content/questions/ui/singlequestionseditor.h"

#include "common/filemessages.h"
#include "common/textfile.h"
#include "content/questions/questionlayout.h"
#include "content/questions/questiontext.h"
#include "content/questions/ui/colourbutton.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace velunto {

namespace {

QString toFieldText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString fromFieldText(QString text)
{
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

SingleQuestionsEditor::SingleQuestionsEditor(Document& document, Prompter& prompter,
                                             EditorHooks hooks, QWidget* parent)
    : QDialog(parent), m_document(document), m_prompter(prompter), m_hooks(std::move(hooks))
{
    setWindowTitle(QStringLiteral("Einzelfragen bearbeiten"));
    const HeaderDataTyp& header = document.header;

    auto* hint = new QLabel(
        QStringLiteral("Geben Sie hier Ihre Einzelfragen ein. Jede Zeile entspricht dabei einer "
                       "Frage.\nHängen Sie die Antwort jeweils mit \"//\" an die Frage an, z. B.: "
                       "In Welchem Monat ist Sommeranfang? // Juni"));
    hint->setWordWrap(true);
    m_text = new QPlainTextEdit;
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setMinimumSize(560, 300);
    m_counter = new QLabel(QStringLiteral("---"));
    connect(m_text, &QPlainTextEdit::textChanged, this, &SingleQuestionsEditor::updateCounter);
    m_text->setPlainText(toFieldText(header.fragentext));

    auto addButton = [this](QBoxLayout* row, const QString& caption, auto slot) {
        auto* b = new QPushButton(caption);
        connect(b, &QPushButton::clicked, this, slot);
        row->addWidget(b);
        return b;
    };
    auto* textButtons = new QHBoxLayout;
    addButton(textButtons, QStringLiteral("Alles löschen"), [this] { m_text->clear(); });
    addButton(textButtons, QStringLiteral("Aus Zwischenablage einfügen"),
              [this] { m_text->paste(); });
    addButton(textButtons, QStringLiteral("In Zwischenablage kopieren"),
              [this] { QApplication::clipboard()->setText(fromFieldText(m_text->toPlainText())); });
    addButton(textButtons, QStringLiteral("Aus Datei einfügen..."), [this] { insertFromFile(); });
    textButtons->addStretch();

    auto* colours = new QGroupBox(QStringLiteral("Farben"));
    auto* colourRow = new QHBoxLayout(colours);
    m_textColour = new ColourButton(QStringLiteral("Textfarbe"), header.TextCol, prompter);
    m_buttonBackground =
        new ColourButton(QStringLiteral("Hintergrund:"), header.FragBtnHtgdCol, prompter);
    m_buttonSymbols = new ColourButton(QStringLiteral("Symbole:"), header.FragBtnTextCol, prompter);
    colourRow->addWidget(m_textColour);
    colourRow->addWidget(new QLabel(QStringLiteral("Navigationsknöpfe:")));
    colourRow->addWidget(m_buttonBackground);
    colourRow->addWidget(m_buttonSymbols);
    colourRow->addStretch();

    auto* bottom = new QHBoxLayout;
    if (m_hooks.margins)
        addButton(bottom, QStringLiteral("Ränder..."), [this] { m_hooks.margins(); });
    if (m_hooks.font)
        addButton(bottom, QStringLiteral("Schriftart..."), [this] { m_hooks.font(); });
    bottom->addStretch();
    bottom->addWidget(okCancelButtons(this));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_counter);
    layout->addLayout(textButtons);
    layout->addWidget(colours);
    layout->addLayout(bottom);

    auto* selectAll = new QShortcut(QKeySequence::SelectAll, this);
    connect(selectAll, &QShortcut::activated, this, [this] {
        m_text->setFocus();
        m_text->selectAll();
    });
    m_text->setFocus();
}

QString SingleQuestionsEditor::counterText() const
{
    return m_counter->text();
}

QPushButton* SingleQuestionsEditor::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

void SingleQuestionsEditor::updateCounter()
{
    m_counter->setText(questionCountLabel(countQuestions(m_text->toPlainText())));
}

QString SingleQuestionsEditor::folder() const
{
    const QString& file = m_document.header.FileName;
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

void SingleQuestionsEditor::insertFromFile()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Textdatei öffnen");
    request.directory = folder();
    request.filters = {QStringLiteral("Textdateien (*.txt)"), QStringLiteral("Alle Dateien (*.*)")};
    const auto file = m_prompter.openFile(request);
    if (!file)
        return;
    const auto text = readTextFile(*file);
    if (!text) {
        m_prompter.error(fileReadErrorMessage(*file));
        return;
    }
    m_text->insertPlainText(toFieldText(*text));
}

void SingleQuestionsEditor::accept()
{
    SingleQuestionsEdit edit;
    edit.text = fromFieldText(m_text->toPlainText());
    edit.textColour = m_textColour->colour();
    edit.buttonBackground = m_buttonBackground->colour();
    edit.buttonSymbols = m_buttonSymbols->colour();
    applySingleQuestionsEdit(m_document, edit);
    QDialog::accept();
}

void SingleQuestionsEditor::reject()
{
    if (m_prompter.message(Prompter::Kind::Confirmation,
                           QString::fromUtf8(kDiscardChangesQuestion),
                           Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        QDialog::reject();
}

} // namespace velunto
