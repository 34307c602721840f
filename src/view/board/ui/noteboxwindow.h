#pragma once

#include "view/board/notebox.h"

#include <QWidget>

#include <functional>

class QSpinBox;
class QTextEdit;

namespace velunto {

class Prompter;

// The note box ("Notizbox"): a window beside the main window with a
// rich-text note that lives for the program's run.
class NoteBoxWindow : public QWidget
{
    Q_OBJECT
  public:
    NoteBoxWindow(Prompter& prompter, QWidget* parent = nullptr);

    // The font of the note: the program's document font.
    void setFontName(const QString& name);
    // Prints the note; set by the window that knows the printers.
    void setPrinter(std::function<void(QTextEdit&)> print) { m_print = std::move(print); }

    QTextEdit* field() const { return m_field; }
    QSpinBox* fontSizeBox() const { return m_fontSize; }
    QSpinBox* widthBox() const { return m_width; }
    QSpinBox* heightBox() const { return m_height; }
    const NoteBoxSettings& settings() const { return m_settings; }

    // The buttons' commands.
    void copyAll();
    void pasteFromClipboard();
    void insertFromFile();
    void saveToFile();
    void print();
    void clearNote();

  Q_SIGNALS:
    // The note field took or lost the keyboard focus.
    void fieldFocusChanged(bool focused);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyFont();
    void applySize();

    Prompter& m_prompter;
    NoteBoxSettings m_settings;
    QString m_fontName = QStringLiteral("Arial");
    QTextEdit* m_field;
    QSpinBox* m_fontSize;
    QSpinBox* m_width;
    QSpinBox* m_height;
    std::function<void(QTextEdit&)> m_print;
};

} // namespace velunto
