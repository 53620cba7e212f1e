#include "syntheticskin.h"

#include "skin/sectionpainter.h"
#include "skin/skindata.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <map>
#include <zlib.h>

namespace {

const QByteArray &skinBytes()
{
    static const QByteArray bytes = syntheticSkin();
    return bytes;
}

// Our reader: container, options, typed sections, master bitmap, and the background decoded.
void BM_ReadSkin(benchmark::State &state)
{
    for (auto _ : state) {
        auto skin = Skin::SkinData::fromContainerBytes(skinBytes());
        benchmark::DoNotOptimize(skin->picture("bg.jpg").constBits());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * skinBytes().size());
}
BENCHMARK(BM_ReadSkin)->Unit(benchmark::kMillisecond);

quint32 u32(const uchar *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

// The floor: bare zlib over every entry and bare libjpeg over the background, nothing else.
void BM_BareInflateAndDecode(benchmark::State &state)
{
    const QByteArray &bytes = skinBytes();
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    for (auto _ : state) {
        std::vector<std::vector<uchar>> entries;
        size_t offset = 8;
        for (quint32 i = 0, count = u32(data + 4); i < count; ++i) {
            offset += 4 + u32(data + offset);
            std::vector<uchar> out(u32(data + offset));
            offset += 4;
            uLongf outSize = uLongf(out.size());
            uLong inSize = uLong(bytes.size() - offset);
            uncompress2(out.data(), &outSize, data + offset, &inSize);
            offset += inSize;
            entries.push_back(std::move(out));
        }
        const std::vector<uchar> &jpeg = entries.back();
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, jpeg.data(), jpeg.size());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_EXT_BGRX;
        jpeg_start_decompress(&info);
        std::vector<uchar> pixels(size_t(info.output_width) * info.output_height * 4);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels.data() + size_t(info.output_scanline) * info.output_width * 4;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_BareInflateAndDecode)->Unit(benchmark::kMillisecond);

const Skin::SkinData &skin()
{
    static const Skin::SkinData data = Skin::SkinData::fromContainerBytes(skinBytes()).value();
    return data;
}

// Cold: a new painter each time, so the section's layer is built (fill, gradient, 9-slice).
void BM_PaintSectionCold(benchmark::State &state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    QImage parent(size, QImage::Format_ARGB32_Premultiplied);
    parent.fill(Qt::darkCyan);
    QImage dest(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Skin::SectionPainter painter(skin());
        painter.paint(7, 1, dest, dest.rect(), Skin::ParentBackground::at(&parent, 0, 0));
        benchmark::DoNotOptimize(dest.constBits());
    }
}
BENCHMARK(BM_PaintSectionCold)
    ->Args({ 24, 24 })
    ->Args({ 300, 150 })
    ->Args({ 1264, 766 })
    ->Unit(benchmark::kMicrosecond);

// Warm: the layer comes from the cache; what is left is compositing over the parent.
void BM_PaintSectionCached(benchmark::State &state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    QImage parent(size, QImage::Format_ARGB32_Premultiplied);
    parent.fill(Qt::darkCyan);
    QImage dest(size, QImage::Format_ARGB32_Premultiplied);
    Skin::SectionPainter painter(skin());
    for (auto _ : state) {
        painter.paint(7, 1, dest, dest.rect(), Skin::ParentBackground::at(&parent, 0, 0));
        benchmark::DoNotOptimize(dest.constBits());
    }
}
BENCHMARK(BM_PaintSectionCached)
    ->Args({ 24, 24 })
    ->Args({ 300, 150 })
    ->Args({ 1264, 766 })
    ->Unit(benchmark::kMicrosecond);

// Keeps each run's time per iteration so the reader's overhead can be printed as a ratio.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("synthetic skin: %lld bytes packed\n", static_cast<long long>(skinBytes().size()));
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ours = reporter.times.find("BM_ReadSkin");
    const auto bare = reporter.times.find("BM_BareInflateAndDecode");
    if (ours != reporter.times.end() && bare != reporter.times.end() && bare->second > 0)
        std::printf("reader overhead: %.2fx bare zlib + libjpeg\n", ours->second / bare->second);
    benchmark::Shutdown();
    return 0;
}
