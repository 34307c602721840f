// Runs of the cluster exercise, the cross assignment and the crossword on the
// exercise engine, without a window: the host hands the run what the content
// types know (the baskets, the placed pairs).

#include "content/cluster/clustercontent.h"
#include "content/cluster/clusterlayout.h"
#include "content/crossassign/pairlayout.h"
#include "content/crossword/crosswordlayout.h"
#include "content/layoutpage.h"
#include "exercise/normalizetext.h"
#include "exercise/runfixture.h"

#include <gtest/gtest.h>

using namespace velunto;
using namespace velunto::testing;

namespace {

struct PuzzleHost : RecordingHost
{
    Document* doc = nullptr;
    RandomSource* random = nullptr;
    int pairsPlaced = 0;
    int rebuilt = 0;

    void placePairsForRun() override
    {
        ++pairsPlaced;
        velunto::placePairsForRun(*doc, *random);
    }
    void rebuildAfterRun() override
    {
        ++rebuilt;
        buildPairs(*doc, true);
    }
    int basketAt(QPointF page) const override { return basketAtPage(*doc, page); }
    std::optional<RectD> basketBounds(int basket) const override
    {
        return velunto::basketBounds(*doc, basket);
    }
};

class PuzzleRun : public ::testing::Test
{
  public:
    Document doc;
    Settings settings;
    FakeClock clock;
    FakePauses pauses{clock};
    RandomSource random{4711};
    RecordingSound sound;
    ScriptedPrompter prompter;
    PuzzleHost host;
    std::map<int, RectD> bounds;
    std::unique_ptr<ExerciseRun> run;

    void SetUp() override
    {
        settings.options.AskParticipantName = false;
        host.doc = &doc;
        host.random = &random;
    }

    ExerciseRun& started()
    {
        ExerciseServices s;
        s.clock = &clock;
        s.random = &random;
        s.sound = &sound;
        s.pauses = &pauses;
        s.prompter = &prompter;
        s.soundFolder = QStringLiteral(VELUNTO_SOURCE_DIR "/data/sound/");
        s.cardBounds = [this](int i) -> std::optional<RectD> {
            const auto it = bounds.find(i);
            return it == bounds.end() ? std::nullopt : std::optional<RectD>(it->second);
        };
        run = std::make_unique<ExerciseRun>(doc, settings, s, host);
        run->setAreaSize(QSize(1000, 700));
        EXPECT_TRUE(run->start(false, 0, ExerciseKind::Individual))
            << prompter.texts().join(" | ").toStdString();
        return *run;
    }

    // The element that stands for the object with this text.
    int elementFor(const QString& text) const
    {
        const auto& e = run->elements();
        for (size_t k = 0; k < e.size(); ++k) {
            if (e[k].takesPart() && normalizeText(doc.objects[e[k].object].Text) == text)
                return int(k);
        }
        ADD_FAILURE() << "no element for " << text.toStdString();
        return -1;
    }

    // Drags an element so that its middle comes to a page point, and lets go.
    void dragTo(int element, QPointF page)
    {
        const Element& e = run->elements()[size_t(element)];
        const PageMapping& m = run->page();
        run->press(element, m.toPage(QPointF(e.rect.center())));
        run->move(page);
        run->release();
    }

    QPointF basketMiddle(int basket) const
    {
        const RectD b = *basketBounds(doc, basket);
        return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    }
};

} // namespace

