// The function-table entry that the get and set of each record type read and write: type code, designation code
// converted with the type's own number of standard names, function number, and the bytes the entry keeps.
#include "FuncSlotFixture.h"

#include "store/CParaCheck.h"

#include <cstring>

namespace {

class FuncEntryRecordsTest : public FuncSlotFixture {};

struct EntryCase {
    const char* name;
    int type;
    int standardNames;
    // Sets a record with the given designation and number, then reads it back; false when either failed.
    std::function<bool(CParaDaten&, Bezeichnung, BYTE, Bezeichnung&, BYTE&)> roundTrip;
};

template <class Record>
std::function<bool(CParaDaten&, Bezeichnung, BYTE, Bezeichnung&, BYTE&)> Via(
    bool (CParaDaten::*set)(int, BYTE, Record), bool (CParaDaten::*get)(int, BYTE, Record&, bool))
{
    return [=](CParaDaten& para, Bezeichnung designation, BYTE number, Bezeichnung& back, BYTE& backNumber) {
        Record r{};
        r.designation = designation;
        r.number = number;
        Record read{};
        const bool ok = (para.*set)(2, 1, r) && (para.*get)(2, 1, read, false);
        back = read.designation;
        backNumber = read.number;
        return ok;
    };
}

// Repairs a record holding only the designation and gives the designation back.
template <class Record>
std::function<Bezeichnung(Bezeichnung)> Repair(void (*check)(Record&))
{
    return [=](Bezeichnung designation) {
        Record r{};
        r.designation = designation;
        check(r);
        return r.designation;
    };
}

}  // namespace

TEST_F(FuncEntryRecordsTest, EachRepairKnowsItsTypesNumberOfStandardNames)
{
    struct Case {
        const char* name;
        BYTE standardNames;
        std::function<Bezeichnung(Bezeichnung)> repair;
    };
    const Case cases[] = {
        {"Vergleich", 4, Repair<VergleichParam>([](auto& r) { CParaCheck().CheckVergleich(r, 0); })},
        {"Logikfunktion", 4, Repair<LogikfuncParam>([](auto& r) { CParaCheck().CheckLogikfunc(r, 0); })},
        {"Analogfunktion", 6, Repair<AnalogfuncParam>([](auto& r) { CParaCheck().CheckAnalogfunc(r, 0); })},
        {"Wartungsfunktion", 2,
         Repair<WartungsfuncParam>([](auto& r) { CParaCheck().CheckWartungsfunc(2, r, 0); })},
        {"Timerfunktion", 6, Repair<TimerParam>([](auto& r) { CParaCheck().CheckTimer(r, 0); })},
        {"Schaltuhr", 1, Repair<SchaltuhrParam>([](auto& r) { CParaCheck().CheckSchaltuhr(r, 0); })},
        {"Zähler", 8, Repair<ZaehlerParam>([](auto& r) { CParaCheck().CheckZaehler(r, 0); })},
        {"Mischerregelfunktion", 2, Repair<MischerRegParam>([](auto& r) { CParaCheck().CheckMischerReg(r, 0); })},
        {"Funktionskontrolle", 3,
         Repair<FuncKontrolleParam>([](auto& r) { CParaCheck().CheckFuncKontrolle(r, 0); })},
        {"Synchronisation", 3, Repair<SyncParam>([](auto& r) { CParaCheck().CheckSync(r, 0); })},
        {"Profilfunktion", 3, Repair<ProfilfuncParam>([](auto& r) { CParaCheck().CheckProfil(r, 0); })},
        {"Kesselkaskade", 1,
         Repair<KesselkaskadeParam>([](auto& r) { CParaCheck().CheckKesselkaskade(2, r, 0); })},
    };
    for (const Case& c : cases) {
        const BYTE k = c.standardNames;
        const std::pair<Bezeichnung, Bezeichnung> designations[] = {
            {{0, k, 9}, {0, k, 9}},                          // the last standard name
            {{0, static_cast<BYTE>(k + 1), 9}, {0, 0, 0}},   // one past it: none
            {{0, 0, 4}, {0, 0, 0}},                          // none keeps no digit
            {{1, 15, 9}, {1, 15, 9}},                        // the last user-defined name
            {{1, 16, 3}, {1, 0, 0}},                         // one past it
            {{1, 2, 10}, {1, 2, 0}},                         // a digit above 9
        };
        for (const auto& [in, out] : designations) {
            const Bezeichnung repaired = c.repair(in);
            EXPECT_EQ(Hex(repaired), Hex(out)) << c.name << " " << int(in.group) << "/" << int(in.index) << "/"
                                               << int(in.digit);
        }
    }
}

