// Fuzz target: arbitrary bytes as "Translate.tmp", translated against a working copy that holds a function of every
// type (object ids 1 to 23, the type code) and eight messages (object ids 24 to 31).
#include "fuzz/drawing/FuzzFolder.h"

#include "link/CSCCmd.h"
#include "store/CParaDaten.h"
#include "translate/CTranslate.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Keeps the working files open between inputs, as one start-up would.
CParaDaten* g_para = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterFuzzFolder();
    g_para = new CParaDaten;
    if (!g_para->CreateEmptyFile(CParaDaten::kWorkFile)) std::abort();
    for (int type = 1; type <= 23; ++type)
        if (!g_para->CreateFunc(CParaDaten::kWorkFile, type, type, nullptr)) std::abort();
    for (int id = 24; id <= 31; ++id)
        if (!g_para->CreateMeldung(CParaDaten::kWorkFile, id, nullptr)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (std::FILE* f = std::fopen(CTranslate::kDatei, "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    RunContext run;  // no export folder: the command file lies in the program directory's "para"
    CSCCmd channel(run);
    channel.Reset();
    CTranslate translate;
    translate.Run(channel);
    return 0;
}
