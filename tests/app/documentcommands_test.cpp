#include "mainwindow_fixture.h"

#include "app/documentpropertiesdialog.h"
#include "document/documentfile.h"
#include "document/objectkinds.h"
#include "view/pagegeometry.h"
#include "view/ui/learningview.h"

#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

using namespace velunto;
using Answer = Prompter::Answer;

namespace {

struct DocumentFixture : MainWindowFixture
{
    QString topics = dir.filePath(QStringLiteral("themen"));

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QDir().mkpath(topics);
    }

    // A saved document with a title and one label.
    QString writeDocument(const QString& name, const QString& title)
    {
        Document doc;
        doc.header.Titel = title;
        doc.addGeneratedObject(ObjectKind::QueryLabel, 1, QStringLiteral("Antwort"), -1, 0.5, 0.5,
                               0, 0);
        const QString path = topics + u'/' + name;
        EXPECT_TRUE(saveDocument(doc, path).ok);
        return path;
    }
};

} // namespace

TEST_F(DocumentFixture, NewDocumentsTakeThePageRatioPresets)
{
    const struct
    {
        const char* art;
        const char* breite;
        const char* hoehe;
        PageRatioPresets header;
        QSize page; // of the blank 1000 x 700 BaseImage
    } cases[] = {
        {"1", "10", "12", {1, 10, 12}, {1000, 1200}}, // a worksheet page
        {"0", "10", "12", {0, 10, 12}, {1000, 700}},  // the BaseImage's own ratio
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.art);
        store->write(QStringLiteral("Dok-SeitRatioArt"), QString::fromLatin1(c.art));
        store->write(QStringLiteral("Dok-SeitRatioBreite"), QString::fromLatin1(c.breite));
        store->write(QStringLiteral("Dok-SeitRatioHoehe"), QString::fromLatin1(c.hoehe));
        ASSERT_TRUE(store->commit());
        store->reload();
        MainWindow& w = start();
        w.loadDocument(writeDocument(QStringLiteral("a.vlt"), QStringLiteral("A")), true);
        w.closeDocument();

        const HeaderDataTyp& h = w.document().header;
        EXPECT_EQ(h.SeitRatioArt, c.header.art);
        EXPECT_EQ(h.SeitRatioBreite, c.header.breite);
        EXPECT_EQ(h.SeitRatioHoehe, c.header.hoehe);
        EXPECT_EQ(pageExtent(h, w.document().baseImage.size()).size.toSize(), c.page);
        EXPECT_FALSE(w.document().isModified());
    }
}

