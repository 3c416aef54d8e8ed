// Fuzzes the window channel's frame reader with whatever a peer on the socket sends, arriving in pieces: no frame is
// taken beyond the buffer or above the bound, and what is taken encodes back to the bytes it came from.
//
// Input: byte 0 gives the size of the pieces the bytes arrive in (1 to 256); the rest are the bytes.
#include "platform/WindowChannelWire.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using platform::WindowChannelWire;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t piece = static_cast<size_t>(data[0]) + 1;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string buffer;
    size_t fed = 0;
    size_t taken = 0;
    while (fed < bytes.size()) {
        const size_t n = std::min(piece, bytes.size() - fed);
        buffer.append(bytes, fed, n);
        fed += n;
        for (;;) {
            const std::string before = buffer;
            std::vector<std::string> texts;
            const WindowChannelWire::Take take = WindowChannelWire::TakeFrom(buffer, texts);
            if (take == WindowChannelWire::Take::Broken)
                return 0;  // the connection is dropped
            if (take == WindowChannelWire::Take::NeedMore) {
                if (buffer != before)
                    std::abort();
                break;
            }
            const std::string frame = before.substr(0, before.size() - buffer.size());
            if (frame.size() > WindowChannelWire::kMaxFrame + 4 ||
                before.compare(before.size() - buffer.size(), std::string::npos, buffer) != 0)
                std::abort();
            if (WindowChannelWire::Encode(texts) != frame)
                std::abort();
            taken += frame.size();
        }
    }
    if (taken > bytes.size())
        std::abort();
    return 0;
}
