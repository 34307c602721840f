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

// The bytes of a best-list file taken apart.
struct ParsedBestList
{
    enum class Status {
        Complete,  // header and whole records up to the end
        Truncated, // the last record is cut short; the records before it are kept
        Foreign,   // another magic, no usable field list: no records
    };
    Status status = Status::Foreign;
    QByteArray fieldList;
    BestListFields fields;
    std::vector<BestListDataTyp> records;
};

ParsedBestList parseBestList(QByteArrayView bytes);

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
    std::vector<BestListDataTyp> records;
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
    std::vector<BestListDataTyp> records;
    UserMessages messages;
};
BestListToShow prepareBestList(BestListScope scope, const QString& path,
                               bool duringNetworkParticipation,
                               const RetryPause& pause = sleepPause);

// Why a document without a file name offers no best-list entry (the
// tooltip of the disabled button).
QString noBestListReason();

// Best first: higher Leistung, then shorter Dauer, then earlier in the file.
void sortBestList(std::vector<BestListDataTyp>& records);

// The columns of the best-list grid and of its text.
QStringList bestListHeaderRow();
QStringList bestListRow(int place, const BestListDataTyp& record);
// The grid as text: the header row and one row per record, cells separated
// by TAB, rows ended by CR LF. The records are taken in the order given.
QString bestListText(const std::vector<BestListDataTyp>& records);

} // namespace velunto
