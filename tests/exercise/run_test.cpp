// Whole runs of labelling exercises without a window.

#include "runfixture.h"

#include "content/contentregistry.h"

#include <stdexcept>

using namespace velunto;
using namespace velunto::testing;

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST_F(RunFixture, FreeAssignmentWithAWrongAndRightDrops)
{
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    const int fixed = label("Obst", 0.5, 0.9, ObjectKind::FixedLabel);
    ExerciseRun& r = started();
    EXPECT_EQ(host.started, 1);
    EXPECT_EQ(state(a), ExerciseState::Open);
    EXPECT_EQ(state(fixed), -1);
    EXPECT_EQ(r.instruction(), u("Ziehe die Kärtchen an die jeweils richtige Position!"));
    EXPECT_EQ(r.status().total, u("von  2"));

    // A wrong drop: the card slides home, the position stays open.
    const int card = cardFor(a);
    const QRect home = r.elements()[size_t(card)].rect;
    drop(card, b);
    EXPECT_EQ(r.elements()[size_t(card)].rect, home);
    EXPECT_EQ(state(b), ExerciseState::Open);
    EXPECT_EQ(doc.objects[b].exerciseCounters[0], 1); // FehlversucheZiel
    EXPECT_EQ(doc.objects[a].exerciseCounters[1], 1); // FehlversucheKarte
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_TRUE(sound.played[0].file.endsWith(QStringLiteral("/falsch1.wav")));
    EXPECT_TRUE(sound.played[0].wait);
    EXPECT_EQ(r.status().wrong, u("1"));
    EXPECT_EQ(r.status().success, u("0.0 %"));
    EXPECT_EQ(r.dropTarget(), -1);

    drop(cardFor(a), a);
    EXPECT_EQ(state(a), ExerciseState::Solved);
    EXPECT_EQ(cardFor(a), -1) << "a placed card is gone";
    EXPECT_FALSE(sound.played.back().wait);
    EXPECT_EQ(pauses.waits.back(), 750);
    EXPECT_EQ(r.status().success, u("50.0 %"));
    EXPECT_EQ(r.status().performance, u("33.3 %"));

    clock.ms += 64000;
    drop(cardFor(b), b);
    EXPECT_EQ(r.endReason(), EndReason::Finished);
    EXPECT_EQ(host.resultsShown, 1);
    EXPECT_EQ(host.protocols, 1);
    const ExerciseResult& result = r.result();
    EXPECT_EQ(result.correct, u("2  von  2"));
    EXPECT_EQ(result.wrong, u("1"));
    EXPECT_EQ(result.success, u("66.7 %"));
    EXPECT_EQ(result.performance, u("66.7 %"));
    EXPECT_EQ(result.open, u("0"));
    EXPECT_EQ(result.timeLabel, u("Benötigte Zeit:"));
    EXPECT_EQ(result.time, u("01:05"));
    EXPECT_EQ(result.grade, u("3"));
    EXPECT_EQ(result.rating, u("befriedigend"));
    EXPECT_EQ(result.gradeLabel, u("Note:"));
    EXPECT_TRUE(result.partialRepeatOffered);
    EXPECT_TRUE(result.bestListOffered);
    EXPECT_EQ(r.protocolDetailLines(),
              QStringList({u("00:00 - Übung wird gestartet"),
                           u("00:00 - FALSCH - Text-/Bildkärtchen \"Apfel\" wird der Position von "
                             "\"Birne\" zugeordnet"),
                           u("00:00 - RICHTIG - Text-/Bildkärtchen \"Apfel\" wird der richtigen "
                             "Position zugeordnet"),
                           u("01:05 - RICHTIG - Text-/Bildkärtchen \"Birne\" wird der richtigen "
                             "Position zugeordnet")}));

    r.closeResult();
    EXPECT_FALSE(r.isActive());
    EXPECT_EQ(host.left, 1);
    EXPECT_EQ(state(a), ExerciseState::Solved);
    EXPECT_TRUE(r.elements().empty());
}

