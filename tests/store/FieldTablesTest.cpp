// The field tables against the record layouts and against the repairs that read them: every named field inside its
// record, rows that do not overlap, replacements and value-list codes inside their ranges, scale order across the
// wrap of signed bytes, and every table-repaired field actually repaired by its record's check.
#include "store/AnalogfuncParam.h"
#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/CParaCheck.h"
#include "store/FuncKontrolleParam.h"
#include "store/HzkrRegParam.h"
#include "store/KesselkaskadeParam.h"
#include "store/KuehlfuncParam.h"
#include "store/LadepumpeParam.h"
#include "store/LoggingListen.h"
#include "store/LogikfuncParam.h"
#include "store/MeldungParam.h"
#include "store/MischerRegParam.h"
#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "store/PID_RegelungParam.h"
#include "store/PlantFields.h"
#include "store/ProfilfuncParam.h"
#include "store/RecordCodec.h"
#include "store/SchaltuhrParam.h"
#include "store/Sendebedingungen.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WMZParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"
#include "store/Zeitprogramm.h"
#include "store/ZirkulationParam.h"

#include "platform/CLocale.h"
#include "resources/ValueLists.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using record::FieldInfo;
using record::Scale;

struct Table {
    const char* record;
    std::span<const FieldInfo> rows;
    unsigned size;                          // sizeof the record
    std::function<void(BYTE*)> check;       // the record's repair; empty for a record repaired elsewhere
};

template <class Record>
Table Of(const char* name, std::span<const FieldInfo> rows, void (CParaCheck::*check)(Record&, BYTE))
{
    return {name, rows, sizeof(Record), [check](BYTE* bytes) {
                CParaCheck checker;
                (checker.*check)(*reinterpret_cast<Record*>(bytes), 0);
            }};
}

template <class Record>
Table OfFile(const char* name, std::span<const FieldInfo> rows, void (CParaCheck::*check)(int, Record&, BYTE))
{
    return {name, rows, sizeof(Record), [check](BYTE* bytes) {
                CParaCheck checker;
                (checker.*check)(2, *reinterpret_cast<Record*>(bytes), 0);
            }};
}

template <class Record>
Table OfPlain(const char* name, std::span<const FieldInfo> rows, std::function<void(Record&)> check = {})
{
    Table t {name, rows, sizeof(Record), {}};
    if (check)
        t.check = [check](BYTE* bytes) { check(*reinterpret_cast<Record*>(bytes)); };
    return t;
}

