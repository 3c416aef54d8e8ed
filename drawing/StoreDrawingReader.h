// The parameter store's view of the drawing, answered by the drawing reader over the exchange files.
#pragma once

#include "drawing/CZeichnung.h"
#include "store/DrawingReader.h"

#include <memory>
#include <map>

namespace drawing {

// The drawing reader that an operation hands its parameter-store handles (CParaDaten::UseDrawing): the pin sources
// and output flags with which the store completes a record, the sources of the network outputs, and the pins whose
// labels a deleted function resets. One reader serves one operation, so that each operation sees the exchange files
// as they stand when it runs.
class StoreDrawingReader : public DrawingReader {
public:
    // Loads the drawing's exchange files on the first query: an operation that completes nothing loads nothing.
    StoreDrawingReader();
    // Answers from a drawing the caller holds (not owned; it must outlive the reader), loading nothing.
    explicit StoreDrawingReader(CZeichnung& drawing);

    void GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number) override;
    void GetAusgangFlags(int objectId, BYTE pin, BYTE flags[16]) override;
    void GetNetzAusgaengeDigital(Quelle sources[16]) override;
    void GetNetzAusgaengeAnalog(Quelle sources[16]) override;
    bool GetPin(BYTE n, int objectId, DrawingReader::PinInfo& pin) override;

private:
    // The drawing, loaded now when this reader loads its own.
    CZeichnung& Zeichnung();
    // The drawing's id of the function or message object that a stored id stands for; the id itself when none.
    int DrawingId(int objectId);

    std::unique_ptr<CZeichnung> m_loaded;
    CZeichnung* m_zeichnung = nullptr;
    std::map<int, int> m_drawingIds;  // by five lowest digits; filled on the first query
};

}  // namespace drawing
