// The function overview's insertion and removal rules, case by case.
#include "forms/plant/OverviewList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using plant::InsertionAt;
using plant::RemovalEnd;
using E = FuncViewEntry;

E H(BYTE group) { return {E::kGruppe, group, 0}; }
E V(BYTE group, BYTE param) { return {E::kUserA, group, param}; }

std::string Text(const std::vector<E>& entries)
{
    std::string text;
    for (const E& e : entries)
        text += e.kind == E::kGruppe ? "H" + std::to_string(e.group) + " "
                                     : std::to_string(e.group) + "." + std::to_string(e.param) + " ";
    return text;
}

TEST(OverviewListTest, AnInsertionAddsTheHeadersThatKeepTheListDecodable)
{
    const struct {
        const char* what;
        std::vector<E> list;
        size_t position;
        E entry;
        std::string chain;
        size_t target;
    } cases[] = {
        {"first value of a group at the end", {}, 0, V(1, 1), "H1 1.1 ", 1},
        {"second value right behind the first", {H(1), V(1, 1)}, 2, V(1, 2), "1.2 ", 0},
        {"a value of another group inside a run splits it", {H(3), V(3, 1), V(3, 2)}, 2, V(5, 1), "H5 5.1 H3 ", 1},
        {"a header inside a run splits it", {H(3), V(3, 1), V(3, 2)}, 2, H(4), "H4 H3 ", 0},
        {"a header at the end", {H(3), V(3, 1)}, 2, H(4), "H4 ", 0},
        {"a value before the next header goes on its run", {H(3), V(3, 1), H(5), V(5, 1)}, 2, V(3, 2), "3.2 ", 0},
        {"a value at the front gets a header", {H(3), V(3, 1)}, 0, V(3, 2), "H3 3.2 ", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const plant::Insertion insertion = InsertionAt(c.list, c.position, c.entry);
        EXPECT_EQ(Text(insertion.chain), c.chain);
        EXPECT_EQ(insertion.target, c.target);
    }
}

TEST(OverviewListTest, AHeaderTakesItsRunAndAValueOnlyItself)
{
    const std::vector<E> list = {H(1), V(1, 1), V(1, 2), H(2), V(2, 1)};
    EXPECT_EQ(RemovalEnd(list, 0), 3u);
    EXPECT_EQ(RemovalEnd(list, 1), 2u);
    EXPECT_EQ(RemovalEnd(list, 3), 5u);
    EXPECT_EQ(RemovalEnd({H(1)}, 0), 1u);
}

}  // namespace
