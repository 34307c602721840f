#include "document/document.h"
#include "document/picturecodec.h"
#include "platform/prompter.h"
#include "shell/programfolders.h"
#include "shell/settings.h"
#include "view/board/boardsheets.h"
#include "view/drawing/drawingtools.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace velunto;

namespace {

const QString kStoreQuestion = QStringLiteral("Soll das Bild in die Chronik abgelegt werden?");

// The window around the board sheets: records what it was asked to do.
struct FakeHost : BoardHost
{
    Document& document;
    bool saveAnswer = true;
    bool closeAnswer = true;
    bool startPanel = false;
    int question = 1;
    int askSaves = 0, prepared = 0, shown = 0, closes = 0, previous = 0, questionSet = 0;

    explicit FakeHost(Document& d) : document(d) {}

    bool askSave() override
    {
        ++askSaves;
        return saveAnswer;
    }
    void sheetPreparing() override { ++prepared; }
    void titleChanged() override {}
    void showSheet() override { ++shown; }
    QSize pictureArea() const override { return {320, 200}; }
    bool startPanelShown() const override { return startPanel; }
    bool closeDocument() override
    {
        ++closes;
        if (closeAnswer)
            document.newDocument();
        return closeAnswer;
    }
    void openPreviousDocument() override
    {
        ++previous;
        document.header.DokTyp = DokTyp::Questions;
        document.header.AnzFrageNummern = 3;
    }
    int currentQuestion() const override { return question; }
    void setCurrentQuestion(int q) override
    {
        question = q;
        ++questionSet;
    }
    void shownPictureChanged(const QRect&) override {}
};

struct Board
{
    QTemporaryDir dir;
    Settings settings = Settings::defaults(ProgramFolders::below(dir.path(), dir.path()));
    Document document;
    ScriptedPrompter prompter;
    FakeHost host{document};
    DrawingSurface surface;
    DrawingTools tools{surface};
    BoardSheets sheets{document, tools, settings, host, prompter};
    int minute = 0;

    Board()
    {
        settings.folders.chronicle = dir.filePath(QStringLiteral("chronik"));
        sheets.setClock([this] {
            return QDateTime(QDate(2024, 3, 5), QTime(14, 5 + minute++, 9));
        });
        QImage shown(320, 200, QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::white);
        tools.setControl({320, 200}, {0, 0});
        tools.showPictures(shown, shown);
    }

    // A loaded document with a file and a title of its own.
    void loadDocument()
    {
        document.newDocument();
        document.header.FileName = dir.filePath(QStringLiteral("thema.vlt"));
        document.header.Titel = QStringLiteral("Die Zelle");
        document.baseImage = QImage(40, 30, QImage::Format_RGB32);
        document.baseImage.fill(Qt::blue);
    }

    void draw()
    {
        tools.selectTool(Tool::Pen);
        tools.press({10, 10});
        tools.move({100, 100}, true);
        tools.release({100, 100});
    }
};

} // namespace

TEST(Chronicle, NewestFirstWithNumberedFiles)
{
    Board b;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(b.sheets.storeInChronicle());
    const Chronicle& c = b.sheets.chronicle();
    ASSERT_EQ(c.count(), 3);
    QStringList captions;
    for (const Chronicle::Entry& e : c.entries())
        captions << e.caption;
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Nr. 003 - 14:07 Uhr"),
                                     QStringLiteral("Nr. 002 - 14:06 Uhr"),
                                     QStringLiteral("Nr. 001 - 14:05 Uhr")}));
    EXPECT_EQ(QFileInfo(c.files()[0]).fileName(), QStringLiteral("20240305-140509-001.png"));
    EXPECT_TRUE(c.files()[2].endsWith(QStringLiteral("-003.png")));
    EXPECT_EQ(c.entries()[0].file, 2);
    EXPECT_EQ(c.entries()[0].thumbnail.size(), c.thumbnailSize());
    EXPECT_EQ(Chronicle::thumbnailSizeForScreen({1920, 1080}), QSize(213, 120));
    // The files are the shown picture, opaque.
    QFile file(c.files()[0]);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto picture = decodePng(file.readAll());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSize(320, 200));
    EXPECT_FALSE(picture->hasAlphaChannel());
    // The sheet took the title of the newest entry.
    EXPECT_EQ(b.document.header.Titel, QStringLiteral("Tafelanschrieb Nr. 003 - 14:07 Uhr"));
}

