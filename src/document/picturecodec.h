#pragma once

#include "common/binarystream.h"
#include "document/records.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <optional>

namespace velunto {

// The largest picture the program reads: 20,000 pixels a side and 100
// megapixels. Larger sizes are refused before anything is allocated.
constexpr int kMaxPictureSide = 20000;
constexpr qint64 kMaxPicturePixels = 100'000'000;

bool pictureSizeAllowed(qint64 width, qint64 height);

// --- PNG -------------------------------------------------------------------

// Decodes one PNG datastream that starts at the reader's position and leaves
// the reader directly after its IEND chunk. Pictures with an alpha channel
// (grey or colour with alpha, or a tRNS chunk) come back as
// QImage::Format_ARGB32 (straight alpha), all others as Format_RGB32.
// Throws ReadError when the stream is incomplete, malformed or too large.
Picture readPng(ByteReader& reader);

// Decodes the PNG datastream at the start of bytes; nullopt when it cannot be
// decoded.
std::optional<Picture> decodePng(QByteArrayView bytes);

// Filter choices of the PNG encoder, with the values of libpng's
// PNG_FILTER_* flags.
namespace PngFilter {
enum : int { None = 0x08, Sub = 0x10, Up = 0x20, Avg = 0x40, Paeth = 0x80, All = 0xF8 };
}

struct PngEncoderSettings
{
    int zlibLevel;
    int filters;  // PngFilter flags; several flags let libpng choose per row
    int strategy; // zlib strategy (Z_DEFAULT_STRATEGY, Z_FILTERED, Z_RLE, ...)
};

// The settings of every PNG the program writes, chosen by measurement
// (bench_png_settings, CPU time for one 1920 x 1080 picture):
//
//   zlib level, strategy, filter   photo-like         drawing-like
//   6, default, all (libpng's)     436 ms  3.63 MB    102 ms  371 KB
//   3, default, all                245 ms  3.70 MB     62 ms  408 KB
//   1, default, all                156 ms  3.74 MB     65 ms  416 KB
//   1, default, up                 112 ms  3.87 MB     28 ms  450 KB
//   1, default, sub                109 ms  3.85 MB     36 ms  420 KB
//   1, default, none               214 ms  5.44 MB     29 ms  368 KB
//   RLE, up                         91 ms  3.40 MB     23 ms  526 KB
//   RLE, sub                        90 ms  3.40 MB     27 ms  439 KB
//   RLE, paeth                     136 ms  3.42 MB     32 ms  383 KB
//
// Run-length matching after the Sub filter saves photos nearly five times as
// fast as libpng's defaults and even a little smaller, since the noise of a
// photo leaves deflate's search for long matches nothing to find; drawings
// save four times as fast at a fifth more bytes. Saving speed matters:
// board snapshots and folder batches save many pictures.
extern const PngEncoderSettings kPngSaveSettings;

// Called while a picture is encoded, each time the output has grown by about
// a megabyte, so that a writer can pass the bytes on while the encoder works.
using PngProgress = std::function<void()>;

// Appends picture (not null) as one PNG datastream: 8-bit RGB, or 8-bit RGBA
// when the picture has an alpha channel with a pixel that is not opaque.
// Returns false (out keeps what it had) when the encoder fails.
bool appendPng(QByteArray& out, const Picture& picture,
               const PngEncoderSettings& settings = kPngSaveSettings,
               const PngProgress& progress = {});
QByteArray encodePng(const Picture& picture, const PngEncoderSettings& settings = kPngSaveSettings);

// --- JPEG ------------------------------------------------------------------

// Decodes a JPEG file's bytes into a Format_RGB32 picture; nullopt when it
// cannot be decoded or is too large.
std::optional<Picture> decodeJpeg(QByteArrayView bytes);

// Encodes picture as a baseline JPEG of the given quality (1..100); alpha is
// dropped. Empty when the encoder fails.
QByteArray encodeJpeg(const Picture& picture, int quality);

} // namespace velunto
