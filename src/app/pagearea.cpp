#include "app/pagearea.h"

#include "common/colorref.h"
#include "platform/ui/widgetprompter.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace velunto {

namespace {

constexpr ColorRef kStartPanelText = 0x6A6F6F;

} // namespace

QString startPanelText()
{
    return QStringLiteral(
        "Um ein Velunto-Dokument anzuzeigen,\r\n\r\nrufen Sie das Menü \"Themenauswahl\" oder "
        "\"Datei / Öffnen\" auf.\r\n\r\n\r\n\r\nUm ein neues Dokument anzulegen, verwenden Sie "
        "das Menü \"Autorenfunktion\".\r\n\r\n\r\n\r\nFür einen neuen Tafelanschrieb\r\n\r\n"
        "klicken Sie auf den Knopf \"Neues Blatt\" (rechts bei Tafelanschrieb).\r\n");
}

PageArea::PageArea(QWidget* parent)
    : QWidget(parent), m_title(new QLabel), m_statusRow(new QHBoxLayout), m_pageHost(new QWidget),
      m_page(new QWidget), m_startPanel(new QLabel)
{
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    m_title->setFont(titleFont);
    m_title->setCursor(Qt::PointingHandCursor);
    m_title->installEventFilter(this);

    m_page->setAutoFillBackground(true);
    QPalette pagePalette = m_page->palette();
    pagePalette.setColor(QPalette::Window, Qt::white);
    m_page->setPalette(pagePalette);

    m_startPanel->setText(displayText(startPanelText()));
    m_startPanel->setAlignment(Qt::AlignCenter);
    m_startPanel->setAutoFillBackground(true);
    m_startPanel->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette startPalette = m_startPanel->palette();
    startPalette.setColor(QPalette::WindowText, toQColor(kStartPanelText));
    startPalette.setColor(QPalette::Window, Qt::white);
    m_startPanel->setPalette(startPalette);
    QFont startFont = m_startPanel->font();
    startFont.setPointSizeF(startFont.pointSizeF() * 1.4);
    m_startPanel->setFont(startFont);

    // The start panel lies over the page, both filling the host.
    auto* stack = new QStackedLayout(m_pageHost);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_page);
    stack->addWidget(m_startPanel);
    m_startPanel->raise();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addLayout(m_statusRow);
    layout->addWidget(m_pageHost, 1);
}

void PageArea::setPage(QWidget* page)
{
    auto* stack = static_cast<QStackedLayout*>(m_pageHost->layout());
    stack->insertWidget(0, page);
    stack->removeWidget(m_page);
    delete m_page;
    m_page = page;
    m_startPanel->raise();
}

void PageArea::addStatusPanel(QWidget* panel)
{
    m_statusRow->addWidget(panel);
}

void PageArea::setStartPanelVisible(bool visible)
{
    m_startPanel->setVisible(visible);
    if (visible)
        m_startPanel->raise();
}

bool PageArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_title && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Q_EMIT titleClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velunto
