#include "common/filemessages.h"
#include "exercise/protocol.h"
#include "print/formattedtext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

ProtocolRunData labellingRun()
{
    ProtocolRunData run;
    run.start = QDateTime(QDate(2024, 3, 5), QTime(9, 5, 7));
    run.participantName = QStringLiteral("Mia");
    run.computer = QStringLiteral("PC-07");
    run.user = QStringLiteral("schueler");
    run.title = QStringLiteral("Die Teile der Blüte");
    run.documentPath = QStringLiteral("/home/lehrer/Themen/bluete.vlt");
    run.documentTypeName = QStringLiteral("Freie Text-Bild-/Bild-Text-Zuordnung");
    run.queriesInRun = run.queriesInDocument = 12;
    run.timeMode = 1;
    run.timeLimitSeconds = 90;
    run.cardOrder = 1;
    run.positionOrder = 1;
    return run;
}

ProtocolResult someResult()
{
    ProtocolResult r;
    r.right = QStringLiteral("10 von 12");
    r.wrong = QStringLiteral("2");
    r.quote = QStringLiteral("83.3 %");
    r.openCount = 2;
    r.timeLabel = QStringLiteral("Verbliebene Zeit:");
    r.clock = QStringLiteral("00:12");
    r.total = QStringLiteral("71.4 %");
    r.ratingWord = QStringLiteral("gut");
    r.scaleWord = QStringLiteral("Note");
    r.grade = 2;
    r.weight = QStringLiteral("2");
    return r;
}

QStringList labels(const QString& text)
{
    QStringList result;
    for (const QString& line : text.split(QStringLiteral("\r\n")))
        result << line.section(u'\t', 0, 0);
    return result;
}

} // namespace

