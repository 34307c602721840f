// A whole run of a shipped sample in the real widgets: wrong and right drops
// with the mouse up to the result window, then a second run by keyboard.

#include "runfixture.h"
#include "windowdriver.h"

#include "document/documentfile.h"
#include "exercise/gradingscale.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/feedbackdialog.h"
#include "exercise/ui/instructionstrip.h"
#include "exercise/ui/resultwindow.h"
#include "exercise/ui/statuspanel.h"
#include "view/numbering.h"
#include "view/ui/learningview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace velunto;
using namespace velunto::testing;

namespace {

class ExerciseWindow : public ::testing::Test
{
  public:
    Document doc;
    Session session;
    Settings settings;
    FakeClock clock;
    FakePauses pauses{clock};
    RecordingSound sound;
    ScriptedPrompter prompter;
    std::unique_ptr<LearningView> view;
    std::unique_ptr<ExerciseController> controller;
    AppMode mode = AppMode::LearningView;

    void SetUp() override
    {
        const QString sample =
            QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele/01-flusssystem.vlt");
        ASSERT_TRUE(loadDocument(doc, sample).ok);
        qputenv("VELUNTO_RANDOM_SEED", "2024");
        settings.options.AskParticipantName = true;
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
        w.setMode = [this](AppMode m) { mode = m; };
        w.clock = &clock;
        w.pauses = &pauses;
        w.sound = &sound;
        controller = std::make_unique<ExerciseController>(w);
        controller->askName = [] { return std::optional<QString>(QStringLiteral("Lena")); };
        qunsetenv("VELUNTO_RANDOM_SEED");
    }

    void TearDown() override
    {
        controller.reset();
        view.reset();
    }

    ExerciseRun& run() { return controller->run(); }

    // The card widget that shows object's text.
    QWidget* cardOf(int object)
    {
        const auto& e = run().elements();
        for (size_t k = 0; k < e.size(); ++k)
            if (e[k].object == object && e[k].takesPart())
                return controller->elementWidget(int(k));
        return nullptr;
    }

    // The drawn card of a page object in pixels of the exercise area.
    QRect targetRect(int object) const
    {
        return controller->run().page().toArea(view->composer().cards().bounds(object));
    }

    void drag(QWidget* card, int target)
    {
        ASSERT_NE(card, nullptr);
        dragCard(card, targetRect(target));
    }
};

} // namespace

TEST_F(ExerciseWindow, AWholeRunWithTheMouseThenOneByKeyboard)
{
    const std::vector<int> labels = queryLabels(doc);
    ASSERT_GE(labels.size(), 4u);
    controller->startIndividual();
    settle();
    ASSERT_TRUE(run().isActive());
    EXPECT_EQ(mode, AppMode::Exercise);
    EXPECT_EQ(run().participantName(), QStringLiteral("Lena"));
    EXPECT_EQ(controller->strip()->instruction(),
              QStringLiteral("Ziehe die Kärtchen an die jeweils richtige Position!"));
    EXPECT_EQ(controller->statusPanel()->figure(QStringLiteral("gesamt")),
              QStringLiteral("von  %1").arg(labels.size()));
    EXPECT_NE(view->findChild<QWidget*>(QStringLiteral("UebElemPan0")), nullptr);
    EXPECT_LT(view->state().shownRect().right(), run().pageEnd() + 1)
        << "the page stays left of the cards";

    // Two wrong drops, then every card on its place.
    drag(cardOf(labels[0]), labels[1]);
    drag(cardOf(labels[2]), labels[0]);
    EXPECT_EQ(run().wrongCount(), 2.0);
    EXPECT_EQ(doc.objects[labels[1]].Abdeckung, ExerciseState::Open);
    EXPECT_EQ(controller->statusPanel()->figure(QStringLiteral("fehlversuche")),
              QStringLiteral("2"));
    for (int label : labels)
        drag(cardOf(label), label);
    EXPECT_EQ(run().correctCount(), double(labels.size()));
    EXPECT_EQ(run().endReason(), EndReason::Finished);

    ResultWindow* result = controller->resultWindow();
    ASSERT_TRUE(result->isVisible());
    const int n = int(labels.size());
    EXPECT_EQ(result->figure(QStringLiteral("Richtig gelöst:")),
              QStringLiteral("%1  von  %1").arg(n));
    EXPECT_EQ(result->figure(QStringLiteral("Fehlversuche:")), QStringLiteral("2"));
    const GradingScale scale;
    const int grade = gradeFromPerformance(double(n) / (n + 2), scale);
    EXPECT_EQ(result->figure(QStringLiteral("Note:")), QString::number(grade));
    EXPECT_EQ(result->figure(QStringLiteral("Bewertung:")), ratingWord(grade, scale));
    QPushButton* enter = result->button(QStringLiteral("In Bestenliste eintragen"));
    ASSERT_NE(enter, nullptr);
    EXPECT_FALSE(enter->isEnabled());
    EXPECT_FALSE(enter->toolTip().isEmpty());

    // Repeat completely; this time with the keyboard alone.
    result->setRepeatMode(0);
    result->button(QStringLiteral("Übung wiederholen"))->click();
    settle();
    ASSERT_EQ(run().endReason(), EndReason::Running);
    EXPECT_FALSE(result->isVisible());
    for (int round = 0; round < n; ++round) {
        QWidget* focused = view->focusWidget();
        ASSERT_NE(focused, nullptr);
        const auto it =
            std::find_if(run().elements().begin(), run().elements().end(),
                         [&](const Element& e) { return e.name() == focused->objectName(); });
        ASSERT_NE(it, run().elements().end()) << focused->objectName().toStdString();
        const int object = it->object;
        key(focused, Qt::Key_Space);
        ASSERT_TRUE(run().carrying());
        if (round == 0) {
            // Esc puts it back; Tab and Shift+Tab walk the cards.
            key(focused, Qt::Key_Escape);
            EXPECT_FALSE(run().carrying());
            key(focused, Qt::Key_Tab);
            QWidget* next = view->focusWidget();
            EXPECT_NE(next, focused);
            EXPECT_TRUE(next->objectName().startsWith(QStringLiteral("UebElemPan")));
            key(next, Qt::Key_Backtab);
            EXPECT_EQ(view->focusWidget(), focused);
            key(focused, Qt::Key_Space);
        }
        const QString label = numberLabel(doc.objects[object].Nummer, doc.header.NumArt);
        for (QChar c : label)
            key(focused, 0, QString(c));
        EXPECT_EQ(run().dropTarget(), object);
        key(focused, Qt::Key_Return);
        settle();
    }
    EXPECT_EQ(run().endReason(), EndReason::Finished);
    EXPECT_EQ(run().wrongCount(), 0.0);
    EXPECT_TRUE(result->isVisible());
    EXPECT_EQ(result->figure(QStringLiteral("Note:")), QStringLiteral("1"));

    result->button(QStringLiteral("Zur Lernansicht"))->click();
    settle();
    EXPECT_FALSE(run().isActive());
    EXPECT_EQ(mode, AppMode::LearningView);
    EXPECT_EQ(view->findChild<QWidget*>(QStringLiteral("UebElemPan0")), nullptr);
}

