#include "view/drawing/ui/drawingcontroller.h"

#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "view/drawing/stamps.h"
#include "view/drawing/ui/buttongrid.h"
#include "view/drawing/ui/drawingicons.h"
#include "view/drawing/ui/drawingtextbox.h"
#include "view/drawing/ui/selectionoverlay.h"
#include "view/drawing/ui/stampdialog.h"
#include "view/ui/learningview.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

namespace velunto {

namespace {

const QString kCloseEditorFirst = QStringLiteral("Bitte zuerst den Beschriftungseditor schließen.");

// The eraser's pointer: the square it erases (at most 64 pixels, the size
// pointers can have).
QCursor eraserCursor(int side)
{
    const int s = std::min(side, 64);
    QPixmap square(s, s);
    square.fill(Qt::transparent);
    QPainter p(&square);
    p.setPen(Qt::white);
    p.drawRect(0, 0, s - 1, s - 1);
    p.setPen(Qt::black);
    p.drawRect(1, 1, s - 3, s - 3);
    return QCursor(square, s / 2, s / 2);
}

QToolButton* makeButton(const QString& text, const QString& hint, const QIcon& icon = {})
{
    auto* button = new QToolButton;
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return button;
}

} // namespace

DrawingController::DrawingController(LearningView& view, Session& session, StampSettings& stamps,
                                     Prompter& prompter, QObject* parent)
    : QObject(parent), m_view(view), m_session(session), m_stamps(stamps), m_prompter(prompter),
      m_tools(view.surface())
{
    m_tools.setStamps(stamps);
    m_tools.selectTool(session.tool());
    m_textBox = new DrawingTextBox(&view);
    m_overlay = new SelectionOverlay(m_tools, &view);
    view.addPointerHandler(this);
    session.addObserver(this);

    connect(m_textBox, &DrawingTextBox::textAccepted, this,
            [this](const QString& text, QPoint topLeft) {
                guarded([&] { apply({m_tools.drawText(topLeft, text), false, {}}); });
            });
    connect(&view, &LearningView::visiblePartShown, this, [this](bool recomposed) {
        m_tools.setControl(m_view.size(), m_view.shownRect().topLeft());
        m_tools.setPageScale(ViewState::zoomFactor(m_view.state().zoomIndex()));
        // Drawings are gone with a new compose, and so is what was stored.
        if (recomposed)
            m_tools.setStoredInChronicle(false);
        m_overlay->refresh();
    });
    connect(&view, &LearningView::panStarted, this,
            [this] { m_tools.setStoredInChronicle(false); });

    SelectionLabel* label = m_overlay->label();
    connect(label, &SelectionLabel::dragStarted, this,
            [this](QPointF p) { m_tools.beginSelectionMove(p); });
    connect(label, &SelectionLabel::dragged, this,
            [this](QPointF p) { apply(m_tools.moveSelection(p)); });
    connect(label, &SelectionLabel::dragEnded, this, [this](QPointF) {
        m_tools.endSelectionMove();
        m_overlay->refresh();
    });
    drawStampPictures();
}

DrawingController::~DrawingController()
{
    m_view.removePointerHandler(this);
    m_session.removeObserver(this);
    if (m_uncompressedMoves)
        QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, m_compressedMoves);
}

void DrawingController::selectDefaults()
{
    m_tools.selectDefaults();
    drawStampPictures();
    m_session.setTool(m_tools.tool());
    styleTextBox();
    updateButtons();
}

// --- tools ------------------------------------------------------------------------------

void DrawingController::sessionChanged(const Session& session, const SessionChange& change)
{
    if (!(change.what & (SessionAspect::Tool | SessionAspect::Mode | SessionAspect::Editor)))
        return;
    if (session.tool() != m_tools.tool()) {
        m_tools.selectTool(session.tool());
        if (session.tool() != Tool::Text)
            m_textBox->hide();
    }
    if (!active()) {
        m_overlay->setPointer(std::nullopt);
        m_textBox->hide();
    }
    m_overlay->refresh();
    updateButtons();
    updateCursor();
}

void DrawingController::selectTool(int tool)
{
    // SelectTool of the same tool again still clears the selection.
    if (m_tools.selectTool(tool))
        m_overlay->refresh();
    if (tool != Tool::Text)
        m_textBox->hide();
    m_session.setTool(tool);
    updateButtons();
    updateCursor();
}

