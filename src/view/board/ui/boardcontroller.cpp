#include "view/board/ui/boardcontroller.h"

#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "view/board/ui/boardmenus.h"
#include "view/board/ui/sheetdialogs.h"
#include "view/drawing/ui/buttongrid.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace velunto {

BoardController::BoardController(Document& document, DrawingTools& tools,
                                 const Settings& settings, BoardHost& host, Session& session,
                                 Prompter& prompter, QWidget* window)
    : QObject(window), m_session(session), m_prompter(prompter), m_window(window),
      m_sheets(document, tools, settings, host, prompter)
{
    m_session.addObserver(this);
    m_sheetMenu = new QMenu(window);
    fillSheetMenu(m_sheetMenu, [this](const SheetMenuEntry& e) { chooseSheet(e); });
    m_chronicleMenu = new QMenu(window);
    connect(m_chronicleMenu, &QMenu::aboutToShow, this, &BoardController::refillChronicleMenu);
    refillChronicleMenu();
}

BoardController::~BoardController()
{
    m_session.removeObserver(this);
}

void BoardController::sessionChanged(const Session& session, const SessionChange& change)
{
    if (!(change.what & SessionAspect::Mode))
        return;
    for (const auto& button : m_buttons)
        if (button)
            button->setEnabled(session.mode() == AppMode::LearningView);
}

bool BoardController::available()
{
    if (m_session.mode() != AppMode::LearningView)
        return false;
    if (m_session.editorOpen()) {
        m_prompter.information(QStringLiteral("Bitte zuerst den Beschriftungseditor schließen."));
        return false;
    }
    return true;
}

void BoardController::refillChronicleMenu()
{
    fillChronicleMenu(m_chronicleMenu, m_sheets.chronicle(),
                      [this](int entry) { recallFromChronicle(entry); });
}

void BoardController::addToolbarButtons(QToolBar* toolbar)
{
    toolbar->addSeparator();
    std::vector<QToolButton*> grid;
    const auto add = [&](const char* text, const char* hint, QMenu* menu, auto command) {
        auto* button = new QToolButton;
        button->setText(QString::fromUtf8(text));
        button->setToolTip(QString::fromUtf8(hint));
        button->setAutoRaise(true);
        if (menu) {
            button->setMenu(menu);
            button->setPopupMode(QToolButton::InstantPopup);
        } else {
            connect(button, &QToolButton::clicked, this, command);
        }
        grid.push_back(button);
        m_buttons.emplace_back(button);
    };
    const auto none = [] {};
    add("Neues Blatt", "Neues Blatt", m_sheetMenu, none);
    add("Bilddatei", "Bilddatei öffnen", nullptr, [this] { openPictureSheet(); });
    add("Einfügen", "Bild aus Zwischenablage einfügen", nullptr, [this] { pasteFromClipboard(); });
    add("Ablegen", "In Chronik ablegen", nullptr, [this] { storeInChronicle(); });
    add("Chronik", "Aus Chronik abrufen", m_chronicleMenu, none);
    add("Verlassen", "Zeichenblatt verlassen", nullptr, [this] { leaveBoardSheet(); });
    addButtonGrid(toolbar, grid);
}

void BoardController::chooseSheet(const SheetMenuEntry& entry)
{
    if (!available())
        return;
    if (!entry.free()) {
        m_sheets.openMenuEntry(entry);
        return;
    }
    if (entry.kind == SheetKind::Blank) {
        const auto colour = m_prompter.chooseColour(entry.caption, m_sheets.background);
        if (colour)
            m_sheets.openSheet(SheetKind::Blank, 0, m_sheets.lineColour, *colour);
        return;
    }
    if (entry.kind == SheetKind::Table) {
        TableSheetDialog dialog(m_sheets.table, m_sheets.lineColour, m_sheets.background,
                                m_prompter, m_window);
        if (runDialog(dialog) != QDialog::Accepted)
            return;
        m_sheets.table = dialog.table();
        m_sheets.lineColour = dialog.lineColour();
        m_sheets.background = dialog.background();
        m_sheets.openSheet(SheetKind::Table, 0, m_sheets.lineColour, m_sheets.background,
                           m_sheets.table);
        return;
    }
    int& remembered = m_sheets.counts.of(entry.kind);
    SheetCountDialog dialog(entry.kind, remembered, m_sheets.lineColour, m_sheets.background,
                            m_prompter, m_window);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    remembered = dialog.count();
    m_sheets.lineColour = dialog.lineColour();
    m_sheets.background = dialog.background();
    m_sheets.openSheet(entry.kind, remembered, m_sheets.lineColour, m_sheets.background);
}

void BoardController::openPictureSheet()
{
    if (available())
        m_sheets.openPictureSheet();
}

void BoardController::pasteFromClipboard()
{
    if (available())
        m_sheets.pasteFromClipboard(QApplication::clipboard()->image());
}

void BoardController::storeInChronicle()
{
    if (available())
        m_sheets.storeInChronicle();
}

void BoardController::recallFromChronicle(int entry)
{
    if (!available())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_sheets.recallFromChronicle(entry);
    QApplication::restoreOverrideCursor();
}

void BoardController::leaveBoardSheet()
{
    if (available())
        m_sheets.leaveBoardSheet();
}

void BoardController::openFirstSheet()
{
    for (const SheetMenuEntry& e : boardSheetMenu()) {
        if (e.kind == SheetKind::Blank && !e.free() && e.background == 0xFFFFFF) {
            m_sheets.openMenuEntry(e);
            return;
        }
    }
}

} // namespace velunto
