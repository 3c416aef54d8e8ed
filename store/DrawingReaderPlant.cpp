// The drawing reader's completion of message records and the sources of the network outputs, as the reader that
// knows no drawing answers them.
#include "store/DrawingReader.h"

#include "store/MeldungParam.h"

namespace {

// Release, activate and cancel: the message object's input pins 1, 2, 3.
constexpr DrawingReader::PinCompletion kMeldungPins[] = {
    {DrawingReader::PinCompletion::Source, 1, 5, 7},
    {DrawingReader::PinCompletion::Source, 2, 8, 10},
    {DrawingReader::PinCompletion::Source, 3, 11, 13},
};

}  // namespace

std::span<const DrawingReader::PinCompletion> DrawingReader::MeldungPins()
{
    return kMeldungPins;
}

void DrawingReader::GetQuellenMeldung(int objectId, MeldungParam& record)
{
    Complete(objectId, kMeldungPins, reinterpret_cast<BYTE*>(&record));
}

void DrawingReader::GetNetzAusgaengeDigital(Quelle sources[16])
{
    for (int i = 0; i < 16; ++i)
        sources[i] = Quelle{};
}

void DrawingReader::GetNetzAusgaengeAnalog(Quelle sources[16])
{
    for (int i = 0; i < 16; ++i)
        sources[i] = Quelle{};
}

bool DrawingReader::GetPin(BYTE, int, PinInfo&)
{
    return false;
}