TEST_F(PuzzleRun, ClusterCardsGoIntoBasketsAndNowhereElse)
{
    prepareNewCluster(doc);
    const int label = doc.newObject(ObjectKind::FixedLabel, {0, 0, 1, 1}, 1, false, 0);
    GapTableContent table = gapTableContent(doc.header);
    table.rows = 3;
    table.columns = 2;
    const char* cells[3][2] = {{"Obst", "Gemüse"}, {"Apfel", "Gurke"}, {"Birne", "Kohl"}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) {
            table.cells[r][c].Art = r == 0 ? 0 : 1;
            table.cells[r][c].Text = QString::fromUtf8(cells[r][c]);
        }
    }
    applyClusterContent(doc, table);
    // An object copied before the generated ones moves them all one place on.
    doc.duplicateObject(label);
    ExerciseRun& r = started();
    ASSERT_EQ(r.queriesInRun(), 4);

    // A card whose middle is beside the baskets has no target, even where it
    // covers a card's place: it stays where it is let go, unjudged.
    int birne = -1;
    int kohl = -1;
    for (int i = 0; i < doc.objectCount(); ++i) {
        if (doc.objects[i].Text == u"Birne")
            birne = i;
        if (doc.objects[i].Text == u"Kohl")
            kohl = i;
        if (doc.objects[i].Typ == ObjectKind::ClusterQueryText)
            bounds[i] = {doc.objects[i].Kx - 0.2, doc.objects[i].Ky - 0.05, doc.objects[i].Kx + 0.2,
                         doc.objects[i].Ky + 0.05};
    }
    const int gurke = elementFor(QStringLiteral("Gurke"));
    const QPointF beside(0.99, doc.objects[kohl].Ky);
    dragTo(gurke, beside);
    EXPECT_EQ(r.wrongCount(), 0);
    EXPECT_EQ(r.dropTarget(), -1);
    const QPointF middle = r.elements()[size_t(gurke)].rect.center();
    EXPECT_NEAR(middle.x(), r.page().toArea(beside).x(), 1.0);
    EXPECT_NEAR(middle.y(), r.page().toArea(beside).y(), 1.0);

    // Into the wrong basket, then into the right ones.
    run->press(gurke, r.page().toPage(QPointF(r.elements()[size_t(gurke)].rect.center())));
    run->move(basketMiddle(1));
    EXPECT_EQ(r.highlight(), r.page().toArea(*basketBounds(doc, 1)));
    run->release();
    EXPECT_EQ(r.wrongCount(), 1);
    dragTo(gurke, basketMiddle(2));
    dragTo(elementFor(QStringLiteral("Birne")), basketMiddle(1));
    EXPECT_EQ(doc.objects[birne].Abdeckung, 0); // the card from that cell is shown
    dragTo(elementFor(QStringLiteral("Apfel")), basketMiddle(1));
    dragTo(elementFor(QStringLiteral("Kohl")), basketMiddle(2));

    EXPECT_EQ(r.correctCount(), 4);
    EXPECT_EQ(r.openCount(), 0);
    EXPECT_EQ(host.resultsShown, 1);
    EXPECT_TRUE(r.protocolDetail().contains(
        QStringLiteral("FALSCH - Text-/Bildkärtchen \"Gurke\" wird dem falschen Korb zugeordnet")));
}

TEST_F(PuzzleRun, CrossAssignmentConnectsPairsByTheirName)
{
    prepareNewPairs(doc);
    const int label = doc.newObject(ObjectKind::FixedLabel, {0, 0, 1, 1}, 1, false, 0);
    GapTableContent table = gapTableContent(doc.header);
    table.rows = 3;
    const char* cells[3][2] = {{"Hund", "bellt"}, {"Katze", "miaut"}, {"Kuh", "muht"}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c)
            table.cells[r][c].Text = QString::fromUtf8(cells[r][c]);
    }
    applyPairContent(doc, table);
    // Deleted before the run: every partner index of the layout is one too high
    // unless the run places the pairs afresh.
    doc.deleteObject(label);
    ExerciseRun& r = started();
    EXPECT_EQ(host.pairsPlaced, 1);
    ASSERT_EQ(r.queriesInRun(), 3);
    for (const ObjDataTyp& o : doc.objects) {
        ASSERT_TRUE(doc.isValidIndex(o.Partner));
        EXPECT_EQ(doc.objects[o.Partner].BildKenn, o.BildKenn);
    }
    // Placed at random: no right-hand element stands in its own row.
    for (const ObjDataTyp& o : doc.objects) {
        if (o.FrageNummer > 0) {
            EXPECT_NE(o.Ky, o.Sy);
        }
    }

    auto connect = [&](const char* first, const char* second) {
        for (const char* text : {first, second}) {
            const int element = elementFor(QString::fromUtf8(text));
            run->press(element, QPointF(0.5, 0.5));
            run->release();
        }
    };
    connect("Hund", "miaut");
    EXPECT_EQ(r.wrongCount(), 1);
    connect("bellt", "Hund");
    connect("Katze", "miaut");
    connect("Kuh", "muht");
    EXPECT_EQ(r.correctCount(), 3);
    EXPECT_EQ(host.resultsShown, 1);
    // The one with the larger Kx of a connected pair draws the line.
    for (const ObjDataTyp& o : doc.objects) {
        if (o.FrageNummer > 0) {
            EXPECT_EQ(o.Sline, kPairLine);
        }
    }
    EXPECT_TRUE(r.protocolDetail().contains(
        QStringLiteral("RICHTIG - \"bellt\" wird mit \"Hund\" verbunden")));
}

