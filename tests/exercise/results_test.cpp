// What a run of a shipped sample leaves behind through the window's hooks:
// the protocol in its window and saved as RTF, the best-list record, and the
// result window's best-list buttons for a document that was never saved.

#include "runfixture.h"

#include "document/documentfile.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/exerciseresults.h"
#include "exercise/ui/foldersdialog.h"
#include "exercise/ui/protocolwindow.h"
#include "exercise/ui/resultwindow.h"
#include "internet/mail.h"
#include "platform/ui/dialogrunner.h"
#include "print/formattedtext.h"
#include "print/ui/printing.h"
#include "view/ui/learningview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace velunto;
using namespace velunto::testing;

namespace {

class RunResults : public ::testing::Test
{
  public:
    QTemporaryDir dir;
    Document doc;
    Session session;
    Settings settings;
    FakeClock clock;
    FakePauses pauses{clock};
    RecordingSound sound;
    ScriptedPrompter prompter;
    PdfPrinting printing{QString()};
    RecordingMailSender mail;
    std::unique_ptr<LearningView> view;
    std::unique_ptr<ExerciseController> controller;
    std::unique_ptr<ExerciseResults> results;

    void SetUp() override
    {
        const QString sample =
            QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele/01-flusssystem.vlt");
        ASSERT_TRUE(loadDocument(doc, sample).ok);
        qputenv("VELUNTO_COMPUTER_NAME", "RAUM12-PC3");
        settings.folders.protocol = folder("protokolle");
        settings.folders.bestList = folder("bestenlisten");
        settings.options.AskParticipantName = true;
        settings.ShowOptionsDialog = false;
        view = std::make_unique<LearningView>(doc, session, prompter);
        view->resize(1200, 760);
        view->show();
        view->documentLoaded();
        ExerciseController::Wiring w;
        w.document = &doc;
        w.settings = &settings;
        w.view = view.get();
        w.prompter = &prompter;
        w.window = view.get();
        w.soundFolder = QStringLiteral(VELUNTO_SOURCE_DIR "/data/sound/");
        w.setMode = [](AppMode) {};
        w.clock = &clock;
        w.pauses = &pauses;
        w.sound = &sound;
        controller = std::make_unique<ExerciseController>(w);
        controller->askName = [] { return std::optional<QString>(QStringLiteral("Lena")); };
        results =
            std::make_unique<ExerciseResults>(settings, doc, prompter, printing, mail, view.get());
        // The hooks as the main window sets them.
        ExerciseController& c = *controller;
        c.writeProtocol = [this] { results->protocolReady(controller->run()); };
        c.enterBestList = [this] { return results->enterInBestList(controller->run()); };
        c.bestListUnavailable = [this] { return results->bestListUnavailableReason(); };
        c.showProtocol = [this] { results->showProtocol(); };
        c.showBestList = [this] { results->showBestList(BestListScope::Individual); };
    }

    void TearDown() override
    {
        qunsetenv("VELUNTO_COMPUTER_NAME");
        results.reset();
        controller.reset();
        view.reset();
    }

    QString folder(const char* name)
    {
        const QString path = dir.filePath(QString::fromUtf8(name)) + u'/';
        QDir().mkpath(path);
        return path;
    }

    ExerciseRun& run() { return controller->run(); }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // Drops the card of every query label on its own place, after one
    // wrong drop; 65 seconds pass on the way.
    void solve()
    {
        std::vector<int> labels;
        for (int i = 0; i < doc.objectCount(); ++i)
            if (doc.objects[i].Typ == ObjectKind::QueryLabel)
                labels.push_back(i);
        ASSERT_GE(labels.size(), 2u);
        controller->startIndividual();
        settle();
        ASSERT_TRUE(run().isUnfinished());
        const auto drop = [&](int card, int target) {
            const auto& e = run().elements();
            int element = -1;
            for (size_t k = 0; k < e.size(); ++k)
                if (e[k].object == card && e[k].takesPart())
                    element = int(k);
            ASSERT_GE(element, 0);
            const Element& el = e[size_t(element)];
            const PageMapping& m = run().page();
            run().press(element, m.toPage(QPointF(el.rect.center())));
            const QRect t = m.toArea(view->composer().cards().bounds(target));
            run().move(m.toPage(QPointF(t.left() + 2 + el.rect.width() / 2.0, t.center().y())));
            run().release();
            settle();
        };
        drop(labels[0], labels[1]);
        clock.ms += 65000;
        for (int label : labels)
            drop(label, label);
        ASSERT_EQ(run().endReason(), EndReason::Finished);
    }
};

QString unrtfText(const QString& path)
{
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), path});
    if (!unrtf.waitForFinished(30000))
        return {};
    QString read = QString::fromLatin1(unrtf.readAllStandardOutput());
    return read.mid(read.indexOf(QStringLiteral("-----------------\n")) + 18);
}

// unrtf --text writes Latin-1 and a character beyond it as the low byte
// of its code (the title's "–" comes back as 0x13); the model is compared
// in the same form.
QString asUnrtfWrites(QString text)
{
    for (QChar& c : text)
        if (c.unicode() > 0xFF)
            c = QChar(c.unicode() & 0xFF);
    return text;
}

QString words(QString text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.replace(space, QStringLiteral(" ")).trimmed();
}

} // namespace

