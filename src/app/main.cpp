#include "app/mainwindow.h"
#include "common/random.h"
#include "platform/launcher.h"
#include "platform/standarddialogs.h"
#include "platform/ui/widgetprompter.h"
#include "platform/userstore.h"
#include "shell/programfolders.h"
#include "shell/startup.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

// Watches for the first paint of the page after the start, for those who
// start the program from outside. VELUNTO_READY_NOTICE prints the line
// "velunto: bereit" to standard output then, so that a caller waits for the
// program instead of for a fixed time. VELUNTO_QUIT_AFTER_FIRST_PAINT ends the
// program then, so that the time to the first page can be measured; like any
// end other than closing the window, it writes no settings.
class FirstPaintWatcher : public QObject
{
  public:
    FirstPaintWatcher(velunto::MainWindow& window, bool notice, bool quit)
        : m_window(window), m_notice(notice), m_quit(quit)
    {
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_window.isActivated() && !m_done) {
            m_done = true;
            if (m_notice) {
                std::fputs("velunto: bereit\n", stdout);
                std::fflush(stdout);
            }
            // Leaves the event loop without closing the window, so that the
            // measurement ends at the first page and not after a close.
            if (m_quit)
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

  private:
    velunto::MainWindow& m_window;
    bool m_notice;
    bool m_quit;
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // No application display name: Qt would append it to every window title,
    // and the titles are meant to read exactly as the windows set them.
    QApplication::setApplicationName(QStringLiteral("velunto"));
    QApplication::setApplicationVersion(QStringLiteral(VELUNTO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("de.velunto.Velunto"));
    velunto::useGermanStandardDialogs(app);

    velunto::randomSource().seedFromTimeOfDay();
    const velunto::ProgramFolders folders =
        velunto::ProgramFolders::locate(QApplication::applicationDirPath());
    folders.createWritableFolders();

    velunto::WidgetPrompter prompter;
    if (!velunto::checkDisplay(prompter))
        return 0;

    velunto::UserStore store(velunto::UserStore::defaultPath());
    velunto::DesktopLauncher launcher;
    velunto::MainWindow window(
        {prompter, launcher, store, folders, QApplication::arguments().value(1)});
    prompter.setParent(&window);

    FirstPaintWatcher watcher(window, !qEnvironmentVariableIsEmpty("VELUNTO_READY_NOTICE"),
                              !qEnvironmentVariableIsEmpty("VELUNTO_QUIT_AFTER_FIRST_PAINT"));
    window.page()->installEventFilter(&watcher);
    window.startPanel()->installEventFilter(&watcher);

    window.showMaximized();
    // The window is up: read the settings and open what the command line
    // names before its first paint, so that the page is painted once.
    window.firstActivation();
    return QApplication::exec();
}
