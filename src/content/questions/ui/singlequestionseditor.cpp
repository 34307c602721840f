#include "content/questions/ui/singlequestionseditor.h"

#include "content/questions/questionlayout.h"
#include "content/questions/questiontext.h"
#include "content/questions/ui/colourbutton.h"
#include "content/textfile.h"
#include "content/ui/editorfont.h"
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
                                             QWidget* parent)
    : QuestionEditorDialog(document, prompter, parent)
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
    useEditorFont(m_text);
    m_counter = new QLabel(QStringLiteral("---"));
    connect(m_text, &QPlainTextEdit::textChanged, this, &SingleQuestionsEditor::updateCounter);
    m_text->setPlainText(toFieldText(header.fragentext));

    auto addButton = [this](QBoxLayout* row, const QString& caption, auto slot) {
        auto* b = new QPushButton(caption);
        b->setAutoDefault(false);
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
    bottom->addWidget(marginsButton());
    bottom->addWidget(fontButton());
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
    makeOkTheDefault();
}

QString SingleQuestionsEditor::counterText() const
{
    return m_counter->text();
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
    const TextFileResult read = readTextFile(*file);
    if (!read.ok) {
        m_prompter.error(read.error);
        return;
    }
    m_text->insertPlainText(toFieldText(read.text));
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

bool openSingleQuestionsEditor(EditorHost& host)
{
    SingleQuestionsEditor editor(host.document, host.prompter, host.parent);
    if (host.chooseDocumentFont)
        editor.setDocumentFontHandler(host.chooseDocumentFont);
    return editor.run();
}

} // namespace velunto
