#include "common/binarystream.h"
#include "common/filemessages.h"
#include "common/textformat.h"
#include "exercise/bestlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cmath>

#include <sys/resource.h>

using namespace velunto;

namespace {

const QDateTime kStart(QDate(2024, 3, 5), QTime(14, 30, 15));

BestListDataTyp result(const char* name, double leistung, int dauerMs, int minutesLater = 0)
{
    return resultRecord(QString::fromUtf8(name), QStringLiteral("PC-07"),
                        kStart.addSecs(60 * minutesLater), dauerMs, leistung);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray header(const QByteArray& magic, const QByteArray& fieldList)
{
    ByteWriter w;
    w.writeRawStr(magic);
    w.writeRawStr(fieldList);
    return w.data();
}

struct BestListFile : ::testing::Test
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("thema.hsc"));
    int pauses = 0;
    RetryPause pause = [this](int ms) {
        EXPECT_EQ(ms, 100);
        ++pauses;
    };
};

} // namespace

TEST_F(BestListFile, AppendedResultsReadBackInTheirOrderAndAsText)
{
    const BestListDataTyp results[] = {
        result("Anna", 0.90, 80000),     result("Ben", 0.0, 5000, 1),
        result("  ", 0.90, 65000, 2),    result("Jörg", 0.95, 125999, 3),
        result("Cem", 0.90, 65000, 4),
    };
    for (const BestListDataTyp& r : results)
        ASSERT_TRUE(appendBestListResult(path, r, BestListScope::Individual, pause).empty());
    EXPECT_EQ(pauses, 0);
    EXPECT_TRUE(readFile(path).startsWith(bestListHeader()));

    BestListRead read = readBestList(path, BestListScope::Individual, pause);
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.messages.empty());
    ASSERT_EQ(read.list.size(), 5u);
    EXPECT_EQ(read.list.record(3), results[3]);
    read.list.sort();
    // Higher performance first, then the shorter time, ties in file order.
    EXPECT_EQ(bestListText(read.list),
              QStringLiteral("Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r\n"
                             "1\tJörg\tPC-07\t95.0 %\t02:05\t05.03.2024 14:33:15\r\n"
                             "2\t(kein Name)\tPC-07\t90.0 %\t01:05\t05.03.2024 14:32:15\r\n"
                             "3\tCem\tPC-07\t90.0 %\t01:05\t05.03.2024 14:34:15\r\n"
                             "4\tAnna\tPC-07\t90.0 %\t01:20\t05.03.2024 14:30:15\r\n"
                             "5\tBen\tPC-07\t0.0 %\t00:05\t05.03.2024 14:31:15\r\n"));
}

TEST(BestListOrder, NoNumberSortsLastAndCellsKeepTheirColumns)
{
    BestList list = BestList::fromRecords({
        {QStringLiteral("a\tb\r\nc"), {}, 0, 1000, std::nan("")},
        {QStringLiteral("x"), {}, 0, 9000, 0.5},
        {QStringLiteral("y"), {}, 0, -5, -1.0},
    });
    list.sort();
    EXPECT_EQ(list.record(0).Name, QStringLiteral("x"));
    EXPECT_EQ(list.record(1).Name, QStringLiteral("y"));
    const QStringList lines = bestListText(list).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2], QStringLiteral("2\ty\t\t-100.0 %\t00:00\t30.12.1899 00:00:00"));
    EXPECT_EQ(lines[3].split(u'\t').size(), 6);
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("3\ta b  c\t")));
}

// The best records are put in place first and the rest when asked for: the
// whole order must still be the stable one, across that seam too.
TEST(BestListOrder, ALongListWithManyTiesKeepsFileOrderAmongEquals)
{
    std::vector<BestListDataTyp> records;
    for (int i = 0; i < int(3 * BestList::kSortedFront); ++i)
        records.push_back({QString::number(i), {}, 0, (i * 7) % 5 * 1000,
                           i % 11 == 0 ? std::nan("") : (i * 13) % 4 / 4.0});
    BestList list = BestList::fromRecords(records);
    list.sort();

    std::vector<BestListDataTyp> expected = records;
    const auto key = [](const BestListDataTyp& r) { return std::isnan(r.Leistung) ? -1.0 : r.Leistung; };
    std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
        return key(a) != key(b) ? key(a) > key(b) : a.Dauer < b.Dauer;
    });
    // Asked for from the end first and from the front afterwards.
    for (size_t i = records.size(); i-- > 0;)
        EXPECT_EQ(list.record(i).Name, expected[i].Name) << i;
    EXPECT_EQ(list.records().front().Name, expected.front().Name);
}