std::vector<Table> AllTables()
{
    return {
        Of<HzkrRegParam>("HzkrRegParam", record::kHzkrRegFields, &CParaCheck::CheckHzkrReg),
        Of<AnfHeizungParam>("AnfHeizungParam", record::kAnfHeizungFields, &CParaCheck::CheckAnfHeizung),
        Of<AnfWarmwasserParam>("AnfWarmwasserParam", record::kAnfWarmwasserFields, &CParaCheck::CheckAnfWarmwasser),
        Of<LadepumpeParam>("LadepumpeParam", record::kLadepumpeFields, &CParaCheck::CheckLadepumpe),
        Of<ZirkulationParam>("ZirkulationParam", record::kZirkulationFields, &CParaCheck::CheckZirkulation),
        Of<SolarregelungParam>("SolarregelungParam", record::kSolarregelungFields, &CParaCheck::CheckSolarregelung),
        OfFile<SolarvorrangParam>("SolarvorrangParam", record::kSolarvorrangFields, &CParaCheck::CheckSolarvorrang),
        Of<PID_RegelungParam>("PID_RegelungParam", record::kPidRegelungFields, &CParaCheck::CheckPidRegelung),
        Of<WMZParam>("WMZParam", record::kWmzFields, &CParaCheck::CheckWmz),
        OfFile<StartfuncParam>("StartfuncParam", record::kStartfuncFields, &CParaCheck::CheckStartfunc),
        Of<KuehlfuncParam>("KuehlfuncParam", record::kKuehlfuncFields, &CParaCheck::CheckKuehlfunc),
        Of<MischerRegParam>("MischerRegParam", record::kMischerRegFields, &CParaCheck::CheckMischerReg),
        OfFile<KesselkaskadeParam>("KesselkaskadeParam", record::kKesselkaskadeFields,
                                   &CParaCheck::CheckKesselkaskade),
        Of<AnalogfuncParam>("AnalogfuncParam", record::kAnalogfuncFields, &CParaCheck::CheckAnalogfunc),
        Of<LogikfuncParam>("LogikfuncParam", record::kLogikfuncFields, &CParaCheck::CheckLogikfunc),
        Of<VergleichParam>("VergleichParam", record::kVergleichFields, &CParaCheck::CheckVergleich),
        Of<FuncKontrolleParam>("FuncKontrolleParam", record::kFuncKontrolleFields, &CParaCheck::CheckFuncKontrolle),
        Of<TimerParam>("TimerParam", record::kTimerFields, &CParaCheck::CheckTimer),
        Of<ZaehlerParam>("ZaehlerParam", record::kZaehlerFields, &CParaCheck::CheckZaehler),
        Of<SchaltuhrParam>("SchaltuhrParam", record::kSchaltuhrFields, &CParaCheck::CheckSchaltuhr),
        Of<SyncParam>("SyncParam", record::kSyncFields, &CParaCheck::CheckSync),
        Of<ProfilfuncParam>("ProfilfuncParam", record::kProfilFields, &CParaCheck::CheckProfil),
        OfFile<WartungsfuncParam>("WartungsfuncParam", record::kWartungsfuncFields, &CParaCheck::CheckWartungsfunc),
        Of<MeldungParam>("MeldungParam", record::kMeldungFields, &CParaCheck::CheckMeldung),
        OfPlain<EingangParam>("EingangParam", record::kEingangFields),
        OfPlain<AusgangParam>("AusgangParam", record::kAusgangFields),
        OfPlain<AntiblockierschutzParam>("AntiblockierschutzParam", record::kAntiblockierschutzFields,
                                         [](AntiblockierschutzParam& r) { CParaCheck().CheckAntiblockierschutz(r); }),
        OfPlain<ReglerEinstellungen>("ReglerEinstellungen", record::kReglerFields,
                                     [](ReglerEinstellungen& r) { CParaCheck().CheckRegler(r); }),
        OfPlain<PotentiostatParam>("PotentiostatParam", record::kPotentiostatFields),
        OfPlain<NetzwerkParam>("NetzwerkParam", record::kNetzwerkFields,
                               [](NetzwerkParam& r) { CParaCheck().CheckNetzKnoten(r); }),
        OfPlain<Sendebedingungen>("Sendebedingungen", record::kSendebedingungenFields,
                                  [](Sendebedingungen& r) { CParaCheck().CheckNetzZeiten(r); }),
        OfPlain<NetzEingang>("NetzEingang", record::kNetzEingangFields),
        OfPlain<LoggingListen>("LoggingListen", record::kLoggingFields,
                               [](LoggingListen& r) { CParaCheck().CheckLogging(r); }),
        OfPlain<Zeitfenster>("Zeitfenster", record::kZeitfensterFields),
        OfPlain<Zeitprogramm>("Zeitprogramm", record::kZeitprogrammFields),
    };
}

std::string Where(const Table& t, const FieldInfo& f)
{
    return std::string(t.record) + "::" + f.field.name;
}

// The largest stored value a field of that size can hold, in the order of its scale.
bool Representable(const FieldInfo& f, long stored)
{
    if (f.field.size == 1)
        return stored >= 0 && stored <= 255;
    if (f.field.size == 2)
        return stored >= 0 && stored <= 65535;
    return f.scale == Scale::Signed ? stored >= INT32_MIN && stored <= INT32_MAX : stored >= 0 && stored <= UINT32_MAX;
}

bool ByteScale(Scale s)
{
    return s != Scale::Plain && s != Scale::Signed;
}