TEST_F(RunFixture, WhatRightAndWrongLeaveAtThePosition)
{
    struct Case
    {
        int onCorrect, onWrong;
        int afterRight, afterWrong;
    };
    const Case cases[] = {{0, 0, ExerciseState::Solved, ExerciseState::Open},
                          {1, 1, ExerciseState::Tick, ExerciseState::Cross}};
    for (const Case& c : cases) {
        doc.objects.clear();
        bounds.clear();
        run.reset();
        settings.generalOptions.OnCorrect = c.onCorrect;
        settings.generalOptions.OnWrong = c.onWrong;
        const int a = label("Apfel", 0.2, 0.2);
        const int b = label("Birne", 0.6, 0.5);
        ExerciseRun& r = started();
        drop(cardFor(a), b);
        EXPECT_EQ(state(b), c.afterWrong) << c.onWrong;
        drop(cardFor(a), a);
        EXPECT_EQ(state(a), c.afterRight) << c.onCorrect;
        if (c.onWrong == 1) {
            // The crossed position takes no further card; the run ends with
            // the card of Birne left over.
            EXPECT_EQ(r.endReason(), EndReason::Finished);
            EXPECT_GE(cardFor(b), 0);
            EXPECT_EQ(r.result().correct, u("1  von  2"));
        } else {
            drop(cardFor(b), b);
            EXPECT_EQ(r.endReason(), EndReason::Finished);
        }
    }
}

TEST_F(RunFixture, EqualTextsAndEqualPictureIdentifiersAreInterchangeable)
{
    const int river1 = label("Fluss", 0.2, 0.2);
    const int river2 = label("Fluss", 0.7, 0.2);
    const int pictureA = label("NEU", 0.2, 0.6, ObjectKind::QueryImage);
    const int pictureB = label("NEU", 0.5, 0.6, ObjectKind::QueryImage);
    const int pictureC = label("Bild", 0.8, 0.6, ObjectKind::QueryImage);
    const int pictureD = label("Bild", 0.8, 0.9, ObjectKind::QueryImage);
    doc.objects[pictureA].BildKenn = QStringLiteral("Ahorn");
    doc.objects[pictureB].BildKenn = QStringLiteral(" Ahorn");
    doc.objects[pictureB].BildKenn = QStringLiteral("Ahorn");
    ExerciseRun& r = started();

    drop(cardFor(river1), river2);
    EXPECT_EQ(state(river2), ExerciseState::Solved);
    drop(cardFor(pictureA), pictureB);
    EXPECT_EQ(state(pictureB), ExerciseState::Solved);
    // Without an identifier every picture is its own.
    drop(cardFor(pictureC), pictureD);
    EXPECT_EQ(state(pictureD), ExerciseState::Open);
    EXPECT_EQ(r.correctCount(), 2.0);
    EXPECT_EQ(r.wrongCount(), 1.0);
    EXPECT_EQ(r.comparisonText(pictureA), u("Ahorn (Bildkennung)"));
    EXPECT_TRUE(r.comparisonText(pictureC).endsWith(u(" (Zufallskennung für Bild)")));
    EXPECT_NE(r.comparisonText(pictureC), r.comparisonText(pictureD));
    EXPECT_TRUE(r.protocolDetailLines().last().contains(r.comparisonText(pictureC)));
    // The run never writes its keys into the document.
    EXPECT_EQ(doc.objects[pictureA].Text, u("NEU"));
    EXPECT_EQ(doc.objects[pictureC].Text, u("Bild"));
}