TEST_F(BestListFile, AFileWithoutComputerNamesGetsRecordsOfItsOwnFields)
{
    const QByteArray fields = "|HSC-Name|HSC-Beginn|HSC-Dauer|HSC-Leistung|";
    ByteWriter w;
    w.writeBytes(header(kBestListMagic, fields));
    w.writeStr(QStringLiteral("Älteres Programm"));
    w.writeDouble(45356.5);
    w.writeInt32(61000);
    w.writeDouble(0.75);
    writeFile(path, w.data());

    ASSERT_TRUE(appendBestListResult(path, result("Neu", 0.5, 1000), BestListScope::Individual,
                                     pause)
                    .empty());
    const BestListRead read = readBestList(path, BestListScope::Individual, pause);
    ASSERT_TRUE(read.ok);
    const std::vector<BestListDataTyp> records = read.list.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Name, QStringLiteral("Älteres Programm"));
    EXPECT_EQ(records[0].Rechner, QString());
    EXPECT_EQ(records[0].Dauer, 61000);
    EXPECT_EQ(records[1].Name, QStringLiteral("Neu"));
    EXPECT_EQ(records[1].Rechner, QString()); // not a field of this file
    EXPECT_EQ(records[1].Leistung, 0.5);
}

TEST_F(BestListFile, ForeignOrDamagedFilesAreNeverAppendedTo)
{
    const QByteArray good = bestListHeader() +
                            encodeBestListRecord(result("Anna", 0.8, 1000),
                                                 BestListFields::fromList(kBestListFieldList));
    struct Case
    {
        const char* what;
        QByteArray bytes;
        bool readable; // the complete records are still shown
    };
    const Case cases[] = {
        {"another magic", header("ZYN-HSC-2.00", kBestListFieldList) + good.mid(50), false},
        {"a document", QByteArray("\x08\0\0\0VLT-2.21", 12) + QByteArray(40, 'x'), false},
        {"a field list naming nothing", header(kBestListMagic, "|Name|") + "abc", false},
        {"a cut header", good.left(20), false},
        {"a cut last record", good + good.mid(bestListHeader().size(), 9), true},
        {"a length beyond the end", good + QByteArray("\xff\xff\xff\x7f", 4), true},
        {"a negative length", good + QByteArray("\xfe\xff\xff\xff", 4), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(path, c.bytes);
        const UserMessages refused =
            appendBestListResult(path, result("Ben", 0.9, 2000), BestListScope::Individual, pause);
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_TRUE(refused[0].text.contains(QStringLiteral("keine gültige Bestenliste")));
        EXPECT_EQ(readFile(path), c.bytes);

        pauses = 0;
        const BestListRead read = readBestList(path, BestListScope::Individual, pause);
        EXPECT_EQ(read.ok, c.readable);
        ASSERT_EQ(read.messages.size(), 1u);
        if (c.readable) {
            EXPECT_EQ(pauses, 0);
            ASSERT_EQ(read.list.size(), 1u);
            EXPECT_EQ(read.list.record(0).Name, QStringLiteral("Anna"));
            EXPECT_EQ(read.messages[0].kind, Prompter::Kind::Warning);
        } else {
            EXPECT_EQ(pauses, 4); // five attempts
            EXPECT_TRUE(read.list.empty());
            EXPECT_EQ(read.messages[0].kind, Prompter::Kind::Error);
            EXPECT_TRUE(read.messages[0].text.startsWith(fileReadErrorMessage(path)));
        }
    }
}

TEST_F(BestListFile, MessagesForMissingAndUnwritableFilesNameTheirList)
{
    const QString missing = dir.filePath(QStringLiteral("fehlt.hsc"));
    EXPECT_EQ(readBestList(missing, BestListScope::Individual, pause).messages,
              (UserMessages{{Prompter::Kind::Information,
                             QStringLiteral("Zu diesem Dokument gibt es bisher keine Einträge in "
                                            "der Bestenliste. Überprüfen Sie ggf. die "
                                            "Einstellungen im Menü \"Optionen\", um die "
                                            "Bestenliste zu nutzen.")}}));
    EXPECT_EQ(readBestList(missing, BestListScope::Network, pause).messages,
              (UserMessages{{Prompter::Kind::Information,
                             QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung "
                                            "enthält noch keine Einträge.")}}));
    EXPECT_EQ(pauses, 0);

    const QString unreadable = dir.path(); // a folder opens but does not read
    EXPECT_EQ(readBestList(unreadable, BestListScope::Network, pause).messages[0].text,
              fileReadErrorMessage(unreadable) +
                  QStringLiteral("\r\n\r\nMöglicherweise existiert die Datei noch nicht, weil "
                                 "noch kein Teilnehmer die Übung beendet hat."));

    const QString unwritable = dir.filePath(QStringLiteral("gibt/es/nicht.hsc"));
    pauses = 0;
    const UserMessages individual =
        appendBestListResult(unwritable, result("A", 1, 1), BestListScope::Individual, pause);
    EXPECT_EQ(pauses, 4);
    EXPECT_EQ(individual,
              (UserMessages{{Prompter::Kind::Error,
                             fileWriteErrorMessage(unwritable) +
                                 QStringLiteral("\r\n\r\nDie Bestenliste konnte nicht "
                                                "gespeichert werden. Überprüfen Sie die "
                                                "Einstellungen unter \"Optionen / Ordner für "
                                                "Protokolle und Bestenlisten\".")}}));
    EXPECT_EQ(appendBestListResult(unwritable, result("A", 1, 1), BestListScope::Network, pause),
              (UserMessages{{Prompter::Kind::Error, fileWriteErrorMessage(unwritable)}}));
}

