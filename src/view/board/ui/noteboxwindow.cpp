#include "view/board/ui/noteboxwindow.h"

#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velunto {

namespace {

QSpinBox* sizeBox(int lo, int hi, int step, int value)
{
    auto* box = new QSpinBox;
    box->setRange(lo, hi);
    box->setSingleStep(step);
    box->setValue(value);
    return box;
}

} // namespace

NoteBoxWindow::NoteBoxWindow(Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Notizbox"));
    m_field = new QTextEdit;
    m_field->setAcceptRichText(true);
    m_field->installEventFilter(this);

    using S = NoteBoxSettings;
    m_fontSize = sizeBox(S::kMinFontSize, S::kMaxFontSize, 1, m_settings.fontSize);
    m_width = sizeBox(S::kMinWidth, S::kMaxWidth, S::kSizeStep, m_settings.width);
    m_height = sizeBox(S::kMinHeight, S::kMaxHeight, S::kSizeStep, m_settings.height);
    connect(m_fontSize, &QSpinBox::valueChanged, this, [this](int v) {
        m_settings.fontSize = S::clampFontSize(v);
        applyFont();
    });
    connect(m_width, &QSpinBox::valueChanged, this, [this](int v) {
        m_settings.width = S::clampWidth(v);
        applySize();
    });
    connect(m_height, &QSpinBox::valueChanged, this, [this](int v) {
        m_settings.height = S::clampHeight(v);
        applySize();
    });

    // Two columns, so that the window may be as narrow as 250 pixels.
    auto* sizes = new QGridLayout;
    const std::pair<const char*, QSpinBox*> boxes[] = {{"&Schriftgröße:", m_fontSize},
                                                       {"Fenster&breite:", m_width},
                                                       {"Fenster&höhe:", m_height}};
    for (int row = 0; row < 3; ++row) {
        auto* label = new QLabel(QString::fromUtf8(boxes[row].first));
        label->setBuddy(boxes[row].second);
        sizes->addWidget(label, row, 0);
        sizes->addWidget(boxes[row].second, row, 1);
    }
    sizes->setColumnStretch(2, 1);

    const auto button = [this](const char* caption, auto command) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, command);
        return b;
    };
    auto* buttons = new QGridLayout;
    buttons->addWidget(button("In Zwischenablage", &NoteBoxWindow::copyAll), 0, 0);
    buttons->addWidget(button("Speichern...", &NoteBoxWindow::saveToFile), 0, 1);
    buttons->addWidget(new QLabel(QStringLiteral("Einfügen...")), 1, 0);
    buttons->addWidget(button("Drucken...", &NoteBoxWindow::print), 1, 1);
    buttons->addWidget(button("aus Zwischenablage", &NoteBoxWindow::pasteFromClipboard), 2, 0);
    buttons->addWidget(button("Löschen", &NoteBoxWindow::clearNote), 2, 1);
    buttons->addWidget(button("aus Datei...", &NoteBoxWindow::insertFromFile), 3, 0);
    buttons->addWidget(button("Schließen", &QWidget::hide), 3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field, 1);
    layout->addLayout(sizes);
    layout->addLayout(buttons);
    applyFont();
    applySize();
}

void NoteBoxWindow::setFontName(const QString& name)
{
    m_fontName = name.isEmpty() ? QStringLiteral("Arial") : name;
    applyFont();
}

void NoteBoxWindow::applyFont()
{
    QFont font(m_fontName);
    font.setPointSize(m_settings.fontSize);
    m_field->document()->setDefaultFont(font);
}

void NoteBoxWindow::applySize()
{
    resize(m_settings.width, m_settings.height);
}

bool NoteBoxWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        Q_EMIT fieldFocusChanged(event->type() == QEvent::FocusIn);
    if (watched == m_field && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void NoteBoxWindow::copyAll()
{
    auto* data = new QMimeData;
    data->setHtml(m_field->toHtml());
    data->setText(m_field->toPlainText());
    QApplication::clipboard()->setMimeData(data);
}

void NoteBoxWindow::pasteFromClipboard()
{
    m_field->paste();
}

void NoteBoxWindow::insertFromFile()
{
    if (!m_field->document()->isEmpty() &&
        !m_prompter.confirm(QStringLiteral("Der aktuelle Text wird durch den Inhalt der zu "
                                           "öffnenden Datei ersetzt.\r\nMöchten Sie fortfahren?")))
        return;
    Prompter::FileRequest request;
    request.title = QStringLiteral("Text- oder RTF-Datei öffnen");
    request.filters = {QStringLiteral("Text- und RTF-Dateien (*.txt *.rtf)"),
                       QStringLiteral("Alle Dateien (*.*)")};
    const auto path = m_prompter.openFile(request);
    if (!path)
        return;
    const QString error = readNoteFile(*path, *m_field->document());
    if (!error.isEmpty())
        m_prompter.error(error);
    applyFont();
}

void NoteBoxWindow::saveToFile()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Notiz in Datei speichern");
    request.filters = {QStringLiteral("RTF-Datei (*.rtf)")};
    request.defaultSuffix = QStringLiteral("rtf");
    const auto path = m_prompter.saveFile(request);
    if (!path)
        return;
    const QString error = writeNoteFile(*path, *m_field->document(), m_fontName);
    if (!error.isEmpty())
        m_prompter.error(error);
}

void NoteBoxWindow::print()
{
    if (m_print) {
        m_print(*m_field);
        return;
    }
    QPrinter printer;
    printer.setDocName(QStringLiteral("Notiz"));
    QPrintDialog dialog(&printer, this);
    if (runDialog(dialog) == QDialog::Accepted)
        m_field->document()->print(&printer);
}

void NoteBoxWindow::clearNote()
{
    if (m_prompter.confirm(QStringLiteral("Notiz wirklich löschen?")))
        m_field->clear();
}

} // namespace velunto
