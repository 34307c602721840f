// The main window's rows for printing and for what surrounds a run: the
// view printed into a PDF file and exported, the topic list printed, the
// exercise options refused during a run, and the dialogs that change the
// settings.

#include "mainwindow_fixture.h"

#include "exercise/exerciserun.h"
#include "exercise/runfixture.h"
#include "exercise/ui/bestlistwindow.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/exerciseresults.h"
#include "exercise/ui/protocolwindow.h"
#include "exercise/ui/resultwindow.h"
#include "exercise/windowdriver.h"
#include "exercise/ui/foldersdialog.h"
#include "exercise/ui/gradingscaledialog.h"
#include "exercise/ui/optionsdialog.h"
#include "library/ui/topiclistwindow.h"
#include "platform/ui/dialogrunner.h"
#include "print/ui/printing.h"
#include "print/ui/viewprintdialog.h"
#include "support/pdftools.h"
#include "view/ui/learningview.h"

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

using namespace velunto;
using namespace velunto::testing;

namespace {

struct PrintingWindow : MainWindowFixture
{
    QTemporaryDir out;
    QString pdf = out.filePath(QStringLiteral("druck.pdf"));
    PdfPrinting printing{pdf};
    FakeClock clock;
    FakePauses pauses{clock};
    RecordingSound sound;

    MainWindow& open(const QString& path = {})
    {
        ShellContext context{prompter, launcher, *store, folders, path, &clock, &pauses, &sound};
        context.printing = &printing;
        window = std::make_unique<MainWindow>(context);
        window->firstActivation();
        window->resize(1200, 820);
        window->show();
        QApplication::processEvents();
        return *window;
    }

    static QString sample(const char* name)
    {
        return QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele/") + QString::fromUtf8(name);
    }

    QAction* toolbarButton(const QString& tooltip) const
    {
        for (QAction* a : window->toolbar()->actions())
            if (a->toolTip() == tooltip)
                return a;
        return nullptr;
    }
};

} // namespace

