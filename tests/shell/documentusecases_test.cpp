#include "document/document.h"
#include "document/documentfile.h"
#include "document/documenttypes.h"
#include "platform/prompter.h"
#include "shell/documentusecases.h"
#include "view/session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace velunto;
using Answer = Prompter::Answer;

namespace {

// The use cases on a Document without any window: the window's part only
// writes what it was asked to show into a log.
struct UseCases : ::testing::Test
{
    QTemporaryDir dir;
    QString topics = dir.filePath(QStringLiteral("themen")) + u'/';
    Document doc;
    Session session;
    ScriptedPrompter prompter;
    DocumentUseCases useCases{doc, session, prompter};
    QStringList log;
    bool runMayEnd = true;
    QImage shown{40, 30, QImage::Format_RGB32};
    std::vector<int> coversWhenShown;

    void SetUp() override
    {
        QDir().mkpath(topics);
        shown.fill(Qt::red);
        DocumentWindow window;
        window.mayEndRun = [this] { return log << "run?", runMayEnd; };
        window.shownPicture = [this] {
            coversWhenShown.clear();
            for (const ObjDataTyp& o : doc.objects)
                coversWhenShown.push_back(o.Abdeckung);
            return shown;
        };
        window.showLoaded = [this] { log << "loaded"; };
        window.showNew = [this](bool startPanel) { log << (startPanel ? "start" : "new"); };
        window.showTopicList = [this] { log << "list"; };
        useCases.setWindow(window);
        useCases.setTopicRoot(topics);
        useCases.setCurrentTopicFolder(topics);
    }

    // A saved document with a title and one covered field.
    QString write(const QString& name, const QString& title)
    {
        Document d;
        d.header.Titel = title;
        d.addGeneratedObject(ObjectKind::QueryLabel, 1, QStringLiteral("Antwort"), -1, 0.5, 0.5, 0,
                             0);
        const QString path = topics + name;
        EXPECT_TRUE(saveDocument(d, path).ok);
        return path;
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

} // namespace

TEST_F(UseCases, CloseAsksToSaveAndKeepsTheChangesUnlessTheyAreSavedOrDropped)
{
    const QString missingFolder = dir.filePath(QStringLiteral("fehlt/x.vlt"));
    const QString target = topics + QStringLiteral("neu.vlt");
    const struct
    {
        const char* what;
        bool runMayEnd;
        std::optional<Answer> answer; // none: the question must not come
        std::optional<QString> saveFile;
        bool closed;
    } cases[] = {
        {"the run goes on", false, std::nullopt, std::nullopt, false},
        {"Cancel", true, Answer::Cancel, std::nullopt, false},
        {"No", true, Answer::No, std::nullopt, true},
        {"Yes, save dialog cancelled", true, Answer::Yes, std::nullopt, false},
        {"Yes, the save fails", true, Answer::Yes, missingFolder, false},
        {"Yes, saved", true, Answer::Yes, target, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(target);
        runMayEnd = true;
        doc.setModified(false);
        ASSERT_TRUE(useCases.newFreeDocument());
        doc.header.Titel = QStringLiteral("Neu");
        doc.setModified();
        prompter.shown.clear();
        prompter.answers.clear();
        prompter.files.clear();
        if (c.answer)
            prompter.answers = {*c.answer};
        prompter.files = {c.saveFile};
        runMayEnd = c.runMayEnd;

        EXPECT_EQ(useCases.close(), c.closed);
        if (c.answer) {
            ASSERT_FALSE(prompter.shown.empty());
            EXPECT_EQ(prompter.shown[0].text, QStringLiteral("Aktuelles Dokument speichern?"));
            EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNoCancel);
        } else {
            EXPECT_TRUE(prompter.shown.empty());
        }
        if (c.closed) {
            EXPECT_TRUE(doc.header.Titel.isEmpty());
            EXPECT_FALSE(doc.isModified());
            EXPECT_EQ(log.constLast(), QStringLiteral("start"));
        } else {
            EXPECT_EQ(doc.header.Titel, QStringLiteral("Neu"));
            EXPECT_TRUE(doc.isModified());
        }
        EXPECT_EQ(QFile::exists(target), c.saveFile == target);
    }
    // The failed save said why.
    runMayEnd = true;
    doc.setModified();
    prompter.answers = {Answer::Yes};
    prompter.files = {missingFolder};
    prompter.shown.clear();
    EXPECT_FALSE(useCases.askSave());
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].kind, Prompter::Kind::Error);
}

