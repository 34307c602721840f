#include "content/crossword/ui/crosswordeditor.h"

#include "content/ui/editorfont.h"
#include "content/ui/marginsdialog.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"
#include "platform/ui/dialogrunner.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velunto {

namespace {

constexpr ColorRef kMarkShade = 0xC0C0FF;
constexpr ColorRef kLetterShade = 0xFFF4EC;
constexpr int kCellWidth = 34;
constexpr int kCellHeight = 24;

const QString kDiscardQuestion =
    QStringLiteral("Alle Änderungen werden verworfen. Möchten Sie tatsächlich verwerfen?");

const char* const kColourLabels[6] = {"Kästchenhtgd.:",   "Kästchenrand:",     "Startmarkierung:",
                                      "Kästchenschrift:", "Titel Waag./Senk.", "Beschreibung:"};
// The colour rows in the order the panel shows them, as KreuzFarben indices.
constexpr int kColourOrder[6] = {0, 1, 2, 3, 5, 4};

// Commits what an open cell editor holds: moving the current cell away and
// back makes the view take the editor's text.
void commitOpenEditor(QTableWidget* table)
{
    const QModelIndex current = table->currentIndex();
    table->setCurrentIndex(QModelIndex());
    table->setCurrentIndex(current);
}

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

// Left and right leave a cell that is being typed in for its neighbour, as
// they do when no cell is being edited.
class GridDelegate : public QStyledItemDelegate
{
  public:
    explicit GridDelegate(QTableWidget* table) : QStyledItemDelegate(table), m_table(table) {}

  protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Left || key == Qt::Key_Right) {
                auto* editor = qobject_cast<QWidget*>(object);
                Q_EMIT commitData(editor);
                Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
                const QModelIndex at = m_table->currentIndex();
                const int column = at.column() + (key == Qt::Key_Left ? -1 : 1);
                if (column >= 0 && column < m_table->columnCount())
                    m_table->setCurrentCell(at.row(), column);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    QTableWidget* m_table;
};

} // namespace

// The 30 x 30 grid: Delete empties the current cell.
class CrosswordEditor::GridTable : public QTableWidget
{
  public:
    GridTable() : QTableWidget(kCrosswordSize, kCrosswordSize)
    {
        setItemDelegate(new GridDelegate(this));
        horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        horizontalHeader()->setDefaultSectionSize(kCellWidth);
        verticalHeader()->setDefaultSectionSize(kCellHeight);
        // Start marks like "#W12" stay readable in the narrow cells.
        setTextElideMode(Qt::ElideNone);
        setSelectionMode(QAbstractItemView::SingleSelection);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Delete && state() != EditingState) {
            if (QTableWidgetItem* item = currentItem())
                item->setText(QString());
            return;
        }
        QTableWidget::keyPressEvent(event);
    }
};

