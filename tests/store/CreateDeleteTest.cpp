// Creating and deleting functions and messages: slots and numbers, the default records, the names sent to the
// drawing, and the clean-up of participant lists, the function overview and the CAN logging lists.
#include "PlantRecordFixture.h"

#include "link/CSCCmd.h"
#include "store/DrawingReader.h"
#include "store/ImageLayout.h"
#include "store/KesselkaskadeParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "texttables/StandardDesignations.h"

#include <cstring>
#include <map>
#include <sstream>

namespace {

// Pin labels have the id 100 * object id + pin; sources are answered only for the pins listed.
class LabelDrawing : public DrawingReader {
public:
    std::map<std::pair<int, BYTE>, Quelle> sources;

    bool GetPin(BYTE n, int objectId, PinInfo& pin) override
    {
        pin.labelId = 100 * objectId + n;
        return true;
    }
    void GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number) override
    {
        auto it = sources.find({objectId, pin});
        if (it != sources.end()) {
            kind = it->second.kind;
            number = it->second.number;
        }
    }
};

class CreateDeleteTest : public PlantRecordFixture {
protected:
    void SetUp() override
    {
        PlantRecordFixture::SetUp();
        m_channel.Reset();
    }

    // A function of the type with its default record.
    static void AddFunc(BYTE slot, int id, int type, BYTE number, int file = 2)
    {
        CParaDaten para;
        ASSERT_TRUE(para.SetFuncId(file, slot, id));
        ASSERT_TRUE(para.SetFuncEntry(file, slot, FuncEntry{type, 0xFF, number}));
        BYTE record[128];
        std::memset(record, 0xFF, sizeof record);
        CParaDaten::GetDefaultRecord(type, record);
        ASSERT_TRUE(para.WriteBytes(file, 0, layout::FuncRecord(slot), 128, record));
    }
    // "id type number" of a slot.
    static std::string Slot(BYTE slot, int file = 2)
    {
        CParaDaten para;
        int id = 0;
        FuncEntry entry;
        EXPECT_TRUE(para.GetFuncId(file, slot, id));
        EXPECT_TRUE(para.GetFuncEntry(file, slot, entry));
        return std::to_string(id) + " " + std::to_string(entry.type) + " " + std::to_string(entry.number);
    }
    // The lines queued for the drawing tool, with "|" for the field separator.
    static std::string Commands()
    {
        std::string bytes = ReadFile("para/SCCmd.tmp");
        for (char& c : bytes) {
            if (c == '\xA7')
                c = '|';
            if (c == '\r')
                c = ' ';
        }
        return bytes;
    }

    LabelDrawing m_drawing;
    RunContext m_run;  // no export folder: the command file lies in the program directory's "para"
    CSCCmd m_channel{m_run};
};

const std::string kDashes = "- - - - - - - - - - - - - - - -";

}  // namespace

TEST_F(CreateDeleteTest, DeletingMovesTheLaterSlotsDownAndCreatingReusesTheNumber)
{
    AddFunc(1, 101, 4, 0);
    AddFunc(2, 102, 5, 1);
    AddFunc(3, 103, 17, 2);
    const std::vector<BYTE> third = Image(layout::FuncRecord(3), 128);
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    ASSERT_TRUE(para.DeleteFunc(2, 2, &m_channel));
    EXPECT_EQ(Slot(1), "101 4 0");
    EXPECT_EQ(Slot(2), "103 17 2");
    EXPECT_EQ(Hex(Image(layout::FuncRecord(2), 128)), Hex(third));
    EXPECT_EQ(Slot(3), "-1 0 255");
    EXPECT_EQ(Hex(Image(layout::FuncEntry(3), 8)), "00 FF 00 FF FF FF FF FF");
    EXPECT_EQ(Hex(Image(layout::FuncRecord(3), 128)), Hex(std::vector<BYTE>(128, 0xFF)));

    ASSERT_TRUE(para.CreateFunc(2, 104, 5, &m_channel));
    EXPECT_EQ(Slot(3), "104 5 1");
    EXPECT_EQ(Commands(), "setobj|104|Zirkulation$1 \n");
}

