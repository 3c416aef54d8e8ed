// The import of the large sample drawing into the exchange files, beside the parser's bare SAX parse of the same
// file with empty handlers. After the benchmarks it prints the ratio of the two (goal: the import within 2x).
#include "bench/BenchSupport.h"
#include "drawing/ParseXml.h"

#include <benchmark/benchmark.h>
#include <xercesc/util/PlatformUtils.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string g_xml;

void BareParse()
{
    bench::BareSaxParse(g_xml.c_str());
}

void Import()
{
    if (drawing::ParseXml(g_xml.c_str()) != 0) std::abort();
}

void BM_BareSaxParse(benchmark::State& state)
{
    for (auto _ : state) BareParse();
}
BENCHMARK(BM_BareSaxParse)->Unit(benchmark::kMillisecond);

void BM_DrawingImport(benchmark::State& state)
{
    for (auto _ : state) Import();
}
BENCHMARK(BM_DrawingImport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    g_xml = std::string(MORV_SOURCE_DIR) + "/samples/drawings/gross.xml";
    // The import writes into "para" of the current directory: a temporary program directory of its own.
    std::string folder = (std::filesystem::temp_directory_path() / "drawing-bench.XXXXXX").string();
    if (!mkdtemp(folder.data())) return 1;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::filesystem::create_directory("para");
    // Held for the whole run, as the program holds the library while it parses; both sides parse under it.
    xercesc::XMLPlatformUtils::Initialize();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const double bare = bench::MedianSeconds(BareParse, 31);
    const double import = bench::MedianSeconds(Import, 31);
    std::printf("bare SAX parse %.3f ms, import %.3f ms, ratio %.2f (goal: 2.00 or less)\n", bare * 1e3,
                import * 1e3, import / bare);
    benchmark::Shutdown();

    xercesc::XMLPlatformUtils::Terminate();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
    return 0;
}