TEST_F(RunResults, ACompleteRunLeavesItsSavedProtocolAndOneBestListRecord)
{
    settings.options.AutoSaveProtocol = true;
    settings.options.AutoBestListEntry = true;
    solve();

    // The protocol: in its window, and saved under the computer's name.
    const QString text = results->lastProtocol();
    ASSERT_TRUE(text.startsWith(QStringLiteral("<tit>Übungsprotokoll\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Teilnehmername:\tLena\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Rechnername:\tRAUM12-PC3\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Datei:\t01-flusssystem.vlt\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fehlversuche:\t1\r\n")));
    EXPECT_EQ(results->protocolWindow().text(), text);
    const QString saved = results->lastAutoSaved();
    ASSERT_FALSE(saved.isEmpty()) << prompter.texts().join(" | ").toStdString();
    EXPECT_TRUE(saved.startsWith(settings.folders.protocol));
    EXPECT_TRUE(saved.endsWith(QStringLiteral("-RAUM12-PC3-0.rtf"))) << saved.toStdString();
    EXPECT_EQ(words(unrtfText(saved)), words(asUnrtfWrites(formattedTextToPlain(text))));

    // One record, entered at once; the result window says so and offers no
    // second entry.
    const QString list = settings.folders.bestList + QStringLiteral("01-flusssystem.hsc");
    const BestListRead back = readBestList(list, BestListScope::Individual, [](int) {});
    ASSERT_EQ(back.list.size(), 1u);
    EXPECT_EQ(back.list.record(0).Name, QStringLiteral("Lena"));
    EXPECT_EQ(back.list.record(0).Rechner, QStringLiteral("RAUM12-PC3"));
    EXPECT_EQ(back.list.record(0).Dauer, run().elapsedMs());
    EXPECT_GE(run().elapsedMs(), 65000);
    EXPECT_DOUBLE_EQ(back.list.record(0).Leistung, run().result().performanceValue);
    EXPECT_TRUE(run().enteredInBestList());
    EXPECT_FALSE(run().result().bestListOffered);
    run().enterInBestList();
    EXPECT_EQ(readBestList(list, BestListScope::Individual, [](int) {}).list.size(), 1u);
    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().join(" | ").toStdString();
}

TEST_F(RunResults, TheResultWindowEntersOnRequestAndASecondRunsProtocolReplacesTheFirst)
{
    solve();
    EXPECT_TRUE(results->lastAutoSaved().isEmpty());
    EXPECT_TRUE(QDir(settings.folders.protocol).isEmpty());
    ResultWindow* result = controller->resultWindow();
    QPushButton* enter = result->button(QStringLiteral("In Bestenliste eintragen"));
    ASSERT_NE(enter, nullptr);
    ASSERT_TRUE(enter->isVisible());
    ASSERT_TRUE(enter->isEnabled());
    enter->click();
    settle();
    const QString list = settings.folders.bestList + QStringLiteral("01-flusssystem.hsc");
    EXPECT_EQ(readBestList(list, BestListScope::Individual, [](int) {}).list.size(), 1u);
    EXPECT_FALSE(enter->isVisible());

    results->protocolWindow().addComment(QStringLiteral("gut gemacht"));
    EXPECT_TRUE(results->protocolWindow().text().contains(QStringLiteral("gut gemacht")));
    result->setRepeatMode(0);
    result->button(QStringLiteral("Übung wiederholen"))->click();
    settle();
    clock.ms += 1000;
    solve();
    EXPECT_FALSE(results->protocolWindow().text().contains(QStringLiteral("gut gemacht")));
    EXPECT_EQ(results->protocolWindow().text(), results->lastProtocol());
}

TEST_F(RunResults, ADocumentNeverSavedHasNoBestListAndSaysWhy)
{
    doc.header.FileName.clear();
    settings.options.AutoBestListEntry = true;
    solve();
    EXPECT_FALSE(run().enteredInBestList());
    EXPECT_TRUE(QDir(settings.folders.bestList).isEmpty());
    ResultWindow* result = controller->resultWindow();
    for (const char* caption : {"In Bestenliste eintragen", "Bestenliste..."}) {
        QPushButton* b = result->button(QString::fromUtf8(caption));
        ASSERT_NE(b, nullptr) << caption;
        EXPECT_FALSE(b->isEnabled()) << caption;
        EXPECT_EQ(b->toolTip(), noBestListReason()) << caption;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RunResults, FailedSavesAreShownAndTheRunGoesOn)
{
    // Neither folder exists: the protocol's error box comes, then the best
    // list's, then the folder dialog opens.
    settings.folders.protocol = dir.filePath(QStringLiteral("fehlt/"));
    settings.folders.bestList = dir.filePath(QStringLiteral("auch-nicht/"));
    settings.options.AutoSaveProtocol = true;
    settings.options.AutoBestListEntry = true;
    int folderDialogs = 0;
    ScopedDialogRunner runner([&](QDialog& dialog) {
        folderDialogs += qobject_cast<FoldersDialog*>(&dialog) != nullptr;
        return int(QDialog::Rejected);
    });
    solve();
    EXPECT_TRUE(results->lastAutoSaved().isEmpty());
    EXPECT_FALSE(results->lastProtocol().isEmpty());
    ASSERT_EQ(prompter.shown.size(), 2u) << prompter.texts().join(" | ").toStdString();
    EXPECT_TRUE(prompter.shown[0].text.endsWith(QStringLiteral(
        "Das Übungsprotokoll konnte nicht automatisch gespeichert werden. Überprüfen Sie die "
        "Einstellungen unter \"Optionen / Ordner für Protokolle und Bestenlisten\".")));
    EXPECT_TRUE(prompter.shown[1].text.endsWith(
        QStringLiteral("Die Bestenliste konnte nicht gespeichert werden. Überprüfen Sie die "
                       "Einstellungen unter \"Optionen / Ordner für Protokolle und "
                       "Bestenlisten\".")));
    EXPECT_EQ(folderDialogs, 1);
    EXPECT_FALSE(run().enteredInBestList());
    EXPECT_TRUE(controller->resultWindow()->isVisible());
}
