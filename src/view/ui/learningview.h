#pragma once

#include "view/covering.h"
#include "view/drawing/drawingsurface.h"
#include "view/pagecomposer.h"
#include "view/pagepointer.h"
#include "view/pointaction.h"
#include "view/session.h"
#include "view/viewstate.h"

#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QKeyEvent;
class QWheelEvent;
class QTouchEvent;

namespace velunto {

class CoverSheet;
class Document;
class InfoBox;
class Prompter;

// The learning view: shows the visible part of the composed page, uncovers
// and covers query fields with the pointer, moves the visible part with the
// hand tool or the right mouse button, opens info points and links, and
// carries the cover sheet. It follows the session (mode, tool, numbering,
// question, object editor) and, through its composer, the Document: every
// change of either shows without a call to the view. Pointer input reaches
// the handlers (PagePointerHandler) in page fractions. The main window hosts
// it and acts on its signals.
class LearningView : public QWidget, private SessionObserver
{
    Q_OBJECT

  public:
    LearningView(Document& document, Session& session, Prompter& prompter,
                 QWidget* parent = nullptr);
    ~LearningView() override;

    ViewState& state() { return m_state; }
    const ViewState& state() const { return m_state; }
    Session& session() { return m_session; }
    const Session& session() const { return m_session; }
    PageComposer& composer() { return m_composer; }
    const PageComposer& composer() const { return m_composer; }

    // Where link texts are looked up; asked at every click on a link.
    void setLinkFolders(std::function<LinkFolders()> folders) { m_folders = std::move(folders); }
    // Opens a resolved link with the operating system; true on success. Until
    // one is set, links go to the desktop's handler for their type, so that a
    // document can never start a program file.
    void setOpener(std::function<bool(const QString&)> opener) { m_opener = std::move(opener); }

    void addPointerHandler(PagePointerHandler* handler);
    void removePointerHandler(PagePointerHandler* handler);

    // --- what the main window calls ----------------------------------------------

    // After a document was loaded: its page geometry derived from the
    // BaseImage and RandErw, zoom 100 %, numbered with the current numbering
    // mode, Redraw.
    void documentLoaded();
    // After a new document, a new BaseImage or a board sheet: the page gets
    // the document's page ratio (new documents take the presets), then as
    // after loading. The modified flag is left alone.
    void newDocumentShown();
    // Redraw: composes the whole page again (drawings are discarded).
    void redraw();
    // RefreshObjects: draws every object again on the background.
    void refreshObjects();
    // Draws one object again where it was and where it is now.
    void redrawObject(int index);

    void setZoomIndex(int index);
    void zoomIn();
    void zoomOut();
    void scroll(ScrollDirection direction);

    void setLayer(int layer, bool shown);
    bool isLayerShown(int layer) const;

    // Number(mode, redraw).
    void number(int mode, bool redrawAfter = true);
    int numberingMode() const { return m_session.numberingMode(); }

    // "Alle Abfragefelder abdecken" and "Lösung".
    void coverAll();
    void uncoverAll();

    void setTool(int tool);
    int tool() const { return m_session.tool(); }

    // "Abdeckblatt einblenden" / "Abdeckblatt ausblenden".
    void showCoverSheet();
    void hideCoverSheet();
    bool isCoverSheetShown() const;
    bool isInfoBoxShown() const;

    // Esc: closes the info box, else the cover sheet, else forgets a typed
    // field label. False when there was nothing to close.
    bool closeOnEscape();

    // The keys the view answers for the main window: Esc (closeOnEscape),
    // a typed field label and Enter (cover or uncover that field; Backspace
    // takes a character back), Ctrl with the keypad's + and - (zoom), and
    // the arrow keys, which move the visible part of a zoomed page unless
    // the object editor has an object selected (the editor moves that). True
    // when the key was used.
    bool answerKey(QKeyEvent* event);
    const QString& typedFieldLabel() const { return m_labelEntry.typed(); }

    // SetPageGeometry after the page-ratio or BaseImage-size dialog: new
    // margin zone, objects moved with it when transform, content rebuilt,
    // modified flag, Redraw.
    void applyPageGeometry(bool transform);

    // OpenPoint: opens the info point or link of object index.
    void openPoint(int index);

    // The part of the control that shows the page; an empty room is the
    // whole control. An exercise keeps the right part for its elements.
    // The page is composed at the new size at the next redraw.
    void setPageRoom(const QRect& room);
    QRect pageRoom() const;
    // The colour beside the page picture.
    void setSurroundColour(const QColor& colour);

