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
#include <QPushButton>
#include <QSaveFile>
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

} // namespace

BestListModel::BestListModel(std::vector<BestListDataTyp> records, QObject* parent)
    : QAbstractTableModel(parent), m_records(std::move(records))
{
}

int BestListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(1, int(m_records.size()));
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
    if (role != Qt::DisplayRole || size_t(index.row()) >= m_records.size())
        return {};
    return bestListRow(index.row() + 1, m_records[size_t(index.row())]).value(index.column());
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

BestListWindow::BestListWindow(const QString& title, std::vector<BestListDataTyp> sortedRecords,
                               const QString& saveFolder, Prompter& prompter, Printing& printing,
                               QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_printing(printing), m_saveFolder(saveFolder),
      m_model(new BestListModel(std::move(sortedRecords), this)), m_grid(new QTableView)
{
    setWindowTitle(title);
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
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
    int place = 0;
    for (const BestListDataTyp& r : m_model->records())
        table.rows.push_back(bestListRow(++place, r));
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
    const QByteArray bytes = bestListText(m_model->records()).toUtf8();
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_prompter.error(fileWriteErrorMessage(*path));
}

void BestListWindow::copyToClipboard()
{
    QGuiApplication::clipboard()->setText(bestListText(m_model->records()));
}

} // namespace velunto
