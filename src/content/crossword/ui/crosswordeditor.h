#pragma once

#include "content/crossword/crosswordlayout.h"
#include "content/ui/editorregistry.h"

#include <QDialog>

#include <array>
#include <functional>

class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace velunto {

class Document;
class Prompter;

// "Kreuzworträtsel bearbeiten": the author types the letters of the solution
// words into a 30 x 30 grid, a start mark ("#W1", "#S2", ...) into the cell
// before each word, and the clues into two tables. Works on a copy of the
// crossword: only OK writes it back and builds the letter boxes; every other
// way out asks before the changes are dropped. The margins and the document
// font take effect at once.
class CrosswordEditor : public QDialog
{
    Q_OBJECT

  public:
    CrosswordEditor(Document& document, Prompter& prompter, QWidget* parent = nullptr);
    ~CrosswordEditor() override;

    // Shows a dialog of the editor (margins, editor font); tests answer it
    // without showing it.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // "Schriftart..." and "Bildergalerie...": shown only with a handler.
    void setDocumentFontHandler(std::function<void()> handler);
    void setGalleryHandler(std::function<void()> handler);

    // True when the margins or the document font were changed while the
    // editor was open: the page must be drawn again even after "Abbrechen".
    bool pageChanged() const { return m_pageChanged; }

    // The content as edited so far (an open cell editor included).
    CrosswordContent content();

    // Where the clue tables are shown: in two windows of their own that stay
    // on top, or on two further pages of the editor.
    enum class ClueInput { Windows, Pages };
    void setClueInput(ClueInput input);
    ClueInput clueInput() const { return m_clueInput; }

    // OK takes what is typed in an open cell along and applies the content
    // (applyCrosswordContent).
    void accept() override;
    // Closing other than with OK asks before the changes are dropped.
    void reject() override;

    // The controls, for tests.
    QTableWidget* grid() const { return m_grid; }
    QTableWidget* clueTable(bool horizontal) const { return m_clues[horizontal ? 0 : 1]; }
    QWidget* clueWindow(bool horizontal) const { return m_clueWindows[horizontal ? 0 : 1]; }
    QTabWidget* pages() const { return m_pages; }
    QPushButton* button(const QString& text) const;
    QPushButton* colourButton(int index) const { return m_colourButtons[index]; }

  private:
    class GridTable;

    QWidget* gridPage();
    QWidget* sidePanel();
    QTableWidget* makeClueTable(QChar prefix, const std::array<QString, kCrosswordSize>& clues);
    void fillGrid(const CrosswordGrid& grid);
    void shadeCell(int row, int column);
    void shift(ShiftDirection direction);
    void clearGrid();
    void clearClues();
    void chooseColour(int index);
    void showColour(int index);
    void commitEdits();
    // Asks through the prompter, or runs a dialog, with the clue windows
    // taken off the top, so that the question stays visible.
    bool ask(const QString& question);
    int runDialog(QDialog& dialog);
    void stepBack(const std::function<void()>& show);

    Document& m_document;
    Prompter& m_prompter;
    DialogRunner m_runDialog;
    std::function<void()> m_documentFont;
    std::function<void()> m_gallery;
    bool m_pageChanged = false;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_galleryButton = nullptr;
    ClueInput m_clueInput = ClueInput::Pages;
    QTabWidget* m_pages = nullptr;
    QTableWidget* m_grid = nullptr;
    std::array<QTableWidget*, 2> m_clues{};
    std::array<QWidget*, 2> m_cluePages{};
    std::array<QWidget*, 2> m_clueWindows{};
    QRadioButton* m_windowsChoice = nullptr;
    QRadioButton* m_pagesChoice = nullptr;
    std::array<int, 6> m_colours{};
    std::array<QPushButton*, 6> m_colourButtons{};
    bool m_shading = false;
};

// "Kreuzworträtsel bearbeiten" on the open Document; true after OK.
bool openCrosswordEditor(EditorHost& host);

} // namespace velunto
