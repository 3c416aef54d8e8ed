// Counted, case-insensitive DDE string handles.
#include "platform/DdeStringTable.h"

namespace platform {

std::string DdeStringTable::Key(std::string_view text)
{
    std::string key(text);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

std::uint64_t DdeStringTable::Add(std::string_view text)
{
    std::string key = Key(text);
    auto it = m_byKey.find(key);
    if (it != m_byKey.end()) {
        ++m_entries[it->second].refs;
        return it->second;
    }
    // Values are never reused, so a handle kept after its entry ended cannot stand for another text.
    std::uint64_t id = m_next++;
    m_byKey[key] = id;
    m_entries[id] = Entry {std::string(text), 1};
    return id;
}

bool DdeStringTable::AddRef(std::uint64_t id)
{
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return false;
    ++it->second.refs;
    return true;
}

bool DdeStringTable::Release(std::uint64_t id)
{
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return false;
    if (--it->second.refs <= 0) {
        m_byKey.erase(Key(it->second.text));
        m_entries.erase(it);
    }
    return true;
}

const std::string* DdeStringTable::Text(std::uint64_t id) const
{
    auto it = m_entries.find(id);
    return it == m_entries.end() ? nullptr : &it->second.text;
}

}  // namespace platform
