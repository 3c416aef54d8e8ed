// One typed record read (the heating-circuit controller of slot 1) with the drawing's reader installed, beside the
// same read with no drawing at all: what a read costs for a drawing it does not complete from, what a completing
// read costs that loads the drawing, and what it costs with a drawing the caller already holds.
#include "drawing/StoreDrawingReader.h"
#include "store/CParaDaten.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A program directory holding the large sample drawing's exchange files and a set whose slot 1 is a
// heating-circuit controller.
class DrawingAndSet {
public:
    DrawingAndSet()
    {
        m_previous = fs::current_path();
        m_folder = fs::temp_directory_path() / ("morv-typed-read-bench-" + std::to_string(getpid()));
        fs::create_directories(m_folder / "para");
        for (const auto& file : fs::directory_iterator(fs::path(MORV_SOURCE_DIR) / "tests/data/drawing/gross"))
            fs::copy_file(file.path(), m_folder / "para" / file.path().filename());
        fs::current_path(m_folder);
        CParaDaten para;
        para.CreateEmptyFile(2);
        BYTE entry[8] = {1, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE record[128];
        std::memset(record, 0xFF, sizeof record);
        CParaDaten::GetDefaultHzkrReg(record);
        para.WriteFuncRaw(2, 1, entry, record);
        // The slot stands for the drawing's first heating-circuit controller, so a completion finds its pins.
        CZeichnung drawing;
        int id = 1001;
        ObjektInfo object;
        for (int n = 1; drawing.GetObjekt(n, object); ++n)
            if (object.art == "Heizkreisregler") {
                id = object.objektId;
                break;
            }
        para.SetFuncId(2, 1, id);
    }
    ~DrawingAndSet()
    {
        CParaDaten::ReleaseFiles();
        fs::current_path(m_previous);
        fs::remove_all(m_folder);
    }

private:
    fs::path m_previous;
    fs::path m_folder;
};

DrawingAndSet& Folder()
{
    static DrawingAndSet folder;
    return folder;
}

void TypedReadWithoutDrawing(benchmark::State& state)
{
    Folder();
    CParaDaten para;
    HzkrRegParam record;
    for (auto _ : state) {
        para.GetHzkrReg(2, 1, record, false);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(TypedReadWithoutDrawing)->Unit(benchmark::kMicrosecond);

// A read that completes nothing never loads the drawing of the reader its handle was given.
void TypedReadWithReaderGiven(benchmark::State& state)
{
    Folder();
    drawing::StoreDrawingReader reader;
    CParaDaten para;
    para.UseDrawing(&reader);
    HzkrRegParam record;
    for (auto _ : state) {
        para.GetHzkrReg(2, 1, record, false);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(TypedReadWithReaderGiven)->Unit(benchmark::kMicrosecond);

// A form's case: one operation, one completed read, the drawing loaded for it.
void CompletedReadWithReaderOfItsOwn(benchmark::State& state)
{
    Folder();
    HzkrRegParam record;
    for (auto _ : state) {
        drawing::StoreDrawingReader reader;
        CParaDaten para;
        para.UseDrawing(&reader);
        para.GetHzkrReg(2, 1, record, true);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(CompletedReadWithReaderOfItsOwn)->Unit(benchmark::kMicrosecond);

// The label refresh's case: the caller holds the loaded drawing and passes it to its handle.
void CompletedReadWithCallersDrawing(benchmark::State& state)
{
    Folder();
    CZeichnung drawing;
    drawing::StoreDrawingReader reader(drawing);
    CParaDaten para;
    para.UseDrawing(&reader);
    HzkrRegParam record;
    for (auto _ : state) {
        para.GetHzkrReg(2, 1, record, true);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(CompletedReadWithCallersDrawing)->Unit(benchmark::kMicrosecond);

}  // namespace
