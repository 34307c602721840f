#pragma once

#include "content/cluster/clustercontent.h"

#include <QDialog>
#include <QFrame>

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace velunto {

class CellGrid;
class Document;
class Prompter;

// The basket panel of the cluster editor: the background colour and opacity
// of one basket column. "Schließen" keeps the values.
class BasketPanel : public QFrame
{
    Q_OBJECT
  public:
    BasketPanel(Prompter& prompter, QWidget* parent = nullptr);

    void edit(int column, const SpaltenHtgdEntry& background);
    int column() const { return m_column; }
    SpaltenHtgdEntry background() const;

    QPushButton* colourButton() const { return m_colour; }
    QComboBox* opacityList() const { return m_opacity; }

  Q_SIGNALS:
    void closed();

  private:
    void showColour();

    Prompter& m_prompter;
    int m_column = -1;
    ColorRef m_value = 0;
    QPushButton* m_colour;
    QComboBox* m_opacity;
};

// The editors of the two table exercises: "Cluster-Übung bearbeiten"
// (TKorbEditForm), whose columns are baskets with their backgrounds, and
// "Über-Kreuz-Zuordnung bearbeiten" (TKreuzverbindungEditForm), whose rows
// are pairs or chains. Each cell is a static or query text or picture. The
// editor works on a copy: only OK writes the table back and lays the page
// out again; every other way out asks before the changes are dropped. The
// margins and the document font take effect at once.
class GapTableEditor : public QDialog
{
    Q_OBJECT
  public:
    enum class Type { Cluster, Pairs };

    GapTableEditor(Type type, Document& document, Prompter& prompter, QWidget* parent = nullptr);

    // Shows a dialog of the editor (the margins); tests answer it without
    // showing it.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // "Schriftart..." and "Bildergalerie...": shown only with a handler.
    void setDocumentFontHandler(std::function<void()> handler);
    void setGalleryHandler(std::function<void()> handler);

    // True when the margins or the document font were changed while the
    // editor was open: the page must be drawn again even after "Abbrechen".
    bool pageChanged() const { return m_pageChanged; }

    // The table as edited now.
    GapTableContent content() const;

    void accept() override;
    void reject() override;

    // --- for tests ---
    CellGrid* grid() const { return m_grid; }
    BasketPanel* basketPanel() const { return m_basketPanel; }
    QSpinBox* rowsBox() const { return m_rows; }
    QSpinBox* columnsBox() const { return m_columns; }
    QCheckBox* linesBox() const { return m_lines; }
    QPushButton* button(const QString& caption) const;
    // The "Spaltenhintergrund..." button of a basket.
    QPushButton* basketButton(int column) const;

  private:
    QPushButton* colourButton(const QString& title, ColorRef& colour);
    void editBasket(int column);
    void basketClosed();
    void editMargins();

    Type m_type;
    Document& m_document;
    Prompter& m_prompter;
    GapTableContent m_content; // what the widgets do not hold
    DialogRunner m_runDialog;
    std::function<void()> m_documentFont;
    std::function<void()> m_gallery;
    bool m_pageChanged = false;

    CellGrid* m_grid = nullptr;
    BasketPanel* m_basketPanel = nullptr;
    QSpinBox* m_rows = nullptr;
    QSpinBox* m_columns = nullptr;
    QCheckBox* m_lines = nullptr;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_galleryButton = nullptr;
};

} // namespace velunto