TEST_F(RunFixture, SingleCardsOfferOneCardAtATime)
{
    settings.generalOptions.QueryMode = QueryMode::SingleCards;
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    ExerciseRun& r = started();
    const auto visibleCards = [&] {
        std::vector<int> objects;
        for (const Element& e : r.elements())
            if (e.takesPart())
                objects.push_back(e.object);
        return objects;
    };
    EXPECT_EQ(visibleCards(), std::vector<int>{a});
    EXPECT_EQ(r.protocolDetailLines().last(),
              u("00:00 - Text-/Bildkärtchen \"Apfel\" soll der richtigen Position zugeordnet "
                "werden"));
    const Element& card = r.elements()[size_t(cardFor(a))];
    EXPECT_EQ(card.rect.right(), 999);
    EXPECT_EQ(card.rect.top(), (700 - 46) / 2);

    drop(cardFor(a), b); // wrong: the card waits, then Birne comes
    EXPECT_EQ(pauses.waits.back(), 900);
    EXPECT_EQ(visibleCards(), std::vector<int>{b});
    drop(cardFor(b), b);
    EXPECT_EQ(visibleCards(), std::vector<int>{a}) << "the missed card comes again";
    EXPECT_TRUE(r.protocolDetailLines()[4].endsWith(
        u("RICHTIG - Text-/Bildkärtchen \"Birne\" wird richtig zugeordnet")));
    drop(cardFor(a), a);
    EXPECT_EQ(r.endReason(), EndReason::Finished);
}

TEST_F(RunFixture, SinglePositionsAskTheMarkedPositionOnly)
{
    settings.generalOptions.QueryMode = QueryMode::SinglePositions;
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    ExerciseRun& r = started();
    EXPECT_EQ(r.markedTarget(), a); // ordered top to bottom
    EXPECT_EQ(r.protocolDetailLines().last(),
              u("00:00 - Der Position \"Apfel\" soll das richtige Text- oder Bildkärtchen "
                "zugeordnet werden"));
    const int lines = int(r.protocolDetailLines().size());
    drop(cardFor(b), b); // not the marked position: no target, nothing judged
    EXPECT_EQ(r.protocolDetailLines().size(), lines);
    EXPECT_EQ(state(b), ExerciseState::Open);
    drop(cardFor(b), a);
    EXPECT_TRUE(r.protocolDetailLines()[lines].endsWith(
        u("FALSCH - Der Position von \"Apfel\" wird das Text-/Bildkärtchen \"Birne\" zugeordnet")));
    EXPECT_EQ(r.markedTarget(), b) << "the next position comes after every judgement";
    drop(cardFor(b), b);
    EXPECT_TRUE(r.protocolDetailLines()[lines + 2].endsWith(
        u("RICHTIG - Der Position von \"Birne\" wird das richtige Text-/Bildkärtchen zugeordnet")));
    EXPECT_EQ(r.markedTarget(), a);
    drop(cardFor(a), a);
    EXPECT_EQ(r.endReason(), EndReason::Finished);
}

