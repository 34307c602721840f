#include "exercise/bestlist.h"

#include "common/binarystream.h"
#include "common/cp1252.h"
#include "common/filemessages.h"
#include "common/textformat.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velunto {

namespace {

constexpr int kAttempts = 5;
constexpr int kPauseMs = 100;
// Far beyond any class's results (100,000 records take about 6 MB); a larger
// file is not read into memory.
constexpr off_t kMaxFileSize = off_t(256) << 20;

const QString kFolderHint = QStringLiteral(
    "Überprüfen Sie die Einstellungen unter \"Optionen / Ordner für Protokolle und Bestenlisten\".");

// An open file descriptor that closes itself (and so drops its lock).
class FileHandle
{
  public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int fd() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

  private:
    int m_fd;
};

bool lockFile(int fd, int operation)
{
    while (::flock(fd, operation) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

// Reads the whole file from its start; false on a read error.
bool readAll(int fd, QByteArray& bytes)
{
    struct stat info{};
    if (::fstat(fd, &info) != 0 || info.st_size > kMaxFileSize)
        return false;
    bytes.clear();
    bytes.reserve(qsizetype(info.st_size));
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return true;
        bytes.append(buffer, qsizetype(n));
        offset += n;
        if (offset > kMaxFileSize)
            return false;
    }
}

// Writes all of bytes at offset in as few calls as the system allows.
bool writeAt(int fd, const QByteArray& bytes, off_t offset)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done),
                                   offset + off_t(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        done += n;
    }
    return true;
}

enum class AppendAttempt { Written, Failed, Refused };

