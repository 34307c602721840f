#include "exercise/ui/gradingscaledialog.h"
#include "exercise/ui/foldersdialog.h"
#include "exercise/ui/optionsdialog.h"
#include "platform/prompter.h"
#include "shell/programfolders.h"
#include "shell/settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

QString checkedText(const QButtonGroup* group)
{
    return group->checkedButton() ? group->checkedButton()->text() : QString();
}

// Types text as a user would, key by key.
void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

QStringList itemTexts(const QButtonGroup* group)
{
    QStringList texts;
    for (int id = 0; group->button(id); ++id)
        texts << group->button(id)->text();
    return texts;
}

} // namespace

TEST(OptionsDialogs, AFreshInstallationStartsALabellingRunWithTheDefaults)
{
    Settings settings;
    ExerciseOptionsDialog dialog(0, settings);
    EXPECT_EQ(dialog.windowTitle(),
              QStringLiteral(
                  "Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext"));
    EXPECT_EQ(itemTexts(dialog.queryModes()),
              (QStringList{"Freie Zuordnung", "Einzelabfrage Texte/Bilder",
                           "Einzelabfrage Positionen", "Texteingabe"}));
    EXPECT_EQ(checkedText(dialog.queryModes()), QStringLiteral("Freie Zuordnung"));
    EXPECT_EQ(checkedText(dialog.timeModes()), QStringLiteral("Ohne Zeitlimit, mit Uhr"));
    EXPECT_EQ(checkedText(dialog.onCorrect()), QStringLiteral("Beschriftung einblenden"));
    EXPECT_EQ(checkedText(dialog.onWrong()),
              QStringLiteral("Beliebig viele Zuordnungsversuche erlaubt"));
    EXPECT_EQ(checkedText(dialog.cardOrder()), QStringLiteral("Zufällig gemischt"));
    EXPECT_EQ(checkedText(dialog.positionOrder()),
              QStringLiteral("Zufällig gemischt nummeriert"));
    EXPECT_EQ(dialog.minutes()->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog.seconds()->text(), QStringLiteral("0"));
    EXPECT_TRUE(dialog.showBeforeEachExercise()->isChecked());
    EXPECT_FALSE(dialog.networkPanelShown());
}

TEST(OptionsDialogs, TheGeneralDialogGrowsAndShowsTheTextEntryPanelWhenAsked)
{
    Settings settings;
    ExerciseOptionsDialog dialog(1, settings);
    dialog.show();
    EXPECT_EQ(dialog.height(), 276);
    for (const QGroupBox* box : dialog.extendedGroups())
        EXPECT_TRUE(box->isHidden());
    EXPECT_TRUE(dialog.textEntryPanel()->isHidden());

    dialog.extendButton()->click();
    EXPECT_EQ(dialog.height(), 514);
    EXPECT_EQ(dialog.extendButton()->text(), QStringLiteral("Reduziert..."));
    for (const QGroupBox* box : dialog.extendedGroups())
        EXPECT_FALSE(box->isHidden());

    // Text entry hides nothing else and shows its one further option.
    dialog.queryModes()->button(3)->click();
    EXPECT_FALSE(dialog.textEntryPanel()->isHidden());
    for (const QGroupBox* box : dialog.extendedGroups())
        EXPECT_FALSE(box->isHidden());
    dialog.queryModes()->button(2)->click();
    EXPECT_TRUE(dialog.textEntryPanel()->isHidden());

    dialog.extendButton()->click();
    EXPECT_EQ(dialog.height(), 276);
    EXPECT_EQ(dialog.extendButton()->text(), QStringLiteral("Erweitert..."));
}

TEST(OptionsDialogs, TypingALimitChoosesItAndClosingKeepsTheChoices)
{
    Settings settings;
    ExerciseOptionsDialog dialog(0, settings);
    dialog.minutes()->clear();
    typeInto(dialog.minutes(), QStringLiteral("75")); // "7" only: 75 is no minute
    typeInto(dialog.seconds(), QStringLiteral("x"));
    EXPECT_EQ(checkedText(dialog.timeModes()), QStringLiteral("Mit Zeitlimit:"));
    EXPECT_EQ(dialog.minutes()->text(), QStringLiteral("7"));
    dialog.seconds()->clear();
    dialog.queryModes()->button(3)->click();
    dialog.answerLength()->setChecked(true);
    dialog.reject(); // "Schließen" keeps what was chosen
    EXPECT_EQ(settings.generalOptions.time.TimeMode, 1);
    EXPECT_EQ(settings.generalOptions.time.minutes, 7);
    EXPECT_EQ(settings.generalOptions.time.seconds, 0); // an empty field counts as 0
    EXPECT_EQ(settings.generalOptions.QueryMode, 3);
    EXPECT_TRUE(settings.generalOptions.ShowAnswerLength);
}