CrosswordEditor::CrosswordEditor(Document& document, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_document(document), m_prompter(prompter), m_runDialog(velunto::runDialog),
      m_colours(document.header.KreuzFarben)
{
    const HeaderDataTyp& header = document.header;
    setWindowTitle(QStringLiteral("Kreuzworträtsel bearbeiten"));

    m_clues[0] = makeClueTable(u'W', header.KreuzFragen1);
    m_clues[1] = makeClueTable(u'S', header.KreuzFragen2);
    const QString windowTitles[2] = {QStringLiteral("Beschreibungstexte waagerecht (#W...)"),
                                     QStringLiteral("Beschreibungstexte senkrecht (#S...)")};
    const QString pageTitles[2] = {QStringLiteral("  Beschreibungstexte waagerecht (#W...)    "),
                                   QStringLiteral("  Beschreibungstexte senkrecht (#S...)  ")};
    for (int k = 0; k < 2; ++k) {
        m_clueWindows[k] = new QWidget(this, Qt::Tool | Qt::WindowStaysOnTopHint);
        m_clueWindows[k]->setWindowTitle(windowTitles[k]);
        new QVBoxLayout(m_clueWindows[k]);
        m_clueWindows[k]->resize(520, 560);
        m_cluePages[k] = new QWidget;
        new QVBoxLayout(m_cluePages[k]);
    }

    m_pages = new QTabWidget;
    m_pages->addTab(gridPage(), QStringLiteral("  Kreuzwortgitter  "));
    for (int k = 0; k < 2; ++k)
        m_pages->addTab(m_cluePages[k], pageTitles[k]);

    auto* body = new QHBoxLayout;
    body->addWidget(m_pages, 1);
    body->addWidget(sidePanel());

    auto plainButton = [](const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setAutoDefault(false);
        return b;
    };
    auto* margins = plainButton("Ränder...");
    connect(margins, &QPushButton::clicked, this, [this] {
        MarginsDialog dialog(m_document, m_prompter, this);
        if (runDialog(dialog) == QDialog::Accepted)
            m_pageChanged = true;
    });
    auto* editorFont = plainButton("Editor-Schriftart...");
    connect(editorFont, &QPushButton::clicked, this, [this] {
        EditorFontDialog dialog(this);
        runDialog(dialog);
    });
    m_fontButton = plainButton("Schriftart...");
    connect(m_fontButton, &QPushButton::clicked, this, [this] {
        if (m_documentFont) {
            m_documentFont();
            m_pageChanged = true;
        }
    });
    m_fontButton->hide();
    m_galleryButton = plainButton("Bildergalerie...");
    connect(m_galleryButton, &QPushButton::clicked, this, [this] {
        if (m_gallery)
            m_gallery();
    });
    m_galleryButton->hide();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {margins, editorFont, m_fontButton, m_galleryButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(okCancelButtons(this));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    fillGrid(header.KreuzGitter);
    setClueInput(ClueInput::Pages);
}

CrosswordEditor::~CrosswordEditor() = default;

void CrosswordEditor::setDocumentFontHandler(std::function<void()> handler)
{
    m_documentFont = std::move(handler);
    m_fontButton->setVisible(bool(m_documentFont));
}

void CrosswordEditor::setGalleryHandler(std::function<void()> handler)
{
    m_gallery = std::move(handler);
    m_galleryButton->setVisible(bool(m_gallery));
}

QWidget* CrosswordEditor::gridPage()
{
    m_grid = new GridTable;
    connect(m_grid, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { shadeCell(item->row(), item->column()); });

    auto* hints = new QLabel(QStringLiteral(
        "Definieren Sie das Kreuzwortgitter, indem Sie die Lösungsbuchstaben waagerecht und "
        "senkrecht eintragen. Unbenutzte Felder werden automatisch ignoriert.\n"
        "Startmarkierung für waagerechte Wörter: #W1, #W2, #W3,... ins Feld davor eintragen "
        "(z.B. #W8 | B | A | U | M), für senkrechte Wörter entsprechend #S1, #S2, #S3, ...."));
    hints->setWordWrap(true);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_grid, 1);
    layout->addWidget(hints);
    return page;
}

QWidget* CrosswordEditor::sidePanel()
{
    auto* input = new QGroupBox(QStringLiteral("Beschreibungseingabe"));
    m_windowsChoice = new QRadioButton(QStringLiteral(" Fenster "));
    m_pagesChoice = new QRadioButton(QStringLiteral(" Reiter "));
    auto* inputLayout = new QVBoxLayout(input);
    inputLayout->addWidget(m_windowsChoice);
    inputLayout->addWidget(m_pagesChoice);
    connect(m_windowsChoice, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setClueInput(ClueInput::Windows);
    });
    connect(m_pagesChoice, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setClueInput(ClueInput::Pages);
    });

    auto* clearGridButton = new QPushButton(QStringLiteral("Kreuzwortgitter löschen"));
    auto* clearCluesButton = new QPushButton(QStringLiteral("Beschreibungstexte löschen"));
    connect(clearGridButton, &QPushButton::clicked, this, &CrosswordEditor::clearGrid);
    connect(clearCluesButton, &QPushButton::clicked, this, &CrosswordEditor::clearClues);

    auto* shiftBox = new QGroupBox(QStringLiteral(" Verschieben "));
    auto* shiftLayout = new QGridLayout(shiftBox);
    struct ShiftButton
    {
        const char* text;
        ShiftDirection direction;
        int row;
        int column;
    };
    for (const ShiftButton& b : {ShiftButton{"Oben", ShiftDirection::Up, 0, 1},
                                 ShiftButton{"Links", ShiftDirection::Left, 1, 0},
                                 ShiftButton{"Rechts", ShiftDirection::Right, 1, 2},
                                 ShiftButton{"Unten", ShiftDirection::Down, 2, 1}}) {
        auto* button = new QPushButton(QString::fromUtf8(b.text));
        const ShiftDirection direction = b.direction;
        connect(button, &QPushButton::clicked, this, [this, direction] { shift(direction); });
        shiftLayout->addWidget(button, b.row, b.column);
    }

    auto* colourBox = new QGroupBox(QStringLiteral(" Farben "));
    auto* colourLayout = new QGridLayout(colourBox);
    for (int row = 0; row < 6; ++row) {
        const int index = kColourOrder[row];
        auto* button = new QPushButton;
        button->setFixedWidth(48);
        button->setAccessibleName(QString::fromUtf8(kColourLabels[row]));
        m_colourButtons[index] = button;
        connect(button, &QPushButton::clicked, this, [this, index] { chooseColour(index); });
        colourLayout->addWidget(new QLabel(QString::fromUtf8(kColourLabels[row])), row, 0);
        colourLayout->addWidget(button, row, 1);
        showColour(index);
    }

    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(input);
    layout->addWidget(clearGridButton);
    layout->addWidget(clearCluesButton);
    layout->addWidget(shiftBox);
    layout->addWidget(colourBox);
    layout->addStretch();
    return panel;
}

