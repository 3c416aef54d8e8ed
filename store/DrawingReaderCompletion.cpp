// The drawing reader's pin queries as the reader that knows no drawing answers them, and the completion of every
// function type's decoded record from them by the type's pins in the function-type catalog.
#include "store/DrawingReader.h"

#include "store/AusgangParam.h"
#include "store/FunctionTypes.h"
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
#include "store/RecordCodec.h"

#include <cstring>

void DrawingReader::GetPinQuelle(int, BYTE, BYTE&, BYTE&)
{
}

void DrawingReader::GetAusgangFlags(int, BYTE, BYTE flags[16])
{
    std::memset(flags, 0, 16);
}

namespace {

// The speed-controllable outputs, in the order of the six flags.
constexpr BYTE kSechsAusgaenge[6] = {1, 2, 6, 7, 15, 16};

}  // namespace

void DrawingReader::Complete(int objectId, std::span<const PinCompletion> pins, BYTE* fields)
{
    for (const PinCompletion& p : pins) {
        if (p.kind == PinCompletion::Source) {
            GetPinQuelle(objectId, p.pin, fields[p.a], fields[p.b]);
            continue;
        }
        BYTE flags[16] = {};
        GetAusgangFlags(objectId, p.pin, flags);
        switch (p.kind) {
        case PinCompletion::Flags16:
            for (int n = 0; n < 16; ++n)
                fields[p.a + n] = flags[n] == 1 ? 1 : 0;
            break;
        case PinCompletion::Flags6:
            for (int k = 0; k < 6; ++k)
                fields[p.a + k] = flags[kSechsAusgaenge[k] - 1] == 1 ? 1 : 0;
            break;
        case PinCompletion::Mixer:
            fields[p.a] = 0;
            for (BYTE output : kMischerErsteAusgaenge)
                if (flags[output - 1] == 1) {
                    fields[p.a] = output;
                    break;
                }
            break;
        case PinCompletion::Source:
            break;
        }
    }
}

namespace {

std::span<const DrawingReader::PinCompletion> PinsOf(texts::FunctionTypeCode code)
{
    return functypes::FindFunctionType(code)->pins;
}

}  // namespace

void DrawingReader::GetQuellenSolarregelung(int objectId, SolarregelungParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeSolarregelung), record::Fields(record));
}

void DrawingReader::GetQuellenSolarvorrang(int objectId, SolarvorrangParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeSolarvorrang), record::Fields(record));
}

void DrawingReader::GetQuellenPID_Regelung(int objectId, PID_RegelungParam& record)
{
    Complete(objectId, PinsOf(texts::kTypePID_Regelung), record::Fields(record));
}

void DrawingReader::GetQuellenWMZ(int objectId, WMZParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeWMZ), record::Fields(record));
}

void DrawingReader::GetQuellenStartfunc(int objectId, StartfuncParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeStartfunc), record::Fields(record));
}

void DrawingReader::GetQuellenKuehlfunc(int objectId, KuehlfuncParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeKuehlfunc), record::Fields(record));
}

void DrawingReader::GetQuellenHzkrReg(int objectId, HzkrRegParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeHzkrReg), record::Fields(record));
}

void DrawingReader::GetQuellenAnfHeizung(int objectId, AnfHeizungParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeAnfHeizung), record::Fields(record));
}

void DrawingReader::GetQuellenAnfWarmwasser(int objectId, AnfWarmwasserParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeAnfWarmwasser), record::Fields(record));
}

void DrawingReader::GetQuellenLadepumpe(int objectId, LadepumpeParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeLadepumpe), record::Fields(record));
}

void DrawingReader::GetQuellenZirkulation(int objectId, ZirkulationParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeZirkulation), record::Fields(record));
}

void DrawingReader::GetQuellenMischerReg(int objectId, MischerRegParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeMischerReg), record::Fields(record));
}

void DrawingReader::GetQuellenKesselkaskade(int objectId, KesselkaskadeParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeKesselkaskade), record::Fields(record));
}

void DrawingReader::GetQuellenAnalogfunc(int objectId, AnalogfuncParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeAnalogfunc), record::Fields(record));
}

void DrawingReader::GetQuellenLogikfunc(int objectId, LogikfuncParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeLogikfunc), record::Fields(record));
    // The inputs in use reach up to the highest one with a source.
    record.inputCount = 1;
    for (BYTE k = 0; k < 6; ++k)
        if (record.inputs[k].kind != 0)
            record.inputCount = static_cast<BYTE>(k + 1);
}

void DrawingReader::GetQuellenVergleich(int objectId, VergleichParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeVergleich), record::Fields(record));
}

void DrawingReader::GetQuellenFuncKontrolle(int objectId, FuncKontrolleParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeFuncKontrolle), record::Fields(record));
}

void DrawingReader::GetQuellenTimer(int objectId, TimerParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeTimer), record::Fields(record));
}

void DrawingReader::GetQuellenZaehler(int objectId, ZaehlerParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeZaehler), record::Fields(record));
}

void DrawingReader::GetQuellenSchaltuhr(int objectId, SchaltuhrParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeSchaltuhr), record::Fields(record));
}

void DrawingReader::GetQuellenSync(int objectId, SyncParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeSync), record::Fields(record));
}

void DrawingReader::GetQuellenProfilfunc(int objectId, ProfilfuncParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeProfilfunc), record::Fields(record));
}

void DrawingReader::GetQuellenWartungsfunc(int objectId, WartungsfuncParam& record)
{
    Complete(objectId, PinsOf(texts::kTypeWartungsfunc), record::Fields(record));
}
