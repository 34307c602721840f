#include "app/mainwindow.h"

#include "app/blackboard.h"
#include "app/documentfontdialog.h"
#include "app/linkfieldsdialog.h"
#include "app/pagearea.h"
#include "app/topiclibrary.h"
#include "common/filemessages.h"
#include "common/random.h"
#include "exercise/exerciserun.h"
#include "exercise/ui/exercisecontroller.h"
#include "library/topiclist.h"
#include "platform/display.h"
#include "platform/inifile.h"
#include "platform/launcher.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "platform/userstore.h"
#include "shell/centralconfig.h"
#include "shell/closesequence.h"
#include "shell/settingsstore.h"
#include "shell/startup.h"
#include "view/board/chronicle.h"
#include "view/questionkeys.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <tuple>

namespace velunto {

namespace {

const QString kApplicationTitle =
    QStringLiteral("Velunto - Interaktive Themendokumente für Unterricht und Lernen");

} // namespace

MainWindow::MainWindow(ShellContext context, QWidget* parent)
    : QMainWindow(parent), m_context(std::move(context)),
      m_settings(Settings::defaults(m_context.folders))
{
    setWindowTitle(kApplicationTitle);
    m_documents.setTopicRoot(m_context.folders.program);
    m_documents.setCurrentTopicFolder(m_context.folders.program);

    m_pageArea = new PageArea;
    setCentralWidget(m_pageArea);
    m_view = new LearningView(m_document, m_session, m_context.prompter);
    m_pageArea->setPage(m_view);
    connectView();
    connect(m_pageArea, &PageArea::titleClicked, this, [this] {
        m_titleShown = !m_titleShown;
        updateTitle();
    });

    buildToolbar();
    setUpExercise();
    attachResults();
    addPrintButtons();
    m_board = new Blackboard(*this);
    buildMenus();
    menuBar()->installEventFilter(this);
    m_library = new TopicLibrary(*this);
    connectDocuments();

    auto* standardSize = new QShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_G), this);
    connect(standardSize, &QShortcut::activated, this, &MainWindow::placeAtStandardSize);

    resize(1076, 780);
    // The Document starts new; its page is composed at the first activation.
    setStartPanelShown(true);
    updateTitle();
    updatePanels();
}

void MainWindow::connectView()
{
    m_view->setLinkFolders([this] {
        return LinkFolders{documentFolder(), topicRoot(), currentTopicFolder(),
                           m_context.folders.program};
    });
    m_view->setOpener(
        [this](const QString& target) { return m_context.launcher.openAddress(target); });
    connect(m_view, &LearningView::documentLinkActivated, this,
            [this](const QString& path) { m_documents.openFile(path); });
    connect(m_view, &LearningView::topicFolderActivated, this,
            [this](const QString& folder) { m_documents.openTopicFolder(folder); });
    connect(m_view, &LearningView::startPagePressed, this, [this] { setStartPanelShown(false); });
    for (auto signal : {&LearningView::zoomChanged, &LearningView::numberingChanged})
        connect(m_view, signal, this, &MainWindow::refreshMenuStates);
    connect(m_view, &LearningView::layersChanged, this, &MainWindow::refreshMenuStates);
    connect(m_view, &LearningView::coverSheetChanged, this, &MainWindow::refreshMenuStates);
}

MainWindow::~MainWindow()
{
    // The views and the object editor that follow the Document and the
    // session go before them, and the exercise and the board before the view
    // they work in.
    delete m_exercise;
    delete m_board;
    delete m_objectEditor;
    delete m_pageArea;
}

// --- start -------------------------------------------------------------------

bool MainWindow::event(QEvent* event)
{
    // The first activation may never come on a desktop without a window
    // manager; the first show starts the program as well.
    if (event->type() == QEvent::WindowActivate)
        firstActivation();
    else if (event->type() == QEvent::Show && !m_activated)
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
    return QMainWindow::event(event);
}

void MainWindow::firstActivation()
{
    if (m_activated)
        return;
    m_activated = true;

    loadSettings(m_settings, m_context.store);
    m_settings.logPixels = logicalDpi();
    if (const auto ini = IniFile::load(m_context.folders.configFile))
        applyCentralDefaults(m_settings, *ini);

    // A font that is not installed keeps its name; it is drawn with a stand-in.
    m_document.setFontName(m_settings.documentFont);
    m_document.setPageRatioPresets(m_settings.pageRatio);
    m_settings.editorFont = EditorFont{};
    m_board->startUp();

    setToolbarSide(m_settings.ToolbarSide);
    refreshLinkButtons();
    refreshMenuStates();

    startFromCommandLine();
    page()->update();
}