TEST_F(RunFixture, TextEntryJudgesEveryBoxAtOnce)
{
    settings.generalOptions.QueryMode = QueryMode::TextEntry;
    settings.generalOptions.ShowAnswerLength = true;
    const int house = label("Haus", 0.2, 0.2);
    const int tree = label("Baum", 0.4, 0.3);
    const int gap = label("Haus", 0.6, 0.4, ObjectKind::GapCard);
    const int gap2 = label("Haus", 0.6, 0.6, ObjectKind::GapCard);
    const int mouse = label("Maus", 0.8, 0.8);
    const int picture = label("Bild", 0.5, 0.9, ObjectKind::QueryImage);
    doc.objects[gap].BildKenn = QStringLiteral("|Haus| Gebäude |");
    doc.objects[gap2].BildKenn = QStringLiteral("|Haus|Gebäude|");
    const int objectsBefore = doc.objectCount();
    ExerciseRun& r = started();

    EXPECT_EQ(doc.objectCount(), objectsBefore + 1) << "the check button object";
    EXPECT_EQ(state(picture), ExerciseState::Solved) << "pictures are not typed";
    EXPECT_EQ(r.queriesInRun(), 5);
    const auto box = [&](int object) { return r.elementOfObject(object); };
    const Element& mouseBox = r.elements()[size_t(box(mouse))];
    EXPECT_EQ(mouseBox.kind, ElementKind::TextBox);
    EXPECT_EQ(mouseBox.hint, u("<4>"));
    EXPECT_TRUE(mouseBox.typed.isEmpty()) << "the hint is no text";
    r.setTypedText(box(house), u("  Haus "));
    r.setTypedText(box(tree), u("baum"));
    r.setTypedText(box(gap), u("Gebäude"));
    r.setTypedText(box(gap2), u("Haus|Gebäude"));

    int button = -1;
    for (size_t k = 0; k < r.elements().size(); ++k)
        if (r.elements()[k].kind == ElementKind::CheckButton)
            button = int(k);
    ASSERT_GE(button, 0);
    EXPECT_EQ(r.elements()[size_t(button)].rect.bottomRight(), QPoint(998, 698));
    r.click(button);

    const QStringList lines = r.protocolDetailLines().mid(1);
    EXPECT_EQ(lines,
              QStringList({u("00:00 - RICHTIG - Texteingabe \"Haus\" wurde richtig eingegeben"),
                           u("00:00 - FALSCH - Texteingabe \"baum\" statt \"Baum\" eingegeben"),
                           u("00:00 - RICHTIG - alternative Texteingabe \"Gebäude\" für \"Haus\" "
                             "eingegeben"),
                           u("00:00 - FALSCH - Texteingabe \"Haus|Gebäude\" statt \"Haus\" "
                             "eingegeben"),
                           u("00:00 - FALSCH - Texteingabe \"\" statt \"Maus\" eingegeben")}));
    EXPECT_EQ(r.correctCount(), 2.0);
    EXPECT_EQ(r.wrongCount(), 3.0);
    EXPECT_EQ(r.elements()[size_t(box(tree))].colour, kWrongColour);
    EXPECT_EQ(r.elements()[size_t(box(gap))].colour, kRightColour);
    EXPECT_EQ(doc.objects[mouse].exerciseCounters[0], 1);
    EXPECT_EQ(r.endReason(), EndReason::Finished);

    r.closeResult();
    EXPECT_EQ(doc.objectCount(), objectsBefore) << "the check button never stays";
}

TEST_F(RunFixture, TimeLimitEndsAtZeroAndReportsTheTypedResultOnce)
{
    settings.generalOptions.QueryMode = QueryMode::TextEntry;
    settings.generalOptions.time = {TimeMode::Limit, 3, 0};
    const int house = label("Haus", 0.2, 0.2);
    label("Baum", 0.4, 0.3);
    make();
    run->setJoinedOptions(snapshotOptions(settings, DokTyp::Free), u("Ben"), clock.now());
    ExerciseRun& r = started(0, ExerciseKind::NetworkParticipant);
    EXPECT_EQ(r.status().clock, u("03:00"));
    EXPECT_EQ(r.status().clockLabel, u("Verbleibende Zeit:"));
    r.setTypedText(r.elementOfObject(house), u("Haus"));

    clock.ms += 179999;
    r.clockTick();
    EXPECT_EQ(r.status().clock, u("00:01"));
    EXPECT_EQ(r.endReason(), EndReason::Running);
    clock.ms += 1;
    r.clockTick();
    EXPECT_EQ(r.status().clock, u("00:00"));
    EXPECT_EQ(r.endReason(), EndReason::TimeLimit);
    EXPECT_TRUE(
        prompter.texts().contains(u("Das Zeitlimit ist erreicht, die Übung wird beendet.")));
    EXPECT_TRUE(r.protocolDetailLines().contains(
        u("03:00 - Das Zeitlimit ist erreicht, die Übung wird beendet.")));
    EXPECT_EQ(r.correctCount(), 1.0);
    ASSERT_EQ(network.finishes.size(), 1u) << "the end is reported once";
    EXPECT_EQ(network.finishes[0], std::make_pair(3, u("00:00")));
    ASSERT_EQ(network.results.size(), 1u);
    EXPECT_DOUBLE_EQ(network.results[0], 0.5) << "the report carries the typed result";
    EXPECT_EQ(network.actions.size(), 2u) << "one report per box";
    EXPECT_EQ(host.resultsShown, 1) << "a participant always sees the result";
    EXPECT_EQ(r.result().timeLabel, u("Verbliebene Zeit:"));
    r.clockTick();
    EXPECT_EQ(network.finishes.size(), 1u);
}

