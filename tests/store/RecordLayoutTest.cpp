// Where each field of the mixer control, boiler cascade and logic, time and monitoring records lies in the slot: a
// slot whose byte j holds j (byte 0 holds A5) is read, and every field must hold the byte the stored form gives it.
#include "FuncSlotFixture.h"

#include <utility>

namespace {

class RecordLayoutTest : public FuncSlotFixture {
protected:
    // Byte j = j, byte 0 = A5, then the overrides; written into slot 1 as a function of that type.
    static void Lay(int type, std::initializer_list<std::pair<unsigned, BYTE>> overrides = {})
    {
        SlotBytes stored;
        for (unsigned j = 0; j < stored.size(); ++j)
            stored[j] = static_cast<BYTE>(j);
        stored[0] = 0xA5;
        for (auto [at, value] : overrides)
            stored[at] = value;
        MakeFunc(1, type, 0);
        WriteSlot(1, stored);
    }
    static void Set(BYTE* flags, std::initializer_list<int> which)
    {
        for (int i : which)
            flags[i] = 1;
    }
    static DigitalQuelle Triple(BYTE kindByte) { return {kindByte, 0, static_cast<BYTE>(kindByte + 1)}; }
    static Quelle Source(BYTE kindByte) { return {kindByte, static_cast<BYTE>(kindByte + 1)}; }
    template <class Record>
    static Record Read(bool (CParaDaten::*get)(int, BYTE, Record&, bool))
    {
        CParaDaten para;
        Record r;
        EXPECT_TRUE((para.*get)(2, 1, r, false));
        return r;
    }
};

}  // namespace

TEST_F(RecordLayoutTest, MixerControl)
{
    Lay(19, {{1, 0x1E}});
    MischerRegParam e;
    e.number = 0;
    e.difference = 0xA5;
    e.offAction = 0x0E;  // byte 1 bits 0..3
    e.inverse = 1;       // byte 1 bit 4
    e.outputs = 2;
    e.release = Triple(3);
    e.setpoint = Source(5);
    e.controlTemp = Source(7);
    EXPECT_EQ(Hex(Read(&CParaDaten::GetMischerReg)), Hex(e));
}

TEST_F(RecordLayoutTest, BoilerCascade)
{
    // Boiler A's first pair of hour copies agrees, and boiler C's second pair.
    Lay(23, {{90, 80}, {91, 81}, {118, 108}, {119, 109}});
    KesselkaskadeParam e;
    e.participantCount = 5;  // byte 0 bits 0..3
    e.boilerCount = 10;      // byte 0 bits 4..7
    e.release = Triple(1);
    e.flowTemp = Source(3);
    e.hourDifference = 5;
    e.release2 = Triple(6);
    e.release3 = Triple(8);
    for (BYTE k = 0; k < 6; ++k)
        e.participants[k] = static_cast<BYTE>(32 + k);
    for (BYTE b = 0; b < 3; ++b) {
        e.boilers[b].onDifference = static_cast<BYTE>(48 + 6 * b);
        e.boilers[b].offDifference = static_cast<BYTE>(49 + 6 * b);
        e.boilers[b].delay = static_cast<BYTE>(50 + 6 * b);
        e.boilers[b].position = static_cast<BYTE>(53 + 6 * b);
    }
    Set(e.boilers[0].demand, {0, 1, 4, 5, 10, 12, 13});     // bytes 51 (0x33) and 52 (0x34)
    Set(e.boilers[1].demand, {0, 3, 4, 5, 9, 11, 12, 13});  // bytes 57 (0x39) and 58 (0x3A)
    Set(e.boilers[2].demand, {0, 1, 2, 3, 4, 5, 14});       // bytes 63 (0x3F) and 64 (0x40)
    e.boilers[0].hours = 0x5150;
    e.boilers[2].hours = 0x6D6C;
    EXPECT_EQ(Hex(Read(&CParaDaten::GetKesselkaskade)), Hex(e));
}

TEST_F(RecordLayoutTest, AnalogFunction)
{
    Lay(11);
    AnalogfuncParam e;
    e.variableCount = 0xA5;
    e.function = 1;
    e.outputs[1] = 1;  // byte 2
    e.unit = 3;
    e.release = Triple(4);
    e.offResult = Source(6);
    e.filterTime = 8;
    e.offResultOffset = 9;
    for (BYTE k = 0; k < 6; ++k)
        e.variables[k] = {static_cast<BYTE>(64 + 2 * k), static_cast<BYTE>(65 + 2 * k), static_cast<BYTE>(96 + 2 * k)};
    EXPECT_EQ(Hex(Read(&CParaDaten::GetAnalogfunc)), Hex(e));
}

TEST_F(RecordLayoutTest, LogicFunction)
{
    Lay(10);
    LogikfuncParam e;
    e.inputCount = 0xA5;
    e.function = 1;
    Set(e.result, {1, 8, 9});
    Set(e.inverted, {2, 8, 10});
    e.release = Triple(6);
    for (BYTE k = 0; k < 6; ++k)
        e.inputs[k] = Triple(static_cast<BYTE>(64 + 2 * k));
    EXPECT_EQ(Hex(Read(&CParaDaten::GetLogikfunc)), Hex(e));
}

TEST_F(RecordLayoutTest, Comparison)
{
    Lay(9);
    VergleichParam e;
    e.onDifference = 0xA5;
    e.offDifference = 1;
    Set(e.above, {1, 8, 9});
    Set(e.below, {2, 8, 10});
    e.release = Triple(6);
    e.valueA = Source(8);
    e.valueB = Source(10);
    e.unit = 12;
    EXPECT_EQ(Hex(Read(&CParaDaten::GetVergleich)), Hex(e));
}

