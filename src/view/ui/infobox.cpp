#include "view/ui/infobox.h"

#include "common/colorref.h"
#include "common/filemessages.h"
#include "document/linelayout.h"
#include "document/markup.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace velunto {

namespace {

constexpr int kBoxWidth = 420;
constexpr int kMaxBoxHeight = 566; // the whole box, buttons and margins included
constexpr int kOffset = 6;         // from the window's right and top edge
constexpr double kShownPoints = 14.0;
constexpr double kPrintedPoints = 11.0;
constexpr ColorRef kBackground = 0xE1FFFF; // pale yellow

} // namespace

InfoBox::InfoBox(Prompter& prompter, QWidget* window) : QFrame(window), m_prompter(prompter)
{
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(kBackground));
    setPalette(pal);

    m_picture = new QLabel;
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll = new QScrollArea;
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(m_picture);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setPalette(pal);

    auto* printButton = new QPushButton(QStringLiteral("Drucken..."));
    auto* exportButton = new QPushButton(QStringLiteral("Exportieren..."));
    auto* copyButton = new QPushButton(QStringLiteral("Kopieren"));
    auto* closeButton = new QPushButton(QStringLiteral("Schließen"));
    connect(printButton, &QPushButton::clicked, this, &InfoBox::print);
    connect(exportButton, &QPushButton::clicked, this, &InfoBox::exportText);
    connect(copyButton, &QPushButton::clicked, this, &InfoBox::copyText);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    m_buttons = buttons;
    buttons->addWidget(printButton);
    buttons->addWidget(exportButton);
    buttons->addWidget(copyButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(buttons);

    window->installEventFilter(this);
}

void InfoBox::showText(const QString& text, const QString& fontName)
{
    m_plain = removeStyleTags(text);
    const int textWidth = kBoxWidth - 30;
    const QImage picture =
        renderInfoText(splitParagraphs(text), textWidth, kShownPoints, kBackground, fontName);
    m_picture->setPixmap(QPixmap::fromImage(picture));
    m_picture->resize(textWidth, std::max(1, picture.height()));
    const int chrome = chromeHeight();
    const int area = std::min(picture.height() + 34, kMaxBoxHeight - chrome);
    m_scroll->setFixedHeight(area);
    setFixedSize(kBoxWidth, area + chrome);
    placeInWindow();
    show();
    raise();
}

int InfoBox::chromeHeight() const
{
    const QMargins m = layout()->contentsMargins();
    return 2 * frameWidth() + m.top() + m.bottom() + layout()->spacing() +
           m_buttons->sizeHint().height();
}

void InfoBox::placeInWindow()
{
    if (const QWidget* w = parentWidget())
        move(w->width() - width() - kOffset, kOffset);
}

bool InfoBox::eventFilter(QObject* watched, QEvent* event)
{
    // The box keeps to the window's top right corner when the window is resized.
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        placeInWindow();
    return QFrame::eventFilter(watched, event);
}

void InfoBox::print()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(kPrintedPoints);
    document.setDefaultFont(font);
    document.setPlainText(m_plain);
    document.print(&printer);
}

void InfoBox::exportText()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Text speichern unter");
    request.filters = {QStringLiteral("Textdatei (*.txt)"), QStringLiteral("Alle Dateien (*.*)")};
    request.defaultSuffix = QStringLiteral("txt");
    const std::optional<QString> path = m_prompter.saveFile(request);
    if (!path)
        return;
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_plain.toUtf8()) < 0 || !file.commit())
        m_prompter.error(fileWriteErrorMessage(*path));
}

void InfoBox::copyText()
{
    QGuiApplication::clipboard()->setText(m_plain);
}

} // namespace velunto
