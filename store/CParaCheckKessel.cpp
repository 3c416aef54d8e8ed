// CParaCheck: repairs of the mixer control and boiler cascade records.
#include "store/CParaCheck.h"

#include "store/CParaCheckRules.h"
#include "store/CParaDaten.h"
#include "store/KesselkaskadeParam.h"
#include "store/MischerRegParam.h"
#include "texttables/StandardDesignations.h"

namespace {

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
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeMischerReg);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckQuelle(&r.setpoint.kind, 0, 0);
    if (r.setpoint.kind == 0)
        record::RepairField(r, record::kMischerRegFields, &r.setpoint.number);
    record::RepairRanges(r, record::kMischerRegFields);
    if ((r.offAction & 0x0F) > kMischerUnveraendert)
        r.offAction = (r.offAction & ~std::uint32_t(0x0F)) | kMischerZu;
}

void CParaCheck::CheckKesselkaskade(int file, KesselkaskadeParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeKesselkaskade);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckDigitalQuelle(&r.release2.kind, keepLowBit);
    CheckDigitalQuelle(&r.release3.kind, keepLowBit);
    record::RepairRanges(r, record::kKesselkaskadeFields);
    // A boiler beyond the number in use keeps what it holds.
    for (unsigned b = 0; b < r.boilerCount; ++b) {
        KesselBlock& k = r.boilers[b];
        paracheck::OffAboveOn(k.onDifference, k.offDifference);
        if (k.delay > 251)
            k.delay = 1;
        if (k.position < 1 || k.position > r.boilerCount)
            k.position = 1;
    }
    // Every participant, whatever the count in use, must name a heating or hot-water request.
    CParaDaten para;
    for (BYTE& p : r.participants) {
        if (p > 45) {
            p = 0;
        } else if (p != 0) {
            const int type = FuncTypeOfNumber(para, file, static_cast<BYTE>(p - 1));
            if (type != texts::kTypeAnfHeizung && type != texts::kTypeAnfWarmwasser)
                p = 0;
        }
    }
}