TEST_F(UseCases, AFileThatCannotBeReadLeavesTheOpenDocument)
{
    const QString good = write(QStringLiteral("gut.vlt"), QStringLiteral("Gut"));
    const QByteArray bytes = bytesOf(good);
    const QString cut = topics + QStringLiteral("kaputt.vlt");
    const QString picture = topics + QStringLiteral("bild.vlt");
    writeBytes(cut, bytes.left(bytes.size() / 2));
    writeBytes(picture, QByteArray("\x89PNG\r\n"));

    session.setTool(Tool::Pen);
    prompter.files = {good};
    useCases.open();
    EXPECT_EQ(prompter.fileRequests[0].title, QStringLiteral("Dokument öffnen"));
    EXPECT_EQ(prompter.fileRequests[0].directory, topics);
    EXPECT_EQ(doc.header.FileName, good);
    EXPECT_EQ(session.tool(), Tool::Pointer);
    EXPECT_EQ(log, QStringList({"run?", "loaded", "list"}));
    EXPECT_EQ(useCases.navigation().currentEntry(), 0);
    // The teacher uncovered the field.
    doc.objects[0].Abdeckung = 0;

    useCases.setCurrentTopicFolder(dir.path());
    for (const QString& path : {cut, picture, topics + QStringLiteral("fehlt.vlt")}) {
        SCOPED_TRACE(path.toStdString());
        log.clear();
        prompter.shown.clear();
        prompter.files = {path};
        useCases.open();
        EXPECT_EQ(doc.header.FileName, good);
        EXPECT_EQ(doc.header.Titel, QStringLiteral("Gut"));
        EXPECT_EQ(doc.objects[0].Abdeckung, 0);
        EXPECT_FALSE(log.contains(QStringLiteral("loaded")));
        EXPECT_EQ(useCases.currentTopicFolder(), dir.path());
        ASSERT_FALSE(prompter.shown.empty());
        EXPECT_EQ(prompter.shown.back().kind, Prompter::Kind::Error);
        EXPECT_TRUE(prompter.shown.back().text.contains(path));
    }
    // The dialog starts in the document's folder.
    EXPECT_EQ(prompter.fileRequests.back().directory, topics);
}

TEST_F(UseCases, SaveAsReplacesTheFileWholeAndAFailedSaveLeavesIt)
{
    const QString target = topics + QStringLiteral("tafel.vlt");
    writeBytes(target, QByteArray("alter Inhalt"));
    doc.header.Titel = QStringLiteral("Tafel");
    doc.setModified();

    prompter.files = {target};
    EXPECT_TRUE(useCases.saveAs());
    EXPECT_EQ(prompter.fileRequests[0].title, QStringLiteral("Dokument speichern unter"));
    EXPECT_EQ(prompter.fileRequests[0].filters, QStringList{"Velunto-Dokument (*.vlt)"});
    EXPECT_EQ(prompter.fileRequests[0].directory, topics);
    EXPECT_EQ(doc.header.FileName, target);
    EXPECT_FALSE(doc.isModified());
    Document reread;
    ASSERT_TRUE(loadDocument(reread, target).ok);
    EXPECT_EQ(reread.header.Titel, QStringLiteral("Tafel"));
    // Nothing but the document is left in the folder.
    EXPECT_EQ(QDir(topics).entryList(QDir::Files | QDir::Hidden), QStringList{"tafel.vlt"});

    // A title that the file cannot hold: Save reports it and writes nothing.
    const QByteArray saved = bytesOf(target);
    doc.header.Titel = QStringLiteral("Tafel \u6F22");
    doc.setModified();
    const size_t requests = prompter.fileRequests.size();
    EXPECT_FALSE(useCases.save());
    EXPECT_EQ(prompter.fileRequests.size(), requests); // Save asks for no file
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(bytesOf(target), saved);
    EXPECT_EQ(QDir(topics).entryList(QDir::Files | QDir::Hidden), QStringList{"tafel.vlt"});
    EXPECT_EQ(prompter.shown.back().kind, Prompter::Kind::Error);
}

TEST_F(UseCases, PreviousDocumentReturnsToTheOneOpenBefore)
{
    const QString a = write(QStringLiteral("a.vlt"), QStringLiteral("A"));
    const QString b = write(QStringLiteral("b.vlt"), QStringLiteral("B"));
    useCases.openFile(a);
    useCases.openFile(b);

    // Only in the learning view.
    session.setMode(AppMode::Exercise);
    useCases.previousDocument();
    EXPECT_EQ(doc.header.FileName, b);

    session.setMode(AppMode::LearningView);
    doc.setModified();
    prompter.answers = {Answer::Cancel};
    useCases.previousDocument();
    EXPECT_EQ(doc.header.FileName, b);

    prompter.answers = {Answer::No};
    useCases.previousDocument();
    EXPECT_EQ(doc.header.FileName, a);
    EXPECT_EQ(useCases.navigation().currentEntry(), 0);
}

