// The drawing reader: completion of the heating function records from the pins of their objects.
#include "store/DrawingReader.h"

#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/HzkrRegParam.h"
#include "store/LadepumpeParam.h"
#include "store/RecordCodec.h"
#include "store/ZirkulationParam.h"

namespace {

using P = DrawingReader::PinCompletion;

constexpr P kHzkrReg[] = {
    {P::Source, 1, 4, 6},   {P::Source, 2, 39, 41}, {P::Source, 3, 42, 44}, {P::Source, 4, 45, 46},
    {P::Source, 5, 47, 48}, {P::Source, 6, 49, 50}, {P::Source, 7, 51, 53}, {P::Flags16, 12, 54},
    {P::Mixer, 13, 70},
};
constexpr P kAnfHeizung[] = {
    {P::Source, 1, 4, 6},   {P::Source, 2, 7, 8}, {P::Source, 3, 13, 14}, {P::Source, 4, 11, 12},
    {P::Source, 5, 15, 16}, {P::Flags16, 6, 20},
};
constexpr P kAnfWarmwasser[] = {
    {P::Source, 1, 4, 6}, {P::Source, 2, 14, 15}, {P::Source, 3, 16, 17}, {P::Source, 4, 18, 20},
    {P::Flags16, 7, 21},  {P::Flags6, 8, 37},
};
constexpr P kLadepumpe[] = {
    {P::Source, 1, 4, 6},   {P::Source, 2, 7, 8}, {P::Source, 3, 13, 14}, {P::Source, 4, 11, 12},
    {P::Source, 5, 17, 18}, {P::Flags16, 6, 21},
};
constexpr P kZirkulation[] = {
    {P::Source, 1, 4, 6},   {P::Source, 2, 18, 19}, {P::Source, 3, 20, 21}, {P::Source, 4, 22, 23},
    {P::Source, 5, 24, 25}, {P::Flags16, 7, 26},
};

}  // namespace

void DrawingReader::GetQuellenHzkrReg(int objectId, HzkrRegParam& record)
{
    Complete(objectId, kHzkrReg, record::Fields(record));
}

void DrawingReader::GetQuellenAnfHeizung(int objectId, AnfHeizungParam& record)
{
    Complete(objectId, kAnfHeizung, record::Fields(record));
}

void DrawingReader::GetQuellenAnfWarmwasser(int objectId, AnfWarmwasserParam& record)
{
    Complete(objectId, kAnfWarmwasser, record::Fields(record));
}

void DrawingReader::GetQuellenLadepumpe(int objectId, LadepumpeParam& record)
{
    Complete(objectId, kLadepumpe, record::Fields(record));
}

void DrawingReader::GetQuellenZirkulation(int objectId, ZirkulationParam& record)
{
    Complete(objectId, kZirkulation, record::Fields(record));
}