AppendAttempt appendOnce(const QString& path, const BestListDataTyp& record)
{
    const QByteArray nativePath = QFile::encodeName(path);
    const FileHandle file(::open(nativePath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (!file.valid() || !lockFile(file.fd(), LOCK_EX))
        return AppendAttempt::Failed;

    QByteArray existing;
    if (!readAll(file.fd(), existing))
        return AppendAttempt::Failed;

    QByteArray bytes;
    if (existing.isEmpty()) {
        bytes = bestListHeader();
        bytes += encodeBestListRecord(record, BestListFields::fromList(kBestListFieldList));
    } else {
        // Appending to anything but a whole best list would spoil it for good.
        const ParsedBestList parsed = parseBestList(existing);
        if (parsed.status != ParsedBestList::Status::Complete)
            return AppendAttempt::Refused;
        bytes = encodeBestListRecord(record, parsed.fields);
    }
    const off_t oldLength = off_t(existing.size());
    if (writeAt(file.fd(), bytes, oldLength))
        return AppendAttempt::Written;
    // No half record may stay behind for the next reader.
    while (::ftruncate(file.fd(), oldLength) != 0 && errno == EINTR) {
    }
    return AppendAttempt::Failed;
}

QString withReason(const QString& fileText, const QString& reason)
{
    return fileText + QStringLiteral("\r\n\r\n") + reason;
}

QString readFailureText(const QString& path, BestListScope scope)
{
    const QString reason =
        scope == BestListScope::Network
            ? QStringLiteral("Möglicherweise existiert die Datei noch nicht, weil noch kein "
                             "Teilnehmer die Übung beendet hat.")
            : QStringLiteral("Überprüfen Sie die Einstellungen im Menü \"Optionen\", um die "
                             "Bestenliste zu nutzen. Möglicherweise existiert die Datei noch "
                             "nicht, weil noch niemand die Übung durchgeführt hat.");
    return withReason(fileReadErrorMessage(path), reason);
}

// A performance that is no number sorts below every real one.
double sortKey(double leistung)
{
    return std::isnan(leistung) ? -std::numeric_limits<double>::infinity() : leistung;
}

} // namespace

BestListFields BestListFields::fromList(QByteArrayView fieldList)
{
    BestListFields f;
    f.name = fieldList.contains(QByteArrayView("HSC-Name"));
    f.rechner = fieldList.contains(QByteArrayView("HSC-Rechner"));
    f.beginn = fieldList.contains(QByteArrayView("HSC-Beginn"));
    f.dauer = fieldList.contains(QByteArrayView("HSC-Dauer"));
    f.leistung = fieldList.contains(QByteArrayView("HSC-Leistung"));
    return f;
}

ParsedBestList parseBestList(QByteArrayView bytes)
{
    ParsedBestList result;
    ByteReader reader(bytes);
    try {
        if (reader.readRawStr() != kBestListMagic)
            return result;
        result.fieldList = reader.readRawStr();
    } catch (const ReadError&) {
        return result;
    }
    result.fields = BestListFields::fromList(result.fieldList);
    const BestListFields& f = result.fields;
    // A field list that names no field would make every record empty.
    if (!f.any()) {
        result.status =
            reader.atEnd() ? ParsedBestList::Status::Complete : ParsedBestList::Status::Foreign;
        return result;
    }
    result.status = ParsedBestList::Status::Complete;
    while (!reader.atEnd()) {
        BestListDataTyp r;
        try {
            if (f.name)
                r.Name = reader.readStr();
            if (f.rechner)
                r.Rechner = reader.readStr();
            if (f.beginn)
                r.Beginn = reader.readDouble();
            if (f.dauer)
                r.Dauer = reader.readInt32();
            if (f.leistung)
                r.Leistung = reader.readDouble();
        } catch (const ReadError&) {
            result.status = ParsedBestList::Status::Truncated;
            break;
        }
        result.records.push_back(std::move(r));
    }
    return result;
}

QByteArray bestListHeader()
{
    ByteWriter w;
    w.writeRawStr(kBestListMagic);
    w.writeRawStr(kBestListFieldList);
    return w.data();
}

QByteArray encodeBestListRecord(const BestListDataTyp& record, const BestListFields& fields)
{
    ByteWriter w;
    if (fields.name)
        w.writeStr(record.Name);
    if (fields.rechner)
        w.writeStr(record.Rechner);
    if (fields.beginn)
        w.writeDouble(record.Beginn);
    if (fields.dauer)
        w.writeInt32(record.Dauer);
    if (fields.leistung)
        w.writeDouble(record.Leistung);
    return w.data();
}

BestListDataTyp resultRecord(const QString& participantName, const QString& computer,
                             const QDateTime& start, std::int32_t elapsedMs, double performance)
{
    BestListDataTyp r;
    r.Name = participantName.trimmed().isEmpty() ? QStringLiteral("(kein Name)") : participantName;
    r.Rechner = computer;
    r.Beginn = daysFromDateTime(start);
    r.Dauer = elapsedMs;
    r.Leistung = performance;
    return r;
}

QString individualBestListPath(const QString& bestListFolder, const QString& documentPath)
{
    const QFileInfo document(documentPath);
    if (documentPath.isEmpty() || document.fileName().isEmpty())
        return {};
    return bestListFolder + document.completeBaseName() + QStringLiteral(".hsc");
}

QString networkBestListPath(const QString& communicationFolder, const QString& channel)
{
    return communicationFolder + channel + QStringLiteral("-zynnetzuebung.hsc");
}

void sleepPause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

UserMessages appendBestListResult(const QString& path, const BestListDataTyp& record,
                                  BestListScope scope, const RetryPause& pause)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0)
            pause(kPauseMs);
        switch (appendOnce(path, record)) {
        case AppendAttempt::Written:
            return {};
        case AppendAttempt::Refused:
            return {{Prompter::Kind::Error,
                     QStringLiteral("Die Datei \"") + path +
                         QStringLiteral("\" ist keine gültige Bestenliste oder ist beschädigt. "
                                        "Das Ergebnis wurde nicht eingetragen; die Datei "
                                        "bleibt unverändert.")}};
        case AppendAttempt::Failed:
            break;
        }
    }
    const QString text =
        scope == BestListScope::Network
            ? fileWriteErrorMessage(path)
            : withReason(fileWriteErrorMessage(path),
                         QStringLiteral("Die Bestenliste konnte nicht gespeichert werden. ") +
                             kFolderHint);
    return {{Prompter::Kind::Error, text}};
}

