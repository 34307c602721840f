#pragma once

#include "view/board/chronicle.h"
#include "view/board/sheetpatterns.h"

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>

namespace velunto {

class Document;
class DrawingTools;
class Prompter;
struct Settings;

// What the board sheets need from the window that shows the page.
class BoardHost
{
  public:
    virtual ~BoardHost() = default;
    // The question whether to save the modified Document, with the saving;
    // false on Cancel or when the wanted save did not happen.
    virtual bool askSave() = 0;
    // A new sheet replaces the Document: the in-memory best list is
    // emptied, the object editor forgets its selection and the start panel
    // is hidden.
    virtual void sheetPreparing() = 0;
    // The Document's title or file changed.
    virtual void titleChanged() = 0;
    // Composes the page of the new sheet from scratch and shows it.
    virtual void showSheet() = 0;
    // The size of the page control's picture area.
    virtual QSize pictureArea() const = 0;
    virtual bool startPanelShown() const = 0;
    // "Sch&ließen"; false when the user kept the Document.
    virtual bool closeDocument() = 0;
    // "&Zuvor angezeigtes Dokument".
    virtual void openPreviousDocument() = 0;
    virtual int currentQuestion() const = 0;
    // Sets the current question and draws the objects again.
    virtual void setCurrentQuestion(int question) = 0;
    // Part of the shown picture was painted (picture pixels).
    virtual void shownPictureChanged(const QRect& area) = 0;
};

// The board sheets and the chronicle: new sheets with their patterns, a
// picture file or the clipboard as a sheet, pasting into the selection,
// storing and recalling screenshots, and leaving a sheet for the document
// shown before.
class BoardSheets
{
  public:
    BoardSheets(Document& document, DrawingTools& tools, const Settings& settings,
                BoardHost& host, Prompter& prompter);

    Chronicle& chronicle() { return m_chronicle; }
    const Chronicle& chronicle() const { return m_chronicle; }
    // What the free dialogs remember for the run.
    SheetCounts counts;
    TableLayout table;
    ColorRef lineColour = kSheetLineColour;
    ColorRef background = 0xFFFFFF;

    // The clock of the chronicle's file names and captions.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // NewBoardSheet: after the save question, a new Document whose BaseImage
    // is a sheet of the page control's size (or of the preset page ratio)
    // filled with background. False when the user kept the Document.
    bool newBoardSheet(ColorRef background);
    // A sheet with its pattern, shown.
    bool openSheet(SheetKind kind, int count, ColorRef lineColour, ColorRef background,
                   const TableLayout& table = {});
    // A fixed entry of the board-sheet menu (white lines, default colours).
    bool openMenuEntry(const SheetMenuEntry& entry);
    // "Bilddatei öffnen": asks for a picture file and shows it as a sheet.
    // The file is read before anything changes; a file that cannot be read
    // leaves the Document as it was.
    bool openPictureSheet();
    // "Bild aus Zwischenablage einfügen" with the clipboard's picture (null
    // when it holds none): into the selection while there is one, otherwise
    // as a new sheet after a question.
    void pasteFromClipboard(const QImage& clipboard);
    // "In Chronik ablegen". False when the screenshot could not be stored.
    bool storeInChronicle();
    // An entry of "Aus Chronik abrufen" (index into the menu, newest first).
    bool recallFromChronicle(int entry);
    // "Tafelanschrieb verlassen": offers to store the picture, closes the
    // sheet and opens the document shown before. Stops when storing fails
    // or the user keeps the sheet.
    bool leaveBoardSheet();

  private:
    void prepareSheet();
    void finishSheet();

    Document& m_document;
    DrawingTools& m_tools;
    const Settings& m_settings;
    BoardHost& m_host;
    Prompter& m_prompter;
    Chronicle m_chronicle;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};

// The title of a board sheet stored in the chronicle under caption.
QString chronicleSheetTitle(const QString& caption);
// True for the title of a sheet that no file holds yet.
bool isBoardSheetTitle(const QString& title);

} // namespace velunto
