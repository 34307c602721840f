#include "exercise/runresults.h"
#include "print/formattedtext.h"
#include "runfixture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace velunto;
using namespace velunto::testing;

// A finished run leaves a protocol that reads back from its RTF file as
// written, and one best-list record that velunto-tool prints.
TEST_F(RunFixture, AFinishedRunLeavesItsProtocolAndItsBestListRecord)
{
    doc.header.Titel = QStringLiteral("Obstsorten");
    settings.options.AskParticipantName = true; // the host answers "Anna"
    const int a = label("Apfel", 0.2, 0.2);
    const int b = label("Birne", 0.6, 0.5);
    ExerciseRun& r = started();
    drop(cardFor(b), a); // one failed attempt
    drop(cardFor(a), a);
    clock.ms += 64000;
    drop(cardFor(b), b);
    ASSERT_EQ(r.endReason(), EndReason::Finished);

    RunCircumstances c;
    c.documentPath = QStringLiteral("/themen/obst.vlt");
    c.computer = QStringLiteral("PC-07");
    c.user = QStringLiteral("schueler");
    const QString text = runProtocolText(r, doc, c);
    EXPECT_TRUE(text.startsWith(QStringLiteral("<tit>Übungsprotokoll\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Teilnehmername:\tAnna\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Datei:\tobst.vlt\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Übungsumfang:\t2 Abfragen (komplette Übung)\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Richtig zugeordnet:\t2\r\nFehlversuche:\t1\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Offene Positionen:\t0\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Gesamtleistung:\t66.7 %\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("<tit>Detaillierter Ablauf\r\n") + r.protocolDetail()));
    EXPECT_FALSE(r.protocolDetail().isEmpty());

    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const SavedProtocol saved = autoSaveProtocol(folder, text, clock.now(), c.computer);
    ASSERT_FALSE(saved.path.isEmpty());
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), saved.path});
    ASSERT_TRUE(unrtf.waitForFinished(30000));
    QString read = QString::fromLatin1(unrtf.readAllStandardOutput());
    read = read.mid(read.indexOf(QStringLiteral("-----------------\n")) + 18);
    const QRegularExpression space(QStringLiteral("\\s+"));
    EXPECT_EQ(read.replace(space, QStringLiteral(" ")).trimmed(),
              formattedTextToPlain(text).replace(space, QStringLiteral(" ")).trimmed());

    const QString list = individualBestListPath(folder, c.documentPath);
    ASSERT_TRUE(appendBestListResult(list, runBestListRecord(r, c.computer),
                                     BestListScope::Individual, [](int) {})
                    .empty());
    const BestListRead back = readBestList(list, BestListScope::Individual, [](int) {});
    ASSERT_EQ(back.list.size(), 1u);
    EXPECT_EQ(back.list.record(0).Name, QStringLiteral("Anna"));
    EXPECT_EQ(back.list.record(0).Dauer, r.elapsedMs());
    EXPECT_DOUBLE_EQ(back.list.record(0).Leistung, 2.0 / 3.0);

    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    tool.setProcessEnvironment(env);
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/velunto-tool"),
               {QStringLiteral("bestlist"), list});
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split("\r\n");
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1\tAnna\tPC-07\t66.7 %\t01:")))
        << lines[1].toStdString();
}
