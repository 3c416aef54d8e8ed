// The rules that keep the function overview decodable: a value belongs to the header before it, so every run of
// values of one group needs a header in front of it.
#pragma once

#include "store/FuncViewEntry.h"

#include <cstddef>
#include <vector>

namespace plant {

struct Insertion {
    std::vector<FuncViewEntry> chain;  // what goes in before the position, in order
    size_t target = 0;                 // the index within chain of the new value, or of the new header
};

// Inserting entry before position (list.size() appends): a header when the entry is a header or starts a run of its
// group (no entry before it, or one of another group); the value; and, when a header was needed and the position
// lies inside a run, a header of that run's group for the rest of it.
Insertion InsertionAt(const std::vector<FuncViewEntry>& list, size_t position, const FuncViewEntry& entry);

// The end of what a removal at index takes: a header takes the values of its run with it.
size_t RemovalEnd(const std::vector<FuncViewEntry>& list, size_t index);

// Whether the entry is a value of one of the five levels.
bool IsLevelValue(const FuncViewEntry& entry);

}  // namespace plant
