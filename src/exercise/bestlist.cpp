#include "exercise/bestlist.h"

#include "common/binarystream.h"
#include "common/cp1252.h"
#include "common/filemessages.h"
#include "common/textformat.h"

#include <QFileInfo>
#include <QtEndian>
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

// Reads the whole file from its start; false on a read error or when the
// file is larger than a best list can be.
bool readAll(int fd, QByteArray& bytes)
{
    struct stat info{};
    if (::fstat(fd, &info) != 0 || info.st_size > kBestListMaxBytes)
        return false;
    // One byte more than the size shows whether the file ends there.
    bytes.resize(qsizetype(info.st_size) + 1);
    qsizetype length = 0;
    for (;;) {
        if (length == bytes.size()) {
            if (length > kBestListMaxBytes)
                return false;
            bytes.resize(std::min(length * 2, kBestListMaxBytes + 1));
        }
        const ssize_t n = ::pread(fd, bytes.data() + length, size_t(bytes.size() - length),
                                  off_t(length));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        length += n;
    }
    bytes.truncate(length);
    return true;
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
        const BestList list = BestList::fromBytes(existing);
        if (list.status() != BestList::Status::Complete)
            return AppendAttempt::Refused;
        bytes = encodeBestListRecord(record, list.fields());
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

// The fields of one record, its strings still as bytes of the file.
struct RawRecord
{
    QByteArrayView name;
    QByteArrayView rechner;
    double beginn = 0.0;
    std::int32_t dauer = 0;
    double leistung = 0.0;
};

// Reads the record that starts at pos, moving pos to its end. False when the
// bytes end before the record does or a length cannot be right; every length
// is checked against the bytes that remain before it is used.
class RecordScanner
{
  public:
    RecordScanner(QByteArrayView bytes, const BestListFields& fields)
        : m_data(bytes.data()), m_size(bytes.size()), m_fields(fields)
    {
    }

    Q_ALWAYS_INLINE bool read(qsizetype& pos, RawRecord& r) const
    {
        return (!m_fields.name || string(pos, r.name)) &&
               (!m_fields.rechner || string(pos, r.rechner)) &&
               (!m_fields.beginn || number(pos, r.beginn)) &&
               (!m_fields.dauer || number(pos, r.dauer)) &&
               (!m_fields.leistung || number(pos, r.leistung));
    }

  private:
    template <typename T>
    bool number(qsizetype& pos, T& value) const
    {
        if (m_size - pos < qsizetype(sizeof(T)))
            return false;
        value = qFromLittleEndian<T>(m_data + pos);
        pos += qsizetype(sizeof(T));
        return true;
    }

    bool string(qsizetype& pos, QByteArrayView& text) const
    {
        std::int32_t length = 0;
        if (!number(pos, length) || length < 0 || m_size - pos < length)
            return false;
        text = QByteArrayView(m_data + pos, length);
        pos += length;
        return true;
    }

    const char* m_data;
    qsizetype m_size;
    BestListFields m_fields;
};

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

BestList BestList::fromBytes(const QByteArray& bytes)
{
    BestList list;
    list.m_status = Status::Foreign;
    if (bytes.size() > kBestListMaxBytes)
        return list;
    ByteReader reader(bytes);
    try {
        if (reader.readRawStr() != kBestListMagic)
            return list;
        list.m_fieldList = reader.readRawStr();
    } catch (const ReadError&) {
        return list;
    }
    list.m_fields = BestListFields::fromList(list.m_fieldList);
    // A field list that names no field would make every record empty.
    if (!list.m_fields.any()) {
        if (reader.atEnd())
            list.m_status = Status::Complete;
        return list;
    }
    list.m_status = Status::Complete;
    list.m_bytes = bytes;
    const RecordScanner scanner(bytes, list.m_fields);
    qsizetype pos = reader.position();
    RawRecord r;
    while (pos < bytes.size()) {
        const qsizetype start = pos;
        if (!scanner.read(pos, r)) {
            list.m_status = Status::Truncated;
            break;
        }
        list.m_index.push_back({sortKey(r.leistung), r.dauer, std::uint32_t(start)});
    }
    return list;
}

BestList BestList::fromRecords(const std::vector<BestListDataTyp>& records)
{
    const BestListFields fields = BestListFields::fromList(kBestListFieldList);
    QByteArray bytes = bestListHeader();
    for (const BestListDataTyp& r : records)
        bytes += encodeBestListRecord(r, fields);
    return fromBytes(bytes);
}

BestListDataTyp BestList::record(size_t i) const
{
    sortRest(i);
    qsizetype pos = m_index.at(i).offset;
    RawRecord raw;
    // The index holds only records that were read whole.
    RecordScanner(m_bytes, m_fields).read(pos, raw);
    BestListDataTyp r;
    r.Name = fromCp1252(raw.name);
    r.Rechner = fromCp1252(raw.rechner);
    r.Beginn = raw.beginn;
    r.Dauer = raw.dauer;
    r.Leistung = raw.leistung;
    return r;
}

std::vector<BestListDataTyp> BestList::records() const
{
    std::vector<BestListDataTyp> all;
    all.reserve(m_index.size());
    for (size_t i = 0; i < m_index.size(); ++i)
        all.push_back(record(i));
    return all;
}

bool BestList::better(const Entry& a, const Entry& b)
{
    if (a.leistung != b.leistung)
        return a.leistung > b.leistung;
    if (a.dauer != b.dauer)
        return a.dauer < b.dauer;
    // Offsets are unique, so the order is total: any sort gives the one a
    // stable sort by performance and duration gives.
    return a.offset < b.offset;
}

void BestList::sort()
{
    // A lambda, not the function's address, so that the comparison is inlined.
    const size_t front = std::min(kSortedFront, m_index.size());
    std::partial_sort(m_index.begin(), m_index.begin() + std::ptrdiff_t(front), m_index.end(),
                      [](const Entry& a, const Entry& b) { return better(a, b); });
    m_unsortedFrom = front < m_index.size() ? front : SIZE_MAX;
}

void BestList::sortRest(size_t i) const
{
    if (i < m_unsortedFrom)
        return;
    // A merge sort: introsort takes several times as long on lists with many
    // equal results.
    std::stable_sort(m_index.begin() + std::ptrdiff_t(m_unsortedFrom), m_index.end(),
                     [](const Entry& a, const Entry& b) { return better(a, b); });
    m_unsortedFrom = SIZE_MAX;
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
        BestList list = BestList::fromBytes(bytes);
        if (list.status() == BestList::Status::Foreign)
            continue;
        result.ok = true;
        result.list = std::move(list);
        if (result.list.status() == BestList::Status::Truncated)
            result.messages.push_back(
                {Prompter::Kind::Warning,
                 QStringLiteral("Die Bestenliste \"%1\" ist am Ende beschädigt. Angezeigt "
                                "werden die %2 vollständigen Einträge.")
                     .arg(path)
                     .arg(result.list.size())});
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
    result.list = std::move(read.list);
    result.messages = std::move(read.messages);
    result.list.sort();
    return result;
}

QString noBestListReason()
{
    return QStringLiteral("Das Dokument wurde noch nicht gespeichert. Erst mit einem Dateinamen "
                          "hat es eine Bestenliste.");
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
            clockText(record.Dauer / 1000),
            germanDateTimeFromDays((record.Beginn))};
}

QString bestListText(const BestList& list)
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
    for (size_t i = 0; i < list.size(); ++i)
        text += row(bestListRow(int(i) + 1, list.record(i))) + lineEnd;
    return text;
}

} // namespace velunto
