#pragma once

// What the fuzzer checks for one best-list file, shared with the test that
// replays its seed corpus.

#include "common/binarystream.h"
#include "exercise/bestlist.h"

#include <QByteArrayView>
#include <QString>

#include <cmath>
#include <limits>

namespace velunto::fuzzing {

// Reads bytes as a best-list file. Besides not crashing, the records read
// must be exactly what the bytes hold: written again behind the same header
// they give the whole input (complete file) or a proper prefix of it (cut
// short). Sorting and the text of the grid must work on whatever was read.
inline QString checkBestList(QByteArrayView bytes)
{
    BestList list = BestList::fromBytes(bytes.toByteArray());
    if (list.status() == BestList::Status::Foreign) {
        if (!list.empty())
            return QStringLiteral("a foreign file gave records");
        return {};
    }
    ByteWriter header;
    header.writeRawStr(kBestListMagic);
    header.writeRawStr(list.fieldList());
    QByteArray again = header.data();
    const std::vector<BestListDataTyp> records = list.records();
    for (const BestListDataTyp& r : records)
        again += encodeBestListRecord(r, list.fields());
    if (list.status() == BestList::Status::Complete && again != bytes)
        return QStringLiteral("a complete file does not write back to the same bytes");
    if (list.status() == BestList::Status::Truncated &&
        (again.size() >= bytes.size() || !bytes.startsWith(again)))
        return QStringLiteral("the records of a damaged file are not its complete start");

    // Sorting keeps every record and puts the best first.
    list.sort();
    const std::vector<BestListDataTyp> sorted = list.records();
    if (sorted.size() != records.size())
        return QStringLiteral("sorting lost records");
    const auto key = [](const BestListDataTyp& r) {
        return std::isnan(r.Leistung) ? -std::numeric_limits<double>::infinity() : r.Leistung;
    };
    for (size_t i = 1; i < sorted.size(); ++i) {
        const BestListDataTyp& a = sorted[i - 1];
        const BestListDataTyp& b = sorted[i];
        if (key(a) < key(b) || (key(a) == key(b) && a.Dauer > b.Dauer))
            return QStringLiteral("the sorted list is out of order");
    }
    const QString text = bestListText(list);
    if (text.count(QStringLiteral("\r\n")) != qsizetype(records.size()) + 1)
        return QStringLiteral("the text of the grid does not hold one line per record");
    return {};
}

} // namespace velunto::fuzzing
