// The function-record test fixture and its drawing of pins.
#include "FuncSlotFixture.h"

#include "store/CParaDaten.h"

#include <cstdio>
#include <cstring>
#include <sstream>

void PinDrawing::GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number)
{
    m_state->completed.push_back(objectId);
    auto it = m_state->pins.find({objectId, pin});
    if (it == m_state->pins.end())
        return;
    if (!it->second.hasPartner) {
        kind = 0;
        return;
    }
    kind = it->second.kind;
    number = it->second.number;
}

void PinDrawing::GetAusgangFlags(int objectId, BYTE pin, BYTE flags[16])
{
    m_state->completed.push_back(objectId);
    std::memset(flags, 0, 16);
    auto it = m_state->pins.find({objectId, pin});
    if (it == m_state->pins.end())
        return;
    for (BYTE n : it->second.outputs)
        flags[n - 1] = 1;
}

void FuncSlotFixture::SetUp()
{
    StoreTestFolder::SetUp();
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(2));
}

void FuncSlotFixture::MakeSlot(BYTE slot, int id, int type, BYTE number, void (*defaults)(BYTE*))
{
    CParaDaten para;
    ASSERT_TRUE(para.SetFuncId(2, slot, id));
    ASSERT_TRUE(para.SetFuncEntry(2, slot, FuncEntry{type, 0xFF, number}));
    SlotBytes record;
    record.fill(0xFF);
    defaults(record.data());
    WriteSlot(slot, record);
}

void FuncSlotFixture::MakeFunc(BYTE slot, int type, BYTE number)
{
    CParaDaten para;
    ASSERT_TRUE(para.SetFuncId(2, slot, 500 + slot));
    ASSERT_TRUE(para.SetFuncEntry(2, slot, FuncEntry{type, 0xFF, number}));
}

SlotBytes FuncSlotFixture::ReadSlot(BYTE slot)
{
    CParaDaten para;
    BYTE entry[8];
    SlotBytes record{};
    EXPECT_TRUE(para.ReadFuncRaw(2, slot, entry, record.data()));
    return record;
}

void FuncSlotFixture::WriteSlot(BYTE slot, const SlotBytes& record)
{
    CParaDaten para;
    BYTE entry[8];
    SlotBytes old{};
    ASSERT_TRUE(para.ReadFuncRaw(2, slot, entry, old.data()));
    ASSERT_TRUE(para.WriteFuncRaw(2, slot, entry, record.data()));
}

SlotBytes FuncSlotFixture::Expected(std::initializer_list<Run> runs)
{
    SlotBytes bytes;
    bytes.fill(0xFF);
    for (const Run& run : runs) {
        std::istringstream in(run.hex);
        unsigned at = run.at;
        std::string token;
        while (in >> token)
            bytes.at(at++) = static_cast<BYTE>(std::stoul(token, nullptr, 16));
    }
    return bytes;
}

SlotBytes FuncSlotFixture::Pattern()
{
    SlotBytes bytes;
    for (unsigned i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<BYTE>(0x5A ^ (i * 37));
    return bytes;
}

std::string FuncSlotFixture::Hex(const BYTE* bytes, size_t count)
{
    std::string s;
    char buffer[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", bytes[i]);
        if (i)
            s += (i % 16 == 0) ? "\n" : " ";
        s += buffer;
    }
    return s;
}

PinDrawing::State& FuncSlotFixture::Drawing()
{
    return *m_drawing;
}

DrawingReader& FuncSlotFixture::Reader()
{
    return m_reader;
}

void FuncSlotFixture::Connect(int id, BYTE pin, BYTE kind, BYTE number)
{
    PinDrawing::Pin& p = Drawing().pins[{id, pin}];
    p.hasPartner = true;
    p.kind = kind;
    p.number = number;
}

void FuncSlotFixture::ConnectOutputs(int id, BYTE pin, std::vector<BYTE> outputs)
{
    PinDrawing::Pin& p = Drawing().pins[{id, pin}];
    p.hasPartner = true;
    p.outputs = std::move(outputs);
}

void FuncSlotFixture::Unconnected(int id, BYTE pin)
{
    Drawing().pins[{id, pin}] = PinDrawing::Pin{};
}
