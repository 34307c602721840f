#include "content/cloze/ui/clozeeditor.h"

#include "content/cloze/clozecontent.h"
#include "content/cloze/gapgenerators.h"
#include "content/cloze/ui/gapgeneratordialogs.h"
#include "content/cloze/ui/wrongwordsdialog.h"
#include "content/textfile.h"
#include "content/ui/cellgrid.h"
#include "content/ui/editorfont.h"
#include "content/ui/marginsdialog.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextCursor>
#include <QVBoxLayout>

namespace velunto {

namespace {

constexpr int kFewestGapLetters = 3;
constexpr int kMostGapLetters = 30;

QString toField(const QString& stored)
{
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString fromField(const QString& field)
{
    QString text = field;
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

QIcon swatch(ColorRef colour)
{
    QPixmap pixmap(24, 14);
    pixmap.fill(toQColor(colour));
    return QIcon(pixmap);
}

// The selection of a text field as start and length.
std::pair<int, int> selectionOf(const QPlainTextEdit* field)
{
    const QTextCursor c = field->textCursor();
    return {c.selectionStart(), c.selectionEnd() - c.selectionStart()};
}

std::vector<CellKindChoice> clozeCellKinds()
{
    const QStringList names = clozeCellKindNames();
    std::vector<CellKindChoice> kinds;
    for (int art = 0; art < kCellKindCount; ++art)
        kinds.push_back({names[art], art, isClozePictureCell(art), art == CellKind::ImageLink});
    return kinds;
}

} // namespace

ClozeEditor::ClozeEditor(Document& document, int subType, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_document(document), m_prompter(prompter),
      m_edit(clozeEditOf(document, subType)), m_runDialog(runDialog)
{
    setWindowTitle(isTable() ? QStringLiteral("Tabellarische Text-/Bild- / Bild-Text-Zuordnung")
                             : QStringLiteral("Lückentext bearbeiten"));

    auto command = [this](const char* caption, auto handler) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    auto* commands = new QGridLayout;
    commands->addWidget(command("Lücke << ... >> setzen", [this] { setGap(); }), 0, 0);
    commands->addWidget(
        command("Markierte << ... >> entfernen", [this] { removeMarksInSelection(); }), 0, 1);
    commands->addWidget(command("Alle << ... >> entfernen", [this] { removeAllMarks(); }), 0, 2);
    commands->addWidget(command("Alles löschen", [this] { clearAll(); }), 0, 3);
    commands->addWidget(command("Aus Zwischenablage einfügen", [this] { pasteFromClipboard(); }), 1,
                        0);
    commands->addWidget(command("In Zwischenablage kopieren", [this] { copyToClipboard(); }), 1, 1);
    commands->addWidget(command("Aus Datei einfügen...", [this] { insertFromFile(); }), 1, 2);
    auto* generators = new QHBoxLayout;
    if (isCTest(subType)) {
        generators->addWidget(
            command("Lücken für C-Test automatisch setzen...", [this] { cTestGaps(); }));
    } else {
        generators->addWidget(command("Wörter oder Wortteile als Lücken automatisch setzen...",
                                      [this] { autoGaps(); }));
    }
    if (!isTable())
        generators->addWidget(command("Falschwörter eingeben...", [this] { editWrongWords(); }));
    generators->addStretch(1);

    // The text: one field, or the grid with its size and lines.
    auto* content = new QVBoxLayout;
    if (isTable()) {
        m_rows = new QSpinBox;
        m_rows->setRange(1, kTableRows);
        m_rows->setValue(m_edit.rows);
        m_columns = new QSpinBox;
        m_columns->setRange(2, kTableColumns);
        m_columns->setValue(m_edit.columns);
        m_gridLines = new QCheckBox(QStringLiteral("Gitterlinien anzeigen"));
        m_gridLines->setChecked(m_edit.gridLines == 1);
        m_grid = new CellGrid(clozeCellKinds(), document, prompter);
        m_grid->setCells(m_edit.cells, m_edit.rows, m_edit.columns);
        auto resize = [this] { m_grid->setGridSize(m_rows->value(), m_columns->value()); };
        connect(m_rows, &QSpinBox::valueChanged, this, resize);
        connect(m_columns, &QSpinBox::valueChanged, this, resize);

        auto* size = new QHBoxLayout;
        size->addWidget(new QLabel(QStringLiteral("Zeilen:")));
        size->addWidget(m_rows);
        size->addWidget(new QLabel(QStringLiteral("Spalten:")));
        size->addWidget(m_columns);
        size->addSpacing(12);
        size->addWidget(m_gridLines);
        size->addWidget(new QLabel(QStringLiteral("Gitterfarbe:")));
        size->addWidget(colourButton(QStringLiteral("Gitterfarbe"), m_edit.gridColour));
        size->addStretch(1);
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setWidget(m_grid);
        content->addLayout(size);
        content->addWidget(scroll, 1);
    } else {
        m_text = new QPlainTextEdit(toField(m_edit.text));
        m_text->setTabChangesFocus(false);
        useEditorFont(m_text);
        content->addWidget(m_text, 1);
    }

    // The settings.
    m_minGap = new QComboBox;
    for (int n = kFewestGapLetters; n <= kMostGapLetters; ++n)
        m_minGap->addItem(QString::number(n), n);
    m_minGap->setCurrentIndex(m_minGap->findData(m_edit.minGap));
    m_fontButton = command("Schriftart...", [this] {
        if (m_documentFont) {
            m_documentFont();
            m_pageChanged = true;
        }
    });
    m_fontButton->hide();
    m_galleryButton = command("Bildergalerie...", [this] {
        if (m_gallery)
            m_gallery();
    });
    m_galleryButton->hide();
    auto* settings = new QHBoxLayout;
    settings->addWidget(new QLabel(QStringLiteral("Mindestlückengröße:")));
    settings->addWidget(m_minGap);
    settings->addWidget(new QLabel(QStringLiteral("Textfarbe:")));
    settings->addWidget(colourButton(QStringLiteral("Textfarbe"), m_edit.textColour));
    settings->addWidget(new QLabel(QStringLiteral("Lückentextfarbe:")));
    settings->addWidget(colourButton(QStringLiteral("Lückentextfarbe"), m_edit.gapColour));
    settings->addStretch(1);
    settings->addWidget(command("Ränder...", [this] { editMargins(); }));
    settings->addWidget(m_fontButton);
    settings->addWidget(m_galleryButton);

    auto* ok = command("OK", [this] { accept(); });
    auto* cancel = command("Abbrechen", [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addLayout(generators);
    layout->addLayout(content, 1);
    layout->addLayout(settings);
    layout->addLayout(buttons);
    resize(isTable() ? 980 : 760, isTable() ? 680 : 560);
}

void ClozeEditor::setDocumentFontHandler(std::function<void()> handler)
{
    m_documentFont = std::move(handler);
    m_fontButton->setVisible(bool(m_documentFont));
}

void ClozeEditor::setGalleryHandler(std::function<void()> handler)
{
    m_gallery = std::move(handler);
    m_galleryButton->setVisible(isTable() && bool(m_gallery));
}

QPushButton* ClozeEditor::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

ClozeEdit ClozeEditor::edit() const
{
    ClozeEdit edit = m_edit;
    if (m_minGap->currentIndex() >= 0)
        edit.minGap = m_minGap->currentData().toInt();
    if (isTable()) {
        edit.rows = m_rows->value();
        edit.columns = m_columns->value();
        edit.gridLines = m_gridLines->isChecked() ? 1 : 0;
        edit.cells = m_grid->cells();
    } else {
        edit.text = fromField(m_text->toPlainText());
    }
    return edit;
}

QPlainTextEdit* ClozeEditor::activeField() const
{
    return isTable() ? m_grid->focusedTextField() : m_text;
}

void ClozeEditor::replaceText(QPlainTextEdit* field, const QString& text, int selectionStart,
                              int selectionLength)
{
    QTextCursor all(field->document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.insertText(text);
    all.endEditBlock();
    QTextCursor selection(field->document());
    const int size = int(field->toPlainText().size());
    selection.setPosition(std::clamp(selectionStart, 0, size));
    selection.setPosition(std::clamp(selectionStart + selectionLength, 0, size),
                          QTextCursor::KeepAnchor);
    field->setTextCursor(selection);
}

void ClozeEditor::setGap()
{
    QPlainTextEdit* field = activeField();
    const auto [start, length] = selectionOf(field);
    if (length == 0)
        return;
    const EditedText e = velunto::setGap(field->toPlainText(), start, length);
    replaceText(field, e.text, e.selectionStart, e.selectionLength);
}

void ClozeEditor::removeMarksInSelection()
{
    QPlainTextEdit* field = activeField();
    const auto [start, length] = selectionOf(field);
    const EditedText e = removeGapMarksInSelection(field->toPlainText(), start, length);
    replaceText(field, e.text, e.selectionStart, e.selectionLength);
}

void ClozeEditor::removeAllMarks()
{
    if (!isTable()) {
        replaceText(m_text, removeGapMarks(m_text->toPlainText()), 0, 0);
        return;
    }
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c < kTableColumns; ++c)
            m_grid->setCellText(r, c, removeGapMarks(m_grid->cells()[r][c].Text));
    }
}

void ClozeEditor::clearAll()
{
    if (isTable())
        m_grid->clearAll(CellKind::Text);
    else
        replaceText(m_text, QString(), 0, 0);
}

void ClozeEditor::pasteFromClipboard()
{
    replaceText(activeField(), toField(QApplication::clipboard()->text()), 0, 0);
}

void ClozeEditor::copyToClipboard()
{
    QApplication::clipboard()->setText(fromField(activeField()->toPlainText()));
}

void ClozeEditor::insertFromFile()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Textdatei öffnen");
    if (!m_document.header.FileName.isEmpty())
        request.directory = QFileInfo(m_document.header.FileName).absolutePath();
    request.filters = {QStringLiteral("Textdateien (*.txt)"), QStringLiteral("Alle Dateien (*.*)")};
    const auto file = m_prompter.openFile(request);
    if (!file)
        return;
    const TextFileResult read = readTextFile(*file);
    if (!read.ok) {
        m_prompter.error(read.error);
        return;
    }
    replaceText(activeField(), toField(read.text), 0, 0);
}

void ClozeEditor::autoGaps()
{
    AutoGapDialog dialog(this);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    const AutoGapSettings s = dialog.settings();
    auto generate = [&s](const QString& text) {
        return makeAutoGaps(text, s.startWord, s.period, s.part, s.count(),
                            s.common.effectivePunctuation());
    };
    if (!isTable()) {
        QPlainTextEdit* field = m_text;
        const auto [start, length] = selectionOf(field);
        const QString text = field->toPlainText();
        if (!s.common.selectionOnly) {
            replaceText(field, generate(text), 0, 0);
        } else {
            const QString part = generate(text.mid(start, length));
            replaceText(field, text.left(start) + part + text.mid(start + length), start,
                        int(part.size()));
        }
        return;
    }
    // In the grid only text cells get gaps: a query text is one card as a
    // whole, and a picture cell's text is not shown at all.
    if (!s.common.selectionOnly) {
        for (int r = 0; r < m_grid->rows(); ++r) {
            for (int c = 0; c < m_grid->columns(); ++c) {
                const lueckentabellearrtyp& it = m_grid->cells()[r][c];
                if (it.Art == CellKind::Text)
                    m_grid->setCellText(r, c, generate(it.Text));
            }
        }
        return;
    }
    if (m_grid->cells()[m_grid->focusedRow()][m_grid->focusedColumn()].Art != CellKind::Text)
        return;
    QPlainTextEdit* field = m_grid->focusedTextField();
    const auto [start, length] = selectionOf(field);
    const QString text = field->toPlainText();
    const QString part = generate(text.mid(start, length));
    replaceText(field, text.left(start) + part + text.mid(start + length), start, int(part.size()));
}

void ClozeEditor::cTestGaps()
{
    CTestDialog dialog(this);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    const CTestSettings s = dialog.settings();
    QPlainTextEdit* field = activeField();
    const auto [start, length] = selectionOf(field);
    const QString text = field->toPlainText();
    const QString punctuation = s.common.effectivePunctuation();
    if (!s.common.selectionOnly) {
        replaceText(field, makeCTest(text, s.maxGapCount(), punctuation), 0, 0);
        return;
    }
    const QString part = makeCTest(text.mid(start, length), s.maxGapCount(), punctuation);
    replaceText(field, text.left(start) + part + text.mid(start + length), start, int(part.size()));
}

void ClozeEditor::editWrongWords()
{
    WrongWordsDialog dialog(m_edit.wrongWords, this);
    if (m_runDialog(dialog) == QDialog::Accepted)
        m_edit.wrongWords = dialog.words();
}

void ClozeEditor::editMargins()
{
    MarginsDialog dialog(m_document, m_prompter, this);
    if (m_runDialog(dialog) == QDialog::Accepted)
        m_pageChanged = true;
}

QPushButton* ClozeEditor::colourButton(const QString& title, ColorRef& colour)
{
    auto* b = new QPushButton;
    b->setAutoDefault(false);
    b->setObjectName(title);
    b->setIcon(swatch(colour));
    connect(b, &QPushButton::clicked, this,
            [this, title, &colour, b] { chooseColour(title, colour, b); });
    return b;
}

void ClozeEditor::chooseColour(const QString& title, ColorRef& colour, QPushButton* button)
{
    if (const auto chosen = m_prompter.chooseColour(title, colour)) {
        colour = *chosen;
        button->setIcon(swatch(colour));
    }
}

void ClozeEditor::accept()
{
    if (m_grid)
        m_grid->closePicturePanel();
    applyClozeEdit(m_document, edit());
    QDialog::accept();
}

void ClozeEditor::reject()
{
    if (m_prompter.message(Prompter::Kind::Confirmation,
                           QStringLiteral("Alle Änderungen werden verworfen. Möchten Sie "
                                          "tatsächlich verwerfen?"),
                           Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        QDialog::reject();
}

bool runClozeEditor(Document& document, int subType, Prompter& prompter, QWidget* parent,
                    std::function<void()> documentFont, std::function<void()> gallery)
{
    ClozeEditor editor(document, subType, prompter, parent);
    if (documentFont)
        editor.setDocumentFontHandler(std::move(documentFont));
    if (gallery)
        editor.setGalleryHandler(std::move(gallery));
    const bool applied = runDialog(editor) == QDialog::Accepted;
    return applied || editor.pageChanged();
}

bool openClozeEditor(EditorHost& host)
{
    return runClozeEditor(host.document, host.document.header.DokUnterTyp, host.prompter,
                          host.parent, host.chooseDocumentFont);
}

} // namespace velunto
