// CParaCheck: repairs of the mixer control and boiler cascade records.
#include "store/CParaCheck.h"

#include "store/CParaDaten.h"

namespace {

constexpr int kAnforderungHeizung = 2;
constexpr int kAnforderungWarmwasser = 3;
constexpr int kMischerregelfunktion = 19;
constexpr int kKesselkaskade = 23;

// The type of the function with that number in the working file's table; 0 when no slot holds it or the table
// cannot be read.
int FuncTypeOfNumber(CParaDaten& para, int file, BYTE number)
{
    const BYTE slot = para.FindFuncByNumber(file, number);
    FuncEntry entry;
    return slot != 0 && para.GetFuncEntry(file, slot, entry) ? entry.type : 0;
}

}  // namespace

void CParaCheck::CheckMischerReg(MischerRegParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, kMischerregelfunktion);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.setpoint.kind, 0, 0);
    if (r.setpoint.kind == 0 && r.setpoint.number > 99)
        r.setpoint.number = 40;
    // -90 to -80 K lie outside the mixer's span.
    if (r.difference >= 128 && r.difference <= 130)
        r.difference = 80;
    if ((r.offAction & 0x0F) > kMischerUnveraendert)
        r.offAction = (r.offAction & ~std::uint32_t(0x0F)) | kMischerZu;
}

void CParaCheck::CheckKesselkaskade(int file, KesselkaskadeParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, kKesselkaskade);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckDigitalQuelle(&r.release2.kind, keepLowBit);
    CheckDigitalQuelle(&r.release3.kind, keepLowBit);
    if (r.boilerCount < 2 || r.boilerCount > 3)
        r.boilerCount = 2;
    if (r.hourDifference < 1 || r.hourDifference > 250)
        r.hourDifference = 10;
    // A boiler beyond the number in use keeps what it holds.
    for (unsigned b = 0; b < r.boilerCount; ++b) {
        KesselBlock& k = r.boilers[b];
        if (k.onDifference == 127)
            k.onDifference = 126;
        if (static_cast<signed char>(k.offDifference) <= static_cast<signed char>(k.onDifference))
            k.offDifference = static_cast<BYTE>(k.onDifference + 1);
        if (k.delay > 251)
            k.delay = 1;
        if (k.position < 1 || k.position > r.boilerCount)
            k.position = 1;
    }
    if (r.participantCount < 1 || r.participantCount > 6)
        r.participantCount = 2;
    // Every participant, whatever the count in use, must name a heating or hot-water request.
    CParaDaten para;
    for (BYTE& p : r.participants) {
        if (p > 45) {
            p = 0;
        } else if (p != 0) {
            const int type = FuncTypeOfNumber(para, file, static_cast<BYTE>(p - 1));
            if (type != kAnforderungHeizung && type != kAnforderungWarmwasser)
                p = 0;
        }
    }
}