TEST_F(RunFixture, PartialRepeatAsksWhatWasNotSolvedAtOnce)
{
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    const int c = label("Kirsche", 0.4, 0.8);
    ExerciseRun& r = started();
    drop(cardFor(a), b);
    for (int i : {a, b, c})
        drop(cardFor(i), i);
    ASSERT_TRUE(r.result().partialRepeatOffered);

    r.repeat(1);
    EXPECT_EQ(r.endReason(), EndReason::Running);
    EXPECT_EQ(r.queriesInRun(), 2);
    EXPECT_EQ(r.queriesInDocument(), 3);
    EXPECT_EQ(state(a), ExerciseState::Open);
    EXPECT_EQ(state(b), ExerciseState::Open);
    EXPECT_EQ(state(c), ExerciseState::Solved);
    EXPECT_EQ(cardFor(c), -1);
    drop(cardFor(a), a);
    drop(cardFor(b), b);
    EXPECT_EQ(r.endReason(), EndReason::Finished);
    EXPECT_FALSE(r.result().bestListOffered);
    EXPECT_FALSE(r.result().partialRepeatOffered);

    r.repeat(0); // complete again
    EXPECT_EQ(r.queriesInRun(), 3);
    EXPECT_EQ(r.queriesInDocument(), 3);
}

TEST_F(RunFixture, AStartThatFailsHalfWayLeavesNothingBehind)
{
    settings.generalOptions.QueryMode = QueryMode::TextEntry;
    settings.options.AskParticipantName = true;
    label("Apfel", 0.2, 0.2);
    label("Birne", 0.6, 0.5);
    const std::vector<ObjDataTyp> before = doc.objects;
    make();

    host.onAskName = [] { throw std::runtime_error("Speicher voll"); };
    EXPECT_FALSE(run->start(false, 0, ExerciseKind::Individual));
    EXPECT_EQ(prompter.texts(), QStringList{u("Fehler aufgetreten (Speicher voll)")});

    host.onAskName = nullptr;
    host.name.reset(); // the name dialog cancelled
    EXPECT_FALSE(run->start(false, 0, ExerciseKind::Individual));
    EXPECT_EQ(prompter.texts().size(), 1);

    EXPECT_FALSE(run->isActive());
    EXPECT_EQ(host.started, 0);
    ASSERT_EQ(doc.objectCount(), int(before.size()));
    for (int i = 0; i < doc.objectCount(); ++i) {
        EXPECT_EQ(doc.objects[i].Abdeckung, before[i].Abdeckung);
        EXPECT_EQ(doc.objects[i].Nummer, before[i].Nummer);
    }
    EXPECT_FALSE(doc.isModified());
}

TEST_F(RunFixture, ADocumentWithoutQueries)
{
    label("Obst", 0.5, 0.5, ObjectKind::FixedLabel);
    make();
    EXPECT_FALSE(run->start(false, 0, ExerciseKind::Individual));
    EXPECT_EQ(prompter.texts(), QStringList{u("Dieses Dokument enthält keine Abfrageobjekte.")});

    // A series part goes on and ends at once, with an empty OrderTable.
    EXPECT_TRUE(run->start(false, 0, ExerciseKind::SeriesPart));
    EXPECT_TRUE(run->orderTable().empty());
    EXPECT_EQ(run->endReason(), EndReason::Finished);
}

TEST_F(RunFixture, ASubTypeAsksTheKindsItRegistered)
{
    // A type whose sub-type 7 asks fixed labels; every other sub-type asks
    // query labels.
    const int dokTyp = 40;
    ContentType whole;
    whole.dokTyp = dokTyp;
    whole.askedKinds = {ObjectKind::QueryLabel};
    ContentType seven;
    seven.dokTyp = dokTyp;
    seven.dokUnterTyp = 7;
    seven.askedKinds = {ObjectKind::FixedLabel};
    const ScopedContentType a(whole), b(seven);
    doc.header.DokTyp = dokTyp;
    const int fixed = label("Obst", 0.3, 0.3, ObjectKind::FixedLabel);
    label("Gemüse", 0.6, 0.6);
    label("Brot", 0.6, 0.8);

    for (const auto& [subType, asked] : {std::pair{7, 1}, std::pair{0, 2}}) {
        doc.header.DokUnterTyp = subType;
        ExerciseRun& r = started();
        EXPECT_EQ(r.queriesInRun(), asked) << "sub-type " << subType;
        EXPECT_EQ(doc.objects[fixed].Abdeckung == ExerciseState::Open, subType == 7);
        r.leave(false);
    }
}

