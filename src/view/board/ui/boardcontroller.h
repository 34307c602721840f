#pragma once

#include "view/board/boardsheets.h"
#include "view/session.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

namespace velunto {

class Prompter;

// The board sheets and the chronicle in the window: the toolbar's sheet
// commands with the board-sheet menu and its dialogs, the chronicle menu,
// and the white sheet that the first press on the start panel opens.
class BoardController : public QObject, private SessionObserver
{
    Q_OBJECT
  public:
    BoardController(Document& document, DrawingTools& tools, const Settings& settings,
                    BoardHost& host, Session& session, Prompter& prompter, QWidget* window);
    ~BoardController() override;

    BoardSheets& sheets() { return m_sheets; }
    Chronicle& chronicle() { return m_sheets.chronicle(); }

    // Adds "Neues Blatt" and the other sheet commands to the toolbar.
    void addToolbarButtons(QToolBar* toolbar);

    // --- commands (learning view only, not while the object editor is open) -----------
    // An entry of the board-sheet menu; a free one asks its dialog first.
    void chooseSheet(const SheetMenuEntry& entry);
    void openPictureSheet();
    void pasteFromClipboard();
    void storeInChronicle();
    void recallFromChronicle(int entry);
    void leaveBoardSheet();
    // The first press on the start panel: a white sheet.
    void openFirstSheet();

    QMenu* sheetMenu() const { return m_sheetMenu; }
    QMenu* chronicleMenu() const { return m_chronicleMenu; }

  private:
    void sessionChanged(const Session& session, const SessionChange& change) override;
    bool available();
    void refillChronicleMenu();

    Session& m_session;
    Prompter& m_prompter;
    QWidget* m_window;
    BoardSheets m_sheets;
    QMenu* m_sheetMenu = nullptr;
    QMenu* m_chronicleMenu = nullptr;
    std::vector<QPointer<QToolButton>> m_buttons;
};

} // namespace velunto
