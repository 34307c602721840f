#pragma once

#include <QWidget>

class QLabel;
class QHBoxLayout;

namespace velunto {

// The area right of (or left of) the toolbar: the title line of the open
// document, a row for the status panels of exercises, and the page itself
// with the start panel over it while no document is open.
class PageArea : public QWidget
{
    Q_OBJECT
  public:
    explicit PageArea(QWidget* parent = nullptr);

    QLabel* titleLine() const { return m_title; }
    QLabel* startPanel() const { return m_startPanel; }
    QWidget* page() const { return m_page; }

    // Puts the learning view in place of the current page widget.
    void setPage(QWidget* page);
    void addStatusPanel(QWidget* panel);
    void setStartPanelVisible(bool visible);

  Q_SIGNALS:
    void titleClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* m_title;
    QHBoxLayout* m_statusRow;
    QWidget* m_pageHost;
    QWidget* m_page;
    QLabel* m_startPanel;
};

// The text of the start panel.
QString startPanelText();

} // namespace velunto