TEST_F(PuzzleRun, CrosswordLettersTypedOrDropped)
{
    prepareNewCrossword(doc);
    CrosswordContent content = crosswordContent(doc.header);
    gridCell(content.grid, 0, 0) = QStringLiteral("#W1");
    gridCell(content.grid, 1, 0) = QStringLiteral("O");
    gridCell(content.grid, 2, 0) = QStringLiteral("H");
    gridCell(content.grid, 3, 0) = QStringLiteral("R");
    applyCrosswordContent(doc, content);
    ASSERT_EQ(doc.objectCount(), 3);

    // Typed: every box is judged against its letter when the pupil checks.
    settings.generalOptions.QueryMode = QueryMode::TextEntry;
    ExerciseRun& typed = started();
    ASSERT_EQ(typed.queriesInRun(), 3);
    int check = -1;
    std::vector<int> boxes;
    for (size_t k = 0; k < typed.elements().size(); ++k) {
        const Element& e = typed.elements()[k];
        if (e.kind == ElementKind::TextBox)
            boxes.push_back(int(k));
        else if (e.kind == ElementKind::CheckButton)
            check = int(k);
    }
    ASSERT_EQ(boxes.size(), 3u);
    typed.setTypedText(boxes[0], QStringLiteral("O"));
    typed.setTypedText(boxes[1], QStringLiteral(" h "));
    typed.setTypedText(boxes[2], QStringLiteral("R"));
    typed.press(check, QPointF(0.5, 0.5));
    typed.release();
    EXPECT_EQ(typed.correctCount(), 2);
    EXPECT_EQ(typed.wrongCount(), 1);
    EXPECT_EQ(host.resultsShown, 1);
    typed.leave(false);

    // Dragged: letter cards onto the boxes.
    settings.generalOptions.QueryMode = QueryMode::Free;
    for (int i = 0; i < doc.objectCount(); ++i)
        bounds[i] = {doc.objects[i].Kx - 0.03, doc.objects[i].Ky - 0.03, doc.objects[i].Kx + 0.03,
                     doc.objects[i].Ky + 0.03};
    ExerciseRun& dropped = started();
    for (int i = 0; i < doc.objectCount(); ++i) {
        const int card = elementFor(doc.objects[i].Text);
        const RectD& b = bounds.at(i);
        const Element& e = dropped.elements()[size_t(card)];
        const PageMapping& m = dropped.page();
        dropped.press(card, m.toPage(QPointF(e.rect.center())));
        const QPointF leftMiddle = m.toArea(QPointF(b.left, (b.top + b.bottom) / 2));
        dropped.move(m.toPage(leftMiddle + QPointF(2 + e.rect.width() / 2.0, 0)));
        dropped.release();
    }
    EXPECT_EQ(dropped.correctCount(), 3);
    EXPECT_EQ(host.resultsShown, 2);
}
