#pragma once

#include "common/binarystream.h"
#include "document/records.h"

#include <QByteArray>
#include <QByteArrayView>

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

// The settings of every PNG the program writes. Chosen by measurement on a
// 1920 x 1080 photo-like and a drawing-like picture (bench_png_settings):
//
//   setting          photo: ms   size      drawing: ms   size
//   level 6, all         244    6.07 MB        39       57 KB
//   level 3, all         158    6.07 MB        20       63 KB
//   level 1, all          96    6.26 MB        16       74 KB
//   level 1, sub          59    6.28 MB         9      101 KB
//   level 1, up           55    6.36 MB         9       82 KB
//   level 1, none         62    6.64 MB         8      110 KB
//
// Level 1 with the Up filter is the fastest choice for photos (a quarter of
// the time of libpng's defaults) and costs less than 5 % in size; drawings,
// which compress well anyway, save as fast as with no filter at a smaller
// size. Saving speed matters more than the last percent: board snapshots
// and folder batches save many pictures.
extern const PngEncoderSettings kPngSaveSettings;

// Appends picture (not null) as one PNG datastream: 8-bit RGB, or 8-bit RGBA
// when the picture has an alpha channel with a pixel that is not opaque.
// Returns false (out keeps what it had) when the encoder fails.
bool appendPng(QByteArray& out, const Picture& picture,
               const PngEncoderSettings& settings = kPngSaveSettings);
QByteArray encodePng(const Picture& picture, const PngEncoderSettings& settings = kPngSaveSettings);

// --- JPEG ------------------------------------------------------------------

// Decodes a JPEG file's bytes into a Format_RGB32 picture; nullopt when it
// cannot be decoded or is too large.
std::optional<Picture> decodeJpeg(QByteArrayView bytes);

// Encodes picture as a baseline JPEG of the given quality (1..100); alpha is
// dropped. Empty when the encoder fails.
QByteArray encodeJpeg(const Picture& picture, int quality);

} // namespace velunto
