#pragma once

#include <QFrame>

class QHBoxLayout;
class QLabel;
class QScrollArea;

namespace velunto {

class Prompter;

// The info box of an info point: the info text laid out with the mark-up of
// the line layout, at the top right of the main window. It also prints,
// exports and copies the text without its style tags.
class InfoBox : public QFrame
{
    Q_OBJECT

  public:
    InfoBox(Prompter& prompter, QWidget* window);

    void showText(const QString& text, const QString& fontName);
    // The text as printed, exported and copied.
    QString plainText() const { return m_plain; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Everything of the box but its text area: frame, margins, buttons.
    int chromeHeight() const;
    void placeInWindow();
    void print();
    void exportText();
    void copyText();

    Prompter& m_prompter;
    QString m_plain;
    QScrollArea* m_scroll = nullptr;
    QLabel* m_picture = nullptr;
    QHBoxLayout* m_buttons = nullptr;
};

} // namespace velunto
