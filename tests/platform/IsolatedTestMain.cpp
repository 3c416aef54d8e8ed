// The main of end-to-end test programs: every run of the program (ctest runs one test per run) starts in an
// environment of its own (see Isolation.h).
#include "Isolation.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!::testing::GTEST_FLAG(list_tests))
        testsupport::Isolation::IsolateThisProcess();
    return RUN_ALL_TESTS();
}
