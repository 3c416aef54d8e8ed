// The heating function forms in the real program: "open" a drawing with a charge pump, a heating request, a
// hot-water request, a circulation and two boiler cascades, then "param" on each object, pick and click as a person
// through wnddrive, save; the committed parameter file and the lines the drawing-tool stand-in received are compared
// with what the forms must produce. Differences and limits are the ones a heating engineer meets: a switch-off
// difference on the wrong side of its switch-on difference, values that a source replaces, time-byte units.
#include "FunctionFormRun.h"

#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/KesselkaskadeParam.h"
#include "store/LadepumpeParam.h"
#include "store/ZirkulationParam.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;

namespace {

class HeatingFormRunTest : public FunctionFormRun {
protected:
    HeatingFormRunTest() : FunctionFormRun("heating.xml") {}

    // Runs the steps on the object's forms and saves; the run must end without a box.
    void EditAndSave(const char* name, const char* id, std::vector<Step> steps)
    {
        steps.push_back({kSave});
        ProgramResult result = m_home.RunWindowCommand(Command("param", name, id), [&] { Drive(steps); });
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);
    }
};

signed char Signed(BYTE b)
{
    return static_cast<signed char>(b);
}

TEST_F(HeatingFormRunTest, ChargePumpKeepsEachSwitchOffDifferenceOnItsSide)
{
    EditAndSave("Ladepumpe$0", "400",
                {
                    {"get 1049", 0, "\n"},  // the maximum comes from input 3: no fixed value shown
                    {"pick 1049 10", 1},    // and none can be chosen
                    {"pick 1481 45"},       // minimum feed temperature 45 deg C
                    {"pick 1480 0"},        // feed side on: -128 is repaired to -127 ("- 85")
                    {"get 1480", 0, "- 85\n"},
                    {"pick 1482 255"},  // reference side on: 127 is repaired to 126 ("  80")
                    {"get 1482", 0, "  80\n"},
                    {"get 1025", 0, "  85\n"},  // its switch-off moved above it
                    {"pick 1478 150"},          // difference on 2.2 K
                    {"pick 1479 150"},          // off equal to on: one code below
                    {"get 1479", 0, "  2.1\n"},
                    {"pick 1428 1"},
                    {kShowVarIn},
                    {"get 1436", 0, "\nTEMP.MASS.RIF.:\n"},
                    {"get 1211", 0, "Entrata\n"},
                    {"get 1221", 0, "3:\n"},
                    {"get 1208", 0, "Utente\n"},
                    {"pick 1513 1"},  // the unconnected release ON
                    {kShowVarOut},
                    {"get 1542", 0, "POMPA - Uscita\n"},
                    {"get 1040", 0, "1\n"},
                    {"get 1081", 0, "0\n"},
                    {"get 1028", 0, "0\n"},
                    {"get 1413", 0, "0\n"},
                });
    const LadepumpeParam r = Stored<LadepumpeParam>(400, &CParaDaten::GetLadepumpe);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.sourceMin.kind, 0);
    EXPECT_EQ(r.sourceMin.number, 45);
    EXPECT_EQ(Signed(r.minDiffOn), -127);
    EXPECT_EQ(Signed(r.minDiffOff), -128);
    EXPECT_EQ(Signed(r.maxDiffOn), 126);
    EXPECT_EQ(Signed(r.maxDiffOff), 127);
    EXPECT_EQ(Signed(r.sourceDiffOn), 22);
    EXPECT_EQ(Signed(r.sourceDiffOff), 21);
    EXPECT_EQ(r.referenceMax.kind, 1);
    EXPECT_EQ(r.referenceMax.number, 3);
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(r.release.number, 1);
    EXPECT_EQ(r.outputs[1], 1);
    EXPECT_EQ(r.outputs[4], 0);

    const std::vector<std::string> expected = {
        "settext§402§  POMPA CA.  ",
        "settext§411§ABL pompa",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

}  // namespace
