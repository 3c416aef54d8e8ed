// The drawing reader: completion of the solar and energy function records from the pins of their objects.
#include "store/DrawingReader.h"

#include "store/KuehlfuncParam.h"
#include "store/PID_RegelungParam.h"
#include "store/RecordCodec.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/WMZParam.h"

namespace {

using P = DrawingReader::PinCompletion;

constexpr P kSolarregelung[] = {
    {P::Source, 1, 4, 6}, {P::Source, 2, 7, 8}, {P::Source, 3, 11, 12}, {P::Source, 4, 17, 18}, {P::Flags16, 6, 21},
};
constexpr P kSolarvorrang[] = {{P::Source, 1, 4, 6}, {P::Source, 2, 8, 9}, {P::Flags16, 3, 14}};
constexpr P kPidRegelung[] = {
    {P::Source, 1, 4, 6},   {P::Source, 2, 14, 15}, {P::Source, 3, 16, 17}, {P::Source, 4, 18, 19},
    {P::Source, 5, 20, 21}, {P::Source, 6, 22, 23}, {P::Source, 7, 24, 25}, {P::Source, 8, 26, 27},
    {P::Source, 9, 28, 29}, {P::Flags6, 10, 35},
};
constexpr P kWmz[] = {
    {P::Source, 1, 4, 6}, {P::Source, 2, 8, 9}, {P::Source, 3, 10, 11}, {P::Source, 4, 12, 13}, {P::Source, 5, 14, 16},
};
constexpr P kStartfunc[] = {{P::Source, 1, 4, 6}, {P::Source, 2, 13, 14}, {P::Source, 3, 15, 16}, {P::Flags16, 4, 17}};
constexpr P kKuehlfunc[] = {
    {P::Source, 1, 4, 6}, {P::Source, 2, 9, 10}, {P::Source, 3, 11, 12}, {P::Flags6, 4, 32}, {P::Flags16, 5, 16},
};

}  // namespace

void DrawingReader::GetQuellenSolarregelung(int objectId, SolarregelungParam& record)
{
    Complete(objectId, kSolarregelung, record::Fields(record));
}

void DrawingReader::GetQuellenSolarvorrang(int objectId, SolarvorrangParam& record)
{
    Complete(objectId, kSolarvorrang, record::Fields(record));
}

void DrawingReader::GetQuellenPID_Regelung(int objectId, PID_RegelungParam& record)
{
    Complete(objectId, kPidRegelung, record::Fields(record));
}

void DrawingReader::GetQuellenWMZ(int objectId, WMZParam& record)
{
    Complete(objectId, kWmz, record::Fields(record));
}

void DrawingReader::GetQuellenStartfunc(int objectId, StartfuncParam& record)
{
    Complete(objectId, kStartfunc, record::Fields(record));
}

void DrawingReader::GetQuellenKuehlfunc(int objectId, KuehlfuncParam& record)
{
    Complete(objectId, kKuehlfunc, record::Fields(record));
}