TEST_F(PrintingWindow, TheRowsAreInTheirMenusWithTheirKeys)
{
    open();
    const struct
    {
        TopMenu menu;
        const char* caption;
        QKeySequence keys;
    } rows[] = {
        {TopMenu::File, "&Drucken...", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {TopMenu::File, "D&ruckereinrichtung...", {}},
        {TopMenu::File, "&Exportieren...", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {TopMenu::File, "In &Zwischenablage kopieren", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {TopMenu::Exercise, "Übungs&einstellungen...", QKeySequence(Qt::ALT | Qt::Key_F7)},
        {TopMenu::Exercise, "&Protokoll der letzten Übung...", {}},
        {TopMenu::Exercise, "&Bestenliste Individual-Übung...",
         QKeySequence(Qt::CTRL | Qt::Key_F7)},
        {TopMenu::Exercise, "Besten&liste Netzwerk-Übung...", QKeySequence(Qt::CTRL | Qt::Key_F8)},
        {TopMenu::Options, "Notens&kala...", {}},
        {TopMenu::Options, "&Dateiordner...", {}},
    };
    for (const auto& row : rows) {
        const QString caption = QString::fromUtf8(row.caption);
        QAction* a = action(caption);
        ASSERT_NE(a, nullptr) << row.caption;
        EXPECT_EQ(a->shortcut(), row.keys) << row.caption;
        EXPECT_TRUE(window->menu(row.menu)->actions().contains(a)) << row.caption;
    }
    for (const char* tip : {"Ansicht drucken", "Ansicht in Bilddatei speichern",
                            "Ansicht in Zwischenablage kopieren"})
        EXPECT_NE(toolbarButton(QString::fromUtf8(tip)), nullptr) << tip;
}

TEST_F(PrintingWindow, TheViewPrintsIntoItsRectangleAndIsExportedAndCopied)
{
    keepWhenAsked(out);
    MainWindow& w = open(sample("01-flusssystem.vlt"));
    const QImage view = w.viewPicture();
    ASSERT_FALSE(view.isNull());
    int dialogs = 0;
    ScopedDialogRunner runner([&](QDialog& dialog) {
        auto* d = qobject_cast<ViewPrintDialog*>(&dialog);
        if (!d)
            return int(QDialog::Rejected);
        ++dialogs;
        d->widthField()->setValue(10.0); // the height follows
        d->print();
        return dialog.result();
    });
    action(QStringLiteral("&Drucken..."))->trigger();
    toolbarButton(QStringLiteral("Ansicht drucken"))->trigger();
    EXPECT_EQ(dialogs, 2);
    ASSERT_EQ(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"))
        << prompter.texts().join(" | ").toStdString();

    // The picture lies 2 cm from the sheet's top left, 10 cm wide.
    const double dpi = 50.0;
    const QImage page = pdfPage(pdf, 1, dpi);
    ASSERT_FALSE(page.isNull());
    const double pxPerCm = dpi / 2.54;
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250)
                inked |= QRect(x, y, 1, 1);
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_NEAR(inked.left() / pxPerCm, 2.0, 0.15);
    EXPECT_NEAR(inked.top() / pxPerCm, 2.0, 0.15);
    EXPECT_NEAR(inked.width() / pxPerCm, 10.0, 0.2);
    EXPECT_NEAR(inked.height() / pxPerCm, 10.0 * view.height() / view.width(), 0.2);

    const QString png = out.filePath(QStringLiteral("ansicht.png"));
    prompter.files = {png, out.filePath(QStringLiteral("ansicht.gif"))};
    action(QStringLiteral("&Exportieren..."))->trigger();
    EXPECT_EQ(QImage(png).size(), view.size());
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Ansicht in Bilddatei speichern"));
    toolbarButton(QStringLiteral("Ansicht in Bilddatei speichern"))->trigger();
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral(
                  "Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")});

    QGuiApplication::clipboard()->clear();
    action(QStringLiteral("In &Zwischenablage kopieren"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), view.size());
}

TEST_F(PrintingWindow, TheTopicListPrintsItsTitlesFromTheMenu)
{
    keepWhenAsked(out);
    open(sample("01-flusssystem.vlt"));
    QString shown;
    ScopedDialogRunner runner([&](QDialog& dialog) {
        auto* list = qobject_cast<TopicListWindow*>(&dialog);
        if (!list)
            return int(QDialog::Rejected);
        shown = dialog.windowTitle();
        list->print();
        return int(QDialog::Rejected);
    });
    action(QStringLiteral("Themenliste &drucken..."))->trigger();
    EXPECT_EQ(shown, QStringLiteral("Themenliste"));
    EXPECT_EQ(printing.dialogs, 1);
    const std::vector<PdfWord> words = pdfWords(pdf);
    const PdfWord* title = findWord(words, QStringLiteral("Themenliste"));
    ASSERT_NE(title, nullptr) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Themenliste"));
    EXPECT_NE(findWord(words, QStringLiteral("1:")), nullptr);
    // Every line below the title.
    for (const PdfWord& w : words)
        EXPECT_GE(w.yMin, title->yMin) << w.text.toStdString();
}

TEST_F(PrintingWindow, ExerciseOptionsAreRefusedDuringARunAndOpenTheTypesDialogOtherwise)
{
    MainWindow& w = open(sample("01-flusssystem.vlt"));
    QStringList titles;
    ScopedDialogRunner runner([&](QDialog& dialog) {
        titles << dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    action(QStringLiteral("Übungs&einstellungen..."))->trigger();
    EXPECT_EQ(titles, QStringList{optionsDialogTitle(OptionsDialogKind::General)});
    EXPECT_TRUE(prompter.shown.empty());

    w.setMode(AppMode::Exercise);
    action(QStringLiteral("Übungs&einstellungen..."))->trigger();
    EXPECT_EQ(titles.size(), 1);
    EXPECT_EQ(prompter.texts(), QStringList{optionsDuringRunText()});
    // The grading scale is a learning-view command.
    EXPECT_FALSE(action(QStringLiteral("Notens&kala..."))->isEnabled());
    w.setMode(AppMode::LearningView);
    EXPECT_TRUE(action(QStringLiteral("Notens&kala..."))->isEnabled());
}

TEST_F(PrintingWindow, GradingScaleAndFoldersTakeTheDialogsChoices)
{
    QDir().mkpath(folders.gallery); // shipped with the program
    MainWindow& w = open();
    QTemporaryDir chosen;
    ScopedDialogRunner runner([&](QDialog& dialog) {
        if (auto* grading = qobject_cast<GradingScaleDialog*>(&dialog))
            grading->selectKind(2);
        if (auto* folders = qobject_cast<FoldersDialog*>(&dialog))
            folders->field(FoldersDialog::Protocols)->setText(chosen.path());
        dialog.accept();
        return dialog.result();
    });
    action(QStringLiteral("Notens&kala..."))->trigger();
    EXPECT_EQ(w.settings().grading.GradingScaleKind, 2);
    action(QStringLiteral("&Dateiordner..."))->trigger();
    EXPECT_EQ(w.settings().folders.protocol, chosen.path() + u'/');
    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().join(" | ").toStdString();
}

TEST_F(PrintingWindow, AnUnsavedDocumentHasNoIndividualBestList)
{
    MainWindow& w = open();
    EXPECT_EQ(w.results().bestListUnavailableReason(), noBestListReason());
    action(QStringLiteral("&Bestenliste Individual-Übung..."))->trigger();
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Da das aktuelle Dokument nicht gespeichert wurde, bzw. "
                                         "kein Dokument geöffnet wurde, ist keine Bestenliste "
                                         "verfügbar.")});
}

