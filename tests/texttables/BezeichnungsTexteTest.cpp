// The table of predefined designation texts and the head entries of the function types' lists.
#include "texttables/BezeichnungsTexte.h"

#include "texttables/StandardDesignations.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Every entry that is not a head, by entry number.
const std::map<int, std::string> kItems = {
    {28, "T.Est."}, {29, "T.Amb."}, {30, "T.Aria Viz."}, {31, "T.Aria Alim."}, {33, "T.RT A.C."},
    {34, "T.Sol.-RIT"}, {35, "T.Sol.-MAND"}, {36, "T.Circ.RIT"}, {37, "T.Circ.MD"}, {38, "T.Coll.RT"},
    {39, "T.Coll.MD"}, {40, "T.Circr.RIT"}, {41, "T.Circr.MAND"}, {42, "T.Scamb.SEC"}, {43, "T.Scamb.PRI"},
    {44, "T.Scamb.A.C."}, {46, "T.AcRisc.inf"}, {47, "T.AcRisc.sup"}, {48, "T.Ref.Accum"}, {49, "T.A.C.Acc"},
    {50, "T.A.C.Accum"}, {51, "T.Vasca-RT"}, {52, "T.Vasca-MD"}, {53, "T.Vasca"}, {54, "T.Bol.sup"},
    {55, "T.Bol.interm"}, {56, "T.Bol.inf"}, {57, "T.Bolittore"}, {58, "T.Acc.sup"}, {59, "T.Acc.interm"},
    {60, "T.Acc.inf"}, {61, "T.Accumulo"}, {63, "T.CollTer.RT"}, {64, "T.CollTer.MD"}, {65, "T.Coll.RT"},
    {66, "T.Coll.MD"}, {67, "T.Collettore"}, {68, "T.PompCalRT"}, {69, "T.PompCalMD"}, {70, "T.CalPelletR"},
    {71, "T.CalPelletM"}, {72, "T.CaldLegRT"}, {73, "T.CaldLegMD"}, {74, "T.CaldGasRT"}, {75, "T.CaldGasMD"},
    {76, "T.CldGasolRT"}, {77, "T.CldGasolMD"}, {79, "T.Circ.RIT"}, {80, "T.PompaCal."}, {81, "T.Collter."},
    {82, "Temp.Est."}, {83, "Temp.Amb."}, {84, "T.Piscina"}, {85, "T.Acc.super."}, {86, "T.Acc.interm"},
    {87, "T.Acc.infer."}, {88, "T.Accumulat."}, {89, "T.Acqua Cald"}, {90, "T.Circr.RIT"}, {91, "T.Circr.MAND"},
    {92, "T.Cald.-RIT"}, {93, "T.Cald.-MAND"}, {94, "T.Sol.-RIT"}, {95, "T.Sol.-MAND"}, {96, "T.Collettore"},
    {98, "Irrad.Sol."},
};

}  // namespace

TEST(BezeichnungsTexteTest, EveryEntryHoldsItsTextAndEveryOtherEntryIsAHead)
{
    ASSERT_EQ(g_BezeichnungsTexte.size(), 109u);
    int heads = 0;
    for (int i = 0; i < kBezeichnungsTexteCount; ++i) {
        ASSERT_NE(g_BezeichnungsTexte[i], nullptr) << i;
        const auto item = kItems.find(i);
        const std::string expected = item != kItems.end() ? item->second : "------------";
        EXPECT_EQ(g_BezeichnungsTexte[i], expected) << "entry " << i;
        heads += item == kItems.end();
    }
    EXPECT_EQ(heads, 43);
    EXPECT_STREQ(g_BezeichnungsTexte[98], "Irrad.Sol.");
    for (int copied : {32, 45, 62, 78, 97, 99})
        EXPECT_STREQ(g_BezeichnungsTexte[copied], "------------") << copied;
}

TEST(BezeichnungsTexteTest, ItemIOfAListLiesHEntriesBelowItsHead)
{
    struct List {
        int head;
        std::vector<std::string> firstItems;
    };
    const List lists[] = {
        {texts::kHeadClimateTemperatures, {"T.Aria Alim.", "T.Aria Viz.", "T.Amb.", "T.Est."}},
        {texts::kHeadPerformanceTemperatures, {"T.Scamb.A.C.", "T.Scamb.PRI", "T.Scamb.SEC"}},
        {texts::kHeadConsumerTemperatures, {"T.Accumulo", "T.Acc.inf", "T.Acc.interm"}},
        {texts::kHeadProducerTemperatures, {"T.CldGasolMD", "T.CldGasolRT", "T.CaldGasMD"}},
        {texts::kHeadGeneralTemperatures, {"T.Collettore", "T.Sol.-MAND", "T.Sol.-RIT"}},
        {texts::kHeadSolarRadiation, {"Irrad.Sol."}},
    };
    for (const List& list : lists) {
        for (size_t i = 1; i <= list.firstItems.size(); ++i)
            EXPECT_EQ(g_BezeichnungsTexte[list.head - i], list.firstItems[i - 1]) << list.head << " item " << i;
    }
}

TEST(BezeichnungsTexteTest, FunctionKindsHeadTheirListsInReverseAlphabeticalOrder)
{
    const char* const byHead[] = {"Zirkulation", "Zähler", "Wartungsfunktion", "Wärmemengenzähler", "Vergleich",
        "Timerfunktion", "Synchronisation", "Startfunktion", "Solarvorrang", "Solarregelung", "Schaltuhr",
        "Profilfunktion", "PID-Regelung", "Mischerregelfunktion", "Logikfunktion", "Ladepumpe", "Kühlfunktion",
        "Kesselkaskade", "Heizkreisregler", "Funktionskontrolle", "Anforderung Warmwasser", "Anforderung Heizung",
        "Analogfunktion"};
    ASSERT_EQ(std::size(byHead), static_cast<size_t>(texts::kFunctionTypeCount)) << "a head for every type";
    for (int head = 0; head < texts::kFunctionTypeCount; ++head) {
        const texts::FunctionTypeInfo* type = texts::FindFunctionType(byHead[head]);
        ASSERT_NE(type, nullptr) << byHead[head];
        EXPECT_EQ(type->headEntry, head) << byHead[head];
    }
}
