#include "mainwindow_fixture.h"

#include "app/documentpropertiesdialog.h"
#include "app/topiclibrary.h"
#include "document/documentfile.h"
#include "document/objectkinds.h"
#include "library/topiclist.h"
#include "library/ui/topiclistwindow.h"
#include "library/worksheetlogo.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

using namespace velunto;
using Answer = Prompter::Answer;

namespace {

struct LibraryFixture : MainWindowFixture
{
    QString topics = dir.filePath(QStringLiteral("themen")) + u'/';

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QDir().mkpath(topics);
    }

    QString add(const QString& name, const QString& title, QSize base = {100, 70})
    {
        Document doc;
        doc.header.Titel = title;
        doc.baseImage = Picture(base, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::gray);
        const QString path = topics + name;
        EXPECT_TRUE(saveDocument(doc, path).ok);
        return path;
    }

    // The menu's items after the fixed commands: document captions, and "|"
    // for a separator among them.
    QStringList topicItems() const
    {
        static const QRegularExpression entry(QStringLiteral("^&?\\d+:  "));
        QStringList items;
        bool inEntries = false;
        for (QAction* a : window->menu(TopMenu::Topics)->actions()) {
            if (entry.match(a->text()).hasMatch()) {
                inEntries = true;
                items << a->text();
            } else if (inEntries && a->isSeparator()) {
                items << QStringLiteral("|");
            }
        }
        return items;
    }

    QAction* checkedEntry() const
    {
        for (QAction* a : window->menu(TopMenu::Topics)->actions())
            if (a->isCheckable() && a->isChecked())
                return a;
        return nullptr;
    }
};

} // namespace

TEST_F(LibraryFixture, TheMenuListsTheFolderAndMarksTheOpenDocument)
{
    add(QStringLiteral("b.vlt"), QStringLiteral("Berge"));
    add(QStringLiteral("A.vlt"), QStringLiteral("Flüsse & Seen"));
    add(QStringLiteral("c.vlt"), QStringLiteral("   "));
    MainWindow& w = start(topics);
    EXPECT_EQ(topicItems(), QStringList({"&1:  Flüsse && Seen", "&2:  Berge", "&3:  c.vlt"}));
    EXPECT_EQ(checkedEntry(), nullptr);
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" (ohne Titel)"));

    w.library().openTopic(1);
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("Berge"));
    ASSERT_NE(checkedEntry(), nullptr);
    EXPECT_EQ(checkedEntry()->text(), QStringLiteral("&2:  Berge"));
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" (2) Berge"));

    w.library().nextTopic();
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" (3)    "));

    // A document opened elsewhere lists its own folder.
    const QString other = dir.filePath(QStringLiteral("anderswo"));
    QDir().mkpath(other);
    Document doc;
    doc.header.Titel = QStringLiteral("Fremd");
    ASSERT_TRUE(saveDocument(doc, other + QStringLiteral("/fremd.vlt")).ok);
    prompter.files = {other + QStringLiteral("/fremd.vlt")};
    w.openDocument();
    EXPECT_EQ(topicItems(), QStringList({"&1:  Fremd"}));
    EXPECT_EQ(w.library().listedFolder(), other + u'/');
}

TEST_F(LibraryFixture, NextOnTheLastAndPreviousOnTheFirstDoNotReload)
{
    add(QStringLiteral("a.vlt"), QStringLiteral("A"));
    add(QStringLiteral("b.vlt"), QStringLiteral("B"));
    MainWindow& w = start(topics);

    w.library().nextTopic(); // no current entry: the first one
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("A"));
    w.document().header.Autor = QStringLiteral("nicht neu geladen");
    w.library().previousTopic();
    EXPECT_EQ(w.document().header.Autor, QStringLiteral("nicht neu geladen"));

    w.library().nextTopic();
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("B"));
    w.document().header.Autor = QStringLiteral("nicht neu geladen");
    w.library().nextTopic();
    EXPECT_EQ(w.document().header.Autor, QStringLiteral("nicht neu geladen"));
    EXPECT_TRUE(prompter.shown.empty());

    // Outside the learning view neither moves.
    w.setMode(AppMode::Exercise);
    w.library().previousTopic();
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("B"));
    w.setMode(AppMode::LearningView);

    // Page Up and Page Down reach them through the menu.
    EXPECT_EQ(action(QStringLiteral("&Vorheriges Dokument der Liste"))->shortcut(),
              QKeySequence(Qt::Key_PageUp));
    action(QStringLiteral("&Vorheriges Dokument der Liste"))->trigger();
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("A"));
}

