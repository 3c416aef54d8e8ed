// The list editors in the real program: "open" a small drawing with three functions and two messages, then run
// "funcorder", "msgorder", "funcview" and "canlogging", act through wnddrive as a person would (dragging rows,
// picking tree items, pressing buttons and keys) and compare the committed parameter file with what the forms
// must make of it.
#include "ChildProcess.h"
#include "ProgramRun.h"

#include "platform/TextFile.h"
#include "resources/ResourceIds.h"
#include "store/CParaDaten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

using testsupport::ChildProcess;
using testsupport::ProgramHome;

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;
constexpr int kFile = CParaDaten::kWorkFile;

struct Step {
    Step(std::string a, int code = 0, std::string out = {}) : args(std::move(a)), exitCode(code), expected(std::move(out)) {}
    std::string args;
    int exitCode;
    std::string expected;
};

// What moves with a function slot.
struct FuncSlot {
    int id = 0;
    std::array<BYTE, 8> entry {};
    std::array<BYTE, 128> record {};
    bool operator==(const FuncSlot&) const = default;
};
struct MsgSlot {
    int id = 0;
    BYTE number = 0;
    std::array<BYTE, 16> record {};
    bool operator==(const MsgSlot&) const = default;
};

class ListEditorsRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> argv = {VORNA_STANDIN, "--record", m_home.Path("record.txt")};
        ASSERT_TRUE(m_standin.Start(argv));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        std::string drawing;
        ASSERT_TRUE(platform::ReadWholeFile(PLANTFORMS_DATA "/lists.xml", drawing));
        m_home.WriteFile("VORNA.xml", drawing);
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
        ASSERT_EQ(m_home.RunCommand(Command("open")).exitCode, 0);
        // Messages of two types in slots 1 and 2.
        ASSERT_TRUE(Edit([](CParaDaten& para) {
            for (BYTE slot = 1; slot <= 2; ++slot) {
                MeldungParam message;
                ASSERT_TRUE(para.GetMeldung(kFile, slot, message, false));
                message.type = slot;
                message.group = 0;
                message.index = 1;
                message.digit = slot == 2 ? 4 : 0;
                ASSERT_TRUE(para.SetMeldung(kFile, slot, message));
            }
        }));
    }
    void TearDown() override
    {
        m_standin.Kill(SIGTERM);
        m_standin.Wait();
    }
    // A drawing of `count` logic functions (ids 1000, 1010, ...), evaluated into a new set.
    void UseManyFunctions(int count)
    {
        std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n";
        for (int i = 0; i < count; ++i) {
            const int id = 1000 + 10 * i;
            xml += "<object><type>rectangle</type><id>" + std::to_string(id) +
                   "</id><name>Logikfunktion$0</name><groupobject><type>text</type><id>" + std::to_string(id + 1) +
                   "</id><name>Bezeichnung</name><string>LOGIC</string></groupobject></object>\n";
        }
        m_home.WriteFile("VORNA.xml", xml + "</output>\n");
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
        ASSERT_EQ(m_home.RunCommand(Command("open")).exitCode, 0);
    }
    std::vector<int> FunctionIds(int count) const
    {
        std::vector<int> ids(static_cast<size_t>(count));
        EXPECT_TRUE(Read([&](CParaDaten& para) {
            for (int s = 1; s <= count; ++s)
                EXPECT_TRUE(para.GetFuncId(kFile, static_cast<BYTE>(s), ids[static_cast<size_t>(s - 1)]));
        }));
        return ids;
    }
    Keys Command(const char* command) const
    {
        return {{"-cmd", command}, {"-engpath", m_home.Path("plant.evl")}, {"-xmlpath", m_home.Path("VORNA.xml")}};
    }
    bool Edit(const std::function<void(CParaDaten&)>& use) const
    {
        return testsupport::WithParameterFile(m_home, "para/para.par", true, use);
    }
    bool Read(const std::function<void(CParaDaten&)>& use) const
    {
        return testsupport::WithParameterFile(m_home, "para/para.par", false, use);
    }
    std::vector<FuncSlot> Functions() const
    {
        std::vector<FuncSlot> slots(3);
        EXPECT_TRUE(Read([&](CParaDaten& para) {
            for (BYTE s = 1; s <= 3; ++s) {
                EXPECT_TRUE(para.GetFuncId(kFile, s, slots[s - 1].id));
                EXPECT_TRUE(para.ReadFuncRaw(kFile, s, slots[s - 1].entry.data(), slots[s - 1].record.data()));
            }
        }));
        return slots;
    }
    std::vector<MsgSlot> Messages() const
    {
        std::vector<MsgSlot> slots(8);
        EXPECT_TRUE(Read([&](CParaDaten& para) {
            for (BYTE s = 1; s <= 8; ++s) {
                EXPECT_TRUE(para.GetMeldungId(kFile, s, slots[s - 1].id));
                slots[s - 1].number = para.GetMeldungNr(kFile, s);
                EXPECT_TRUE(para.ReadMeldungRaw(kFile, s, slots[s - 1].record.data()));
            }
        }));
        return slots;
    }
    LoggingListen Logging() const
    {
        LoggingListen logging;
        EXPECT_TRUE(Read([&](CParaDaten& para) { EXPECT_TRUE(para.GetLoggingListen(kFile, logging)); }));
        return logging;
    }
    // Runs the command, and the steps against its frame; each step's status and output is checked.
    testsupport::ProgramResult Run(const char* command, const std::vector<Step>& steps)
    {
        testsupport::ProgramResult result = m_home.RunWindowCommand(Command(command), [&] {
            for (const Step& step : steps) {
                const testsupport::ShellRun run =
                    testsupport::RunShellLine(std::string(WNDDRIVE) + " " + step.args + " 2>&1");
                const std::string& out = run.out;
                EXPECT_EQ(run.exitCode, step.exitCode) << step.args << ": " << out;
                if (!step.expected.empty()) {
                    EXPECT_EQ(out, step.expected) << step.args;
                }
            }
        });
        EXPECT_EQ(result.exitCode, 0);
        return result;
    }

    ProgramHome m_home;
    ChildProcess m_standin;
};

