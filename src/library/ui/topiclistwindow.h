#pragma once

#include <QDialog>

class QTextBrowser;

namespace velunto {

class Prompter;

// "Themenliste": the topic list as formatted text, to copy or to save as a
// rich-text file.
class TopicListWindow : public QDialog
{
    Q_OBJECT
  public:
    TopicListWindow(const QString& formattedText, const QString& startFolder, Prompter& prompter,
                    QWidget* parent = nullptr);

    // "In Zwischenablage kopieren": plain text, HTML and rich text.
    void copyToClipboard();
    // "Speichern...": asks for a file and writes the text as rich text.
    void save();

    QTextBrowser* textView() const { return m_view; }

  private:
    QString m_text;
    QString m_startFolder;
    Prompter& m_prompter;
    QTextBrowser* m_view;
};

} // namespace velunto