TEST_F(DocumentFixture, OpenAsksForAFileAndTakesItsFolder)
{
    const QString path = writeDocument(QStringLiteral("bruch.vlt"), QStringLiteral("Brüche"));
    MainWindow& w = start();
    prompter.files = {path};
    w.openDocument();

    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    const Prompter::FileRequest& request = prompter.fileRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("Dokument öffnen"));
    EXPECT_EQ(request.filters, QStringList({"Velunto-Dokument (*.vlt)", "ZYN-Dokument (*.zyn)",
                                            "Alle Dateien (*.*)"}));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("vlt"));
    EXPECT_EQ(request.directory, folders.topics); // no document open: the topic folder

    EXPECT_EQ(w.document().header.Titel, QStringLiteral("Brüche"));
    EXPECT_EQ(w.document().objectCount(), 1);
    EXPECT_EQ(w.currentTopicFolder(), topics + u'/');
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral(" - bruch.vlt")));
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" (1) Brüche")); // the first of its folder
    EXPECT_FALSE(w.startPanel()->isVisibleTo(&w));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(DocumentFixture, ADamagedDocumentLeavesThePageAsItWas)
{
    const QString good = writeDocument(QStringLiteral("gut.vlt"), QStringLiteral("Gut"));
    QFile whole(good);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString cut = topics + QStringLiteral("/kaputt.vlt");
    const QString notADocument = topics + QStringLiteral("/bild.vlt");
    for (const auto& [path, content] :
         {std::pair{cut, bytes.left(bytes.size() / 2)}, std::pair{notADocument, QByteArray("\x89PNG\r\n")}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    MainWindow& w = start(good);
    w.show();
    QCoreApplication::processEvents();
    w.view().uncoverAll();
    // A drawing on the board.
    w.view().shownPicture().setPixelColor(3, 3, Qt::red);
    w.view().shownPictureChanged();
    const QImage shown = w.view().shownPicture().copy();

    for (const QString& path : {cut, notADocument}) {
        SCOPED_TRACE(path.toStdString());
        prompter.shown.clear();
        prompter.files = {path};
        w.openDocument();
        EXPECT_EQ(w.document().header.Titel, QStringLiteral("Gut"));
        EXPECT_EQ(w.document().header.FileName, good);
        EXPECT_EQ(w.document().objects[0].Abdeckung, 0);
        EXPECT_EQ(w.view().shownPicture(), shown);
        EXPECT_FALSE(w.startPanel()->isVisibleTo(&w));
        ASSERT_FALSE(prompter.texts().isEmpty());
        EXPECT_TRUE(prompter.texts().constLast().startsWith(QStringLiteral("Die Datei \"") + path +
                                                            QStringLiteral("\" kann nicht gelesen")));
    }
}

TEST_F(DocumentFixture, ChangesAreNotLostWhenTheDocumentIsReplaced)
{
    const QString first = writeDocument(QStringLiteral("a.vlt"), QStringLiteral("A"));
    const QString second = writeDocument(QStringLiteral("b.vlt"), QStringLiteral("B"));
    MainWindow& w = start(first);
    w.document().header.Autor = QStringLiteral("geändert");
    w.document().setModified();

    // Cancel keeps the changed document; no file dialog is shown.
    prompter.answers = {Answer::Cancel};
    w.openDocument();
    EXPECT_EQ(prompter.texts().constLast(),
              QStringLiteral("Änderungen im aktuellen Dokument unter \"") + first +
                  QStringLiteral("\" speichern?"));
    EXPECT_TRUE(prompter.fileRequests.empty());
    EXPECT_EQ(w.document().header.Autor, QStringLiteral("geändert"));

    // Yes saves to the document's file before the other one is opened.
    prompter.answers = {Answer::Yes};
    prompter.files = {second};
    w.openDocument();
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("B"));
    Document reread;
    ASSERT_TRUE(loadDocument(reread, first).ok);
    EXPECT_EQ(reread.header.Autor, QStringLiteral("geändert"));
}

TEST_F(DocumentFixture, AnUnsavedDocumentIsKeptWhenItsSaveIsCancelled)
{
    MainWindow& w = start();
    w.newFreeDocument();
    w.document().header.Titel = QStringLiteral("Neu");
    w.document().setModified();

    prompter.answers = {Answer::Yes}; // save, then cancel the save dialog
    w.closeDocument();
    EXPECT_EQ(prompter.texts().constLast(), QStringLiteral("Aktuelles Dokument speichern?"));
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Dokument speichern unter"));
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("Neu"));
    EXPECT_TRUE(w.document().isModified());

    // Closing the program is stopped the same way, and nothing is written.
    prompter.answers = {Answer::Yes};
    EXPECT_FALSE(w.close());
    EXPECT_FALSE(QFile::exists(settingsPath()));

    const QString target = topics + QStringLiteral("/neu.vlt");
    prompter.answers = {Answer::Yes};
    prompter.files = {target};
    EXPECT_TRUE(w.close());
    Document reread;
    ASSERT_TRUE(loadDocument(reread, target).ok);
    EXPECT_EQ(reread.header.Titel, QStringLiteral("Neu"));
    EXPECT_TRUE(QFile::exists(settingsPath()));
}