void DrawingController::selectViewTool(int tool)
{
    selectTool(tool);
}

bool DrawingController::active() const
{
    const int tool = m_tools.tool();
    return m_session.mode() == AppMode::LearningView && !m_session.editorOpen() &&
           tool >= Tool::Pen && tool <= Tool::Area;
}

bool DrawingController::refuseWhileEditing()
{
    if (!m_session.editorOpen())
        return false;
    m_prompter.information(kCloseEditorFirst);
    return true;
}

void DrawingController::penButton()
{
    if (refuseWhileEditing())
        return;
    selectTool(toolForPenShape(m_tools.penShape()));
    if (m_penButton)
        m_penButton->showMenu();
}

void DrawingController::choosePenShape(int shape)
{
    if (refuseWhileEditing())
        return;
    m_tools.setPenShape(shape);
    selectTool(toolForPenShape(shape));
}

void DrawingController::eraserButton()
{
    if (!refuseWhileEditing())
        selectTool(Tool::Eraser);
}

void DrawingController::stampButton()
{
    if (refuseWhileEditing())
        return;
    selectTool(Tool::Stamp);
    if (m_stampButton)
        m_stampButton->showMenu();
}

void DrawingController::chooseStamp(int stamp)
{
    m_tools.setCurrentStamp(stamp);
    updateButtons();
}

void DrawingController::configureStamps()
{
    StampDialog dialog(m_stamps, m_view.window());
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    m_stamps = dialog.stamps();
    m_tools.setStamps(m_stamps);
    drawStampPictures();
    updateButtons();
    Q_EMIT stampsChanged();
}

void DrawingController::textButton()
{
    if (refuseWhileEditing())
        return;
    if (m_textBox->isHidden())
        m_textBox->clear();
    styleTextBox();
    selectTool(Tool::Text);
}

void DrawingController::styleTextBox()
{
    m_textBox->setStyle(m_tools.textFont(), m_tools.colour(), m_tools.strokeSize());
}

void DrawingController::chooseStrokeSize(int size)
{
    m_tools.setStrokeSize(size);
    if (m_tools.tool() == Tool::Pointer || m_tools.tool() == Tool::Hand)
        selectTool(Tool::Pen);
    styleTextBox();
    updateButtons();
    updateCursor();
}

void DrawingController::chooseColour(int index)
{
    m_tools.setDrawColour(index);
    if (m_tools.tool() == Tool::Pointer || m_tools.tool() == Tool::Hand)
        selectTool(Tool::Pen);
    styleTextBox();
    updateButtons();
}

void DrawingController::areaButton()
{
    if (m_tools.tool() == Tool::Area && m_tools.selection().exists()) {
        m_tools.clearSelection();
        m_overlay->refresh();
    }
    selectTool(Tool::Area);
}

void DrawingController::undo()
{
    guarded([this] {
        const QRegion changed = m_tools.undo();
        if (!changed.isEmpty())
            m_view.shownPictureChanged(changed);
    });
}

void DrawingController::removeAllDrawings()
{
    guarded([this] {
        const QRect changed = m_tools.removeAllDrawings();
        m_view.drawingsRemoved();
        m_view.shownPictureChanged(changed);
    });
}

template <class Action> void DrawingController::guarded(Action&& action)
{
    QString failure;
    try {
        action();
        return;
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    // Whatever part of the picture the action reached, the screen shows it.
    m_tools.abandonAction();
    m_view.shownPictureChanged();
    m_overlay->refresh();
    m_prompter.information(QStringLiteral("Fehler aufgetreten (") + failure + u')');
}

// --- pointer ---------------------------------------------------------------------------

QPointF DrawingController::toControl(QPointF page) const
{
    return m_view.state().pageToScreenF(page);
}

void DrawingController::updateEventCompression()
{
    // While a pen or shape tool is chosen every pointer event counts, from
    // the first one of a stroke on: merged moves would cut its curves.
    const bool uncompressed = active() && DrawingTools::isDrawingTool(m_tools.tool());
    if (uncompressed == m_uncompressedMoves)
        return;
    if (uncompressed)
        m_compressedMoves = QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents);
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents,
                                   uncompressed ? false : m_compressedMoves);
    m_uncompressedMoves = uncompressed;
}

bool DrawingController::pagePressed(const PagePointer& pointer)
{
    if (!active() || pointer.button != Qt::LeftButton)
        return false;
    guarded([&] { apply(m_tools.press(toControl(pointer.page))); });
    return true;
}