TEST_F(CreateDeleteTest, DeletingSlot44)
{
    for (BYTE s = 1; s <= 44; ++s)
        AddFunc(s, 1000 + s, 1 + s % 23, static_cast<BYTE>(44 - s));
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    EXPECT_FALSE(para.CreateFunc(2, 5000, 3, &m_channel)) << "no slot is free";
    ASSERT_TRUE(para.DeleteFunc(2, 44, &m_channel));
    EXPECT_EQ(Slot(43), "1043 21 1");
    EXPECT_EQ(Slot(44), "-1 0 255");
    ASSERT_TRUE(para.CreateFunc(2, 5000, 3, &m_channel));
    EXPECT_EQ(Slot(44), "5000 3 0");
}

// Every slot that holds a function counts for the numbers, wherever it stands; a slot is taken only when it holds
// no function.
TEST_F(CreateDeleteTest, NumbersOfFunctionsAfterAFreeSlotAreNotGivenTwice)
{
    AddFunc(2, 50, 5, 0);
    CParaDaten para;
    ASSERT_TRUE(para.CreateFunc(2, 60, 9, &m_channel));
    EXPECT_EQ(Slot(1), "60 9 1");
    EXPECT_EQ(Slot(2), "50 5 0");

    // A slot whose id was lost but whose entry still holds a function is not overwritten.
    ASSERT_TRUE(para.SetFuncId(2, 1, -1));
    ASSERT_TRUE(para.CreateFunc(2, 70, 11, &m_channel));
    EXPECT_EQ(Slot(1), "-1 9 1");
    EXPECT_EQ(Slot(3), "70 11 2");
}

TEST_F(CreateDeleteTest, CreatingRefusesUnknownTypesAndUnreadableFiles)
{
    CParaDaten para;
    ExpectOnlyRangeChanged(0, 0, [&] {
        EXPECT_FALSE(para.CreateFunc(2, 60, 0, &m_channel));
        EXPECT_FALSE(para.CreateFunc(2, 60, 24, &m_channel));
        EXPECT_FALSE(para.CreateFunc(3, 60, 1, &m_channel));
    });
    EXPECT_EQ(Slot(1), "-1 0 255");
    EXPECT_EQ(Commands(), "");

    BYTE record[128];
    for (int type : {0, 24, -1}) {
        std::memset(record, 0xFF, sizeof record);
        CParaDaten::GetDefaultRecord(type, record);
        EXPECT_EQ(Hex({record, record + 128}), Hex(std::vector<BYTE>(128, 0xFF))) << type;
    }
}

TEST_F(CreateDeleteTest, NewFunctionsAreNamedAfterTheirTypeAndGetTheirDefaults)
{
    const char* const names[] = {
        "Heizkreisregler", "Anforderung Heizung", "Anforderung Warmwasser", "Ladepumpe", "Zirkulation",
        "Solarregelung", "Solarvorrang", "PID-Regelung", "Vergleich", "Logikfunktion", "Analogfunktion",
        "Wärmemengenzähler", "Wartungsfunktion", "Timerfunktion", "Schaltuhr", "Startfunktion", "Zähler",
        "Kühlfunktion", "Mischerregelfunktion", "Funktionskontrolle", "Synchronisation", "Profilfunktion",
        "Kesselkaskade"};
    ASSERT_EQ(std::size(names), static_cast<size_t>(texts::kFunctionTypeCount)) << "a name for every type";
    CParaDaten para;
    std::string expected;
    for (int type = 1; type <= texts::kFunctionTypeCount; ++type) {
        ASSERT_TRUE(para.CreateFunc(2, 300 + type, type, &m_channel));
        const BYTE slot = static_cast<BYTE>(type);
        EXPECT_EQ(Slot(slot), std::to_string(300 + type) + " " + std::to_string(type) + " " + std::to_string(type - 1));
        EXPECT_EQ(Hex(Image(layout::FuncEntry(slot), 4)).substr(2, 9), " FF 00 " + Hex({BYTE(type - 1)}));
        BYTE defaults[128];
        std::memset(defaults, 0xFF, sizeof defaults);
        CParaDaten::GetDefaultRecord(type, defaults);
        EXPECT_NE(Hex({defaults, defaults + 128}), Hex(std::vector<BYTE>(128, 0xFF))) << "type " << type;
        EXPECT_EQ(Hex(Image(layout::FuncRecord(slot), 128)), Hex({defaults, defaults + 128})) << "type " << type;
        expected += "setobj|" + std::to_string(300 + type) + "|" + names[type - 1] + "$" + std::to_string(type - 1) +
                    " \n";
    }
    EXPECT_EQ(Commands(), expected);
}