const std::string kSave = "command " + std::to_string(ID_SAVE_AND_CLOSE);
const std::string kTerminate = "command " + std::to_string(ID_TERMINATE);
std::string Show(UINT id)
{
    return "command " + std::to_string(id);
}

TEST_F(ListEditorsRunTest, FunctionsMoveWithTheirIdsEntriesAndRecords)
{
    const std::vector<FuncSlot> before = Functions();
    Run("funcorder", {{Show(ID_SHOW_FUNCORDER)},
                      {"drag 1154 2 0"},    // the third function first
                      {"drag 1154 1 7", 1},  // no such row
                      {kSave}});
    const std::vector<FuncSlot> after = Functions();
    EXPECT_EQ(after[0], before[2]);
    EXPECT_EQ(after[1], before[0]);
    EXPECT_EQ(after[2], before[1]);
}

TEST_F(ListEditorsRunTest, AKeyDuringTheDragOrADropBesideTheListMovesNothing)
{
    const std::vector<FuncSlot> before = Functions();
    Run("funcorder", {{Show(ID_SHOW_FUNCORDER)},
                      {"drag 1154 0 2 ESC"},
                      {"drag 1154 0 -1"},
                      {"drag 1154 1 1"},  // onto itself
                      {kSave}});
    EXPECT_EQ(Functions(), before);
}

TEST_F(ListEditorsRunTest, HeldAtTheEdgeTheListScrollsToTheRowOutOfView)
{
    // More functions than the list shows: the last row is grabbed (scrolled to), then held at the top visible row
    // while the list scrolls up a row every 300 ms until the first row is under the pointer; and back down.
    constexpr int kCount = 34;
    UseManyFunctions(kCount);
    std::vector<int> expected = FunctionIds(kCount);
    ASSERT_EQ(expected[kCount - 1], 1000 + 10 * (kCount - 1));
    Run("funcorder", {{Show(ID_SHOW_FUNCORDER)}, {"drag 1154 33 0"}, {"drag 1154 1 33"}, {kSave}});
    std::rotate(expected.begin(), expected.end() - 1, expected.end());
    std::rotate(expected.begin() + 1, expected.begin() + 2, expected.end());
    EXPECT_EQ(FunctionIds(kCount), expected);
}

