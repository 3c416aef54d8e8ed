// The compile of a full set against the large sample drawing, in-process, beside its floor: a plain copy of the same
// two files (the working copy over the committed set, and the function-data file to the target).
#include "drawing/CZeichnung.h"
#include "drawing/StoreDrawingReader.h"
#include "production/CompileSequence.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Silent : production::CompileReporter {
    void SetStatus(int, const CString&) override {}
};

// A program directory holding the large sample drawing's exchange files and a set of 44 functions, each standing
// for a function object of the drawing where the drawing has enough, with every message slot and record in use.
class FullSetAndDrawing {
public:
    FullSetAndDrawing()
    {
        m_previous = fs::current_path();
        m_folder = fs::temp_directory_path() / ("morv-compile-bench-" + std::to_string(getpid()));
        fs::create_directories(m_folder / "para");
        for (const auto& file : fs::directory_iterator(fs::path(MORV_SOURCE_DIR) / "tests/data/drawing/gross"))
            fs::copy_file(file.path(), m_folder / "para" / file.path().filename());
        fs::current_path(m_folder);
        CParaDaten para;
        para.CreateEmptyFile(1);
        para.BeginWorkFile();
        // The drawing's function objects first, then functions of every type without an object up to 44.
        CZeichnung drawing;
        ObjektInfo object;
        for (int n = 1; para.FindFuncSlot(2, -1) != 0 && drawing.GetObjekt(n, object); ++n)
            for (const functypes::FunctionType& type : functypes::AllFunctionTypes())
                if (object.art == type.names.kind)
                    para.CreateFunc(2, object.objektId, type.code, nullptr);
        for (int type = 1; para.FindFuncSlot(2, -1) != 0; type = type % 23 + 1)
            para.CreateFunc(2, 90000 + 100 * type + para.FindFuncSlot(2, -1), type, nullptr);
        fs::create_directories("out");
    }
    ~FullSetAndDrawing()
    {
        CParaDaten::ReleaseFiles();
        fs::current_path(m_previous);
        fs::remove_all(m_folder);
    }

private:
    fs::path m_previous;
    fs::path m_folder;
};

FullSetAndDrawing& Folder()
{
    static FullSetAndDrawing folder;
    return folder;
}

void Compile(benchmark::State& state)
{
    Folder();
    Silent silent;
    for (auto _ : state) {
        drawing::StoreDrawingReader drawing;
        production::CompileSequence sequence(silent, drawing);
        if (!sequence.Run("out/plant.dat"))
            state.SkipWithError("the compile failed");
    }
}
BENCHMARK(Compile)->Unit(benchmark::kMillisecond);

void CopyTheTwoFiles(benchmark::State& state)
{
    Folder();
    CParaDaten para;
    for (auto _ : state) {
        para.CommitWorkFile();
        para.ExportDatFile("out/plant.dat");
    }
}
BENCHMARK(CopyTheTwoFiles)->Unit(benchmark::kMillisecond);

}  // namespace
