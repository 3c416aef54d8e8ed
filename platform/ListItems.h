// The item list shared by combo boxes and list boxes: texts, item data, the current selection and their rules.
//
// A sorted list orders without regard to ASCII case, then byte for byte, and puts a new item after its equals;
// inserting at an index never sorts. Deleting the selected item leaves no selection; inserting or deleting before it
// moves it with its item. Finding a string compares without regard to ASCII case, as the original platform does.
#pragma once

#include "platform/CString.h"
#include "platform/WindowTypes.h"

#include <vector>

namespace platform {

class ListItems {
public:
    struct Item {
        CString text;
        DWORD_PTR data = 0;
    };

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    // Index of the new item.
    int Add(const CString& text, bool sorted);
    // -1 appends; an index beyond the end fails with -1.
    int Insert(int index, const CString& text);
    // Remaining count, or -1 for a bad index.
    int Delete(int index);
    void Clear();

    const Item* At(int index) const { return Valid(index) ? &m_items[static_cast<size_t>(index)] : nullptr; }
    bool SetData(int index, DWORD_PTR data);

    // The first item after start (wrapping; start -1 searches from the beginning) whose text equals text (exact) or
    // begins with it; -1 when none.
    int Find(int start, const CString& text, bool exact) const;

    int Selection() const { return m_selection; }
    // Selects index; an index outside the list leaves no selection. Returns whether the index was valid.
    bool Select(int index);

    static int CompareForSort(const CString& a, const CString& b);

private:
    std::vector<Item> m_items;
    int m_selection = -1;
};

}  // namespace platform
