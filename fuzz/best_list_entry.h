#pragma once

// What the fuzzer checks for one best-list file, shared with the test that
// replays its seed corpus.

#include "common/binarystream.h"
#include "exercise/bestlist.h"

#include <QByteArrayView>
#include <QString>

namespace velunto::fuzzing {

// Reads bytes as a best-list file. Besides not crashing, the records read
// must be exactly what the bytes hold: written again behind the same header
// they give the whole input (complete file) or a proper prefix of it (cut
// short). Sorting and the text of the grid must work on whatever was read.
inline QString checkBestList(QByteArrayView bytes)
{
    ParsedBestList parsed = parseBestList(bytes);
    if (parsed.status == ParsedBestList::Status::Foreign) {
        if (!parsed.records.empty())
            return QStringLiteral("a foreign file gave records");
        return {};
    }
    ByteWriter header;
    header.writeRawStr(kBestListMagic);
    header.writeRawStr(parsed.fieldList);
    QByteArray again = header.data();
    for (const BestListDataTyp& r : parsed.records)
        again += encodeBestListRecord(r, parsed.fields);
    if (parsed.status == ParsedBestList::Status::Complete && again != bytes)
        return QStringLiteral("a complete file does not write back to the same bytes");
    if (parsed.status == ParsedBestList::Status::Truncated &&
        (again.size() >= bytes.size() || !bytes.startsWith(again)))
        return QStringLiteral("the records of a damaged file are not its complete start");

    const qsizetype count = qsizetype(parsed.records.size());
    sortBestList(parsed.records);
    const QString text = bestListText(parsed.records);
    if (text.count(QStringLiteral("\r\n")) != count + 1)
        return QStringLiteral("the text of the grid does not hold one line per record");
    return {};
}

} // namespace velunto::fuzzing
