// The main window's printing: the view printed, exported and copied, the
// printer set-up, and the three toolbar buttons for the view.

#include "app/mainwindow.h"
#include "app/menus.h"

#include "app/blackboard.h"
#include "view/drawing/ui/drawingcontroller.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "print/ui/printing.h"
#include "print/ui/viewprintdialog.h"
#include "print/viewprint.h"
#include "view/ui/learningview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QThread>
#include <QToolBar>

namespace velunto {

std::vector<MenuCommand> printMenuCommands()
{
    using M = MainWindow;
    const TopMenu file = TopMenu::File;
    std::vector<MenuCommand> c;
    MenuCommand print = menuRow(file, 60, "&Drucken...", QKeySequence(Qt::CTRL | Qt::Key_P),
                            [](M& w) { w.printView(); });
    print.separatorBefore = true;
    c.push_back(print);
    c.push_back(menuRow(file, 61, "D&ruckereinrichtung...", {}, [](M& w) { w.setUpPrinter(); }));
    c.push_back(menuRow(file, 62, "&Exportieren...", QKeySequence(Qt::CTRL | Qt::Key_E),
                    [](M& w) { w.exportView(); }));
    c.push_back(menuRow(file, 63, "In &Zwischenablage kopieren", QKeySequence(Qt::CTRL | Qt::Key_C),
                    [](M& w) { w.copyView(); }));
    return c;
}

Printing& MainWindow::printing()
{
    if (m_context.printing)
        return *m_context.printing;
    if (!m_ownPrinting)
        m_ownPrinting = std::make_shared<DialogPrinting>();
    return *m_ownPrinting;
}

QImage MainWindow::viewPicture() const
{
    // What the view shows now, drawings included; only the selected area
    // while the area tool holds one.
    return m_board->drawing().viewPicture().convertToFormat(QImage::Format_RGB32);
}

void MainWindow::printView()
{
    ViewPrintDialog dialog(viewPicture(), printing(), m_context.prompter, this);
    runDialog(dialog);
}

void MainWindow::setUpPrinter()
{
    printing().setupDialog(this);
}

void MainWindow::exportView()
{
    const QImage picture = viewPicture();
    Prompter::FileRequest request;
    request.title = QStringLiteral("Ansicht in Bilddatei speichern");
    request.directory = documentFolder();
    request.filters = viewExportFilters();
    request.defaultSuffix = QStringLiteral("png");
    const auto path = m_context.prompter.saveFile(request);
    if (path)
        showMessages(m_context.prompter, exportViewPicture(picture, *path));
}

void MainWindow::copyView()
{
    QGuiApplication::clipboard()->setImage(viewPicture());
    // A short pause with the busy pointer, so that a second press does not
    // replace the picture while another program is still taking it.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QThread::msleep(100);
    QApplication::restoreOverrideCursor();
}

void MainWindow::addPrintButtons()
{
    m_toolbar->addSeparator();
    struct Button
    {
        const char* caption;
        const char* tooltip;
        const char* name;
        void (MainWindow::*run)();
    };
    const Button buttons[] = {
        {"Drucken", "Ansicht drucken", "ansichtdrucken", &MainWindow::printView},
        {"Bilddatei", "Ansicht in Bilddatei speichern", "ansichtexportieren",
         &MainWindow::exportView},
        {"Kopieren", "Ansicht in Zwischenablage kopieren", "ansichtkopieren",
         &MainWindow::copyView},
    };
    for (const Button& b : buttons) {
        QAction* action = m_toolbar->addAction(QString::fromUtf8(b.caption));
        action->setToolTip(QString::fromUtf8(b.tooltip));
        action->setObjectName(QString::fromUtf8(b.name));
        connect(action, &QAction::triggered, this, b.run);
    }
}

} // namespace velunto
