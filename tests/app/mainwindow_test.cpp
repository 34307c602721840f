#include "mainwindow_fixture.h"

#include "app/documentfontdialog.h"
#include "app/linkfieldsdialog.h"
#include "platform/ui/dialogrunner.h"
#include "shell/settingsstore.h"
#include "view/ui/learningview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

using namespace velunto;
using Answer = Prompter::Answer;

TEST_F(MainWindowFixture, FirstStartHasTheDefaultsAndANormalCloseStoresEveryValue)
{
    MainWindow& w = start();
    EXPECT_EQ(w.settings().network.channel, QStringLiteral("VELUNT-1"));
    EXPECT_EQ(w.settings().folders.chronicle, folders.chronicle);
    EXPECT_EQ(w.document().fontName(), QStringLiteral("Arial"));
    EXPECT_EQ(w.topicRoot(), folders.topics); // the teacher's own, writable
    EXPECT_EQ(w.currentTopicFolder(), folders.topics);
    EXPECT_EQ(w.mode(), AppMode::LearningView);
    EXPECT_FALSE(QFile::exists(settingsPath())); // read, never written before the close

    EXPECT_TRUE(w.close());
    const UserStore written(settingsPath());
    for (const QString& name : storedSettingNames())
        EXPECT_TRUE(written.read(name)) << name.toStdString();
    EXPECT_EQ(written.read(QStringLiteral("Opt-Sound")), QStringLiteral("1"));
    EXPECT_EQ(written.read(QStringLiteral("Opt-ChronikOrdner")), folders.chronicle);
}

