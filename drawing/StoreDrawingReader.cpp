// The parameter store's drawing reader, forwarding to CZeichnung.
#include "drawing/StoreDrawingReader.h"

namespace drawing {

StoreDrawingReader::StoreDrawingReader() : m_loaded(std::make_unique<CZeichnung>()), m_zeichnung(*m_loaded)
{
}

StoreDrawingReader::StoreDrawingReader(CZeichnung& drawing) : m_zeichnung(drawing)
{
}

void StoreDrawingReader::GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number)
{
    m_zeichnung.GetPinQuelle(objectId, pin, kind, number);
}

void StoreDrawingReader::GetAusgangFlags(int objectId, BYTE pin, BYTE flags[16])
{
    m_zeichnung.GetAusgangFlags(objectId, pin, flags);
}

void StoreDrawingReader::GetNetzAusgaengeDigital(Quelle sources[16])
{
    m_zeichnung.GetNetzAusgaengeDigital(sources);
}

void StoreDrawingReader::GetNetzAusgaengeAnalog(Quelle sources[16])
{
    m_zeichnung.GetNetzAusgaengeAnalog(sources);
}

bool StoreDrawingReader::GetPin(BYTE n, int objectId, DrawingReader::PinInfo& pin)
{
    ::PinInfo read;
    read.pinId = pin.pinId;
    read.labelId = pin.labelId;
    if (!m_zeichnung.GetPin(n, objectId, read))
        return false;
    pin.name = read.name;
    pin.pinId = read.pinId;
    pin.kind = read.verbindungsart;
    pin.labelId = read.labelId;
    return true;
}

void InstallStoreDrawingReader()
{
    SetDrawingReaderFactory([] { return std::unique_ptr<DrawingReader>(std::make_unique<StoreDrawingReader>()); });
}

}  // namespace drawing
