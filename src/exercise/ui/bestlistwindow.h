#pragma once

#include "exercise/bestlist.h"

#include <QAbstractTableModel>
#include <QDialog>

class QTableView;

namespace velunto {

class Printing;
class Prompter;
struct PrintTable;

// The rows of a best list for the grid; a row is decoded when the grid asks
// for its cells, so a list of any length opens at once. There is always at
// least one row below the header.
class BestListModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    explicit BestListModel(BestList list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const BestList& list() const { return m_list; }

  private:
    // The grid asks for each cell on its own; the row last asked for is kept.
    const QStringList& row(int row) const;

    BestList m_list;
    mutable int m_cachedRow = -1;
    mutable QStringList m_cachedCells;
};

// "Bestenliste - Individual-Übung" / "Bestenliste - Netzwerk-Übung": the
// sorted list with printing, saving and copying as text.
class BestListWindow : public QDialog
{
    Q_OBJECT
  public:
    BestListWindow(const QString& title, BestList sortedList,
                   const QString& saveFolder, Prompter& prompter, Printing& printing,
                   QWidget* parent = nullptr);

    // "Drucken...": the print dialog, then the grid as a table.
    void print();
    // "Speichern...": the grid as TAB-separated text with CR LF line ends.
    void save();
    // "In Zwischenablage": the same text.
    void copyToClipboard();

    QTableView* grid() const { return m_grid; }
    const BestListModel& model() const { return *m_model; }
    // The grid as the table printer takes it.
    PrintTable printTable() const;

  private:
    Prompter& m_prompter;
    Printing& m_printing;
    QString m_saveFolder;
    BestListModel* m_model;
    QTableView* m_grid;
};

} // namespace velunto
