#pragma once

#include "document/records.h"

#include <QFrame>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velunto {

class Document;
class Prompter;

// A kind a grid cell can take, as its editor lists it.
struct CellKindChoice
{
    QString name; // "Text", "Stat. Bild", ...
    int art = 0;  // the cell's Art
    bool picture = false;
    bool link = false; // the picture opens a linked file
};

using CellTable = std::array<std::array<lueckentabellearrtyp, kTableColumns>, kTableRows>;

// The picture panel of a grid cell (BildKonfigPan): the cell's picture (from
// the clipboard, from a file, to the clipboard, deleted), its identifier,
// size step and "Bildkärtchen anpassen", and for a picture link the linked
// file. "Schließen" hands the values back to the grid.
class PicturePanel : public QFrame
{
    Q_OBJECT
  public:
    PicturePanel(Document& document, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the panel for a cell; withLink shows the link settings.
    void edit(const lueckentabellearrtyp& cell, bool withLink);
    // Hides the identifier and "Bildkärtchen anpassen" for an editor whose
    // pictures have only a size; the cell keeps the values it had.
    void setOnlySize(bool on);
    // The cell as the panel holds it now.
    lueckentabellearrtyp cell() const;

    QPushButton* button(const QString& caption) const;
    QLineEdit* identifierField() const { return m_identifier; }
    QComboBox* sizeList() const { return m_size; }
    QCheckBox* fitBox() const { return m_fit; }
    QLineEdit* linkField() const { return m_link; }
    QCheckBox* linkInExerciseBox() const { return m_linkInExercise; }

  Q_SIGNALS:
    void closed();

  private:
    void showPicture();
    void browseLink();
    void makeLinkRelative();

    Document& m_document;
    Prompter& m_prompter;
    lueckentabellearrtyp m_cell;
    QLabel* m_preview;
    QLineEdit* m_identifier;
    QComboBox* m_size;
    QCheckBox* m_fit;
    QWidget* m_linkPart;
    QLineEdit* m_link;
    QCheckBox* m_linkInExercise;
    QFormLayout* m_settings;
    bool m_onlySize = false;
};

// The grid of cell widgets shared by the editors of the table cloze, the
// cluster exercise and the cross assignment: up to 16 rows by 12 columns of
// cells, each with a kind list, a text field for the text kinds and a picture
// with its button ("Bild..." or "B." when narrow) for the picture kinds.
// Changing the size keeps the contents of every cell, also of the cells that
// fall outside and come back. Text fields show the editor font.
class CellGrid : public QWidget
{
    Q_OBJECT
  public:
    CellGrid(std::vector<CellKindChoice> kinds, Document& document, Prompter& prompter,
             QWidget* parent = nullptr);

    void setCells(const CellTable& cells, int rows, int columns);
    void setGridSize(int rows, int columns);
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // Every cell as edited, the ones outside the used area included.
    const CellTable& cells() const { return m_cells; }
    lueckentabellearrtyp& cell(int row, int column);

    // Sets a cell's text (and its field).
    void setCellText(int row, int column, const QString& text);
    // Every cell: empty text, kind art, no picture.
    void clearAll(int art);

    // The text field of the cell that last had the focus (the first cell's
    // until one had it), and that cell.
    QPlainTextEdit* focusedTextField() const;
    int focusedRow() const { return m_focusRow; }
    int focusedColumn() const { return m_focusColumn; }

    QPlainTextEdit* textField(int row, int column) const;
    QComboBox* kindList(int row, int column) const;
    QPushButton* pictureButton(int row, int column) const;
    PicturePanel* picturePanel() const { return m_panel; }

    // A widget above each column (the cluster's "Spaltenhintergrund..."),
    // made for a column when it first shows.
    void setColumnHeaders(std::function<QWidget*(int column)> make);

    // Opens the picture panel for a cell.
    void editPicture(int row, int column);
    // Closes an open picture panel as its "Schließen" does, keeping its values.
    void closePicturePanel();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct CellWidgets
    {
        QWidget* frame = nullptr;
        QComboBox* kind = nullptr;
        QPlainTextEdit* text = nullptr;
        QLabel* picture = nullptr;
        QPushButton* button = nullptr;
    };

    const CellKindChoice* choiceFor(int art) const;
    void rebuild();
    void showCell(int row, int column);
    void kindChosen(int row, int column);
    void panelClosed();
    CellWidgets& widgets(int row, int column);
    const CellWidgets& widgets(int row, int column) const;

    std::vector<CellKindChoice> m_kinds;
    CellTable m_cells{};
    int m_rows = 1;
    int m_columns = 1;
    int m_focusRow = 0;
    int m_focusColumn = 0;
    int m_panelRow = -1;
    int m_panelColumn = -1;
    QGridLayout* m_layout;
    std::array<std::array<CellWidgets, kTableColumns>, kTableRows> m_widgets{};
    std::function<QWidget*(int)> m_makeHeader;
    std::array<QWidget*, kTableColumns> m_headers{};
    PicturePanel* m_panel;
};

} // namespace velunto