void MainWindow::startFromCommandLine()
{
    const StartRequest request = interpretCommandLine(m_context.commandLine);
    QString root = topicRoot();
    if (!request.topicRoot.isEmpty())
        root = request.topicRoot;
    else if (request.kind == StartRequest::Kind::Nothing && !m_settings.startTopicFolder.isEmpty())
        root = m_settings.startTopicFolder;
    else if (const QString chosen = m_settings.chosenTopicFolder;
             !chosen.isEmpty() && QFileInfo(chosen).isDir())
        // A chosen folder that is missing today (a stick not plugged in)
        // stays remembered for the next start.
        root = chosen;
    else if (const QString own = m_context.folders.userTopicFolder(); !own.isEmpty())
        root = own;
    m_documents.setTopicRoot(root);
    m_documents.setCurrentTopicFolder(root);
    m_documents.showStartPage();

    if (request.kind == StartRequest::Kind::Series) {
        m_context.prompter.information(
            QStringLiteral("Die Übungsserie \"") + request.file +
            QStringLiteral("\" kann mit dieser Programmversion nicht ausgeführt werden."));
    } else if (request.kind == StartRequest::Kind::Document) {
        if (m_documents.load(request.file, true))
            m_documents.setStartFile(request.file);
        m_documents.rebuildTopicList();
    }
}

// --- modes and layout ----------------------------------------------------------

void MainWindow::setMode(AppMode mode)
{
    m_session.setMode(mode);
    refreshMenuStates();
    updatePanels();
}

void MainWindow::updatePanels()
{
    const PanelVisibility v =
        panelsFor(mode(), m_settings.options.ShowStatusPanel, m_seriesRunning);
    m_pageArea->titleLine()->setVisible(v.title);
    const std::pair<StatusPanel, bool> panels[] = {{StatusPanel::Exercise, v.exerciseStatus},
                                                   {StatusPanel::Series, v.seriesStatus},
                                                   {StatusPanel::Puzzle, v.puzzleStatus}};
    for (const auto& [which, visible] : panels)
        if (const auto it = m_statusPanels.find(which); it != m_statusPanels.end())
            it->second->setVisible(visible);
}

void MainWindow::setStatusPanel(StatusPanel which, QWidget* panel)
{
    m_statusPanels[which] = panel;
    m_pageArea->addStatusPanel(panel);
    updatePanels();
}

void MainWindow::setSeriesRunning(bool running)
{
    m_seriesRunning = running;
    updatePanels();
}

// The layouts place the page, the title line and the toolbar again at every
// change of size, and the learning view composes its page for its new size.
void MainWindow::fullScreen()
{
    showFullScreen();
    raise();
    activateWindow();
}

void MainWindow::windowed()
{
    showNormal();
    showMaximized();
    raise();
    activateWindow();
}

void MainWindow::minimise()
{
    showMinimized();
}

void MainWindow::placeAtStandardSize()
{
    if (isFullScreen() || isMaximized())
        showNormal();
    setGeometry(0, 0, 1076, 780);
    move(0, 0);
}

// --- toolbar and link fields -------------------------------------------------------

void MainWindow::buildToolbar()
{
    m_toolbar = new QToolBar(QStringLiteral("Werkzeugleiste"), this);
    m_toolbar->setObjectName(QStringLiteral("werkzeugleiste"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    // The learning view's numbering and zoom.
    struct ViewButton
    {
        const char* caption;
        const char* tooltip;
        std::function<void()> run;
        std::function<bool()> checked;
    };
    const auto numbering = [this](int mode) -> ViewButton {
        static const char* const captions[] = {"?", "1 2 3", "3 1 2"};
        static const char* const tooltips[] = {"?", "Abfragefelder geordnet nummerieren",
                                               "Abfragefelder zufällig nummerieren"};
        return {captions[mode], tooltips[mode], [this, mode] { m_view->number(mode); },
                [this, mode] { return m_view->numberingMode() == mode; }};
    };
    const auto zoom = [this](int index, const char* caption) -> ViewButton {
        return {caption, caption, [this, index] { m_view->setZoomIndex(index); },
                [this, index] { return m_view->state().zoomIndex() == index; }};
    };
    const ViewButton buttons[] = {
        numbering(NumberingMode::QuestionMarks),
        numbering(NumberingMode::Ordered),
        numbering(NumberingMode::Random),
        zoom(0, "100 %"),
        zoom(2, "150 %"),
        zoom(4, "200 %"),
    };
    for (const ViewButton& b : buttons) {
        if (&b == &buttons[3])
            m_toolbar->addSeparator();
        QAction* action = m_toolbar->addAction(QString::fromUtf8(b.caption));
        action->setToolTip(QString::fromUtf8(b.tooltip));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, run = b.run] {
            run();
            refreshMenuStates();
        });
        m_toolbarChecks.emplace_back(action, b.checked);
    }
    m_toolbar->addSeparator();

    for (int row = 0; row < kLinkRows; ++row) {
        auto* button = new QToolButton;
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QToolButton::clicked, this, [this, row] { linkFieldClicked(row, false); });
        connect(button, &QToolButton::customContextMenuRequested, this,
                [this, row] { linkFieldClicked(row, true); });
        if (row == kKeyboardRow)
            button->setText(QStringLiteral("Tastatur"));
        m_linkButtons[row] = button;
        m_toolbar->addWidget(button);
    }
    addToolBar(Qt::RightToolBarArea, m_toolbar);
    refreshLinkButtons();
}

