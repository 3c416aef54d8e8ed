// The drawing reader's completion of mixer control and boiler cascade records from the pins of their objects.
#include "store/DrawingReader.h"

#include "store/KesselkaskadeParam.h"
#include "store/MischerRegParam.h"

namespace {

using Pin = DrawingReader::PinCompletion;

// Release, control temperature, setpoint; the mixer output pair at pin 5.
constexpr Pin kMischerRegPins[] = {
    {Pin::Source, 1, 4, 6}, {Pin::Source, 2, 7, 8}, {Pin::Source, 3, 9, 10}, {Pin::Mixer, 5, 20},
};

// The three releases and the flow temperature; the demand outputs of boilers A, B, C at pins 11, 13, 15. The
// participants are chosen on the input-variable form, not taken from the drawing.
constexpr Pin kKesselkaskadePins[] = {
    {Pin::Source, 1, 4, 6},   {Pin::Source, 2, 7, 9},   {Pin::Source, 3, 10, 12}, {Pin::Source, 4, 15, 16},
    {Pin::Flags16, 11, 27},   {Pin::Flags16, 13, 55},   {Pin::Flags16, 15, 83},
};

}  // namespace

void DrawingReader::GetQuellenMischerReg(int objectId, MischerRegParam& record)
{
    Complete(objectId, kMischerRegPins, reinterpret_cast<BYTE*>(&record));
}

void DrawingReader::GetQuellenKesselkaskade(int objectId, KesselkaskadeParam& record)
{
    Complete(objectId, kKesselkaskadePins, reinterpret_cast<BYTE*>(&record));
}
