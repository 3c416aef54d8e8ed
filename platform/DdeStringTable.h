// The process's DDE string handles: one counted entry per text, texts that differ only in ASCII case sharing it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace platform {

class DdeStringTable {
public:
    // The handle value of the text, with one more reference (a new entry keeps this spelling). Never 0.
    std::uint64_t Add(std::string_view text);
    // One more reference to an existing entry; false when there is none.
    bool AddRef(std::uint64_t id);
    // One reference less; the entry ends with its last one. False when there is no such entry.
    bool Release(std::uint64_t id);

    // The text of an entry, or null.
    const std::string* Text(std::uint64_t id) const;

    // The key under which texts are the same: ASCII letters folded to lower case, every other byte kept.
    static std::string Key(std::string_view text);

    size_t Size() const { return m_entries.size(); }

private:
    struct Entry {
        std::string text;
        long refs = 0;
    };
    std::map<std::string, std::uint64_t> m_byKey;
    std::map<std::uint64_t, Entry> m_entries;
    std::uint64_t m_next = 1;
};

}  // namespace platform