TEST_F(PrintingWindow, ARunFromTheMenuLeavesItsSavedProtocolAndItsBestListRecordToPrint)
{
    keepWhenAsked(out);
    MainWindow& w = open(sample("01-flusssystem.vlt"));
    w.settings().options.AskParticipantName = false;
    w.settings().options.SoundOn = false;
    w.settings().options.AutoSaveProtocol = true;
    w.settings().options.AutoBestListEntry = true;
    w.settings().folders.protocol = out.filePath(QStringLiteral("protokolle/"));
    w.settings().folders.bestList = out.filePath(QStringLiteral("bestenlisten/"));
    QDir().mkpath(w.settings().folders.protocol);
    QDir().mkpath(w.settings().folders.bestList);

    // The options of the document's type come first; "Übung starten".
    ASSERT_TRUE(w.settings().ShowOptionsDialog);
    QStringList titles;
    {
        ScopedDialogRunner runner([&](QDialog& dialog) {
            titles << dialog.windowTitle();
            return int(QDialog::Accepted);
        });
        action(QStringLiteral("Individual-&Übung"))->trigger();
        settle();
    }
    EXPECT_EQ(titles, QStringList{optionsDialogTitle(OptionsDialogKind::General)});
    ExerciseRun& run = w.exercise().run();
    ASSERT_TRUE(run.isUnfinished());
    const std::vector<int> labels = queryLabels(w.document());
    for (int label : labels) {
        const auto& e = run.elements();
        QWidget* card = nullptr;
        for (size_t k = 0; k < e.size(); ++k)
            if (e[k].object == label && e[k].takesPart())
                card = w.exercise().elementWidget(int(k));
        ASSERT_NE(card, nullptr);
        clock.ms += 4000;
        dragCard(card, run.page().toArea(w.view().composer().cards().bounds(label)));
    }
    ASSERT_EQ(run.endReason(), EndReason::Finished);
    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().join(" | ").toStdString();

    const QStringList saved = QDir(w.settings().folders.protocol).entryList(QDir::Files);
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(w.settings().folders.protocol + saved[0], w.results().lastAutoSaved());
    const QString list = w.settings().folders.bestList + QStringLiteral("01-flusssystem.hsc");
    const BestListRead back = readBestList(list, BestListScope::Individual, [](int) {});
    ASSERT_EQ(back.list.size(), 1u);
    EXPECT_EQ(back.list.record(0).Name, QStringLiteral("(kein Name)"));
    EXPECT_DOUBLE_EQ(back.list.record(0).Leistung, 1.0);
    EXPECT_TRUE(w.exercise().resultWindow()->isVisible());

    // The protocol of the last run, printed.
    action(QStringLiteral("&Protokoll der letzten Übung..."))->trigger();
    ProtocolWindow& protocol = w.results().protocolWindow();
    EXPECT_TRUE(protocol.isVisible());
    EXPECT_EQ(protocol.text(), w.results().lastProtocol());
    protocol.print();
    std::vector<PdfWord> words = pdfWords(pdf);
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Übungsprotokoll"));
    EXPECT_NE(findWord(words, QStringLiteral("Statistik-Zusammenfassung")), nullptr);
    EXPECT_NE(findWord(words, QStringLiteral("01-flusssystem.vlt")), nullptr);
    QFile::copy(pdf, out.filePath(QStringLiteral("protokoll.pdf")));
    protocol.close();

    // The best list from the result window's button, printed as a table.
    ScopedDialogRunner runner([&](QDialog& dialog) {
        if (auto* window = qobject_cast<BestListWindow*>(&dialog)) {
            titles << dialog.windowTitle();
            window->print();
        }
        return int(QDialog::Rejected);
    });
    w.exercise().resultWindow()->button(QStringLiteral("Bestenliste..."))->click();
    settle();
    EXPECT_EQ(titles.back(), QStringLiteral("Bestenliste - Individual-Übung"));
    words = pdfWords(pdf);
    const PdfWord* header = findWord(words, QStringLiteral("Pos."));
    const PdfWord* place = findWord(words, QStringLiteral("(kein"));
    ASSERT_NE(header, nullptr);
    ASSERT_NE(place, nullptr);
    EXPECT_GT(place->yMin, header->yMax);
    EXPECT_NE(findWord(words, QStringLiteral("100.0")), nullptr);
    // The table keeps its 15 mm margin.
    EXPECT_GE(header->xMin, 15 * kPointsPerMm - 1);
}
