#include "document/picturecodec.h"

#include "support/pngfixtures.h"
#include "support/sampledocuments.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

using namespace velunto;
using namespace velunto::testing;

namespace {

struct PngVariant
{
    const char* name;
    int colourType;
    int bitDepth;
    bool interlaced;
    bool withTransparency;
    bool expectAlpha;
};

std::vector<unsigned> variantSamples(const PngVariant& v, int x, int y)
{
    const unsigned max = (1u << v.bitDepth) - 1;
    auto sample = [&](int k) {
        const unsigned s8 = unsigned(x * 29 + y * 47 + k * 71) & 0xFF;
        // 16-bit samples are multiples of 257, so both decoders agree exactly.
        return v.bitDepth == 16 ? s8 * 257 : (v.bitDepth == 8 ? s8 : s8 % (max + 1));
    };
    switch (v.colourType) {
    case 0:
        return {sample(0)};
    case 3:
        return {unsigned(x + y) % 4};
    case 4:
        return {sample(0), sample(1)};
    case 2:
        return {sample(0), sample(1), sample(2)};
    default:
        return {sample(0), sample(1), sample(2), sample(3)};
    }
}

QByteArray variantPng(const PngVariant& v)
{
    RawPng p;
    p.width = 13;
    p.height = 11;
    p.colourType = v.colourType;
    p.bitDepth = v.bitDepth;
    p.interlaced = v.interlaced;
    p.samples = [&v](int x, int y) { return variantSamples(v, x, y); };
    if (v.colourType == 3)
        p.palette = QByteArray("\x10\x20\x30\xff\x00\x00\x00\xff\x00\x40\x50\x60", 12);
    if (v.withTransparency) {
        if (v.colourType == 3)
            p.transparency = QByteArray("\x80\x00", 2); // entries 2, 3 stay opaque
        else if (v.colourType == 2)
            p.transparency = bigEndian32(0).left(2) + QByteArray("\x00\x1d\x00\x2f", 4);
        else
            p.transparency = QByteArray("\x00\x2f", 2);
    }
    return buildPng(p);
}

bool pixelsEqual(const QImage& a, const QImage& b)
{
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

// Equal pixels, where fully transparent pixels count as equal whatever
// their colour: Qt's reader makes them transparent black, ours keeps the
// stored colour.
bool sameVisiblePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            if (p != q && !(qAlpha(p) == 0 && qAlpha(q) == 0))
                return false;
        }
    }
    return true;
}

QImage gradientPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x + y) * 127 / (w + h)));
    return image;
}

} // namespace

