// Loading and saving a document with a 1920 x 1080 photo as base image and
// 200 objects, against decoding and encoding the same PNG with libpng alone;
// and reading the summaries of a folder of 1,000 documents, against reading
// the first 4 KiB of each file.

#include "benchsupport.h"

#include "document/documentfile.h"
#include "document/picturecodec.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

using namespace velunto;

namespace {

constexpr int kObjects = 200;
constexpr int kFolderDocuments = 1000;

struct Fixture
{
    QTemporaryDir dir;
    QString documentPath;
    QString savePath;
    QByteArray png; // the base image as the writer encodes it
    Document document;
    QStringList folder;

    Fixture()
    {
        const QImage photo = bench::photoLikePicture(1920, 1080);
        document.baseImage = photo;
        for (int i = 0; i < kObjects; ++i) {
            ObjDataTyp o;
            // Labels, info points, links: no pictures of their own.
            const int kinds[] = {ObjectKind::QueryLabel,   ObjectKind::FixedLabel,
                                 ObjectKind::InfoPoint,    ObjectKind::FixedLabel,
                                 ObjectKind::ExternalLink, ObjectKind::DocumentLink};
            o.Typ = kinds[i % 6];
            o.Sx = (i % 20) / 20.0;
            o.Sy = (i / 20) / 10.0;
            o.Kx = o.Sx + 0.02;
            o.Ky = o.Sy + 0.03;
            o.Text = QStringLiteral("Beschriftung Nummer %1\r\nzweite Zeile").arg(i);
            o.PktCap = QStringLiteral("Info");
            document.objects.push_back(o);
        }
        documentPath = dir.filePath(QStringLiteral("bench.vlt"));
        savePath = dir.filePath(QStringLiteral("saved.vlt"));
        saveDocument(document, documentPath);
        png = encodePng(photo);

        // A folder of documents with a small photo each, larger than 4 KiB.
        Document small;
        small.header.Titel = QStringLiteral("Themendokument");
        small.header.lueckentext = QStringLiteral("Die [Sonne] geht im [Osten] auf.");
        small.baseImage = bench::photoLikePicture(160, 120, 2);
        const QByteArray bytes = serializeDocument(small).bytes;
        QDir().mkpath(dir.filePath(QStringLiteral("ordner")));
        for (int i = 0; i < kFolderDocuments; ++i) {
            const QString path = dir.filePath(QStringLiteral("ordner/dok%1.vlt").arg(i));
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            folder << path;
        }
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// --- libpng alone ------------------------------------------------------------

struct MemoryRead
{
    const unsigned char* data;
    size_t size;
    size_t pos;
};

void readMemory(png_structp png, png_bytep out, size_t n)
{
    auto* m = static_cast<MemoryRead*>(png_get_io_ptr(png));
    if (n > m->size - m->pos)
        png_error(png, "end of data");
    std::memcpy(out, m->data + m->pos, n);
    m->pos += n;
}

// Decodes to B, G, R, A bytes, as the document reader does.
bool libpngDecode(const QByteArray& bytes, std::vector<unsigned char>& pixels)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    MemoryRead source{reinterpret_cast<const unsigned char*>(bytes.constData()),
                      size_t(bytes.size()), 0};
    bool ok = false;
    if (!setjmp(png_jmpbuf(png))) {
        png_set_read_fn(png, &source, readMemory);
        png_read_info(png, info);
        png_set_bgr(png);
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
        png_read_update_info(png, info);
        const png_uint_32 w = png_get_image_width(png, info);
        const png_uint_32 h = png_get_image_height(png, info);
        pixels.resize(size_t(w) * h * 4);
        for (png_uint_32 y = 0; y < h; ++y)
            png_read_row(png, pixels.data() + size_t(y) * w * 4, nullptr);
        png_read_end(png, nullptr);
        ok = true;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return ok;
}

void writeMemory(png_structp png, png_bytep data, size_t n)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}

void flushNothing(png_structp)
{
}

// Encodes with the writer's settings.
bool libpngEncode(const QImage& image, std::vector<unsigned char>& out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    bool ok = false;
    if (!setjmp(png_jmpbuf(png))) {
        png_set_write_fn(png, &out, writeMemory, flushNothing);
        png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, kPngSaveSettings.zlibLevel);
        png_set_compression_strategy(png, kPngSaveSettings.strategy);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, kPngSaveSettings.filters);
        png_write_info(png, info);
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
        for (int y = 0; y < image.height(); ++y)
            png_write_row(png, image.constScanLine(y));
        png_write_end(png, info);
        ok = true;
    }
    png_destroy_write_struct(&png, &info);
    return ok;
}

// --- benchmarks ----------------------------------------------------------------

void BM_LibpngDecode(benchmark::State& state)
{
    const QByteArray& png = fixture().png;
    for (auto _ : state) {
        std::vector<unsigned char> pixels;
        benchmark::DoNotOptimize(libpngDecode(png, pixels));
    }
}

void BM_LoadDocument(benchmark::State& state)
{
    Fixture& f = fixture();
    Document doc;
    for (auto _ : state) {
        if (!loadDocument(doc, f.documentPath).ok)
            state.SkipWithError("load failed");
    }
}

void BM_LibpngEncode(benchmark::State& state)
{
    const QImage& photo = fixture().document.baseImage;
    for (auto _ : state) {
        std::vector<unsigned char> out;
        benchmark::DoNotOptimize(libpngEncode(photo, out));
    }
}

void BM_SaveDocument(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        if (!saveDocument(f.document, f.savePath).ok)
            state.SkipWithError("save failed");
    }
}

void BM_ReadFirst4KiB(benchmark::State& state)
{
    const QStringList& folder = fixture().folder;
    char buffer[4096];
    for (auto _ : state) {
        for (const QString& path : folder) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                benchmark::DoNotOptimize(file.read(buffer, sizeof buffer));
        }
    }
}

void BM_ReadFirst4KiBPosix(benchmark::State& state)
{
    std::vector<QByteArray> paths;
    for (const QString& path : fixture().folder)
        paths.push_back(QFile::encodeName(path));
    char buffer[4096];
    for (auto _ : state) {
        for (const QByteArray& path : paths) {
            const int fd = ::open(path.constData(), O_RDONLY);
            benchmark::DoNotOptimize(::read(fd, buffer, sizeof buffer));
            ::close(fd);
        }
    }
}

void BM_ReadDocumentSummaries(benchmark::State& state)
{
    const QStringList& folder = fixture().folder;
    for (auto _ : state) {
        for (const QString& path : folder)
            benchmark::DoNotOptimize(readDocumentSummary(path));
    }
}

BENCHMARK(BM_LibpngDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpngEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFirst4KiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFirst4KiBPosix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocumentSummaries)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<char*> args = bench::argumentsForRatios(argc, argv);
    int count = int(args.size()) - 1;
    benchmark::Initialize(&count, args.data());
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("BM_LoadDocument", "BM_LibpngDecode", 1.15);
    reporter.printRatio("BM_SaveDocument", "BM_LibpngEncode", 1.2);
    reporter.printRatio("BM_ReadDocumentSummaries", "BM_ReadFirst4KiB", 2.0);
    reporter.printRatio("BM_ReadDocumentSummaries", "BM_ReadFirst4KiBPosix", 2.0);
    benchmark::Shutdown();
    return 0;
}
