#pragma once

#include "platform/usermessage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace velunto {

// One result in a best list, its fields in file order.
struct BestListDataTyp
{
    QString Name;             // "(kein Name)" when the name was empty
    QString Rechner;          // network name of the computer
    double Beginn = 0.0;      // start of the run, days since 30 December 1899
    std::int32_t Dauer = 0;   // duration in milliseconds
    double Leistung = 0.0;    // total performance, 0..1

    bool operator==(const BestListDataTyp&) const = default;
};

// A best-list file (".hsc", little-endian): the magic and the field list as
// length-prefixed code page 1252 strings, then records to the end of the
// file, each holding the listed fields in the fixed order above.
inline constexpr char kBestListMagic[] = "ZYN-HSC-1.00";
inline constexpr char kBestListFieldList[] =
    "|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|";

// Which fields the records of a file hold: a field is present when its key
// occurs anywhere in the field list.
struct BestListFields
{
    bool name = false;
    bool rechner = false;
    bool beginn = false;
    bool dauer = false;
    bool leistung = false;

    static BestListFields fromList(QByteArrayView fieldList);
    bool any() const { return name || rechner || beginn || dauer || leistung; }
};

// A file larger than this is not read: far beyond any class's results
// (100,000 records take about 5 MB).
inline constexpr qsizetype kBestListMaxBytes = qsizetype(256) << 20;

// A best list as read from its file. The list keeps the file's bytes and an
// index of its complete records: where each starts and the two fields the
// order needs. Names and the other fields are decoded only for the records
// asked for (the rows a grid shows, export and printing), so a list of
// 100,000 results opens at once.
class BestList
{
  public:
    enum class Status {
        Complete,  // header and whole records up to the end
        Truncated, // the last record is cut short; the records before it are kept
        Foreign,   // another magic, no usable field list or too large: no records
    };

    // An empty list.
    BestList() = default;
    // Takes the bytes of a file apart; they are shared, not copied.
    static BestList fromBytes(const QByteArray& bytes);
    // Records made in memory, in the order given, under the program's field
    // list.
    static BestList fromRecords(const std::vector<BestListDataTyp>& records);

    Status status() const { return m_status; }
    const QByteArray& fieldList() const { return m_fieldList; }
    const BestListFields& fields() const { return m_fields; }

    size_t size() const { return m_index.size(); }
    bool empty() const { return m_index.empty(); }
    // Record i of the current order.
    BestListDataTyp record(size_t i) const;
    std::vector<BestListDataTyp> records() const;

    // Best first: higher Leistung (a value that is no number below every
    // other), then shorter Dauer, then earlier in the file. The first
    // kSortedFront records are put in place at once, the others when a record
    // beyond them is first asked for: a window shows the best results of a
    // long list without waiting for the order of all the rest.
    void sort();
    static constexpr size_t kSortedFront = 256;

  private:
    struct Entry
    {
        double leistung; // the sort key: NaN already turned into -infinity
        std::int32_t dauer;
        std::uint32_t offset; // where the record starts in m_bytes, so in file order
    };
    static bool better(const Entry& a, const Entry& b);
    void sortRest(size_t i) const;

    Status m_status = Status::Complete;
    QByteArray m_bytes;
    QByteArray m_fieldList;
    BestListFields m_fields;
    mutable std::vector<Entry> m_index;
    // The index from here on still waits for its order (after sort()).
    mutable size_t m_unsortedFrom = SIZE_MAX;
};

// The start of a new file: the magic and the program's field list.
QByteArray bestListHeader();
// One record with exactly the fields that the field list names.
QByteArray encodeBestListRecord(const BestListDataTyp& record, const BestListFields& fields);

// The record of a finished run: the name as typed, or "(kein Name)" when it
// is empty after trimming.
BestListDataTyp resultRecord(const QString& participantName, const QString& computer,
                             const QDateTime& start, std::int32_t elapsedMs, double performance);

// The individual best list of a document: the folder (ending with a
// separator) + the document's file name with ".hsc" as extension. Empty for
// a document that has never been saved: it has no best list.
QString individualBestListPath(const QString& bestListFolder, const QString& documentPath);
// The shared list of a network exercise in the communication folder.
QString networkBestListPath(const QString& communicationFolder, const QString& channel);

enum class BestListScope { Individual, Network };

// Waits between two attempts on a locked or unreadable file; tests pass one
// that does not sleep.
using RetryPause = std::function<void(int milliseconds)>;
void sleepPause(int milliseconds);

// Appends one record under an exclusive lock on the file, creating the file
// with its header when it is new or empty. The whole record is written in
// one call; a failed write is cut back to the old length. A file that is
// not a best list, or whose last record is incomplete, is left untouched and
// refused. Up to 5 attempts 100 ms apart. Returns the messages to show;
// empty on success.
UserMessages appendBestListResult(const QString& path, const BestListDataTyp& record,
                                  BestListScope scope, const RetryPause& pause = sleepPause);

struct BestListRead
{
    bool ok = false; // false: nothing could be read (the list is empty)
    BestList list;   // in file order
    UserMessages messages;
};

// Reads a best list under a shared lock: up to 5 attempts 100 ms apart. A
// missing file gives an information; a damaged end keeps the complete
// records and says so.
BestListRead readBestList(const QString& path, BestListScope scope,
                          const RetryPause& pause = sleepPause);

// ShowBestList before the window opens: the individual list is refused
// during a network participation and for a document without a file name
// (path empty); otherwise the list is read and sorted, best first. The
// messages come before the window, which opens when show is true.
struct BestListToShow
{
    bool show = false;
    QString title; // "Bestenliste - Individual-Übung" / "Bestenliste - Netzwerk-Übung"
    BestList list; // sorted
    UserMessages messages;
};
BestListToShow prepareBestList(BestListScope scope, const QString& path,
                               bool duringNetworkParticipation,
                               const RetryPause& pause = sleepPause);

// Why a document without a file name offers no best-list entry (the
// tooltip of the disabled button).
QString noBestListReason();

// The columns of the best-list grid and of its text.
QStringList bestListHeaderRow();
QStringList bestListRow(int place, const BestListDataTyp& record);
// The grid as text: the header row and one row per record, cells separated
// by TAB, rows ended by CR LF. The records are taken in the list's order.
QString bestListText(const BestList& list);

} // namespace velunto
