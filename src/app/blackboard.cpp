#include "app/blackboard.h"

#include "app/mainwindow.h"
#include "app/topiclibrary.h"
#include "view/board/ui/boardcontroller.h"
#include "view/board/ui/noteboxwindow.h"
#include "view/drawing/ui/drawingcontroller.h"
#include "view/ui/learningview.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace velunto {

Blackboard::Blackboard(MainWindow& window) : QObject(&window), m_window(window)
{
    LearningView& view = window.view();
    m_drawing = new DrawingController(view, window.session(), window.settings().stamps,
                                      window.prompter(), this);
    m_board = new BoardController(window.document(), m_drawing->tools(), window.settings(),
                                  *this, window.session(), window.prompter(), &window);
    m_drawing->addToolbarButtons(window.toolbar());
    m_board->addToolbarButtons(window.toolbar());

    // The first press on the start panel opens a white sheet; the press then
    // lands on it, so that the pen leaves its dot.
    connect(&view, &LearningView::startPagePressed, this, [this] {
        if (m_window.mode() == AppMode::LearningView && !m_window.session().editorOpen())
            m_board->openFirstSheet();
    });
}

Blackboard::~Blackboard()
{
    // Both follow the session and the view, which go after the board.
    delete m_board;
    delete m_drawing;
}

void Blackboard::startUp()
{
    m_drawing->tools().setStamps(m_window.settings().stamps);
    m_drawing->selectDefaults();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        chronicle().setThumbnailSize(Chronicle::thumbnailSizeForScreen(screen->size()));
}

Chronicle& Blackboard::chronicle()
{
    return m_board->chronicle();
}

void Blackboard::showNoteBox()
{
    if (m_noteBox == nullptr) {
        m_noteBox = new NoteBoxWindow(m_window.prompter(), &m_window);
        connect(m_noteBox, &NoteBoxWindow::fieldFocusChanged, this,
                &Blackboard::leaveCopyToNoteBox);
    }
    m_noteBox->setFontName(m_window.document().fontName());
    m_noteBox->show();
    m_noteBox->raise();
    m_noteBox->activateWindow();
}

void Blackboard::leaveCopyToNoteBox(bool noteFocused)
{
    const QKeySequence copy(Qt::CTRL | Qt::Key_C);
    if (!noteFocused) {
        for (const auto& action : m_waitingCopy)
            if (action)
                action->setShortcut(copy);
        m_waitingCopy.clear();
        return;
    }
    for (QAction* action : m_window.menuBar()->findChildren<QAction*>()) {
        if (action->shortcut() == copy) {
            m_waitingCopy.emplace_back(action);
            action->setShortcut(QKeySequence());
        }
    }
}

// --- BoardHost ------------------------------------------------------------------------

bool Blackboard::askSave()
{
    return m_window.mayReplaceDocument();
}

void Blackboard::sheetPreparing()
{
    m_window.hideStartPanel();
    // The sheet is no document of the topic list: the title line loses the
    // number of the document it replaces.
    m_window.library().forgetCurrentEntry();
}

void Blackboard::titleChanged()
{
    m_window.documentChanged();
}

void Blackboard::showSheet()
{
    // The sheet is the whole page: its size already follows the page-ratio
    // presets, so no margin zone is added around it.
    m_window.document().header.RandErw = RectD{};
    m_window.view().documentLoaded();
    m_window.documentChanged();
    // The sheet may have turned the pointer or the hand into the pen.
    m_drawing->selectViewTool(m_drawing->tools().tool());
}

QSize Blackboard::pictureArea() const
{
    return m_window.view().pageRoom().size();
}

bool Blackboard::startPanelShown() const
{
    return !m_window.startPanel()->isHidden();
}

bool Blackboard::closeDocument()
{
    return m_window.closeDocument();
}

void Blackboard::openPreviousDocument()
{
    m_window.library().previousDocument();
}

int Blackboard::currentQuestion() const
{
    return m_window.session().currentQuestion();
}

void Blackboard::setCurrentQuestion(int question)
{
    // The views follow the session's question themselves.
    m_window.session().setCurrentQuestion(question);
}

void Blackboard::shownPictureChanged(const QRect& area)
{
    m_window.view().shownPictureChanged(area);
}

} // namespace velunto
