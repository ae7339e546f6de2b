// Times the pure routines of the program on a real sample scene. Each
// benchmark does the work of one step as the window's command does it, on
// the same plain data, without the window.

#include "BenchScene.h"

#include "classify/CategoryMap.h"
#include "classify/CategoryStats.h"
#include "classify/Discriminant.h"
#include "scatter/Scatter.h"
#include "scene/BandFile.h"
#include "scene/Stretch.h"
#include "toolkit/Extended.h"
#include "unitSetRange/BandHistogram.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

QString BandPath(int band)
{
    return BenchSceneFolder() + QStringLiteral("/band%1.bsq").arg(band);
}

// Both bands read, six categories trained and a decision table computed,
// once for all benchmarks.
struct Scene
{
    HeaderBuffer header{};
    BandRaster band1{};
    BandRaster band2{};
    CategoryTable categories{};
    CategoryFlags used{};
    DecisionTableType table{};
    ScatterCounts counts{};

    Scene()
    {
        ReadBandFile(BandPath(1), header, band1);
        ReadBandFile(BandPath(2), header, band2);
        constexpr TColor colours[7] = {Colours::Black, Colours::Blue, Colours::Aqua, Colours::Lime, Colours::Yellow, Colours::Red, Colours::Fuchsia};
        for (std::size_t k = 1; k <= 6; ++k) {
            const TrainingArea &area = BenchAreas[k - 1];
            ComputeCategoryStats(band1, band2, area.first, area.second, categories[k]);
            categories[k].Number = static_cast<std::int32_t>(k);
            categories[k].Color = colours[k];
            used[k] = true;
        }
        if (FirstDegenerateCategory(categories, used) != 0)
            throw std::runtime_error("a training area of the benchmark has no positive determinant");
        ComputeDecisionTable(categories, used, table);
        CountScatter(band1, band2, {0, 0}, {511, 399}, counts);
    }
};

const Scene &TheScene()
{
    static const auto scene = std::make_unique<Scene>();
    return *scene;
}

void ReadBothBandFiles(benchmark::State &state)
{
    auto header = std::make_unique<HeaderBuffer>();
    auto raster = std::make_unique<BandRaster>();
    const QString first = BandPath(1);
    const QString second = BandPath(2);
    for (auto _ : state) {
        ReadBandFile(first, *header, *raster);
        ReadBandFile(second, *header, *raster);
        benchmark::DoNotOptimize(raster->data());
    }
    state.SetBytesProcessed(state.iterations() * 2 * BandFileSize);
}

void ReadOneBandFile(benchmark::State &state)
{
    auto header = std::make_unique<HeaderBuffer>();
    auto raster = std::make_unique<BandRaster>();
    const QString path = BandPath(1);
    for (auto _ : state) {
        ReadBandFile(path, *header, *raster);
        benchmark::DoNotOptimize(raster->data());
    }
    state.SetBytesProcessed(state.iterations() * BandFileSize);
}

// The limit for reading one band file: open, one read of all its bytes
// into a buffer, close.
void PlainReadOfOneFile(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(BandPath(1));
    std::vector<char> buffer(BandFileSize);
    for (auto _ : state) {
        const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0 || ::read(descriptor, buffer.data(), buffer.size()) != BandFileSize)
            state.SkipWithError("cannot read the band file");
        ::close(descriptor);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * BandFileSize);
}

void BandHistogramOfOneBand(benchmark::State &state)
{
    const Scene &scene = TheScene();
    for (auto _ : state) {
        HistogramCounts counts = BandHistogram(scene.band1);
        benchmark::DoNotOptimize(counts.data());
    }
}