TEST_F(ListEditorsRunTest, MessagesMoveAndTheLoggingReferencesFollowThem)
{
    ASSERT_TRUE(Edit([](CParaDaten& para) {
        LoggingListen logging;
        ASSERT_TRUE(para.GetLoggingListen(kFile, logging));
        logging.sets[0].analog[0] = {98, 1};
        logging.sets[0].digital[12] = {98, 2};
        logging.sets[1].analog[5] = {98, 3};
        logging.sets[1].digital[0] = {98, 9};  // names no message slot
        logging.sets[1].digital[1] = {1, 1};
        ASSERT_TRUE(para.SetLoggingListen(kFile, logging));
    }));
    const std::vector<MsgSlot> before = Messages();
    Run("msgorder", {{Show(ID_SHOW_MSGORDER)},
                     {"items 1172", 0,
                      "ERRORE - <Circolatione>\t1\nAVVISO - <Circolatione4>\t2\ninutilliz.\t3\ninutilliz.\t4\n"
                      "inutilliz.\t5\ninutilliz.\t6\ninutilliz.\t7\ninutilliz.\t8\n"},
                     {"drag 1172 0 2"},  // order 2, 3, 1
                     {kSave}});
    const std::vector<MsgSlot> after = Messages();
    EXPECT_EQ(after[2], before[0]);
    EXPECT_EQ(after[0], before[1]);
    EXPECT_EQ(after[1], before[2]);
    const LoggingListen logging = Logging();
    EXPECT_EQ(logging.sets[0].analog[0], (Quelle {98, 3}));
    EXPECT_EQ(logging.sets[0].digital[12], (Quelle {98, 1}));
    EXPECT_EQ(logging.sets[1].analog[5], (Quelle {98, 2}));
    EXPECT_EQ(logging.sets[1].digital[0], (Quelle {98, 9}));
    EXPECT_EQ(logging.sets[1].digital[1], (Quelle {1, 1}));
}

TEST_F(ListEditorsRunTest, TheOverviewStopsAtItsLimitWithItsMessage)
{
    // 127 entries: a header of the inputs and 126 values of input 1.
    ASSERT_TRUE(Edit([](CParaDaten& para) {
        FuncViewEntry entries[128];
        entries[0] = {FuncViewEntry::kGruppe, 1, 0};
        for (int i = 1; i < 127; ++i)
            entries[i] = {FuncViewEntry::kUserA, 1, 1};
        ASSERT_TRUE(para.SetFuncView(kFile, entries));
    }));
    const testsupport::ProgramResult result = Run("funcview", {{Show(ID_SHOW_FUNCVIEW)},
                     {"pick-tree 1145 'Uscita/2: ------------'", 0},
                     {"answer OK"},
                     {"click 1150"},  // a new group needs two entries: refused
                     {"pick-tree 1145 'Entrata/3: ------------'", 0},
                     {"click 1153"},  // level C
                     {"click 1150"},  // the inputs' run goes on: one entry
                     {kSave}});
    EXPECT_EQ(result.boxes, (std::vector<std::string> {testsupport::BoxLine(messages::kFuncViewFull)}));
    FuncViewEntry stored[128];
    ASSERT_TRUE(Read([&](CParaDaten& para) { EXPECT_TRUE(para.GetFuncView(kFile, stored)); }));
    EXPECT_EQ(stored[126].param, 1);
    EXPECT_EQ(stored[127].kind, FuncViewEntry::kUserC);
    EXPECT_EQ(stored[127].group, 1);
    EXPECT_EQ(stored[127].param, 3);
}

TEST_F(ListEditorsRunTest, AFullStoredOverviewLoadsWholeAndIsSavedAsItWas)
{
    // 128 stored entries that begin with a value of the general group (it belongs to group 0 without a header):
    // loading puts a header in front and refuses nothing; saving gives back the stored list.
    FuncViewEntry entries[128];
    entries[0] = {FuncViewEntry::kUserB, 0, 1};
    entries[1] = {FuncViewEntry::kGruppe, 2, 0};
    for (int i = 2; i < 128; ++i)
        entries[i] = {FuncViewEntry::kTechniker, 2, static_cast<BYTE>(i % 16 + 1)};
    ASSERT_TRUE(Edit([&](CParaDaten& para) { ASSERT_TRUE(para.SetFuncView(kFile, entries)); }));
    FuncViewEntry before[128];
    ASSERT_TRUE(Read([&](CParaDaten& para) { ASSERT_TRUE(para.GetFuncView(kFile, before)); }));
    const testsupport::ProgramResult result = Run("funcview", {{Show(ID_SHOW_FUNCVIEW)}, {kSave}});
    EXPECT_TRUE(result.boxes.empty());
    FuncViewEntry after[128];
    ASSERT_TRUE(Read([&](CParaDaten& para) { ASSERT_TRUE(para.GetFuncView(kFile, after)); }));
    for (int i = 0; i < 128; ++i) {
        EXPECT_EQ(after[i].kind, before[i].kind) << i;
        EXPECT_EQ(after[i].group, before[i].group) << i;
        EXPECT_EQ(after[i].param, before[i].param) << i;
    }
}