TEST_F(MainWindowFixture, StoredValuesAndConfigIniApplyAtTheFirstActivation)
{
    store->write(QStringLiteral("opt-werkzeugpos"), QStringLiteral("1"));
    store->write(QStringLiteral("Opt-Schriftart"), QStringLiteral("Liberation Serif"));
    store->write(QStringLiteral("Opt-VerknuepfungName2"), QStringLiteral("Rechner"));
    store->write(QStringLiteral("EditorSchriftart-FontSize"), QStringLiteral("12"));
    ASSERT_TRUE(store->commit());
    store->reload();
    writeConfigIni("[Optionen]\nOptionenDefZentral=1\nTonausgabe=0\n");

    MainWindow& w = start();
    EXPECT_EQ(w.settings().ToolbarSide, 1);
    EXPECT_EQ(w.toolBarArea(w.findChild<QToolBar*>()), Qt::LeftToolBarArea);
    EXPECT_TRUE(action(QStringLiteral("&Links"))->isChecked());
    EXPECT_FALSE(action(QStringLiteral("&Rechts"))->isChecked());
    QList<QAction*> sides;
    for (const QMenu* m : w.findChildren<QMenu*>())
        if (m->title() == QStringLiteral("&Werkzeugleiste"))
            sides = m->actions();
    ASSERT_EQ(sides.size(), 2);
    EXPECT_EQ(sides[0]->text(), QStringLiteral("&Links")); // left before right
    EXPECT_EQ(w.document().fontName(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(w.linkButton(1)->text(), QStringLiteral("Rechner"));
    EXPECT_EQ(w.settings().editorFont.size, 10);
    EXPECT_FALSE(w.settings().options.SoundOn);
    EXPECT_FALSE(action(QStringLiteral("&Tonausgabe"))->isChecked());
}

TEST_F(MainWindowFixture, ADocumentFontThatIsNotInstalledKeepsItsName)
{
    store->write(QStringLiteral("Opt-Schriftart"), QStringLiteral("Tahoma"));
    ASSERT_TRUE(store->commit());
    store->reload();
    MainWindow& w = start();
    EXPECT_EQ(w.document().fontName(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(w.close());
    EXPECT_EQ(UserStore(settingsPath()).read(QStringLiteral("Opt-Schriftart")),
              QStringLiteral("Tahoma"));
}

TEST_F(MainWindowFixture, CommandLineFolderWinsOverTheConfiguredTopicFolder)
{
    QTemporaryDir configured;
    QTemporaryDir given;
    writeConfigIni("[Start]\nThemenordner=" + configured.path().toUtf8() + "\n");

    EXPECT_EQ(start().topicRoot(), configured.path() + u'/');
    EXPECT_EQ(start(given.path()).topicRoot(), given.path() + u'/');
    EXPECT_EQ(window->currentTopicFolder(), given.path() + u'/');
}

TEST_F(MainWindowFixture, SeriesPackageOnTheCommandLineIsAnnounced)
{
    QTemporaryDir folder;
    const QString package = folder.filePath(QStringLiteral("WOCHE1.VLUSP"));
    start(package);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains(package));
    EXPECT_EQ(window->topicRoot(), folder.path() + u'/');
}

TEST_F(MainWindowFixture, CancelAtTheScreenshotQuestionKeepsFilesAndProgram)
{
    MainWindow& w = start();
    QStringList shots;
    for (const char* name : {"20240101-080000-1.png", "20240101-080500-2.png"}) {
        QFile f(folders.chronicle + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        w.addChronicleScreenshot(f.fileName());
        shots << f.fileName();
    }
    w.show();
    prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(QFile::exists(shots[0]) && QFile::exists(shots[1]));
    EXPECT_FALSE(QFile::exists(settingsPath()));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.startsWith(QStringLiteral("2 Chronik-Screenshots wurden im "
                                                                 "Ordner ") +
                                                  folders.chronicle));

    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(QFile::exists(shots[0]) || QFile::exists(shots[1]));
    EXPECT_TRUE(QFile::exists(settingsPath()));
}

TEST_F(MainWindowFixture, ClosingDuringAnExerciseAsksFirst)
{
    MainWindow& w = start(QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele/01-flusssystem.vlt"));
    w.settings().ShowOptionsDialog = false;
    w.settings().options.AskParticipantName = false;
    w.startExercise();
    ASSERT_EQ(w.mode(), AppMode::Exercise);
    prompter.answers = {Answer::No};
    EXPECT_FALSE(w.close());
    EXPECT_EQ(prompter.shown.back().text,
              QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich "
                             "abbrechen?"));
    EXPECT_EQ(w.mode(), AppMode::Exercise);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    w.setMode(AppMode::Puzzle);
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(prompter.shown.back().text.startsWith(
        QStringLiteral("Das aktuelle Schiebepuzzle ist noch nicht gelöst.")));
    EXPECT_EQ(w.mode(), AppMode::LearningView);
}

TEST_F(MainWindowFixture, ModesEnableCommandsAndPanels)
{
    MainWindow& w = start();
    w.show();
    auto* exerciseStatus = new QLabel(QStringLiteral("Übung"));
    auto* puzzleStatus = new QLabel(QStringLiteral("Puzzle"));
    w.setStatusPanel(MainWindow::StatusPanel::Exercise, exerciseStatus);
    w.setStatusPanel(MainWindow::StatusPanel::Puzzle, puzzleStatus);

    QAction* font = action(QStringLiteral("Schrift&art..."));
    QAction* sound = action(QStringLiteral("&Tonausgabe"));
    ASSERT_TRUE(font && sound);
    EXPECT_TRUE(font->isEnabled());
    EXPECT_TRUE(w.titleLine()->isVisible());
    EXPECT_FALSE(exerciseStatus->isVisible());

    w.setMode(AppMode::Exercise);
    EXPECT_FALSE(font->isEnabled());
    EXPECT_TRUE(sound->isEnabled());
    EXPECT_FALSE(w.titleLine()->isVisible());
    EXPECT_TRUE(exerciseStatus->isVisible());

    // The status switch hides the panel of the running exercise at once.
    action(QStringLiteral("&Statusinformation bei Übungen anzeigen"))->trigger();
    EXPECT_FALSE(w.settings().options.ShowStatusPanel);
    EXPECT_FALSE(exerciseStatus->isVisible());

    w.setMode(AppMode::Puzzle);
    EXPECT_FALSE(puzzleStatus->isVisible());
    action(QStringLiteral("&Statusinformation bei Übungen anzeigen"))->trigger();
    EXPECT_TRUE(puzzleStatus->isVisible());
    EXPECT_FALSE(exerciseStatus->isVisible());
}

TEST_F(MainWindowFixture, OptionSwitchesFlipOnEachClick)
{
    start();
    for (const char* caption : {"&Tonausgabe", "Übungs&protokolle automatisch speichern",
                                "Bei Programmstart auf Update prüfen"}) {
        QAction* a = action(QString::fromUtf8(caption));
        ASSERT_NE(a, nullptr) << caption;
        const bool before = a->isChecked();
        a->trigger();
        EXPECT_EQ(a->isChecked(), !before) << caption;
        a->trigger();
        EXPECT_EQ(a->isChecked(), before) << caption;
    }
    action(QStringLiteral("&Tonausgabe"))->trigger();
    EXPECT_FALSE(window->settings().options.SoundOn);
}

TEST_F(MainWindowFixture, LinkFieldsLaunchOrOpenTheirDialog)
{
    MainWindow& w = start();
    QStringList dialogs;
    const ScopedDialogRunner closeEach([&dialogs](QDialog& dialog) {
        dialogs << dialog.windowTitle();
        return int(QDialog::Rejected);
    });

    // An empty path opens the dialog even on a left click.
    w.linkFieldClicked(0, false);
    EXPECT_EQ(dialogs, QStringList{"Frei belegbare Verknüpfungsfelder für externe Programme"});
    EXPECT_TRUE(launcher.launched.isEmpty());

    w.settings().links[0].path = QStringLiteral("/usr/bin/true");
    w.linkFieldClicked(0, false);
    EXPECT_EQ(launcher.launched, QStringList{"/usr/bin/true"});

    w.linkFieldClicked(0, true);
    EXPECT_EQ(dialogs.size(), 2);
    EXPECT_EQ(launcher.launched.size(), 1);

    launcher.succeed = false;
    w.linkFieldClicked(0, false);
    EXPECT_EQ(prompter.texts().constLast(),
              QStringLiteral("Die Datei \"/usr/bin/true\" kann nicht geöffnet werden."));
}

TEST_F(MainWindowFixture, HelpOpensTheIndexPageOrSaysWhy)
{
    start();
    launcher.succeed = false;
    action(QStringLiteral("&Inhalt"))->trigger();
    const QString address = QStringLiteral("file://") + folders.help + QStringLiteral("index.html");
    EXPECT_EQ(launcher.launched, QStringList{address});
    EXPECT_TRUE(prompter.texts().constLast().startsWith(QStringLiteral("Die Datei \"") + address +
                                                        QStringLiteral("\" kann nicht geöffnet "
                                                                       "werden. Sie benötigen")));
}

TEST_F(MainWindowFixture, TitleFollowsTheDocumentAndTheTitleSwitch)
{
    MainWindow& w = start();
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" (ohne Titel)"));
    EXPECT_FALSE(w.windowTitle().endsWith(QStringLiteral(".vlt")));
    EXPECT_TRUE(w.startPanel()->isVisibleTo(&w));

    w.document().header.Titel = QStringLiteral("Bruchrechnen");
    w.document().header.FileName = QStringLiteral("/themen/mathe/bruch.vlt");
    w.documentChanged();
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" Bruchrechnen"));
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Velunto - ")));
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral(" - bruch.vlt")));
    EXPECT_FALSE(w.startPanel()->isVisibleTo(&w));

    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.titleLine(), &click);
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" ?"));
    EXPECT_EQ(w.titleLine()->toolTip(), QStringLiteral("Titel anzeigen"));
}