TEST_F(LibraryFixture, SixtyOneDocumentsMakeTwoPagesWithAColumnBreak)
{
    for (int i = 0; i < 61; ++i)
        add(QStringLiteral("d%1.vlt").arg(i, 2, 10, QChar(u'0')),
            QStringLiteral("Dokument %1").arg(i + 1));
    MainWindow& w = start(topics);
    QStringList items = topicItems();
    ASSERT_EQ(items.size(), 61); // 60 entries and the break
    EXPECT_EQ(items[0], QStringLiteral("&1:  Dokument 1"));
    EXPECT_EQ(items[9], QStringLiteral("10:  Dokument 10"));
    EXPECT_EQ(items[25], QStringLiteral("|"));
    EXPECT_EQ(items[26], QStringLiteral("26:  Dokument 26"));

    QAction* next = action(QStringLiteral("Nächste 60 Dokumente anzeigen (von 61)"));
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next->isEnabled());
    next->trigger();
    items = topicItems();
    EXPECT_EQ(items.first(), QStringLiteral("&2:  Dokument 2"));
    EXPECT_EQ(items.last(), QStringLiteral("61:  Dokument 61"));
    EXPECT_FALSE(next->isEnabled());
    EXPECT_TRUE(action(QStringLiteral("Vorherige 60 Dokumente anzeigen"))->isEnabled());

    // Opening the last entry from the second page keeps that page.
    w.library().openTopic(60);
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" (61) Dokument 61"));
    EXPECT_EQ(checkedEntry()->text(), QStringLiteral("61:  Dokument 61"));
    w.library().rebuild();
    EXPECT_EQ(topicItems().first(), QStringLiteral("&2:  Dokument 2"));
}

TEST_F(LibraryFixture, AnEmptyFolderIsReadAndNothingMoves)
{
    MainWindow& w = start(topics);
    EXPECT_TRUE(topicItems().isEmpty());
    EXPECT_NE(action(QStringLiteral("Nächste 60 Dokumente anzeigen (von 0)")), nullptr);
    w.library().nextTopic();
    w.library().previousTopic();
    w.library().rereadFolder();
    EXPECT_EQ(
        prompter.texts(),
        QStringList{"0 Themendokument(e) eingelesen.\r\nWählen Sie das gewünschte Dokument im "
                    "Menü \"Themenauswahl\"."});
    EXPECT_TRUE(w.document().header.FileName.isEmpty());
}

TEST_F(LibraryFixture, AChosenFolderIsWhereTheNextStartOpens)
{
    const QString chosen = dir.filePath(QStringLiteral("klasse7")) + u'/';
    QDir().mkpath(chosen);
    MainWindow& first = start();
    prompter.files = {chosen};
    first.library().chooseFolder();
    ASSERT_TRUE(first.close());

    // The next start, and one whose command line or "config.ini" names
    // another folder.
    MainWindow& next = start();
    EXPECT_EQ(next.topicRoot(), chosen);
    EXPECT_EQ(next.currentTopicFolder(), chosen);
    ASSERT_TRUE(next.close());
    EXPECT_EQ(start(topics).topicRoot(), topics);
    ASSERT_TRUE(window->close());
    writeConfigIni(("[Start]\nThemenordner=" + topics + "\n").toUtf8());
    EXPECT_EQ(start().topicRoot(), topics);
    ASSERT_TRUE(window->close());
    QFile::remove(folders.configFile);

    // A chosen folder missing at start (a stick not plugged in) is kept for
    // the start after.
    QDir(chosen).removeRecursively();
    EXPECT_EQ(start().topicRoot(), folders.topics);
    ASSERT_TRUE(window->close());
    QDir().mkpath(chosen);
    EXPECT_EQ(start().topicRoot(), chosen);
}