TEST(FieldTablesTest, EveryRowNamesAFieldInsideItsRecordAndNoTwoRowsOverlap)
{
    for (const Table& t : AllTables()) {
        SCOPED_TRACE(t.record);
        EXPECT_FALSE(t.rows.empty());
        std::vector<std::string> owner(t.size);
        for (const FieldInfo& f : t.rows) {
            ASSERT_GE(f.count, 1u) << Where(t, f);
            EXPECT_TRUE(f.count == 1 || f.stride >= f.field.size) << Where(t, f) << ": elements overlap";
            const unsigned end = f.field.offset + (f.count - 1) * f.stride + f.field.size;
            ASSERT_LE(end, t.size) << Where(t, f) << " reaches beyond the record";
            EXPECT_TRUE(f.field.size == 1 || f.field.size == 2 || f.field.size == 4) << Where(t, f);
            EXPECT_TRUE(!ByteScale(f.scale) || f.field.size == 1) << Where(t, f) << ": a byte scale on a word";
            for (unsigned e = 0; e < f.count; ++e)
                for (unsigned b = 0; b < f.field.size; ++b) {
                    std::string& o = owner[f.field.offset + e * f.stride + b];
                    EXPECT_TRUE(o.empty()) << Where(t, f) << " overlaps " << o;
                    o = f.field.name;
                }
        }
    }
}

TEST(FieldTablesTest, ReplacementsAndValueListsLieInsideTheRange)
{
    for (const Table& t : AllTables())
        for (const FieldInfo& f : t.rows) {
            const std::string where = Where(t, f);
            EXPECT_TRUE(Representable(f, f.low) && Representable(f, f.high) && Representable(f, f.replacement))
                << where;
            EXPECT_LE(record::ScaleOrder(f, f.low), record::ScaleOrder(f, f.high)) << where << ": empty range";
            EXPECT_TRUE(record::InRange(f, f.replacement)) << where << ": replacement " << f.replacement;
            for (size_t i = 0; i < f.codes.size(); ++i) {
                EXPECT_TRUE(record::InRange(f, f.codes[i])) << where << ": code " << int(f.codes[i]);
                for (size_t j = 0; j < i; ++j)
                    EXPECT_NE(f.codes[i], f.codes[j]) << where << ": code listed twice";
            }
            if (!f.codes.empty() && f.repair == record::Repair::Range) {
                bool listed = false;
                for (BYTE c : f.codes)
                    listed = listed || c == f.replacement;
                EXPECT_TRUE(listed) << where << ": the replacement is no code of the list";
            }
        }
}

// A value just outside the row's range, in the order of its scale; false when every stored value is inside.
bool OutsideValue(const FieldInfo& f, long& value)
{
    for (long v : {f.high + 1, f.low - 1, f.high + 2, 255L, 0L, 128L, 200L}) {
        if (Representable(f, v) && !record::InRange(f, v)) {
            value = v;
            return true;
        }
    }
    return false;
}

TEST(FieldTablesTest, EveryTableRepairedFieldIsRepairedByItsRecordsCheck)
{
    for (const Table& t : AllTables()) {
        if (!t.check)
            continue;
        for (const FieldInfo& f : t.rows) {
            long outside = 0;
            if (f.repair != record::Repair::Range || !OutsideValue(f, outside))
                continue;
            std::vector<BYTE> bytes(t.size, 0);
            for (unsigned e = 0; e < f.count; ++e)
                record::WriteStored(bytes.data(), f, outside, e);
            t.check(bytes.data());
            for (unsigned e = 0; e < f.count; ++e)
                EXPECT_EQ(record::ReadStored(bytes.data(), f, e), f.replacement)
                    << Where(t, f) << " element " << e << " stored " << outside;
        }
    }
}