TEST(OptionsDialogs, EachTypeHasItsDialogAndTheCheckBoxIsShared)
{
    Settings settings;
    const std::pair<int, const char*> titles[] = {
        {2, "Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen"},
        {3, "Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen"},
        {4, "Übungseinstellungen für Cluster-Übung"},
        {5, "Übungseinstellungen für Über-Kreuz-Zuordnung"},
        {6, "Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext"},
    };
    for (const auto& [dokTyp, title] : titles)
        EXPECT_EQ(ExerciseOptionsDialog(dokTyp, settings).windowTitle(), QString::fromUtf8(title));

    EXPECT_EQ(itemTexts(ExerciseOptionsDialog(2, settings).cardOrder()).first(),
              QStringLiteral("Alphabetisch geordnet"));
    ExerciseOptionsDialog mc(3, settings);
    EXPECT_EQ(itemTexts(mc.cardOrder()).first(), QStringLiteral("Wie vorgegeben geordnet"));
    EXPECT_EQ(mc.timeModes()->button(1)->text(), QStringLiteral("Zeitlimit von:"));

    ExerciseOptionsDialog cluster(4, settings);
    cluster.setNetworkInitiation(true);
    EXPECT_TRUE(cluster.networkPanelShown());
    cluster.showBeforeEachExercise()->setChecked(false);
    cluster.accept();
    EXPECT_FALSE(cluster.networkPanelShown());
    EXPECT_EQ(cluster.windowTitle(), QStringLiteral("Übungseinstellungen für Cluster-Übung"));
    EXPECT_EQ(cluster.result(), QDialog::Accepted);
    EXPECT_FALSE(settings.ShowOptionsDialog);
    EXPECT_FALSE(ExerciseOptionsDialog(0, settings).showBeforeEachExercise()->isChecked());

    ExerciseOptionsDialog cross(5, settings);
    cross.timeModes()->button(1)->click();
    cross.seconds()->setText(QStringLiteral("30"));
    cross.reject();
    EXPECT_EQ(settings.crossAssignTime.seconds, 30);
    EXPECT_EQ(cross.result(), QDialog::Rejected);
}

TEST(OptionsDialogs, DuringARunTheOptionsOnlySayThatTheyCannotChange)
{
    Settings settings;
    const Settings before = settings;
    ScriptedPrompter prompter;
    EXPECT_FALSE(openExerciseOptions(0, true, settings, prompter, nullptr));
    EXPECT_EQ(prompter.texts(),
              QStringList{"Die Übungseinstellungen können nicht während der Übung geändert werden."});
    EXPECT_EQ(settings.generalOptions.time.minutes, before.generalOptions.time.minutes);
}

namespace {

struct GradingFixture : ::testing::Test
{
    ScriptedPrompter prompter;
    GradingScaleDialog dialog{GradingScale{}, prompter};

    // The message of "OK", empty when the dialog closed.
    QString ok()
    {
        prompter.shown.clear();
        dialog.accept();
        return prompter.shown.empty() ? QString() : prompter.shown.back().text;
    }
};

const QString kRange = QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n");

} // namespace

TEST_F(GradingFixture, OpensWithTheStoredLimitsAndLabelsTheRowsPerScale)
{
    EXPECT_EQ(dialog.windowTitle(),
              QStringLiteral("Noten-/Punkteskala zur Bewertung der Übungsergebnisse"));
    EXPECT_EQ(dialog.gradeEdit(1)->text(), QStringLiteral("85,0"));
    EXPECT_EQ(dialog.pointsEdit(15)->text(), QStringLiteral("95,0"));
    EXPECT_FALSE(dialog.gradeEdit(6)->isEnabled());
    EXPECT_FALSE(dialog.pointsEdit(0)->isEnabled());
    EXPECT_EQ(dialog.gradeLabel(1)->text(), QStringLiteral("Note 1 - sehr gut"));
    EXPECT_EQ(dialog.gradeLabel(6)->text(), QStringLiteral("Note 6 - ungenügend"));

    dialog.selectKind(3);
    EXPECT_EQ(dialog.gradeLabel(1)->text(), QStringLiteral("Note 5 - sehr gut"));
    EXPECT_EQ(dialog.gradeLabel(5)->text(), QStringLiteral("Note 1 - mangelhaft"));
    EXPECT_EQ(dialog.gradeLabel(6)->text(), QString());
    dialog.selectKind(1);
    EXPECT_EQ(dialog.gradeLabel(5)->text(), QStringLiteral("Note 5 - mangelhaft"));
    EXPECT_EQ(dialog.gradeLabel(6)->text(), QString());
    EXPECT_EQ(dialog.gradeEdit(5)->text(), QStringLiteral("0,0"));
    dialog.selectKind(0);
    EXPECT_EQ(dialog.gradeEdit(5)->text(), QStringLiteral("25,0"));
    dialog.selectKind(4);
    for (int k = 0; k <= 15; ++k)
        EXPECT_EQ(dialog.pointsRowShown(k), k <= 12) << k;
    dialog.selectKind(2);
    EXPECT_TRUE(dialog.pointsRowShown(15));
}

