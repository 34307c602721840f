// Fuzzes the PNG and JPEG decoders with whole picture files.

#include "decode_picture_entry.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString broken = velunto::fuzzing::checkDecodePicture(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", broken.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