TEST(Chronicle, FailuresAreNotCounted)
{
    Board b;
    // A file where the folder should be: the folder cannot be made.
    QFile blocker(b.settings.folders.chronicle);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(b.sheets.storeInChronicle());
    EXPECT_EQ(b.sheets.chronicle().count(), 0);
    EXPECT_EQ(b.prompter.texts().value(0),
              QStringLiteral("Verzeichnis für Chronik-Screenshots konnte nicht erstellt "
                             "werden:\r\n") +
                  b.settings.folders.chronicle);
    EXPECT_FALSE(b.tools.storedInChronicle());

    // The failed attempt took no number.
    b.settings.folders.chronicle = b.dir.filePath(QStringLiteral("ok"));
    EXPECT_TRUE(b.sheets.storeInChronicle());
    EXPECT_TRUE(b.sheets.chronicle().files()[0].endsWith(QStringLiteral("-001.png")));

    // A picture that cannot be written is reported with its file name.
    Board empty;
    empty.tools.showPictures(QImage(), QImage());
    EXPECT_FALSE(empty.sheets.storeInChronicle());
    EXPECT_EQ(empty.sheets.chronicle().count(), 0);
    EXPECT_TRUE(empty.prompter.texts().value(0).contains(QStringLiteral("-001.png")));
}

TEST(Chronicle, StoringRetitlesOnlyASheet)
{
    Board b;
    b.loadDocument();
    ASSERT_TRUE(b.sheets.storeInChronicle());
    EXPECT_EQ(b.document.header.Titel, QStringLiteral("Die Zelle"));
    // An author's unsaved document keeps its title as well.
    b.document.newDocument();
    b.document.header.Titel = QStringLiteral("Entwurf");
    ASSERT_TRUE(b.sheets.storeInChronicle());
    EXPECT_EQ(b.document.header.Titel, QStringLiteral("Entwurf"));
    // A sheet takes it.
    ASSERT_TRUE(b.sheets.newBoardSheet(0xFFFFFF));
    ASSERT_TRUE(b.sheets.storeInChronicle());
    EXPECT_TRUE(b.document.header.Titel.startsWith(QStringLiteral("Tafelanschrieb Nr. 003")));
}

TEST(Chronicle, RecallReadsTheFileFirst)
{
    Board b;
    b.draw();
    ASSERT_TRUE(b.sheets.storeInChronicle());
    ASSERT_TRUE(b.sheets.storeInChronicle());

    b.loadDocument();
    const Document before = b.document;
    // The older screenshot is damaged, then gone: the document stays.
    const QString older = b.sheets.chronicle().files()[0];
    QFile f(older);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("\x89PNG\r\n\x1a\nbroken");
    f.close();
    EXPECT_FALSE(b.sheets.recallFromChronicle(1));
    ASSERT_TRUE(QFile::remove(older));
    EXPECT_FALSE(b.sheets.recallFromChronicle(1));
    ASSERT_EQ(b.prompter.shown.size(), 2u);
    for (const auto& shown : b.prompter.shown) {
        EXPECT_EQ(shown.kind, Prompter::Kind::Error);
        EXPECT_TRUE(shown.text.contains(older));
    }
    EXPECT_EQ(b.document.header.FileName, before.header.FileName);
    EXPECT_EQ(b.document.baseImage, before.baseImage);
    EXPECT_EQ(b.host.askSaves, 0);
    EXPECT_EQ(b.host.prepared, 0);

    // The newer one comes back as a sheet with its caption.
    ASSERT_TRUE(b.sheets.recallFromChronicle(0));
    EXPECT_EQ(b.document.header.Titel, QStringLiteral("Tafelanschrieb Nr. 002 - 14:06 Uhr"));
    EXPECT_TRUE(b.document.header.FileName.isEmpty());
    EXPECT_EQ(b.document.baseImage.size(), QSize(320, 200));
    EXPECT_EQ(b.document.baseImage.pixel(55, 55), qRgb(255, 0, 0));
    EXPECT_FALSE(b.document.isModified());
    EXPECT_EQ(b.host.shown, 1);
    EXPECT_FALSE(b.sheets.recallFromChronicle(5));
}

