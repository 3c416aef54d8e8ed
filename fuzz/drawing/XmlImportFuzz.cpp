// Fuzz target: an arbitrary drawing export through the XML import, then the drawing reader over the files it wrote.
#include "FuzzFolder.h"

#include "drawing/CZeichnung.h"
#include "drawing/ParseXml.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <cstdint>
#include <cstdio>
#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterFuzzFolder();
    // Held for the whole run, so the import's own initialisation of the library is cheap.
    xercesc::XMLPlatformUtils::Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (std::FILE* f = std::fopen("VORNA.xml", "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    if (drawing::ParseXml("VORNA.xml") != 0) return 0;

    CZeichnung z;
    const int count = z.GetObjektAnzahl();
    for (int n = 1; n <= count && n <= 50; ++n) {
        ObjektInfo info;
        if (!z.GetObjekt(n, info)) continue;
        z.CheckBibliotheksVersion(info);
        const BYTE pins = CZeichnung::GetPinAnzahl(info.art);
        for (BYTE p = 1; p <= pins; ++p) {
            PinInfo pin;
            if (!z.GetPinOfKind(info.art, p, info.objektId, pin)) continue;
            CVerbindungsListe partner;
            z.FindPartner(info.objektId, pin.pinId, partner);
        }
        BYTE nummer = 0;
        int textId = 0;
        z.GetEingangNr(info.objektId, nummer, textId);
    }
    int id = 0, typ = 0;
    BYTE nummer = 0;
    for (int n = 0; z.GetFuncID(n, id, typ, nummer); ++n) {
    }
    for (int n = 0; z.GetMeldungID(n, id, nummer); ++n) {
    }
    return 0;
}
