// The checker's shared rules: source kinds against masks, flags, designations and digital source triples.
#include "store/CParaCheck.h"

#include <gtest/gtest.h>

TEST(ParaCheckTest, SourceKinds)
{
    struct Case {
        BYTE kind;
        DWORD mask;
        BYTE expected;
    };
    const Case cases[] = {
        {47, 0, 7},     {95, 0, 7},       {100, 0, 7},     {255, 0, 7},     {46, 0, 46},     {3, 0, 3},
        {96, 0, 96},    {97, 0, 97},      {98, 0, 98},     {99, 0, 99},     {0, 0, 0},       {1, 0, 1},
        {2, 0, 2},      {99, 0x40, 7},    {98, 0x40, 98},  {0, 0xFFFF, 7},  {46, 0xFFFF, 7}, {99, 0xFFFF, 7},
        {0, 0x1FF, 7},  {1, 0x100, 1},    {1, 0x1FF, 7},   {97, 0x04, 7},   {2, 0x08, 7},    {25, 0x10, 7},
        {98, 0x20, 7},  {96, 0x80, 7},    {97, 0x7B, 97},  {200, 0x40, 7},
    };
    CParaCheck check;
    for (const Case& c : cases) {
        BYTE source[2] = {c.kind, 5};
        check.CheckQuelle(&source[0], c.mask, 7);
        EXPECT_EQ(source[0], c.expected) << "kind " << int(c.kind) << " mask " << std::hex << c.mask;
        EXPECT_EQ(source[1], 5) << "the number byte is never changed";
    }
}

TEST(ParaCheckTest, Flags)
{
    struct Case {
        BYTE value;
        BYTE keepLowBit;
        BYTE expected;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 1}, {2, 0, 1}, {2, 1, 0}, {3, 0, 1}, {3, 1, 1}, {254, 1, 0}, {255, 7, 1}};
    CParaCheck check;
    for (const Case& c : cases) {
        BYTE flag = c.value;
        check.CheckFlag(&flag, c.keepLowBit);
        EXPECT_EQ(flag, c.expected) << int(c.value) << " keep " << int(c.keepLowBit);
    }
}

TEST(ParaCheckTest, Designations)
{
    struct Case {
        BYTE in[3];
        BYTE k;
        BYTE out[3];
    };
    const Case cases[] = {
        {{0, 0, 7}, 2, {0, 0, 0}},   {{0, 2, 9}, 2, {0, 2, 9}},    {{0, 3, 1}, 2, {0, 0, 0}},
        {{0, 1, 12}, 2, {0, 1, 0}},  {{1, 16, 4}, 2, {1, 0, 0}},   {{1, 15, 4}, 2, {1, 15, 4}},
        {{1, 0, 10}, 8, {1, 0, 0}},  {{9, 3, 3}, 0, {9, 3, 3}},    {{0, 1, 0}, 0, {0, 0, 0}},
    };
    CParaCheck check;
    for (const Case& c : cases) {
        BYTE b[3] = {c.in[0], c.in[1], c.in[2]};
        check.CheckBezeichnung(b, c.k);
        EXPECT_EQ(std::vector<BYTE>(b, b + 3), std::vector<BYTE>(c.out, c.out + 3))
            << int(c.in[0]) << "," << int(c.in[1]) << "," << int(c.in[2]) << " k " << int(c.k);
    }
    BYTE counter[3] = {0, 8, 3};
    check.CheckFuncBezeichnung(counter, 17);  // "Zähler": 8 standard names
    EXPECT_EQ(counter[1], 8);
    check.CheckFuncBezeichnung(counter, 23);  // "Kesselkaskade": 1
    EXPECT_EQ(counter[1], 0);
}

TEST(ParaCheckTest, DigitalSourceTriples)
{
    struct Case {
        BYTE in[3];
        BYTE keepLowBit;
        BYTE out[3];
    };
    const Case cases[] = {
        {{0, 1, 2}, 0, {0, 1, 1}},    {{0, 0, 2}, 1, {0, 0, 0}},    {{0, 0, 1}, 0, {0, 0, 1}},
        {{1, 1, 200}, 0, {1, 1, 200}}, {{50, 1, 9}, 0, {0, 1, 1}},   {{50, 0, 9}, 1, {0, 0, 1}},
        {{98, 7, 3}, 0, {98, 7, 3}},
    };
    CParaCheck check;
    for (const Case& c : cases) {
        BYTE t[3] = {c.in[0], c.in[1], c.in[2]};
        check.CheckDigitalQuelle(t, c.keepLowBit);
        EXPECT_EQ(std::vector<BYTE>(t, t + 3), std::vector<BYTE>(c.out, c.out + 3))
            << int(c.in[0]) << "," << int(c.in[1]) << "," << int(c.in[2]) << " keep " << int(c.keepLowBit);
    }
}
