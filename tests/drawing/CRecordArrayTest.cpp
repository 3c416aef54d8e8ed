// The owning record array family and the partner list built on it.
#include "drawing/CVerbindungsListe.h"

#include <gtest/gtest.h>

#include <string>

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
