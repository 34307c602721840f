// Fuzzes the reader of best-list files, its round trip, the order and the grid text.

#include "best_list_entry.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString broken = velunto::fuzzing::checkBestList(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
