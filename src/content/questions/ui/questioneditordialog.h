#pragma once

#include <QDialog>

#include <functional>

class QPushButton;

namespace velunto {

class Document;
class Prompter;

// What the single-questions and multiple-choice editors share: they work on
// a copy that only OK applies, every other way out asks before discarding,
// and the buttons "Ränder...", "Schriftart..." and "Bildergalerie..." open
// dialogs that act on the document at once.
class QuestionEditorDialog : public QDialog
{
    Q_OBJECT
  public:
    // Shows a dialog of the editor (the margins) and returns its result;
    // tests answer the dialogs without showing them.
    using DialogRunner = std::function<int(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // "Schriftart...": the document font dialog; the button shows only with one.
    void setDocumentFontHandler(std::function<void()> handler);
    // "Bildergalerie...": the picture gallery; the button shows only with one.
    void setGalleryHandler(std::function<void()> handler);

    // True when the margins or the document font were changed while the
    // editor was open: the page must be drawn again even after "Abbrechen".
    bool pageChanged() const { return m_pageChanged; }

    // Shows the editor until it is closed; true when OK applied it. Margins
    // or a document font changed before "Abbrechen" still hold, so the page
    // is then built again for them.
    bool run();

    // "Ränder...": the margins dialog on the document.
    void editMargins();

    void reject() override;

    QPushButton* button(const QString& caption) const;

  protected:
    QuestionEditorDialog(Document& document, Prompter& prompter, QWidget* parent);

    // The three buttons, for the editor's layout; font and gallery start
    // hidden.
    QPushButton* marginsButton() const { return m_margins; }
    QPushButton* fontButton() const { return m_font; }
    QPushButton* galleryButton() const { return m_gallery; }
    // Called at the end of the editor's constructor: Enter in a field
    // presses OK, never one of the command buttons.
    void makeOkTheDefault();

    Document& m_document;
    Prompter& m_prompter;

  private:
    DialogRunner m_runDialog;
    std::function<void()> m_documentFont;
    std::function<void()> m_showGallery;
    bool m_pageChanged = false;
    QPushButton* m_margins = nullptr;
    QPushButton* m_font = nullptr;
    QPushButton* m_gallery = nullptr;
};

} // namespace velunto
