// The filter of the typed-number fields: what stays of a text, its value and where the caret goes.
#include "forms/solar/NumberFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberFilterTest, KeepsOnlyWhatMakesANumber)
{
    const struct {
        const char* text;
        int caret;
        int decimals;
        bool minus;
        const char* kept;
        long value;
        int keptCaret;
    } cases[] = {
        {"12.5", 4, 2, true, "12.5", 1250, 4},
        {"-0.05", 5, 2, true, "-0.05", -5, 5},
        {"12.5", 4, 1, false, "12.5", 125, 4},
        {"1a2", 2, 2, true, "12", 1200, 1},      // the caret stays after the same digit
        {"1a2", 3, 2, true, "12", 1200, 2},
        {"x1y2z3", 6, 0, false, "123", 123, 3},
        {"1.2.3", 5, 2, true, "1.2", 120, 3},    // a second point ends the number
        {"1.234", 5, 2, true, "1.23", 123, 4},   // so does a third fraction digit
        {"12.5", 4, 0, false, "12", 12, 2},      // without decimals a point ends it
        {"-4", 2, 0, false, "4", 4, 1},          // a minus only where allowed
        {"1-2", 3, 2, true, "12", 1200, 2},      // and only first
        {"", 0, 2, true, "", 0, 0},
        {"-", 1, 2, true, "-", 0, 1},
        {"160.01", 6, 2, true, "160.01", 16001, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const forms::FilteredNumber n = forms::FilterNumber(c.text, c.caret, c.decimals, c.minus);
        EXPECT_EQ(n.text, CString(c.kept));
        EXPECT_EQ(n.value, c.value);
        EXPECT_EQ(n.caret, c.keptCaret);
    }
}

}  // namespace
