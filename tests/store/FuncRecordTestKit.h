// Tools for the tests of function records: a fresh working file 2, raw slot access, slot bytes written as compact
// hex, and a drawing whose pins answer with values derived from the pin number.
#pragma once

#include "StoreTestFolder.h"

#include "store/DrawingReader.h"

#include <cstring>
#include <functional>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace recordtest {

// "46 28 ff*3" -> 46 28 ff ff ff: bytes in hex, "xx*n" repeats a byte n times.
inline std::vector<BYTE> Bytes(const std::string& hexText)
{
    std::vector<BYTE> out;
    std::istringstream in(hexText);
    std::string token;
    while (in >> token) {
        const size_t star = token.find('*');
        const BYTE value = static_cast<BYTE>(std::stoul(token.substr(0, star), nullptr, 16));
        const size_t count = star == std::string::npos ? 1 : std::stoul(token.substr(star + 1));
        out.insert(out.end(), count, value);
    }
    return out;
}

inline std::string Hex(const BYTE* bytes, size_t count)
{
    std::ostringstream out;
    for (size_t i = 0; i < count; ++i)
        out << (i == 0 ? "" : (i % 16 == 0 ? "\n" : " ")) << std::hex << (bytes[i] >> 4) << (bytes[i] & 15);
    return out.str();
}

inline std::string Hex(const std::vector<BYTE>& bytes)
{
    return Hex(bytes.data(), bytes.size());
}

// A new function's slot: the type's name, the call that writes its defaults and the 128 bytes it must give.
struct DefaultCase {
    const char* type;
    void (*defaults)(BYTE*);
    const char* expected;
};

// Each case's defaults, written over a slot of FF, give exactly its expected bytes.
inline void ExpectDefaultSlots(std::span<const DefaultCase> cases)
{
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE(c.type);
        std::vector<BYTE> slot(128, 0xFF);
        c.defaults(slot.data());
        const std::vector<BYTE> expected = Bytes(c.expected);
        ASSERT_EQ(expected.size(), 128u);
        EXPECT_EQ(Hex(slot), Hex(expected));
    }
}

// The pins of object 77: pin p's source is kind 10 + p, number 100 + p; every pin drives outputs 1, 3, 6, 8 and 16.
class FakeDrawing : public DrawingReader {
public:
    static constexpr int kObject = 77;
    static constexpr BYTE Kind(BYTE pin) { return static_cast<BYTE>(10 + pin); }
    static constexpr BYTE Number(BYTE pin) { return static_cast<BYTE>(100 + pin); }
    static bool Drives(int output) { return output == 1 || output == 3 || output == 6 || output == 8 || output == 16; }

    void GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number) override
    {
        if (objectId != kObject)
            return;
        kind = Kind(pin);
        number = Number(pin);
    }
    void GetAusgangFlags(int objectId, BYTE, BYTE flags[16]) override
    {
        std::memset(flags, 0, 16);
        if (objectId == kObject)
            for (int n = 1; n <= 16; ++n)
                flags[n - 1] = Drives(n) ? 1 : 0;
    }
};

class FuncRecordTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
    }
    // The reader that a case hands the handles whose reads complete from the drawing.
    DrawingReader& Reader() { return m_drawing; }

    // Writes the raw entry and record of a slot.
    static void PutSlot(BYTE slot, const BYTE* entry, const BYTE* record)
    {
        CParaDaten para;
        ASSERT_TRUE(para.WriteFuncRaw(2, slot, entry, record));
    }
    static void GetSlot(BYTE slot, BYTE* entry, BYTE* record)
    {
        CParaDaten para;
        ASSERT_TRUE(para.ReadFuncRaw(2, slot, entry, record));
    }
    // A slot of the given type whose record is the default of the type, as creating a function leaves it.
    template <class DefaultFn>
    static void PutNewSlot(BYTE slot, int type, BYTE number, DefaultFn defaults)
    {
        BYTE entry[8] = {static_cast<BYTE>(type), 0xFF, 0x00, number, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE record[128];
        std::memset(record, 0xFF, sizeof record);
        defaults(record);
        PutSlot(slot, entry, record);
    }
    // Slot bytes that differ from each other and from FF and 00, so that every byte kept is seen.
    static void FillPattern(BYTE* record)
    {
        for (int i = 0; i < 128; ++i)
            record[i] = static_cast<BYTE>(i * 37 + 11);
    }
    static void SetObject(BYTE slot, int id)
    {
        CParaDaten para;
        ASSERT_TRUE(para.SetFuncId(2, slot, id));
    }

    // Checks that writing changed only the given stored bytes (and, for a byte shared with bits that are not the
    // type's, only the bits of its mask).
    struct Owned {
        unsigned from;
        unsigned to;      // inclusive
        BYTE mask = 0xFF;
    };
    static void ExpectOnlyOwnedChanged(const BYTE* before, const BYTE* after, std::initializer_list<Owned> owned)
    {
        for (unsigned i = 0; i < 128; ++i) {
            BYTE mask = 0;
            for (const Owned& o : owned)
                if (i >= o.from && i <= o.to)
                    mask = static_cast<BYTE>(mask | o.mask);
            EXPECT_EQ(before[i] & ~mask & 0xFF, after[i] & ~mask & 0xFF) << "stored byte " << i;
        }
    }

    // Writes r into slot 3 over a patterned slot, reads it back and checks that only the owned bytes changed.
    template <class R>
    R WriteRead(const R& r, bool (CParaDaten::*set)(int, BYTE, R), bool (CParaDaten::*get)(int, BYTE, R&, bool),
                std::initializer_list<Owned> owned)
    {
        BYTE entry[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0x11, 0x22, 0x33, 0x44};
        BYTE before[128];
        FillPattern(before);
        PutSlot(3, entry, before);
        CParaDaten para;
        EXPECT_TRUE((para.*set)(2, 3, r));
        BYTE after[128];
        GetSlot(3, entry, after);
        ExpectOnlyOwnedChanged(before, after, owned);
        EXPECT_EQ(Hex(entry + 4, 4), "11 22 33 44") << "entry bytes 4..7 are kept";
        R back{};
        EXPECT_TRUE((para.*get)(2, 3, back, false));
        return back;
    }
    template <class R>
    static void ExpectSame(const R& a, const R& b)
    {
        EXPECT_EQ(Hex(Fields(a), sizeof a), Hex(Fields(b), sizeof b));
    }
    template <class R>
    static const BYTE* Fields(const R& r)
    {
        return reinterpret_cast<const BYTE*>(&r);
    }
    // A designation at the top of the user-defined list and a release at its widest stored values.
    template <class R>
    static void Widest(R& r)
    {
        r.designation = Bezeichnung{1, 15, 9};
        r.number = 255;
        r.release = DigitalQuelle{127, 1, 255};
    }
private:
    FakeDrawing m_drawing;
};

// Every byte of a decoded record set to one value.
template <class R>
void FillAll(R& r, BYTE value)
{
    std::memset(static_cast<void*>(&r), value, sizeof r);
}

template <class R>
struct RepairCase {
    const char* name;
    std::function<void(R&)> arrange;
    std::function<void(const R&)> expect;
};

// Runs each case on a copy of the fresh record: arrange, repair, expect.
template <class R, size_t N, class Repair>
void RunRepairs(const R& fresh, const RepairCase<R> (&cases)[N], Repair repair)
{
    for (const RepairCase<R>& c : cases) {
        SCOPED_TRACE(c.name);
        R r = fresh;
        c.arrange(r);
        repair(r);
        c.expect(r);
    }
}

// Starts each case from the type's new record, decoded.
template <class R>
R NewRecord(void (*defaults)(BYTE*), bool (CParaDaten::*get)(int, BYTE, R&, bool), int type)
{
    BYTE entry[8] = {static_cast<BYTE>(type), 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    BYTE slot[128];
    std::memset(slot, 0xFF, sizeof slot);
    defaults(slot);
    CParaDaten para;
    EXPECT_TRUE(para.WriteFuncRaw(2, 44, entry, slot));
    R r{};
    EXPECT_TRUE((para.*get)(2, 44, r, false));
    return r;
}

}  // namespace recordtest