TEST_F(CreateDeleteTest, DeletingASolarControlClearsItsParticipantEntries)
{
    AddFunc(1, 101, 6, 4);   // the solar control that goes, referred to as 5
    AddFunc(2, 102, 6, 0);   // another one, referred to as 1
    AddFunc(3, 103, 7, 1);
    AddFunc(4, 104, 16, 2);
    AddFunc(5, 105, 7, 3);
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    SolarvorrangParam vorrang;
    ASSERT_TRUE(para.GetSolarvorrang(2, 3, vorrang, false));
    vorrang.participants[0].function = 5;
    vorrang.participants[1].function = 1;
    vorrang.participants[4].function = 5;
    vorrang.participants[4].priority = 3;
    ASSERT_TRUE(para.SetSolarvorrang(2, 3, vorrang));
    StartfuncParam start;
    ASSERT_TRUE(para.GetStartfunc(2, 4, start, false));
    start.solarControls[2] = 5;
    start.solarControls[3] = 1;
    ASSERT_TRUE(para.SetStartfunc(2, 4, start));
    ASSERT_TRUE(para.GetSolarvorrang(2, 5, vorrang, false));
    vorrang.participants[0].function = 1;
    ASSERT_TRUE(para.SetSolarvorrang(2, 5, vorrang));
    const std::vector<BYTE> untouched = Image(layout::FuncRecord(5), 128);
    // The drawing would give the release of both priorities another source: a record that is written back takes
    // it, one that is not keeps its bytes.
    m_drawing.sources[{103, 1}] = {1, 7};
    m_drawing.sources[{105, 1}] = {1, 9};

    ASSERT_TRUE(para.DeleteFunc(2, 1, &m_channel));
    EXPECT_EQ(Commands(), "settext|10304|" + kDashes + " \nsettext|10308|" + kDashes + " \nsettext|10407|" + kDashes +
                              " \n");
    ASSERT_TRUE(para.GetSolarvorrang(2, 2, vorrang, false));
    EXPECT_EQ(vorrang.participants[0].function, 0);
    EXPECT_EQ(vorrang.participants[1].function, 1);
    EXPECT_EQ(vorrang.participants[4].function, 0);
    EXPECT_EQ(vorrang.participants[4].priority, 3);
    EXPECT_EQ(vorrang.release.kind, 1);
    EXPECT_EQ(vorrang.release.number, 7);
    ASSERT_TRUE(para.GetStartfunc(2, 3, start, false));
    EXPECT_EQ(start.solarControls[2], 0);
    EXPECT_EQ(start.solarControls[3], 1);
    EXPECT_EQ(Hex(Image(layout::FuncRecord(4), 128)), Hex(untouched));
}

TEST_F(CreateDeleteTest, DeletingARequestClearsItInEveryBoilerCascade)
{
    AddFunc(1, 201, 3, 0);
    AddFunc(2, 202, 23, 1);
    AddFunc(3, 203, 23, 2);
    AddFunc(4, 204, 4, 7);
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    KesselkaskadeParam k;
    ASSERT_TRUE(para.GetKesselkaskade(2, 2, k, false));
    k.participants[0] = 1;
    k.participants[5] = 1;
    k.participants[1] = 8;  // the charge pump: not a participant kind, never cleared
    ASSERT_TRUE(para.SetKesselkaskade(2, 2, k));
    ASSERT_TRUE(para.GetKesselkaskade(2, 3, k, false));
    k.participants[3] = 1;
    ASSERT_TRUE(para.SetKesselkaskade(2, 3, k));

    ASSERT_TRUE(para.DeleteFunc(2, 1, &m_channel));
    EXPECT_EQ(Commands(), "settext|20216|" + kDashes + " \nsettext|20221|" + kDashes + " \nsettext|20319|" + kDashes +
                              " \n");
    ASSERT_TRUE(para.GetKesselkaskade(2, 1, k, false));
    EXPECT_EQ(Hex({k.participants, k.participants + 6}), "00 08 00 00 00 00");
    ASSERT_TRUE(para.GetKesselkaskade(2, 2, k, false));
    EXPECT_EQ(Hex({k.participants, k.participants + 6}), "00 00 00 00 00 00");

    // The charge pump refers to nothing and is referred to by nothing: no label changes.
    ASSERT_TRUE(para.DeleteFunc(2, 3, &m_channel));
    EXPECT_EQ(Commands().size(), 3 * (16 + kDashes.size()));
    ASSERT_TRUE(para.GetKesselkaskade(2, 1, k, false));
    EXPECT_EQ(k.participants[1], 8);
}

