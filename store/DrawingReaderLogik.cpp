// The drawing reader's completion of the logic, time and monitoring function records from the pins of their objects.
#include "store/DrawingReader.h"

#include "store/AnalogfuncParam.h"
#include "store/FuncKontrolleParam.h"
#include "store/LogikfuncParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"

namespace {

using Pin = DrawingReader::PinCompletion;

// Release, result while the release is off, variables 1..6; the speed-controllable outputs at pin 9.
constexpr Pin kAnalogfuncPins[] = {
    {Pin::Source, 1, 4, 6},   {Pin::Source, 2, 18, 19}, {Pin::Source, 3, 21, 22}, {Pin::Source, 4, 24, 25},
    {Pin::Source, 5, 27, 28}, {Pin::Source, 6, 30, 31}, {Pin::Source, 7, 33, 34}, {Pin::Source, 8, 36, 37},
    {Pin::Flags6, 9, 12},
};

// Release, inputs 1..6; result and inverted result at pins 8 and 9.
constexpr Pin kLogikfuncPins[] = {
    {Pin::Source, 1, 4, 6},   {Pin::Source, 2, 41, 43}, {Pin::Source, 3, 44, 46}, {Pin::Source, 4, 47, 49},
    {Pin::Source, 5, 50, 52}, {Pin::Source, 6, 53, 55}, {Pin::Source, 7, 56, 58}, {Pin::Flags16, 8, 9},
    {Pin::Flags16, 9, 25},
};

constexpr Pin kVergleichPins[] = {
    {Pin::Source, 1, 4, 6}, {Pin::Source, 2, 9, 10}, {Pin::Source, 3, 11, 12}, {Pin::Flags16, 4, 20},
    {Pin::Flags16, 5, 36},
};

// A connection to output 16 sets a flag that is not stored.
constexpr Pin kFuncKontrollePins[] = {
    {Pin::Source, 1, 6, 7}, {Pin::Source, 2, 8, 9}, {Pin::Source, 3, 10, 12}, {Pin::Flags16, 4, 14},
    {Pin::Flags16, 5, 30},
};

constexpr Pin kTimerPins[] = {
    {Pin::Source, 1, 4, 6}, {Pin::Source, 2, 22, 24}, {Pin::Source, 3, 25, 26}, {Pin::Flags16, 4, 27},
    {Pin::Flags16, 5, 43},
};

// Release, counting inputs 1..6, reset; the counter drives no outputs.
constexpr Pin kZaehlerPins[] = {
    {Pin::Source, 1, 4, 6},   {Pin::Source, 2, 13, 15}, {Pin::Source, 3, 16, 18}, {Pin::Source, 4, 19, 21},
    {Pin::Source, 5, 22, 24}, {Pin::Source, 6, 25, 27}, {Pin::Source, 7, 28, 30}, {Pin::Source, 8, 10, 12},
};

// Pin 3 carries no source of the record; the time programs are never taken from the drawing.
constexpr Pin kSchaltuhrPins[] = {
    {Pin::Source, 1, 4, 6}, {Pin::Source, 2, 15, 17}, {Pin::Flags16, 4, 18},
};

constexpr Pin kSyncPins[] = {
    {Pin::Source, 1, 4, 6}, {Pin::Flags16, 4, 10},
};

// Release, value while released off, start, stop, reset, clock; the running profile's outputs at pin 9.
constexpr Pin kProfilfuncPins[] = {
    {Pin::Source, 1, 4, 6},   {Pin::Source, 2, 22, 23}, {Pin::Source, 3, 10, 12}, {Pin::Source, 4, 13, 15},
    {Pin::Source, 5, 19, 21}, {Pin::Source, 6, 16, 18}, {Pin::Flags16, 9, 24},
};

// External switch; burner demand at pin 2, burner power at the speed-controllable outputs of pin 3.
constexpr Pin kWartungsfuncPins[] = {
    {Pin::Source, 1, 4, 6}, {Pin::Flags16, 2, 10}, {Pin::Flags6, 3, 26},
};

template <class Record>
BYTE* Bytes(Record& record)
{
    return reinterpret_cast<BYTE*>(&record);
}

}  // namespace

void DrawingReader::GetQuellenAnalogfunc(int objectId, AnalogfuncParam& record)
{
    Complete(objectId, kAnalogfuncPins, Bytes(record));
}

void DrawingReader::GetQuellenLogikfunc(int objectId, LogikfuncParam& record)
{
    Complete(objectId, kLogikfuncPins, Bytes(record));
    // The inputs in use reach up to the highest one with a source.
    record.inputCount = 1;
    for (BYTE k = 0; k < 6; ++k)
        if (record.inputs[k].kind != 0)
            record.inputCount = static_cast<BYTE>(k + 1);
}

void DrawingReader::GetQuellenVergleich(int objectId, VergleichParam& record)
{
    Complete(objectId, kVergleichPins, Bytes(record));
}

void DrawingReader::GetQuellenFuncKontrolle(int objectId, FuncKontrolleParam& record)
{
    Complete(objectId, kFuncKontrollePins, Bytes(record));
}

void DrawingReader::GetQuellenTimer(int objectId, TimerParam& record)
{
    Complete(objectId, kTimerPins, Bytes(record));
}

void DrawingReader::GetQuellenZaehler(int objectId, ZaehlerParam& record)
{
    Complete(objectId, kZaehlerPins, Bytes(record));
}

void DrawingReader::GetQuellenSchaltuhr(int objectId, SchaltuhrParam& record)
{
    Complete(objectId, kSchaltuhrPins, Bytes(record));
}

void DrawingReader::GetQuellenSync(int objectId, SyncParam& record)
{
    Complete(objectId, kSyncPins, Bytes(record));
}

void DrawingReader::GetQuellenProfilfunc(int objectId, ProfilfuncParam& record)
{
    Complete(objectId, kProfilfuncPins, Bytes(record));
}

void DrawingReader::GetQuellenWartungsfunc(int objectId, WartungsfuncParam& record)
{
    Complete(objectId, kWartungsfuncPins, Bytes(record));
}