    // While the start panel is shown, the first press on the page is
    // announced (startPagePressed) before it is handled.
    void setStartPanelShown(bool shown) { m_startPanelShown = shown; }

    // Composes the page for this many device pixels per control pixel,
    // whatever the screen says (0: follow the screen the view is on).
    void setFixedPixelRatio(double ratio);

    // --- for the drawing tools -----------------------------------------------------

    // The shown part of the page (ShownPicture) with the drawings in it, the
    // same part without drawings and the undo of the last drawing action.
    DrawingSurface& surface() { return m_surface; }
    const DrawingSurface& surface() const { return m_surface; }
    QImage& shownPicture() { return m_surface.shown(); }
    // The same part of the page without drawings (ComposedView), as a copy.
    QImage composedView() const;
    // Where ShownPicture lies in this widget.
    QRect shownRect() const { return m_state.shownRect(); }
    // Call after painting into ShownPicture (area in its pixels; empty: all).
    void shownPictureChanged(const QRegion& area = {});
    // "Alle Zeichnungen entfernen": the drawings kept outside the visible
    // part go as well (the shown picture is the caller's).
    void drawingsRemoved();

  Q_SIGNALS:
    // A document link was clicked and its file exists; the window asks to
    // save the open document and loads path, taking its folder.
    void documentLinkActivated(const QString& path);
    // A folder link: make folder the topic folder and show the start page.
    void topicFolderActivated(const QString& folder);
    void startPagePressed();
    void zoomChanged(int index);
    void numberingChanged(int mode);
    void layersChanged();
    void coverSheetChanged(bool shown);
    void currentQuestionChanged(int question);
    // Ansicht moved by scrolling or panning.
    void visiblePartChanged();
    // A new visible part is in the shown picture; recomposed when the page
    // was composed anew and the drawings are gone.
    void visiblePartShown(bool recomposed);
    // The visible part starts to move with the hand tool or the right button.
    void panStarted();

  protected:
    // Pen and touch reach the handlers as the mouse does, with the pen's
    // positions between pixels.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The wheel moves the visible part of a zoomed page: up and down, with
    // Shift (or a sideways wheel) left and right.
    void wheelEvent(QWheelEvent* event) override;

  private:
    bool presentingKey(QKeyEvent* event);
    void sessionChanged(const Session& session, const SessionChange& change) override;
    void pageChanged(const QRect& area, bool recomposed);
    PagePointer pointerAt(QPointF position, Qt::MouseButton button,
                          Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const;
    // Mouse, pen and finger alike: first the handlers, then the pointer and
    // the hand (or the right button) of the view itself.
    void pointerPressed(QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons,
                        Qt::KeyboardModifiers modifiers);
    void pointerMoved(QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void pointerReleased(QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons,
                         Qt::KeyboardModifiers modifiers);
    // One finger is the left button; two fingers move the visible part.
    void touched(QTouchEvent* touch);
    void beginPan(QPointF at);
    void panTo(QPointF at);
    void showNewPage();
    void showVisiblePart(bool recomposed = false);
    // Copies a repainted rectangle of the page picture into the shown part.
    void showChanged(const QRect& changed);
    void commitDrawings();
    void clickObject(int index);
    void updateCursor(QPointF position);
    QRect pictureToWidget(const QRect& picture) const;
    double pixelRatio() const;
    // What the drawing tools drew in area of the shown picture: its pixels
    // where they differ from the composed view, transparent elsewhere.
    QImage drawingsOnly(const QRect& area) const;

    Document& m_document;
    Session& m_session;
    Prompter& m_prompter;
    ViewState m_state;
    PageComposer m_composer;
    std::function<LinkFolders()> m_folders;
    std::function<bool(const QString&)> m_opener;
    std::vector<PagePointerHandler*> m_handlers;

    QImage m_pagePicture; // the page with drawings moved into it; null while there are none
    // Where the screen has more pixels than the control: the visible part of
    // the page scaled to control pixels, which the drawing tools work on.
    QImage m_controlView;
    double m_fixedRatio = 0.0;
    DrawingSurface m_surface;
    bool m_drawn = false; // ShownPicture holds drawings
    bool m_panning = false;
    bool m_fingerDown = false; // one finger acts as the left button
    QPointF m_fingerAt;
    bool m_twoFingers = false; // two fingers move the visible part
    QPointF m_panFrom;
    bool m_startPanelShown = false;
    bool m_layoutPending = false;
    QRect m_pageRoom;
    QColor m_surround = kViewSurround;
    CoverSheet* m_coverSheet = nullptr;
    QPointer<InfoBox> m_infoBox;
    FieldLabelEntry m_labelEntry;
};

} // namespace velunto
