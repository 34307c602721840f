#include "document/picturecodec.h"

#include <QtEndian>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include <jerror.h> // after jpeglib.h, which it needs

// libpng and libjpeg report errors by longjmp. Every function below that
// calls setjmp holds only plain C data, so that no C++ object with a
// destructor lives in a frame that a longjmp leaves; the C++ parts (QImage,
// QByteArray) live in the callers, outside the jump.

namespace velunto {

static_assert(PngFilter::None == PNG_FILTER_NONE && PngFilter::Sub == PNG_FILTER_SUB &&
              PngFilter::Up == PNG_FILTER_UP && PngFilter::Avg == PNG_FILTER_AVG &&
              PngFilter::Paeth == PNG_FILTER_PAETH && PngFilter::All == PNG_ALL_FILTERS);

const PngEncoderSettings kPngSaveSettings = {1, PngFilter::Sub, Z_RLE};

bool pictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

namespace {

// ---------------------------------------------------------------------------
// PNG reading

constexpr unsigned char kPngSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

// Deflate cannot shrink data by more than 1032 : 1. A stream whose IDAT
// chunks are too short to hold its pixels is refused before the picture is
// allocated, so that a tiny file cannot demand a huge allocation.
constexpr qint64 kMaxDeflateRatio = 1032;
constexpr qint64 kDeflateSlack = 4096;

quint32 bigEndian32(const char* p)
{
    return qFromBigEndian<quint32>(p);
}

bool chunkTypeIs(const char* type, const char (&name)[5])
{
    return std::memcmp(type, name, 4) == 0;
}

// What walking the chunks of a PNG datastream tells before decoding.
struct PngOutline
{
    qsizetype length = 0; // signature up to and including the IEND chunk
    quint32 width = 0;
    quint32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    qint64 idatBytes = 0;
};

int channelsOf(int colourType)
{
    switch (colourType) {
    case 0:
        return 1; // grey
    case 2:
        return 3; // RGB
    case 3:
        return 1; // palette
    case 4:
        return 2; // grey + alpha
    case 6:
        return 4; // RGBA
    default:
        return 0;
    }
}

// Walks the chunks from the signature to IEND, checking every length against
// the bytes present. Throws ReadError when the stream cannot be a PNG that
// this program decodes.
PngOutline outlinePng(QByteArrayView bytes)
{
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    if (size < 8 || std::memcmp(data, kPngSignature, 8) != 0)
        throw ReadError("no PNG signature");

    PngOutline outline;
    qsizetype pos = 8;
    bool first = true;
    for (;;) {
        if (size - pos < 12)
            throw ReadError("PNG chunk beyond the data");
        const quint32 length = bigEndian32(data + pos);
        const char* type = data + pos + 4;
        if (length > 0x7FFFFFFFu || qint64(length) > size - pos - 12)
            throw ReadError("PNG chunk length beyond the data");
        const char* body = data + pos + 8;
        if (first) {
            if (!chunkTypeIs(type, "IHDR") || length != 13)
                throw ReadError("PNG without IHDR");
            outline.width = bigEndian32(body);
            outline.height = bigEndian32(body + 4);
            outline.bitDepth = static_cast<unsigned char>(body[8]);
            outline.colourType = static_cast<unsigned char>(body[9]);
            first = false;
        } else if (chunkTypeIs(type, "IDAT")) {
            outline.idatBytes += length;
        }
        pos += 12 + qsizetype(length);
        if (chunkTypeIs(type, "IEND"))
            break;
    }
    outline.length = pos;

    if (!pictureSizeAllowed(outline.width, outline.height))
        throw ReadError("PNG picture too large");
    const int channels = channelsOf(outline.colourType);
    if (channels == 0 || outline.bitDepth < 1 || outline.bitDepth > 16)
        throw ReadError("PNG colour type not supported");
    const qint64 pixelBytes =
        qint64(outline.height) * ((qint64(outline.width) * channels * outline.bitDepth) / 8);
    if (pixelBytes > outline.idatBytes * kMaxDeflateRatio + kDeflateSlack)
        throw ReadError("PNG image data too short for its size");
    return outline;
}

struct PngSource
{
    const unsigned char* data;
    size_t size;
    size_t pos;
};

void pngReadFromMemory(png_structp png, png_bytep out, size_t count)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > source->size - source->pos)
        png_error(png, "read beyond the PNG data");
    std::memcpy(out, source->data + source->pos, count);
    source->pos += count;
}

