// Runs of the shipped cluster, cross-assignment and crossword samples in the
// main window: cards dragged into baskets, pairs connected by clicks, and
// letters typed box by box along the words, each to the result window.

#include "content/cluster/clusterlayout.h"
#include "content/crossword/crosswordnavigation.h"
#include "exercise/exerciserun.h"
#include "exercise/runfixture.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/resultwindow.h"
#include "exercise/windowdriver.h"
#include "exercisewindow_fixture.h"

#include <QApplication>
#include <QPushButton>

using namespace velunto;
using namespace velunto::testing;

namespace {

struct PuzzleExercise : ExerciseWindowFixture
{
    MainWindow& open(const char* sample) { return openForExercise(samplePath(sample)); }

    ExerciseRun& start()
    {
        action(QStringLiteral("Individual-&Übung"))->trigger();
        settle();
        return window->exercise().run();
    }

    // The widget of the element that stands for an object.
    QWidget* widgetOf(int object) const
    {
        const ExerciseRun& run = window->exercise().run();
        const auto& e = run.elements();
        for (size_t k = 0; k < e.size(); ++k)
            if (e[k].object == object && e[k].takesPart())
                return window->exercise().elementWidget(int(k));
        return nullptr;
    }

    void click(int object)
    {
        QWidget* w = widgetOf(object);
        ASSERT_NE(w, nullptr) << object;
        const QPoint middle(w->width() / 2, w->height() / 2);
        mouse(w, QEvent::MouseButtonPress, middle);
        mouse(w, QEvent::MouseButtonRelease, middle);
        settle();
    }

    ResultWindow* result() const { return window->exercise().resultWindow(); }
};

} // namespace

TEST_F(PuzzleExercise, ClusterCardsAreDraggedIntoTheirBaskets)
{
    MainWindow& w = open("30-cluster-wortarten.vlt");
    const Document& doc = w.document();
    ExerciseRun& run = start();
    ASSERT_TRUE(run.isActive());
    std::vector<int> cards;
    for (int i = 0; i < doc.objectCount(); ++i)
        if (doc.objects[i].Typ == ObjectKind::ClusterQueryText)
            cards.push_back(i);
    ASSERT_EQ(cards.size(), 15u);
    const auto basket = [&](int column) {
        return run.page().toArea(*basketBounds(doc, column + 1));
    };

    // A noun among the verbs is wrong and comes back.
    dragCard(widgetOf(cards[0]), basket(1));
    EXPECT_EQ(run.wrongCount(), 1.0);
    for (int card : cards) {
        QWidget* widget = widgetOf(card);
        ASSERT_NE(widget, nullptr) << card;
        dragCard(widget, basket(doc.objects[card].KorbSpalte));
    }
    ASSERT_EQ(run.endReason(), EndReason::Finished);
    EXPECT_EQ(run.correctCount(), 15.0);
    ASSERT_TRUE(result()->isVisible());
    EXPECT_EQ(result()->figure(QStringLiteral("Fehlversuche:")), QStringLiteral("1"));
}

