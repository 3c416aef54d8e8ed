// Little-endian numbers in byte strings: the one encoding of the wire formats of the window channel, the DDE frames
// and the remote window messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// Appends the low `bytes` bytes of v, lowest first.
inline void PutLE(std::string& out, std::uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The number of `bytes` bytes at `at`, lowest first; the caller has checked that they are there.
inline std::uint64_t GetLE(const std::string& in, size_t at, int bytes)
{
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(in[at + static_cast<size_t>(i)]);
    return v;
}

inline void PutU32(std::string& out, std::uint32_t v)
{
    PutLE(out, v, 4);
}
inline std::uint32_t GetU32(const std::string& in, size_t at)
{
    return static_cast<std::uint32_t>(GetLE(in, at, 4));
}

}  // namespace platform