TEST(FieldTablesTest, RangesCompareInTheOrderOfTheScale)
{
    struct Case {
        Scale scale;
        long low, high, value;
        bool inside;
    };
    const Case cases[] = {
        {Scale::Temperature, 236, 99, 255, true},     // -1 deg C inside -20..99
        {Scale::Temperature, 236, 99, 236, true},     // -20 deg C
        {Scale::Temperature, 236, 99, 235, false},    // -21 deg C
        {Scale::Temperature, 236, 99, 100, false},
        {Scale::Temperature, 0, 45, 201, false},      // -55 deg C below 0
        {Scale::Temperature, 90, 200, 200, true},
        {Scale::Difference, 129, 125, 128, false},    // -90 K below -85 K
        {Scale::Difference, 129, 125, 126, false},    // 80 K above 75 K
        {Scale::Difference, 129, 125, 255, true},     // -0.1 K
        {Scale::Difference, 157, 99, 156, false},     // -10 K outside -9.9..9.9 K
        {Scale::Hysteresis, 5, 115, 130, false},      // unsigned: no wrap
        {Scale::Plain, 1, 62, 0, false},
        {Scale::Plain, 1, 62, 62, true},
    };
    for (const Case& c : cases) {
        const FieldInfo f = record::Ranged({"field", 0, 1}, c.scale, c.low, c.high, c.low);
        EXPECT_EQ(record::InRange(f, c.value), c.inside)
            << int(c.scale) << " " << c.low << ".." << c.high << " value " << c.value;
    }
}

TEST(FieldTablesTest, SignedWordsAndArrayRowsAreReadAndRepairedPerElement)
{
    WMZParam wmz;
    wmz.lowerTemp = -10000;
    const FieldInfo* lower = record::FindField(record::kWmzFields, offsetof(WMZParam, lowerTemp));
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(record::ReadStored(reinterpret_cast<const BYTE*>(&wmz), *lower), -10000);
    EXPECT_FALSE(record::FieldInRange(wmz, record::kWmzFields, &wmz.lowerTemp));
    wmz.lowerTemp = -9999;
    EXPECT_TRUE(record::FieldInRange(wmz, record::kWmzFields, &wmz.lowerTemp));

    Sendebedingungen s;
    s.interval = 5;
    s.blocking = 10;
    for (auto& g : s.analog)
        g = {30, 5, 10};
    s.analog[2].threshold = 251;
    s.analog[3].blocking = 0;
    record::RepairRanges(s, record::kSendebedingungenFields);
    EXPECT_EQ(s.analog[2].threshold, 30);
    EXPECT_EQ(s.analog[3].blocking, 10);
    EXPECT_EQ(s.analog[1].threshold, 30);
    EXPECT_EQ(s.analog[3].interval, 5) << "a neighbour of a repaired element keeps its value";
}

// The number an item of a value list shows, in units of 10^-decimals ("- 9.9" -> -99 with one decimal).
long ShownNumber(CString text, int decimals)
{
    text.Remove(' ');
    double value = std::strtod(text.GetString(), nullptr);
    for (int d = 0; d < decimals; ++d)
        value *= 10;
    return static_cast<long>(value < 0 ? value - 0.5 : value + 0.5);
}

// The lists of the templates are generated beside the resources, below the store; they must show each code as
// the store's scale reads it.
TEST(FieldTablesTest, ValueListsShowEachCodeAsTheStoresScaleReadsIt)
{
    struct Case {
        const char* name;
        resources::ValueList list;
        int decimals;
        long (*shown)(BYTE code);
    };
    const Case cases[] = {
        {"difference", resources::DifferenceList(), 1, [](BYTE c) -> long { return record::DifferenceTenths(c); }},
        {"hysteresis", resources::HysteresisList(1), 1, [](BYTE c) -> long { return record::HysteresisTenths(c); }},
        {"temperature", resources::TemperatureList(), 0, [](BYTE c) -> long { return record::TemperatureCelsius(c); }},
    };
    for (const Case& c : cases)
        for (size_t i = 0; i < c.list.items.size(); ++i)
            EXPECT_EQ(ShownNumber(c.list.items[i], c.decimals), c.shown(static_cast<BYTE>(c.list.codes[i])))
                << c.name << " item " << i << " \"" << c.list.items[i].GetString() << "\"";
    const resources::ValueList times = resources::TimeOfDayList();
    for (size_t i = 0; i < times.items.size(); ++i) {
        const int minutes = record::TimeOfDayMinutes(static_cast<BYTE>(times.codes[i]));
        EXPECT_EQ(times.items[i], platform::FormatC("%02d.%02d", minutes / 60, minutes % 60)) << i;
    }
}

}  // namespace
