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

namespace {

// VELUNTO_QUIT_AFTER_FIRST_PAINT ends the program as soon as the page was
// painted once after the start, so that the time to the first page can be
// measured from outside. Like any end other than closing the window, it
// writes no settings.
class QuitAfterFirstPaint : public QObject
{
  public:
    explicit QuitAfterFirstPaint(velunto::MainWindow& window) : m_window(window) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_window.isActivated() && !m_done) {
            m_done = true;
            // Leaves the event loop without closing the window, so that the
            // measurement ends at the first page and not after a close.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

  private:
    velunto::MainWindow& m_window;
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

    QuitAfterFirstPaint quitter(window);
    if (!qEnvironmentVariableIsEmpty("VELUNTO_QUIT_AFTER_FIRST_PAINT")) {
        window.page()->installEventFilter(&quitter);
        window.startPanel()->installEventFilter(&quitter);
    }

    window.showMaximized();
    // The window is up: read the settings and open what the command line
    // names before its first paint, so that the page is painted once.
    window.firstActivation();
    return QApplication::exec();
}
