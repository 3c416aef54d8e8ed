// Bytes as a line of text, so that two processes can compare what one sent and the other received.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace testsupport {

// Hexadecimal for up to 1024 bytes; beyond, the size and a hash, which keeps a report within a pipe's buffer.
inline std::string DescribeBytes(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    if (bytes.size() > 1024) {
        std::uint64_t hash = 14695981039346656037ull;
        for (unsigned char c : bytes) {
            hash ^= c;
            hash *= 1099511628211ull;
        }
        char text[64];
        std::snprintf(text, sizeof text, "size %zu fnv %016llx", bytes.size(), static_cast<unsigned long long>(hash));
        return text;
    }
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

}  // namespace testsupport