void MainWindow::refreshLinkButtons()
{
    for (int row = 0; row < 3; ++row) {
        m_linkButtons[row]->setText(m_settings.links[row].caption);
        m_linkButtons[row]->setToolTip(m_settings.links[row].tooltip);
    }
    m_linkButtons[kKeyboardRow]->setToolTip(m_settings.keyboard.tooltip);
}

void MainWindow::setToolbarSide(int side)
{
    m_settings.ToolbarSide = side == 1 ? 1 : 0;
    removeToolBar(m_toolbar);
    addToolBar(m_settings.ToolbarSide == 1 ? Qt::LeftToolBarArea : Qt::RightToolBarArea, m_toolbar);
    m_toolbar->show();
    refreshMenuStates();
}

void MainWindow::linkFieldClicked(int row, bool rightButton)
{
    const QString path =
        row == kKeyboardRow ? m_settings.keyboard.path : m_settings.links[row].path;
    if (rightButton || path.isEmpty()) {
        editLinkFields();
        return;
    }
    if (!m_context.launcher.launchFile(path))
        m_context.prompter.error(launchFailedText(path));
}

void MainWindow::editLinkFields()
{
    LinkFieldsDialog dialog(m_settings.links, m_settings.keyboard, m_context.prompter, this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    m_settings.links = dialog.links();
    m_settings.keyboard = dialog.keyboard();
    refreshLinkButtons();
}

// --- options, help ---------------------------------------------------------------

void MainWindow::setShowStatusPanel(bool on)
{
    m_settings.options.ShowStatusPanel = on;
    updatePanels();
}

void MainWindow::chooseDocumentFont()
{
    DocumentFontDialog dialog(m_document.fontName(), this);
    if (runDialog(dialog) != QDialog::Accepted || dialog.chosenFont().isEmpty())
        return;
    m_document.setFontName(dialog.chosenFont());
    m_document.setModified();
    if (mode() == AppMode::LearningView)
        m_view->redraw();
    documentChanged();
}

void MainWindow::showHelp()
{
    const QString address =
        QStringLiteral("file://") + m_context.folders.help + QStringLiteral("index.html");
    if (!m_context.launcher.openAddress(address))
        m_context.prompter.error(browserFailedText(address));
}

void MainWindow::showAbout()
{
    m_context.prompter.information(
        QStringLiteral("Velunto ") + QApplication::applicationVersion() +
        QStringLiteral("\r\n\r\nInteraktive Themendokumente für Unterricht und Lernen: "
                       "präsentieren, aufdecken, üben.\r\n\r\n"
                       "Freie Software unter der GNU General Public License, Version 3 oder "
                       "neuer."));
}

// --- document --------------------------------------------------------------------

void MainWindow::updateTitle()
{
    const QString fileName = QFileInfo(m_document.header.FileName).fileName();
    setWindowTitle(fileName.isEmpty() ? kApplicationTitle
                                      : kApplicationTitle + QStringLiteral(" - ") + fileName);

    const int entry = m_library != nullptr ? m_library->currentEntry() : -1;
    QLabel* line = m_pageArea->titleLine();
    line->setText(titleLineText(entry, m_document.header.Titel, m_titleShown));
    line->setToolTip(m_titleShown ? QStringLiteral("Titel verbergen")
                                  : QStringLiteral("Titel anzeigen"));
}

void MainWindow::documentChanged()
{
    const HeaderDataTyp& h = m_document.header;
    const bool empty = h.FileName.isEmpty() && h.Titel.isEmpty() && h.lueckentext.isEmpty() &&
                       h.fragentext.isEmpty() && h.DokUnterTyp == 0 && m_document.objects.empty() &&
                       !m_document.isModified();
    if (!empty)
        setStartPanelShown(false);
    updateTitle();
}

void MainWindow::setStartPanelShown(bool shown)
{
    m_pageArea->setStartPanelVisible(shown);
    m_view->setStartPanelShown(shown);
}

QMenu* MainWindow::menu(TopMenu which) const
{
    const auto it = m_menus.find(which);
    return it == m_menus.end() ? nullptr : it->second;
}

QWidget* MainWindow::page() const
{
    return m_pageArea->page();
}

QLabel* MainWindow::titleLine() const
{
    return m_pageArea->titleLine();
}

QLabel* MainWindow::startPanel() const
{
    return m_pageArea->startPanel();
}

// --- menus -----------------------------------------------------------------------

void MainWindow::buildMenus()
{
    std::vector<MenuCommand> commands = mainMenuCommands();
    std::stable_sort(commands.begin(), commands.end(),
                     [](const MenuCommand& a, const MenuCommand& b) {
                         return std::tuple(a.menu, a.order, a.suborder) < std::tuple(b.menu, b.order, b.suborder);
                     });
    std::map<std::pair<TopMenu, QString>, QMenu*> submenus;
    for (const MenuCommand& command : commands) {
        QMenu*& top = m_menus[command.menu];
        if (top == nullptr)
            top = menuBar()->addMenu(topMenuCaption(command.menu));
        QMenu* target = top;
        if (!command.submenu.isEmpty()) {
            QMenu*& sub = submenus[{command.menu, command.submenu}];
            if (sub == nullptr) {
                if (command.separatorBefore && !top->isEmpty())
                    top->addSeparator();
                sub = top->addMenu(command.submenu);
            }
            target = sub;
        } else if (command.separatorBefore && !top->isEmpty()) {
            target->addSeparator();
        }
        QAction* action = target->addAction(command.caption);
        action->setShortcut(command.shortcut);
        action->setCheckable(bool(command.checked));
        connect(action, &QAction::triggered, this, [this, run = command.run] {
            run(*this);
            refreshMenuStates();
        });
        m_actions.emplace_back(action, command);
    }
    refreshMenuStates();
}

void MainWindow::refreshMenuStates()
{
    const bool learningView = mode() == AppMode::LearningView;
    for (auto& [action, command] : m_actions) {
        if (command.checked)
            action->setChecked(command.checked(*this));
        action->setEnabled(!command.learningViewOnly || learningView);
    }
    for (auto& [action, checked] : m_toolbarChecks) {
        action->setChecked(checked());
        action->setEnabled(learningView);
    }
    for (const TopMenu whole : {TopMenu::Topics, TopMenu::LearningView, TopMenu::Author})
        if (QMenu* m = menu(whole))
            m->menuAction()->setEnabled(learningView);
}

// --- keys --------------------------------------------------------------------------

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Each part answers its own keys; the first that takes a key ends it.
    if (stepQuestionByKey(m_session, m_document, event->key(), event->modifiers(), randomSource()))
        return;
    if (m_view->answerKey(event))
        return;
    if (m_objectEditor != nullptr && m_objectEditor->answerKey(event))
        return;
    QMainWindow::keyPressEvent(event);
}

