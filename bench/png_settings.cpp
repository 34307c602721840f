// Encoding time and size of the PNG encoder settings on a photo-like and a
// drawing-like picture: the measurement behind kPngSaveSettings.

#include "benchsupport.h"

#include "document/picturecodec.h"

#include <zlib.h>

using namespace velunto;

namespace {

const QImage& picture(int which)
{
    static const QImage photo = bench::photoLikePicture(1920, 1080);
    static const QImage drawing = bench::drawingLikePicture(1920, 1080);
    return which == 0 ? photo : drawing;
}

void encode(benchmark::State& state, int which, PngEncoderSettings settings)
{
    const QImage& image = picture(which);
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray png = encodePng(image, settings);
        size = png.size();
        benchmark::DoNotOptimize(png.constData());
    }
    state.counters["KB"] = double(size) / 1024.0;
}

void registerAll()
{
    const struct
    {
        const char* name;
        int filters;
    } filters[] = {{"none", PngFilter::None},
                   {"sub", PngFilter::Sub},
                   {"up", PngFilter::Up},
                   {"paeth", PngFilter::Paeth},
                   {"all", PngFilter::All}};
    for (int which : {0, 1}) {
        const std::string kind = which == 0 ? "photo" : "drawing";
        for (int level : {1, 3, 6}) {
            for (const auto& f : filters) {
                const std::string name = kind + "/level" + std::to_string(level) + "/" + f.name;
                benchmark::RegisterBenchmark(
                    name.c_str(), encode, which,
                    PngEncoderSettings{level, f.filters, Z_DEFAULT_STRATEGY})
                    ->Unit(benchmark::kMillisecond);
            }
        }
        for (const auto& f : filters) {
            const std::string rle = kind + "/rle/" + f.name;
            benchmark::RegisterBenchmark(rle.c_str(), encode, which,
                                         PngEncoderSettings{1, f.filters, Z_RLE})
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
