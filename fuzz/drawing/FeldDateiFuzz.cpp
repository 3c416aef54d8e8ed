// Fuzz target: arbitrary bytes as every fixed-field exchange file, read through CFeldDatei and the drawing reader.
#include "FuzzFolder.h"

#include "drawing/CFeldDatei.h"
#include "drawing/CZeichnung.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterFuzzFolder();
    return 0;
}

namespace {

void Write(const char* path, const uint8_t* data, size_t size)
{
    if (std::FILE* f = std::fopen(path, "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first bytes steer the reads; the rest is the file. The same bytes stand for every exchange file, so
    // the object, id and wiring readers all meet them.
    if (size < 4) return 0;
    int steer[4];
    for (int i = 0; i < 4; ++i) steer[i] = static_cast<int8_t>(data[i]) * 37;
    data += 4;
    size -= 4;
    for (const char* name : {"para/KS_Objects.tmp", "para/FuncIDs.tmp", "para/MeldungIDs.tmp", "para/Connect2Node.tmp",
                             "para/Connect2Line.tmp", "para/Connect2SigOver.tmp", "para/Connect2Fang.tmp",
                             "para/Connections.tmp"})
        Write(name, data, size);

    {
        CFeldDatei file("para/KS_Objects.tmp");
        for (int i = 0; i < 4; ++i) {
            file.Seek(steer[i], i % 3);
            file.ReadInt();
            file.ReadText30();
            file.ReadText50();
            file.Seek(steer[(i + 1) % 4], 1);
            file.WriteInt(steer[i]);
        }
        file.AtEnd();
        file.IsPastEnd();
    }

    CZeichnung z;
    int searches = 0;
    const int count = z.GetObjektAnzahl();
    for (int n = 0; n <= count + 1 && n < 8; ++n) {
        ObjektInfo info;
        if (!z.GetObjekt(n, info)) continue;
        for (BYTE p = 0; p < 24; ++p) {
            PinInfo pin;
            if (!z.GetPin(p, info.objektId, pin)) continue;
            CVerbindungsListe partner;
            if (++searches <= 16) z.FindPartner(info.objektId, pin.pinId, partner);
            if (p > 2) continue;  // every source lookup reads "Connections.tmp" whole; a few pins cover them
            BYTE art = 0, nummer = 0;
            z.GetPinQuelle(info.objektId, p, art, nummer);
            BYTE flags[16];
            z.GetAusgangFlags(info.objektId, p, flags);
        }
        BYTE nummer = 0;
        int t1 = 0, t2 = 0;
        z.GetMischerNr(info.objektId, nummer, t1, t2);
        CString text;
        BYTE k = 0, a = 0;
        int t3 = 0, t4 = 0;
        z.GetNetzDaten(info.objektId, text, t1, k, t2, a, t3);
        z.GetTextId2(info.objektId, t4);
    }
    Quelle quellen[16];
    z.GetNetzAusgaengeAnalog(quellen);
    BYTE analog[16], digital[16];
    z.CountNetzAusgaenge(analog, digital);
    int id = 0, typ = 0;
    BYTE nummer = 0;
    z.GetFuncID(steer[0] & 0xFFFF, id, typ, nummer);
    for (int n = 0; n < 64 && z.GetMeldungID(n, id, nummer); ++n) {
    }
    return 0;
}
