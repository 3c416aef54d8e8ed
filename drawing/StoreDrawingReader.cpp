// The parameter store's drawing reader, forwarding to CZeichnung.
#include "drawing/StoreDrawingReader.h"

namespace drawing {

void StoreDrawingReader::GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number)
{
    m_zeichnung.GetPinQuelle(objectId, pin, kind, number);
}

void StoreDrawingReader::GetAusgangFlags(int objectId, BYTE pin, BYTE flags[16])
{
    m_zeichnung.GetAusgangFlags(objectId, pin, flags);
}

void InstallStoreDrawingReader()
{
    SetDrawingReaderFactory([] { return std::unique_ptr<DrawingReader>(std::make_unique<StoreDrawingReader>()); });
}

}  // namespace drawing