QTableWidget* CrosswordEditor::makeClueTable(QChar prefix,
                                             const std::array<QString, kCrosswordSize>& clues)
{
    auto* table = new QTableWidget(kCrosswordSize, 2);
    table->setHorizontalHeaderLabels({QStringLiteral("Nummer"), QStringLiteral("Beschreibung")});
    table->verticalHeader()->hide();
    // The editor font serves the clues; the grid keeps its own.
    useEditorFont(table);
    table->horizontalHeader()->setStretchLastSection(true);
    for (int n = 0; n < kCrosswordSize; ++n) {
        auto* label = new QTableWidgetItem(QStringLiteral("#") + prefix + QString::number(n + 1));
        label->setFlags(Qt::ItemIsEnabled);
        table->setItem(n, 0, label);
        table->setItem(n, 1, new QTableWidgetItem(clues[n]));
    }
    return table;
}

QPushButton* CrosswordEditor::button(const QString& text) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

void CrosswordEditor::setClueInput(ClueInput input)
{
    m_clueInput = input;
    const bool windows = input == ClueInput::Windows;
    (windows ? m_windowsChoice : m_pagesChoice)->setChecked(true);
    for (int k = 0; k < 2; ++k) {
        QWidget* home = windows ? m_clueWindows[k] : m_cluePages[k];
        home->layout()->addWidget(m_clues[k]);
        m_clueWindows[k]->setVisible(windows && isVisible());
    }
    m_pages->setTabVisible(1, !windows);
    m_pages->setTabVisible(2, !windows);
}

void CrosswordEditor::fillGrid(const CrosswordGrid& grid)
{
    for (int r = 0; r < kCrosswordSize; ++r) {
        for (int c = 0; c < kCrosswordSize; ++c) {
            QTableWidgetItem* item = m_grid->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                m_grid->setItem(r, c, item);
            }
            item->setText(gridCell(grid, c, r));
            shadeCell(r, c);
        }
    }
}

void CrosswordEditor::shadeCell(int row, int column)
{
    QTableWidgetItem* item = m_grid->item(row, column);
    if (!item || m_shading)
        return;
    m_shading = true;
    const QString text = item->text();
    if (isStartMark(text))
        item->setBackground(toQColor(kMarkShade));
    else if (isLetterBox(text))
        item->setBackground(toQColor(kLetterShade));
    else
        item->setBackground(QBrush());
    m_shading = false;
}

