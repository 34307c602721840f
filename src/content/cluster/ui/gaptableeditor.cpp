#include "content/cluster/ui/gaptableeditor.h"

#include "common/numeric.h"
#include "content/cluster/clusterlayout.h"
#include "content/crossassign/pairlayout.h"
#include "content/ui/cellgrid.h"
#include "content/ui/marginsdialog.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace velunto {

namespace {

QIcon swatch(ColorRef colour)
{
    QPixmap pixmap(24, 14);
    pixmap.fill(toQColor(colour));
    return QIcon(pixmap);
}

QPushButton* plainButton(const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setAutoDefault(false);
    return b;
}

std::vector<CellKindChoice> tableCellKinds()
{
    return {{QStringLiteral("Stat. Text"), 0, false, false},
            {QStringLiteral("Abfrage-Text"), 1, false, false},
            {QStringLiteral("Stat. Bild"), 2, true, false},
            {QStringLiteral("Abfrage-Bild"), 3, true, false}};
}

QLabel* hint(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

// --- the basket panel ---------------------------------------------------------------

BasketPanel::BasketPanel(Prompter& prompter, QWidget* parent)
    : QFrame(parent), m_prompter(prompter), m_colour(plainButton(QString())),
      m_opacity(new QComboBox)
{
    setFrameShape(QFrame::StyledPanel);
    m_opacity->addItem(QStringLiteral("transparent"), 0);
    for (int percent = 10; percent <= 90; percent += 10)
        m_opacity->addItem(QString::number(percent) + u'%', percent);
    m_opacity->addItem(QStringLiteral("deckend"), 100);
    connect(m_colour, &QPushButton::clicked, this, [this] {
        if (const auto chosen =
                m_prompter.chooseColour(QStringLiteral("Hintergrundfarbe"), m_value)) {
            m_value = *chosen;
            showColour();
        }
    });
    auto* close = plainButton(QStringLiteral("Schließen"));
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT closed();
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Hintergrundfarbe:"), m_colour);
    form->addRow(QStringLiteral("Hintergrunddeckkraft:"), m_opacity);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(close, 0, Qt::AlignBottom);
    hide();
}

void BasketPanel::edit(int column, const SpaltenHtgdEntry& background)
{
    m_column = column;
    m_value = background.colour;
    // Opacities between the steps of the list show at the nearest step.
    m_opacity->setCurrentIndex(std::clamp(rnd(background.value / 10.0), 0, 10));
    showColour();
    show();
}

SpaltenHtgdEntry BasketPanel::background() const
{
    return {m_value, m_opacity->currentData().toInt()};
}

void BasketPanel::showColour()
{
    m_colour->setIcon(swatch(m_value));
}

// --- the editor ------------------------------------------------------------------------

GapTableEditor::GapTableEditor(Type type, Document& document, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_type(type), m_document(document), m_prompter(prompter),
      m_content(gapTableContent(document.header)), m_runDialog(runDialog)
{
    const bool cluster = type == Type::Cluster;
    m_content.rows = std::clamp(m_content.rows, 1, kTableRows);
    m_content.columns = cluster ? std::clamp(m_content.columns, kMinBaskets, kMaxBaskets)
                                : pairColumns(document.header);
    setWindowTitle(cluster ? QStringLiteral("Cluster-Übung bearbeiten")
                           : QStringLiteral("Über-Kreuz-Zuordnung bearbeiten"));

    m_rows = new QSpinBox;
    m_rows->setRange(1, kTableRows);
    m_rows->setValue(m_content.rows);
    m_columns = new QSpinBox;
    m_columns->setRange(cluster ? kMinBaskets : 2, cluster ? kMaxBaskets : 3);
    m_columns->setValue(m_content.columns);

    m_grid = new CellGrid(tableCellKinds(), document, prompter);
    m_grid->setCells(m_content.cells, m_content.rows, m_content.columns);
    if (cluster) {
        m_grid->setColumnHeaders([this](int column) {
            auto* b = plainButton(QStringLiteral("Spaltenhintergrund..."));
            connect(b, &QPushButton::clicked, this, [this, column] { editBasket(column); });
            return b;
        });
    } else {
        m_grid->picturePanel()->setOnlySize(true);
    }
    auto resizeGrid = [this] { m_grid->setGridSize(m_rows->value(), m_columns->value()); };
    connect(m_rows, &QSpinBox::valueChanged, this, resizeGrid);
    connect(m_columns, &QSpinBox::valueChanged, this, resizeGrid);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_grid);

    auto* size = new QHBoxLayout;
    if (cluster) {
        size->addWidget(new QLabel(QStringLiteral("Anzahl Cluster (Spalten):")));
        size->addWidget(m_columns);
        size->addWidget(new QLabel(QStringLiteral("Max. Objekte pro Cluster:")));
        size->addWidget(m_rows);
        m_lines = new QCheckBox(QStringLiteral("Trennlinien anzeigen"));
        m_lines->setChecked(m_content.line == 1);
        size->addSpacing(12);
        size->addWidget(m_lines);
    } else {
        size->addWidget(new QLabel(QStringLiteral("Anzahl Zuordnungs-Zeilen:")));
        size->addWidget(m_rows);
        size->addWidget(new QLabel(QStringLiteral("Anzahl Zuordnungs-Spalten:")));
        size->addWidget(m_columns);
    }
    size->addWidget(new QLabel(QStringLiteral("Linienfarbe:")));
    size->addWidget(colourButton(QStringLiteral("Linienfarbe"), m_content.lineColour));
    size->addWidget(new QLabel(QStringLiteral("Textfarbe:")));
    size->addWidget(colourButton(QStringLiteral("Textfarbe"), m_content.textColour));
    size->addStretch(1);
    auto* clear = plainButton(QStringLiteral("Alles löschen"));
    connect(clear, &QPushButton::clicked, this, [this] { m_grid->clearAll(1); });
    size->addWidget(clear);

    auto* hints = new QVBoxLayout;
    if (cluster) {
        hints->addWidget(hint(QStringLiteral(
            "Definieren Sie die Körbe spaltenweise, indem Sie in die Felder jeweils wahlweise "
            "einen Abfrage-Text oder ein Abfrage-Bild einfügen.")));
        hints->addWidget(hint(QStringLiteral(
            "Mittels statischer Texte und statischer Bilder können Sie den Clustern (Körben) "
            "Überschriften hinzufügen oder Beispiele vorgeben. Ggf. Zeilenumbrüche einfügen.")));
        hints->addWidget(hint(QStringLiteral(
            "Bitte beachten Sie, dass die Cluster-Übung nicht mit anderen Abfrage-Objekten "
            "kombiniert werden kann (außer Lernansicht).")));
    } else {
        hints->addWidget(hint(QStringLiteral(
            "Definieren Sie die Paarungen zeilenweise, indem Sie in die Felder jeweils wahlweise "
            "einen Abfrage-Text oder ein Abfrage-Bild einfügen.")));
        hints->addWidget(hint(QStringLiteral(
            "Mittels statischer Texte und statischer Bilder können Sie den Paarungen "
            "Überschriften hinzufügen oder Beispiele vorgeben. Ggf. Zeilenumbrüche einfügen.")));
    }

    m_basketPanel = new BasketPanel(prompter);
    connect(m_basketPanel, &BasketPanel::closed, this, &GapTableEditor::basketClosed);

    auto* margins = plainButton(QStringLiteral("Ränder..."));
    connect(margins, &QPushButton::clicked, this, [this] { editMargins(); });
    m_fontButton = plainButton(QStringLiteral("Schriftart..."));
    connect(m_fontButton, &QPushButton::clicked, this, [this] {
        if (m_documentFont) {
            m_documentFont();
            m_pageChanged = true;
        }
    });
    m_fontButton->hide();
    m_galleryButton = plainButton(QStringLiteral("Bildergalerie..."));
    connect(m_galleryButton, &QPushButton::clicked, this, [this] {
        if (m_gallery)
            m_gallery();
    });
    m_galleryButton->hide();
    auto* ok = plainButton(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    auto* cancel = plainButton(QStringLiteral("Abbrechen"));
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(margins);
    buttons->addWidget(m_fontButton);
    buttons->addWidget(m_galleryButton);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(size);
    layout->addLayout(hints);
    layout->addWidget(scroll, 1);
    layout->addWidget(m_basketPanel);
    layout->addLayout(buttons);
    resize(980, 700);
}

void GapTableEditor::setDocumentFontHandler(std::function<void()> handler)
{
    m_documentFont = std::move(handler);
    m_fontButton->setVisible(bool(m_documentFont));
}

void GapTableEditor::setGalleryHandler(std::function<void()> handler)
{
    m_gallery = std::move(handler);
    m_galleryButton->setVisible(bool(m_gallery));
}

QPushButton* GapTableEditor::button(const QString& caption) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

QPushButton* GapTableEditor::basketButton(int column) const
{
    QList<QPushButton*> found;
    for (QPushButton* b : m_grid->findChildren<QPushButton*>()) {
        if (b->text() == QStringLiteral("Spaltenhintergrund..."))
            found << b;
    }
    std::sort(found.begin(), found.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return column >= 0 && column < found.size() ? found[column] : nullptr;
}

GapTableContent GapTableEditor::content() const
{
    GapTableContent content = m_content;
    content.rows = m_rows->value();
    content.columns = m_columns->value();
    if (m_lines)
        content.line = m_lines->isChecked() ? 1 : 0;
    content.cells = m_grid->cells();
    return content;
}

QPushButton* GapTableEditor::colourButton(const QString& title, ColorRef& colour)
{
    auto* b = plainButton(QString());
    b->setObjectName(title);
    b->setIcon(swatch(colour));
    connect(b, &QPushButton::clicked, this, [this, title, &colour, b] {
        if (const auto chosen = m_prompter.chooseColour(title, colour)) {
            colour = *chosen;
            b->setIcon(swatch(colour));
        }
    });
    return b;
}

void GapTableEditor::editBasket(int column)
{
    basketClosed();
    m_basketPanel->edit(column, m_content.columnBackgrounds[column]);
}

void GapTableEditor::basketClosed()
{
    const int column = m_basketPanel->column();
    if (column >= 0 && column < kTableColumns)
        m_content.columnBackgrounds[column] = m_basketPanel->background();
}

void GapTableEditor::editMargins()
{
    MarginsDialog dialog(m_document, m_prompter, this);
    if (m_runDialog(dialog) == QDialog::Accepted)
        m_pageChanged = true;
}

void GapTableEditor::accept()
{
    m_grid->closePicturePanel();
    if (m_basketPanel->isVisibleTo(this)) {
        m_basketPanel->hide();
        basketClosed();
    }
    if (m_type == Type::Cluster)
        applyClusterContent(m_document, content());
    else
        applyPairContent(m_document, content());
    QDialog::accept();
}

void GapTableEditor::reject()
{
    if (m_prompter.confirm(
            QStringLiteral("Alle Änderungen werden verworfen. Möchten Sie tatsächlich verwerfen?")))
        QDialog::reject();
}

} // namespace velunto
