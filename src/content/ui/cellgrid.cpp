#include "content/ui/cellgrid.h"

#include "content/ui/editorfont.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "view/ui/picturesource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velunto {

namespace {

constexpr int kLargestSize = 200;
constexpr int kSizeStep = 5;
// From this many columns on, the picture buttons read "B.".
constexpr int kNarrowColumns = 7;
constexpr QSize kThumbnail(64, 40);

// Stored texts separate lines with CR LF, the text fields with LF.
QString toField(const QString& stored)
{
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString fromField(const QString& field)
{
    QString text = field;
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

QPixmap thumbnailOf(const Picture& picture, QSize size)
{
    if (picture.isNull())
        return {};
    return QPixmap::fromImage(picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QString documentFolder(const Document& document)
{
    return document.header.FileName.isEmpty() ? QString()
                                              : QFileInfo(document.header.FileName).absolutePath();
}

} // namespace

// --- the picture panel -----------------------------------------------------------

PicturePanel::PicturePanel(Document& document, Prompter& prompter, QWidget* parent)
    : QFrame(parent), m_document(document), m_prompter(prompter), m_preview(new QLabel),
      m_identifier(new QLineEdit), m_size(new QComboBox),
      m_fit(new QCheckBox(QStringLiteral("Bildkärtchen anpassen (Übung)"))),
      m_linkPart(new QWidget), m_link(new QLineEdit),
      m_linkInExercise(new QCheckBox(QStringLiteral("Auch in der Übung verfügbar"))),
      m_settings(new QFormLayout)
{
    setFrameShape(QFrame::StyledPanel);
    setObjectName(QStringLiteral("BildKonfigPan"));
    m_preview->setMinimumSize(120, 80);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    for (int size = 0; size <= kLargestSize; size += kSizeStep)
        m_size->addItem(QString::number(size), size);

    auto button = [this](const char* caption, auto handler) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    auto* pictureButtons = new QVBoxLayout;
    pictureButtons->addWidget(button("aus Zwisch.abl.", [this] {
        if (auto picture = pictureFromClipboard(m_prompter)) {
            m_cell.Bild = *picture;
            showPicture();
        }
    }));
    pictureButtons->addWidget(button("aus Datei...", [this] {
        if (auto picture = pictureFromFile(m_prompter, QStringLiteral("Bild aus Datei laden"),
                                           documentFolder(m_document))) {
            m_cell.Bild = *picture;
            showPicture();
        }
    }));
    pictureButtons->addWidget(button("In Zw.abl. kopieren", [this] {
        copyPictureToClipboard(m_cell.Bild, m_document, m_prompter);
    }));
    pictureButtons->addWidget(button("Bild löschen", [this] {
        m_cell.Bild = Picture();
        showPicture();
    }));

    auto* linkLayout = new QFormLayout(m_linkPart);
    linkLayout->setContentsMargins(0, 0, 0, 0);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(m_link);
    linkRow->addWidget(button("Durchsuchen...", [this] { browseLink(); }));
    linkLayout->addRow(QStringLiteral("Verknüpfte Datei:"), linkRow);
    linkLayout->addRow(QString(),
                       button("In relativen Pfad umwandeln", [this] { makeLinkRelative(); }));
    linkLayout->addRow(QString(), m_linkInExercise);

    QFormLayout* settings = m_settings;
    settings->addRow(QStringLiteral("Bildkennung (nur bei gleichen Abfrage-Bildern):"),
                     m_identifier);
    settings->addRow(QStringLiteral("Größe:"), m_size);
    settings->addRow(QString(), m_fit);

    auto* top = new QHBoxLayout;
    top->addWidget(m_preview);
    top->addLayout(pictureButtons);
    top->addLayout(settings, 1);

    auto* close = button("Schließen", [this] {
        hide();
        Q_EMIT closed();
    });
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_linkPart);
    layout->addLayout(bottom);
    hide();
}

void PicturePanel::edit(const lueckentabellearrtyp& cell, bool withLink)
{
    m_cell = cell;
    m_identifier->setText(cell.BildKenn);
    const int size = std::clamp(cell.Groesse, 0, kLargestSize);
    m_size->setCurrentIndex(size / kSizeStep);
    m_fit->setChecked(cell.BildkarteAnpassen != 0);
    m_link->setText(cell.Link);
    m_linkInExercise->setChecked(cell.LinkInUebung != 0);
    m_linkPart->setVisible(withLink);
    showPicture();
    show();
}

void PicturePanel::setOnlySize(bool on)
{
    m_onlySize = on;
    m_settings->setRowVisible(m_identifier, !on);
    m_settings->setRowVisible(m_fit, !on);
}

lueckentabellearrtyp PicturePanel::cell() const
{
    lueckentabellearrtyp cell = m_cell;
    cell.Groesse = m_size->currentData().toInt();
    if (!m_onlySize) {
        cell.BildKenn = m_identifier->text();
        cell.BildkarteAnpassen = m_fit->isChecked() ? 1 : 0;
    }
    if (m_linkPart->isVisibleTo(this)) {
        cell.Link = m_link->text();
        cell.LinkInUebung = m_linkInExercise->isChecked() ? 1 : 0;
    }
    return cell;
}

QPushButton* PicturePanel::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

void PicturePanel::showPicture()
{
    m_preview->setPixmap(thumbnailOf(m_cell.Bild, m_preview->minimumSize()));
}

void PicturePanel::browseLink()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Zu verknüpfende Datei auswählen");
    request.directory = documentFolder(m_document);
    request.filters = {QStringLiteral("Alle Dateien (*.*)")};
    if (const auto file = m_prompter.openFile(request))
        m_link->setText(QDir::toNativeSeparators(*file));
}

void PicturePanel::makeLinkRelative()
{
    const QString folder = documentFolder(m_document);
    const QString link = QDir::fromNativeSeparators(m_link->text());
    if (folder.isEmpty() || link.isEmpty() || QDir::isRelativePath(link))
        return;
    m_link->setText(QDir(folder).relativeFilePath(link));
}

// --- the grid ------------------------------------------------------------------------

CellGrid::CellGrid(std::vector<CellKindChoice> kinds, Document& document, Prompter& prompter,
                   QWidget* parent)
    : QWidget(parent), m_kinds(std::move(kinds)), m_layout(new QGridLayout),
      m_panel(new PicturePanel(document, prompter))
{
    m_layout->setSpacing(4);
    auto* cellsArea = new QWidget;
    cellsArea->setLayout(m_layout);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cellsArea, 1);
    layout->addWidget(m_panel);
    connect(m_panel, &PicturePanel::closed, this, &CellGrid::panelClosed);
    rebuild();
}

const CellKindChoice* CellGrid::choiceFor(int art) const
{
    for (const CellKindChoice& choice : m_kinds) {
        if (choice.art == art)
            return &choice;
    }
    return nullptr;
}

lueckentabellearrtyp& CellGrid::cell(int row, int column)
{
    return m_cells[std::size_t(row)][std::size_t(column)];
}

CellGrid::CellWidgets& CellGrid::widgets(int row, int column)
{
    return m_widgets[std::size_t(row)][std::size_t(column)];
}

const CellGrid::CellWidgets& CellGrid::widgets(int row, int column) const
{
    return m_widgets[std::size_t(row)][std::size_t(column)];
}

void CellGrid::setCells(const CellTable& cells, int rows, int columns)
{
    m_cells = cells;
    m_rows = std::clamp(rows, 1, kTableRows);
    m_columns = std::clamp(columns, 1, kTableColumns);
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c < kTableColumns; ++c) {
            if (widgets(r, c).frame)
                showCell(r, c);
        }
    }
    rebuild();
}

