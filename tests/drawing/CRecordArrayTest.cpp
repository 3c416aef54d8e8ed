// The owning record array family and the partner list built on it.
#include "drawing/CVerbindungsListe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

// The program-wide allocation of this test binary, which can be told to fail its next request once (the array's
// growth); items with an allocation of their own are not affected by it.
namespace {
bool g_failNextAllocation = false;
}  // namespace

void* operator new(std::size_t size)
{
    if (g_failNextAllocation) {
        g_failNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
// Not inlined: the compiler would take the free of a pointer from new for a mismatch.
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct Gezaehlt {
    static int lebend;
    std::string text = "neu";
    Gezaehlt() { ++lebend; }
    Gezaehlt(const Gezaehlt& other) : text(other.text) { ++lebend; }
    ~Gezaehlt() { --lebend; }
};
int Gezaehlt::lebend = 0;

TEST(CRecordArrayTest, AddStoresCopiesInOrderAndSetSizeStartsAfresh)
{
    {
        CRecordArray<Gezaehlt> array;
        EXPECT_EQ(array.GetCount(), 0);
        Gezaehlt item;
        item.text = "a";
        array.Add(item);
        item.text = "b";
        array.Add(item);
        EXPECT_EQ(array.GetCount(), 2);
        EXPECT_EQ(array.GetAt(0)->text, "a");
        EXPECT_EQ(array.GetAt(1)->text, "b");
        EXPECT_EQ(array.GetAt(2), nullptr);
        EXPECT_EQ(array.GetAt(-1), nullptr);
        EXPECT_EQ(Gezaehlt::lebend, 3);

        array.SetSize(3);
        EXPECT_EQ(array.GetCount(), 3);
        EXPECT_EQ(array.GetAt(2)->text, "neu");
        array.Add(item);
        EXPECT_EQ(array.GetCount(), 4);
        EXPECT_EQ(array.GetAt(3)->text, "b");

        delete array.ElementAt(0);
        array.ElementAt(0) = nullptr;  // a null slot is passed over by RemoveAll
        array.SetSize(0);
        EXPECT_EQ(array.GetCount(), 0);
        EXPECT_EQ(Gezaehlt::lebend, 1);
        array.Add(item);
        array.Add(item);
    }
    EXPECT_EQ(Gezaehlt::lebend, 0);
}

// A counted item allocated apart from the program-wide allocation.
struct Eigen : Gezaehlt {
    static void* operator new(std::size_t size)
    {
        if (void* p = std::malloc(size))
            return p;
        throw std::bad_alloc();
    }
    static void operator delete(void* p) { std::free(p); }
};

TEST(CRecordArrayTest, AnAppendThatThrowsLeavesNoCopyBehind)
{
    {
        CRecordArray<Eigen> array;
        const Eigen item;
        g_failNextAllocation = true;  // the array's first growth
        EXPECT_THROW(array.Add(item), std::bad_alloc);
        g_failNextAllocation = false;
        EXPECT_EQ(array.GetCount(), 0);
        EXPECT_EQ(Gezaehlt::lebend, 1) << "only the item itself lives";
        array.Add(item);
        EXPECT_EQ(array.GetCount(), 1);
    }
    EXPECT_EQ(Gezaehlt::lebend, 0);
}

TEST(CRecordArrayTest, PartnerListHoldsPairs)
{
    CVerbindungsListe list(2);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(*list.GetAt(0), (VerbindungsPaar{0, 0}));
    list.RemoveAll();
    list.Add({100, 101}).Add({200, 201});
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(*list.GetAt(1), (VerbindungsPaar{200, 201}));
}

}  // namespace
