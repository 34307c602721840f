#pragma once

#include "common/colorref.h"
#include "view/board/sheetpatterns.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velunto {

class Prompter;

// "Freie Eingabe" of the free sheets: the count and the colours of lines
// and background. The count field takes digits only.
class SheetCountDialog : public QDialog
{
    Q_OBJECT
  public:
    SheetCountDialog(SheetKind kind, int count, ColorRef lineColour, ColorRef background,
                     Prompter& prompter, QWidget* parent = nullptr);

    // The count entered, clamped to what the kind allows.
    int count() const;
    ColorRef lineColour() const { return m_line; }
    ColorRef background() const { return m_background; }
    QLineEdit* countField() const { return m_count; }

  private:
    SheetKind m_kind;
    QLineEdit* m_count;
    ColorRef m_line;
    ColorRef m_background;
};

// "Blatt mit Tabelle": rows, columns, colours and the margins around the
// table.
class TableSheetDialog : public QDialog
{
    Q_OBJECT
  public:
    TableSheetDialog(const TableLayout& table, ColorRef lineColour, ColorRef background,
                     Prompter& prompter, QWidget* parent = nullptr);

    // The table entered, clamped.
    TableLayout table() const;
    ColorRef lineColour() const { return m_line; }
    ColorRef background() const { return m_background; }
    QLineEdit* rowsField() const { return m_rows; }
    QLineEdit* columnsField() const { return m_columns; }
    QCheckBox* marginSwitch() const { return m_showMargins; }
    QWidget* marginFields() const { return m_margins; }

  private:
    QLineEdit* m_rows;
    QLineEdit* m_columns;
    QLineEdit* m_left;
    QLineEdit* m_right;
    QLineEdit* m_top;
    QLineEdit* m_bottom;
    QCheckBox* m_showMargins;
    QWidget* m_margins;
    ColorRef m_line;
    ColorRef m_background;
};

} // namespace velunto
