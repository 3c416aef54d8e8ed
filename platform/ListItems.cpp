// Item lists of combo boxes and list boxes.
#include "platform/ListItems.h"

namespace platform {

namespace {

int CompareNoCase(const CString& a, const CString& b)
{
    return a.CompareNoCase(b);
}

bool StartsWithNoCase(const CString& text, const CString& prefix)
{
    return text.GetLength() >= prefix.GetLength() && text.Left(prefix.GetLength()).CompareNoCase(prefix) == 0;
}

}  // namespace

int ListItems::CompareForSort(const CString& a, const CString& b)
{
    int c = CompareNoCase(a, b);
    return c != 0 ? c : a.Compare(b);
}

int ListItems::Add(const CString& text, bool sorted)
{
    int index = Count();
    if (sorted) {
        index = 0;
        while (index < Count() && CompareForSort(m_items[static_cast<size_t>(index)].text, text) <= 0)
            ++index;
    }
    return Insert(index, text);
}

int ListItems::Insert(int index, const CString& text)
{
    if (index < 0)
        index = Count();
    if (index > Count())
        return -1;
    m_items.insert(m_items.begin() + index, Item {text, 0});
    if (m_selection >= index)
        ++m_selection;
    return index;
}

int ListItems::Delete(int index)
{
    if (!Valid(index))
        return -1;
    m_items.erase(m_items.begin() + index);
    if (m_selection == index)
        m_selection = -1;
    else if (m_selection > index)
        --m_selection;
    return Count();
}

void ListItems::Clear()
{
    m_items.clear();
    m_selection = -1;
}

bool ListItems::SetData(int index, DWORD_PTR data)
{
    if (!Valid(index))
        return false;
    m_items[static_cast<size_t>(index)].data = data;
    return true;
}

int ListItems::Find(int start, const CString& text, bool exact) const
{
    int n = Count();
    if (n == 0)
        return -1;
    int first = (start < 0 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        int i = (first + k) % n;
        const CString& item = m_items[static_cast<size_t>(i)].text;
        if (exact ? CompareNoCase(item, text) == 0 : StartsWithNoCase(item, text))
            return i;
    }
    return -1;
}

bool ListItems::Select(int index)
{
    bool valid = Valid(index);
    m_selection = valid ? index : -1;
    return valid;
}

}  // namespace platform
