#pragma once

#include "shell/settings.h"
#include "view/drawing/drawingtools.h"
#include "view/pagepointer.h"
#include "view/session.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

namespace velunto {

class DrawingTextBox;
class LearningView;
class Prompter;
class SelectionOverlay;

// The drawing tools in the learning view: takes the pointer on the page for
// the tools 3 to 19, shows the text box, the selection and each tool's
// pointer, and offers the toolbar buttons with their menus.
class DrawingController : public QObject, public PagePointerHandler, private SessionObserver
{
    Q_OBJECT
  public:
    DrawingController(LearningView& view, Session& session, StampSettings& stamps,
                      Prompter& prompter, QObject* parent = nullptr);
    ~DrawingController() override;

    DrawingTools& tools() { return m_tools; }
    const DrawingTools& tools() const { return m_tools; }

    // The defaults of the start-up: size 1, red, stamp 1 and the free-hand
    // pen, then the pointer tool; the stamp pictures are drawn.
    void selectDefaults();

    // Adds the buttons of the tools to the learning view's toolbar.
    void addToolbarButtons(QToolBar* toolbar);

    // --- the toolbar's commands --------------------------------------------------------
    // Each refuses while the object editor is open.
    void penButton();
    void choosePenShape(int shape);
    void eraserButton();
    void stampButton();
    void chooseStamp(int stamp);
    void configureStamps();
    void textButton();
    void chooseStrokeSize(int size);
    void chooseColour(int index);
    void areaButton();
    void undo();
    void removeAllDrawings();
    // Pointer and hand of the learning view.
    void selectViewTool(int tool);

    // ViewPicture for printing, export and copying.
    QImage viewPicture() const { return m_tools.viewPicture(); }

    // --- PagePointerHandler --------------------------------------------------------------
    bool pagePressed(const PagePointer& pointer) override;
    bool pageMoved(const PagePointer& pointer) override;
    bool pageReleased(const PagePointer& pointer) override;

  Q_SIGNALS:
    // The stamp dialog's OK changed the stamp settings.
    void stampsChanged();

  private:
    void sessionChanged(const Session& session, const SessionChange& change) override;
    bool active() const;
    bool refuseWhileEditing();
    void selectTool(int tool);
    QPointF toControl(QPointF page) const;
    void apply(const DrawingChange& change);
    // Runs a drawing action. An error it raises (memory running out) ends
    // the action and is reported; the picture keeps what was drawn so far.
    template <class Action> void guarded(Action&& action);
    void updateCursor();
    void updateButtons();
    QMenu* penMenu(QWidget* parent);
    QMenu* stampMenu(QWidget* parent);
    QMenu* sizeMenu(QWidget* parent);
    QMenu* colourMenu(QWidget* parent);
    void checkable(QAction* action, std::function<bool()> checked);
    void updateEventCompression();
    void drawStampPictures();
    void placeTextBox(QPoint controlPoint);
    void styleTextBox();

    LearningView& m_view;
    Session& m_session;
    StampSettings& m_stamps;
    Prompter& m_prompter;
    DrawingTools m_tools;
    DrawingTextBox* m_textBox = nullptr;
    SelectionOverlay* m_overlay = nullptr;

    QPointer<QToolButton> m_penButton, m_stampButton, m_sizeButton, m_colourButton;
    QMenu* m_stampMenu = nullptr;
    std::array<QImage, kStampCount> m_stampPictures;
    // The buttons shown pressed for their tools, and every button of the
    // drawing tools (enabled in the learning view only).
    std::vector<std::pair<QToolButton*, std::vector<int>>> m_toolButtons;
    std::vector<QPointer<QToolButton>> m_buttons;
    std::vector<std::pair<QAction*, std::function<bool()>>> m_menuChecks;
    bool m_compressedMoves = true;      // what the application merged before a drawing tool
    bool m_uncompressedMoves = false;   // every move arrives while a drawing tool is chosen
};

} // namespace velunto
