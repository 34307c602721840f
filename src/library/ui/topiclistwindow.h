#pragma once

#include <QDialog>

class QTextBrowser;

namespace velunto {

class Printing;
class Prompter;

// "Themenliste": the topic list as formatted text, to copy, to save as a
// rich-text file or to print (when a printer is given).
class TopicListWindow : public QDialog
{
    Q_OBJECT
  public:
    TopicListWindow(const QString& formattedText, const QString& startFolder, Prompter& prompter,
                    QWidget* parent = nullptr, Printing* printing = nullptr);

    // "In Zwischenablage kopieren": plain text, HTML and rich text.
    void copyToClipboard();
    // "Speichern...": asks for a file and writes the text as rich text.
    void save();
    // "Drucken...": the print dialog, then the text titled "Themenliste".
    void print();

    QTextBrowser* textView() const { return m_view; }

  private:
    QString m_text;
    QString m_startFolder;
    Prompter& m_prompter;
    Printing* m_printing;
    QTextBrowser* m_view;
};

} // namespace velunto