// Two columns, and three, where the middle element's second pair starts
// from the click area of its hidden copy right of the middle card.
TEST_F(PuzzleExercise, CrossAssignmentPairsAreConnectedByClicks)
{
    const struct
    {
        const char* sample;
        int pairs;
    } cases[] = {{"32-zuordnung-hauptstaedte.vlt", 6}, {"33-zuordnung-tierfamilien.vlt", 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sample);
        MainWindow& w = open(c.sample);
        const Document& doc = w.document();
        ExerciseRun& run = start();
        ASSERT_TRUE(run.isActive());
        // The left side of every pair, each with its partner as the run
        // placed them.
        std::vector<int> lefts;
        for (int i = 0; i < doc.objectCount(); ++i) {
            const ObjDataTyp& o = doc.objects[i];
            if (o.Typ == ObjectKind::PairQueryText && o.KAusr == Side::Left)
                lefts.push_back(i);
        }
        ASSERT_EQ(int(lefts.size()), c.pairs);
        for (int left : lefts) {
            const ObjDataTyp& right = doc.objects[doc.objects[left].Partner];
            EXPECT_EQ(right.BildKenn, doc.objects[left].BildKenn);
            EXPECT_NE(right.Ky, right.Sy); // moved to another row
        }
        // Each click area lies on the page beside its element's card point.
        for (int i = 0; i < doc.objectCount(); ++i) {
            if (doc.objects[i].Typ != ObjectKind::PairQueryText)
                continue;
            const QWidget* area = widgetOf(i);
            ASSERT_NE(area, nullptr);
            const ObjDataTyp& o = doc.objects[i];
            const double x = o.KAusr == Side::Centre ? o.Kx - o.KBreite / 2 : o.Kx;
            const QPoint point = run.page().areaPoint(x, o.Ky);
            EXPECT_TRUE(run.page().picture.contains(area->geometry().center())) << i;
            EXPECT_LE((area->geometry().center() - point).manhattanLength(), 60) << i;
        }

        // The first left element with the partner of the second.
        click(lefts[0]);
        click(doc.objects[lefts[1]].Partner);
        EXPECT_EQ(run.wrongCount(), 1.0);
        for (int left : lefts) {
            click(left);
            click(doc.objects[left].Partner);
        }
        ASSERT_EQ(run.endReason(), EndReason::Finished);
        EXPECT_EQ(run.correctCount(), double(c.pairs));
        ASSERT_TRUE(result()->isVisible());
        EXPECT_EQ(result()->figure(QStringLiteral("Fehlversuche:")), QStringLiteral("1"));
        for (int left : lefts)
            EXPECT_EQ(doc.objects[doc.objects[left].Partner].Sline, 5);
        window.reset();
    }
}

// "Tiere im Haus und im Stall": HAMSTER across row 1 from column 2; HUND,
// MAUS and ESEL down from its H, M and E.
TEST_F(PuzzleExercise, CrosswordTypingMovesOnAlongTheWord)
{
    MainWindow& w = open("34-kreuzwortraetsel-haustiere.vlt");
    w.settings().generalOptions.QueryMode = QueryMode::TextEntry;
    const Document& doc = w.document();
    const CrosswordCells cells(doc);
    ExerciseRun& run = start();
    ASSERT_TRUE(run.isActive());
    ASSERT_EQ(run.queriesInRun(), 16);

    // Types letters from the box in (column, row) on, and checks after each
    // that the focus went to the box in the next cell.
    const auto type = [&](int column, int row, QPoint step, const QString& letters) {
        QWidget* first = widgetOf(cells.objectAt(column, row));
        ASSERT_NE(first, nullptr);
        first->setFocus();
        QPoint at(column, row);
        for (int k = 0; k < letters.size(); ++k) {
            SCOPED_TRACE(letters.left(k + 1).toStdString());
            QWidget* focused = QApplication::focusWidget();
            ASSERT_EQ(focused, widgetOf(cells.objectAt(at.x(), at.y())));
            key(focused, 0, letters.mid(k, 1));
            if (k + 1 < letters.size())
                at += step;
        }
        // The word's last box keeps the focus.
        EXPECT_EQ(QApplication::focusWidget(), widgetOf(cells.objectAt(at.x(), at.y())));
    };
    const QPoint across(1, 0);
    const QPoint down(0, 1);
    type(2, 1, across, QStringLiteral("HAMSTER"));
    // From below a crossing letter the word runs down.
    type(2, 2, down, QStringLiteral("UND"));
    type(4, 2, down, QStringLiteral("AUZ")); // one wrong letter
    type(7, 2, down, QStringLiteral("SEL"));

    QPushButton* check = nullptr;
    for (size_t k = 0; k < run.elements().size(); ++k)
        if (run.elements()[k].kind == ElementKind::CheckButton)
            check = qobject_cast<QPushButton*>(w.exercise().elementWidget(int(k)));
    ASSERT_NE(check, nullptr);
    check->click();
    settle();
    EXPECT_EQ(run.correctCount(), 15.0);
    EXPECT_EQ(run.wrongCount(), 1.0);
    ASSERT_TRUE(result()->isVisible());
}