bool DrawingController::pageMoved(const PagePointer& pointer)
{
    if (!active())
        return false;
    // The right button moves the visible part, the middle button uncovers.
    if (!m_tools.drawing() && !m_tools.movingSelection() &&
        (pointer.buttons & ~Qt::MouseButtons(Qt::LeftButton)) != Qt::NoButton)
        return false;
    const QPointF control = toControl(pointer.page);
    if (m_tools.tool() == Tool::Area)
        m_overlay->setPointer(control.toPoint());
    guarded([&] { apply(m_tools.move(control, pointer.buttons & Qt::LeftButton)); });
    updateCursor();
    return true;
}

bool DrawingController::pageReleased(const PagePointer& pointer)
{
    if (!active() || pointer.button != Qt::LeftButton)
        return false;
    guarded([&] { apply(m_tools.release(toControl(pointer.page))); });
    return true;
}

void DrawingController::apply(const DrawingChange& change)
{
    if (!change.picture.isEmpty())
        m_view.shownPictureChanged(change.picture);
    if (change.selection)
        m_overlay->refresh();
    if (change.textBoxAt) {
        styleTextBox();
        m_textBox->place(*change.textBoxAt, m_view.shownRect());
    }
}

void DrawingController::updateCursor()
{
    updateEventCompression();
    if (!active())
        return;
    switch (m_tools.tool()) {
    case Tool::Eraser:
        m_view.setCursor(eraserCursor(strokeMetrics(m_tools.strokeSize()).eraserSide));
        break;
    case Tool::Stamp:
        m_view.setCursor(Qt::PointingHandCursor);
        break;
    case Tool::Text:
        m_view.setCursor(Qt::IBeamCursor);
        break;
    default:
        m_view.setCursor(Qt::CrossCursor);
        break;
    }
}

// --- toolbar ----------------------------------------------------------------------------

void DrawingController::drawStampPictures()
{
    for (int k = 0; k < kStampCount; ++k)
        m_stampPictures[k] = stampMenuPicture(stampSymbol(m_stamps, k + 1));
    if (!m_stampMenu)
        return;
    const QList<QAction*> actions = m_stampMenu->actions();
    for (int k = 0; k < kStampCount && k < actions.size(); ++k)
        actions[k]->setIcon(QIcon(QPixmap::fromImage(m_stampPictures[k])));
}

void DrawingController::checkable(QAction* action, std::function<bool()> checked)
{
    action->setCheckable(true);
    m_menuChecks.emplace_back(action, std::move(checked));
}

QMenu* DrawingController::penMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    for (int shape = 1; shape <= kPenShapes; ++shape) {
        QAction* a = menu->addAction(penShapeIcon(shape), QString());
        a->setToolTip(QStringLiteral("Stift%1").arg(shape));
        connect(a, &QAction::triggered, this, [this, shape] { choosePenShape(shape); });
        checkable(a, [this, shape] { return m_tools.penShape() == shape; });
    }
    return menu;
}

QMenu* DrawingController::stampMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    for (int k = 1; k <= kStampCount; ++k) {
        QAction* a = menu->addAction(QStringLiteral("Stempel %1").arg(k));
        connect(a, &QAction::triggered, this, [this, k] { chooseStamp(k); });
        checkable(a, [this, k] { return m_tools.currentStamp() == k; });
    }
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("Konfig.")), &QAction::triggered, this,
            &DrawingController::configureStamps);
    m_stampMenu = menu;
    drawStampPictures();
    return menu;
}

QMenu* DrawingController::sizeMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    for (int size = 1; size <= kStrokeSizes; ++size) {
        QAction* a = menu->addAction(strokeSizeIcon(size), QString());
        a->setToolTip(QStringLiteral("Strichdicke%1").arg(size));
        connect(a, &QAction::triggered, this, [this, size] { chooseStrokeSize(size); });
        checkable(a, [this, size] { return m_tools.strokeSize() == size; });
    }
    return menu;
}

QMenu* DrawingController::colourMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    bool opaque = true;
    for (const DrawColour& c : drawColours()) {
        if (c.transparent && opaque) {
            menu->addSeparator();
            opaque = false;
        }
        QAction* a = menu->addAction(drawColourIcon(c.index), c.caption);
        const int index = c.index;
        connect(a, &QAction::triggered, this, [this, index] { chooseColour(index); });
        checkable(a, [this, index] { return m_tools.drawColour() == index; });
    }
    return menu;
}