TEST(BoardSheets, CancelLeavesEverythingAsItWas)
{
    // Every sheet command asks to save first; Cancel changes nothing.
    const std::function<void(Board&)> commands[] = {
        [](Board& b) { b.sheets.newBoardSheet(0xFFFFFF); },
        [](Board& b) { b.sheets.openMenuEntry(boardSheetMenu()[4]); },
        [](Board& b) { b.sheets.openPictureSheet(); },
        [](Board& b) { b.sheets.pasteFromClipboard(QImage(10, 10, QImage::Format_RGB32)); },
        [](Board& b) { b.sheets.recallFromChronicle(0); },
    };
    for (const auto& command : commands) {
        Board b;
        ASSERT_TRUE(b.sheets.storeInChronicle());
        b.loadDocument();
        b.document.setModified();
        const QImage shown = b.tools.surface().shown().copy();
        b.host.saveAnswer = false;
        b.prompter.shown.clear();
        command(b);
        EXPECT_EQ(b.host.askSaves, 1);
        EXPECT_EQ(b.document.header.Titel, QStringLiteral("Die Zelle"));
        EXPECT_TRUE(b.document.isModified());
        EXPECT_EQ(b.tools.surface().shown(), shown);
        EXPECT_EQ(b.host.prepared, 0);
        EXPECT_TRUE(b.prompter.shown.empty());
    }
}

