// Decoded and repaired function records of every type as bytes.
#include "texts/FuncRecordReader.h"

#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/AnalogfuncParam.h"
#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/FuncKontrolleParam.h"
#include "store/HzkrRegParam.h"
#include "store/KesselkaskadeParam.h"
#include "store/KuehlfuncParam.h"
#include "store/LadepumpeParam.h"
#include "store/LogikfuncParam.h"
#include "store/MischerRegParam.h"
#include "store/PID_RegelungParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WMZParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"
#include "store/ZirkulationParam.h"

#include <type_traits>

namespace texts {

namespace {

template <typename Record>
std::vector<BYTE> Bytes(const Record& record)
{
    static_assert(std::is_standard_layout_v<Record>, "positions are byte offsets of the record");
    const BYTE* begin = reinterpret_cast<const BYTE*>(&record);
    return std::vector<BYTE>(begin, begin + sizeof(Record));
}

}  // namespace

std::vector<BYTE> ReadRepairedFuncRecord(CParaDaten& para, int file, BYTE slot, int typeCode, bool complete)
{
    CParaCheck check;
    // Working file 0 holds compiled data, whose low bits of the flags carry a meaning of their own.
    const BYTE keep = file == 0 ? 1 : 0;
    switch (typeCode) {
    case 1: {
        HzkrRegParam record;
        para.GetHzkrReg(file, slot, record, complete);
        check.CheckHzkrReg(record, keep);
        return Bytes(record);
    }
    case 2: {
        AnfHeizungParam record;
        para.GetAnfHeizung(file, slot, record, complete);
        check.CheckAnfHeizung(record, keep);
        return Bytes(record);
    }
    case 3: {
        AnfWarmwasserParam record;
        para.GetAnfWarmwasser(file, slot, record, complete);
        check.CheckAnfWarmwasser(record, keep);
        return Bytes(record);
    }
    case 4: {
        LadepumpeParam record;
        para.GetLadepumpe(file, slot, record, complete);
        check.CheckLadepumpe(record, keep);
        return Bytes(record);
    }
    case 5: {
        ZirkulationParam record;
        para.GetZirkulation(file, slot, record, complete);
        check.CheckZirkulation(record, keep);
        return Bytes(record);
    }
    case 6: {
        SolarregelungParam record;
        para.GetSolarregelung(file, slot, record, complete);
        check.CheckSolarregelung(record, keep);
        return Bytes(record);
    }
    case 7: {
        SolarvorrangParam record;
        para.GetSolarvorrang(file, slot, record, complete);
        check.CheckSolarvorrang(file, record, keep);
        return Bytes(record);
    }
    case 8: {
        PID_RegelungParam record;
        para.GetPidRegelung(file, slot, record, complete);
        check.CheckPidRegelung(record, keep);
        return Bytes(record);
    }
    case 9: {
        VergleichParam record;
        para.GetVergleich(file, slot, record, complete);
        check.CheckVergleich(record, keep);
        return Bytes(record);
    }
    case 10: {
        LogikfuncParam record;
        para.GetLogikfunc(file, slot, record, complete);
        check.CheckLogikfunc(record, keep);
        return Bytes(record);
    }
    case 11: {
        AnalogfuncParam record;
        para.GetAnalogfunc(file, slot, record, complete);
        check.CheckAnalogfunc(record, keep);
        return Bytes(record);
    }
    case 12: {
        WMZParam record;
        para.GetWmz(file, slot, record, complete);
        check.CheckWmz(record, keep);
        return Bytes(record);
    }
    case 13: {
        WartungsfuncParam record;
        para.GetWartungsfunc(file, slot, record, complete);
        check.CheckWartungsfunc(file, record, keep);
        return Bytes(record);
    }
    case 14: {
        TimerParam record;
        para.GetTimer(file, slot, record, complete);
        check.CheckTimer(record, keep);
        return Bytes(record);
    }
    case 15: {
        SchaltuhrParam record;
        para.GetSchaltuhr(file, slot, record, complete);
        check.CheckSchaltuhr(record, keep);
        return Bytes(record);
    }
    case 16: {
        StartfuncParam record;
        para.GetStartfunc(file, slot, record, complete);
        check.CheckStartfunc(file, record, keep);
        return Bytes(record);
    }
    case 17: {
        ZaehlerParam record;
        para.GetZaehler(file, slot, record, complete);
        check.CheckZaehler(record, keep);
        return Bytes(record);
    }
    case 18: {
        KuehlfuncParam record;
        para.GetKuehlfunc(file, slot, record, complete);
        check.CheckKuehlfunc(record, keep);
        return Bytes(record);
    }
    case 19: {
        MischerRegParam record;
        para.GetMischerReg(file, slot, record, complete);
        check.CheckMischerReg(record, keep);
        return Bytes(record);
    }
    case 20: {
        FuncKontrolleParam record;
        para.GetFuncKontrolle(file, slot, record, complete);
        check.CheckFuncKontrolle(record, keep);
        return Bytes(record);
    }
    case 21: {
        SyncParam record;
        para.GetSync(file, slot, record, complete);
        check.CheckSync(record, keep);
        return Bytes(record);
    }
    case 22: {
        ProfilfuncParam record;
        para.GetProfilfunc(file, slot, record, complete);
        check.CheckProfil(record, keep);
        return Bytes(record);
    }
    case 23: {
        KesselkaskadeParam record;
        para.GetKesselkaskade(file, slot, record, complete);
        check.CheckKesselkaskade(file, record, keep);
        return Bytes(record);
    }
    default:
        return {};
    }
}

}  // namespace texts
