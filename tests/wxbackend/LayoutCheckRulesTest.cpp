// The layout check's rules on small reports of their own: each fault a person would see is found once, with its two
// rectangles, and a tidy window has none.
#include "LayoutCheck.h"

#include <gtest/gtest.h>

namespace {

const std::string kFrame = "top Frame 0 0 0 749 603\nscreen 0 0 1280 1024\nclient 109 0 640 585\n"
                           "form 100 109 0 640 585\n";
const std::string kBox = "control 1345 group 120 160 300 100 88 13 124 160 88 13 \"TEMP.AMBIENTE:\"\n";

TEST(LayoutCheckRulesTest, EachFaultIsFoundWithItsRectangles)
{
    const struct {
        const char* what;
        std::string report;
        std::string finding;  // Describe's text, "" for none
    } cases[] = {
        {"a tidy box and list", kFrame + kBox + "control 1160 combo 140 185 105 19 105 19 140 185 105 19 \"\"\n", ""},
        {"a list narrower than its longest item",
         kFrame + "control 1150 combo 259 126 66 19 88 19 259 126 66 19 \"\"\n",
         "w control 1150 \"\": its contents are cut: 259,126 66x19 / 259,126 88x19"},
        {"a list across a box's top line",
         kFrame + kBox + "control 1160 combo 140 165 105 19 105 19 140 165 105 19 \"\"\n",
         "w control 1160 \"\": it lies across the border of group box 1345 \"TEMP.AMBIENTE:\": 140,165 105x19 / "
         "122,173 296x85"},
        {"a caption on the box's left border",
         kFrame + "control 1345 group 120 160 300 100 88 13 120 160 88 13 \"T:\"\n",
         "w control 1345 \"T:\": its caption stands on the box's border: 120,160 88x13 / 120,160 300x100"},
        {"a form taller than the client area",
         "top Frame 0 0 0 749 603\nclient 109 0 640 585\nform 100 109 0 640 620\n",
         "w control 0 \"\": the form is larger than the frame's client area (it scrolls): 109,0 640x620 / 109,0 "
         "640x585"},
        {"a dialog beyond the screen", "top Dialog 5 1200 10 200 100\nscreen 0 0 1280 1024\nclient 0 0 200 100\n",
         "w control 0 \"\": the dialog reaches beyond the screen: 1200,10 200x100 / 0,0 1280x1024"},
        {"a text's empty first line over the line of a box without caption",
         kFrame +
             "control 65535 group 120 100 300 60 0 13 124 100 0 13 \"\"\n"
             "control 1353 static 130 103 200 28 120 26 130 103 120 26 \"\\nTEMP.MANDATA:\"\n",
         ""},
    };
    for (const auto& c : cases) {
        std::string found;
        for (const wxtest::Finding& f : wxtest::CheckLayout(c.report))
            found += (found.empty() ? "" : "\n") + wxtest::Describe("w", f);
        EXPECT_EQ(found, c.finding) << c.what;
    }
}

}  // namespace