TEST_F(DocumentFixture, NoDiscardsTheChangesAndCloseShowsTheStartPage)
{
    const QString path = writeDocument(QStringLiteral("a.vlt"), QStringLiteral("A"));
    MainWindow& w = start(path);
    EXPECT_EQ(w.startFile(), path);
    EXPECT_EQ(w.topicRoot(), topics + u'/');
    w.document().setModified();
    prompter.answers = {Answer::No};
    w.closeDocument();
    EXPECT_TRUE(w.document().header.FileName.isEmpty());
    EXPECT_FALSE(w.document().isModified());
    EXPECT_TRUE(w.startPanel()->isVisibleTo(&w));
    EXPECT_EQ(w.titleLine()->text(), QStringLiteral(" (ohne Titel)"));
    Document reread;
    ASSERT_TRUE(loadDocument(reread, path).ok);
    EXPECT_FALSE(reread.isModified());
}

TEST_F(DocumentFixture, SaveAsWritesAVltFileAndAFailedSaveKeepsTheDocumentModified)
{
    MainWindow& w = start();
    w.newFreeDocument();
    w.document().header.Titel = QStringLiteral("Tafel");
    w.document().setModified();

    prompter.files = {dir.filePath(QStringLiteral("fehlt/ordner/x.vlt"))};
    EXPECT_FALSE(w.saveDocument());
    EXPECT_TRUE(w.document().isModified());
    EXPECT_TRUE(prompter.texts().constLast().startsWith(QStringLiteral("Die Datei \"")));

    const QString target = topics + QStringLiteral("/tafel.vlt");
    prompter.files = {target};
    EXPECT_TRUE(w.saveDocumentAs());
    EXPECT_EQ(prompter.fileRequests.back().filters, QStringList{"Velunto-Dokument (*.vlt)"});
    EXPECT_EQ(prompter.fileRequests.back().defaultSuffix, QStringLiteral("vlt"));
    EXPECT_EQ(w.document().header.FileName, target);
    EXPECT_FALSE(w.document().isModified());
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral(" - tafel.vlt")));

    // Save now writes to the document's own file without asking.
    w.document().header.Autor = QStringLiteral("Frau Berg");
    w.document().setModified();
    const size_t requests = prompter.fileRequests.size();
    EXPECT_TRUE(w.saveDocument());
    EXPECT_EQ(prompter.fileRequests.size(), requests);
}

TEST_F(DocumentFixture, AFileThatIsNoDocumentLeavesTheStartPage)
{
    const QString bad = topics + QStringLiteral("/kaputt.vlt");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("XXXX-1.00 kein Dokument");
    f.close();
    MainWindow& w = start();
    prompter.files = {bad};
    w.openDocument();
    EXPECT_FALSE(prompter.shown.empty());
    EXPECT_TRUE(w.document().header.FileName.isEmpty());
    EXPECT_TRUE(w.startPanel()->isVisibleTo(&w));

    // A missing file keeps the open document.
    const QString path = writeDocument(QStringLiteral("gut.vlt"), QStringLiteral("Gut"));
    prompter.files = {path, topics + QStringLiteral("/fehlt.vlt")};
    w.openDocument();
    w.openDocument();
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("Gut"));
    EXPECT_TRUE(prompter.texts().constLast().contains(QStringLiteral("existiert nicht")));
}

