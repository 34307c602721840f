#pragma once

#include "content/cloze/clozeedit.h"
#include "content/ui/editorregistry.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace velunto {

class CellGrid;
class Document;
class Prompter;

// The cloze editor "TLueckEditForm": one text field for the flowing
// sub-types, or the grid of cells for the table cloze, with the commands
// that set and remove gaps, fill and empty the text, run the two generators
// and edit the wrong words, the minimum gap, the colours, the margins and the
// document font. It works on a copy: only OK writes the content back (and
// builds the cloze); every other way out asks before it discards the
// changes. The margins and the document font take effect at once.
class ClozeEditor : public QDialog
{
    Q_OBJECT
  public:
    ClozeEditor(Document& document, int subType, Prompter& prompter, QWidget* parent = nullptr);

    // Shows a dialog of the editor (margins, wrong words, generators) and
    // returns its result; tests answer the dialogs without showing them.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // "Schriftart...": the document font dialog; the button shows only with one.
    void setDocumentFontHandler(std::function<void()> handler);
    // "Bildergalerie..." of the grid; the button shows only with one.
    void setGalleryHandler(std::function<void()> handler);

    // True when the margins or the document font were changed while the
    // editor was open: the page must be drawn again even after "Abbrechen".
    bool pageChanged() const { return m_pageChanged; }

    // The content as edited now.
    ClozeEdit edit() const;

    // --- the commands --------------------------------------------------------------
    void setGap();
    void removeMarksInSelection();
    void removeAllMarks();
    void clearAll();
    void pasteFromClipboard();
    void copyToClipboard();
    void insertFromFile();
    void autoGaps();
    void cTestGaps();
    void editWrongWords();
    void editMargins();

    void accept() override;
    void reject() override;

    // --- for tests -------------------------------------------------------------------
    QPlainTextEdit* textField() const { return m_text; }
    CellGrid* grid() const { return m_grid; }
    QPushButton* button(const QString& caption) const;
    QComboBox* minGapList() const { return m_minGap; }
    QSpinBox* rowsBox() const { return m_rows; }
    QSpinBox* columnsBox() const { return m_columns; }
    QCheckBox* gridLinesBox() const { return m_gridLines; }

  private:
    bool isTable() const { return m_edit.subType == ClozeSubType::Table; }
    // The text field the commands act on: the one text field, or the cell
    // text field that last had the focus.
    QPlainTextEdit* activeField() const;
    // Replaces the whole text of field (one undo step) and selects a part.
    static void replaceText(QPlainTextEdit* field, const QString& text, int selectionStart,
                            int selectionLength);
    void chooseColour(const QString& title, ColorRef& colour, QPushButton* button);
    QPushButton* colourButton(const QString& title, ColorRef& colour);

    Document& m_document;
    Prompter& m_prompter;
    ClozeEdit m_edit; // the settings the widgets do not hold
    DialogRunner m_runDialog;
    std::function<void()> m_documentFont;
    std::function<void()> m_gallery;
    bool m_pageChanged = false;

    QPlainTextEdit* m_text = nullptr;
    CellGrid* m_grid = nullptr;
    QComboBox* m_minGap = nullptr;
    QSpinBox* m_rows = nullptr;
    QSpinBox* m_columns = nullptr;
    QCheckBox* m_gridLines = nullptr;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_galleryButton = nullptr;
};

// Shows the cloze editor for subType on the document until it is closed.
// True when the document changed: applied with OK, or the margins or the
// document font were changed while it was open. documentFont opens the
// document font dialog ("Schriftart..."), gallery the picture gallery.
bool runClozeEditor(Document& document, int subType, Prompter& prompter, QWidget* parent,
                    std::function<void()> documentFont = {}, std::function<void()> gallery = {});

// The registered editor of every cloze sub-type ("&Dokument bearbeiten..."
// and the new cloze documents): the cloze editor for the document's
// sub-type.
bool openClozeEditor(EditorHost& host);

} // namespace velunto