void CellGrid::setGridSize(int rows, int columns)
{
    m_rows = std::clamp(rows, 1, kTableRows);
    m_columns = std::clamp(columns, 1, kTableColumns);
    rebuild();
}

void CellGrid::rebuild()
{
    const bool narrow = m_columns >= kNarrowColumns;
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c < kTableColumns; ++c) {
            const bool used = r < m_rows && c < m_columns;
            CellWidgets& w = widgets(r, c);
            if (!used) {
                if (w.frame)
                    w.frame->hide();
                continue;
            }
            if (!w.frame) {
                w.frame = new QFrame;
                w.kind = new QComboBox;
                for (const CellKindChoice& choice : m_kinds)
                    w.kind->addItem(choice.name, choice.art);
                w.text = new QPlainTextEdit;
                w.text->setTabChangesFocus(true);
                useEditorFont(w.text);
                w.text->installEventFilter(this);
                w.picture = new QLabel;
                w.picture->setFixedSize(kThumbnail);
                w.picture->setAlignment(Qt::AlignCenter);
                w.button = new QPushButton;
                auto* pictureRow = new QHBoxLayout;
                pictureRow->addWidget(w.picture);
                pictureRow->addWidget(w.button);
                pictureRow->addStretch(1);
                auto* cellLayout = new QVBoxLayout(w.frame);
                cellLayout->setContentsMargins(0, 0, 0, 0);
                cellLayout->addWidget(w.kind);
                cellLayout->addWidget(w.text, 1);
                cellLayout->addLayout(pictureRow);
                m_layout->addWidget(w.frame, r + 1, c);
                showCell(r, c);
                connect(w.kind, &QComboBox::activated, this, [this, r, c] { kindChosen(r, c); });
                connect(w.text, &QPlainTextEdit::textChanged, this, [this, r, c] {
                    cell(r, c).Text = fromField(widgets(r, c).text->toPlainText());
                });
                connect(w.button, &QPushButton::clicked, this, [this, r, c] { editPicture(r, c); });
            }
            w.button->setText(narrow ? QStringLiteral("B.") : QStringLiteral("Bild..."));
            w.frame->show();
        }
    }
    for (int c = 0; c < kTableColumns; ++c) {
        if (!m_headers[c] && m_makeHeader && c < m_columns) {
            m_headers[c] = m_makeHeader(c);
            m_layout->addWidget(m_headers[c], 0, c);
        }
        if (m_headers[c])
            m_headers[c]->setVisible(c < m_columns);
    }
    m_focusRow = std::min(m_focusRow, m_rows - 1);
    m_focusColumn = std::min(m_focusColumn, m_columns - 1);
}