TEST_F(RunFixture, LeavingAskesWhileTheRunIsUnfinished)
{
    const int a = label("Apfel", 0.2, 0.2);
    label("Birne", 0.6, 0.5);
    ExerciseRun& r = started();
    prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    EXPECT_FALSE(r.leave());
    EXPECT_TRUE(r.isActive());
    EXPECT_EQ(prompter.shown.back().text,
              u("Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?"));
    // Starting anew asks the same.
    EXPECT_TRUE(r.leave());
    EXPECT_FALSE(r.isActive());
    EXPECT_EQ(state(a), ExerciseState::Solved);
    EXPECT_EQ(host.left, 1);
    EXPECT_TRUE(r.confirmCancel()) << "nothing runs: no question";
    EXPECT_EQ(prompter.shown.size(), 2u);
}

TEST_F(RunFixture, TheKeyboardTakesChoosesAndDropsACard)
{
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    const int c = label("Kirsche", 0.4, 0.8);
    ExerciseRun& r = started();
    EXPECT_EQ(doc.objects[b].Nummer, 2);

    const int card = cardFor(a);
    const QRect home = r.elements()[size_t(card)].rect;
    ASSERT_TRUE(r.takeCard(card));
    r.typeTargetLabel(u'2');
    EXPECT_EQ(r.dropTarget(), b);
    EXPECT_FALSE(r.highlight().isEmpty());
    r.dropCarried();
    EXPECT_EQ(r.wrongCount(), 1.0) << "judged like a drop";
    EXPECT_EQ(r.elements()[size_t(card)].rect, home);
    EXPECT_FALSE(r.carrying());

    // Esc puts the card back without a judgement.
    ASSERT_TRUE(r.takeCard(card));
    r.chooseNextTarget(+1);
    EXPECT_EQ(r.dropTarget(), a);
    r.chooseNextTarget(+1);
    r.chooseNextTarget(+1);
    EXPECT_EQ(r.dropTarget(), c) << "reading order: top to bottom";
    r.putBack();
    EXPECT_EQ(r.elements()[size_t(card)].rect, home);
    EXPECT_EQ(r.dropTarget(), -1);
    EXPECT_EQ(r.wrongCount(), 1.0);

    ASSERT_TRUE(r.takeCard(card));
    r.chooseNextTarget(-1);
    r.chooseNextTarget(-1);
    r.chooseNextTarget(-1);
    r.typeTargetLabel(u'1');
    r.dropCarried();
    EXPECT_EQ(state(a), ExerciseState::Solved);
}

TEST_F(RunFixture, SoundsFollowTheSettings)
{
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    settings.options.SoundOn = false;
    ExerciseRun& r = started();
    drop(cardFor(a), b);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(sound.stops, 1);

    settings.options.SoundOn = true;
    settings.feedback.WrongSoundFile = u("fehlt.mp3");
    drop(cardFor(a), b);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(prompter.texts(), QStringList{u("Sounddatei \"fehlt.wav\" nicht gefunden.")});
    EXPECT_EQ(r.wrongCount(), 2.0) << "the judgement goes on";
}

