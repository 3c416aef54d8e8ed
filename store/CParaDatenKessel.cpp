// CParaDaten: the records of the mixer control and of the boiler cascade.
#include "store/CParaDaten.h"

#include "store/DrawingReader.h"
#include "store/KesselkaskadeParam.h"
#include "store/MischerRegParam.h"
#include "store/RecordCodec.h"
#include "texttables/StandardDesignations.h"

#include <bit>
#include <cstring>

using namespace record;

static_assert(std::endian::native == std::endian::little,
              "bit fields of the 32-bit words are decoded into their lowest byte");

namespace {

// The field tables state the stored places of their fields; these are the sources, triples and lists that have
// no row there. Field 16 is the low 4 bits of a 32-bit word; bits 5..7 of byte 1 are not the record's.
constexpr FieldCodec kMischerRegOther[] = {Bits(16, 1, 0, 4), Triple(4, 3), Source(9, 5), Source(7, 7)};
// The demand of boiler b: fields 27 + 28b.., stored from byte 51 + 6b; output 16 has no stored bit.
constexpr FieldCodec kKesselkaskadeOther[] = {
    Triple(4, 1), Source(15, 3), Triple(7, 6), Triple(10, 8), Flags(27, 51, 15), Flags(55, 57, 15), Flags(83, 63, 15),
};
constexpr auto kMischerRegCodec = CodecOf<record::kMischerRegFields, kMischerRegOther>();
constexpr auto kKesselkaskadeCodec = CodecOf<record::kKesselkaskadeFields, kKesselkaskadeOther>();

constexpr FuncRecordType kMischerReg{texts::kTypeMischerReg, kMischerRegCodec};
constexpr FuncRecordType kKesselkaskade{texts::kTypeKesselkaskade, kKesselkaskadeCodec};

static_assert(FieldEnd(kMischerRegCodec) <= sizeof(MischerRegParam) && StoredEnd(kMischerRegCodec) <= kSlotSize);
static_assert(FieldEnd(kKesselkaskadeCodec) <= sizeof(KesselkaskadeParam) && StoredEnd(kKesselkaskadeCodec) <= 66);
static_assert(DecodesEveryField(kMischerRegCodec, record::kMischerRegFields));
static_assert(DecodesEveryField(kKesselkaskadeCodec, record::kKesselkaskadeFields));

// The operating hours of boiler b are kept in two pairs of 16-bit copies, low byte first; a pair whose copies
// differ counts as 0, and the larger pair wins.
constexpr unsigned kStundenKopien[2][2] = {{80, 90}, {104, 114}};

unsigned Word(const BYTE* stored, unsigned at)
{
    return stored[at] | unsigned(stored[at + 1]) << 8;
}

void DecodeStunden(const BYTE* stored, KesselkaskadeParam& r)
{
    for (unsigned b = 0; b < 3; ++b) {
        unsigned hours = 0;
        for (const auto& pair : kStundenKopien) {
            const unsigned first = Word(stored, pair[0] + 2 * b);
            if (first == Word(stored, pair[1] + 2 * b) && first > hours)
                hours = first;
        }
        r.boilers[b].hours = hours;
    }
}

// Boiler C's copies hold its hours only in a cascade of three boilers.
void EncodeStunden(const KesselkaskadeParam& r, BYTE* stored)
{
    for (unsigned b = 0; b < 3; ++b) {
        const std::uint32_t hours = b < 2 || r.boilerCount > 2 ? r.boilers[b].hours : 0;
        for (const auto& pair : kStundenKopien)
            for (unsigned copy : pair) {
                stored[copy + 2 * b] = static_cast<BYTE>(hours & 0xFF);
                stored[copy + 2 * b + 1] = static_cast<BYTE>(hours >> 8 & 0xFF);
            }
    }
}

}  // namespace

bool CParaDaten::GetMischerReg(int file, BYTE slot, MischerRegParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kMischerReg, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetMischerReg(int file, BYTE slot, MischerRegParam record)
{
    return WriteFuncRecord(file, slot, kMischerReg, Fields(record));
}

bool CParaDaten::GetKesselkaskade(int file, BYTE slot, KesselkaskadeParam& record, bool complete)
{
    return ReadFuncRecord(
        file, slot, kKesselkaskade, Fields(record), sizeof record, complete,
        [&record](const BYTE* stored, BYTE*) { DecodeStunden(stored, record); });
}

bool CParaDaten::SetKesselkaskade(int file, BYTE slot, KesselkaskadeParam record)
{
    return WriteFuncRecord(file, slot, kKesselkaskade, Fields(record),
                           [&record](const BYTE*, BYTE* stored) { EncodeStunden(record, stored); });
}

void CParaDaten::GetDefaultMischerReg(BYTE* record)
{
    // Difference 0.0 K; open while released off, sense normal, no mixer; release fixed on; setpoint fixed 30 deg C;
    // control temperature input 1.
    const BYTE bytes[] = {0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x1E, 0x01, 0x01};
    std::memcpy(record, bytes, sizeof bytes);
}

void CParaDaten::GetDefaultKesselkaskade(BYTE* record)
{
    // Two participants and two boilers; release from input 1, second and third stage fixed on; flow temperature
    // input 1; sequence change after 1000 hours.
    const BYTE header[] = {0x22, 0x01, 0x01, 0x01, 0x01, 0x64, 0x00, 0x01, 0x00, 0x01};
    std::memcpy(record, header, sizeof header);
    std::memset(record + 32, 0x00, 6);
    for (unsigned b = 0; b < 3; ++b) {
        // DIFF.ON 0.0 K, DIFF.OFF 0.1 K, no delay, no outputs, no automatic change, place b + 1.
        const BYTE block[] = {0x00, 0x01, 0x00, 0x00, 0x00, static_cast<BYTE>(b + 1)};
        std::memcpy(record + 48 + 6 * b, block, sizeof block);
        for (const auto& pair : kStundenKopien)
            for (unsigned copy : pair)
                std::memset(record + copy + 2 * b, 0x00, 2);
    }
}