void pngFail(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void pngIgnoreWarning(png_structp, png_const_charp)
{
}

struct PngRowLayout
{
    png_uint_32 width;
    png_uint_32 height;
    int hasAlpha;
    int passes;
};

// Reads the header and sets the transformations that turn every colour type
// and bit depth into 8-bit B, G, R, A bytes per pixel (QImage's ARGB32 and
// RGB32 on a little-endian machine).
bool readPngHeader(png_structp png, png_infop info, PngRowLayout* layout)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    const int colourType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    const int hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;

    if (bitDepth == 16)
        png_set_scale_16(png);
    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (hasTrns)
        png_set_tRNS_to_alpha(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_bgr(png);
    layout->hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || hasTrns;
    if (!layout->hasAlpha)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    layout->passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);

    layout->width = png_get_image_width(png, info);
    layout->height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != size_t(layout->width) * 4)
        return false;
    return true;
}

bool readPngRows(png_structp png, unsigned char* bits, size_t bytesPerLine,
                 const PngRowLayout* layout)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    for (int pass = 0; pass < layout->passes; ++pass) {
        for (png_uint_32 y = 0; y < layout->height; ++y)
            png_read_row(png, bits + y * bytesPerLine, nullptr);
    }
    png_read_end(png, nullptr);
    return true;
}

// Ancillary chunks that do not change the pixels as this program shows them;
// libpng skips them unread.
constexpr png_byte kIgnoredChunks[] = "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0"
                                      "pCAL\0pHYs\0sBIT\0sCAL\0sPLT\0sRGB\0sTER\0tEXt\0"
                                      "tIME\0zTXt";

struct PngReader
{
    png_structp png = nullptr;
    png_infop info = nullptr;

    PngReader()
    {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngFail, pngIgnoreWarning);
        if (png)
            info = png_create_info_struct(png);
    }
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
};

// Decodes exactly the bytes of one PNG datastream (already outlined).
std::optional<Picture> decodeOutlinedPng(QByteArrayView bytes)
{
    PngReader reader;
    if (!reader.png || !reader.info)
        return std::nullopt;
    PngSource source{reinterpret_cast<const unsigned char*>(bytes.data()), size_t(bytes.size()), 0};
    png_set_read_fn(reader.png, &source, pngReadFromMemory);
    png_set_user_limits(reader.png, kMaxPictureSide, kMaxPictureSide);
    png_set_keep_unknown_chunks(reader.png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(reader.png, PNG_HANDLE_CHUNK_NEVER, kIgnoredChunks,
                                int(sizeof kIgnoredChunks / 5));

    PngRowLayout layout{};
    if (!readPngHeader(reader.png, reader.info, &layout))
        return std::nullopt;
    if (!pictureSizeAllowed(layout.width, layout.height))
        return std::nullopt;
    Picture picture(int(layout.width), int(layout.height),
                    layout.hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.isNull())
        return std::nullopt;
    if (!readPngRows(reader.png, picture.bits(), size_t(picture.bytesPerLine()), &layout))
        return std::nullopt;
    return picture;
}

// ---------------------------------------------------------------------------
// PNG writing

constexpr qsizetype kProgressStep = 1 << 20;

struct PngSink
{
    QByteArray* out;
    const PngProgress* progress;
    qsizetype reported; // size of out at the last progress call
    bool failed;
};

// Nothing may be thrown through libpng's frames: a failure is noted instead.
void pngWriteToMemory(png_structp png, png_bytep data, size_t count)
{
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    if (sink->failed)
        return;
    try {
        sink->out->append(reinterpret_cast<const char*>(data), qsizetype(count));
        if (*sink->progress && sink->out->size() - sink->reported >= kProgressStep) {
            sink->reported = sink->out->size();
            (*sink->progress)();
        }
    } catch (...) {
        sink->failed = true;
    }
}

void pngFlushNothing(png_structp)
{
}

struct PngImageRows
{
    const unsigned char* bits;
    size_t bytesPerLine;
    png_uint_32 width;
    png_uint_32 height;
    int withAlpha;
};

bool writePngRows(png_structp png, png_infop info, const PngImageRows* rows,
                  const PngEncoderSettings* settings)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, rows->width, rows->height, 8,
                 rows->withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, settings->zlibLevel);
    png_set_compression_strategy(png, settings->strategy);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, settings->filters);
    png_write_info(png, info);
    png_set_bgr(png);
    if (!rows->withAlpha)
        png_set_filler(png, 0, PNG_FILLER_AFTER); // drops the fourth byte of each pixel
    for (png_uint_32 y = 0; y < rows->height; ++y)
        png_write_row(png, rows->bits + y * rows->bytesPerLine);
    png_write_end(png, info);
    return true;
}

