// The family of owning pointer arrays of heap items with an element count of their own.
//
// One array class per item kind (`CRecordArray<Item>`); every member behaves the same for every kind. The array
// owns its items: Add stores a heap copy, SetSize creates value-initialised items, RemoveAll and the destructor
// delete them. Item pointers stay valid until the next SetSize, RemoveAll or the array's destruction.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

template <class Item>
class CRecordArray {
public:
    // An initial count above 0 sets the size; 0 leaves the array empty without setting it.
    explicit CRecordArray(int initialCount = 0)
    {
        if (initialCount > 0) SetSize(initialCount);
    }
    virtual ~CRecordArray() { RemoveAll(); }

    CRecordArray(const CRecordArray&) = delete;
    CRecordArray& operator=(const CRecordArray&) = delete;

    int GetCount() const { return m_count; }

    // Appends a heap copy of the item; the count grows only once the pointer is stored. The copy is deleted again
    // when the append throws.
    CRecordArray& Add(const Item& item)
    {
        auto copy = std::make_unique<Item>(item);
        m_items.push_back(copy.get());
        copy.release();
        ++m_count;
        return *this;
    }

    // Deletes every item, then holds count new items.
    void SetSize(int count)
    {
        RemoveAll();
        if (count <= 0) return;
        m_items.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) m_items.push_back(new Item());
        m_count = count;
    }

    // The slot at index; the index must lie in 0 .. count - 1.
    Item*& ElementAt(int index) { return m_items[static_cast<std::size_t>(index)]; }

    // The item at index, or null for an index outside 0 .. count - 1.
    Item* GetAt(int index) const
    {
        return index >= 0 && index < m_count ? m_items[static_cast<std::size_t>(index)] : nullptr;
    }

    // Deletes every item that is not null; count 0.
    void RemoveAll()
    {
        for (Item* item : m_items) delete item;
        m_items.clear();
        m_count = 0;
    }

private:
    std::vector<Item*> m_items;
    int m_count = 0;
};