TEST_F(FuncEntryRecordsTest, EachTypeWritesItsCodeAndItsDesignation)
{
    const EntryCase cases[] = {
        {"Vergleich", 9, 4, Via(&CParaDaten::SetVergleich, &CParaDaten::GetVergleich)},
        {"Logikfunktion", 10, 4, Via(&CParaDaten::SetLogikfunc, &CParaDaten::GetLogikfunc)},
        {"Analogfunktion", 11, 6, Via(&CParaDaten::SetAnalogfunc, &CParaDaten::GetAnalogfunc)},
        {"Wartungsfunktion", 13, 2, Via(&CParaDaten::SetWartungsfunc, &CParaDaten::GetWartungsfunc)},
        {"Timerfunktion", 14, 6, Via(&CParaDaten::SetTimer, &CParaDaten::GetTimer)},
        {"Schaltuhr", 15, 1, Via(&CParaDaten::SetSchaltuhr, &CParaDaten::GetSchaltuhr)},
        {"Zähler", 17, 8, Via(&CParaDaten::SetZaehler, &CParaDaten::GetZaehler)},
        {"Mischerregelfunktion", 19, 2, Via(&CParaDaten::SetMischerReg, &CParaDaten::GetMischerReg)},
        {"Funktionskontrolle", 20, 3, Via(&CParaDaten::SetFuncKontrolle, &CParaDaten::GetFuncKontrolle)},
        {"Synchronisation", 21, 3, Via(&CParaDaten::SetSync, &CParaDaten::GetSync)},
        {"Profilfunktion", 22, 3, Via(&CParaDaten::SetProfilfunc, &CParaDaten::GetProfilfunc)},
        {"Kesselkaskade", 23, 1, Via(&CParaDaten::SetKesselkaskade, &CParaDaten::GetKesselkaskade)},
    };
    struct Designation {
        Bezeichnung value;
        int (*code)(int k);  // the stored code for a type with k standard names
    };
    const Designation designations[] = {
        {{0, 1, 3}, [](int) { return 4; }},                          // standard name 1, digit 3
        {{1, 2, 5}, [](int k) { return 10 * (k + 2) + 5 + 1; }},     // user-defined name 2, digit 5
        {{0, 0, 0}, [](int k) { return 10 * k + 161; }},             // none
    };
    for (const EntryCase& c : cases) {
        for (const Designation& d : designations) {
            CParaDaten para;
            const BYTE before[8] = {0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7};
            SlotBytes record;
            record.fill(0xFF);
            ASSERT_TRUE(para.WriteFuncRaw(2, 1, before, record.data()));
            Bezeichnung back;
            BYTE number = 0;
            ASSERT_TRUE(c.roundTrip(para, d.value, 17, back, number)) << c.name;
            BYTE entry[8];
            ASSERT_TRUE(para.ReadFuncRaw(2, 1, entry, record.data()));
            const BYTE expected[8] = {static_cast<BYTE>(c.type), static_cast<BYTE>(d.code(c.standardNames)), 0x00,
                                      17, 0xE4, 0xE5, 0xE6, 0xE7};
            EXPECT_EQ(Hex(entry, 8), Hex(expected, 8)) << c.name;
            EXPECT_EQ(Hex(back), Hex(d.value)) << c.name;
            EXPECT_EQ(number, 17) << c.name;
        }
    }
}

TEST_F(FuncEntryRecordsTest, ReadsDoNotLookAtTheTypeCode)
{
    // A slot whose entry names another type is decoded as the type asked for; callers choose the operation by type.
    MakeSlot(1, 5, 6, 2, CParaDaten::GetDefaultVergleich);
    CParaDaten para;
    VergleichParam r;
    ASSERT_TRUE(para.GetVergleich(2, 1, r, false));
    EXPECT_EQ(r.onDifference, 50);
    EXPECT_EQ(r.number, 2);
}