TEST_F(GradingFixture, OkChecksGradesFirstThenPointsAndStopsAtTheFirstFailure)
{
    struct Case
    {
        int kind;
        std::vector<std::pair<int, const char*>> grades;
        std::vector<std::pair<int, const char*>> points;
        QString message;
    };
    const Case cases[] = {
        {0, {{2, "70"}, {3, "75"}}, {}, kRange + "Der Wert für Note 2 darf nicht kleiner sein als "
                                                 "der Wert für Note 3."},
        {0, {{1, "101"}}, {{5, "10"}}, kRange + "Der Wert für Note 1 darf nicht kleiner sein als "
                                                 "der Wert für Note 2."},
        {0, {{4, "vierzig"}}, {}, kRange + "Der Wert für Note 4 darf nicht kleiner sein als der "
                                            "Wert für Note 5."},
        {2, {}, {{5, "39,9"}}, kRange + "Der Wert für 5 Punkte darf nicht kleiner sein als der "
                                        "Wert für 4 Punkte."},
        {2, {}, {{15, "-1"}}, kRange + "Der Wert für 15 Punkte darf nicht kleiner sein als der "
                                       "Wert für 14 Punkte."},
        // Rows hidden on the 0-to-12 scale are not checked.
        {4, {}, {{14, "5"}}, QString()},
        {1, {{5, "0"}}, {{1, "0"}}, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        GradingScaleDialog fresh(GradingScale{}, prompter);
        fresh.selectKind(c.kind);
        for (const auto& [row, text] : c.grades)
            fresh.gradeEdit(row)->setText(QString::fromUtf8(text));
        for (const auto& [k, text] : c.points)
            fresh.pointsEdit(k)->setText(QString::fromUtf8(text));
        prompter.shown.clear();
        fresh.accept();
        EXPECT_EQ((prompter.shown.empty() ? QString() : prompter.shown.back().text).toStdString(),
                  c.message.toStdString());
        EXPECT_EQ(fresh.result(), c.message.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
    }
}

TEST_F(GradingFixture, OkTakesTheEntriesAsFractions)
{
    dialog.selectKind(2);
    dialog.gradeEdit(2)->setText(QStringLiteral("72,5"));
    dialog.pointsEdit(15)->setText(QStringLiteral("97.5"));
    EXPECT_EQ(ok(), QString());
    EXPECT_EQ(dialog.scale().GradingScaleKind, 2);
    EXPECT_DOUBLE_EQ(dialog.scale().GradeThreshold[2], 0.725);
    EXPECT_DOUBLE_EQ(dialog.scale().PointsThreshold[15], 0.975);
    EXPECT_DOUBLE_EQ(dialog.scale().GradeThreshold[6], 0.0);
    EXPECT_DOUBLE_EQ(dialog.scale().PointsThreshold[16], 1.0);
}

TEST(FoldersDialog, ChecksTheFoldersInItsOrderAndAddsTheSeparator)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("a"));
    const QString good = dir.filePath(QStringLiteral("a"));
    const QString bad = dir.filePath(QStringLiteral("fehlt"));
    ScriptedPrompter prompter;
    FolderSettings start{good, good, good, good, good};
    FoldersDialog dialog(start, prompter);

    // Every entry bad: the chronicle is named first, then the others in order.
    const std::pair<FoldersDialog::Field, const char*> order[] = {
        {FoldersDialog::Chronicle, "Der angegebene Ordner für die Chronik-Screenshots ist ungültig."},
        {FoldersDialog::Protocols, "Der angegebene Ordner für die Protokolle ist ungültig."},
        {FoldersDialog::BestLists, "Der angegebene Ordner für die Bestenlisten ist ungültig."},
        {FoldersDialog::Exchange, "Der angegebene Ordner für die Tauschbörse ist ungültig."},
        {FoldersDialog::Gallery, "Der angegebene Ordner für die Bildergalerie ist ungültig."},
    };
    for (const auto& [field, message] : order)
        dialog.field(field)->setText(field == FoldersDialog::Protocols ? QString() : bad);
    for (const auto& [field, message] : order) {
        prompter.shown.clear();
        dialog.accept();
        ASSERT_EQ(prompter.texts(), QStringList{QString::fromUtf8(message)});
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        dialog.field(field)->setText(good);
    }
    prompter.shown.clear();
    dialog.accept();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.folders().gallery, good + u'/');
    EXPECT_EQ(dialog.field(FoldersDialog::BestLists)->text(), good + u'/');

    prompter.files.push_back(bad);
    dialog.browse(FoldersDialog::Exchange);
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Ordner für Tauschbörse festlegen"));
    EXPECT_EQ(dialog.field(FoldersDialog::Exchange)->text(), bad);
}

TEST(FoldersDialog, AcceptsTheDefaultFoldersOfAFreshStart)
{
    // The defaults point into the resource folder (gallery) and the user's data
    // folder; on a fresh start every one of them must exist, or OK could never
    // be pressed without choosing folders first.
    QTemporaryDir data;
    const ProgramFolders folders =
        ProgramFolders::below(QStringLiteral(VELUNTO_SOURCE_DIR "/data"), data.path());
    folders.createWritableFolders();
    const FolderSettings d = Settings::defaults(folders).folders;
    std::array<QString, 5> entries{d.bestList, d.protocol, d.chronicle, d.exchange, d.gallery};
    EXPECT_TRUE(std::holds_alternative<FolderSettings>(FoldersDialog::check(entries)));
}