void CellGrid::setColumnHeaders(std::function<QWidget*(int column)> make)
{
    m_makeHeader = std::move(make);
    rebuild();
}

void CellGrid::showCell(int row, int column)
{
    CellWidgets& w = widgets(row, column);
    const lueckentabellearrtyp& it = cell(row, column);
    const int index = w.kind->findData(it.Art);
    w.kind->setCurrentIndex(std::max(0, index));
    const CellKindChoice* choice = choiceFor(it.Art);
    const bool picture = choice && choice->picture;
    const QString text = toField(it.Text);
    if (w.text->toPlainText() != text) {
        const QSignalBlocker block(w.text);
        w.text->setPlainText(text);
    }
    w.text->setVisible(!picture);
    w.picture->setVisible(picture);
    w.button->setVisible(picture);
    w.picture->setPixmap(thumbnailOf(it.Bild, kThumbnail));
}

void CellGrid::kindChosen(int row, int column)
{
    lueckentabellearrtyp& it = cell(row, column);
    it.Art = widgets(row, column).kind->currentData().toInt();
    showCell(row, column);
    const CellKindChoice* choice = choiceFor(it.Art);
    if (choice && choice->picture && it.Bild.isNull())
        editPicture(row, column);
}

void CellGrid::editPicture(int row, int column)
{
    m_panelRow = row;
    m_panelColumn = column;
    const CellKindChoice* choice = choiceFor(cell(row, column).Art);
    m_panel->edit(cell(row, column), choice && choice->link);
}

void CellGrid::panelClosed()
{
    if (m_panelRow < 0)
        return;
    const lueckentabellearrtyp edited = m_panel->cell();
    lueckentabellearrtyp& it = cell(m_panelRow, m_panelColumn);
    it.Bild = edited.Bild;
    it.BildKenn = edited.BildKenn;
    it.Groesse = edited.Groesse;
    it.BildkarteAnpassen = edited.BildkarteAnpassen;
    it.Link = edited.Link;
    it.LinkInUebung = edited.LinkInUebung;
    showCell(m_panelRow, m_panelColumn);
    m_panelRow = m_panelColumn = -1;
}

void CellGrid::closePicturePanel()
{
    if (m_panel->isVisibleTo(this)) {
        m_panel->hide();
        panelClosed();
    }
}

void CellGrid::setCellText(int row, int column, const QString& text)
{
    cell(row, column).Text = text;
    if (widgets(row, column).frame)
        showCell(row, column);
}

void CellGrid::clearAll(int art)
{
    for (auto& row : m_cells) {
        for (lueckentabellearrtyp& it : row) {
            it.Text.clear();
            it.Art = art;
            it.Bild = Picture();
        }
    }
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c < kTableColumns; ++c) {
            if (widgets(r, c).frame)
                showCell(r, c);
        }
    }
}

QPlainTextEdit* CellGrid::focusedTextField() const
{
    return widgets(m_focusRow, m_focusColumn).text;
}

QPlainTextEdit* CellGrid::textField(int row, int column) const
{
    return widgets(row, column).text;
}

QComboBox* CellGrid::kindList(int row, int column) const
{
    return widgets(row, column).kind;
}

QPushButton* CellGrid::pictureButton(int row, int column) const
{
    return widgets(row, column).button;
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int r = 0; r < m_rows; ++r) {
            for (int c = 0; c < m_columns; ++c) {
                if (widgets(r, c).text == watched) {
                    m_focusRow = r;
                    m_focusColumn = c;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velunto