bool allOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// JPEG

// Progressive JPEGs may hold any number of scans; a hostile file uses that to
// keep the decoder busy for minutes. Real files have a few dozen at most.
constexpr int kMaxJpegScans = 500;
// A progressive JPEG keeps all its coefficients while decoding, two bytes
// per sample: about 600 MB at the largest allowed size. More than this bound
// is refused rather than allocated.
constexpr long kMaxJpegWorkMemory = 1L << 30;

struct JpegErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int endedEarly; // the data ended inside the picture
};

void jpegFail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void jpegIgnoreMessage(j_common_ptr)
{
}

// libjpeg only warns when the data ends early and fills the rest with grey;
// such a file is broken, not a picture. Other warnings (stray bytes between
// markers, common in camera files) are let pass.
void jpegNoteWarning(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<JpegErrorManager*>(info->err)->endedEarly = 1;
}

void jpegLimitScans(j_common_ptr info)
{
    if (info->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans)
        jpegFail(info);
}

struct JpegOutline
{
    JDIMENSION width;
    JDIMENSION height;
    int cmyk;
    int adobeInverted;
};

bool readJpegHeader(jpeg_decompress_struct* info, JpegErrorManager* errors,
                    jpeg_progress_mgr* progress, const unsigned char* data, unsigned long size,
                    JpegOutline* outline)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_create_decompress(info);
    info->progress = progress; // after the create, which clears it
    info->mem->max_memory_to_use = kMaxJpegWorkMemory;
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);
    outline->cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    outline->adobeInverted = info->saw_Adobe_marker;
    info->out_color_space = outline->cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_calc_output_dimensions(info);
    outline->width = info->output_width;
    outline->height = info->output_height;
    return info->output_components == 4;
}

bool readJpegRows(jpeg_decompress_struct* info, JpegErrorManager* errors, unsigned char* bits,
                  size_t bytesPerLine, unsigned char* cmykRow, int adobeInverted)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_start_decompress(info);
    while (info->output_scanline < info->output_height) {
        unsigned char* line = bits + size_t(info->output_scanline) * bytesPerLine;
        JSAMPROW row = cmykRow ? cmykRow : line;
        if (jpeg_read_scanlines(info, &row, 1) != 1)
            return false;
        if (!cmykRow)
            continue;
        for (JDIMENSION x = 0; x < info->output_width; ++x) {
            int c = cmykRow[4 * x], m = cmykRow[4 * x + 1], y = cmykRow[4 * x + 2],
                k = cmykRow[4 * x + 3];
            if (!adobeInverted) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            line[4 * x] = static_cast<unsigned char>(y * k / 255);
            line[4 * x + 1] = static_cast<unsigned char>(m * k / 255);
            line[4 * x + 2] = static_cast<unsigned char>(c * k / 255);
            line[4 * x + 3] = 255;
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

struct JpegImageRows
{
    const unsigned char* bits;
    size_t bytesPerLine;
    JDIMENSION width;
    JDIMENSION height;
};

bool writeJpegRows(jpeg_compress_struct* info, JpegErrorManager* errors, const JpegImageRows* rows,
                   int quality, unsigned char** buffer, unsigned long* size)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_create_compress(info);
    jpeg_mem_dest(info, buffer, size);
    info->image_width = rows->width;
    info->image_height = rows->height;
    info->input_components = 4;
    info->in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = const_cast<unsigned char*>(rows->bits) +
                       size_t(info->next_scanline) * rows->bytesPerLine;
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    return true;
}

} // namespace

