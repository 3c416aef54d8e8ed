// What the import and the export fuzz targets share: a program directory whose working files hold a new parameter
// set, and a chosen function-data file made of the input, either as it is or laid over a valid new file (so the
// readers get past the header and reach the records).
//
// Input: byte 0 chooses the layout (bit 0: overlay on a valid file, bit 1: cut the file after the overlay); bytes 1
// to 3 give the overlay's position; the rest is the file or the overlay.
#pragma once

#include "fuzz/store/FuzzFolder.h"

#include "platform/TextFile.h"
#include "store/CParaDaten.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace fuzzdata {

inline const char kSource[] = "chosen.dat";

struct Base {
    std::string set;
    std::string data;
};

inline void WriteBytes(const char* path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f)
        std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The folder, made current once, with the bytes of a new set and of a new function-data file.
inline const Base& Prepare(const char* name)
{
    static Base base = [name] {
        EnterFuzzFolder(name);
        mkdir("para", 0777);
        Base made;
        CParaDaten para;
        if (!para.CreateEmptyFile(CParaDaten::kParaFile) || !para.CreateEmptyFile(CParaDaten::kDatFile))
            std::abort();
        CParaDaten::ReleaseFiles();
        if (!platform::ReadWholeFile(CParaDaten::GetFileName(CParaDaten::kParaFile), made.set) ||
            !platform::ReadWholeFile(CParaDaten::GetFileName(CParaDaten::kDatFile), made.data))
            std::abort();
        return made;
    }();
    return base;
}

// Working files 1 and 2 as the new set, and the chosen file from the input. False for an input too short.
inline bool Lay(const Base& base, const uint8_t* data, size_t size)
{
    if (size < 4)
        return false;
    CParaDaten::ReleaseFiles();
    WriteBytes(CParaDaten::GetFileName(CParaDaten::kParaFile), base.set);
    WriteBytes(CParaDaten::GetFileName(CParaDaten::kWorkFile), base.set);
    const std::string input(reinterpret_cast<const char*>(data) + 4, size - 4);
    std::string content = input;
    if (data[0] & 1) {
        content = base.data;
        const size_t at = ((size_t(data[1]) << 16) | (size_t(data[2]) << 8) | data[3]) % content.size();
        content.replace(at, std::min(input.size(), content.size() - at), input);
        if (data[0] & 2)
            content.resize(std::min(content.size(), at + input.size()));
    }
    WriteBytes(kSource, content);
    return true;
}

}  // namespace fuzzdata