TEST(LinkFieldsDialog, ChecksPathsInOrderAndKeepsTheDialogOpen)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("prog.sh"));
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    ScriptedPrompter prompter;
    LinkFieldsDialog dialog(Settings::defaultLinks(), Settings::defaultKeyboard(), prompter);
    dialog.pathEdit(0)->setText(QStringLiteral("  ") + existing + QStringLiteral("  "));
    dialog.pathEdit(1)->setText(dir.filePath(QStringLiteral("fehlt")));
    dialog.pathEdit(kKeyboardRow)->setText(dir.path()); // a folder is not a file
    dialog.captionEdit(0)->setText(QStringLiteral("Skript"));
    dialog.show();

    dialog.accept();
    EXPECT_EQ(prompter.texts(),
              QStringList{"Die für Verknüpfungsfeld V2 angegebene Datei ist ungültig."});
    EXPECT_TRUE(dialog.isVisible());

    dialog.pathEdit(1)->clear();
    dialog.accept();
    EXPECT_EQ(prompter.texts().constLast(),
              QStringLiteral("Die für Verknüpfungsfeld für Bildschirmtastatur angegebene Datei "
                             "ist ungültig."));

    dialog.clear(kKeyboardRow);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.links()[0], (LinkField{existing, QStringLiteral("Skript"),
                                            QStringLiteral("Programmverknüpfung 1")}));
    EXPECT_EQ(dialog.keyboard().tooltip, QStringLiteral("Bildschirmtastatur"));
    EXPECT_TRUE(dialog.keyboard().path.isEmpty());
}

