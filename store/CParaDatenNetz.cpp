// CParaDaten: the network records: own settings, transmission conditions, time-outs of the network inputs, the
// sources of the network outputs and the lists of network inputs.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/DrawingReader.h"
#include "store/ImageLayout.h"
#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "store/Sendebedingungen.h"
#include "store/RecordCodec.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr UINT kNetzRecordSize = 32;   // every network record but the settings
constexpr UINT kNetzwerkSize = 64;

// The transmission conditions' table states every stored place.
constexpr auto kSendeCodec = record::CodecOf<record::kSendebedingungenFields>();
static_assert(record::FieldEnd(kSendeCodec) == sizeof(Sendebedingungen));
static_assert(record::DecodesEveryField(kSendeCodec, record::kSendebedingungenFields));

bool ReadRecord(CEepromFile* f, UINT address, UINT count, BYTE* bytes)
{
    return f && f->ReadBytes(layout::kAreaEeprom, address, count, bytes);
}

// Writes the whole stored size: count data bytes, then FF.
bool WriteRecord(CEepromFile* f, UINT address, UINT size, const BYTE* data, UINT count)
{
    if (!f)
        return false;
    BYTE bytes[kNetzwerkSize];
    std::memset(bytes, 0xFF, size);
    std::memcpy(bytes, data, count);
    return f->WriteBytes(layout::kAreaEeprom, address, size, bytes);
}

bool GetSources(CEepromFile* f, UINT address, Quelle sources[16])
{
    BYTE b[kNetzRecordSize];
    if (!ReadRecord(f, address, sizeof b, b))
        return false;
    for (int i = 0; i < 16; ++i)
        sources[i] = {b[2 * i], b[2 * i + 1]};
    return true;
}

bool SetSources(CEepromFile* f, UINT address, const Quelle sources[16])
{
    BYTE b[kNetzRecordSize];
    for (int i = 0; i < 16; ++i) {
        b[2 * i] = sources[i].kind;
        b[2 * i + 1] = sources[i].number;
    }
    return WriteRecord(f, address, sizeof b, b, sizeof b);
}

bool GetInputs(CEepromFile* f, UINT address, NetzEingang inputs[16])
{
    BYTE b[kNetzRecordSize];
    if (!ReadRecord(f, address, sizeof b, b))
        return false;
    for (int i = 0; i < 16; ++i)
        inputs[i] = {static_cast<BYTE>(b[2 * i] >> 7), static_cast<BYTE>(b[2 * i] & 0x7F), b[2 * i + 1]};
    return true;
}

bool SetInputs(CEepromFile* f, UINT address, const NetzEingang inputs[16])
{
    BYTE b[kNetzRecordSize];
    for (int i = 0; i < 16; ++i) {
        b[2 * i] = static_cast<BYTE>((inputs[i].transport != 0) << 7 | (inputs[i].node & 0x7F));
        b[2 * i + 1] = inputs[i].output;
    }
    return WriteRecord(f, address, sizeof b, b, sizeof b);
}

}  // namespace

bool CParaDaten::GetNetzwerk(int file, NetzwerkParam& record)
{
    BYTE b[2];
    if (!ReadRecord(GetFile(file), layout::kNetzwerk, sizeof b, b))
        return false;
    record = {static_cast<BYTE>(b[0] & 0x7F), static_cast<BYTE>(b[0] >> 7), static_cast<BYTE>(b[1] >> 7)};
    return true;
}

bool CParaDaten::SetNetzwerk(int file, NetzwerkParam record)
{
    const BYTE b[2] = {static_cast<BYTE>((record.node & 0x7F) | (record.release != 0) << 7),
                       static_cast<BYTE>(0x7F | (record.automatic != 0) << 7)};
    return WriteRecord(GetFile(file), layout::kNetzwerk, kNetzwerkSize, b, sizeof b);
}

bool CParaDaten::GetSendebedingungen(int file, Sendebedingungen& record)
{
    BYTE b[sizeof(Sendebedingungen)];
    if (!ReadRecord(GetFile(file), layout::kSendebedingungen, sizeof b, b))
        return false;
    Sendebedingungen r;
    record::Decode(kSendeCodec, b, record::Fields(r));
    record = r;
    return true;
}

bool CParaDaten::SetSendebedingungen(int file, Sendebedingungen record)
{
    BYTE b[sizeof(Sendebedingungen)];
    std::memset(b, 0xFF, sizeof b);
    record::Encode(kSendeCodec, record::Fields(record), b);
    return WriteRecord(GetFile(file), layout::kSendebedingungen, kNetzRecordSize, b, sizeof b);
}

bool CParaDaten::GetNetzTimeouts(int file, BYTE timeouts[8])
{
    BYTE b[8];
    if (!ReadRecord(GetFile(file), layout::kNetzTimeouts, sizeof b, b))
        return false;
    std::memcpy(timeouts, b, sizeof b);
    return true;
}

bool CParaDaten::SetNetzTimeouts(int file, const BYTE timeouts[8])
{
    return WriteRecord(GetFile(file), layout::kNetzTimeouts, kNetzRecordSize, timeouts, 8);
}

bool CParaDaten::GetNetzAusgaengeDigital(int file, Quelle sources[16], bool complete)
{
    Quelle read[16];
    if (!GetSources(GetFile(file), layout::kNetzAusgaengeDigital, read))
        return false;
    if (complete)
        WithDrawing([&read](DrawingReader& drawing) { drawing.GetNetzAusgaengeDigital(read); });
    std::copy(read, read + 16, sources);
    return true;
}

bool CParaDaten::GetNetzAusgaengeAnalog(int file, Quelle sources[16], bool complete)
{
    Quelle read[16];
    if (!GetSources(GetFile(file), layout::kNetzAusgaengeAnalog, read))
        return false;
    if (complete)
        WithDrawing([&read](DrawingReader& drawing) { drawing.GetNetzAusgaengeAnalog(read); });
    std::copy(read, read + 16, sources);
    return true;
}

bool CParaDaten::SetNetzAusgaengeDigital(int file, const Quelle sources[16])
{
    return SetSources(GetFile(file), layout::kNetzAusgaengeDigital, sources);
}

bool CParaDaten::SetNetzAusgaengeAnalog(int file, const Quelle sources[16])
{
    return SetSources(GetFile(file), layout::kNetzAusgaengeAnalog, sources);
}

bool CParaDaten::GetNetzEingaengeDigital(int file, NetzEingang inputs[16])
{
    NetzEingang read[16];
    if (!GetInputs(GetFile(file), layout::kNetzEingaengeDigital, read))
        return false;
    std::copy(read, read + 16, inputs);
    return true;
}

bool CParaDaten::SetNetzEingaengeDigital(int file, const NetzEingang inputs[16])
{
    return SetInputs(GetFile(file), layout::kNetzEingaengeDigital, inputs);
}

bool CParaDaten::GetNetzEingaengeAnalog(int file, NetzEingang inputs[16])
{
    NetzEingang read[16];
    if (!GetInputs(GetFile(file), layout::kNetzEingaengeAnalog, read))
        return false;
    std::copy(read, read + 16, inputs);
    return true;
}

bool CParaDaten::SetNetzEingaengeAnalog(int file, const NetzEingang inputs[16])
{
    return SetInputs(GetFile(file), layout::kNetzEingaengeAnalog, inputs);
}
