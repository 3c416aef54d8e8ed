// The forms of the logic, time and monitoring functions in the real program: "open" a drawing that holds one object
// of each kind, then "param" on an object, pick and click as a person through wnddrive, save; the committed record
// and the lines the drawing-tool stand-in received are compared with what the forms must produce.
#include "FunctionFormRun.h"

#include "store/VergleichParam.h"

using testsupport::DriveStep;
using testsupport::kDriveSave;
using testsupport::kDriveShowParam;
using testsupport::kDriveShowVarIn;
using testsupport::kDriveShowVarOut;

namespace {

class LogicFormRunTest : public testsupport::FunctionFormRun {
protected:
    LogicFormRunTest() : FunctionFormRun("logic_time.xml") {}
};

// ---- Comparison ----

// Each unit has its own lists: the stored bytes are read in the unit chosen last, repaired, and shown in its scale.
TEST_F(LogicFormRunTest, ComparisonShowsAndStoresEveryValueInTheScaleOfItsUnit)
{
    const testsupport::ProgramResult result = Param("Vergleich$0", "1000", {
        {"get 1003", 0, "Temperat.\n"},
        {"get 1218", 0, "\xC2\xB0" "C\n"},  // wnddrive answers in UTF-8
        {"get 1235", 0, "K\n"},
        {"pick 1469 0"},                      // -50 deg C
        {"get 1469", 0, " - 50\n"},
        {"pick 1199 148"},                    // code 20: 2.0 K
        {"pick 1207 148"},                    // OFF equal to ON goes one step below
        {"get 1207", 0, "    1.9\n"},
        {"pick 1199 0"},                      // -90 K is shown as the lowest code the repair leaves, -85 K
        {"get 1199", 0, " -  85\n"},
        {"get 1207", 0, " -  90\n"},
        {"pick 1199 148"},
        {"pick 1207 147"},
        {"pick 1003 10"},                     // humidity: value b 206 is out of range, the codes stay
        {"get 1469", 0, "      60\n"},
        {"get 1199", 0, "    2.0\n"},
        {"get 1218", 0, "%\n"},
        {"pick 1003 11"},                     // pressure: the same bytes in tenths of a bar and 0.05 bar steps
        {"get 1469", 0, "    6.0\n"},
        {"get 1199", 0, "    1.00\n"},
        {"get 1207", 0, "    0.95\n"},
        {"get 1256", 0, "bar\n"},
        {"pick 1428 1"},
        {"pick 1439 3"},
        {kDriveShowVarIn},
        {"get 1428", 0, "\nCONFR. 3\n"},
        {"get 1301", 0, "\nVALOREa:\n"},
        {"get 1155", 0, "Entrata\n"},
        {"get 1161", 0, "1:\n"},
        {"pick 1513 1"},                      // the open release: fixed state ON
        {kDriveShowVarOut},
        {"get 1259", 0, "1\n"},               // "Va < Vb + diff" drives output 5
        {"get 1081", 0, "0\n"},
        {kDriveShowParam},
        {kDriveSave},
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

    const VergleichParam r = Stored<VergleichParam>(1000, &CParaDaten::GetVergleich);
    EXPECT_EQ(r.unit, 11u);
    EXPECT_EQ(r.valueB.kind, 0);
    EXPECT_EQ(r.valueB.number, 60);
    EXPECT_EQ(r.onDifference, 20);
    EXPECT_EQ(r.offDifference, 19);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.designation.digit, 3);
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(r.release.number, 1);
    EXPECT_EQ(r.valueA.kind, 1);
    EXPECT_EQ(r.valueA.number, 1);
    EXPECT_EQ(r.below[4], 1);
    EXPECT_EQ(r.above[4], 0);

    const std::vector<std::string> expected = {
        "settext§1002§  CONFR.3  ",
        "settext§1011§ABL Comparazione",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

}  // namespace