BestListRead readBestList(const QString& path, BestListScope scope, const RetryPause& pause)
{
    BestListRead result;
    if (!QFileInfo::exists(path)) {
        const QString text =
            scope == BestListScope::Network
                ? QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch "
                                 "keine Einträge.")
                : QStringLiteral("Zu diesem Dokument gibt es bisher keine Einträge in der "
                                 "Bestenliste. Überprüfen Sie ggf. die Einstellungen im Menü "
                                 "\"Optionen\", um die Bestenliste zu nutzen.");
        result.messages.push_back({Prompter::Kind::Information, text});
        return result;
    }
    const QByteArray nativePath = QFile::encodeName(path);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0)
            pause(kPauseMs);
        const FileHandle file(::open(nativePath.constData(), O_RDONLY | O_CLOEXEC));
        QByteArray bytes;
        if (!file.valid() || !lockFile(file.fd(), LOCK_SH) || !readAll(file.fd(), bytes))
            continue;
        ParsedBestList parsed = parseBestList(bytes);
        if (parsed.status == ParsedBestList::Status::Foreign)
            continue;
        result.ok = true;
        result.records = std::move(parsed.records);
        if (parsed.status == ParsedBestList::Status::Truncated)
            result.messages.push_back(
                {Prompter::Kind::Warning,
                 QStringLiteral("Die Bestenliste \"%1\" ist am Ende beschädigt. Angezeigt "
                                "werden die %2 vollständigen Einträge.")
                     .arg(path)
                     .arg(result.records.size())});
        return result;
    }
    result.messages.push_back({Prompter::Kind::Error, readFailureText(path, scope)});
    return result;
}

BestListToShow prepareBestList(BestListScope scope, const QString& path,
                               bool duringNetworkParticipation, const RetryPause& pause)
{
    BestListToShow result;
    if (scope == BestListScope::Individual) {
        if (duringNetworkParticipation) {
            result.messages.push_back(
                {Prompter::Kind::Information,
                 QStringLiteral("Während der Netzwerk-Übung ist die Bestenliste der "
                                "Individual-Übung nicht einsehbar.")});
            return result;
        }
        if (path.isEmpty()) {
            result.messages.push_back(
                {Prompter::Kind::Information,
                 QStringLiteral("Da das aktuelle Dokument nicht gespeichert wurde, bzw. kein "
                                "Dokument geöffnet wurde, ist keine Bestenliste verfügbar.")});
            return result;
        }
    }
    BestListRead read = readBestList(path, scope, pause);
    result.show = true;
    result.title = scope == BestListScope::Network
                       ? QStringLiteral("Bestenliste - Netzwerk-Übung")
                       : QStringLiteral("Bestenliste - Individual-Übung");
    result.records = std::move(read.records);
    result.messages = std::move(read.messages);
    sortBestList(result.records);
    return result;
}

QString noBestListReason()
{
    return QStringLiteral("Das Dokument wurde noch nicht gespeichert. Erst mit einem Dateinamen "
                          "hat es eine Bestenliste.");
}

void sortBestList(std::vector<BestListDataTyp>& records)
{
    // The keys are sorted beside the records' positions, so that the sort
    // moves small entries; the records are moved once at the end.
    struct Key
    {
        double leistung;
        std::int32_t dauer;
        std::uint32_t position;
    };
    std::vector<Key> keys;
    keys.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        keys.push_back({sortKey(records[i].Leistung), records[i].Dauer, std::uint32_t(i)});
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.leistung != b.leistung)
            return a.leistung > b.leistung;
        return a.dauer < b.dauer;
    });
    std::vector<BestListDataTyp> sorted;
    sorted.reserve(records.size());
    for (const Key& k : keys)
        sorted.push_back(std::move(records[k.position]));
    records = std::move(sorted);
}

QStringList bestListHeaderRow()
{
    return {QStringLiteral("Pos."),          QStringLiteral("Name"),
            QStringLiteral("Rechner"),       QStringLiteral("Leistung"),
            QStringLiteral("Zeit (Min:Sek)"), QStringLiteral("Datum/Uhrzeit")};
}

QStringList bestListRow(int place, const BestListDataTyp& record)
{
    return {QString::number(place),
            record.Name,
            record.Rechner,
            oneDecimal(record.Leistung * 100.0) + QStringLiteral(" %"),
            minutesSeconds(record.Dauer / 1000),
            germanDateTimeFromDays((record.Beginn))};
}

QString bestListText(const std::vector<BestListDataTyp>& records)
{
    const QString lineEnd = QStringLiteral("\r\n");
    // A tab or line break inside a name would shift the columns of a
    // spreadsheet; it becomes a blank.
    const auto row = [](QStringList cells) {
        for (QString& cell : cells) {
            for (QChar& c : cell) {
                if (c == u'\t' || c == u'\r' || c == u'\n')
                    c = u' ';
            }
        }
        return cells.join(u'\t');
    };
    QString text = row(bestListHeaderRow()) + lineEnd;
    int place = 0;
    for (const BestListDataTyp& r : records)
        text += row(bestListRow(++place, r)) + lineEnd;
    return text;
}

} // namespace velunto
