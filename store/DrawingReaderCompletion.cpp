// The drawing reader's pin queries as the reader that knows no drawing answers them, and the completion of every
// function type's decoded record from them by the type's pins in the function-type catalog.
#include "store/DrawingReader.h"

#include "store/AusgangParam.h"
#include "store/FunctionTypes.h"

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

void DrawingReader::CompleteFunction(int typeCode, int objectId, BYTE* fields)
{
    const functypes::FunctionType* type = functypes::FindFunctionType(typeCode);
    if (!type)
        return;
    Complete(objectId, type->pins, fields);
    if (type->pinsApplied)
        type->pinsApplied(fields);
}