TEST(Protocol, DurationsNameOnlyTheUnitsNeeded)
{
    const std::pair<int, const char*> cases[] = {
        {90, "1 Min. 30 Sek."}, {180, "3 Min. 0 Sek."},         {45, "45 Sek."},
        {0, "0 Sek."},          {3605, "1 Std. 0 Min. 5 Sek."}, {7322, "2 Std. 2 Min. 2 Sek."},
        {-5, "0 Sek."},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(protocolDuration(seconds), QString::fromUtf8(text)) << seconds;
}

TEST(Protocol, HeadOfAnIndividualLabellingRun)
{
    EXPECT_EQ(protocolHead(labellingRun(), someResult()),
              QStringLiteral("<tit>Übungsprotokoll\r\n"
                             "Datum/Uhrzeit (Beginn):\t05.03.2024 09:05:07\r\n"
                             "Teilnehmername:\tMia\r\n"
                             "Rechnername:\tPC-07\r\n"
                             "Rechnerbenutzer:\tschueler\r\n"
                             "Übungsart:\tIndividual-Übung\r\n"
                             "\r\n"
                             "<tit>Übungseinstellungen\r\n"
                             "Titel:\tDie Teile der Blüte\r\n"
                             "Datei:\tbluete.vlt\r\n"
                             "Dokumententyp:\tFreie Text-Bild-/Bild-Text-Zuordnung\r\n"
                             "Übungsumfang:\t12 Abfragen (komplette Übung)\r\n"
                             "Abfragemodus:\tfreie Zuordnung in beliebiger Reihenfolge\r\n"
                             "Zeitlimit:\tja, 1 Min. 30 Sek.\r\n"
                             "Verhalten bei richtiger Zuordnung:\tBeschriftung einblenden\r\n"
                             "Verhalten bei Fehlversuch:\tbeliebig viele Zuordnungsversuche "
                             "erlaubt\r\n"
                             "Zuordnungstexte:\tzufällig gemischt\r\n"
                             "Zuordnungsziele (Positionen):\tzufällig gemischt nummeriert\r\n"
                             "Notengrenzen bzgl. Gesamtleistung:\t85.0% / 70.0% / 55.0% / 40.0% / "
                             "25.0% / 0.0%\r\n"
                             "\r\n"
                             "<tit>Statistik-Zusammenfassung\r\n"
                             "Richtig zugeordnet:\t10 von 12\r\n"
                             "Fehlversuche:\t2\r\n"
                             "Erfolgsquote:\t83.3 %\r\n"
                             "Offene Positionen:\t2\r\n"
                             "Verbliebene Zeit:\t00:12\r\n"
                             "Gesamtleistung:\t71.4 %\r\n"
                             "Bewertung:\tgut\r\n"
                             "Note:\t2\r\n"
                             "\r\n"
                             "<tit>Detaillierter Ablauf\r\n"));
}

// Which setting lines each document type and kind of run writes.
TEST(Protocol, SettingLinesFollowTheTypeAndTheKindOfRun)
{
    const QStringList labelling = {"Abfragemodus:",
                                   "Zeitlimit:",
                                   "Verhalten bei richtiger Zuordnung:",
                                   "Verhalten bei Fehlversuch:",
                                   "Zuordnungstexte:",
                                   "Zuordnungsziele (Positionen):"};
    const QStringList questions = {"Abfragemodus:", "Zeitlimit:", "Antwortmöglichkeiten:",
                                   "Reihenfolge der Fragen:"};
    const QStringList modeAndTime = {"Abfragemodus:", "Zeitlimit:"};
    struct Case
    {
        int dokTyp;
        int queryMode;
        QStringList expected;
    };
    const Case cases[] = {
        {0, 0, labelling}, {1, 2, labelling},  {6, 1, labelling}, {0, 3, modeAndTime},
        {4, 1, modeAndTime}, {2, 0, questions}, {3, 0, questions}, {5, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dokTyp);
        ProtocolRunData run = labellingRun();
        run.dokTyp = c.dokTyp;
        run.queryMode = c.queryMode;
        QStringList found = labels(protocolSettingsBlock(run));
        const qsizetype from = found.indexOf(QStringLiteral("Übungsumfang:")) + 1;
        const qsizetype to = found.indexOf(QStringLiteral("Notengrenzen bzgl. Gesamtleistung:"));
        EXPECT_EQ(found.mid(from, to - from), c.expected);
    }

    ProtocolRunData questionRun = labellingRun();
    questionRun.dokTyp = 3;
    questionRun.onWrong = 2;
    questionRun.cardOrder = 0;
    questionRun.timeMode = 2;
    const QString block = protocolSettingsBlock(questionRun);
    EXPECT_TRUE(block.contains(QStringLiteral(
        "Abfragemodus:\tkeine Falsch-Rückmeldung, jede Frage nur einmal stellen\r\n"
        "Zeitlimit:\tnein, ohne Uhr\r\nAntwortmöglichkeiten:\twie vorgegeben geordnet\r\n")));

    ProtocolRunData initiator = labellingRun();
    initiator.exerciseKind = 2;
    initiator.communicationFolder = QStringLiteral("/srv/klasse/");
    initiator.channel = QStringLiteral("VELUNT-1");
    initiator.queriesInRun = 3;
    EXPECT_TRUE(protocolSettingsBlock(initiator)
                    .contains(QStringLiteral(
                        "Teilnehmername:\t(Initiator der Netzwerk-Übung)\r\n"
                        "Rechnername:\tPC-07\r\nRechnerbenutzer:\tschueler\r\n"
                        "Übungsart:\tInitiierte Netzwerk-Übung\r\n"
                        "Kommunikationsordner:\t/srv/klasse/\r\nKommunikationskanal:\tVELUNT-1\r\n")));
    EXPECT_TRUE(protocolSettingsBlock(initiator).contains(
        QStringLiteral("Übungsumfang:\t3 von 12 Abfragen (Teilwiederholung)\r\n")));

    ProtocolRunData part = labellingRun();
    part.exerciseKind = 10;
    part.seriesPart = 2;
    part.participantName.clear();
    const QString head = protocolHead(part, someResult());
    EXPECT_TRUE(head.startsWith(QStringLiteral("<tit>Übungsprotokoll zu Teilübung Nr. 2\r\n")));
    EXPECT_TRUE(head.contains(QStringLiteral("Teilnehmername:\t(kein Name)\r\n")));
    EXPECT_TRUE(head.contains(QStringLiteral("Übungsart:\tTeilübung einer Übungsserie\r\n")));
    EXPECT_TRUE(head.contains(QStringLiteral("Note:\t2\r\nGewichtung:\t2\r\n")));
}

TEST(Protocol, GradingLimitsOfEveryScale)
{
    const std::pair<int, const char*> cases[] = {
        {0, "Notengrenzen bzgl. Gesamtleistung:\t85.0% / 70.0% / 55.0% / 40.0% / 25.0% / 0.0%"},
        {1, "Notengrenzen bzgl. Gesamtleistung:\t85.0% / 70.0% / 55.0% / 40.0% / 25.0%"},
        {3, "Notengrenzen bzgl. Gesamtleistung:\t85.0% / 70.0% / 55.0% / 40.0% / 25.0%"},
        {2, "Punktegrenzen bzgl. Gesamtleistung:\t95.0% / 90.0% / 85.0% / 80.0% / 75.0% / 70.0% "
            "/ 65.0% / 60.0% / 55.0% / 50.0% / 45.0% / 40.0% / 35.0% / 30.0% / 25.0% / 0.0%"},
        {4, "Punktegrenzen bzgl. Gesamtleistung:\t80.0% / 75.0% / 70.0% / 65.0% / 60.0% / 55.0% "
            "/ 50.0% / 45.0% / 40.0% / 35.0% / 30.0% / 25.0% / 0.0%"},
    };
    for (const auto& [kind, line] : cases) {
        ProtocolRunData run = labellingRun();
        run.grading.GradingScaleKind = kind;
        EXPECT_TRUE(protocolSettingsBlock(run).contains(QString::fromUtf8(line) + "\r\n\r\n"))
            << kind;
    }
}

TEST(Protocol, AutomaticSavesCountUpWithinOneSecondAndReadBackAsWritten)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9));
    const QString text = protocolHead(labellingRun(), someResult()) +
                         QStringLiteral("00:01 - Übung wird gestartet\r\n") +
                         protocolComment(QStringLiteral("  Sehr {gut} gemacht!\n"));

    const SavedProtocol first = autoSaveProtocol(folder, text, now, QStringLiteral("PC-07"));
    const SavedProtocol second = autoSaveProtocol(folder, text, now, QStringLiteral("PC-07"));
    EXPECT_EQ(first.path, folder + QStringLiteral("20240305-140709-PC-07-0.rtf"));
    EXPECT_EQ(second.path, folder + QStringLiteral("20240305-140709-PC-07-1.rtf"));
    EXPECT_EQ(emailProtocolName(now, 3), QStringLiteral("email-vltprotokoll-20240305-140709-3.rtf"));

    // An independent reader finds the protocol's words in the file.
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), first.path});
    ASSERT_TRUE(unrtf.waitForFinished(30000));
    QString read = QString::fromLatin1(unrtf.readAllStandardOutput());
    read = read.mid(read.indexOf(QStringLiteral("-----------------\n")) + 18);
    const QRegularExpression space(QStringLiteral("\\s+"));
    EXPECT_EQ(read.replace(space, QStringLiteral(" ")).trimmed(),
              formattedTextToPlain(text).replace(space, QStringLiteral(" ")).trimmed());

    const QString nowhere = dir.filePath(QStringLiteral("fehlt/"));
    const SavedProtocol failed = autoSaveProtocol(nowhere, text, now, QStringLiteral("PC-07"));
    EXPECT_EQ(failed.path, QString());
    ASSERT_EQ(failed.messages.size(), 1u);
    EXPECT_EQ(failed.messages[0].text,
              fileWriteErrorMessage(nowhere + QStringLiteral("20240305-140709-PC-07-0.rtf")) +
                  QStringLiteral("\r\n\r\nDas Übungsprotokoll konnte nicht automatisch "
                                 "gespeichert werden. Überprüfen Sie die Einstellungen unter "
                                 "\"Optionen / Ordner für Protokolle und Bestenlisten\"."));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(Protocol, CommentsAreTrimmedTitledOrDropped)
{
    EXPECT_EQ(protocolComment(QStringLiteral("\n  Gut\nweiter so  \n")),
              QStringLiteral("\r\n<tit>Kommentar\r\nGut\r\nweiter so"));
    EXPECT_EQ(protocolComment(QStringLiteral(" \r\n\t")), QString());
}