TEST_F(ListEditorsRunTest, TheOverviewsKeysAndButtonsKeepItsRunsHeaded)
{
    ASSERT_TRUE(Edit([](CParaDaten& para) {
        FuncViewEntry entries[128];
        entries[0] = {FuncViewEntry::kGruppe, 1, 0};
        entries[1] = {FuncViewEntry::kUserA, 1, 1};
        entries[2] = {FuncViewEntry::kUserA, 1, 2};
        ASSERT_TRUE(para.SetFuncView(kFile, entries));
    }));
    Run("funcview", {{Show(ID_SHOW_FUNCVIEW)},
                     {"pick-tree 1146 'Entrata/2: ------------'"},
                     {"key 1146 CTRL+E"},                            // the expert level
                     {"pick-tree 1145 'Uscita/5: ------------'"},
                     {"click 1150"},                                 // inside the inputs' run: split
                     {"pick-tree 1146 Entrata"},
                     {"key 1146 DELETE"},                            // the first header with its run
                     {kSave}});
    FuncViewEntry stored[128];
    ASSERT_TRUE(Read([&](CParaDaten& para) { EXPECT_TRUE(para.GetFuncView(kFile, stored)); }));
    const FuncViewEntry expected[] = {
        {FuncViewEntry::kGruppe, 2, 0}, {FuncViewEntry::kUserA, 2, 5}, {FuncViewEntry::kGruppe, 1, 0},
        {FuncViewEntry::kExperte, 1, 2}, {FuncViewEntry::kEnde, 0xFF, 0xFF}};
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(stored[i].kind, expected[i].kind) << i;
        EXPECT_EQ(stored[i].group, expected[i].group) << i;
        EXPECT_EQ(stored[i].param, expected[i].param) << i;
    }
}

TEST_F(ListEditorsRunTest, LoggingTakesSourcesFromTheTree)
{
    const testsupport::ProgramResult result = Run("canlogging", {{Show(ID_SHOW_CANLOGGING)},
                       {"pick-tree 1774 Uscita"},
                       {"click 1150"},  // a group is no value
                       {"pick 1775 16"},
                       {"pick-tree 1774 'Rete/17: ANALOG 1'"},
                       {"click 1150"},
                       {"pick 1775 3"},
                       {"pick-tree 1774 'Uscita/4: ------------'"},
                       {"key 1774 CTRL+RIGHT"},
                       {"pick 1775 0"},
                       {"key 1775 DELETE"},
                       {"get 1775", 0, "ANALOG 2:\tEntrata 2 - ------------\n"},  // the mark moved on
                       {"pick 1772 1"},
                       {"click 1151"},  // record 2 emptied, then its defaults
                       {"click 1153"},
                       {kSave}});
    EXPECT_EQ(result.boxes, (std::vector<std::string> {testsupport::BoxLine(messages::kCanLogNoValue)}));
    const LoggingListen logging = Logging();
    EXPECT_EQ(logging.masterNode, 62);
    EXPECT_EQ(logging.timeout, 60);
    EXPECT_EQ(logging.sets[0].digital[0], (Quelle {99, 17}));
    EXPECT_EQ(logging.sets[0].analog[3], (Quelle {2, 4}));
    EXPECT_EQ(logging.sets[0].analog[0], Quelle {});
    EXPECT_EQ(logging.sets[0].analog[1], (Quelle {1, 2})) << "the rest of record 1 as it was";
    EXPECT_EQ(logging.sets[1].analog[0], (Quelle {99, 17}));
    EXPECT_EQ(logging.sets[1].analog[15], (Quelle {99, 32}));
    EXPECT_EQ(logging.sets[1].digital[12], (Quelle {99, 13}));
}

}  // namespace