void Composite(benchmark::State &state)
{
    const Scene &scene = TheScene();
    QImage image(SceneWidth, SceneHeight, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : state) {
        DrawComposite(scene.band1, scene.band2, StretchTable(12, 140), StretchTable(3, 230), canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void WholeScenePlot(benchmark::State &state)
{
    const Scene &scene = TheScene();
    auto counts = std::make_unique<ScatterCounts>();
    QImage image(512, 512, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : state) {
        CountScatter(scene.band1, scene.band2, {0, 0}, {511, 399}, *counts);
        PlotScatter(*counts, canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void WholeSceneStatistics(benchmark::State &state)
{
    const Scene &scene = TheScene();
    TCategory category;
    for (auto _ : state) {
        ComputeCategoryStats(scene.band1, scene.band2, {0, 0}, {511, 399}, category);
        benchmark::DoNotOptimize(category.Cov);
    }
}

// The limit for the statistics: their running sums are float stores, each
// addition waits for the one before. Two passes over the scene make two
// chains of 204,800 additions each, one after the other; the other sums of
// a pass run beside its chain.
void RunningSumChainAlone(benchmark::State &state)
{
    const Scene &scene = TheScene();
    for (auto _ : state) {
        float sum = 0;
        for (int pass = 0; pass < 2; ++pass)
            for (std::size_t j = 1; j <= SceneHeight; ++j)
                for (std::size_t i = 1; i <= SceneWidth; ++i)
                    sum = Fpu::Store(Extended{sum} + scene.band1[i][j]);
        benchmark::DoNotOptimize(sum);
    }
}

void DecisionTableOfSixCategories(benchmark::State &state)
{
    const Scene &scene = TheScene();
    auto table = std::make_unique<DecisionTableType>();
    for (auto _ : state) {
        ClearDecisionTable(*table);
        ComputeDecisionTable(scene.categories, scene.used, *table);
        benchmark::DoNotOptimize(table->data());
    }
}

void DecisionMap(benchmark::State &state)
{
    const Scene &scene = TheScene();
    QImage plot(512, 512, QImage::Format_RGB32);
    Canvas plotCanvas(plot);
    PlotScatter(scene.counts, plotCanvas);
    QImage image = plot.copy();
    Canvas canvas(image);
    for (auto _ : state) {
        PaintDecisionBlocks(scene.table, scene.categories, canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void CategoryMap(benchmark::State &state)
{
    const Scene &scene = TheScene();
    QImage image(SceneWidth, SceneHeight, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : state) {
        PaintCategoryMap(scene.band1, scene.band2, scene.table, scene.categories, canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// What a classification of the scene costs once the categories are
// trained: the table of all pairs, then one lookup per pixel.
void ClassifyTheScene(benchmark::State &state)
{
    const Scene &scene = TheScene();
    auto table = std::make_unique<DecisionTableType>();
    QImage image(SceneWidth, SceneHeight, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : state) {
        ClearDecisionTable(*table);
        ComputeDecisionTable(scene.categories, scene.used, *table);
        PaintCategoryMap(scene.band1, scene.band2, *table, scene.categories, canvas);
        benchmark::DoNotOptimize(image.constBits());
    }
}

}

BENCHMARK(ReadBothBandFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadOneBandFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainReadOfOneFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BandHistogramOfOneBand)->Unit(benchmark::kMicrosecond);
BENCHMARK(Composite)->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeScenePlot)->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeSceneStatistics)->Unit(benchmark::kMicrosecond);
BENCHMARK(RunningSumChainAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecisionTableOfSixCategories)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecisionMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(CategoryMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClassifyTheScene)->Unit(benchmark::kMicrosecond);

namespace {

bool WriteRaw(const QString &path, const void *data, qsizetype size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(static_cast<const char *>(data), size) == size;
}

bool WriteImage(const QString &path, const QImage &image)
{
    return WriteRaw(path, image.constBits(), image.sizeInBytes());
}

// Writes what the benchmarked routines produce, for the peer to compare
// its own results with.
bool DumpResults(const QString &folder)
{
    const Scene &scene = TheScene();
    QImage composite(SceneWidth, SceneHeight, QImage::Format_RGB32);
    Canvas compositeCanvas(composite);
    DrawComposite(scene.band1, scene.band2, StretchTable(12, 140), StretchTable(3, 230), compositeCanvas);
    QImage plot(512, 512, QImage::Format_RGB32);
    Canvas plotCanvas(plot);
    PlotScatter(scene.counts, plotCanvas);
    QImage decisionMap = plot.copy();
    Canvas decisionCanvas(decisionMap);
    PaintDecisionBlocks(scene.table, scene.categories, decisionCanvas);
    QImage categoryMap(SceneWidth, SceneHeight, QImage::Format_RGB32);
    Canvas categoryCanvas(categoryMap);
    PaintCategoryMap(scene.band1, scene.band2, scene.table, scene.categories, categoryCanvas);
    TCategory whole;
    ComputeCategoryStats(scene.band1, scene.band2, {0, 0}, {511, 399}, whole);
    const float statistics[5] = {whole.Mean1, whole.Mean2, whole.Var1, whole.Var2, whole.Cov};
    const HistogramCounts histogram = BandHistogram(scene.band1);
    const auto at = [&folder](const char *name) { return folder + QLatin1Char('/') + QLatin1String(name); };
    return WriteImage(at("composite.raw"), composite) && WriteImage(at("plot.raw"), plot) && WriteImage(at("decisionmap.raw"), decisionMap)
        && WriteImage(at("categorymap.raw"), categoryMap) && WriteRaw(at("statistics.raw"), statistics, sizeof statistics)
        && WriteRaw(at("table.raw"), scene.table.data(), sizeof scene.table) && WriteRaw(at("histogram.raw"), histogram.data(), sizeof histogram);
}

}

// The benchmark's own options, and one more: --dump=FOLDER writes the
// results instead of timing.
int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    for (int index = 1; index < argc; ++index) {
        const QString argument = QString::fromLocal8Bit(argv[index]);
        if (argument.startsWith(QLatin1String("--dump="))) {
            if (!DumpResults(argument.mid(7))) {
                std::fprintf(stderr, "cannot write the results into %s\n", qPrintable(argument.mid(7)));
                return 1;
            }
            return 0;
        }
        std::fprintf(stderr, "unknown argument %s\n", argv[index]);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