TEST_F(LibraryFixture, PreviousDocumentAndChooseFolderAskToSaveFirst)
{
    const QString a = add(QStringLiteral("a.vlt"), QStringLiteral("A"));
    add(QStringLiteral("b.vlt"), QStringLiteral("B"));
    MainWindow& w = start(a);
    w.library().openTopic(1);
    w.document().header.Autor = QStringLiteral("geändert");
    w.document().setModified();

    prompter.answers = {Answer::Cancel};
    w.library().previousDocument();
    EXPECT_EQ(w.document().header.Autor, QStringLiteral("geändert"));
    // A cancelled choice in the menu leaves the mark on the open document.
    const QString marked = checkedEntry()->text();
    for (QAction* a : w.menu(TopMenu::Topics)->actions())
        if (a->isCheckable() && a != checkedEntry()) {
            prompter.answers = {Answer::Cancel};
            a->trigger();
            break;
        }
    EXPECT_EQ(checkedEntry()->text(), marked);
    EXPECT_EQ(w.document().header.Autor, QStringLiteral("geändert"));
    prompter.answers = {Answer::No};
    w.library().previousDocument();
    EXPECT_EQ(w.document().header.FileName, a);
    EXPECT_EQ(prompter.shown.size(), 3u);

    w.document().setModified();
    const QString other = dir.filePath(QStringLiteral("leer"));
    QDir().mkpath(other);
    prompter.files = {std::nullopt};
    w.library().chooseFolder(); // cancelled: nothing asked, nothing changed
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Aktuellen Ordner wählen"));
    EXPECT_EQ(prompter.fileRequests.back().directory, topics);
    EXPECT_EQ(prompter.shown.size(), 3u);
    prompter.files = {other};
    prompter.answers = {Answer::Cancel};
    w.library().chooseFolder();
    EXPECT_EQ(w.document().header.FileName, a);
    prompter.files = {other};
    prompter.answers = {Answer::No};
    w.library().chooseFolder();
    EXPECT_TRUE(w.document().header.FileName.isEmpty());
    EXPECT_EQ(w.currentTopicFolder(), other + u'/');
    EXPECT_TRUE(prompter.texts().constLast().startsWith(QStringLiteral("0 Themendokument(e)")));

    // The start page goes back to the start file given on the command line.
    w.library().startPage();
    EXPECT_EQ(w.document().header.FileName, a);
    EXPECT_EQ(w.currentTopicFolder(), topics);
}

TEST_F(LibraryFixture, StartPageWithoutStartFileReturnsToTheTopicRoot)
{
    add(QStringLiteral("a.vlt"), QStringLiteral("A"));
    MainWindow& w = start(topics);
    w.library().openTopic(0);
    w.setCurrentTopicFolder(dir.filePath(QStringLiteral("x/")));
    w.library().startPage();
    EXPECT_TRUE(w.document().header.FileName.isEmpty());
    EXPECT_EQ(w.currentTopicFolder(), topics);
    EXPECT_TRUE(w.startPanel()->isVisibleTo(&w));
    EXPECT_EQ(topicItems(), QStringList{"&1:  A"});
}

