// CParaDaten: the 16-byte records of the 8 message slots.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/DrawingReader.h"
#include "store/ImageLayout.h"
#include "store/MeldungParam.h"
#include "store/RecordCodec.h"

#include <cstddef>

namespace {

// Field numbers of MeldungParam, pinned: other records and the requirements address them by number.
static_assert(offsetof(MeldungParam, alarm) == 4 && offsetof(MeldungParam, release) == 5 &&
              offsetof(MeldungParam, activate) == 8 && offsetof(MeldungParam, cancel) == 11 &&
              offsetof(MeldungParam, normalOn) == 14 && offsetof(MeldungParam, dominantOn) == 30 &&
              offsetof(MeldungParam, dominantOff) == 46 && offsetof(MeldungParam, errorRelease) == 62);

// The table owns every bit of the 16 bytes but byte 12, the cause designation, which is converted by hand.
constexpr record::FieldCodec kMeldungOther[] = {
    record::Triple(5, 0),   // release
    record::Triple(8, 2),   // activate
    record::Triple(11, 4),  // cancel
};
constexpr auto kMeldungCodec = record::CodecOf<record::kMeldungFields, kMeldungOther>();
static_assert(record::StoredEnd(kMeldungCodec) == layout::kMeldungRecordSize);
static_assert(record::FieldEnd(kMeldungCodec) == sizeof(MeldungParam));
static_assert(record::DecodesEveryField(kMeldungCodec, record::kMeldungFields, 0,
                                        {offsetof(MeldungParam, index), offsetof(MeldungParam, digit)}));
constexpr unsigned kCauseByte = 12;

}  // namespace

bool CParaDaten::ReadMeldungRaw(int file, BYTE slot, BYTE* record)
{
    CEepromFile* f = GetFile(file);
    return f && IsMeldungSlot(slot) &&
           f->ReadBytes(layout::kAreaEeprom, layout::MeldungRecord(slot), layout::kMeldungRecordSize, record);
}

bool CParaDaten::WriteMeldungRaw(int file, BYTE slot, const BYTE* record)
{
    CEepromFile* f = GetFile(file);
    return f && IsMeldungSlot(slot) &&
           f->WriteBytes(layout::kAreaEeprom, layout::MeldungRecord(slot), layout::kMeldungRecordSize, record);
}

bool CParaDaten::GetMeldung(int file, BYTE slot, MeldungParam& record, bool complete)
{
    BYTE stored[layout::kMeldungRecordSize];
    if (!ReadMeldungRaw(file, slot, stored))
        return false;
    MeldungParam r;
    record::Decode(kMeldungCodec, stored, record::Fields(r));
    // Unsigned 32-bit arithmetic, so that a cause byte of 0 decodes to an index the repair recognises.
    const UINT cause = stored[kCauseByte];
    r.index = static_cast<BYTE>((cause - 1u) / 10u + 1u);
    r.digit = static_cast<BYTE>((cause - 1u) % 10u);
    if (complete) {
        int id = -1;
        if (GetMeldungId(file, slot, id) && id > 0)
            WithDrawing([&](DrawingReader& drawing) { drawing.GetQuellenMeldung(id, r); });
    }
    record = r;
    return true;
}

bool CParaDaten::SetMeldung(int file, BYTE slot, MeldungParam record)
{
    if (!IsMeldungSlot(slot))
        return false;
    BYTE stored[layout::kMeldungRecordSize] = {};
    record::Encode(kMeldungCodec, record::Fields(record), stored);
    stored[kCauseByte] = static_cast<BYTE>((record.index - 1u) * 10u + record.digit + 1u);
    return WriteMeldungRaw(file, slot, stored);
}
