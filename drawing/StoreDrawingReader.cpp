// The parameter store's drawing reader, forwarding to CZeichnung.
#include "drawing/StoreDrawingReader.h"

#include "store/CParaDaten.h"

namespace drawing {

StoreDrawingReader::StoreDrawingReader() = default;

StoreDrawingReader::StoreDrawingReader(CZeichnung& drawing) : m_zeichnung(&drawing)
{
}

CZeichnung& StoreDrawingReader::Zeichnung()
{
    if (!m_zeichnung) {
        m_loaded = std::make_unique<CZeichnung>();
        m_zeichnung = m_loaded.get();
    }
    return *m_zeichnung;
}

int StoreDrawingReader::DrawingId(int objectId)
{
    if (objectId <= 0)
        return objectId;
    if (m_drawingIds.empty()) {
        int id = 0;
        int type = 0;
        BYTE number = 0;
        // The first object in drawing order wins, as a duplicate's second object never owns a slot.
        for (int i = 0; Zeichnung().GetFuncID(i, id, type, number); ++i)
            m_drawingIds.emplace(CParaDaten::IdDigits(id), id);
        for (int i = 0; Zeichnung().GetMeldungID(i, id, number); ++i)
            m_drawingIds.emplace(CParaDaten::IdDigits(id), id);
        m_drawingIds.emplace(0, 0);  // filled, even for a drawing without functions
    }
    auto found = m_drawingIds.find(CParaDaten::IdDigits(objectId));
    return found != m_drawingIds.end() && found->first != 0 ? found->second : objectId;
}

void StoreDrawingReader::GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number)
{
    Zeichnung().GetPinQuelle(DrawingId(objectId), pin, kind, number);
}

void StoreDrawingReader::GetAusgangFlags(int objectId, BYTE pin, BYTE flags[16])
{
    Zeichnung().GetAusgangFlags(DrawingId(objectId), pin, flags);
}

void StoreDrawingReader::GetNetzAusgaengeDigital(Quelle sources[16])
{
    Zeichnung().GetNetzAusgaengeDigital(sources);
}

void StoreDrawingReader::GetNetzAusgaengeAnalog(Quelle sources[16])
{
    Zeichnung().GetNetzAusgaengeAnalog(sources);
}

bool StoreDrawingReader::GetPin(BYTE n, int objectId, DrawingReader::PinInfo& pin)
{
    ::PinInfo read;
    read.pinId = pin.pinId;
    read.labelId = pin.labelId;
    if (!Zeichnung().GetPin(n, DrawingId(objectId), read))
        return false;
    pin.name = read.name;
    pin.pinId = read.pinId;
    pin.kind = read.verbindungsart;
    pin.labelId = read.labelId;
    return true;
}

}  // namespace drawing