TEST_F(DocumentFixture, BaseImageCommands)
{
    MainWindow& w = start();
    w.newFreeDocument();
    w.document().header.HtgdCol = 0x00FF00;

    QGuiApplication::clipboard()->clear();
    w.baseImageFromClipboard();
    EXPECT_EQ(prompter.texts().constLast(),
              QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
    EXPECT_FALSE(w.document().isModified());

    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(red);
    w.baseImageFromClipboard();
    EXPECT_EQ(w.document().baseImage.size(), QSize(40, 30));
    EXPECT_TRUE(w.document().isModified());

    prompter.answers = {Answer::No};
    w.deleteBaseImage();
    EXPECT_EQ(prompter.texts().constLast(), QStringLiteral("Basisbild wirklich löschen?"));
    EXPECT_EQ(w.document().baseImage.size(), QSize(40, 30));
    prompter.answers = {Answer::Yes};
    w.deleteBaseImage();
    EXPECT_EQ(w.document().baseImage.pixel(0, 0), qRgb(0, 255, 0)); // filled with HtgdCol

    // A protected picture leaves only with the password.
    w.document().header.BilderPasswort = QStringLiteral("pw");
    QGuiApplication::clipboard()->clear();
    const auto clipboardHasImage = [] {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data != nullptr && data->hasImage();
    };
    w.baseImageToClipboard(); // cancelled
    EXPECT_FALSE(clipboardHasImage());
    prompter.entries = {QStringLiteral("pw")};
    w.baseImageToClipboard();
    EXPECT_TRUE(clipboardHasImage());

    prompter.files = {dir.filePath(QStringLiteral("bild.gif"))};
    w.baseImageFromFile();
    EXPECT_EQ(prompter.texts().constLast(),
              QStringLiteral("Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
}

TEST(DocumentProperties, TakingThemMarksTheDocumentAndLocksChangedPictures)
{
    Document doc;
    doc.header.BilderPasswort = QStringLiteral("alt");
    ASSERT_TRUE(doc.unlockPictures(QStringLiteral("alt")));

    DocumentProperties p = DocumentProperties::of(doc.header);
    EXPECT_EQ(p.logoPercent, 20.0);
    PropertiesChange change = applyProperties(doc, p);
    EXPECT_FALSE(change.numberStyleChanged || change.numberingOrderChanged);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.picturesUnlocked());

    p.NumArt = 1;
    p.GeordnetArt = 1;
    p.BilderPasswort = QStringLiteral("neu");
    p.logoPercent = 35.5;
    p.Bemerkung = QStringLiteral("Zeile 1\r\nZeile 2");
    change = applyProperties(doc, p);
    EXPECT_TRUE(change.numberStyleChanged && change.numberingOrderChanged);
    EXPECT_FALSE(doc.picturesUnlocked());
    EXPECT_DOUBLE_EQ(doc.header.LogoGroesse, 0.355);
    EXPECT_EQ(doc.header.Bemerkung, QStringLiteral("Zeile 1\r\nZeile 2"));
}

TEST(DocumentProperties, LogoWidthsOutsideTheFieldStayUntilTheAuthorChangesThem)
{
    ScriptedPrompter prompter;
    for (const double stored : {1.5, 0.004, 0.123456}) {
        SCOPED_TRACE(stored);
        Document doc;
        doc.header.LogoGroesse = stored;
        DocumentPropertiesDialog untouched(doc, prompter);
        applyProperties(doc, untouched.properties());
        EXPECT_EQ(doc.header.LogoGroesse, stored);

        DocumentPropertiesDialog edited(doc, prompter);
        edited.logoSizeBox()->setValue(40.0);
        applyProperties(doc, edited.properties());
        EXPECT_DOUBLE_EQ(doc.header.LogoGroesse, 0.4);
    }
}

TEST(DocumentProperties, DialogChangesThePasswordOnlyAfterTheOldOne)
{
    Document doc;
    doc.header.BilderPasswort = QStringLiteral("alt");
    doc.header.Titel = QStringLiteral("Bruch");
    doc.header.Bemerkung = QStringLiteral("a\r\nb");
    doc.header.Zielpunktgroesse = 0;
    ScriptedPrompter prompter;
    DocumentPropertiesDialog dialog(doc, prompter);
    EXPECT_EQ(dialog.passwordState()->text(), QStringLiteral("Passwort gesetzt"));
    EXPECT_EQ(dialog.targetSizeBox()->currentText(), QStringLiteral("unsichtbar"));
    EXPECT_EQ(dialog.properties().Bemerkung, QStringLiteral("a\r\nb"));

    prompter.entries = {QStringLiteral("falsch")};
    dialog.changePassword();
    EXPECT_EQ(prompter.texts(), QStringList{"Das Passwort ist falsch."});
    EXPECT_EQ(dialog.properties().BilderPasswort, QStringLiteral("alt"));

    prompter.entries = {QStringLiteral("alt"), QString()};
    dialog.changePassword();
    EXPECT_EQ(prompter.passwordTexts.back(),
              QStringLiteral("Bitte geben Sie das (neue) Passwort ein, mit dem im Dokument "
                             "eingebundene Bilder geschützt werden sollen."));
    EXPECT_TRUE(prompter.texts().constLast().startsWith(
        QStringLiteral("Das Passwort wurde erfolgreich gesetzt.")));
    EXPECT_TRUE(dialog.properties().BilderPasswort.isEmpty());
    EXPECT_EQ(dialog.passwordState()->text(), QStringLiteral("Passwort nicht gesetzt"));

    // Without a password only the new one is asked for.
    const size_t asked = prompter.passwordTexts.size();
    prompter.entries = {QStringLiteral("neu")};
    dialog.changePassword();
    EXPECT_EQ(prompter.passwordTexts.size(), asked + 1);
    EXPECT_EQ(dialog.properties().BilderPasswort, QStringLiteral("neu"));

    dialog.appendTypeToTitle();
    EXPECT_EQ(dialog.titleEdit()->text(),
              QStringLiteral("Bruch - Freie Text-Bild-/Bild-Text-Zuordnung"));
}

TEST_F(DocumentFixture, BoardSnapshotSavesTheShownPageAndKeepsTheCovers)
{
    const QString path = writeDocument(QStringLiteral("tafel.vlt"), QStringLiteral("Tafel"));
    MainWindow& w = start(path);
    w.show();
    QCoreApplication::processEvents();
    w.document().header.RandErw = RectD{0.1, 0.1, 0.1, 0.1};
    ASSERT_EQ(w.document().objects[0].Abdeckung, -1);
    const QSize shown = w.view().shownPicture().size();
    ASSERT_FALSE(shown.isEmpty());

    // A failed save leaves the open document as it was.
    prompter.files = {dir.filePath(QStringLiteral("fehlt/ordner/notiz.vlt"))};
    w.saveBoardSnapshot();
    EXPECT_EQ(w.document().header.Titel, QStringLiteral("Tafel"));
    EXPECT_EQ(w.document().header.FileName, path);
    EXPECT_EQ(w.document().header.RandErw.left, 0.1);
    EXPECT_EQ(w.document().objects[0].Abdeckung, -1);

    const QString target = topics + QStringLiteral("/Notiz 3b.vlt");
    prompter.files = {target};
    w.saveBoardSnapshot();
    Document saved;
    ASSERT_TRUE(loadDocument(saved, target).ok);
    EXPECT_EQ(saved.header.Titel, QStringLiteral("Notiz 3b"));
    EXPECT_EQ(saved.header.RandErw, RectD{});
    EXPECT_EQ(saved.baseImage.size(), shown);
    EXPECT_EQ(saved.objectCount(), 1);
    EXPECT_EQ(w.document().header.FileName, target);
    EXPECT_EQ(w.document().objects[0].Abdeckung, -1);
}

TEST_F(DocumentFixture, BoardSnapshotShowsTheNewPageAtOnce)
{
    const QString path = writeDocument(QStringLiteral("tafel.vlt"), QStringLiteral("Tafel"));
    MainWindow& w = start(path);
    w.show();
    QCoreApplication::processEvents();
    w.view().setZoomIndex(2);
    // A stroke in an unusual green drawn on the board.
    QImage& shown = w.view().shownPicture();
    for (int y = 10; y < 50; ++y)
        for (int x = 10; x < 50; ++x)
            shown.setPixelColor(x, y, QColor(1, 254, 3));
    w.view().shownPictureChanged();
    const auto strokes = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == QColor(1, 254, 3);
        return n;
    };
    ASSERT_EQ(strokes(w.view().composer().page()), 0);

    prompter.files = {topics + QStringLiteral("/Notiz.vlt")};
    w.saveBoardSnapshot();
    // The stroke is now part of the page, shown whole at 100 %.
    EXPECT_EQ(w.view().state().zoomIndex(), 0);
    EXPECT_GT(strokes(w.view().composer().page()), 0);
    EXPECT_EQ(w.view().shownPicture(), w.view().composedView());
}
