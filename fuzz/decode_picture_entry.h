#pragma once

// What the fuzzer checks for one picture file, shared with the test that
// replays the seed corpus.

#include "document/picturecodec.h"

#include <QByteArrayView>
#include <QString>

namespace velunto::fuzzing {

// Decodes bytes as PNG and as JPEG. Besides not crashing, a decoded picture
// keeps within the size limits and is of one of the two formats the program
// works with, and a decoded PNG encodes and decodes again to the same
// pixels. Returns the rule that broke, empty when all held.
inline QString checkDecodePicture(QByteArrayView bytes)
{
    auto wellFormed = [](const Picture& p) {
        return pictureSizeAllowed(p.width(), p.height()) &&
               (p.format() == QImage::Format_RGB32 || p.format() == QImage::Format_ARGB32);
    };
    if (const std::optional<Picture> png = decodePng(bytes)) {
        if (!wellFormed(*png))
            return QStringLiteral("a decoded PNG has a size or format out of bounds");
        const std::optional<Picture> again = decodePng(encodePng(*png));
        if (!again || again->convertToFormat(QImage::Format_ARGB32) !=
                          png->convertToFormat(QImage::Format_ARGB32))
            return QStringLiteral("a decoded PNG does not survive encoding");
    }
    if (const std::optional<Picture> jpeg = decodeJpeg(bytes)) {
        if (!wellFormed(*jpeg) || jpeg->format() != QImage::Format_RGB32)
            return QStringLiteral("a decoded JPEG has a size or format out of bounds");
    }
    return {};
}

} // namespace velunto::fuzzing