TEST_F(RecordLayoutTest, FunctionControl)
{
    Lay(20, {{3, 0x83}});
    FuncKontrolleParam e;
    e.errorDelay = 0xA5;
    e.differenceLimit = 1;
    Set(e.valueError, {1, 8, 9});
    e.keepError = 1;  // byte 3 bit 7
    Set(e.differenceError, {2, 8, 10});
    e.differenceRelease = Triple(6);
    e.valueA = Source(8);
    e.valueB = Source(10);
    EXPECT_EQ(Hex(Read(&CParaDaten::GetFuncKontrolle)), Hex(e));
}

TEST_F(RecordLayoutTest, TimerFunction)
{
    Lay(14, {{1, 0x2E}});
    TimerParam e;
    e.time = 0xA5;
    e.edgeWord = 2;   // byte 1 bits 0..1
    e.retrigger = 1;  // byte 1 bit 2
    e.modeWord = 5;   // byte 1 bits 3..7
    Set(e.output, {1, 8, 9});
    Set(e.inverted, {2, 8, 10});
    e.release = Triple(6);
    e.trigger = Triple(8);
    e.offTime = 10;
    e.duty = Source(11);
    EXPECT_EQ(Hex(Read(&CParaDaten::GetTimer)), Hex(e));
}

TEST_F(RecordLayoutTest, Counter)
{
    // Pair A of the position copies agrees, pair B does not.
    Lay(17, {{88, 80}, {89, 81}, {90, 82}});
    ZaehlerParam e;
    e.inputCount = 0xA5;
    e.mode = 1;
    e.release = Triple(2);
    e.reset = Triple(4);
    e.divisor = 6;
    for (BYTE k = 0; k < 6; ++k)
        e.inputs[k] = Triple(static_cast<BYTE>(64 + 2 * k));
    e.minutes = 80;
    e.position = 0x5251;
    EXPECT_EQ(Hex(Read(&CParaDaten::GetZaehler)), Hex(e));
}

TEST_F(RecordLayoutTest, TimeSwitch)
{
    Lay(15);
    SchaltuhrParam e;
    e.windowsPerProgram = 5;  // A5: bits 0..3
    e.programsInUse = 2;      // bits 4..6
    e.windowSetpoints = 1;    // bit 7
    Set(e.outputs, {0, 9});
    e.release = Triple(3);
    e.nominalValue = 5;
    e.blocking = Triple(6);
    e.blockMinTime = 8;
    e.blockMinDays = 9;
    e.blockTime = 10;
    e.blockDays = 11;
    const std::initializer_list<int> days[5] = {{6}, {1, 3, 6}, {2, 4, 6}, {1, 2, 3, 4, 6}, {3, 5, 6}};
    for (int j = 0; j < 5; ++j) {
        Set(e.programs[j].days, days[j]);
        for (int w = 0; w < 3; ++w) {
            const BYTE at = static_cast<BYTE>(65 + 10 * j + 3 * w);
            e.programs[j].windows[w] = {at, static_cast<BYTE>(at + 1), static_cast<BYTE>(at + 2)};
        }
    }
    EXPECT_EQ(Hex(Read(&CParaDaten::GetSchaltuhr)), Hex(e));
}

TEST_F(RecordLayoutTest, Synchronisation)
{
    Lay(21);
    SyncParam e;
    e.windowCount = 5;  // A5: bits 0..2
    e.once = 0;         // bit 3
    e.mode = 10;        // bits 4..7
    Set(e.outputs, {0, 9});
    e.release = Triple(3);
    for (BYTE i = 0; i < 5; ++i) {
        const BYTE at = static_cast<BYTE>(64 + 4 * i);
        e.windows[i] = {at, static_cast<BYTE>(at + 1), static_cast<BYTE>(at + 2), static_cast<BYTE>(at + 3)};
    }
    EXPECT_EQ(Hex(Read(&CParaDaten::GetSync)), Hex(e));
}

TEST_F(RecordLayoutTest, ProfileFunction)
{
    Lay(22, {{1, 0x83}});
    ProfilfuncParam e;
    e.stepCount = 0xA5;
    e.unit = 3;    // byte 1 bits 0..6
    e.repeat = 1;  // byte 1 bit 7
    Set(e.outputs, {1, 8, 9});
    e.release = Triple(4);
    e.start = Triple(6);
    e.stop = Triple(8);
    e.clock = Triple(10);
    e.reset = Triple(12);
    e.offValue = Source(14);
    for (BYTE s = 0; s < 64; ++s)
        e.steps[s] = static_cast<BYTE>(64 + s);
    EXPECT_EQ(Hex(Read(&CParaDaten::GetProfilfunc)), Hex(e));
}

TEST_F(RecordLayoutTest, MaintenanceFunction)
{
    Lay(13);
    WartungsfuncParam e;
    e.circuitCount = 0xA5;
    e.runTime = 1;
    e.burnerPower = 2;
    Set(e.burnerDemand, {0, 1, 10});
    Set(e.powerOutputs, {0, 2});
    e.externalSwitch = Triple(6);
    for (BYTE k = 0; k < 5; ++k)
        e.circuits[k] = static_cast<BYTE>(64 + k);
    EXPECT_EQ(Hex(Read(&CParaDaten::GetWartungsfunc)), Hex(e));
}
