#include "view/board/boardsheets.h"

#include "document/document.h"
#include "document/picturefile.h"
#include "platform/prompter.h"
#include "shell/settings.h"
#include "view/drawing/drawingtools.h"

#include <QPainter>

namespace velunto {

namespace {

const QString kNewSheetTitle = QStringLiteral("Neuer Tafelanschrieb");

} // namespace

QString chronicleSheetTitle(const QString& caption)
{
    return QStringLiteral("Tafelanschrieb ") + caption;
}

bool isBoardSheetTitle(const QString& title)
{
    return title.isEmpty() || title == kNewSheetTitle ||
           title.startsWith(QStringLiteral("Tafelanschrieb "));
}

BoardSheets::BoardSheets(Document& document, DrawingTools& tools, const Settings& settings,
                         BoardHost& host, Prompter& prompter)
    : m_document(document), m_tools(tools), m_settings(settings), m_host(host),
      m_prompter(prompter)
{
}

void BoardSheets::prepareSheet()
{
    m_document.newDocument();
    m_host.sheetPreparing();
}

void BoardSheets::finishSheet()
{
    m_host.titleChanged();
    m_document.setModified(false);
    // A sheet is there to be written on: the pointer and the hand give way
    // to the free-hand pen (and its button shows the free-hand pen).
    if (m_tools.tool() == Tool::Pointer || m_tools.tool() == Tool::Hand) {
        m_tools.setPenShape(1);
        m_tools.selectTool(Tool::Pen);
    }
}

bool BoardSheets::newBoardSheet(ColorRef colour)
{
    if (!m_host.askSave())
        return false;
    prepareSheet();
    const QSize size =
        boardSheetSize(m_host.pictureArea(), m_settings.pageRatio, m_settings.newSheetFullPage);
    QImage sheet(size, QImage::Format_RGB32);
    sheet.fill(toQColor(colour));
    m_document.baseImage = sheet;
    m_document.header.Titel = kNewSheetTitle;
    finishSheet();
    return true;
}

bool BoardSheets::openSheet(SheetKind kind, int count, ColorRef line, ColorRef colour,
                            const TableLayout& layout)
{
    if (!newBoardSheet(colour))
        return false;
    paintSheetLines(m_document.baseImage,
                    sheetPattern(kind, m_document.baseImage.size(), count, layout),
                    toQColor(line));
    m_host.showSheet();
    return true;
}

bool BoardSheets::openMenuEntry(const SheetMenuEntry& entry)
{
    TableLayout layout;
    if (entry.kind == SheetKind::Table) {
        layout.rows = entry.count;
        layout.columns = entry.columns;
    }
    return openSheet(entry.kind, entry.count, kSheetLineColour, entry.background, layout);
}

bool BoardSheets::openPictureSheet()
{
    if (!m_host.askSave())
        return false;
    Prompter::FileRequest request;
    request.title = QStringLiteral("Bilddatei öffnen");
    request.filters = {QStringLiteral("PNG (*.png)"), QStringLiteral("JPEG (*.jpg)"),
                       QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("Alle Dateien (*.*)")};
    request.defaultSuffix = QStringLiteral("png");
    const auto path = m_prompter.openFile(request);
    if (!path)
        return false;
    const PictureFileResult picture = loadPictureFile(*path);
    if (!picture.ok()) {
        m_prompter.error(picture.error);
        return false;
    }
    prepareSheet();
    m_document.baseImage = picture.picture;
    m_document.header.Titel = kNewSheetTitle;
    finishSheet();
    m_host.showSheet();
    return true;
}

void BoardSheets::pasteFromClipboard(const QImage& clipboard)
{
    if (!m_host.askSave())
        return;
    if (clipboard.isNull()) {
        m_prompter.information(QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
        return;
    }
    if (m_tools.selectionActive()) {
        const QRect selection = m_tools.selectionInPicture();
        const QRect target =
            fitIntoSelection(clipboard.size(), selection.size()).translated(selection.topLeft());
        QImage& shown = m_tools.surface().shown();
        m_tools.surface().aboutToChange(target);
        {
            QPainter p(&shown);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(target), clipboard);
        }
        // The pasted picture is a change that leaving the sheet asks about.
        m_tools.setStoredInChronicle(false);
        m_host.shownPictureChanged(target & shown.rect());
        return;
    }
    const Prompter::Answer answer = m_prompter.message(
        Prompter::Kind::Confirmation,
        QStringLiteral(
            "Bild aus der Zwischenablage auf den gesamten Zeichenbereich kopieren?\r\n(Hinweis: "
            "Verwenden Sie die Bereichsauswahlfunktion, um das Bild aus der Zwischenablage nur "
            "in einem Teilbereich der Zeichenfläche einzufügen.)\r\n\r\nMöchten Sie fortfahren "
            "und den gesamten Zeichenbereich ersetzen?"),
        Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes)
        return;
    prepareSheet();
    m_document.baseImage = clipboard;
    m_document.header.Titel = kNewSheetTitle;
    finishSheet();
    m_host.showSheet();
}

bool BoardSheets::storeInChronicle()
{
    const Chronicle::StoreResult result =
        m_chronicle.store(m_tools.surface().shown(), m_settings.folders.chronicle, m_clock());
    if (!result.ok) {
        m_prompter.error(result.error);
        return false;
    }
    // Only a sheet takes the chronicle's title; a document from a file, or
    // one that an author has named, keeps its own.
    if (m_document.header.FileName.isEmpty() && isBoardSheetTitle(m_document.header.Titel)) {
        m_document.header.Titel = chronicleSheetTitle(result.caption);
        m_host.titleChanged();
    }
    m_tools.setStoredInChronicle(true);
    return true;
}

bool BoardSheets::recallFromChronicle(int entry)
{
    const auto& entries = m_chronicle.entries();
    if (entry < 0 || entry >= int(entries.size()))
        return false;
    const Chronicle::Entry& e = entries[entry];
    // Read first: a screenshot that is gone or damaged leaves everything as
    // it is.
    const PictureFileResult picture = loadPictureFile(m_chronicle.files().at(e.file));
    if (!picture.ok()) {
        m_prompter.error(picture.error);
        return false;
    }
    if (!m_host.askSave())
        return false;
    prepareSheet();
    m_document.baseImage = picture.picture;
    m_document.header.Titel = chronicleSheetTitle(e.caption);
    finishSheet();
    m_host.showSheet();
    return true;
}

bool BoardSheets::leaveBoardSheet()
{
    const int question = m_host.currentQuestion();
    if (!m_host.startPanelShown() && !m_tools.storedInChronicle() &&
        m_prompter.confirm(QStringLiteral("Soll das Bild in die Chronik abgelegt werden?")) &&
        !storeInChronicle())
        return false;
    if (!m_host.closeDocument())
        return false;
    m_host.openPreviousDocument();
    const HeaderDataTyp& h = m_document.header;
    if ((h.DokTyp == DokTyp::Questions || h.DokTyp == DokTyp::MultipleChoice) &&
        h.AnzFrageNummern > 0)
        m_host.setCurrentQuestion(std::clamp(question, 1, h.AnzFrageNummern));
    return true;
}

} // namespace velunto
