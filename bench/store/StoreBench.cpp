// Reading and writing every slot record of a full set through CParaDaten, beside the floor: reading the whole
// parameter file once.
#include "platform/TextFile.h"
#include "store/CParaDaten.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A full set in a temporary program directory: all 44 slots used.
class FullSet {
public:
    FullSet()
    {
        m_previous = fs::current_path();
        m_folder = fs::temp_directory_path() / ("morv-store-bench-" + std::to_string(getpid()));
        fs::create_directories(m_folder);
        fs::current_path(m_folder);
        CParaDaten para;
        para.CreateEmptyFile(2);
        BYTE entry[8] = {1, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE record[128];
        for (BYTE slot = 1; slot <= 44; ++slot) {
            entry[0] = static_cast<BYTE>(slot % 23 + 1);
            entry[3] = static_cast<BYTE>(slot - 1);
            std::memset(record, slot, sizeof record);
            para.SetFuncId(2, slot, 1000 + slot);
            para.WriteFuncRaw(2, slot, entry, record);
        }
    }
    ~FullSet()
    {
        CParaDaten::ReleaseFiles();
        fs::current_path(m_previous);
        fs::remove_all(m_folder);
    }

private:
    fs::path m_previous;
    fs::path m_folder;
};

FullSet& Set()
{
    static FullSet set;
    return set;
}

void ReadWholeFileOnce(benchmark::State& state)
{
    Set();
    std::string bytes;
    for (auto _ : state) {
        platform::ReadWholeFile("para/morv9274.par", bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(ReadWholeFileOnce);

void ReadEverySlot(benchmark::State& state)
{
    Set();
    CParaDaten para;
    BYTE entry[8];
    BYTE record[128];
    for (auto _ : state) {
        for (BYTE slot = 1; slot <= 44; ++slot) {
            int id = 0;
            para.GetFuncId(2, slot, id);
            para.ReadFuncRaw(2, slot, entry, record);
            benchmark::DoNotOptimize(record);
        }
    }
}
BENCHMARK(ReadEverySlot);

void ReadAndWriteEverySlot(benchmark::State& state)
{
    Set();
    CParaDaten para;
    BYTE entry[8];
    BYTE record[128];
    for (auto _ : state) {
        for (BYTE slot = 1; slot <= 44; ++slot) {
            int id = 0;
            para.GetFuncId(2, slot, id);
            para.ReadFuncRaw(2, slot, entry, record);
            record[5] ^= 1;
            para.SetFuncId(2, slot, id);
            para.WriteFuncRaw(2, slot, entry, record);
        }
    }
}
BENCHMARK(ReadAndWriteEverySlot);

// A handle per record, as forms and services use them: the files open and close around every operation.
void ReadEverySlotWithShortLivedHandles(benchmark::State& state)
{
    Set();
    BYTE entry[8];
    BYTE record[128];
    for (auto _ : state) {
        for (BYTE slot = 1; slot <= 44; ++slot) {
            CParaDaten para;
            para.ReadFuncRaw(2, slot, entry, record);
            benchmark::DoNotOptimize(record);
        }
    }
}
BENCHMARK(ReadEverySlotWithShortLivedHandles);

}  // namespace
