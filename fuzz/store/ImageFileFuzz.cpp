// Fuzzes the memory-image reader: header recognition and every field read of the store over a file that is either
// the input itself or a valid new file with the input laid over part of it (so that the data lines are reached).
//
// Input: byte 0 chooses the layout (bit 0: overlay on a valid file, bit 1: function-data file, bit 2: cut the file
// after the overlay); bytes 1 to 3 give the overlay's position; the rest is the file content or the overlay.
#include "FuzzFolder.h"

#include "platform/TextFile.h"
#include "store/CDataFile.h"
#include "store/CParaDaten.h"
#include "store/CParaFile.h"

#include <cstdint>
#include <sys/stat.h>
#include <cstdio>
#include <string>

namespace {

std::string g_paraBase;
std::string g_dataBase;

void Setup()
{
    EnterFuzzFolder("image");
    mkdir("para", 0777);
    CParaFile para("base.par");
    CDataFile data("base.dat");
    if (!para.Create() || !data.Create() || !platform::ReadWholeFile("base.par", g_paraBase) ||
        !platform::ReadWholeFile("base.dat", g_dataBase))
        std::abort();
}

void Write(const char* path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f)
        std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

void ReadEverything(CEepromFile& file)
{
    FileHeader header;
    file.CheckHeader(&header);
    BYTE bytes[256];
    const struct {
        int area;
        UINT address;
        UINT count;
    } ranges[] = {{0, 0, 64}, {0, 30, 4}, {0, 7424, 255}, {0, 32766, 1}, {0, 32767, 1}, {1, 0, 32}, {1, 1022, 1}};
    for (const auto& r : ranges)
        file.ReadBytes(r.area, r.address, r.count, bytes);
    char chars[256];
    int value = 0;
    CString text;
    file.ReadChars(0, 220, chars);
    file.ReadChars(65534, 1, chars);
    file.ReadDec(62, 5, value);
    file.ReadHex(601, 3, value);
    file.ReadText(336, 250, text);
}

void ReadThroughTheStore()
{
    CParaDaten para;
    for (BYTE slot = 1; slot <= 44; ++slot) {
        FuncEntry entry;
        int id = 0;
        BYTE raw[8];
        BYTE record[128];
        para.GetFuncEntry(2, slot, entry);
        para.GetFuncId(2, slot, id);
        para.ReadFuncRaw(2, slot, raw, record);
    }
    for (BYTE slot = 1; slot <= 8; ++slot)
        para.GetMeldungNr(2, slot);
    for (BYTE n = 1; n <= 16; ++n)
        para.GetUserBezeichnung(2, n);
    para.FindFuncSlot(2, -1);
    para.FindMeldungByNumber(2, 255);
    para.IsFuncOfType(1, 0);
    para.GetCompilerPfad(2);
    para.GetExportPfad(2);
    para.GetExportFilter(2);
    para.GetSprache(2);
    para.CheckFileHeader(0, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = (Setup(), true);
    (void)ready;
    if (size < 4)
        return 0;
    const uint8_t mode = data[0];
    const bool overlay = mode & 1;
    const bool dataFile = mode & 2;
    const std::string input(reinterpret_cast<const char*>(data) + 4, size - 4);
    std::string content = input;
    if (overlay) {
        content = dataFile ? g_dataBase : g_paraBase;
        size_t at = ((size_t(data[1]) << 16) | (size_t(data[2]) << 8) | data[3]) % content.size();
        content.replace(at, std::min(input.size(), content.size() - at), input);
        if (mode & 4)
            content.resize(std::min(content.size(), at + input.size()));
    }
    Write(dataFile ? "input.dat" : "input.par", content);
    if (dataFile) {
        CDataFile file("input.dat");
        ReadEverything(file);
    } else {
        CParaFile file("input.par");
        ReadEverything(file);
    }
    Write(dataFile ? "para/datFile.dat" : "para/morv9274.par", content);
    ReadThroughTheStore();
    CParaDaten::ReleaseFiles();
    return 0;
}
