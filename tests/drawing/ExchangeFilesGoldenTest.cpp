// The exchange files of every sample drawing, byte for byte against their golden copies in tests/data/drawing.
//
// MORV_UPDATE_GOLDEN=1 in the environment rewrites the golden copies from the current import instead of comparing.
#include "DrawingTestSupport.h"

#include <filesystem>

using namespace drawingtest;

namespace {

const char* const kFiles[] = {"KS_Objects.tmp",   "FuncIDs.tmp",       "MeldungIDs.tmp",         "Translate.tmp",
                              "Online.tmp",       "Connect2Fang.tmp",  "Connect2Line.tmp",       "Connect2Node.tmp",
                              "Connect2SigOver.tmp", "Nodes.tmp",      "SignalOver.tmp",         "CatchedLines.tmp",
                              "CatchedLinesSigOver.tmp"};

struct Sample {
    const char* xml;     // below samples/
    const char* golden;  // folder below tests/data/drawing/
};

class ExchangeFilesGoldenTest : public InTempFolder, public ::testing::WithParamInterface<Sample> {};

std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) ++i;
    size_t from = i < 60 ? 0 : i - 60;
    return "first difference at byte " + std::to_string(i) + " (sizes " + std::to_string(expected.size()) + " and " +
           std::to_string(actual.size()) + ")\nexpected: ..." + expected.substr(from, 120) + "\nactual:   ..." +
           actual.substr(from, 120);
}

TEST_P(ExchangeFilesGoldenTest, MatchesGoldenCopies)
{
    const std::string source = MORV_SOURCE_DIR;
    const std::string xml = ReadFile(source + "/samples/" + GetParam().xml);
    ASSERT_FALSE(xml.empty());
    std::string boxes;
    ASSERT_EQ(Parse(xml, &boxes), 0) << boxes;
    EXPECT_EQ(boxes, "");
    const std::string golden = source + "/tests/data/drawing/" + GetParam().golden + "/";
    const bool update = std::getenv("MORV_UPDATE_GOLDEN") != nullptr;
    if (update) std::filesystem::create_directories(golden);
    for (const char* name : kFiles) {
        const std::string actual = ReadFile(std::string("para/") + name);
        if (update) {
            WriteFile(golden + name, actual);
            continue;
        }
        ASSERT_TRUE(Exists(golden + name)) << golden + name;
        const std::string expected = ReadFile(golden + name);
        EXPECT_TRUE(expected == actual) << name << ": " << FirstDifference(expected, actual);
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, ExchangeFilesGoldenTest,
                         ::testing::Values(Sample{"VORNA.xml", "vorna"},
                                           Sample{"drawings/alle_objekte.xml", "alle_objekte"},
                                           Sample{"drawings/alle_objekte_fehler.xml", "alle_objekte_fehler"},
                                           Sample{"drawings/gross.xml", "gross"}),
                         [](const ::testing::TestParamInfo<Sample>& info) { return std::string(info.param.golden); });

}  // namespace