TEST(PictureCodec, DecodesEveryColourTypeLikeQt)
{
    const PngVariant variants[] = {
        {"grey 8", 0, 8, false, false, false},
        {"grey 1", 0, 1, false, false, false},
        {"grey 2", 0, 2, false, false, false},
        {"grey 4 interlaced", 0, 4, true, false, false},
        {"grey 16", 0, 16, false, false, false},
        {"grey 8 tRNS", 0, 8, false, true, true},
        {"rgb 8", 2, 8, false, false, false},
        {"rgb 8 interlaced", 2, 8, true, false, false},
        {"rgb 16", 2, 16, false, false, false},
        {"rgb 8 tRNS", 2, 8, false, true, true},
        {"palette 8", 3, 8, false, false, false},
        {"palette 2", 3, 2, false, false, false},
        {"palette tRNS", 3, 8, false, true, true},
        {"grey alpha 8", 4, 8, false, false, true},
        {"grey alpha 16", 4, 16, false, false, true},
        {"rgba 8", 6, 8, false, false, true},
        {"rgba 8 interlaced", 6, 8, true, false, true},
        {"rgba 16", 6, 16, false, false, true},
    };
    for (const PngVariant& v : variants) {
        SCOPED_TRACE(v.name);
        const QByteArray png = variantPng(v);
        const std::optional<Picture> ours = decodePng(png);
        ASSERT_TRUE(ours.has_value());
        EXPECT_EQ(ours->format(), v.expectAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        const QImage reference = QImage::fromData(png, "PNG");
        ASSERT_FALSE(reference.isNull());
        EXPECT_TRUE(sameVisiblePixels(*ours, reference));
    }
}

TEST(PictureCodec, ReadsFromTheMiddleOfABlockAndContinuesAfterIend)
{
    const Picture first = tinyPicture(5, 3, true, 1);
    const Picture second = tinyPicture(2, 7, false, 2);
    QByteArray block = "head";
    ASSERT_TRUE(appendPng(block, first));
    ASSERT_TRUE(appendPng(block, second));
    block += "tail";

    ByteReader reader(block, 4);
    EXPECT_TRUE(samePixels(readPng(reader), first));
    EXPECT_TRUE(samePixels(readPng(reader), second));
    EXPECT_EQ(reader.readBytes(4), QByteArrayView("tail"));
}

TEST(PictureCodec, EncodingKeepsPixelsAndWritesAlphaOnlyWhenUsed)
{
    const int kColourTypeOffset = 8 + 8 + 9; // signature, chunk head, IHDR fields before it
    struct Case
    {
        const char* name;
        QImage picture;
        int colourType;
    };
    QImage opaqueArgb = tinyPicture(6, 4, false, 5).convertToFormat(QImage::Format_ARGB32);
    QImage premultiplied =
        tinyPicture(6, 4, true, 6).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const Case cases[] = {
        {"opaque", tinyPicture(6, 4, false, 4), 2},
        {"alpha", tinyPicture(6, 4, true, 5), 6},
        {"alpha channel but opaque", opaqueArgb, 2},
        {"premultiplied", premultiplied, 6},
        {"grey", tinyPicture(6, 4, false, 7).convertToFormat(QImage::Format_Grayscale8), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray png = encodePng(c.picture);
        ASSERT_GT(png.size(), kColourTypeOffset);
        EXPECT_EQ(int(png[kColourTypeOffset]), c.colourType);
        const std::optional<Picture> back = decodePng(png);
        ASSERT_TRUE(back.has_value());
        EXPECT_TRUE(pixelsEqual(*back, c.picture));
    }
}

TEST(PictureCodec, RefusesBrokenAndOversizedStreams)
{
    const QByteArray good = encodePng(tinyPicture(4, 4, false, 1));
    auto withHeader = [](quint32 w, quint32 h) {
        RawPng p;
        p.width = 1;
        p.height = 1;
        p.colourType = 0;
        p.samples = [](int, int) { return std::vector<unsigned>{0}; };
        QByteArray png = buildPng(p);
        // Replace the IHDR by one with the claimed size; the tiny IDAT stays.
        return png.left(8) + pngHeader(w, h, 8, 0, false) + png.mid(8 + 25);
    };
    QByteArray badCrc = good;
    badCrc[good.size() - 20] = char(badCrc[good.size() - 20] ^ 0x55); // inside IDAT
    QByteArray hugeLength = good;
    hugeLength.replace(8 + 25, 4, bigEndian32(0xFFFFFFF0u));
    QByteArray noIend = good.left(good.size() - 12);
    QByteArray noIhdr = pngSignature() + pngChunk("IEND", {});
    QByteArray badColourType = good;
    badColourType[8 + 8 + 9] = 5;

    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"signature only", pngSignature()},
        {"truncated", good.left(good.size() / 2)},
        {"no IEND", noIend},
        {"no IHDR", noIhdr},
        {"chunk length beyond the data", hugeLength},
        {"bad CRC", badCrc},
        {"colour type 5", badColourType},
        {"wider than 20000", withHeader(20001, 1)},
        {"more than 100 megapixels", withHeader(10001, 10000)},
        {"zero width", withHeader(0, 5)},
        {"image data far too short for the size", withHeader(5000, 5000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ByteReader reader(c.bytes);
        EXPECT_THROW(readPng(reader), ReadError);
        EXPECT_FALSE(decodePng(c.bytes).has_value());
    }
}

TEST(PictureCodec, JpegRoundTripAndGreyJpegs)
{
    const QImage picture = gradientPicture(40, 30);
    const QByteArray jpeg = encodeJpeg(picture, 95);
    ASSERT_FALSE(jpeg.isEmpty());
    const std::optional<Picture> back = decodeJpeg(jpeg);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->size(), picture.size());
    EXPECT_EQ(back->format(), QImage::Format_RGB32);
    int worst = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y);
            const QRgb b = back->pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    EXPECT_LE(worst, 12);

    QByteArray grey;
    QBuffer buffer(&grey);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.convertToFormat(QImage::Format_Grayscale8).save(&buffer, "JPG", 95));
    const std::optional<Picture> greyBack = decodeJpeg(grey);
    ASSERT_TRUE(greyBack.has_value());
    const QRgb p = greyBack->pixel(20, 15);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qGreen(p), qBlue(p));
    EXPECT_EQ(qAlpha(p), 255);

    EXPECT_FALSE(decodeJpeg(jpeg.left(jpeg.size() / 3)).has_value());
    EXPECT_FALSE(decodeJpeg(QByteArray("not a jpeg")).has_value());
    EXPECT_FALSE(decodeJpeg({}).has_value());
}