// --- close -------------------------------------------------------------------------

bool MainWindow::askToCancelExercise()
{
    if (mode() == AppMode::Exercise)
        return m_exercise->run().confirmCancel();
    if (mode() == AppMode::Puzzle)
        return m_context.prompter.confirm(QStringLiteral(
            "Das aktuelle Schiebepuzzle ist noch nicht gelöst.\r\nÜbung wirklich abbrechen?"));
    return true;
}

QStringList MainWindow::chronicleScreenshots() const
{
    return m_board->chronicle().files() + m_chronicleScreenshots;
}

bool MainWindow::writeSettings()
{
    // Settings that were never read must not overwrite the stored ones.
    if (!m_activated)
        return true;
    m_settings.documentFont = m_document.fontName();
    saveSettings(m_settings, m_context.store);
    if (m_context.store.commit())
        return true;
    m_context.prompter.error(fileWriteErrorMessage(m_context.store.filePath()));
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    CloseSteps steps;
    steps.mayCancelExercise = [this] { return askToCancelExercise(); };
    steps.askSave = [this] { return askSave(); };
    steps.chronicleScreenshots = chronicleScreenshots();
    steps.chronicleFolder = m_settings.folders.chronicle;
    steps.chronicleDeleted = [this] {
        m_chronicleScreenshots.clear();
        m_board->chronicle().clear();
    };
    steps.cancelRunningWork = [this] {
        m_exercise->run().leave(false);
        setMode(AppMode::LearningView);
    };
    steps.saveSettings = [this] { writeSettings(); };
    if (!runCloseSequence(steps, m_context.prompter)) {
        event->ignore();
        return;
    }
    m_closed = true;
    event->accept();
}

} // namespace velunto