// A disk that fills up in the middle of a record: the file size limit lets
// the write start and stops it part way.
TEST_F(BestListFile, AWriteThatStopsPartWayLeavesNoHalfRecord)
{
    ASSERT_TRUE(
        appendBestListResult(path, result("Anna", 0.8, 1000), BestListScope::Individual, pause)
            .empty());
    const QByteArray before = readFile(path);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = rlim_t(before.size() + 7);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const UserMessages failed = appendBestListResult(
        path, result("Ein sehr langer Name", 0.9, 2000), BestListScope::Individual, pause);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(pauses, 4);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(readBestList(path, BestListScope::Individual, pause).list.size(), 1u);
}

TEST(BestListNames, UnsavedDocumentsHaveNoListAndNamesAreKeptAsTyped)
{
    EXPECT_EQ(individualBestListPath(QStringLiteral("/b/"), QString()), QString());
    EXPECT_EQ(individualBestListPath(QStringLiteral("/b/"), QStringLiteral("/t/Flüsse.v2.vlt")),
              QStringLiteral("/b/Flüsse.v2.hsc"));
    EXPECT_EQ(individualBestListPath(QStringLiteral("/b/"), QStringLiteral("/t/ohne")),
              QStringLiteral("/b/ohne.hsc"));
    EXPECT_EQ(networkBestListPath(QStringLiteral("/k/"), QStringLiteral("VELUNT-1")),
              QStringLiteral("/k/VELUNT-1-zynnetzuebung.hsc"));

    EXPECT_EQ(resultRecord(QStringLiteral(" \t "), {}, kStart, 0, 0).Name,
              QStringLiteral("(kein Name)"));
    EXPECT_EQ(resultRecord(QStringLiteral(" Mia "), {}, kStart, 0, 0).Name,
              QStringLiteral(" Mia "));
    EXPECT_EQ(germanDateTimeFromDays((resultRecord({}, {}, kStart, 0, 0).Beginn)),
              QStringLiteral("05.03.2024 14:30:15"));
}

