#include "app/mainwindow.h"
#include "common/random.h"
#include "platform/launcher.h"
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
// measured from outside.
class QuitAfterFirstPaint : public QObject
{
  public:
    explicit QuitAfterFirstPaint(velunto::MainWindow& window) : m_window(window) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_window.isActivated() && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
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
    QApplication::setApplicationName(QStringLiteral("velunto"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velunto"));
    QApplication::setApplicationVersion(QStringLiteral(VELUNTO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("de.velunto.Velunto"));

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
    return QApplication::exec();
}