TEST(BoardSheets, NewSheetWithPattern)
{
    Board b;
    b.loadDocument();
    b.tools.selectTool(Tool::Hand);
    const SheetMenuEntry* lines = nullptr;
    for (const SheetMenuEntry& e : boardSheetMenu())
        if (e.caption == QStringLiteral("Linien weit (10)"))
            lines = &e;
    ASSERT_TRUE(lines);
    ASSERT_TRUE(b.sheets.openMenuEntry(*lines));
    EXPECT_EQ(b.document.header.Titel, QStringLiteral("Neuer Tafelanschrieb"));
    EXPECT_TRUE(b.document.header.FileName.isEmpty());
    EXPECT_EQ(b.document.previousFileName(), b.dir.filePath(QStringLiteral("thema.vlt")));
    EXPECT_FALSE(b.document.isModified());
    EXPECT_EQ(b.tools.tool(), Tool::Pen);
    // The sheet has the page control's size (full page by default).
    const QImage& sheet = b.document.baseImage;
    ASSERT_EQ(sheet.size(), QSize(320, 200));
    EXPECT_EQ(sheet.pixel(5, 19), qRgb(184, 184, 184));
    EXPECT_EQ(sheet.pixel(5, 18), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(5, 199), qRgb(184, 184, 184));
    EXPECT_EQ(b.host.shown, 1);

    // A coloured sheet with a free count and colours.
    ASSERT_TRUE(b.sheets.openSheet(SheetKind::Squares, 4, fromRgb(255, 255, 255),
                                   fromRgb(0, 64, 0)));
    EXPECT_EQ(b.document.baseImage.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(b.document.baseImage.pixel(1, 1), qRgb(0, 64, 0));
    EXPECT_EQ(b.document.baseImage.pixel(50, 1), qRgb(255, 255, 255));
}

TEST(BoardSheets, PictureSheets)
{
    Board b;
    b.loadDocument();
    const Document before = b.document;
    const QString bad = b.dir.filePath(QStringLiteral("kaputt.png"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("no picture");
    f.close();
    b.prompter.files = {bad, b.dir.filePath(QStringLiteral("bild.gif"))};
    EXPECT_FALSE(b.sheets.openPictureSheet());
    EXPECT_FALSE(b.sheets.openPictureSheet());
    EXPECT_TRUE(b.prompter.texts().value(0).contains(bad));
    EXPECT_EQ(b.prompter.texts().value(1),
              QStringLiteral("Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
    EXPECT_EQ(b.document.header.FileName, before.header.FileName);
    EXPECT_EQ(b.document.baseImage, before.baseImage);
    EXPECT_EQ(b.prompter.fileRequests.at(0).title, QStringLiteral("Bilddatei öffnen"));
    EXPECT_EQ(b.prompter.fileRequests.at(0).filters.size(), 4);

    const QString good = b.dir.filePath(QStringLiteral("Bild.PNG"));
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::green);
    ASSERT_TRUE(picture.save(good));
    b.prompter.files = {good};
    ASSERT_TRUE(b.sheets.openPictureSheet());
    EXPECT_EQ(b.document.baseImage.size(), QSize(30, 20));
    EXPECT_EQ(b.document.header.Titel, QStringLiteral("Neuer Tafelanschrieb"));

    // The clipboard as a whole sheet, after the question.
    QImage clip(60, 40, QImage::Format_RGB32);
    clip.fill(Qt::yellow);
    b.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    b.sheets.pasteFromClipboard(clip);
    EXPECT_EQ(b.document.baseImage.size(), QSize(30, 20));
    b.sheets.pasteFromClipboard(clip);
    EXPECT_EQ(b.document.baseImage.size(), QSize(60, 40));
    b.sheets.pasteFromClipboard(QImage());
    EXPECT_EQ(b.prompter.texts().last(),
              QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
}

TEST(BoardSheets, PasteIntoTheSelection)
{
    Board b;
    b.tools.selectTool(Tool::Area);
    b.tools.press({100, 50});
    b.tools.move({199, 149}, true);
    b.tools.release({199, 149});
    ASSERT_TRUE(b.tools.selection().exists());
    b.tools.setStoredInChronicle(true);
    QImage clip(200, 100, QImage::Format_RGB32);
    clip.fill(Qt::blue);
    b.sheets.pasteFromClipboard(clip);
    const QImage& shown = b.tools.surface().shown();
    EXPECT_EQ(shown.pixel(150, 74), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(150, 76), qRgb(0, 0, 255));
    EXPECT_EQ(shown.pixel(150, 123), qRgb(0, 0, 255));
    EXPECT_EQ(shown.pixel(150, 126), qRgb(255, 255, 255));
    EXPECT_EQ(b.host.prepared, 0);
    // The pasted picture counts as a change: leaving asks to store it.
    EXPECT_FALSE(b.tools.storedInChronicle());
    b.prompter.answers = {Prompter::Answer::No};
    EXPECT_TRUE(b.sheets.leaveBoardSheet());
    EXPECT_EQ(b.prompter.texts(), QStringList{kStoreQuestion});
}

TEST(BoardSheets, Leaving)
{
    {
        // Right after storing nothing is asked; the document shown before
        // comes back, with the question it showed.
        Board b;
        b.host.question = 7;
        ASSERT_TRUE(b.sheets.storeInChronicle());
        EXPECT_TRUE(b.sheets.leaveBoardSheet());
        EXPECT_TRUE(b.prompter.shown.empty());
        EXPECT_EQ(b.host.closes, 1);
        EXPECT_EQ(b.host.previous, 1);
        EXPECT_EQ(b.host.question, 3);
    }
    {
        // After drawing again it asks; Yes stores.
        Board b;
        ASSERT_TRUE(b.sheets.storeInChronicle());
        b.draw();
        b.prompter.answers = {Prompter::Answer::Yes};
        EXPECT_TRUE(b.sheets.leaveBoardSheet());
        EXPECT_EQ(b.prompter.texts(), QStringList{kStoreQuestion});
        EXPECT_EQ(b.sheets.chronicle().count(), 2);
        EXPECT_EQ(b.host.previous, 1);
    }
    {
        // Storing fails: the sheet stays.
        Board b;
        b.draw();
        b.settings.folders.chronicle.clear();
        b.prompter.answers = {Prompter::Answer::Yes};
        EXPECT_FALSE(b.sheets.leaveBoardSheet());
        EXPECT_EQ(b.host.closes, 0);
        EXPECT_EQ(b.host.previous, 0);
    }
    {
        // The user keeps the sheet at the save question: nothing else happens.
        Board b;
        b.draw();
        b.host.closeAnswer = false;
        b.prompter.answers = {Prompter::Answer::No};
        EXPECT_FALSE(b.sheets.leaveBoardSheet());
        EXPECT_EQ(b.host.closes, 1);
        EXPECT_EQ(b.host.previous, 0);
        EXPECT_EQ(b.host.questionSet, 0);
    }
    {
        // With the start panel shown there is nothing to store.
        Board b;
        b.draw();
        b.host.startPanel = true;
        EXPECT_TRUE(b.sheets.leaveBoardSheet());
        EXPECT_TRUE(b.prompter.shown.empty());
    }
}
