// The repair of a block of five time programs with its control fields.
#include "store/CParaCheck.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Block {
    BYTE windows = 2;
    BYTE programs = 2;
    Zeitprogramm block[kZeitprogramme];
};

}  // namespace

TEST(ZeitprogrammTest, Counts)
{
    struct Case {
        BYTE smallest;
        BYTE programs, windows;
        BYTE expectedPrograms, expectedWindows;
    };
    const Case cases[] = {
        {0, 6, 2, 0, 2}, {0, 7, 2, 0, 2}, {0, 0, 2, 0, 2}, {0, 5, 3, 5, 3}, {1, 0, 2, 1, 2},
        {1, 6, 2, 1, 2}, {1, 1, 1, 1, 1}, {0, 2, 0, 2, 2}, {0, 2, 4, 2, 2}, {0, 2, 15, 2, 2},
    };
    CParaCheck check;
    for (const Case& c : cases) {
        Block b;
        b.programs = c.programs;
        b.windows = c.windows;
        check.CheckZeitprogramm(c.smallest, &b.programs, &b.windows, b.block);
        EXPECT_EQ(b.programs, c.expectedPrograms) << "smallest " << int(c.smallest) << " programs " << int(c.programs);
        EXPECT_EQ(b.windows, c.expectedWindows) << "windows " << int(c.windows);
    }
}

TEST(ZeitprogrammTest, EveryWindowOfEveryProgramIsRepaired)
{
    struct Case {
        Zeitfenster window;
        Zeitfenster expected;
    };
    const Case cases[] = {
        {{143, 143, 90}, {143, 143, 90}},
        {{144, 144, 91}, {0, 0, 20}},
        {{132, 36, 0}, {132, 36, 0}},  // a window may end before it starts
        {{255, 10, 255}, {0, 10, 20}},
    };
    CParaCheck check;
    for (const Case& c : cases) {
        Block b;
        b.programs = 1;
        b.windows = 1;
        std::memset(b.block[4].days, 1, 7);
        // The last window of the last program: beyond both counts in use.
        b.block[4].windows[2] = c.window;
        check.CheckZeitprogramm(0, &b.programs, &b.windows, b.block);
        const Zeitfenster& w = b.block[4].windows[2];
        EXPECT_EQ(w.start, c.expected.start) << int(c.window.start);
        EXPECT_EQ(w.end, c.expected.end) << int(c.window.end);
        EXPECT_EQ(w.setpoint, c.expected.setpoint) << int(c.window.setpoint);
        EXPECT_EQ(b.block[4].days[6], 1) << "day flags are not repaired";
    }
}
