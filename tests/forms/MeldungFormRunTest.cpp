// The message forms in the real program: "open" a drawing with a message whose activate pin an input drives, then
// "param" on the message; a person chooses type, cause, number and alarm, sets the input modes and ticks outputs on
// two pages, and saves. The message slot's 16 stored bytes and the lines the drawing-tool stand-in received are
// compared with what the record's packing and the message texts give. Cancelling keeps the file.
#include "FormRunFixture.h"

#include "store/MeldungParam.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace testsupport;

namespace {

constexpr int kMessageId = 400;

class MeldungFormRunTest : public FormRunFixture {
protected:
    MeldungFormRunTest() : FormRunFixture("messages.xml") {}

    // The stored record of the message's slot, as the committed file holds it.
    std::array<BYTE, 16> StoredBytes() const
    {
        std::array<BYTE, 16> bytes{};
        EXPECT_TRUE(WithParameterFile(m_home, "para/para.par", false, [&](CParaDaten& para) {
            const BYTE slot = para.FindMeldungSlot(CParaDaten::kWorkFile, kMessageId);
            EXPECT_NE(slot, 0);
            EXPECT_TRUE(para.ReadMeldungRaw(CParaDaten::kWorkFile, slot, bytes.data()));
        }));
        return bytes;
    }
};

// Type "PROBLEMA", cause "Sonda" with number 2, the alarm; the release set OFF, the connected activate inverted;
// output 1 on "normale ON" and output 3 on "dominante OFF".
const std::vector<Step> kEdits = {
    {"get 1429", 0, "inutilliz.\n"},  // a new message is not used: nothing else can be chosen
    {"pick 1428 4", 1},
    {"click 1158", 1},
    {"pick 1429 3"},
    {"get 1428", 0, "------------\n"},
    {"get 1439", 0, "\n"},
    {"pick 1439 2", 1},  // no number without a cause
    {"pick 1428 4"},
    {"pick 1439 2"},
    {"click 1158"},
    {kShowVarIn},
    {"get 1428", 0, "\nSonda 2\n"},
    {"get 1471", 0, "\nRILASCIO MESSAG.:\n"},
    {"get 1163", 0, "Stato:\n"},
    {"get 1164", 0, "ON\n"},  // a new message's release is held on
    {"pick 1164 0"},
    {"get 1165", 0, "Entrata\n"},
    {"get 1166", 0, "4:\n"},
    {"get 1517", 0, "Modo:\n"},
    {"pick 1518 1"},
    {"get 1516", 0, "OFF\n"},
    {kShowVarOut},
    {"get 1428", 0, "\nSonda 2\n"},
    {"get 1171", 0, "<normale ON>\n"},
    {"click 1028"},
    {"pick 1171 2"},
    {"get 1028", 0, "0\n"},
    {"click 1048"},
    {"pick 1171 0"},
    {"get 1028", 0, "1\n"},
    {"get 1048", 0, "0\n"},
    {kShowParam},
    {"get 1428", 0, "Sonda\n"},
};

TEST_F(MeldungFormRunTest, SaveStoresWhatThePersonChoseAndSendsTypeCauseAndPinLabels)
{
    const struct {
        const char* what;
        std::vector<Step> edits;
        std::array<BYTE, 16> bytes;  // the slot's stored record
        std::vector<std::string> lines;
    } cases[] = {
        {"a new message saved as it is",
         {},
         // release held on; activate from input 4; no cause of group 0 is 12: (12 - 1) * 10 + 1.
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 111, 0x00, 0x00, 0x00},
         {"settext§402§  inutilizzato  ", "settext§403§  - - - - - - -  ", "settext§411§ABL messaggio",
          "settext§421§Attiv. messaggio", "settext§431§Canc. messaggio (OFF)", "setfilenotuptodate"}},
        {"the edits",
         kEdits,
         // activate: kind 1 inverted, input 4; "normale ON" output 1; "dominante OFF" output 3; cause (4 - 1) * 10 +
         // 2 + 1; type 3 with the alarm bit.
         {0x00, 0x00, 0x81, 0x04, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x04, 0x00, 33, 0x83, 0x00, 0x00},
         {"settext§402§  GUASTO  ", "settext§403§  Sonda2  ", "settext§411§ABL messaggio (OFF)",
          "settext§421§Attiv. messaggio (inv.)", "settext§431§Canc. messaggio (OFF)", "setfilenotuptodate"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ForgetReceived();
        std::vector<Step> steps = c.edits;
        steps.push_back({kSave});
        const ProgramResult result = Param("Meldung$0", "400", steps);
        EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);
        EXPECT_EQ(StoredBytes(), c.bytes);
        EXPECT_EQ(Received(), c.lines) << JoinLines(Received());
    }
}

// A user designation as the cause: only a confirmed designations dialog makes the save refresh the other objects'
// texts as well, never the message's own twice.
TEST_F(MeldungFormRunTest, ConfirmedUserDesignationsRefreshEveryOtherObjectOnSave)
{
    const struct {
        const char* ending;  // how the designations dialog ends
        bool refresh;        // the save also relabels the other objects
    } cases[] = {{"click 2", false}, {"click 1330", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        ForgetReceived();
        Param("Meldung$0", "400",
              {
                  {"pick 1429 1"},
                  {"click 1159"},
                  {"click 1768", 1},  // the designations dialog only for user designations
                  {"click 1415"},
                  {"click 1768"},
                  {"--window active pick 1450 0"},
                  {"--window active type 1449 ALLARME"},
                  {"--window active click 1452"},
                  {std::string("--window active ") + c.ending},
                  {"pick 1428 1"},
                  {"pick 1439 3"},
                  {kSave},
              });
        const std::vector<std::string> lines = Received();
        const std::string cause = c.refresh ? "ALLARME" : " 1 - - - - -";
        ASSERT_GE(lines.size(), 6u) << JoinLines(lines);
        EXPECT_EQ(lines[0], "settext§402§  ERRORE  ");
        EXPECT_EQ(lines[1], "settext§403§  " + cause + "3  ");
        EXPECT_EQ(lines.back(), "setfilenotuptodate");
        bool inputRelabelled = false;
        for (size_t i = 5; i + 1 < lines.size(); ++i) {
            inputRelabelled |= lines[i].find("settext§102§") == 0;
            EXPECT_NE(lines[i].find("§40"), std::string("settext").size()) << lines[i];
        }
        EXPECT_EQ(inputRelabelled, c.refresh) << JoinLines(lines);
        EXPECT_EQ(lines.size() == 6, !c.refresh) << JoinLines(lines);
    }
}

TEST_F(MeldungFormRunTest, CancellingAfterTheEditsKeepsTheFileAndSendsNothing)
{
    const std::string before = m_home.ReadFile("para/para.par");
    std::vector<Step> steps = kEdits;
    steps.push_back({kTerminate});
    Param("Meldung$0", "400", steps);
    EXPECT_EQ(m_home.ReadFile("para/para.par"), before);
    EXPECT_TRUE(Received().empty()) << JoinLines(Received());
}

}  // namespace