TEST_F(RunFixture, StatusFigures)
{
    struct Case
    {
        int onWrong, timeMode;
        const char* wrong;
        bool clock;
    };
    // Without feedback (a series mode) the figures stay hidden.
    const Case cases[] = {{0, TimeMode::Clock, "1", true}, {2, TimeMode::NoClock, "?", false}};
    for (const Case& c : cases) {
        doc.objects.clear();
        bounds.clear();
        run.reset();
        const int a = label("Apfel", 0.2, 0.2);
        const int b = label("Birne", 0.6, 0.5);
        make();
        SeriesItemOptions item;
        item.exerciseMode = c.onWrong == 2 ? 2 : 0;
        run->setSeriesItem(item);
        settings.generalOptions.time.TimeMode = c.timeMode;
        ExerciseRun& r = started(0, c.onWrong == 2 ? ExerciseKind::SeriesPart : 0);
        drop(cardFor(a), b);
        EXPECT_EQ(r.status().wrong, u(c.wrong));
        EXPECT_EQ(r.status().name, u("-"));
        EXPECT_EQ(r.status().clockShown, c.clock || c.onWrong == 2);
    }
}

TEST_F(RunFixture, NetworkParticipantReportsEveryAction)
{
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    make();
    run->setJoinedOptions(snapshotOptions(settings, DokTyp::Free), u("Ben"),
                          QDateTime(QDate(2024, 5, 6), QTime(8, 5, 9)));
    ExerciseRun& r = started(0, ExerciseKind::NetworkParticipant);
    EXPECT_EQ(r.status().name, u("Ben"));
    drop(cardFor(a), b);
    clock.ms += 3000;
    drop(cardFor(a), a);
    ASSERT_EQ(network.actions.size(), 2u);
    EXPECT_EQ(network.actions[0],
              QStringList({QString::number(b), u("-5"), u("1"), u("0"), u("08:05:09"), u("2"),
                           u("0"), u("1"), u("2"), u("00:00"), u("0.0"), u("0.0"), u("6")}));
    EXPECT_EQ(network.actions[1][1], u("0"));
    EXPECT_EQ(network.actions[1][9], u("00:03"));
    EXPECT_EQ(network.actions[1][11], u("33.3"));

    // Cancelling reports the end as cancelled.
    prompter.answers = {Prompter::Answer::Yes};
    EXPECT_TRUE(r.leave());
    ASSERT_EQ(network.finishes.size(), 1u);
    EXPECT_EQ(network.finishes[0].first, EndReason::Cancelled);
    EXPECT_TRUE(network.results.empty());
}

TEST_F(RunFixture, PositionsAreNumberedOrShownAsQuestionMarks)
{
    const int a = label("Apfel", 0.5, 0.6);
    const int b = label("Birne", 0.6, 0.2);
    const int c = label("Kirsche", 0.2, 0.2);
    ExerciseRun& r = started();
    EXPECT_EQ(doc.objects[c].Nummer, 1);
    EXPECT_EQ(doc.objects[b].Nummer, 2);
    EXPECT_EQ(doc.objects[a].Nummer, 3);
    prompter.answers = {Prompter::Answer::Yes};
    r.leave();
    settings.generalOptions.PositionOrder = 2;
    started();
    for (int i : {a, b, c})
        EXPECT_EQ(doc.objects[i].Nummer, 0);
}

TEST_F(RunFixture, ANewAreaSizeRestacksTheColumnAndKeepsCardsOverThePage)
{
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    ExerciseRun& r = started();
    // Birne's card is let go over the page where no position is.
    const int card = cardFor(b);
    const Element& e = r.elements()[size_t(card)];
    r.press(card, r.page().toPage(QPointF(e.rect.center())));
    r.move(QPointF(0.5, 0.9));
    r.release();
    const QPointF pagePoint = r.page().toPage(QPointF(r.elements()[size_t(card)].rect.topLeft()));

    r.setAreaSize(QSize(1400, 600));
    const Element& other = r.elements()[size_t(cardFor(a))];
    EXPECT_EQ(other.rect.topLeft(), QPoint(1400 - kCardWidth, 600 - kCardHeight));
    EXPECT_EQ(r.pageEnd(), 1400 - kCardWidth - kPageGap);
    const QPointF after = r.page().toPage(QPointF(r.elements()[size_t(card)].rect.topLeft()));
    EXPECT_NEAR(after.x(), pagePoint.x(), 0.01);
    EXPECT_NEAR(after.y(), pagePoint.y(), 0.01);
    drop(cardFor(a), a);
    EXPECT_EQ(state(a), ExerciseState::Solved) << "drops still find their targets";
}