TEST_F(LibraryFixture, PreviewsOfTheOpenDocumentAndOfTheFolder)
{
    add(QStringLiteral("a.vlt"), QStringLiteral("A"), {200, 100});
    add(QStringLiteral("b.vlt"), QStringLiteral("B"), {200, 100});
    Document locked;
    locked.header.BilderPasswort = QStringLiteral("pw");
    ASSERT_TRUE(saveDocument(locked, topics + QStringLiteral("geschuetzt.vlt")).ok);
    MainWindow& w = start(topics);
    const QString previews = topics + QStringLiteral("vorschaubilder/");

    w.library().generatePreviews(50, false); // no file to name it after
    EXPECT_FALSE(QFileInfo::exists(previews));

    w.library().openTopic(0);
    w.library().generatePreviews(50, false);
    EXPECT_EQ(QImageReader(previews + QStringLiteral("a-50.png")).size().height(), 50);

    w.library().openTopic(2); // the protected one: only with the password
    w.library().generatePreviews(50, false);
    EXPECT_FALSE(QFileInfo::exists(previews + QStringLiteral("geschuetzt-50.png")));
    prompter.entries = {QStringLiteral("pw")};
    w.library().generatePreviews(50, false);
    EXPECT_TRUE(QFileInfo::exists(previews + QStringLiteral("geschuetzt-50.png")));

    prompter.shown.clear();
    w.library().generatePreviews(70, true);
    EXPECT_EQ(QImageReader(previews + QStringLiteral("a-70.png")).size().height(), 70);
    EXPECT_EQ(QImageReader(previews + QStringLiteral("b-70.png")).size().height(), 70);
    EXPECT_FALSE(QFileInfo::exists(previews + QStringLiteral("geschuetzt-70.png")));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.texts()[0].endsWith(QStringLiteral("\r\n- geschuetzt.vlt")));
    EXPECT_EQ(w.document().header.FileName,
              topics + QStringLiteral("geschuetzt.vlt")); // it stays open
}

TEST_F(LibraryFixture, DownscalingTheFolderSavesOnlyChangedDocumentsAndReloads)
{
    const QString big = add(QStringLiteral("gross.vlt"), QStringLiteral("Groß"), {3000, 1000});
    const QString small = add(QStringLiteral("klein.vlt"), QStringLiteral("Klein"));
    const QDateTime smallTime = QFileInfo(small).lastModified();
    MainWindow& w = start(big);
    EXPECT_EQ(w.document().baseImage.width(), 3000);

    prompter.answers = {Answer::No};
    w.library().downscaleFolder();
    EXPECT_TRUE(prompter.texts().constLast().startsWith(
        QStringLiteral(
            "Achtung: Hiermit werden alle Velunto-Dokumente innerhalb des Ordners \r\n") +
        topics + QStringLiteral("\r\ndurchlaufen")));
    EXPECT_EQ(w.document().baseImage.width(), 3000);

    prompter.answers = {Answer::Yes};
    w.library().downscaleFolder();
    EXPECT_EQ(w.document().baseImage.size(), QSize(1900, 633)); // read again
    EXPECT_FALSE(w.document().isModified());
    EXPECT_EQ(QFileInfo(small).lastModified(), smallTime);

    // The open document alone: scaled in place, to be saved by the user.
    w.document().baseImage = Picture(4000, 1000, QImage::Format_RGB32);
    w.library().downscaleCurrentDocument();
    EXPECT_EQ(w.document().baseImage.size(), QSize(1900, 475));
    EXPECT_TRUE(w.document().isModified());
    EXPECT_EQ(prompter.texts().constLast(), QStringLiteral("1 Bild(er) wurde(n) neu skaliert."));
}

TEST_F(LibraryFixture, LogoAndFooterGoToEveryDocumentOfTheFolder)
{
    const QString a = add(QStringLiteral("a.vlt"), QStringLiteral("A"));
    const QString b = add(QStringLiteral("b.vlt"), QStringLiteral("B"));
    MainWindow& w = start(a);
    WorksheetLogo logo;
    logo.ABLogo = Picture(8, 4, QImage::Format_RGB32);
    logo.ABLogo.fill(Qt::red);
    logo.LogoGroesse = 0.3;
    logo.LogoAusricht = 1;
    logo.Fusszeile = QStringLiteral("Grundschule am Fluss");
    logo.FusszeileAusricht = 2;

    prompter.answers = {Answer::No};
    w.library().applyLogoToFolder(logo);
    EXPECT_EQ(prompter.texts().constLast(), worksheetLogoQuestion(topics));
    Document reread;
    ASSERT_TRUE(loadDocument(reread, b).ok);
    EXPECT_TRUE(reread.header.Fusszeile.isEmpty());

    prompter.answers = {Answer::Yes};
    w.library().applyLogoToFolder(logo);
    for (const QString& path : {a, b}) {
        ASSERT_TRUE(loadDocument(reread, path).ok);
        EXPECT_EQ(reread.header.Fusszeile, QStringLiteral("Grundschule am Fluss"));
        EXPECT_EQ(reread.header.ABLogo.size(), QSize(8, 4));
        EXPECT_EQ(reread.header.LogoGroesse, 0.3);
        EXPECT_EQ(reread.header.LogoAusricht, 1);
        EXPECT_EQ(reread.header.FusszeileAusricht, 2);
    }
    EXPECT_EQ(w.document().header.Fusszeile, QStringLiteral("Grundschule am Fluss"));

    // The properties dialog offers it.
    DocumentPropertiesDialog dialog(w.document(), prompter);
    bool requested = false;
    QObject::connect(&dialog, &DocumentPropertiesDialog::logoForFolderRequested,
                     [&requested] { requested = true; });
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Für alle Dokumente des aktuellen Ordners übernehmen"))
            button->click();
    EXPECT_TRUE(requested);
}