TEST_F(CreateDeleteTest, DeletingRemovesTheFunctionsOverviewGroupsAndLoggingSources)
{
    AddFunc(1, 301, 4, 0);
    AddFunc(2, 302, 4, 5);
    FuncViewEntry view[128];
    const FuncViewEntry list[] = {{6, 3, 0}, {1, 3, 1}, {2, 3, 2}, {6, 5, 0}, {3, 5, 1},
                                  {6, 3, 0}, {8, 3, 4}, {6, 8, 0}, {7, 8, 2}};
    std::copy(std::begin(list), std::end(list), view);
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    ASSERT_TRUE(para.SetFuncView(2, view));
    LoggingListen logging;
    ASSERT_TRUE(para.GetLoggingListen(2, logging));
    logging.sets[0].analog[0] = {3, 1};
    logging.sets[0].analog[15] = {3, 10};
    logging.sets[1].digital[12] = {3, 2};
    logging.sets[1].digital[0] = {8, 1};   // an output of function 5, which stays
    logging.sets[1].analog[3] = {98, 1};
    ASSERT_TRUE(para.SetLoggingListen(2, logging));

    ASSERT_TRUE(para.DeleteFunc(2, 1, &m_channel));
    ASSERT_TRUE(para.GetFuncView(2, view));
    std::ostringstream s;
    for (int i = 0; i < 5; ++i)
        s << int(view[i].kind) << "," << int(view[i].group) << "," << int(view[i].param) << " ";
    EXPECT_EQ(s.str(), "6,5,0 3,5,1 6,8,0 7,8,2 255,255,255 ");
    ASSERT_TRUE(para.GetLoggingListen(2, logging));
    EXPECT_EQ(logging.sets[0].analog[0], (Quelle{0, 0}));
    EXPECT_EQ(logging.sets[0].analog[15], (Quelle{0, 0}));
    EXPECT_EQ(logging.sets[1].digital[12], (Quelle{0, 0}));
    EXPECT_EQ(logging.sets[1].digital[0], (Quelle{8, 1}));
    EXPECT_EQ(logging.sets[1].analog[3], (Quelle{98, 1}));
    EXPECT_EQ(logging.sets[0].analog[1], (Quelle{1, 2})) << "the rest of the default block stays";
}

// A slot without a number has no overview group and no output variables: deleting it must not take group 2 (the
// outputs) or the sources of kind 2 (the outputs) with it.
TEST_F(CreateDeleteTest, ASlotWithoutNumberTakesNothingWithIt)
{
    AddFunc(1, 401, 4, 0xFF);
    FuncViewEntry view[128];
    view[0] = {6, 2, 0};
    view[1] = {1, 2, 3};
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    ASSERT_TRUE(para.SetFuncView(2, view));
    ASSERT_TRUE(para.DeleteFunc(2, 1, &m_channel));
    ASSERT_TRUE(para.GetFuncView(2, view));
    EXPECT_EQ(view[1].param, 3);
    LoggingListen logging;
    ASSERT_TRUE(para.GetLoggingListen(2, logging));
    EXPECT_EQ(logging.sets[0].digital[0], (Quelle{2, 1}));
}