TEST_F(ExerciseWindow, TextEntryByKeyboardAloneEndsWithEnterOnTheCheckButton)
{
    settings.generalOptions.QueryMode = QueryMode::TextEntry;
    settings.options.AskParticipantName = false;
    const std::vector<int> labels = queryLabels(doc);
    controller->startIndividual();
    settle();
    ASSERT_TRUE(run().isActive());

    // The boxes one after the other, each ended with Enter (the last one
    // wrong); the focus then lies on the check button.
    for (size_t i = 0; i < labels.size(); ++i) {
        QWidget* box = view->focusWidget();
        ASSERT_NE(qobject_cast<QLineEdit*>(box), nullptr);
        const auto it =
            std::find_if(run().elements().begin(), run().elements().end(),
                         [&](const Element& e) { return e.name() == box->objectName(); });
        ASSERT_NE(it, run().elements().end());
        const QString answer = i + 1 == labels.size() ? QStringLiteral("falsch")
                                                      : doc.objects[it->object].Text;
        for (QChar c : answer)
            key(box, 0, QString(c));
        key(box, Qt::Key_Return);
    }
    QWidget* check = view->focusWidget();
    ASSERT_NE(qobject_cast<QPushButton*>(check), nullptr);
    EXPECT_EQ(run().endReason(), EndReason::Running);
    key(check, Qt::Key_Return);
    settle();
    EXPECT_EQ(run().endReason(), EndReason::Finished);
    EXPECT_EQ(run().correctCount(), double(labels.size() - 1));
    EXPECT_EQ(run().wrongCount(), 1.0);
}

TEST(FeedbackDialog, TakesAllSevenValuesAndLooksForSoundsInTheSoundFolder)
{
    FeedbackSettings before;
    ScriptedPrompter prompter;
    const QString folder = QStringLiteral(VELUNTO_SOURCE_DIR "/data/sound/");
    FeedbackDialog dialog(before, folder, prompter, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Übungsrückmeldung"));
    EXPECT_EQ(dialog.field(QStringLiteral("richtigton"))->text(), QStringLiteral("richtig1.wav"));
    dialog.field(QStringLiteral("richtigtext"))->setText(QStringLiteral("Super!"));
    dialog.field(QStringLiteral("fehlendehaekchen"))->setText(QStringLiteral("Fehlt:"));
    prompter.files = {folder + QStringLiteral("falsch1.wav"), QStringLiteral("/tmp/anders.wav")};
    const QList<QPushButton*> browse = dialog.findChildren<QPushButton*>();
    std::vector<QPushButton*> buttons;
    for (QPushButton* b : browse)
        if (b->text() == QStringLiteral("Durchsuchen..."))
            buttons.push_back(b);
    ASSERT_EQ(buttons.size(), 2u);
    buttons[0]->click();
    buttons[1]->click();
    ASSERT_EQ(prompter.fileRequests.size(), 2u);
    EXPECT_EQ(prompter.fileRequests[0].title, QStringLiteral("Ton-Datei auswählen"));
    EXPECT_EQ(prompter.fileRequests[0].directory, folder);
    const FeedbackSettings after = dialog.settings();
    EXPECT_EQ(after.CorrectText, QStringLiteral("Super!"));
    EXPECT_EQ(after.WrongText, before.WrongText);
    EXPECT_EQ(after.CorrectSoundFile, QStringLiteral("falsch1.wav"))
        << "a sound of the folder by name";
    EXPECT_EQ(after.WrongSoundFile, QStringLiteral("/tmp/anders.wav"));
    EXPECT_EQ(after.McMissingTicksLabel, QStringLiteral("Fehlt:"));
    EXPECT_EQ(after.McRightTicksLabel, before.McRightTicksLabel);
}
