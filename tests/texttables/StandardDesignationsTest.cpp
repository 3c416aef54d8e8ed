// The table of function types and their counts of standard designations.
#include "texttables/StandardDesignations.h"

#include <gtest/gtest.h>

TEST(StandardDesignationsTest, CountsByKindAndByTypeCode)
{
    struct Case {
        const char* kind;
        BYTE count;
    };
    const Case cases[] = {
        {"Zähler", 8},         {"Kesselkaskade", 1},   {"Analogfunktion", 6},   {"Timerfunktion", 6},
        {"PID-Regelung", 5},   {"Vergleich", 4},       {"Logikfunktion", 4},    {"Wärmemengenzähler", 3},
        {"Heizkreisregler", 2}, {"Eingang", 0},        {"zähler", 0},           {"", 0},
        {nullptr, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(texts::StandardDesignationCount(c.kind), c.count) << (c.kind ? c.kind : "(null)");

    int sum = 0;
    for (int code = 1; code <= texts::kFunctionTypeCount; ++code) {
        EXPECT_EQ(texts::kFunctionTypes[code - 1].typeCode, code);
        EXPECT_EQ(texts::StandardDesignationCountOfType(code),
                  texts::StandardDesignationCount(texts::FunctionKindName(code)));
        sum += texts::StandardDesignationCountOfType(code);
    }
    EXPECT_EQ(sum, 65) << "the standard-name lists hold 65 names in all";
    EXPECT_EQ(texts::StandardDesignationCountOfType(0), 0);
    EXPECT_EQ(texts::StandardDesignationCountOfType(texts::kFunctionTypeCount + 1), 0);
    EXPECT_STREQ(texts::FunctionKindName(0), "");
    EXPECT_STREQ(texts::FunctionKindName(12), "Wärmemengenzähler");
}
