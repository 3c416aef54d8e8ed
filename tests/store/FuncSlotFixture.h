// A fixture for the function-record tests: a new working copy whose slots can be made as a new function's slot, raw
// access to slot records, expected bytes written as runs of hex, and a drawing whose pins a case sets up.
#pragma once

#include "StoreTestFolder.h"

#include "platform/Types.h"
#include "store/CParaDaten.h"
#include "store/DrawingReader.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using SlotBytes = std::array<BYTE, 128>;

// One repair case: the changes made to a valid record, and the changes the repair must leave of them.
template <class Record>
struct RepairCase {
    const char* name;
    BYTE keepLowBit;
    std::function<void(Record&)> in;
    std::function<void(Record&)> out;
};

// What the drawing shows at the pins of its function objects.
class PinDrawing : public DrawingReader {
public:
    struct Pin {
        bool hasPartner = false;
        BYTE kind = 0;                 // the source the first partner stands for
        BYTE number = 0;
        std::vector<BYTE> outputs;     // outputs 1..16 that the pin drives
    };
    struct State {
        std::map<std::pair<int, BYTE>, Pin> pins;
        std::vector<int> completed;    // object ids asked for
    };

    explicit PinDrawing(std::shared_ptr<State> state) : m_state(std::move(state)) {}

    void GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number) override;
    void GetAusgangFlags(int objectId, BYTE pin, BYTE flags[16]) override;

private:
    std::shared_ptr<State> m_state;
};

class FuncSlotFixture : public StoreTestFolder {
protected:
    struct Run {
        unsigned at;
        const char* hex;  // "01 02 FF"
    };

    void SetUp() override;

    // Slot `slot` becomes a new function as creating one leaves it: object id, entry of type, no designation and
    // number, record FF with the type's defaults.
    static void MakeSlot(BYTE slot, int id, int type, BYTE number, void (*defaults)(BYTE*));
    // A slot of that type and number whose record is not looked at (for the function table of reference tests).
    static void MakeFunc(BYTE slot, int type, BYTE number);
    static SlotBytes ReadSlot(BYTE slot);
    static void WriteSlot(BYTE slot, const SlotBytes& record);
    // 128 bytes of FF with the runs laid over them.
    static SlotBytes Expected(std::initializer_list<Run> runs);
    // A record of arbitrary bytes, so that kept bytes show.
    static SlotBytes Pattern();
    static std::string Hex(const BYTE* bytes, size_t count);
    template <class Record>
    static std::string Hex(const Record& r)
    {
        return Hex(reinterpret_cast<const BYTE*>(&r), sizeof r);
    }

    // The pins of the case's drawing, which Reader() answers from; a case sets them up before its reads.
    PinDrawing::State& Drawing();
    // The reader that a case hands the handles whose reads complete from the drawing.
    DrawingReader& Reader();
    // Pin `pin` of object id shows a partner standing for source (kind, number), or drives outputs.
    void Connect(int id, BYTE pin, BYTE kind, BYTE number);
    void ConnectOutputs(int id, BYTE pin, std::vector<BYTE> outputs);
    // The pin exists but has no partner.
    void Unconnected(int id, BYTE pin);

    // Runs each case on a copy of the valid record and compares the whole repaired record with the expected one.
    template <class Record, class Repair>
    static void ExpectRepairs(const Record& valid, std::initializer_list<RepairCase<Record>> cases, Repair repair)
    {
        for (const RepairCase<Record>& c : cases) {
            Record r = valid;
            c.in(r);
            Record expected = r;
            c.out(expected);
            repair(r, c.keepLowBit);
            EXPECT_EQ(Hex(r), Hex(expected)) << c.name;
        }
    }

    // A stored byte of which the record must keep the bits in mask.
    struct Kept {
        unsigned first;
        unsigned last;
        BYTE mask = 0xFF;
    };
    // Writes the record with set over a slot of arbitrary bytes, checks that the kept bits are unchanged, and reads
    // it back with get (no completion).
    template <class Record>
    static Record WriteAndRead(bool (CParaDaten::*set)(int, BYTE, Record),
                               bool (CParaDaten::*get)(int, BYTE, Record&, bool), const Record& record,
                               std::initializer_list<Kept> kept)
    {
        const SlotBytes before = Pattern();
        WriteSlot(7, before);
        CParaDaten para;
        EXPECT_TRUE((para.*set)(2, 7, record));
        const SlotBytes after = ReadSlot(7);
        for (const Kept& k : kept)
            for (unsigned i = k.first; i <= k.last; ++i)
                EXPECT_EQ(after[i] & k.mask, before[i] & k.mask) << "stored byte " << i << " is not the record's";
        Record back{};
        EXPECT_TRUE((para.*get)(2, 7, back, false));
        return back;
    }

private:
    std::shared_ptr<PinDrawing::State> m_drawing = std::make_shared<PinDrawing::State>();
    PinDrawing m_reader{m_drawing};
};