void DrawingController::addToolbarButtons(QToolBar* toolbar)
{
    toolbar->addSeparator();
    std::vector<QToolButton*> grid;
    const auto add = [&](QToolButton* button, std::vector<int> tools, auto command) {
        grid.push_back(button);
        connect(button, &QToolButton::clicked, this, command);
        if (!tools.empty()) {
            button->setCheckable(true);
            m_toolButtons.emplace_back(button, std::move(tools));
        }
        m_buttons.emplace_back(button);
        return button;
    };
    add(makeButton(QStringLiteral("Zeiger"),
                   QStringLiteral("Zeiger zum Auf- und Abdecken von Abfragefeldern")),
        {Tool::Pointer}, [this] { selectViewTool(Tool::Pointer); });
    add(makeButton(QStringLiteral("Hand"), QStringLiteral("Bildausschnitt verschieben")),
        {Tool::Hand}, [this] { selectViewTool(Tool::Hand); });
    std::vector<int> pens{Tool::Pen};
    for (int t = Tool::FirstShape; t <= Tool::LastShape; ++t)
        pens.push_back(t);
    m_penButton = add(makeButton(QStringLiteral("Stift"), QStringLiteral("Zeichenstift"),
                                 penShapeIcon(m_tools.penShape())),
                      pens, &DrawingController::penButton);
    m_penButton->setMenu(penMenu(m_penButton));
    add(makeButton(QStringLiteral("Radierer"), QStringLiteral("Radierer")), {Tool::Eraser},
        &DrawingController::eraserButton);
    m_stampButton = add(makeButton(QStringLiteral("Stempel"), QStringLiteral("Symbolstempel"),
                                   QIcon(QPixmap::fromImage(m_stampPictures[0]))),
                        {Tool::Stamp}, &DrawingController::stampButton);
    m_stampButton->setMenu(stampMenu(m_stampButton));
    add(makeButton(QStringLiteral("Text"), QStringLiteral("Text")), {Tool::Text},
        &DrawingController::textButton);
    m_sizeButton = add(makeButton(QStringLiteral("Größe"), QStringLiteral("Größe"),
                                  strokeSizeIcon(m_tools.strokeSize())),
                       {}, [this] { m_sizeButton->showMenu(); });
    m_sizeButton->setMenu(sizeMenu(m_sizeButton));
    m_colourButton = add(makeButton(QStringLiteral("Farbe"), QStringLiteral("Farbe"),
                                    drawColourIcon(m_tools.drawColour())),
                         {}, [this] { m_colourButton->showMenu(); });
    m_colourButton->setMenu(colourMenu(m_colourButton));
    add(makeButton(QStringLiteral("Bereich"),
                   QStringLiteral("Bereich auswählen für Drucken, Speichern, kopieren\n"
                                  "in Zwischenablage und einfügen aus Zwischenablage")),
        {Tool::Area}, &DrawingController::areaButton);
    add(makeButton(QStringLiteral("Rückgängig"),
                   QStringLiteral("Letzte Zeichenaktion rückgängig machen")),
        {}, &DrawingController::undo);
    add(makeButton(QStringLiteral("Alle weg"), QStringLiteral("Alle Zeichnungen entfernen")), {},
        &DrawingController::removeAllDrawings);
    addButtonGrid(toolbar, grid);
    updateButtons();
}

void DrawingController::updateButtons()
{
    const int tool = m_tools.tool();
    for (auto& [button, tools] : m_toolButtons)
        button->setChecked(std::find(tools.begin(), tools.end(), tool) != tools.end());
    for (auto& [action, checked] : m_menuChecks)
        action->setChecked(checked());
    const bool learningView = m_session.mode() == AppMode::LearningView;
    for (const auto& button : m_buttons)
        if (button)
            button->setEnabled(learningView);
    if (m_penButton)
        m_penButton->setIcon(penShapeIcon(m_tools.penShape()));
    if (m_stampButton)
        m_stampButton->setIcon(QIcon(QPixmap::fromImage(m_stampPictures[m_tools.currentStamp() - 1])));
    if (m_sizeButton)
        m_sizeButton->setIcon(strokeSizeIcon(m_tools.strokeSize()));
    if (m_colourButton)
        m_colourButton->setIcon(drawColourIcon(m_tools.drawColour()));
}

} // namespace velunto