TEST(LinkFieldsDialog, BrowseAsksWithTheFieldsTitle)
{
    ScriptedPrompter prompter;
    prompter.files = {QStringLiteral("/usr/bin/env")};
    LinkFieldsDialog dialog(Settings::defaultLinks(), Settings::defaultKeyboard(), prompter);
    dialog.browse(2);
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].title,
              QStringLiteral("Datei für Verknüpfungsfeld V3 auswählen"));
    EXPECT_EQ(dialog.pathEdit(2)->text(), QStringLiteral("/usr/bin/env"));
}

TEST_F(MainWindowFixture, KeysStepThroughQuestionsAndZoom)
{
    MainWindow& w = start();
    const auto press = [&w](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&w, &event);
    };
    ViewState& state = w.view().state();
    const Session& session = w.session();
    w.document().header.AnzFrageNummern = 3;

    press(Qt::Key_End); // not a question document: nothing happens
    EXPECT_EQ(session.currentQuestion(), 1);

    w.document().header.DokTyp = DokTyp::Questions;
    for (const auto& [key, expected] :
         std::initializer_list<std::pair<int, int>>{{Qt::Key_Right, 2},
                                                    {Qt::Key_Right, 3},
                                                    {Qt::Key_Right, 3},
                                                    {Qt::Key_Home, 1},
                                                    {Qt::Key_Left, 1},
                                                    {Qt::Key_End, 3},
                                                    {Qt::Key_Left, 2}}) {
        press(key);
        EXPECT_EQ(session.currentQuestion(), expected) << key;
    }

    press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(state.zoomIndex(), 2);
    EXPECT_TRUE(action(QStringLiteral("Zoom 1&50 %"))->isChecked());
    press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(state.zoomIndex(), 0);
}

TEST_F(MainWindowFixture, MenuShortcutsAndTheStandardPlace)
{
    MainWindow& w = start();
    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"Ö&ffnen...", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"&Speichern", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Speichern &unter...", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S)},
        {"Sch&ließen", QKeySequence(Qt::CTRL | Qt::Key_F4)},
        {"&Vollbild", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"&Fenster", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"&Minimieren", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"&Inhalt", QKeySequence(Qt::Key_F1)},
        {"Dokument&eigenschaften...", QKeySequence(Qt::ALT | Qt::Key_Return)},
        {"&Seitenverhältnis...", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_T)},
    };
    for (const auto& [caption, keys] : shortcuts) {
        const QAction* a = action(QString::fromUtf8(caption));
        ASSERT_NE(a, nullptr) << caption;
        EXPECT_EQ(a->shortcut(), keys) << caption;
    }

    w.show();
    w.move(200, 150);
    w.placeAtStandardSize();
    EXPECT_EQ(w.geometry().size(), QSize(1076, 780));
    EXPECT_EQ(w.pos(), QPoint(0, 0));
}

TEST(DocumentFontDialog, ShowsTheCurrentFontAndPreviewsTheChoice)
{
    DocumentFontDialog dialog(QStringLiteral("Liberation Sans"));
    EXPECT_EQ(dialog.chosenFont(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(dialog.preview()->text(), QStringLiteral("Beispiel"));
    const QList<QListWidgetItem*> serif =
        dialog.fontList()->findItems(QStringLiteral("Liberation Serif"), Qt::MatchExactly);
    ASSERT_FALSE(serif.isEmpty());
    dialog.fontList()->setCurrentItem(serif[0]);
    EXPECT_EQ(dialog.chosenFont(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(dialog.preview()->text(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(dialog.preview()->font().family(), QStringLiteral("Liberation Serif"));
}