TEST_F(LibraryFixture, FolderBatchesWaitForTheObjectEditorToClose)
{
    const QString big = add(QStringLiteral("gross.vlt"), QStringLiteral("Groß"), {3000, 1000});
    MainWindow& w = start(big);
    w.openObjectEditor();
    ASSERT_TRUE(w.isObjectEditorOpen());
    w.library().generatePreviews();
    w.library().downscaleFolder();
    EXPECT_EQ(prompter.texts(), QStringList({"Bitte zuerst den Beschriftungseditor schließen.",
                                             "Bitte zuerst den Beschriftungseditor schließen."}));
    EXPECT_FALSE(QFileInfo::exists(topics + QStringLiteral("vorschaubilder")));

    // The open document alone may be scaled; the editor loses its selection.
    w.document().objects.push_back(ObjDataTyp{});
    w.objectEditor().selectObject(0);
    ASSERT_EQ(w.objectEditor().editor().selected(), 0);
    w.library().downscaleCurrentDocument();
    EXPECT_EQ(w.document().baseImage.size(), QSize(1900, 633));
    EXPECT_EQ(w.objectEditor().editor().selected(), -1);
}

TEST_F(LibraryFixture, AnEntryWhoseFileWasDeletedLeavesTheOpenDocument)
{
    add(QStringLiteral("a.vlt"), QStringLiteral("A"));
    const QString b = add(QStringLiteral("b.vlt"), QStringLiteral("B"));
    MainWindow& w = start(topics);
    w.library().openTopic(0);
    ASSERT_TRUE(QFile::remove(b));
    w.library().openTopic(1);
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("A"));
    EXPECT_EQ(w.library().currentEntry(), 0);
    EXPECT_TRUE(prompter.texts().constLast().contains(QStringLiteral("existiert nicht")));
}

TEST_F(LibraryFixture, TheTopicListIsCopiedAndSavedAsRichText)
{
    add(QStringLiteral("a.vlt"), QStringLiteral("Äpfel & Birnen"));
    add(QStringLiteral("b.vlt"), QStringLiteral(" "));
    MainWindow& w = start(topics);
    TopicListWindow list(topicListText(w.library().navigation().entries()), topics, prompter);
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Themenliste"));
    EXPECT_EQ(list.textView()->toPlainText(),
              QStringLiteral("Themenliste\n \n1: Äpfel & Birnen\n2: b.vlt"));

    list.copyToClipboard();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), QStringLiteral("Themenliste\n1: Äpfel & Birnen\n2: b.vlt"));
    EXPECT_TRUE(copied->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));

    const QString target = dir.filePath(QStringLiteral("liste.rtf"));
    prompter.files = {target};
    list.save();
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Themenliste in Datei speichern"));
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("1: \\'c4pfel & Birnen\\par"));

    prompter.files = {dir.filePath(QStringLiteral("fehlt/liste.rtf"))};
    list.save();
    EXPECT_TRUE(prompter.texts().constLast().contains(QStringLiteral("kann nicht geschrieben")));
}