// Deleting in one working file changes nothing in another.
TEST_F(CreateDeleteTest, DeletingTouchesOnlyItsOwnFile)
{
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    ASSERT_TRUE(para.CreateEmptyFile(1));
    AddFunc(1, 501, 4, 0, 1);
    AddFunc(2, 502, 4, 1, 1);
    AddFunc(44, 9, 9, 9, 2);
    ASSERT_TRUE(para.DeleteFunc(1, 1, &m_channel));
    EXPECT_EQ(Slot(1, 1), "502 4 1");
    EXPECT_EQ(Slot(44, 1), "-1 0 255");
    EXPECT_EQ(Slot(44, 2), "9 9 9");
    EXPECT_FALSE(para.DeleteFunc(2, 0, &m_channel));
    EXPECT_FALSE(para.DeleteFunc(2, 45, &m_channel));
    EXPECT_FALSE(para.DeleteFunc(3, 1, &m_channel));
}

TEST_F(CreateDeleteTest, CreatingMessages)
{
    CParaDaten para;
    ASSERT_TRUE(para.SetMeldungNr(2, 1, 0));
    ASSERT_TRUE(para.SetMeldungNr(2, 2, 1));
    ASSERT_TRUE(para.CreateMeldung(2, 600, &m_channel));
    int id = 0;
    ASSERT_TRUE(para.GetMeldungId(2, 3, id));
    EXPECT_EQ(id, 600);
    EXPECT_EQ(para.GetMeldungNr(2, 3), 2);
    EXPECT_EQ(Hex(Image(layout::MeldungRecord(3), 16)), "00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00");

    // Slot 1 free, slot 2 holding number 0: the new message takes slot 1 and the lowest number left.
    ASSERT_TRUE(para.SetMeldungNr(2, 1, 0xFF));
    ASSERT_TRUE(para.SetMeldungNr(2, 2, 0));
    ASSERT_TRUE(para.CreateMeldung(2, 601, &m_channel));
    EXPECT_EQ(para.GetMeldungNr(2, 1), 1);
    EXPECT_EQ(Commands(), "setobj|600|Meldung$2 \nsetobj|601|Meldung$1 \n");

    for (BYTE s = 4; s <= 8; ++s)
        ASSERT_TRUE(para.CreateMeldung(2, 600 + s, &m_channel));
    ExpectOnlyRangeChanged(0, 0, [&] { EXPECT_FALSE(para.CreateMeldung(2, 700, &m_channel)); });
}

TEST_F(CreateDeleteTest, DeletingAMessageClearsItsLoggingSources)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateMeldung(2, 800, &m_channel));
    ASSERT_TRUE(para.CreateMeldung(2, 801, &m_channel));
    MeldungParam m;
    m.type = 2;
    m.index = 3;
    ASSERT_TRUE(para.SetMeldung(2, 2, m));
    LoggingListen logging;
    ASSERT_TRUE(para.GetLoggingListen(2, logging));
    logging.sets[0].digital[0] = {98, 2};
    logging.sets[1].analog[15] = {98, 2};
    logging.sets[1].digital[5] = {98, 1};
    ASSERT_TRUE(para.SetLoggingListen(2, logging));

    ASSERT_TRUE(para.DeleteMeldung(2, 2, &m_channel));
    int id = 0;
    ASSERT_TRUE(para.GetMeldungId(2, 2, id));
    EXPECT_EQ(id, -1);
    EXPECT_EQ(para.GetMeldungNr(2, 2), 255);
    EXPECT_EQ(Hex(Image(layout::MeldungRecord(2), 16)), Hex(std::vector<BYTE>(16, 0)));
    ASSERT_TRUE(para.GetMeldungId(2, 1, id));
    EXPECT_EQ(id, 800);
    EXPECT_EQ(para.GetMeldungNr(2, 1), 0);
    ASSERT_TRUE(para.GetLoggingListen(2, logging));
    EXPECT_EQ(logging.sets[0].digital[0], (Quelle{0, 0}));
    EXPECT_EQ(logging.sets[1].analog[15], (Quelle{0, 0}));
    EXPECT_EQ(logging.sets[1].digital[5], (Quelle{98, 1}));
    EXPECT_FALSE(para.DeleteMeldung(2, 9, &m_channel));
}
