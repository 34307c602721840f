#include "../../fuzz/decode_picture_entry.h"

#include "support/pngfixtures.h"
#include "support/sampledocuments.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

using namespace velunto;
using namespace velunto::testing;

namespace {

const QString kPictureCorpus = QStringLiteral(VELUNTO_SOURCE_DIR "/fuzz/corpus/decode_picture");

QByteArray qtJpeg(const QImage& image, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(80);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// Small pictures of the kinds the decoders meet.
std::vector<std::pair<QString, QByteArray>> seedPictures()
{
    RawPng interlacedGrey;
    interlacedGrey.width = 9;
    interlacedGrey.height = 7;
    interlacedGrey.colourType = 0;
    interlacedGrey.bitDepth = 4;
    interlacedGrey.interlaced = true;
    interlacedGrey.samples = [](int x, int y) {
        return std::vector<unsigned>{unsigned(x + y) % 16};
    };
    RawPng palette;
    palette.width = 5;
    palette.height = 4;
    palette.colourType = 3;
    palette.bitDepth = 2;
    palette.palette = QByteArray("\x10\x20\x30\xff\x00\x00\x00\xff\x00", 9);
    palette.transparency = QByteArray("\x80", 1);
    palette.samples = [](int x, int y) { return std::vector<unsigned>{unsigned(x * y) % 3}; };
    const QImage photo = tinyPicture(24, 16, false, 5);
    return {
        {"rgba.png", encodePng(tinyPicture(6, 5, true, 1))},
        {"grey_interlaced.png", buildPng(interlacedGrey)},
        {"palette_trns.png", buildPng(palette)},
        {"baseline.jpg", encodeJpeg(photo, 85)},
        {"progressive.jpg", qtJpeg(photo, true)},
        {"grey.jpg", qtJpeg(photo.convertToFormat(QImage::Format_Grayscale8), false)},
    };
}

} // namespace

// With VELUNTO_WRITE_CORPUS=1 this test writes the seed pictures afresh.
TEST(FuzzReplay, PictureCorpusDecodesWithinTheRules)
{
    if (qEnvironmentVariableIntValue("VELUNTO_WRITE_CORPUS") == 1) {
        for (const auto& [name, bytes] : seedPictures()) {
            QFile f(kPictureCorpus + u'/' + name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
    }
    const QDir dir(kPictureCorpus);
    int decoded = 0;
    for (const QString& name : dir.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        EXPECT_EQ(fuzzing::checkDecodePicture(bytes), QString());
        decoded += decodePng(bytes).has_value() || decodeJpeg(bytes).has_value();
    }
    EXPECT_GE(decoded, 6);
}
