#include "exercise/ui/bestlistwindow.h"

#include "common/filemessages.h"
#include "platform/prompter.h"
#include "print/tableprint.h"
#include "print/ui/printing.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace velunto {

namespace {

constexpr int kColumnWidths[] = {40, 200, 100, 80, 80, 140};
constexpr int kRowHeight = 19;

Qt::Alignment columnAlignment(int column)
{
    // "Pos.", "Leistung" and "Zeit" are centred.
    return (column == 0 || column == 3 || column == 4) ? Qt::AlignHCenter : Qt::AlignLeft;
}

// Draws a cell's text straight with the painter, clipped to the cell as the
// printed table is. The style's item drawing lays each text out three times
// (size, elision, drawing), which made painting the visible rows cost more
// than reading and sorting a list of 100,000 results.
class CellTextDelegate : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty())
            return;
        painter->save();
        painter->setFont(option.font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(option.rect.adjusted(kCellMargin, 0, -kCellMargin, 0),
                          int(columnAlignment(index.column()) | Qt::AlignVCenter), text);
        painter->restore();
    }

  private:
    static constexpr int kCellMargin = 3;
};

} // namespace

BestListModel::BestListModel(BestList list, QObject* parent)
    : QAbstractTableModel(parent), m_list(std::move(list))
{
}

int BestListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(1, int(m_list.size()));
}

const QStringList& BestListModel::row(int row) const
{
    if (row != m_cachedRow) {
        m_cachedCells = bestListRow(row + 1, m_list.record(size_t(row)));
        m_cachedRow = row;
    }
    return m_cachedCells;
}

int BestListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 6;
}

QVariant BestListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(columnAlignment(index.column()) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || size_t(index.row()) >= m_list.size())
        return {};
    return row(index.row()).value(index.column());
}

QVariant BestListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return bestListHeaderRow().value(section);
    if (role == Qt::TextAlignmentRole)
        return int(columnAlignment(section) | Qt::AlignVCenter);
    return {};
}

BestListWindow::BestListWindow(const QString& title, BestList sortedList,
                               const QString& saveFolder, Prompter& prompter, Printing& printing,
                               QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_printing(printing), m_saveFolder(saveFolder),
      m_model(new BestListModel(std::move(sortedList), this)), m_grid(new QTableView)
{
    setWindowTitle(title);
    // The row height is set before the rows come: set afterwards, every one
    // of a long list's rows would be resized and announced on its own.
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new CellTextDelegate(m_grid));
    m_grid->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < 6; ++c)
        m_grid->setColumnWidth(c, kColumnWidths[c]);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setWordWrap(false);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& caption, auto action) {
        auto* b = new QPushButton(caption);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    addButton(QStringLiteral("Drucken..."), &BestListWindow::print);
    addButton(QStringLiteral("Speichern..."), &BestListWindow::save);
    addButton(QStringLiteral("In Zwischenablage"), &BestListWindow::copyToClipboard);
    buttons->addStretch(1);
    addButton(QStringLiteral("Schließen"), &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Teil-Wiederholungen werden nicht berücksichtigt.")));
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(680, 480);
}

PrintTable BestListWindow::printTable() const
{
    PrintTable table;
    for (int c = 0; c < 6; ++c)
        table.columns.push_back({m_grid->columnWidth(c), columnAlignment(c)});
    table.rows.push_back(bestListHeaderRow());
    const BestList& list = m_model->list();
    table.rows.reserve(list.size() + 1);
    for (size_t i = 0; i < list.size(); ++i)
        table.rows.push_back(bestListRow(int(i) + 1, list.record(i)));
    table.fixedRows = 1;
    return table;
}

void BestListWindow::print()
{
    if (!m_printing.printDialog(this))
        return;
    m_printing.printer().setDocName(windowTitle());
    const QString failed = velunto::printTable(m_printing.printer(), printTable());
    if (!failed.isEmpty())
        m_prompter.error(failed);
}

void BestListWindow::save()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Bestenliste in Datei speichern");
    request.directory = m_saveFolder;
    request.filters = {QStringLiteral("Textdatei (*.txt)"), QStringLiteral("Alle Dateien (*.*)")};
    request.defaultSuffix = QStringLiteral("txt");
    const auto path = m_prompter.saveFile(request);
    if (!path)
        return;
    const QByteArray bytes = bestListText(m_model->list()).toUtf8();
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_prompter.error(fileWriteErrorMessage(*path));
}

void BestListWindow::copyToClipboard()
{
    QGuiApplication::clipboard()->setText(bestListText(m_model->list()));
}

} // namespace velunto