// ---------------------------------------------------------------------------

Picture readPng(ByteReader& reader)
{
    const qsizetype start = reader.position();
    const QByteArrayView stream = reader.bytes().sliced(start);
    const PngOutline outline = outlinePng(stream);
    std::optional<Picture> picture = decodeOutlinedPng(stream.first(outline.length));
    if (!picture)
        throw ReadError("PNG picture cannot be decoded");
    reader.skip(outline.length);
    return std::move(*picture);
}

std::optional<Picture> decodePng(QByteArrayView bytes)
{
    try {
        ByteReader reader(bytes);
        return readPng(reader);
    } catch (const ReadError&) {
        return std::nullopt;
    }
}

bool appendPng(QByteArray& out, const Picture& picture, const PngEncoderSettings& settings,
               const PngProgress& progress)
{
    Q_ASSERT(!picture.isNull());
    QImage image = picture;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
    if (image.isNull())
        return false;
    const bool withAlpha = image.format() == QImage::Format_ARGB32 && !allOpaque(image);

    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngFail, pngIgnoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const qsizetype oldSize = out.size();
    PngSink sink{&out, &progress, out.size(), false};
    bool ok = false;
    if (png && info) {
        png_set_write_fn(png, &sink, pngWriteToMemory, pngFlushNothing);
        const PngImageRows rows{image.constBits(), size_t(image.bytesPerLine()),
                                png_uint_32(image.width()), png_uint_32(image.height()), withAlpha};
        ok = writePngRows(png, info, &rows, &settings) && !sink.failed;
    }
    png_destroy_write_struct(&png, &info);
    if (!ok)
        out.truncate(oldSize);
    return ok;
}

QByteArray encodePng(const Picture& picture, const PngEncoderSettings& settings)
{
    QByteArray out;
    if (!appendPng(out, picture, settings))
        return {};
    return out;
}

std::optional<Picture> decodeJpeg(QByteArrayView bytes)
{
    jpeg_decompress_struct info{};
    JpegErrorManager errors{};
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jpegFail;
    errors.pub.output_message = jpegIgnoreMessage;
    errors.pub.emit_message = jpegNoteWarning;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = jpegLimitScans;

    std::optional<Picture> result;
    JpegOutline outline{};
    if (readJpegHeader(&info, &errors, &progress,
                       reinterpret_cast<const unsigned char*>(bytes.data()),
                       static_cast<unsigned long>(bytes.size()), &outline) &&
        pictureSizeAllowed(outline.width, outline.height)) {
        Picture picture(int(outline.width), int(outline.height), QImage::Format_RGB32);
        std::vector<unsigned char> cmykRow(outline.cmyk ? size_t(outline.width) * 4 : 0);
        if (!picture.isNull() &&
            readJpegRows(&info, &errors, picture.bits(), size_t(picture.bytesPerLine()),
                         outline.cmyk ? cmykRow.data() : nullptr, outline.adobeInverted) &&
            !errors.endedEarly)
            result = std::move(picture);
    }
    jpeg_destroy_decompress(&info);
    return result;
}

QByteArray encodeJpeg(const Picture& picture, int quality)
{
    if (picture.isNull())
        return {};
    QImage image = picture;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return {};

    jpeg_compress_struct info{};
    JpegErrorManager errors{};
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jpegFail;
    errors.pub.output_message = jpegIgnoreMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const JpegImageRows rows{image.constBits(), size_t(image.bytesPerLine()),
                             JDIMENSION(image.width()), JDIMENSION(image.height())};
    QByteArray result;
    if (writeJpegRows(&info, &errors, &rows, qBound(1, quality, 100), &buffer, &size))
        result = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return result;
}

} // namespace velunto
