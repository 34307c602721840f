#pragma once

#include "shell/settings.h"
#include "view/drawing/drawingsurface.h"
#include "view/drawing/drawingstyle.h"
#include "view/viewstate.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

#include <optional>

namespace velunto {

// The area selected with the area tool, in pixels of the page control, right
// and bottom exclusive. It may reach beyond the picture where the picture is
// smaller than the control.
struct AreaSelection
{
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    bool exists() const { return left >= 0 && top >= 0 && right >= 2 && bottom >= 0; }
    QRect rect() const { return exists() ? QRect(left, top, right - left, bottom - top) : QRect(); }
    bool operator==(const AreaSelection&) const = default;
};

// The label above a selection: " (x1,y1) - (x2,y2)  B:w H:h" in pixels of the
// picture.
QString selectionLabelText(const AreaSelection& selection, QPoint pictureOffset);

// What a pointer event did.
struct DrawingChange
{
    QRect picture;            // the part of the shown picture that changed
    bool selection = false;   // the area selection changed
    std::optional<QPoint> textBoxAt; // place the text box's lower-left corner here (control pixels)

    DrawingChange& operator|=(const DrawingChange& other);
};

// The drawing tools of the learning view (tools 3 to 19): pens and shapes,
// eraser, stamps, text and the area selection, with their settings, driven
// by the pointer in pixels of the page control. Drawings go into the shown
// picture of a DrawingSurface, which the page control shows.
class DrawingTools
{
  public:
    explicit DrawingTools(DrawingSurface& surface);

    DrawingSurface& surface() { return m_surface; }
    const DrawingSurface& surface() const { return m_surface; }

    // --- settings (held for the run) ------------------------------------------------
    int strokeSize() const { return m_strokeSize; }
    void setStrokeSize(int size);
    int drawColour() const { return m_drawColour; }
    void setDrawColour(int index);
    QColor colour() const;
    int penShape() const { return m_penShape; }
    void setPenShape(int shape);
    int currentStamp() const { return m_currentStamp; }
    void setCurrentStamp(int stamp);
    const StampSettings& stamps() const { return m_stamps; }
    void setStamps(const StampSettings& stamps) { m_stamps = stamps; }
    // Text and stamps are sized in pixels of the page picture at 100 %: the
    // zoom factor of the page picture scales them.
    void setPageScale(double scale) { m_pageScale = scale > 0 ? scale : 1.0; }
    int textPixelSize() const;
    int stampPixelSize() const;

    // The defaults the start-up selects: size 1, red, stamp 1, the free-hand
    // pen, then the pointer tool.
    void selectDefaults();

    // --- tools ------------------------------------------------------------------------
    int tool() const { return m_tool; }
    // SelectTool: unless the area tool is chosen the selection is cleared.
    // Returns true when the selection changed.
    bool selectTool(int tool);
    static bool isDrawingTool(int tool) { return tool >= Tool::Pen && tool <= Tool::LastShape; }

    // Where the shown picture lies in the page control, and the control's size.
    void setControl(QSize control, QPoint pictureOffset);
    QPoint pictureOffset() const { return m_offset; }
    QSize controlSize() const { return m_control; }

    // --- pointer (pixels of the page control) -------------------------------------------
    // A press of the left button.
    DrawingChange press(QPointF position);
    DrawingChange move(QPointF position, bool leftHeld);
    DrawingChange release(QPointF position);
    // True while the left button that a press of a drawing tool began is held.
    bool drawing() const { return m_pressed; }
    // Ends a drawing action that failed half-way: what was drawn stays, the
    // rubber band goes, and the next move draws nothing until a new press.
    // Returns what changed.
    QRect abandonAction();

    // Dragging the selection by its label: the selection moves with the
    // pointer, keeping its size and staying inside the control.
    void beginSelectionMove(QPointF position);
    DrawingChange moveSelection(QPointF position);
    void endSelectionMove() { m_movingSelection = false; }
    bool movingSelection() const { return m_movingSelection; }

    const AreaSelection& selection() const { return m_selection; }
    void clearSelection() { m_selection = {}; }
    void setSelection(const AreaSelection& selection) { m_selection = selection; }
    bool selectionActive() const { return m_tool == Tool::Area && m_selection.exists(); }
    // The selection in pixels of the shown picture (may reach beyond it).
    QRect selectionInPicture() const;

    // --- commands -------------------------------------------------------------------------
    // "Letzte Zeichenaktion rückgängig machen"; returns what changed.
    QRegion undo();
    // "Alle Zeichnungen entfernen": the shown picture becomes the page
    // without drawings; it can be undone. The caller drops the drawings
    // kept outside the visible part.
    QRect removeAllDrawings();
    // Enter in the text box: draws text with its top-left at a point of the
    // control. Returns what changed.
    QRect drawText(QPoint controlTopLeft, const QString& text);
    // The font of the text box and of drawn text.
    QFont textFont() const;

    // ViewPicture: the selection (white where it lies beyond the picture)
    // while the area tool is active, otherwise the whole shown picture.
    QImage viewPicture() const;

    // --- what the view tells ------------------------------------------------------------------
    // A new visible part is shown (compose, scroll, move of the visible
    // part, new window size): see DrawingSurface::setPictures. A shape being
    // dragged ends without being drawn, and undo is no longer possible.
    void showPictures(QImage shown, QImage page, QPoint origin = {});
    // A document was loaded: LastPoint is none again.
    void documentLoaded();

    // StoredInChronicle: the shown picture was stored since the last drawing
    // action.
    bool storedInChronicle() const { return m_storedInChronicle; }
    void setStoredInChronicle(bool stored) { m_storedInChronicle = stored; }

  private:
    DrawingChange process(bool held, QPointF position);
    QRect paint(const QPainterPath& path);
    QRect erase(QPointF at);
    QPoint whole(QPointF position) const;
    QPointF inPicture(QPointF control) const { return control - QPointF(m_offset); }

    DrawingSurface& m_surface;
    int m_strokeSize = 1;
    int m_drawColour = kDefaultDrawColour;
    int m_penShape = 1;
    int m_currentStamp = 1;
    StampSettings m_stamps;
    double m_pageScale = 1.0;
    int m_tool = Tool::Pointer;

    QSize m_control;
    QPoint m_offset;

    // Positions in pixels of the page control.
    std::optional<QPointF> m_lastPoint;
    std::optional<QPointF> m_dragStart;
    bool m_pressed = false;
    int m_pressedOn = 0; // the surface's generation at the press
    bool m_stampDone = false;
    bool m_storedInChronicle = false;

    AreaSelection m_selection;
    bool m_selectionDragged = false;
    bool m_movingSelection = false;
    QPointF m_moveFrom;
};

// The text box: its size for a text width (the text plus 35 pixels per
// stroke size, at most the picture's width; one line high) and where its
// lower-left corner may go inside the picture area of the control.
QSize textBoxSize(int textWidth, int lineHeight, int strokeSize, int pictureWidth);
QRect placeTextBox(QPoint lowerLeft, QSize box, const QRect& pictureArea);

} // namespace velunto