TEST_F(UseCases, NextAndPreviousTopicStepThroughTheFolder)
{
    // Listed by file name, not by title.
    const QString first = write(QStringLiteral("1-zebra.vlt"), QStringLiteral("Zebra"));
    const QString second = write(QStringLiteral("2-affe.vlt"), QStringLiteral("Affe"));
    const QString third = write(QStringLiteral("3-biene.vlt"), QStringLiteral("Biene"));
    writeBytes(topics + QStringLiteral("4-kein-dokument.vlt"), QByteArray("XXXX"));
    useCases.showStartPage();
    ASSERT_EQ(useCases.navigation().count(), 3);
    EXPECT_EQ(useCases.navigation().currentEntry(), -1);

    // Without a current entry "next" opens the first one; the ends stay.
    const struct
    {
        bool next;
        QString file;
    } steps[] = {{true, first},   {true, second}, {true, third}, {true, third},
                 {false, second}, {false, first}, {false, first}};
    for (const auto& s : steps) {
        s.next ? useCases.nextTopic() : useCases.previousTopic();
        EXPECT_EQ(doc.header.FileName, s.file);
        EXPECT_EQ(useCases.navigation().currentEntry(), useCases.navigation().indexOf(s.file));
    }
    EXPECT_TRUE(prompter.shown.empty());

    // Changes are asked for, and during an exercise the list does not move.
    doc.setModified();
    prompter.answers = {Answer::Cancel};
    useCases.nextTopic();
    EXPECT_EQ(doc.header.FileName, first);
    EXPECT_EQ(useCases.navigation().currentEntry(), 0);
    session.setMode(AppMode::Exercise);
    useCases.nextTopic();
    EXPECT_EQ(doc.header.FileName, first);
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(UseCases, BoardSnapshotSavesTheShownPageWithEveryFieldUncovered)
{
    const QString path = write(QStringLiteral("karte.vlt"), QStringLiteral("Karte"));
    useCases.openFile(path);
    doc.addGeneratedObject(ObjectKind::QueryLabel, 1, QStringLiteral("offen"), -1, 0.2, 0.2, 0, 0);
    doc.objects[1].Abdeckung = 0;
    doc.header.RandErw = {0.1, 0.1, 0.1, 0.1};
    const Picture base = doc.baseImage;

    // A failed save leaves the open document as it was.
    prompter.files = {dir.filePath(QStringLiteral("fehlt/tafel.vlt"))};
    log.clear();
    useCases.saveBoardSnapshot();
    EXPECT_EQ(coversWhenShown, (std::vector<int>{0, 0}));
    EXPECT_EQ(doc.header.FileName, path);
    EXPECT_EQ(doc.header.Titel, QStringLiteral("Karte"));
    EXPECT_EQ(doc.baseImage, base);
    EXPECT_EQ(doc.objects[0].Abdeckung, -1);
    EXPECT_FALSE(log.contains(QStringLiteral("loaded")));

    const QString target = topics + QStringLiteral("Tafel vom Montag.vlt");
    prompter.files = {target};
    useCases.saveBoardSnapshot();
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Dokument speichern unter"));
    EXPECT_EQ(prompter.fileRequests.back().directory, topics);
    EXPECT_EQ(doc.header.FileName, target);
    EXPECT_EQ(doc.header.Titel, QStringLiteral("Tafel vom Montag"));
    EXPECT_EQ(doc.baseImage, shown);
    EXPECT_EQ(doc.header.RandErw, RectD{});
    EXPECT_FALSE(doc.isModified());
    // The covers come back on the page; the file keeps the fields.
    EXPECT_EQ(doc.objects[0].Abdeckung, -1);
    EXPECT_EQ(doc.objects[1].Abdeckung, 0);
    EXPECT_TRUE(log.contains(QStringLiteral("loaded")));
    EXPECT_EQ(log.constLast(), QStringLiteral("list"));
    EXPECT_EQ(useCases.navigation().indexOf(target), useCases.navigation().currentEntry());
    Document reread;
    ASSERT_TRUE(loadDocument(reread, target).ok);
    EXPECT_EQ(reread.baseImage.size(), shown.size());
    EXPECT_EQ(reread.objectCount(), 2);
}

TEST_F(UseCases, ANewDocumentOfATypeTakesItsTypeAfterTheQuestions)
{
    const QString path = write(QStringLiteral("a.vlt"), QStringLiteral("A"));
    useCases.openFile(path);
    doc.setModified();
    const auto prepare = [](Document& d) { d.header.AnzFrageNummern = 4; };

    prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(useCases.newDocumentOfType(DokTyp::Cloze, 1, prepare));
    EXPECT_EQ(doc.header.FileName, path);

    prompter.answers = {Answer::No};
    log.clear();
    EXPECT_TRUE(useCases.newDocumentOfType(DokTyp::Cloze, 1, prepare));
    EXPECT_EQ(doc.header.DokTyp, DokTyp::Cloze);
    EXPECT_EQ(doc.header.DokUnterTyp, 1);
    EXPECT_EQ(doc.header.EinrueckRand, defaultEinrueckRand(DokTyp::Cloze));
    EXPECT_EQ(doc.header.AnzFrageNummern, 4);
    EXPECT_EQ(doc.previousFileName(), path);
    // The author starts at once: no start panel.
    EXPECT_TRUE(log.contains(QStringLiteral("new")));
    EXPECT_FALSE(log.contains(QStringLiteral("start")));
}
