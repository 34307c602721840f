#pragma once

#include "view/board/boardsheets.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;

namespace velunto {

class BoardController;
class DrawingController;
class MainWindow;
class NoteBoxWindow;

// Writing on the board in the main window: the drawing tools over the
// learning view, the board sheets with the chronicle, and the note box. It
// adds their buttons to the toolbar and answers the board sheets' questions
// with the window's own commands.
class Blackboard : public QObject, public BoardHost
{
    Q_OBJECT
  public:
    explicit Blackboard(MainWindow& window);
    ~Blackboard() override;

    // The start-up defaults of the drawing tools and the settings that were
    // read meanwhile (stamps, thumbnail size, the note box font).
    void startUp();

    DrawingController& drawing() { return *m_drawing; }
    BoardController& board() { return *m_board; }
    Chronicle& chronicle();
    // "Noti&zbox...": shows the note box (made at its first use).
    void showNoteBox();
    NoteBoxWindow* noteBox() const { return m_noteBox; }

    // --- BoardHost --------------------------------------------------------------------
    bool askSave() override;
    void sheetPreparing() override;
    void titleChanged() override;
    void showSheet() override;
    QSize pictureArea() const override;
    bool startPanelShown() const override;
    bool closeDocument() override;
    void openPreviousDocument() override;
    int currentQuestion() const override;
    void setCurrentQuestion(int question) override;
    void shownPictureChanged(const QRect& area) override;

  private:
    // While the note field has the focus, Ctrl+C copies its text: the main
    // menu's command on that key waits until the field loses the focus.
    void leaveCopyToNoteBox(bool noteFocused);

    MainWindow& m_window;
    DrawingController* m_drawing = nullptr;
    BoardController* m_board = nullptr;
    NoteBoxWindow* m_noteBox = nullptr;
    std::vector<QPointer<QAction>> m_waitingCopy;
};

} // namespace velunto