// Run only as a child of the load test below: appends 50 records as
// participant VELUNTO_BESTLIST_CHILD once the start file exists.
TEST(BestListLoad, DISABLED_AppendFromChildProcess)
{
    const QString path = qEnvironmentVariable("VELUNTO_BESTLIST_FILE");
    const QString child = qEnvironmentVariable("VELUNTO_BESTLIST_CHILD");
    ASSERT_FALSE(path.isEmpty());
    while (!QFile::exists(path + QStringLiteral(".los")))
        QThread::msleep(5);
    for (int i = 0; i < 50; ++i) {
        const BestListDataTyp r = resultRecord(child, QStringLiteral("PC-") + child, kStart,
                                               i * 1000, i / 50.0);
        ASSERT_TRUE(appendBestListResult(path, r, BestListScope::Network).empty());
    }
}

TEST(BestListLoad, ThirtyPupilsAppendingAtOnceLoseAndMixNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VELUNT-1-zynnetzuebung.hsc"));
    std::vector<std::unique_ptr<QProcess>> children;
    for (int c = 0; c < 30; ++c) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELUNTO_BESTLIST_FILE"), path);
        env.insert(QStringLiteral("VELUNTO_BESTLIST_CHILD"), QString::number(c));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--gtest_also_run_disabled_tests"),
                        QStringLiteral("--gtest_filter=BestListLoad.DISABLED_AppendFromChildProcess")});
        ASSERT_TRUE(process->waitForStarted(30000));
        children.push_back(std::move(process));
    }
    writeFile(path + QStringLiteral(".los"), {});
    for (auto& process : children) {
        ASSERT_TRUE(process->waitForFinished(300000));
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process->exitCode(), 0) << process->readAll().toStdString();
    }

    const BestListRead read = readBestList(path, BestListScope::Network);
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.messages.empty());
    ASSERT_EQ(read.list.size(), 1500u);
    // Every participant's records arrive whole and in its own order.
    std::map<QString, int> next;
    for (const BestListDataTyp& r : read.list.records()) {
        EXPECT_EQ(r.Rechner, QStringLiteral("PC-") + r.Name);
        EXPECT_EQ(r.Dauer, next[r.Name] * 1000);
        ++next[r.Name];
    }
    EXPECT_EQ(next.size(), 30u);
}

TEST_F(BestListFile, TheToolPrintsTheSortedListOrSaysWhatIsWrong)
{
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/velunto-tool");
    ASSERT_TRUE(QFileInfo(tool).isExecutable()) << "build velunto-tool first";
    const auto run = [&](const QString& file, QByteArray* err = nullptr) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        p.setProcessEnvironment(env);
        p.start(tool, {QStringLiteral("bestlist"), file});
        EXPECT_TRUE(p.waitForFinished(60000));
        if (err)
            *err = p.readAllStandardError();
        return std::pair(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()));
    };
    appendBestListResult(path, result("Anna", 0.5, 1000), BestListScope::Individual, pause);
    appendBestListResult(path, result("Jörg", 0.75, 61000), BestListScope::Individual, pause);
    EXPECT_EQ(run(path), std::pair(0, QStringLiteral(
                                          "Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\t"
                                          "Datum/Uhrzeit\r\n"
                                          "1\tJörg\tPC-07\t75.0 %\t01:01\t05.03.2024 14:30:15\r\n"
                                          "2\tAnna\tPC-07\t50.0 %\t00:01\t05.03.2024 14:30:15\r\n")));

    QByteArray err;
    const QString missing = dir.filePath(QStringLiteral("fehlt.hsc"));
    EXPECT_EQ(run(missing, &err), std::pair(1, QString()));
    EXPECT_EQ(QString::fromLocal8Bit(err).trimmed(), fileMissingMessage(missing));

    writeFile(path, "kein Bestenlisten-Format");
    EXPECT_EQ(run(path, &err).first, 1);
    EXPECT_TRUE(err.contains("kann nicht gelesen werden"));
}