CrosswordContent CrosswordEditor::content()
{
    commitEdits();
    CrosswordContent content;
    for (int r = 0; r < kCrosswordSize; ++r)
        for (int c = 0; c < kCrosswordSize; ++c)
            gridCell(content.grid, c, r) = cellText(m_grid, r, c);
    for (int n = 0; n < kCrosswordSize; ++n) {
        content.horizontal[n] = cellText(m_clues[0], n, 1);
        content.vertical[n] = cellText(m_clues[1], n, 1);
    }
    content.colours = m_colours;
    return content;
}

void CrosswordEditor::commitEdits()
{
    commitOpenEditor(m_grid);
    commitOpenEditor(m_clues[0]);
    commitOpenEditor(m_clues[1]);
}

void CrosswordEditor::shift(ShiftDirection direction)
{
    CrosswordGrid grid = content().grid;
    if (shiftLosesEntries(grid, direction) &&
        !ask(QStringLiteral("Beim Verschieben würden Eintragungen im Kreuzwortgitter verloren "
                            "gehen. Dennoch verschieben?")))
        return;
    shiftGrid(grid, direction);
    fillGrid(grid);
}

void CrosswordEditor::clearGrid()
{
    if (ask(QStringLiteral("Wirklich alle Eintragungen im Kreuzwortgitter löschen?")))
        fillGrid(CrosswordGrid{});
}

void CrosswordEditor::clearClues()
{
    if (!ask(
            QStringLiteral("Wirklich alle Beschreibungstexte (waagerecht und senkrecht) löschen?")))
        return;
    for (QTableWidget* table : m_clues)
        for (int n = 0; n < kCrosswordSize; ++n)
            table->item(n, 1)->setText(QString());
}

void CrosswordEditor::chooseColour(int index)
{
    int row = 0;
    while (kColourOrder[row] != index)
        ++row;
    const std::optional<ColorRef> chosen = m_prompter.chooseColour(
        QString::fromUtf8(kColourLabels[row]).remove(u':'), m_colours[index]);
    if (!chosen)
        return;
    m_colours[index] = *chosen;
    showColour(index);
}

void CrosswordEditor::showColour(int index)
{
    const QColor colour = toQColor(m_colours[index]);
    m_colourButtons[index]->setStyleSheet(
        QStringLiteral("background-color: %1;").arg(colour.name()));
}

bool CrosswordEditor::ask(const QString& question)
{
    bool yes = false;
    stepBack([&] { yes = m_prompter.confirm(question); });
    return yes;
}

int CrosswordEditor::runDialog(QDialog& dialog)
{
    int result = QDialog::Rejected;
    stepBack([&] { result = m_runDialog(dialog); });
    return result;
}

void CrosswordEditor::stepBack(const std::function<void()>& show)
{
    std::array<bool, 2> shown{};
    for (int k = 0; k < 2; ++k) {
        shown[k] = m_clueWindows[k]->isVisible();
        if (shown[k]) {
            m_clueWindows[k]->setWindowFlag(Qt::WindowStaysOnTopHint, false);
            m_clueWindows[k]->show();
        }
    }
    show();
    for (int k = 0; k < 2; ++k) {
        if (shown[k]) {
            m_clueWindows[k]->setWindowFlag(Qt::WindowStaysOnTopHint, true);
            m_clueWindows[k]->show();
        }
    }
}

void CrosswordEditor::accept()
{
    const CrosswordContent edited = content();
    for (QWidget* window : m_clueWindows)
        window->hide();
    applyCrosswordContent(m_document, edited);
    QDialog::accept();
}

void CrosswordEditor::reject()
{
    if (!ask(kDiscardQuestion))
        return;
    for (QWidget* window : m_clueWindows)
        window->hide();
    QDialog::reject();
}

bool openCrosswordEditor(EditorHost& host)
{
    // What OK rebuilds reaches the page as one change.
    DocumentChangeBatch batch(host.document);
    CrosswordEditor editor(host.document, host.prompter, host.parent);
    const bool accepted = velunto::runDialog(editor) == QDialog::Accepted;
    return finishContentEditor(host.document, accepted, editor.pageChanged());
}

} // namespace velunto
